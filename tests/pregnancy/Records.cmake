# Tests of the pregnancy records: store, "&Fiche" commands, file location, list window.
tarvolix_test(test_pregnancy_record_store SOURCES test_pregnancy_record_store.cpp)
# A record file written before practice passwords and look-alike identifiers.
target_compile_definitions(test_pregnancy_record_store PRIVATE
  RECORD_TEST_DATA="${CMAKE_CURRENT_SOURCE_DIR}/data")
tarvolix_test(test_fiche_commands SOURCES test_fiche_commands.cpp FakeFicheView.h)
tarvolix_test(test_record_file_location SOURCES test_record_file_location.cpp)
tarvolix_test(test_frm_fiches SOURCES test_frm_fiches.cpp FakeFicheView.h UI)
tarvolix_test(test_frm_gros_fiches SOURCES test_frm_gros_fiches.cpp UI)
