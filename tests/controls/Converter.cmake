# Tests of the number base converter and its scroll region.
tarvolix_test(test_base_conversion SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_base_conversion.cpp)
tarvolix_test(test_scroll_region_model SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_scroll_region_model.cpp)
tarvolix_test(test_converter_grid SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_converter_grid.cpp UI)
