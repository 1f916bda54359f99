# The source tree's layering: every include runs downwards, and the check catches one that does not.
add_test(NAME layering.tree COMMAND bash ${PROJECT_SOURCE_DIR}/tools/check_layers.sh)
add_test(NAME layering.catches_upward_includes
    COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/layering_plant.sh ${PROJECT_SOURCE_DIR}/tools/check_layers.sh)
