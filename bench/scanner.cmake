# The HTML text scanner against lexbor's tokenizer (bench/scanner_run.sh drives
# it). The scanner's own sources are compiled into the benchmark at -O2, as
# lexbor is, whatever the build type. REMONT_LEXBOR names lexbor's install
# folder, which scanner_run.sh builds into the build folder from the peers.
set(REMONT_LEXBOR "" CACHE PATH "lexbor install folder for the scanner benchmark (empty: without lexbor)")
add_executable(scanner_bench ${CMAKE_CURRENT_LIST_DIR}/scanner_bench.cpp
  ${PROJECT_SOURCE_DIR}/src/shell/LegHtmlParser.cpp ${PROJECT_SOURCE_DIR}/src/common/Cp1251.cpp)
target_include_directories(scanner_bench PRIVATE ${PROJECT_SOURCE_DIR}/src)
target_compile_options(scanner_bench PRIVATE ${REMONT_WARNINGS} -O2 -g)
if(REMONT_LEXBOR)
  target_compile_definitions(scanner_bench PRIVATE REMONT_WITH_LEXBOR LEXBOR_STATIC)
  target_include_directories(scanner_bench SYSTEM PRIVATE ${REMONT_LEXBOR}/include)
  target_link_libraries(scanner_bench PRIVATE ${REMONT_LEXBOR}/lib/liblexbor_static.a)
endif()
