scale_test(cli_tests SOURCES cli_test.cpp LIBS sim_harness bitmap_writer Qt6::Core)
target_compile_definitions(cli_tests PRIVATE SCALECTL_PATH="$<TARGET_FILE:scalectl>")
add_dependencies(cli_tests scalectl)
set_target_properties(cli_tests PROPERTIES AUTOMOC OFF AUTOUIC OFF)
scale_comma_locale_runs(cli_tests)

# --help, --version and the bash completion of the installed programs.
add_test(NAME cli.conventions
    COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/cli_conventions.sh $<TARGET_FILE:scale-utility>
            $<TARGET_FILE:scale-sim> $<TARGET_FILE:scalectl> ${PROJECT_SOURCE_DIR}/packaging/scalectl.bash)
# The workbook scalectl writes is read back by a spreadsheet reader (Debian's Python with openpyxl).
target_compile_definitions(cli_tests PRIVATE WORKBOOK_CELLS="${CMAKE_CURRENT_SOURCE_DIR}/support/workbook_cells.py")
