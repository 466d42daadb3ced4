# Linux: the desktop's own fonts (fontconfig maps Arial Narrow to Liberation Sans Narrow) and
# Qt's AT-SPI bridge for screen readers. Its Qt, Debian's, has the Test module, and Debian
# packages Google Benchmark.
set(DICEWRIGHT_QT_TEST ON)
set(DICEWRIGHT_GOOGLE_BENCHMARK ON)
set(DICEWRIGHT_PLATFORM_DIR ${CMAKE_CURRENT_LIST_DIR})

function(dicewright_platform_parts ui program)
    set(here ${DICEWRIGHT_PLATFORM_DIR})
    target_sources(${ui} PRIVATE ${here}/announcement_linux.cpp ${here}/bundled_fonts_linux.cpp
        ${here}/regional_formats_linux.cpp)
endfunction()
