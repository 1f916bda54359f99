scale_test(cli_tests SOURCES cli_test.cpp LIBS sim_harness Qt6::Core)
target_compile_definitions(cli_tests PRIVATE SCALECTL_PATH="$<TARGET_FILE:scalectl>")
add_dependencies(cli_tests scalectl)
set_target_properties(cli_tests PROPERTIES AUTOMOC OFF AUTOUIC OFF)
