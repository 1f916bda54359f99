# The application shell: main window, progress dialog, help window, spin fields, combo boxes.
# Under Wine without a display a QApplication never starts (no window driver): not on Windows.
if(WIN32)
    return()
endif()
add_library(prompt_recorder STATIC
    ${CMAKE_CURRENT_LIST_DIR}/support/PromptRecorder.h ${CMAKE_CURRENT_LIST_DIR}/support/PromptRecorder.cpp)
target_link_libraries(prompt_recorder PUBLIC scale_ui)

scale_test(app_tests
    SOURCES gui_main.cpp app_controls_test.cpp app_progress_test.cpp app_main_window_test.cpp app_window_placement_test.cpp
    LIBS scale_ui prompt_recorder Qt6::Test
    GUI)
set_target_properties(app_tests PROPERTIES AUTOUIC OFF)

# The same windows against the emulated scale over a pty, and in the desktop's language.
scale_test(app_connect_tests
    SOURCES gui_main.cpp app_connect_test.cpp app_translation_test.cpp
    LIBS scale_ui prompt_recorder sim_harness Qt6::Test
    GUI)
set_target_properties(app_connect_tests PROPERTIES AUTOUIC OFF)

# The window-state file: its core over widgets built by the test, and the main window's start and close.
scale_test(app_window_state_tests
    SOURCES gui_main.cpp app_window_state_test.cpp app_window_state_main_test.cpp
    LIBS scale_ui prompt_recorder platform_support Qt6::Test
    GUI)
set_target_properties(app_window_state_tests PROPERTIES AUTOUIC OFF)
