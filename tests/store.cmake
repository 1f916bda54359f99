scale_test(store_tests SOURCES store_database_test.cpp LIBS scale_store GUI POSTGRES)
