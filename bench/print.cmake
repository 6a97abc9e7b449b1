# Printing: pagination into per-page pictures, a preview sheet's painting and
# the print to PDF, against QTextDocument::print of the same document.
if(TARGET remont_ui)
  add_executable(print_bench ${CMAKE_CURRENT_SOURCE_DIR}/print_bench.cpp)
  target_link_libraries(print_bench PRIVATE remont_ui)
  target_compile_options(print_bench PRIVATE ${REMONT_WARNINGS})
  add_dependencies(print_bench demo_archive)
endif()
