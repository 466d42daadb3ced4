# The test suites in the browser's build: the engine's suite under Node (emscripten builds it
# for Node as for the browser), and the whole program in Debian's Chromium, as a player sees it
# (web_test.js), on phones (phone_test.js) and as a screen reader reads it
# (accessibility_test.js), and in German and French (language_test.js). The
# windows' QtTest suites need Qt's Test module, which the web Qt leaves out.
find_program(NODE node REQUIRED)
# Emscripten 3.1.6 would fetch its .wasm with Node's fetch, which takes no file path: Node
# reads it from the disk without.
set(CMAKE_CROSSCOMPILING_EMULATOR ${NODE} --no-experimental-fetch)

# GoogleTest from Debian's source, without threads.
set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
include(${CMAKE_CURRENT_LIST_DIR}/../googletest_from_source.cmake)

function(add_platform_tests)
    # The site as `cmake --install` lays it out (./build.sh web installs it before the tests);
    # puppeteer-core comes from the folder where build.sh installed tests/web/package.json.
    add_test(NAME web_test
        COMMAND ${NODE} ${PROJECT_SOURCE_DIR}/tests/web/web_test.js ${DICEWRIGHT_WEB_SITE}
            ${CMAKE_CURRENT_BINARY_DIR}/web_test)
    set_tests_properties(web_test PROPERTIES TIMEOUT 600 RUN_SERIAL TRUE
        ENVIRONMENT "NODE_PATH=${DICEWRIGHT_WEB_NODE_MODULES}")

    # The same site on phones: touch layouts, the menu by a held finger, installed and offline.
    add_test(NAME web_phone_test
        COMMAND ${NODE} ${PROJECT_SOURCE_DIR}/tests/web/phone_test.js ${DICEWRIGHT_WEB_SITE}
            ${CMAKE_CURRENT_BINARY_DIR}/web_phone_test)
    set_tests_properties(web_phone_test PROPERTIES TIMEOUT 900 RUN_SERIAL TRUE
        ENVIRONMENT "NODE_PATH=${DICEWRIGHT_WEB_NODE_MODULES}")

    # The same site through Chromium's accessibility tree, as a screen reader meets it.
    add_test(NAME web_accessibility_test
        COMMAND ${NODE} ${PROJECT_SOURCE_DIR}/tests/web/accessibility_test.js ${DICEWRIGHT_WEB_SITE}
            ${CMAKE_CURRENT_BINARY_DIR}/web_accessibility_test)
    set_tests_properties(web_accessibility_test PROPERTIES TIMEOUT 600 RUN_SERIAL TRUE
        ENVIRONMENT "NODE_PATH=${DICEWRIGHT_WEB_NODE_MODULES}")

    # The same site in a German and a French browser.
    add_test(NAME web_language_test
        COMMAND ${NODE} ${PROJECT_SOURCE_DIR}/tests/web/language_test.js ${DICEWRIGHT_WEB_SITE}
            ${CMAKE_CURRENT_BINARY_DIR}/web_language_test)
    set_tests_properties(web_language_test PROPERTIES TIMEOUT 600 RUN_SERIAL TRUE
        ENVIRONMENT "NODE_PATH=${DICEWRIGHT_WEB_NODE_MODULES}")
endfunction()
