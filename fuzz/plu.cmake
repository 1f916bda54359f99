scale_fuzz_target(fuzz_plu_file SOURCES ${CMAKE_CURRENT_LIST_DIR}/fuzz_plu_file.cpp LIBS scale_plu)
