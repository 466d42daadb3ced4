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
    -DFEATURE_widgets=ON -DFEATURE_jpeg=ON -DFEATURE_accessibility=ON)

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
    export EMSDK=$prefix/emsdk EMSCRIPTEN=/usr/share/emscripten NODE_PATH=/usr/share/nodejs
    qt_configure_build_install "Qt for WebAssembly" "$src" "$work" "$prefix" \
        -DCMAKE_TOOLCHAIN_FILE="$emscripten_toolchain" "${qt_options[@]}"
}

# The key covers everything the result depends on: the source, the options and the compiler.
key_text=$(echo "$source_version"; printf '%s\n' "${qt_options[@]}"; emcc --version | head -n1
    dpkg-query -W -f='${Version}\n' emscripten)
# cache_build runs this script again to build: every step that fails stops it there.
if [ "${1:-}" = --build ]; then
    build_qt "$2" "$3"
    exit 0
fi
cache_build "qt-${source_version%%+*}-wasm-static" "$key_text" "$repo/tools/$(basename "$0")" --build
