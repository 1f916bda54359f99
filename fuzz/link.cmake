scale_fuzz_target(fuzz_frame_receiver SOURCES ${CMAKE_CURRENT_LIST_DIR}/fuzz_frame_receiver.cpp LIBS scale_link)
set_target_properties(fuzz_frame_receiver PROPERTIES AUTOMOC OFF AUTOUIC OFF)
scale_fuzz_target(fuzz_telnet_session SOURCES ${CMAKE_CURRENT_LIST_DIR}/fuzz_telnet_session.cpp LIBS scale_link)
set_target_properties(fuzz_telnet_session PROPERTIES AUTOMOC OFF AUTOUIC OFF)
