#!/usr/bin/env bash
# Builds a static Qt (Core, Gui, Widgets, Test) for 64-bit Windows from Debian's own qt6-base
# source, the same version as the host Qt, and keeps it in a cache that every clone reuses.
#   tools/build_windows_qt.sh            prints the Qt prefix on its last line
#   tools/build_windows_qt.sh --options  prints the options Qt is configured with
# The build takes about 20 minutes on two cores; it runs once per Qt version, compiler and set
# of options.
set -euo pipefail
shopt -s inherit_errexit
repo=$(cd "$(dirname "$0")/.." && pwd)
# shellcheck source=qt_cache.sh
source "$repo/tools/qt_cache.sh"
toolchain=$repo/cmake/mingw-w64-x86_64.cmake
source_version=$(qt_source_version)

qt_options=(
    -DBUILD_SHARED_LIBS=OFF -DCMAKE_BUILD_TYPE=Release
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF
    -DQT_QMAKE_TARGET_MKSPEC=win32-g++
    -DFEATURE_network=OFF -DFEATURE_sql=OFF -DFEATURE_dbus=OFF -DFEATURE_xml=OFF
    -DFEATURE_printsupport=OFF -DFEATURE_concurrent=OFF -DFEATURE_opengl=OFF -DINPUT_opengl=no
    -DFEATURE_vulkan=OFF -DFEATURE_tabletevent=OFF
    -DFEATURE_system_zlib=OFF -DFEATURE_system_png=OFF -DFEATURE_system_jpeg=OFF
    -DFEATURE_system_freetype=OFF -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_pcre2=OFF
    -DFEATURE_system_doubleconversion=OFF
    -DFEATURE_testlib=ON -DFEATURE_widgets=ON -DFEATURE_jpeg=ON -DFEATURE_accessibility=ON)

if [ "${1:-}" = --options ]; then
    printf '%s\n' "${qt_options[@]}"
    exit 0
fi

build_qt() {
    local prefix=$1 work=$2 src
    src=$(qt_fetch_source "$work")
    # The toolchain file goes into the cache with Qt, whose CMake files keep referring to it.
    cp "$toolchain" "$prefix/mingw-w64-x86_64.cmake"
    qt_configure_build_install "Qt for Windows" "$src" "$work" "$prefix" \
        -DCMAKE_TOOLCHAIN_FILE="$prefix/mingw-w64-x86_64.cmake" "${qt_options[@]}"
}

# The key is what changes the result: the source, the options, the toolchain file's declared
# version (its wording and comments are not) and the versions of the compilers and binutils it
# names.
toolchain_version=$(sed -n 's/^set(DICEWRIGHT_TOOLCHAIN_VERSION \([0-9]*\))$/\1/p' "$toolchain")
[ -n "$toolchain_version" ] || { echo "$toolchain declares no DICEWRIGHT_TOOLCHAIN_VERSION" >&2; exit 1; }
key_text=$(echo "$source_version"; printf '%s\n' "${qt_options[@]}"
    echo "toolchain $toolchain_version"
    x86_64-w64-mingw32-g++-posix --version | sed -n 1p
    x86_64-w64-mingw32-gcc-posix --version | sed -n 1p
    x86_64-w64-mingw32-ld --version | sed -n 1p)
# cache_build runs this script again to build: every step that fails stops it there.
if [ "${1:-}" = --build ]; then
    build_qt "$2" "$3"
    exit 0
fi
cache_build "qt-${source_version%%+*}-mingw64-static" "$key_text" "$repo/tools/$(basename "$0")" --build
