# The translations: lupdate run on today's sources into copies of the .ts files finds every text of
# the window translated into every language, every count with its plural forms and every glossary
# term as its language's glossary says; and the check catches each kind of gap when planted.
list(TRANSFORM scale_translated_folders PREPEND ${PROJECT_SOURCE_DIR}/ OUTPUT_VARIABLE translated_folders)
list(JOIN scale_languages "," translated_languages)
add_test(NAME translations.complete
    COMMAND python3 ${PROJECT_SOURCE_DIR}/tools/check_translations.py --lupdate $<TARGET_FILE:Qt6::lupdate>
            --ts-dir ${PROJECT_SOURCE_DIR}/translations --languages ${translated_languages}
            --glossary-dir ${PROJECT_SOURCE_DIR}/translations
            -I ${PROJECT_SOURCE_DIR} ${translated_folders})
add_test(NAME translations.catches_gaps
    COMMAND python3 ${CMAKE_CURRENT_LIST_DIR}/translations_plant.py $<TARGET_FILE:Qt6::lupdate>
            ${PROJECT_SOURCE_DIR}/tools/check_translations.py)
