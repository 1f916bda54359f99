# The Ansible collection under ansible-playbook over ten local shop PCs with emulated scales.
add_test(NAME ansible.collection
    COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/ansible/run.sh $<TARGET_FILE_DIR:scalectl> ${PROJECT_SOURCE_DIR})
set_tests_properties(ansible.collection PROPERTIES TIMEOUT 900)
