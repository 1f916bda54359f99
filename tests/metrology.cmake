# Metrology set-up: the weighing parameters and presets, and the SYSTEM tab.
scale_test(metrology_core_test SOURCES metrology_parameters_test.cpp LIBS scale_metrology)

# The SYSTEM tab's widgets, alone and against the emulated scale.
scale_test(metrology_tab_test
    SOURCES gui_main.cpp metrology_tab_test.cpp
    LIBS scale_ui prompt_recorder sim_harness Qt6::Test
    GUI)
set_target_properties(metrology_tab_test PROPERTIES AUTOUIC OFF)
