# Scales behind the network: the socket:// and rfc2217:// ports through Debian's ser2net, and
# scalectl on many ports at once.
add_library(ser2net_bridge STATIC ${CMAKE_CURRENT_LIST_DIR}/support/Ser2netBridge.h ${CMAKE_CURRENT_LIST_DIR}/support/Ser2netBridge.cpp)
set_target_properties(ser2net_bridge PROPERTIES AUTOMOC OFF AUTOUIC OFF)
add_library(hostile_server STATIC ${CMAKE_CURRENT_LIST_DIR}/support/HostileServer.h ${CMAKE_CURRENT_LIST_DIR}/support/HostileServer.cpp)
set_target_properties(hostile_server PROPERTIES AUTOMOC OFF AUTOUIC OFF)
target_link_libraries(hostile_server PUBLIC Threads::Threads)

scale_test(network_link_tests SOURCES network_link_test.cpp LIBS scale_link sim_harness ser2net_bridge hostile_server)
set_target_properties(network_link_tests PROPERTIES AUTOMOC OFF AUTOUIC OFF)

add_library(scalectl_process STATIC ${CMAKE_CURRENT_LIST_DIR}/support/ScalectlProcess.h ${CMAKE_CURRENT_LIST_DIR}/support/ScalectlProcess.cpp)
set_target_properties(scalectl_process PROPERTIES AUTOMOC OFF AUTOUIC OFF)

scale_test(cli_network_tests SOURCES cli_network_test.cpp LIBS sim_harness ser2net_bridge scalectl_process hostile_server)
target_compile_definitions(cli_network_tests PRIVATE SCALECTL_PATH="$<TARGET_FILE:scalectl>")
add_dependencies(cli_network_tests scalectl)
set_target_properties(cli_network_tests PROPERTIES AUTOMOC OFF AUTOUIC OFF)

scale_test(app_network_tests
    SOURCES gui_main.cpp network_app_test.cpp
    LIBS scale_ui prompt_recorder sim_harness ser2net_bridge Qt6::Test
    GUI)
set_target_properties(app_network_tests PROPERTIES AUTOUIC OFF)
