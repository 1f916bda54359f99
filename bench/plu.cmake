add_executable(plu_bench ${CMAKE_CURRENT_LIST_DIR}/plu_bench.cpp ${CMAKE_CURRENT_LIST_DIR}/gui_bench_main.cpp)
target_link_libraries(plu_bench PRIVATE scale_plu scale_ui sim_harness benchmark::benchmark)
set_target_properties(plu_bench PROPERTIES AUTOUIC OFF)
