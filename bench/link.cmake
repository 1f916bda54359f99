add_executable(link_bench ${CMAKE_CURRENT_LIST_DIR}/link_bench.cpp)
target_link_libraries(link_bench PRIVATE scale_link scale_sim benchmark::benchmark)
set_target_properties(link_bench PROPERTIES AUTOMOC OFF AUTOUIC OFF)
