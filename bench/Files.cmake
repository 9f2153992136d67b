# Tape files and printing.
add_executable(bench_files bench_files.cpp)
target_link_libraries(bench_files PRIVATE tarvolix_core)
add_executable(bench_print bench_print.cpp)
target_link_libraries(bench_print PRIVATE tarvolix_ui)
