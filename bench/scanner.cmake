# The HTML text scanner's throughput benchmark (bench/scanner_run.sh drives it).
add_executable(scanner_bench ${CMAKE_CURRENT_LIST_DIR}/scanner_bench.cpp)
target_link_libraries(scanner_bench PRIVATE remont_core)
target_compile_options(scanner_bench PRIVATE ${REMONT_WARNINGS})
