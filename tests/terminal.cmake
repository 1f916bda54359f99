# The remote terminal: keypad and keyboard map, display decoding, scalectl's display and key, and
# the terminal window against the emulated scale.
scale_test(terminal_core_test
    SOURCES terminal_keypad_test.cpp terminal_display_test.cpp
    POSIX_SOURCES terminal_commands_test.cpp
    LIBS scale_terminal
    POSIX_LIBS scale_cli sim_harness)
set_target_properties(terminal_core_test PROPERTIES AUTOMOC OFF AUTOUIC OFF)
# The rest runs against the emulated scale on a pseudo-terminal, which Windows has not.
if(WIN32)
    return()
endif()

scale_test(terminal_window_test
    SOURCES gui_main.cpp terminal_window_test.cpp
    LIBS scale_ui prompt_recorder sim_harness Qt6::Test
    GUI)
set_target_properties(terminal_window_test PROPERTIES AUTOUIC OFF)
