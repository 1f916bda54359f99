# The line monitor's cost during a paced transfer.
add_executable(service_bench ${CMAKE_CURRENT_LIST_DIR}/service_bench.cpp ${CMAKE_CURRENT_LIST_DIR}/gui_bench_main.cpp)
target_link_libraries(service_bench PRIVATE scale_plu scale_ui sim_harness benchmark::benchmark)
set_target_properties(service_bench PROPERTIES AUTOUIC OFF)
