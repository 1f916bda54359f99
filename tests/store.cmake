scale_test(store_tests SOURCES store_database_test.cpp POSIX_SOURCES store_posix_test.cpp LIBS scale_store GUI POSTGRES)
# The archive's readers are run as another user: scalectl as the program that lists.
if(NOT WIN32)
    target_compile_definitions(store_tests PRIVATE SCALECTL_PATH="$<TARGET_FILE:scalectl>")
    add_dependencies(store_tests scalectl)
endif()
