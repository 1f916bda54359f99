scale_test(text_tests SOURCES text_test.cpp LIBS scale_text)
