scale_fuzz_target(fuzz_winstate SOURCES ${CMAKE_CURRENT_LIST_DIR}/fuzz_winstate.cpp LIBS scale_ui)
set_target_properties(fuzz_winstate PROPERTIES AUTOUIC OFF)
