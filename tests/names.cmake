# The source tree's names: no numbered form-designer name is left, and the check catches one that is.
add_test(NAME names.tree COMMAND bash ${PROJECT_SOURCE_DIR}/tools/check_names.sh)
add_test(NAME names.catches_numbered_names
    COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/names_plant.sh ${PROJECT_SOURCE_DIR}/tools/check_names.sh)
