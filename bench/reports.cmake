add_executable(reports_bench ${CMAKE_CURRENT_LIST_DIR}/reports_bench.cpp)
target_link_libraries(reports_bench PRIVATE scale_reports sim_harness benchmark::benchmark)
set_target_properties(reports_bench PROPERTIES AUTOMOC OFF AUTOUIC OFF)
