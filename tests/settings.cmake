# The scale settings: record, file and clock on their own; the transfers and the tool against the
# emulated scale; and the SETTINGS tab.
scale_test(settings_core_test
    SOURCES settings_record_test.cpp settings_file_test.cpp settings_clock_test.cpp
    LIBS scale_settings platform_support)
set_target_properties(settings_core_test PROPERTIES AUTOMOC OFF AUTOUIC OFF)
# The rest runs against the emulated scale on a pseudo-terminal, which Windows has not.
if(WIN32)
    return()
endif()

scale_test(settings_transfer_test
    SOURCES settings_transfer_test.cpp
    LIBS scale_cli sim_harness)
set_target_properties(settings_transfer_test PROPERTIES AUTOMOC OFF AUTOUIC OFF)

scale_test(settings_tab_test
    SOURCES gui_main.cpp settings_tab_test.cpp
    LIBS scale_ui prompt_recorder sim_harness Qt6::Test
    GUI)
set_target_properties(settings_tab_test PROPERTIES AUTOUIC OFF)
scale_comma_locale_runs(settings_tab_test)
