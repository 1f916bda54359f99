# The text conversions, and the output writer's cases on the platform's own calls.
if(WIN32)
    set(output_file_test windows/output_file_test.cpp)
else()
    set(output_file_test text_output_file_test.cpp)
endif()
scale_test(text_tests SOURCES text_test.cpp ${output_file_test} LIBS scale_text)
scale_comma_locale_runs(text_tests)
if(WIN32)
    # Qt for Windows is built without ICU: no converter of the code page to check the table against.
    set_property(TEST text_tests APPEND PROPERTY ENVIRONMENT GTEST_FILTER=-CodePage.MatchesIcuForEveryByte)
endif()
