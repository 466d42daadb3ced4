# The web edition's tests, in real browsers against the installed site (./build.sh web installs
# it before it runs them), with puppeteer-core from the folder where build.sh installed
# tests/web/package.json.
find_program(NODE node REQUIRED)
find_program(XVFB_RUN xvfb-run REQUIRED)
set(DICEWRIGHT_WEB_SITE ${CMAKE_BINARY_DIR}/site CACHE PATH "The installed site")
set(DICEWRIGHT_WEB_NODE_MODULES ${CMAKE_BINARY_DIR}/npm/node_modules CACHE PATH
    "puppeteer-core's folder (./build.sh web passes the cache's)")
set(DICEWRIGHT_WEB_PARITY_TABLE "" CACHE FILEPATH
    "What the desktop program makes of a table of seeded rolls (./build.sh web writes it)")

# With ON_SCREEN the test runs on a virtual screen of its own (a free display that xvfb-run
# waits for), for a browser that cannot run headless.
function(add_browser_test name seconds)
    cmake_parse_arguments(PARSE_ARGV 2 arg "ON_SCREEN" "" "")
    set(screen)
    if(arg_ON_SCREEN)
        set(screen ${XVFB_RUN} -a -s "-screen 0 1024x768x24 -nolisten tcp")
    endif()
    add_test(NAME ${name}
        COMMAND ${screen} ${NODE} ${PROJECT_SOURCE_DIR}/tests/web/${name}.js ${DICEWRIGHT_WEB_SITE}
            ${CMAKE_CURRENT_BINARY_DIR}/${name} ${arg_UNPARSED_ARGUMENTS})
    set_tests_properties(${name} PROPERTIES TIMEOUT ${seconds} RUN_SERIAL TRUE
        ENVIRONMENT "NODE_PATH=${DICEWRIGHT_WEB_NODE_MODULES}")
endfunction()

# In Chromium: the page as a player meets it with a mouse, a keyboard, a screen reader (its
# accessibility tree) and a phone (its viewports, touch and keyboard), in each language,
# offline and across an update, under the page's security policy.
add_browser_test(web_test 900)
# The phones, folded phones and tablets players hold, upright and sideways, installed or in a
# browser with its bars, in every language: everything a thumb needs on screen, the roll log whole.
add_browser_test(web_screens_test 900)
# The module and the page's words against the desktop program's, roll for roll.
add_browser_test(web_parity_test 300 ${DICEWRIGHT_WEB_PARITY_TABLE})
# Firefox ESR (WebDriver BiDi) and WebKitGTK (WebKitWebDriver under Xvfb), without WebGL.
add_browser_test(web_engines_test 600 ON_SCREEN)
