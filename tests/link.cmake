if(NOT WIN32)
    add_library(pty_peer STATIC ${CMAKE_CURRENT_LIST_DIR}/support/PtyPeer.h ${CMAKE_CURRENT_LIST_DIR}/support/PtyPeer.cpp)
    target_link_libraries(pty_peer PUBLIC scale_link)
    set_target_properties(pty_peer PROPERTIES AUTOMOC OFF AUTOUIC OFF)
endif()

scale_test(link_tests
    SOURCES link_buffer_test.cpp link_receiver_test.cpp
    POSIX_SOURCES link_exchange_test.cpp link_sim_test.cpp
    LIBS scale_link
    POSIX_LIBS pty_peer sim_harness)
set_target_properties(link_tests PROPERTIES AUTOMOC OFF AUTOUIC OFF)
