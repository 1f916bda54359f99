add_executable(logo_bench ${CMAKE_CURRENT_LIST_DIR}/logo_bench.cpp ${CMAKE_CURRENT_LIST_DIR}/gui_bench_main.cpp)
target_link_libraries(logo_bench PRIVATE scale_logo sim_harness Qt6::Widgets benchmark::benchmark)
set_target_properties(logo_bench PROPERTIES AUTOUIC OFF)
