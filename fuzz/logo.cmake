scale_fuzz_target(fuzz_logo_bitmap SOURCES ${CMAKE_CURRENT_LIST_DIR}/fuzz_logo_bitmap.cpp LIBS scale_logo)
set_target_properties(fuzz_logo_bitmap PROPERTIES AUTOMOC OFF AUTOUIC OFF)
