scale_test(text_tests SOURCES text_test.cpp LIBS scale_text)
scale_comma_locale_runs(text_tests)
