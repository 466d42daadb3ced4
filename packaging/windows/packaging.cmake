# Windows: one self-contained Dicewright.exe (Qt, its plugins and the MinGW runtime linked in),
# an installer made by NSIS and a portable zip, each with the licences of what it carries.
set(CPACK_PACKAGE_NAME ${PROJECT_NAME})
set(CPACK_PACKAGE_VENDOR "${DICEWRIGHT_COMPANY}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(DICEWRIGHT_WINDOWS_PACKAGE "${PROJECT_NAME}-${PROJECT_VERSION}-win64")
set(CPACK_PACKAGE_FILE_NAME ${DICEWRIGHT_WINDOWS_PACKAGE})
set(CPACK_PACKAGE_INSTALL_DIRECTORY ${PROJECT_NAME})
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY ${PROJECT_NAME})
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_GENERATOR NSIS ZIP)
set(CPACK_STRIP_FILES ON)
# Our own installer script: per-user, 64-bit, upgrades in place (NSIS.template.in here).
set(CPACK_MODULE_PATH ${CMAKE_CURRENT_LIST_DIR})
set(CPACK_NSIS_COMPRESSOR "/SOLID lzma")
set(CPACK_DICEWRIGHT_ICON ${PROJECT_SOURCE_DIR}/assets/dicewright.ico)
set(CPACK_DICEWRIGHT_EXE ${PROJECT_NAME}.exe)
set(CPACK_DICEWRIGHT_VERSION_QUAD ${PROJECT_VERSION}.0)
set(CPACK_DICEWRIGHT_RELEASE_YEAR ${DICEWRIGHT_RELEASE_YEAR})
# The installer's languages: those of the program that NSIS has.
find_path(DICEWRIGHT_NSIS_LANGUAGES English.nlf PATHS "/usr/share/nsis/Contrib/Language files"
    NO_CMAKE_FIND_ROOT_PATH REQUIRED)
set(CPACK_DICEWRIGHT_LANGUAGES ${CMAKE_CURRENT_BINARY_DIR}/installer_languages.nsh)
dicewright_catalogue_texts(nsis ${DICEWRIGHT_NSIS_LANGUAGES} ${CPACK_DICEWRIGHT_LANGUAGES})
# The installer's list of our file names comes from the staged package itself.
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/our_files.cmake)
set(CPACK_DICEWRIGHT_OUR_FILES ${CMAKE_CURRENT_BINARY_DIR}/packaging/windows/our_files.nsh)

# The third-party licences: Qt (LGPL-3.0, with the libraries it bundles, from Debian's
# copyright file of qt6-base), the Liberation fonts, and the GCC and MinGW-w64 runtime.
include(${PROJECT_SOURCE_DIR}/packaging/licences.cmake)
set(licence_dir ${CMAKE_CURRENT_BINARY_DIR}/packaging/windows/licenses)
dicewright_licences(${licence_dir} ${CMAKE_CURRENT_LIST_DIR}/THIRD-PARTY.txt.in
    ${PROJECT_SOURCE_DIR}/tools/build_windows_qt.sh
    /usr/share/common-licenses/LGPL-3:LGPL-3.0.txt
    /usr/share/common-licenses/GPL-3:GPL-3.0.txt
    /usr/share/common-licenses/GPL-2:GPL-2.0.txt
    /usr/share/doc/libqt6core6/copyright:Qt-copyright.txt
    /usr/share/doc/fonts-liberation/copyright:Liberation-fonts-copyright.txt
    /usr/share/doc/gcc-mingw-w64-base/copyright:GCC-runtime-copyright.txt
    /usr/share/doc/mingw-w64-common/copyright:MinGW-w64-copyright.txt)

install(TARGETS dicewright RUNTIME DESTINATION .)
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION . RENAME LICENSE.txt)
install(DIRECTORY ${licence_dir}/ DESTINATION licenses)
