# Page view and contents tree: LoadPage of a 20 KB page with 20 pictures and
# LoadTree of a 10,000-node file, against remont-tool reading the same bytes.
if(TARGET remont_ui)
  add_executable(pages_bench ${CMAKE_CURRENT_SOURCE_DIR}/pages_bench.cpp)
  target_link_libraries(pages_bench PRIVATE remont_ui)
  target_compile_options(pages_bench PRIVATE ${REMONT_WARNINGS})
  target_compile_definitions(pages_bench PRIVATE REMONT_TOOL_PATH="$<TARGET_FILE:remont-tool>")
  add_dependencies(pages_bench remont-tool)
endif()
