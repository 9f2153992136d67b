# Date model of the pregnancy window: typed dates, milestones, status line.
target_sources(tarvolix_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/DateText.h ${CMAKE_CURRENT_LIST_DIR}/DateText.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Milestones.h ${CMAKE_CURRENT_LIST_DIR}/Milestones.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PregnancyStatus.h ${CMAKE_CURRENT_LIST_DIR}/PregnancyStatus.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PregnancyDating.h ${CMAKE_CURRENT_LIST_DIR}/PregnancyDating.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PregnancyForm.h ${CMAKE_CURRENT_LIST_DIR}/PregnancyForm.cpp)
target_sources(tarvolix_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/DateField.h ${CMAKE_CURRENT_LIST_DIR}/DateField.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FrmDatation.h ${CMAKE_CURRENT_LIST_DIR}/FrmDatation.cpp)
