# The sales archive: storing an entry, listing ten years of closes, the HISTORY window over them.
add_executable(archive_bench ${CMAKE_CURRENT_LIST_DIR}/archive_bench.cpp ${CMAKE_CURRENT_LIST_DIR}/gui_bench_main.cpp)
target_link_libraries(archive_bench PRIVATE scale_ui benchmark::benchmark)
# history is measured as the program a user runs.
target_compile_definitions(archive_bench PRIVATE SCALECTL_PATH="$<TARGET_FILE:scalectl>")
add_dependencies(archive_bench scalectl)
