# Month calendar: layout and moves without drawing, then the drawn control.
tarvolix_test(test_calendar_model SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_calendar_model.cpp)
tarvolix_test(test_calendar_widget SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_calendar_widget.cpp UI)
