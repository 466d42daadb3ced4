# Windows: one Dicewright.exe with its resource (version, icons) and the Liberation Sans Narrow
# faces inside, since Windows seldom has Arial Narrow; screen readers hear totals through Qt's
# UI Automation bridge. The static Qt built for it has the Test module; no Google Benchmark is
# packaged for MinGW.
set(DICEWRIGHT_QT_TEST ON)
set(DICEWRIGHT_GOOGLE_BENCHMARK OFF)
set(DICEWRIGHT_PLATFORM_DIR ${CMAKE_CURRENT_LIST_DIR})

function(dicewright_platform_parts ui program)
    set(here ${DICEWRIGHT_PLATFORM_DIR})
    target_sources(${ui} PRIVATE ${here}/announcement_windows.cpp ${here}/fonts_windows.cpp
        ${here}/regional_formats_windows.cpp)
    set(liberation ${DICEWRIGHT_LIBERATION_DIR})
    qt_add_resources(${ui} "fonts" PREFIX "/fonts" BASE ${liberation}
        FILES ${liberation}/LiberationSansNarrow-Regular.ttf ${liberation}/LiberationSansNarrow-Bold.ttf)
    target_sources(${program} PRIVATE ${DICEWRIGHT_RC})
    set_target_properties(${program} PROPERTIES OUTPUT_NAME Dicewright)
endfunction()
