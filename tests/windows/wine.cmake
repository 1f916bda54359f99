# The Windows build's tests under Wine, run by ctest in the build folder: GoogleTest built from its
# sources with the same toolchain, each test program started through Wine (the cross-compiling
# emulator), all of them in one Wine prefix made for the run in the build folder and served by one
# Wine server kept up for the whole run (the wine_prefix fixture), so a program pays only its own start.
set(SCALE_GTEST_SOURCE /usr/src/googletest/googletest CACHE PATH "GoogleTest sources")
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(${SCALE_GTEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

find_program(SCALE_WINE wine REQUIRED)
set(CMAKE_CROSSCOMPILING_EMULATOR ${SCALE_WINE})

# Where Wine finds the DLLs the programs load: Qt's and the other cross-built libraries' (beside
# Qt6Core.dll), and the compiler's C++ and thread runtime, asked of the compiler itself.
set(wine_path "")
foreach(runtime libstdc++-6.dll libwinpthread-1.dll)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${runtime}
        OUTPUT_VARIABLE runtime_file OUTPUT_STRIP_TRAILING_WHITESPACE)
    get_filename_component(runtime_folder ${runtime_file} DIRECTORY)
    get_filename_component(runtime_folder ${runtime_folder} REALPATH)
    list(APPEND wine_path ${runtime_folder})
endforeach()
set(wine_prefix ${CMAKE_BINARY_DIR}/wineprefix)
add_test(NAME wine_prefix_start COMMAND bash ${PROJECT_SOURCE_DIR}/tools/wine-prefix.sh start ${wine_prefix})
add_test(NAME wine_prefix_stop COMMAND bash ${PROJECT_SOURCE_DIR}/tools/wine-prefix.sh stop ${wine_prefix})
set_tests_properties(wine_prefix_start PROPERTIES FIXTURES_SETUP wine_prefix TIMEOUT 300)
set_tests_properties(wine_prefix_stop PROPERTIES FIXTURES_CLEANUP wine_prefix)

# Every test program that ctest runs under Wine: what tools/windows-test.sh builds.
add_custom_target(wine_unit_tests)

# scale_wine_test(NAME): the test program as one ctest entry, its cases printed only when they fail
# (cases left out on Windows go in its GTEST_FILTER).
# One entry per program rather than per case: every Wine start costs a second or so, which a few
# hundred cases would multiply, and listing the cases at build time would start Wine for each program.
# Qt has no offscreen platform here: the programs that make a QApplication get the minimal one.
function(scale_wine_test name)
    set(folders ${wine_path})
    if(TARGET Qt6::Core)
        list(PREPEND folders $<TARGET_FILE_DIR:Qt6::Core>)
    endif()
    list(JOIN folders "\\;" winepath)
    add_dependencies(wine_unit_tests ${name})
    add_test(NAME ${name} COMMAND ${name} --gtest_brief=1)
    set_tests_properties(${name} PROPERTIES TIMEOUT 300 FIXTURES_REQUIRED wine_prefix
        ENVIRONMENT "WINEPREFIX=${wine_prefix};WINEPATH=${winepath};WINEDEBUG=-all;WINEDLLOVERRIDES=mscoree,mshtml=;QT_QPA_PLATFORM=minimal")
endfunction()
