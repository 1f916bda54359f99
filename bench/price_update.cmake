add_executable(price_update_bench ${CMAKE_CURRENT_LIST_DIR}/price_update_bench.cpp)
target_link_libraries(price_update_bench PRIVATE scale_cli sim_harness benchmark::benchmark)
set_target_properties(price_update_bench PROPERTIES AUTOUIC OFF AUTOMOC OFF)
