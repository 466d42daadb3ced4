# The test suites on Windows, cross-built here and run under Wine (wine_run.sh, ctest's
# emulator): every program start costs seconds there, so each suite is one ctest entry.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/wine_run.sh)

# GoogleTest from Debian's source, with the C runtime that Qt links.
set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
include(${CMAKE_CURRENT_LIST_DIR}/../googletest_from_source.cmake)

function(add_offscreen_test name)
    # A static Qt links only the Windows platform by itself, and Wine does not pass QT_*
    # variables on to Windows programs: the platform goes on the command line.
    qt_import_plugins(${name} INCLUDE Qt6::QOffscreenIntegrationPlugin)
    # Qt's offscreen platform on Windows finds no system fonts: Liberation Sans stands in for
    # Arial.
    set(liberation ${DICEWRIGHT_LIBERATION_DIR})
    set(fonts "${liberation}/LiberationSans-Regular.ttf|${liberation}/LiberationSans-Bold.ttf")
    target_compile_definitions(${name} PRIVATE "DICEWRIGHT_TEST_SYSTEM_FONTS=\"${fonts}\"")
    # QtTest keeps its log off a redirected stdout there: it goes to a file that the Wine
    # runner prints afterwards.
    add_test(NAME ${name} COMMAND ${name} -platform offscreen -o ${name}.log,txt)
    set_tests_properties(${name} PROPERTIES ENVIRONMENT "WINE_RUN_PRINT=${name}.log")
endfunction()

# The resource read back out of the built Dicewright.exe.
set(DICEWRIGHT_RES_FILE ${CMAKE_CURRENT_BINARY_DIR}/dicewright.res)
add_custom_command(OUTPUT ${DICEWRIGHT_RES_FILE}
    COMMAND ${CMAKE_RC_COMPILER} -J coff -i $<TARGET_FILE:dicewright> -O res -o ${DICEWRIGHT_RES_FILE}
    DEPENDS dicewright
    COMMENT "Reading the resources back from Dicewright.exe")
add_custom_target(windows_resource DEPENDS ${DICEWRIGHT_RES_FILE})

function(add_platform_tests)
    # The packages that cpack makes in the build folder (./build.sh windows makes them before
    # it runs the tests), checked as a Windows user would meet them.
    set(here ${PROJECT_SOURCE_DIR}/tests/windows)
    set(installer ${CMAKE_BINARY_DIR}/${DICEWRIGHT_WINDOWS_PACKAGE}.exe)
    set(zip ${CMAKE_BINARY_DIR}/${DICEWRIGHT_WINDOWS_PACKAGE}.zip)
    add_test(NAME windows_contents_test
        COMMAND ${here}/contents_test.sh
            ${PROJECT_SOURCE_DIR}/packaging/windows/contents.txt ${zip} $<TARGET_FILE:dicewright>)

    # Screenshots of both windows, from the installed and the portable program, stay in
    # windows/windows_program_test/shots in the tests' build folder.
    add_test(NAME windows_program_test
        COMMAND ${here}/program_test.sh ${installer} ${zip}
            ${CMAKE_CURRENT_BINARY_DIR}/windows/windows_program_test ${PROJECT_VERSION})
    set_tests_properties(windows_program_test PROPERTIES TIMEOUT 900 RUN_SERIAL TRUE)

    # The installer beside other programs' files, with a stand-in that records being run.
    add_executable(stand_in ${here}/stand_in.cpp)
    add_test(NAME windows_installer_test
        COMMAND ${here}/installer_test.sh ${installer} $<TARGET_FILE:stand_in>
            ${CMAKE_CURRENT_BINARY_DIR}/windows/windows_installer_test)
    set_tests_properties(windows_installer_test PROPERTIES TIMEOUT 900 RUN_SERIAL TRUE)
endfunction()
