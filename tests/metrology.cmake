# Metrology set-up: the weighing parameters and presets, and the SYSTEM tab.
scale_test(metrology_core_test SOURCES metrology_parameters_test.cpp LIBS scale_metrology)
# The rest runs against the emulated scale on a pseudo-terminal, which Windows has not.
if(WIN32)
    return()
endif()

# The SYSTEM tab's widgets, alone and against the emulated scale.
scale_test(metrology_tab_test
    SOURCES gui_main.cpp metrology_tab_test.cpp
    LIBS scale_ui prompt_recorder sim_harness Qt6::Test
    GUI)
set_target_properties(metrology_tab_test PROPERTIES AUTOUIC OFF)

# scalectl's calibration commands against the emulated scale.
scale_test(metrology_command_test SOURCES metrology_command_test.cpp LIBS scale_cli sim_harness)
set_target_properties(metrology_command_test PROPERTIES AUTOMOC OFF AUTOUIC OFF)
scale_comma_locale_runs(metrology_tab_test)
