# The web edition: a folder that any static web server serves (the program's own page, Qt's
# loader, the program's .wasm and .js, its pictures and licences), installed into the site
# folder, and a zip of it (cpack).
set(CPACK_PACKAGE_NAME ${PROJECT_NAME})
set(CPACK_PACKAGE_VENDOR "${DICEWRIGHT_COMPANY}")
set(DICEWRIGHT_WEB_PACKAGE "${PROJECT_NAME}-${PROJECT_VERSION}-web")
set(CPACK_PACKAGE_FILE_NAME ${DICEWRIGHT_WEB_PACKAGE})
set(CPACK_GENERATOR ZIP)

# Where ./build.sh web lays out the site, and the folder of the browser test's Node modules.
set(DICEWRIGHT_WEB_SITE ${CMAKE_BINARY_DIR}/site CACHE PATH "The installed site")
set(DICEWRIGHT_WEB_NODE_MODULES ${CMAKE_BINARY_DIR}/npm/node_modules CACHE PATH
    "puppeteer-core's folder (./build.sh web passes the cache's)")

set(web_dir ${CMAKE_CURRENT_BINARY_DIR}/packaging/web)
configure_file(${CMAKE_CURRENT_LIST_DIR}/index.html.in ${web_dir}/index.html @ONLY)
# What a phone needs to add the site to its home screen as an app.
configure_file(${CMAKE_CURRENT_LIST_DIR}/manifest.webmanifest.in ${web_dir}/manifest.webmanifest
    @ONLY)

# The page's texts in each language the program speaks, and a manifest for each, from the
# program's catalogues.
find_program(PYTHON3 python3 REQUIRED)
set(page_catalogues ${PROJECT_SOURCE_DIR}/ui/translations/dicewright_de.ts
    ${PROJECT_SOURCE_DIR}/ui/translations/dicewright_fr.ts)
set(page_translated ${web_dir}/page_translations.js ${web_dir}/manifest-de.webmanifest
    ${web_dir}/manifest-fr.webmanifest)
add_custom_command(OUTPUT ${page_translated}
    COMMAND ${PYTHON3} ${CMAKE_CURRENT_LIST_DIR}/page_translations.py ${web_dir}
        ${web_dir}/manifest.webmanifest ${page_catalogues}
    DEPENDS ${CMAKE_CURRENT_LIST_DIR}/page_translations.py ${page_catalogues}
        ${web_dir}/manifest.webmanifest
    COMMENT "Translating the page's texts")
add_custom_target(page_translations ALL DEPENDS ${page_translated})

# The third-party licences: Qt (LGPL-3.0) with the libraries it bundles, the Liberation fonts,
# Wine's Tahoma, and emscripten's runtime (its C and C++ libraries and JavaScript glue).
include(${PROJECT_SOURCE_DIR}/packaging/licences.cmake)
set(licence_dir ${web_dir}/licenses)
dicewright_licences(${licence_dir} ${CMAKE_CURRENT_LIST_DIR}/THIRD-PARTY.txt.in
    ${PROJECT_SOURCE_DIR}/tools/build_web_qt.sh
    /usr/share/common-licenses/LGPL-3:LGPL-3.0.txt
    /usr/share/common-licenses/GPL-3:GPL-3.0.txt
    /usr/share/common-licenses/GPL-2:GPL-2.0.txt
    /usr/share/common-licenses/LGPL-2.1:LGPL-2.1.txt
    /usr/share/doc/libqt6core6/copyright:Qt-copyright.txt
    /usr/share/doc/fonts-liberation/copyright:Liberation-fonts-copyright.txt
    /usr/share/doc/fonts-wine/copyright:Wine-fonts-copyright.txt
    /usr/share/doc/emscripten/copyright:Emscripten-copyright.txt)

set(program_dir $<TARGET_FILE_DIR:dicewright>)
install(FILES ${web_dir}/index.html ${web_dir}/manifest.webmanifest ${CMAKE_CURRENT_LIST_DIR}/page.js
    ${CMAKE_CURRENT_LIST_DIR}/page_texts.js ${page_translated}
    ${CMAKE_CURRENT_LIST_DIR}/accessibility_mirror.js
    ${program_dir}/dicewright.js ${program_dir}/dicewright.wasm ${program_dir}/qtloader.js
    ${PROJECT_SOURCE_DIR}/assets/logo.jpg
    DESTINATION .)
foreach(icon 32 64 192 256 512 maskable-512)
    install(FILES ${PROJECT_SOURCE_DIR}/assets/icons/dicewright-${icon}.png DESTINATION icons)
endforeach()
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION . RENAME LICENSE.txt)
install(DIRECTORY ${licence_dir}/ DESTINATION licenses)

# Last, once every file is in place: the release's name and sizes, its service worker, and
# compressed copies of the large files (.br where Debian's brotli is installed).
find_program(BROTLI brotli)
if(NOT BROTLI)
    set(BROTLI "")
endif()
install(CODE "set(SITE_TEMPLATE_DIR \"${CMAKE_CURRENT_LIST_DIR}\")
    set(RELEASE_PREFIX \"dicewright-${PROJECT_VERSION}\")
    set(BROTLI \"${BROTLI}\")")
install(SCRIPT ${CMAKE_CURRENT_LIST_DIR}/release.cmake)
