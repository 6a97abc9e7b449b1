# The full-text search against grep (bench/search_run.sh drives it).
add_executable(search_bench ${CMAKE_CURRENT_LIST_DIR}/search_bench.cpp)
target_link_libraries(search_bench PRIVATE remont_core)
target_compile_options(search_bench PRIVATE ${REMONT_WARNINGS})
