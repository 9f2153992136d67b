# Month calendar control: its layout and date moves in the core, the drawn
# control in the widgets library.
target_sources(tarvolix_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/CalendarArithmetic.h ${CMAKE_CURRENT_LIST_DIR}/CalendarArithmetic.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CalendarModel.h ${CMAKE_CURRENT_LIST_DIR}/CalendarModel.cpp
  ${CMAKE_CURRENT_LIST_DIR}/VirtualKeyCode.h ${CMAKE_CURRENT_LIST_DIR}/VirtualKeyCode.cpp)
target_sources(tarvolix_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/Calendar.h ${CMAKE_CURRENT_LIST_DIR}/Calendar.cpp)
