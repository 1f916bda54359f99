# Reports: the report memory blocks, the report text and file, the Z close, over the emulated scale;
# the REPORTS tab and CloseZDialog as widgets; scalectl report.
scale_test(reports_core_test
    SOURCES reports_history_test.cpp reports_text_test.cpp
    POSIX_SOURCES reports_blocks_test.cpp reports_sequence_test.cpp reports_cli_test.cpp
    LIBS scale_reports platform_support
    POSIX_LIBS scale_cli sim_harness
    POSTGRES)
set_target_properties(reports_core_test PROPERTIES AUTOMOC OFF AUTOUIC OFF)
# A server of its own for the test that stops one.
target_compile_definitions(reports_core_test PRIVATE PG_TEST_SCRIPT="${PROJECT_SOURCE_DIR}/tools/pg-test-server.sh")
# The workbook is read back by a spreadsheet reader (Debian's Python with openpyxl).
target_compile_definitions(reports_core_test PRIVATE WORKBOOK_CELLS="${CMAKE_CURRENT_SOURCE_DIR}/support/workbook_cells.py")
# The rest runs against the emulated scale on a pseudo-terminal, which Windows has not; the
# workbook's cases read it back with Linux's unzip and Python, on comma desktops named as Linux's C
# library names its locales.
if(WIN32)
    set_property(TEST reports_core_test APPEND PROPERTY ENVIRONMENT GTEST_FILTER=-HistoryWorkbook.*)
    return()
endif()

scale_test(reports_tab_test
    SOURCES gui_main.cpp reports_tab_test.cpp
    LIBS scale_ui prompt_recorder sim_harness Qt6::Test
    GUI)
set_target_properties(reports_tab_test PROPERTIES AUTOUIC OFF)
# The HISTORY window beside another program's listing of the same archive.
target_compile_definitions(reports_tab_test PRIVATE SCALECTL_PATH="$<TARGET_FILE:scalectl>")
add_dependencies(reports_tab_test scalectl)
