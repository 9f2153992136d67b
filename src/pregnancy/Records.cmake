# Pregnancy records: the encrypted record file, its store, the "&Fiche" commands and
# the record list window.
find_package(PkgConfig REQUIRED)
# GLOBAL: the libraries that link it are defined in the top directory.
pkg_check_modules(SQLCIPHER REQUIRED IMPORTED_TARGET GLOBAL sqlcipher)
target_link_libraries(tarvolix_core PUBLIC PkgConfig::SQLCIPHER)
# The key derivation and the random salts come from libcrypto, which SQLCipher
# itself is built on.
find_package(OpenSSL 3 REQUIRED COMPONENTS Crypto)
set_target_properties(OpenSSL::Crypto PROPERTIES IMPORTED_GLOBAL TRUE)
target_link_libraries(tarvolix_core PUBLIC OpenSSL::Crypto)

target_sources(tarvolix_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/SqlCipherDatabase.h ${CMAKE_CURRENT_LIST_DIR}/SqlCipherDatabase.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SqlCipherStatement.h ${CMAKE_CURRENT_LIST_DIR}/SqlCipherStatement.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SqlCipherTransaction.h ${CMAKE_CURRENT_LIST_DIR}/SqlCipherTransaction.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SqlCipherKey.h ${CMAKE_CURRENT_LIST_DIR}/SqlCipherKey.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PregnancyRecord.h
  ${CMAKE_CURRENT_LIST_DIR}/FicheIdentifier.h ${CMAKE_CURRENT_LIST_DIR}/FicheIdentifier.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PregnancyRecordStore.h ${CMAKE_CURRENT_LIST_DIR}/PregnancyRecordStore.cpp
  ${CMAKE_CURRENT_LIST_DIR}/RecordFileLocation.h ${CMAKE_CURRENT_LIST_DIR}/RecordFileLocation.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FicheView.h ${CMAKE_CURRENT_LIST_DIR}/FichePicker.h
  ${CMAKE_CURRENT_LIST_DIR}/FicheCommands.h ${CMAKE_CURRENT_LIST_DIR}/FicheCommands.cpp)
target_sources(tarvolix_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/FrmFiches.h ${CMAKE_CURRENT_LIST_DIR}/FrmFiches.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FichesPicker.h ${CMAKE_CURRENT_LIST_DIR}/FichesPicker.cpp)

# The empty record file is made by the program's own code and ships beside the
# executable; at run time the program only opens it.
add_executable(tarvolix_make_fiches ${PROJECT_SOURCE_DIR}/tools/make_fiches_file.cpp)
target_link_libraries(tarvolix_make_fiches PRIVATE tarvolix_core)
if(CMAKE_RUNTIME_OUTPUT_DIRECTORY)
  set(TARVOLIX_FICHES_FILE ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/Fiches.gro)
else()
  set(TARVOLIX_FICHES_FILE ${PROJECT_BINARY_DIR}/Fiches.gro)
endif()
add_custom_command(OUTPUT ${TARVOLIX_FICHES_FILE}
  COMMAND tarvolix_make_fiches ${TARVOLIX_FICHES_FILE}
  DEPENDS tarvolix_make_fiches
  COMMENT "Empty record file Fiches.gro"
  VERBATIM)
add_custom_target(tarvolix_fiches_file ALL DEPENDS ${TARVOLIX_FICHES_FILE})
add_dependencies(tarvolix_ui tarvolix_fiches_file)

# An installation gets a fresh empty file (never the build tree's, which may hold
# records); an existing file at the destination is kept.
include(GNUInstallDirs)
install(CODE "
  set(fiches \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/Fiches.gro\")
  get_filename_component(fiches_dir \"\${fiches}\" DIRECTORY)
  file(MAKE_DIRECTORY \"\${fiches_dir}\")
  execute_process(COMMAND \"$<TARGET_FILE:tarvolix_make_fiches>\" \"\${fiches}\" COMMAND_ERROR_IS_FATAL ANY)
  # Under /usr the program never writes this file: every user copies it, empty, to
  # a file of their own. Elsewhere it is the record file itself, for its owner only.
  if(\"\${CMAKE_INSTALL_PREFIX}\" MATCHES \"^/usr(/|\$)\")
    file(CHMOD \"\${fiches}\" PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
  endif()")
