# Record store with 10,000 records: list, open, save, delete.
add_executable(bench_records ${CMAKE_CURRENT_LIST_DIR}/bench_records.cpp)
target_link_libraries(bench_records PRIVATE tarvolix_ui)
