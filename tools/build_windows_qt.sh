#!/usr/bin/env bash
# Builds a static Qt (Core, Gui, Widgets, Test) for 64-bit Windows from Debian's own qt6-base
# source, the same version as the host Qt, and keeps it in a cache that every clone reuses.
#   tools/build_windows_qt.sh     prints the Qt prefix on its last line
# The build takes about 20 minutes on two cores; it runs once per Qt version and set of options.
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
cache=${DICEWRIGHT_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/dicewright}
toolchain=$repo/cmake/mingw-w64-x86_64.cmake

source_version=$(dpkg-query -W -f='${source:Version}' libqt6core6)
qt_version=${source_version%%+*}

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

# The cache key covers everything the result depends on.
key=$( (echo "$source_version"; printf '%s\n' "${qt_options[@]}"; cat "$toolchain" "$0") |
    sha256sum | cut -c1-12)
prefix=$cache/qt-$qt_version-mingw64-static-$key
if [ -f "$prefix/.complete" ]; then
    echo "$prefix"
    exit 0
fi

work=$cache/work-$key
rm -rf "$work"
mkdir -p "$work/apt/lists/partial" "$work/apt/parts" "$work/src"

# A private sources list: the machine's apt configuration stays as it is.
keyring=/usr/share/keyrings/debian-archive-keyring.gpg
cat >"$work/apt/sources.list" <<LIST
deb-src [signed-by=$keyring] http://deb.debian.org/debian bookworm main
deb-src [signed-by=$keyring] http://deb.debian.org/debian bookworm-updates main
deb-src [signed-by=$keyring] http://deb.debian.org/debian-security bookworm-security main
LIST
apt_options=(-o "Dir::Etc::SourceList=$work/apt/sources.list" -o "Dir::Etc::SourceParts=$work/apt/parts"
    -o "Dir::State::Lists=$work/apt/lists" -o "Dir::Cache::pkgcache=" -o "Dir::Cache::srcpkgcache=")
echo "Qt for Windows: fetching the source of qt6-base $source_version" >&2
apt-get "${apt_options[@]}" update -qq >&2
(cd "$work/src" && apt-get "${apt_options[@]}" source -qq "qt6-base=$source_version" >&2)
src=$(find "$work/src" -mindepth 1 -maxdepth 1 -type d -name 'qt6-base-*' | head -n1)

# The toolchain file goes into the cache with Qt, whose CMake files keep referring to it.
mkdir -p "$prefix"
cp "$toolchain" "$prefix/mingw-w64-x86_64.cmake"

echo "Qt for Windows: configuring (log in $work/configure.log)" >&2
cmake -S "$src" -B "$work/build" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$prefix/mingw-w64-x86_64.cmake" -DCMAKE_INSTALL_PREFIX="$prefix" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    "${qt_options[@]}" >"$work/configure.log" 2>&1 ||
    { tail -n 40 "$work/configure.log" >&2; exit 1; }

# Ninja's progress, one line in fifty, so a long build shows it is alive without flooding.
echo "Qt for Windows: building, about 20 minutes on two cores (log in $work/build.log)" >&2
if ! cmake --build "$work/build" --parallel "$(nproc)" 2>&1 | tee "$work/build.log" |
    awk '/^\[[0-9]+\/[0-9]+\]/ { if (++n % 50 == 1) { split($1, p, /[][\/]/); printf "Qt for Windows: step %s of %s\n", p[2], p[3]; fflush() } }' >&2; then
    grep -A 20 '^FAILED' "$work/build.log" | head -n 60 >&2
    exit 1
fi
cmake --install "$work/build" >"$work/install.log" 2>&1
touch "$prefix/.complete"
rm -rf "$work"
echo "Qt for Windows: ready in $prefix" >&2
echo "$prefix"
