# The languages the program speaks, English first: one catalogue each in translations/
# (dicewright_NAME.ts, whose "die letter" text gives the dice their letter, and qt_NAME.ts, the
# texts of Qt's own that the windows show). The windows, the web page and its manifests, the
# installer, the desktop entry, the metainfo and the web faces' letters all follow this list.
set(DICEWRIGHT_LANGUAGES en de fr es it pl pt_BR ru)

# Writes OUT from SOURCE with every language's texts from the catalogues, as
# packaging/catalogue_texts.py does it for KIND (desktop, metainfo, nsis), again whenever a
# catalogue changes.
function(dicewright_catalogue_texts kind source out)
    set(script ${PROJECT_SOURCE_DIR}/packaging/catalogue_texts.py)
    set(catalogues)
    foreach(language IN LISTS DICEWRIGHT_LANGUAGES)
        list(APPEND catalogues ${PROJECT_SOURCE_DIR}/translations/dicewright_${language}.ts)
    endforeach()
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${script} ${catalogues})
    execute_process(COMMAND ${DICEWRIGHT_PYTHON3} ${script} ${kind} ${source} ${out} ${catalogues}
        COMMAND_ERROR_IS_FATAL ANY)
endfunction()
