#!/usr/bin/env bash
# Builds a static, single-threaded Qt (Core, Gui, Widgets) for WebAssembly from Debian's own
# qt6-base source with Debian's emscripten, and keeps it in a cache that every clone reuses.
#   tools/build_web_qt.sh            prints the Qt prefix on its last line
#   tools/build_web_qt.sh --options  prints the options Qt is configured with
# The build takes about 15 minutes on two cores; it runs once per Qt version, emscripten and
# set of options. The prefix also holds the emsdk-shaped folder that Qt's CMake files look for
# (emsdk/, through EMSDK): the program's own build needs it too.
set -euo pipefail
shopt -s inherit_errexit
repo=$(cd "$(dirname "$0")/.." && pwd)
# shellcheck source=qt_cache.sh
source "$repo/tools/qt_cache.sh"
source_version=$(qt_source_version)
emscripten_toolchain=/usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake

qt_options=(
    -DBUILD_SHARED_LIBS=OFF -DCMAKE_BUILD_TYPE=Release
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF
    -DQT_QMAKE_TARGET_MKSPEC=wasm-emscripten -DFEATURE_thread=OFF
    -DFEATURE_network=OFF -DFEATURE_sql=OFF -DFEATURE_dbus=OFF -DFEATURE_xml=OFF
    -DFEATURE_printsupport=OFF -DFEATURE_concurrent=OFF -DFEATURE_testlib=OFF
    -DFEATURE_system_zlib=OFF -DFEATURE_system_png=OFF -DFEATURE_system_jpeg=OFF
    -DFEATURE_system_freetype=OFF -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_pcre2=OFF
    -DFEATURE_system_doubleconversion=OFF
    -DFEATURE_widgets=ON -DFEATURE_jpeg=ON -DFEATURE_accessibility=ON
    # Every byte is downloaded by every player: Qt is optimised for size, and the parts the
    # program never uses are left out. Static linking drops unused functions by itself, but not
    # what Qt reaches through its accessibility factory, metaobjects and styles. (Qt 6.4 does
    # not build without gestures, tool bars, menu bars or tool buttons, and its browser plugin
    # draws with XPM pictures. The scroller stays: lists scroll under a dragged finger. Spin
    # boxes and their line edits stay: a test's difficulty and bonus step are typed into them.)
    -DFEATURE_optimize_size=ON
    -DFEATURE_sha3_fast=OFF -DFEATURE_jalalicalendar=OFF -DFEATURE_hijricalendar=OFF
    -DFEATURE_islamiccivilcalendar=OFF -DFEATURE_mimetype_database=OFF
    -DFEATURE_textmarkdownreader=OFF -DFEATURE_textmarkdownwriter=OFF -DFEATURE_textodfwriter=OFF
    -DFEATURE_pdf=OFF -DFEATURE_gif=OFF -DFEATURE_ico=OFF -DFEATURE_movie=OFF
    -DFEATURE_imageformat_bmp=OFF -DFEATURE_imageformat_ppm=OFF -DFEATURE_imageformat_xbm=OFF
    -DFEATURE_sessionmanager=OFF -DFEATURE_systemtrayicon=OFF
    -DFEATURE_undocommand=OFF -DFEATURE_undostack=OFF -DFEATURE_undogroup=OFF
    -DFEATURE_style_stylesheet=OFF -DFEATURE_graphicsview=OFF -DFEATURE_graphicseffect=OFF
    -DFEATURE_effects=OFF -DFEATURE_calendarwidget=OFF -DFEATURE_datetimeedit=OFF
    -DFEATURE_keysequenceedit=OFF -DFEATURE_dial=OFF -DFEATURE_lcdnumber=OFF
    -DFEATURE_progressbar=OFF -DFEATURE_mdiarea=OFF
    -DFEATURE_dockwidget=OFF -DFEATURE_statusbar=OFF -DFEATURE_statustip=OFF
    -DFEATURE_whatsthis=OFF -DFEATURE_sizegrip=OFF -DFEATURE_colordialog=OFF
    -DFEATURE_filedialog=OFF -DFEATURE_fontdialog=OFF -DFEATURE_progressdialog=OFF
    -DFEATURE_inputdialog=OFF -DFEATURE_errormessage=OFF -DFEATURE_wizard=OFF
    -DFEATURE_columnview=OFF -DFEATURE_treewidget=OFF -DFEATURE_tablewidget=OFF
    -DFEATURE_tableview=OFF -DFEATURE_treeview=OFF -DFEATURE_datawidgetmapper=OFF
    -DFEATURE_undoview=OFF -DFEATURE_fontcombobox=OFF -DFEATURE_combobox=OFF
    -DFEATURE_fscompleter=OFF -DFEATURE_completer=OFF -DFEATURE_syntaxhighlighter=OFF
    -DFEATURE_splashscreen=OFF -DFEATURE_splitter=OFF -DFEATURE_toolbox=OFF
    -DFEATURE_commandlinkbutton=OFF -DFEATURE_textbrowser=OFF -DFEATURE_textedit=OFF
    -DFEATURE_tabwidget=OFF -DFEATURE_tabbar=OFF -DFEATURE_stackedwidget=OFF
    -DFEATURE_formlayout=OFF)
# Two parts of Qt that every player would download and the program never shows: the wasm
# plugin's three fallback faces (1 MB; the program brings the faces it draws with), and the
# common style's pictures for file dialogs, message boxes, tool bars and title bars (345 kB;
# the browser's windows draw their title bars from the plugin's own pictures).
patch_qt_source() {
    local src=$1
    sed -i '/^qt_internal_add_resource(QWasmIntegrationPlugin "wasmfonts"/,/^)/d' \
        "$src/src/plugins/platforms/wasm/CMakeLists.txt"
    sed -i '/^qt_internal_add_resource(Widgets "qstyle"$/,/^)/d' "$src/src/widgets/CMakeLists.txt"
    sed -i '/^    Q_INIT_RESOURCE(qstyle);$/d' "$src/src/widgets/kernel/qapplication.cpp"
}

if [ "${1:-}" = --options ]; then
    printf '%s\n' "${qt_options[@]}"
    exit 0
fi

# The layout of an emsdk, made of links to Debian's emscripten.
make_emsdk() {
    local emsdk=$1
    mkdir -p "$emsdk/upstream/emscripten"
    ln -sf /usr/bin/emcc "$emsdk/upstream/emscripten/emcc"
    ln -sf /usr/bin/em++ "$emsdk/upstream/emscripten/em++"
    ln -sfn /usr/share/emscripten/cmake "$emsdk/upstream/emscripten/cmake"
    # shellcheck disable=SC2016
    echo "EMSCRIPTEN_ROOT = emsdk_path + '/upstream/emscripten'" >"$emsdk/.emscripten"
}

build_qt() {
    local prefix=$1 work=$2 src
    make_emsdk "$prefix/emsdk"
    src=$(qt_fetch_source "$work")
    patch_qt_source "$src"
    export EMSDK=$prefix/emsdk EMSCRIPTEN=/usr/share/emscripten NODE_PATH=/usr/share/nodejs
    qt_configure_build_install "Qt for WebAssembly" "$src" "$work" "$prefix" \
        -DCMAKE_TOOLCHAIN_FILE="$emscripten_toolchain" "${qt_options[@]}"
}

# The key covers everything the result depends on: the source, the options and the compiler.
key_text=$(echo "$source_version"; declare -f patch_qt_source; printf '%s\n' "${qt_options[@]}"; emcc --version | sed -n 1p
    dpkg-query -W -f='${Version}\n' emscripten)
# cache_build runs this script again to build: every step that fails stops it there.
if [ "${1:-}" = --build ]; then
    build_qt "$2" "$3"
    exit 0
fi
cache_build "qt-${source_version%%+*}-wasm-static" "$key_text" "$repo/tools/$(basename "$0")" --build
