# The PLU database: cell check, record, transfers, text file, and the PLU tab.
scale_test(plu_core_test SOURCES plu_check_test.cpp plu_record_test.cpp plu_file_test.cpp LIBS scale_plu platform_support)
# The rest runs against the emulated scale on a pseudo-terminal, which Windows has not.
if(WIN32)
    return()
endif()
scale_test(plu_transfer_test
    SOURCES plu_transfer_test.cpp
    LIBS scale_cli sim_harness)

# The PLU tab's widgets, alone and against the emulated scale.
scale_test(plu_tab_test
    SOURCES gui_main.cpp plu_tab_test.cpp
    LIBS scale_ui prompt_recorder sim_harness Qt6::Test
    GUI)
set_target_properties(plu_tab_test PROPERTIES AUTOUIC OFF)
scale_comma_locale_runs(plu_tab_test)
