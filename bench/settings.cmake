add_executable(settings_bench ${CMAKE_CURRENT_LIST_DIR}/settings_bench.cpp)
target_link_libraries(settings_bench PRIVATE scale_settings sim_harness benchmark::benchmark)
set_target_properties(settings_bench PROPERTIES AUTOMOC OFF AUTOUIC OFF)
