target_sources(tarvolix_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/ColorTranslate.h ${CMAKE_CURRENT_LIST_DIR}/ColorTranslate.cpp
  ${CMAKE_CURRENT_LIST_DIR}/GdiKey.h ${CMAKE_CURRENT_LIST_DIR}/GdiKey.cpp)
