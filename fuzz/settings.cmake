scale_fuzz_target(fuzz_settings_file SOURCES ${CMAKE_CURRENT_LIST_DIR}/fuzz_settings_file.cpp LIBS scale_settings)
