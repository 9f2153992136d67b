# Tests of the pregnancy date model.
tarvolix_test(test_date_text SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_date_text.cpp)
tarvolix_test(test_milestones SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_milestones.cpp)
tarvolix_test(test_pregnancy_status SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_pregnancy_status.cpp)
tarvolix_test(test_pregnancy_form SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_pregnancy_form.cpp)
tarvolix_test(test_frm_gros SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_frm_gros.cpp UI)
tarvolix_test(test_pregnancy_dating SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_pregnancy_dating.cpp)
