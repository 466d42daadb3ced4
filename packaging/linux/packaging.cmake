# Installation on Linux and the Debian package (cpack -G DEB), laid out as Debian lays out a
# game: the program in games/, its manual page in section 6, the documents Debian asks of
# every package in doc/dicewright/.
include(GNUInstallDirs)

set(CPACK_PACKAGE_NAME dicewright)
set(CPACK_PACKAGE_VENDOR "${DICEWRIGHT_COMPANY}")
set(CPACK_PACKAGE_CONTACT "${DICEWRIGHT_COMPANY} <packages@dicewright.example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
# Debian shows the long description in 80 columns.
set(CPACK_PACKAGE_DESCRIPTION
    "Dicewright rolls the dice of a tabletop role-playing game whose tests are
numbered steps. Each of its 40 steps stands for one fixed set of exploding
dice, from a four-sided die less two up to two twenty-sided dice with four
more. Pick a step, press ROLL and read the total, or the Rule of One when
every die shows a one. Tooltips give each step's exact odds and the dice
behind every total, and a screen reader speaks each total as it is rolled.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
# The Qt libraries come from the binary's own links; the condensed face is a run-time need.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation")
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)

set(doc_dir ${CMAKE_INSTALL_DATADIR}/doc/${CPACK_PACKAGE_NAME})
set(debian_dir ${CMAKE_CURRENT_BINARY_DIR}/packaging/linux)
configure_file(${CMAKE_CURRENT_LIST_DIR}/copyright.in ${debian_dir}/copyright @ONLY)
# Debian's changelog dates its entry in the form of RFC 5322, at noon of the release day.
execute_process(COMMAND date -u -R -d "${DICEWRIGHT_RELEASE_DATE} 12:00"
    OUTPUT_VARIABLE DICEWRIGHT_RELEASE_TIME OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
configure_file(${CMAKE_CURRENT_LIST_DIR}/changelog.in ${debian_dir}/changelog @ONLY)
configure_file(${CMAKE_CURRENT_LIST_DIR}/dicewright.6.in ${debian_dir}/dicewright.6 @ONLY)

# Debian keeps the changelog and manual pages compressed, without a name or time in the header.
find_program(GZIP gzip REQUIRED)
foreach(file changelog dicewright.6)
    add_custom_command(OUTPUT ${debian_dir}/${file}.gz
        COMMAND ${GZIP} -9nkf ${debian_dir}/${file}
        DEPENDS ${debian_dir}/${file}
        COMMENT "Compressing ${file}")
endforeach()
add_custom_target(debian_documents ALL
    DEPENDS ${debian_dir}/changelog.gz ${debian_dir}/dicewright.6.gz)

install(TARGETS dicewright RUNTIME DESTINATION games)
install(FILES ${debian_dir}/dicewright.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES ${debian_dir}/copyright ${debian_dir}/changelog.gz DESTINATION ${doc_dir})
install(FILES ${DICEWRIGHT_DESKTOP} DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${DICEWRIGHT_METAINFO} DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
foreach(size IN LISTS DICEWRIGHT_ICON_SIZES)
    install(FILES ${PROJECT_SOURCE_DIR}/assets/icons/dicewright-${size}.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
        RENAME ${DICEWRIGHT_APP_ID}.png)
endforeach()
