# The browser (Qt for WebAssembly with Debian's emscripten): a page gives the program no fonts,
# so it carries every face its windows use; screen readers hear totals through a live region of
# the page; the program ends by telling the page. Its Qt leaves the Test module out.
set(DICEWRIGHT_QT_TEST OFF)
# Every player downloads the program: it leaves out the test language, which only the window
# tests use.
set(DICEWRIGHT_TEST_LANGUAGE OFF)
set(DICEWRIGHT_GOOGLE_BENCHMARK OFF)
set(DICEWRIGHT_PLATFORM_DIR ${CMAKE_CURRENT_LIST_DIR})

# Emscripten leaves C++ exceptions uncaught unless asked: the engine's errors must reach the
# program's error boundary. Memory grows as the roll log does.
target_compile_options(dicewright_options INTERFACE -fexceptions)
target_link_options(dicewright_options INTERFACE -fexceptions -sDISABLE_EXCEPTION_CATCHING=0
    -sALLOW_MEMORY_GROWTH=1)
# Every player downloads the program: compiled and linked for size (the link's optimiser works on
# Qt's code too), without debug names.
target_compile_options(dicewright_options INTERFACE -Oz)
target_link_options(dicewright_options INTERFACE -Oz)

function(dicewright_platform_parts ui program)
    set(here ${DICEWRIGHT_PLATFORM_DIR})
    target_sources(${ui} PRIVATE ${here}/announcement_web.cpp ${here}/fonts_web.cpp
        ${here}/program_end_web.cpp ${here}/window_fit_web.cpp ${here}/shortcuts_web.cpp
        ${here}/accessibility_mirror_web.cpp ${here}/accessibility_mirror_web.h
        ${here}/preferred_languages_web.cpp)
    # The mirror switches on Qt's accessibility through the platform layer.
    target_link_libraries(${ui} PRIVATE Qt6::GuiPrivate)
    # EM_ASM's JavaScript names its arguments $0, $1...
    set_source_files_properties(${here}/announcement_web.cpp ${here}/program_end_web.cpp
        PROPERTIES COMPILE_OPTIONS -Wno-dollar-in-identifier-extension)
    # Every face travels with each page load: cut down to the letters the program writes (Latin
    # with the accents of German and French, the dot, dashes and minus of its dice texts, and the
    # narrow space French writes before %).
    find_program(PYFTSUBSET pyftsubset REQUIRED)
    # Debian's own Python, with its fontTools.
    find_program(DEBIAN_PYTHON3 python3 PATHS /usr/bin NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH
        REQUIRED)
    set(liberation ${DICEWRIGHT_LIBERATION_DIR})
    set(web_fonts)
    foreach(face ${liberation}/LiberationSansNarrow-Regular.ttf
            ${liberation}/LiberationSansNarrow-Bold.ttf ${liberation}/LiberationSans-Regular.ttf
            ${liberation}/LiberationSans-Bold.ttf ${DICEWRIGHT_WINE_FONT_DIR}/tahoma.ttf)
        get_filename_component(name ${face} NAME)
        set(subset ${CMAKE_CURRENT_BINARY_DIR}/fonts/${name})
        add_custom_command(OUTPUT ${subset}
            COMMAND ${PYFTSUBSET} ${face} --output-file=${subset} --layout-features=*
                --unicodes=U+0020-007E,U+00A0-00FF,U+0152-0153,U+2010-2027,U+202F,U+2212
            COMMAND ${DEBIAN_PYTHON3} ${here}/narrow_space.py ${subset}
            DEPENDS ${face} ${here}/narrow_space.py
            COMMENT "Cutting ${name} down to the letters the program writes")
        list(APPEND web_fonts ${subset})
    endforeach()
    qt_add_resources(${ui} "fonts" PREFIX "/fonts" BASE ${CMAKE_CURRENT_BINARY_DIR}/fonts
        FILES ${web_fonts})
endfunction()
