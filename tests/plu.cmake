# The PLU database: cell check, record, transfers, text file, and the PLU tab.
scale_test(plu_core_test SOURCES plu_check_test.cpp plu_record_test.cpp plu_file_test.cpp LIBS scale_plu)
scale_test(plu_transfer_test
    SOURCES plu_transfer_test.cpp ${PROJECT_SOURCE_DIR}/cli/PluCommands.cpp
    LIBS scale_plu sim_harness)
