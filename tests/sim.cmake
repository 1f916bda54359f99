# The emulated scale, and the harness other tests use to run it.
add_library(sim_harness STATIC ${CMAKE_CURRENT_LIST_DIR}/support/SimHarness.h ${CMAKE_CURRENT_LIST_DIR}/support/SimHarness.cpp)
target_link_libraries(sim_harness PUBLIC scale_sim scale_link GTest::gtest)
set_target_properties(sim_harness PROPERTIES AUTOMOC OFF AUTOUIC OFF)

scale_test(sim_tests
    SOURCES sim_framing_test.cpp sim_faults_test.cpp sim_state_test.cpp
    LIBS sim_harness pty_peer)
set_target_properties(sim_tests PROPERTIES AUTOMOC OFF AUTOUIC OFF)

scale_test(sim_program_tests
    SOURCES sim_program_test.cpp
    LIBS sim_harness pty_peer)
target_compile_definitions(sim_program_tests PRIVATE SCALE_SIM_PROGRAM="$<TARGET_FILE:scale-sim>")
add_dependencies(sim_program_tests scale-sim)
set_target_properties(sim_program_tests PROPERTIES AUTOMOC OFF AUTOUIC OFF)
