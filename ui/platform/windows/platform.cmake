# Windows: one Dicewright.exe with its resource (version, icons) and the Liberation Sans Narrow
# faces inside, since Windows seldom has Arial Narrow (given the narrow no-break space that
# French and Polish write, which the faces lack); screen readers hear totals through Qt's
# UI Automation bridge. The static Qt built for it has the Test module; no Google Benchmark is
# packaged for MinGW.
set(DICEWRIGHT_QT_TEST ON)
set(DICEWRIGHT_GOOGLE_BENCHMARK OFF)
set(DICEWRIGHT_PLATFORM_DIR ${CMAKE_CURRENT_LIST_DIR})

function(dicewright_platform_parts ui program)
    set(here ${DICEWRIGHT_PLATFORM_DIR})
    target_sources(${ui} PRIVATE ${here}/announcement_windows.cpp ${here}/bundled_fonts_windows.cpp
        ${here}/regional_formats_windows.cpp)
    set(faces)
    foreach(face LiberationSansNarrow-Regular LiberationSansNarrow-Bold)
        set(out ${CMAKE_CURRENT_BINARY_DIR}/fonts/${face}.ttf)
        add_custom_command(OUTPUT ${out}
            COMMAND ${CMAKE_COMMAND} -E copy ${DICEWRIGHT_LIBERATION_DIR}/${face}.ttf ${out}
            COMMAND ${DICEWRIGHT_PYTHON3} ${PROJECT_SOURCE_DIR}/tools/narrow_space.py ${out}
            DEPENDS ${DICEWRIGHT_LIBERATION_DIR}/${face}.ttf ${PROJECT_SOURCE_DIR}/tools/narrow_space.py
            COMMENT "Giving ${face} a narrow no-break space")
        list(APPEND faces ${out})
    endforeach()
    qt_add_resources(${ui} "fonts" PREFIX "/fonts" BASE ${CMAKE_CURRENT_BINARY_DIR}/fonts
        FILES ${faces})
    target_sources(${program} PRIVATE ${DICEWRIGHT_RC})
    set_target_properties(${program} PROPERTIES OUTPUT_NAME Dicewright)
endfunction()
