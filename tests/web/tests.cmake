# The test suites in the browser's build: the engine's suite under Node (emscripten builds it
# for Node as for the browser), and the whole program in Debian's Chromium (web_test.js). The
# windows' QtTest suites need Qt's Test module, which the web Qt leaves out.
find_program(NODE node REQUIRED)
# Emscripten 3.1.6 would fetch its .wasm with Node's fetch, which takes no file path: Node
# reads it from the disk without.
set(CMAKE_CROSSCOMPILING_EMULATOR ${NODE} --no-experimental-fetch)

# No GoogleTest is packaged for emscripten: build Debian's source of it, without threads.
set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_CURRENT_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

function(add_gtest_suite target)
    add_test(NAME ${target} COMMAND ${target})
    set_tests_properties(${target} PROPERTIES TIMEOUT 900)
endfunction()

function(add_platform_tests)
    # The site as `cmake --install` lays it out (./build.sh web installs it before the tests);
    # puppeteer-core comes from the folder where build.sh installed tests/web/package.json.
    add_test(NAME web_test
        COMMAND ${NODE} ${PROJECT_SOURCE_DIR}/tests/web/web_test.js ${DICEWRIGHT_WEB_SITE}
            ${CMAKE_CURRENT_BINARY_DIR}/web_test)
    set_tests_properties(web_test PROPERTIES TIMEOUT 600 RUN_SERIAL TRUE
        ENVIRONMENT "NODE_PATH=${DICEWRIGHT_WEB_NODE_MODULES}")

    # The same site through Chromium's accessibility tree, as a screen reader meets it.
    add_test(NAME web_accessibility_test
        COMMAND ${NODE} ${PROJECT_SOURCE_DIR}/tests/web/accessibility_test.js ${DICEWRIGHT_WEB_SITE}
            ${CMAKE_CURRENT_BINARY_DIR}/web_accessibility_test)
    set_tests_properties(web_accessibility_test PROPERTIES TIMEOUT 600 RUN_SERIAL TRUE
        ENVIRONMENT "NODE_PATH=${DICEWRIGHT_WEB_NODE_MODULES}")
endfunction()
