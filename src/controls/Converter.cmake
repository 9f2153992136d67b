# Number base converter and its scroll region.
target_sources(tarvolix_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/BaseConversion.h ${CMAKE_CURRENT_LIST_DIR}/BaseConversion.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ScrollBarValues.h ${CMAKE_CURRENT_LIST_DIR}/ScrollBarValues.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ScrollChildren.h
  ${CMAKE_CURRENT_LIST_DIR}/ScrollRegionModel.h ${CMAKE_CURRENT_LIST_DIR}/ScrollRegionModel.cpp)
target_sources(tarvolix_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/ZmtScrollRgn.h ${CMAKE_CURRENT_LIST_DIR}/ZmtScrollRgn.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ConverterField.h ${CMAKE_CURRENT_LIST_DIR}/ConverterField.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ZmtDGrid.h ${CMAKE_CURRENT_LIST_DIR}/ZmtDGrid.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ZmtDGridAccessible.h ${CMAKE_CURRENT_LIST_DIR}/ZmtDGridAccessible.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ZmtDGridHeaderAccessible.h ${CMAKE_CURRENT_LIST_DIR}/ZmtDGridHeaderAccessible.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ConverterAccessibility.h ${CMAKE_CURRENT_LIST_DIR}/ConverterAccessibility.cpp)
