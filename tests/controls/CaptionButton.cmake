# Tests of the caption button.
tarvolix_test(test_caption_layout SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_caption_layout.cpp)
tarvolix_test(test_zmt_common_command SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_zmt_common_command.cpp UI)
