# What Linux and Windows share: the program ends through Qt's event loop (and an error in a
# message box), Qt's own screen-reader bridge needs nothing started, and windows keep their
# designed size, every key reaches the program, and Qt tells the preferred languages.
set(DICEWRIGHT_DESKTOP_SOURCES ${CMAKE_CURRENT_LIST_DIR}/program_end_desktop.cpp
    ${CMAKE_CURRENT_LIST_DIR}/accessibility_bridge_desktop.cpp
    ${CMAKE_CURRENT_LIST_DIR}/window_fit_desktop.cpp
    ${CMAKE_CURRENT_LIST_DIR}/shortcuts_desktop.cpp
    ${CMAKE_CURRENT_LIST_DIR}/preferred_languages_desktop.cpp)
