# Number base converter and its scroll region.
target_sources(tarvolix_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/BaseConversion.h ${CMAKE_CURRENT_LIST_DIR}/BaseConversion.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ScrollBarValues.h ${CMAKE_CURRENT_LIST_DIR}/ScrollBarValues.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ScrollChildren.h
  ${CMAKE_CURRENT_LIST_DIR}/ScrollRegionModel.h ${CMAKE_CURRENT_LIST_DIR}/ScrollRegionModel.cpp)
