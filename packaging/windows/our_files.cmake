# Run by CPack once it has staged the package's files, before it makes the installer: writes the
# installer's FindOurFile macro, which looks in a folder for every file the package installs, so
# that a folder holding another program's file of any of our names is refused, also for a file
# added later.
file(GLOB_RECURSE files RELATIVE "${CPACK_TEMPORARY_DIRECTORY}" "${CPACK_TEMPORARY_DIRECTORY}/*")
list(SORT files)
set(text "; Written when the installer is made, from the files of the package.\n")
string(APPEND text "!macro FindOurFile FOLDER\n")
foreach(file IN LISTS files)
    string(REPLACE "/" "\\" name "${file}")
    string(APPEND text "  \${If} \$1 == \"\"\n"
        "  \${AndIf} \${FileExists} \"\${FOLDER}\\${name}\"\n"
        "    StrCpy \$1 \"${name}\"\n"
        "  \${EndIf}\n")
endforeach()
string(APPEND text "!macroend\n")
file(WRITE "${CPACK_DICEWRIGHT_OUR_FILES}" "${text}")
