# The test suites on Linux: Debian's GoogleTest, each test case its own ctest entry, window
# tests on the offscreen platform, and the whole program on X and through AT-SPI. (The Debian
# package is checked where it is made: `./build.sh reproducible`.)
find_package(GTest REQUIRED)

function(add_gtest_suite target)
    gtest_discover_tests(${target} DISCOVERY_TIMEOUT 60)
endfunction()

function(add_offscreen_test name)
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endfunction()

# The Windows resource compiled from its script with the MinGW resource compiler.
find_program(WINDRES i686-w64-mingw32-windres REQUIRED)
set(DICEWRIGHT_RES_FILE ${CMAKE_CURRENT_BINARY_DIR}/dicewright.res)
add_custom_command(OUTPUT ${DICEWRIGHT_RES_FILE}
    COMMAND ${WINDRES} -i ${DICEWRIGHT_RC} -O res -o ${DICEWRIGHT_RES_FILE}
    DEPENDS ${DICEWRIGHT_RC} ${PROJECT_SOURCE_DIR}/assets/dicewright.ico
    COMMENT "Compiling the Windows resource")
add_custom_target(windows_resource DEPENDS ${DICEWRIGHT_RES_FILE})

set(DICEWRIGHT_LINUX_TESTS_DIR ${CMAKE_CURRENT_LIST_DIR})
function(add_platform_tests)
    set(here ${DICEWRIGHT_LINUX_TESTS_DIR})
    # The catalogues against the texts lupdate finds in the sources now.
    set(fresh ${CMAKE_CURRENT_BINARY_DIR}/source_texts.ts)
    add_custom_command(OUTPUT ${fresh}
        COMMAND Qt6::lupdate -silent -locations none -I ${PROJECT_SOURCE_DIR}/ui
            ${DICEWRIGHT_TEXT_SOURCES} -ts ${fresh}
        DEPENDS ${DICEWRIGHT_TEXT_SOURCES}
        COMMENT "Reading the texts of the sources")
    string(REPLACE ";" " " languages "${DICEWRIGHT_LANGUAGES}")
    add_executable(translations_test ${PROJECT_SOURCE_DIR}/tests/translations_test.cpp ${fresh})
    target_compile_definitions(translations_test PRIVATE
        DICEWRIGHT_SOURCE_TEXTS="${fresh}"
        DICEWRIGHT_TRANSLATIONS_DIR="${PROJECT_SOURCE_DIR}/translations"
        DICEWRIGHT_LANGUAGES="${languages}")
    target_link_libraries(translations_test PRIVATE dicewright_engine Qt6::Core GTest::gtest_main)
    add_gtest_suite(translations_test)

    # The cache of long builds, with stand-ins for the tools a Qt build runs.
    add_test(NAME cache_test
        COMMAND ${here}/cache_test.sh ${CMAKE_CURRENT_BINARY_DIR}/linux/cache_test)

    # Whole-process tests: the real program on its own X screen (Xvfb), driven by real X input
    # (process_test) or through Qt's AT-SPI bridge as a screen reader would (accessibility_test).
    foreach(name process_test accessibility_test)
        add_test(NAME ${name}
            COMMAND ${here}/${name}.sh $<TARGET_FILE:dicewright>)
        set_tests_properties(${name} PROPERTIES TIMEOUT 300 RUN_SERIAL TRUE)
        if(DICEWRIGHT_SANITIZE)
            # On a real X session LeakSanitizer's tracer crashes among the xcb and D-Bus threads,
            # and what it finds there belongs to those libraries. The program's own leaks are
            # checked by the offscreen window tests; here AddressSanitizer and UBSan still stop
            # at the first error.
            set_tests_properties(${name} PROPERTIES
                ENVIRONMENT "ASAN_OPTIONS=detect_leaks=0:halt_on_error=1:abort_on_error=1")
        endif()
    endforeach()
endfunction()

# What the desktop program makes of a table of seeded rolls, in every language: the web
# edition's browser test checks that the page gives the same (./build.sh web builds it).
add_executable(parity_table_writer EXCLUDE_FROM_ALL ${PROJECT_SOURCE_DIR}/tests/parity_table_writer.cpp)
target_link_libraries(parity_table_writer PRIVATE dicewright_ui)
add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/tests/web_parity_table.json
    COMMAND parity_table_writer ${CMAKE_BINARY_DIR}/tests/web_parity_table.json
    DEPENDS parity_table_writer)
add_custom_target(web_parity_table DEPENDS ${CMAKE_BINARY_DIR}/tests/web_parity_table.json)
