# The graphic logo: picture loading, conversion, dithering and packing on plain arrays; the upload
# against the emulated scale; scalectl's logo commands; the logo window.
add_library(bitmap_writer STATIC
    ${CMAKE_CURRENT_LIST_DIR}/support/BitmapWriter.h ${CMAKE_CURRENT_LIST_DIR}/support/BitmapWriter.cpp)
target_link_libraries(bitmap_writer PUBLIC Qt6::Gui)
set_target_properties(bitmap_writer PROPERTIES AUTOMOC OFF AUTOUIC OFF)

scale_test(logo_core_test
    SOURCES logo_picture_test.cpp logo_conversion_test.cpp
    LIBS scale_logo bitmap_writer)
set_target_properties(logo_core_test PROPERTIES AUTOMOC OFF AUTOUIC OFF)
# The rest runs against the emulated scale on a pseudo-terminal, which Windows has not.
if(WIN32)
    return()
endif()

scale_test(logo_upload_test
    SOURCES logo_upload_test.cpp logo_cli_test.cpp
    LIBS scale_cli sim_harness bitmap_writer)
set_target_properties(logo_upload_test PROPERTIES AUTOMOC OFF AUTOUIC OFF)

scale_test(logo_window_test
    SOURCES gui_main.cpp logo_window_test.cpp
    LIBS scale_ui prompt_recorder sim_harness bitmap_writer Qt6::Test
    GUI)
set_target_properties(logo_window_test PROPERTIES AUTOUIC OFF)
