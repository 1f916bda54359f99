# Start-up of the program to the main window shown.
add_executable(startup_bench ${CMAKE_CURRENT_LIST_DIR}/startup_bench.cpp)
target_link_libraries(startup_bench PRIVATE scale_ui benchmark::benchmark)
