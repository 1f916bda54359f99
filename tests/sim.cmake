# The emulated scale, and the harness other tests use to run it.
add_library(sim_harness STATIC ${CMAKE_CURRENT_LIST_DIR}/support/SimHarness.h ${CMAKE_CURRENT_LIST_DIR}/support/SimHarness.cpp)
target_link_libraries(sim_harness PUBLIC scale_sim scale_link GTest::gtest)
set_target_properties(sim_harness PROPERTIES AUTOMOC OFF AUTOUIC OFF)

scale_test(sim_tests
    SOURCES sim_framing_test.cpp sim_faults_test.cpp
    LIBS sim_harness pty_peer)
set_target_properties(sim_tests PROPERTIES AUTOMOC OFF AUTOUIC OFF)
