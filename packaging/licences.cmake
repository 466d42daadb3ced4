# The licences of the third-party parts that a package carries, into one folder, with a note
# (THIRD-PARTY.txt, from the package's own template) that names the exact Qt source, the
# script that builds it and its options, for the Windows packages.
#   dicewright_licences(DIR TEMPLATE QT_BUILD_SCRIPT FROM:TO...)

# Found here, at the including file's level: Qt's targets belong to a directory, not a function.
find_package(Qt6 REQUIRED COMPONENTS Core)
set(DICEWRIGHT_QT_VERSION ${Qt6_VERSION})
execute_process(COMMAND dpkg-query -W -f=\${source:Version} libqt6core6
    OUTPUT_VARIABLE DICEWRIGHT_QT_SOURCE_VERSION COMMAND_ERROR_IS_FATAL ANY)
# Debian's file names leave out the epoch; this version has none, but keep to the rule.
string(REGEX REPLACE "^[0-9]+:" "" DICEWRIGHT_QT_SOURCE_VERSION_FILE
    "${DICEWRIGHT_QT_SOURCE_VERSION}")

function(dicewright_licences dir template qt_build_script)
    foreach(entry IN LISTS ARGN)
        string(REPLACE ":" ";" pair ${entry})
        list(GET pair 0 from)
        list(GET pair 1 to)
        configure_file(${from} ${dir}/${to} COPYONLY)
    endforeach()
    execute_process(COMMAND ${qt_build_script} --options
        OUTPUT_VARIABLE qt_options OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
    string(REPLACE "\n" "\n    " DICEWRIGHT_QT_OPTIONS "${qt_options}")
    configure_file(${template} ${dir}/THIRD-PARTY.txt @ONLY)
endfunction()
