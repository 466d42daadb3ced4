#!/usr/bin/env bash
# Sets up, builds, runs and tests Dicewright on Debian 12.
#   ./build.sh run        install what is missing, build, start the program
#   ./build.sh test       install what is missing, build, run every test
#   ./build.sh sanitize   the test suite again under AddressSanitizer and UBSan
#   ./build.sh bench      build and run the benchmarks
#   ./build.sh package    the Debian package, reproducibly, in build/package
#   ./build.sh reproducible  the package twice, from the clone and from a copy elsewhere: the same
#                         bytes, and the package's checks (lintian, contents, hardening)
#   ./build.sh windows    the Windows program, installer and zip in build/windows, tested under Wine
#   ./build.sh web        the web edition in build/web/site (and a zip), tested in three browsers
#   ./build.sh style      checks the C++ against .clang-format and the shell scripts with shellcheck
# With DICEWRIGHT_WERROR=ON (as CI runs it), any warning of the program's code stops the build.
set -euo pipefail
shopt -s inherit_errexit
cd "$(dirname "$0")"

readonly RUN_PACKAGES=(build-essential cmake qt6-base-dev qt6-tools-dev qt6-l10n-tools libgl-dev fonts-liberation
    python3)
readonly TEST_PACKAGES=(libgtest-dev libgmock-dev libbenchmark-dev qt6-base-private-dev xvfb xauth xdotool x11-utils
    openbox wmctrl dbus at-spi2-core python3-pyatspi binutils-mingw-w64-i686 gcc-mingw-w64-i686 dpkg-dev file)
readonly PACKAGE_PACKAGES=(dpkg-dev file)
readonly PACKAGE_CHECK_PACKAGES=(desktop-file-utils appstream lintian devscripts binutils)
readonly WINDOWS_PACKAGES=(g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 ninja-build nsis locales fonttools
    wine wine64 fonts-wine libgtest-dev xvfb xauth xdotool x11-utils openbox wmctrl procps imagemagick
    unzip dpkg-dev)
readonly WEB_PACKAGES=(emscripten esbuild ninja-build fonts-liberation fonts-wine fonttools python3-brotli nodejs brotli
    chromium firefox-esr webkit2gtk-driver xvfb xauth)

install_packages() {
    local missing=() package
    for package in "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
            missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends \
        "${missing[@]}" >/dev/null
}

# Off unless the caller turns it on, so that an earlier run's choice stays in no build folder.
readonly WERROR=-DDICEWRIGHT_WERROR=${DICEWRIGHT_WERROR:-OFF}
# The test build (build/test), which also writes the web edition's table of rolls.
readonly TEST_BUILD=(-DDICEWRIGHT_TESTS=ON -DCMAKE_BUILD_TYPE=Debug)

build() {
    local dir=$1
    shift
    cmake -S . -B "$dir" -Wno-dev "$WERROR" "$@" >/dev/null
    cmake --build "$dir" --parallel "$(nproc)"
}

# The Release build as Debian builds its packages: dpkg-buildflags with every hardening feature,
# plus the stack-clash and control-flow protection that newer dpkg adds by default. The file
# prefix map keeps this folder's path out of the binary.
release() {
    local dir=$1
    shift
    export DEB_BUILD_MAINT_OPTIONS=hardening=+all
    local cxxflags ldflags
    cxxflags="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)"
    cxxflags+=" -fstack-clash-protection -fcf-protection"
    ldflags=$(dpkg-buildflags --get LDFLAGS)
    build "$dir" -DCMAKE_BUILD_TYPE=Release "-DCMAKE_CXX_FLAGS=$cxxflags" \
        "-DCMAKE_EXE_LINKER_FLAGS=$ldflags" "$@"
}

# The prefix of the Qt that SCRIPT (tools/build_*_qt.sh) builds into the cache, or takes from
# it; stops unless the prefix holds a finished Qt.
cached_qt() {
    local qt
    qt=$("$1" | tail -n 1)
    if [ ! -f "$qt/.complete" ] || [ ! -f "$qt/lib/cmake/Qt6/Qt6Config.cmake" ]; then
        echo "$1 gave no finished Qt (\"$qt\")" >&2
        return 1
    fi
    echo "$qt"
}

# The host Qt's tools for a cross build, as the Qt builds give them to Qt itself.
host_qt_options() {
    # shellcheck source=tools/qt_cache.sh
    source tools/qt_cache.sh
    qt_host_options
}

test_suite() {
    local dir=$1
    shift
    install_packages "${RUN_PACKAGES[@]}" "${TEST_PACKAGES[@]}"
    build "$dir" "$@"
    ctest --test-dir "$dir" --output-on-failure --parallel "$(nproc)"
}

# The Debian package in build/package, from a clean build of its own: the resource compiler
# writes the epoch into what it makes, so outputs left from an earlier build at another time
# must not be reused. Every time stamp in the package is noon of the release day, as the
# changelog gives it, unless the builder sets another; a clone and a source tarball give the
# same bytes.
package() {
    install_packages "${RUN_PACKAGES[@]}" "${PACKAGE_PACKAGES[@]}"
    export SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(date -u -d "$(cat packaging/release_date) 12:00" +%s)}
    rm -rf build/package
    release build/package
    (cd build/package && cpack -G DEB >/dev/null)
    ls build/package/*.deb
}

# The files of the source, NUL-separated: the tracked ones, or in a source tarball every file
# outside the build folders.
source_files() {
    if [ -e .git ] && command -v git >/dev/null; then
        git ls-files -z
    else
        find . -type d \( -path './build*' -o -name node_modules \) -prune -o -type f -print0 |
            sed -z 's|^\./||'
    fi
}

# The shell scripts among them: each .sh file and each file that starts with a bash shebang
# (build.sh, .ci/run).
shell_scripts() {
    local file
    while IFS= read -r -d '' file; do
        if [[ $file == *.sh ]] || { [ -f "$file" ] && head -n 1 "$file" | grep -q '^#!.*bash'; }; then
            printf '%s\0' "$file"
        fi
    done < <(source_files)
}

case "${1:-}" in
    run)
        install_packages "${RUN_PACKAGES[@]}" "${PACKAGE_PACKAGES[@]}"
        release build/release
        exec build/release/ui/dicewright
        ;;
    test)
        test_suite build/test "${TEST_BUILD[@]}"
        ;;
    sanitize)
        export ASAN_OPTIONS=halt_on_error=1:detect_leaks=1:abort_on_error=1
        export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
        export LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp:print_suppressions=0
        test_suite build/sanitize "${TEST_BUILD[@]}" -DDICEWRIGHT_SANITIZE=ON
        ;;
    bench)
        install_packages "${RUN_PACKAGES[@]}" "${TEST_PACKAGES[@]}"
        release build/release -DDICEWRIGHT_BENCH=ON
        build/release/bench/engine_bench
        QT_QPA_PLATFORM=offscreen build/release/bench/roll_log_bench
        bench/startup_bench.sh build/release/ui/dicewright build/release/bench/bare_window
        bench/startup_bench.sh build/release/ui/dicewright build/release/bench/bare_text_window
        # The Windows figures, when ./build.sh windows has built the program and its packages.
        if [ -f build/windows/bench/bare_window.exe ]; then
            install_packages bc zip
            bench/windows_bench.sh build/windows
        fi
        # The web figures, when ./build.sh web has built the site.
        if [ -d build/web/site ]; then
            NODE_PATH=$(tools/web_test_tools.sh | tail -n 1) node bench/web_bench.js build/web/site
        fi
        ;;
    package)
        package
        ;;
    reproducible)
        install_packages "${PACKAGE_CHECK_PACKAGES[@]}"
        package
        # Then again from a copy of the source as a tarball brings it (no repository, no build
        # folders), in another folder and at a later time.
        work=$(mktemp -d)
        trap 'rm -rf "$work"' EXIT
        copy=$work/elsewhere/copy-two/dicewright
        mkdir -p "$copy"
        skip=(--exclude=./.git)
        for folder in build*/; do
            skip+=(--exclude="./${folder%/}")
        done
        tar -cf - "${skip[@]}" . | tar -xf - -C "$copy"
        if ! "$copy/build.sh" package >"$work/copy.log" 2>&1; then
            tail -n 30 "$work/copy.log" >&2
            exit 1
        fi
        tests/linux/packaging_test.sh . build/package "$copy"/build/package/*.deb
        ;;
    windows)
        install_packages "${RUN_PACKAGES[@]}" "${WINDOWS_PACKAGES[@]}"
        qt=$(cached_qt tools/build_windows_qt.sh)
        host_qt=$(host_qt_options)
        # shellcheck disable=SC2086 # two options, no blanks in them
        cmake -S . -B build/windows -G Ninja -Wno-dev -DCMAKE_BUILD_TYPE=Release \
            -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/mingw-w64-x86_64.cmake" \
            -DCMAKE_PREFIX_PATH="$qt" -DCMAKE_FIND_ROOT_PATH="$qt" $host_qt \
            -DDICEWRIGHT_TESTS=ON -DDICEWRIGHT_BENCH=ON "$WERROR" >/dev/null
        cmake --build build/windows
        (cd build/windows && cpack >/dev/null && ls -l ./*-win64.exe ./*-win64.zip)
        ctest --test-dir build/windows --output-on-failure
        ;;
    web)
        install_packages "${WEB_PACKAGES[@]}"
        command -v npm >/dev/null || install_packages npm
        # The browser tests' puppeteer-core, from the cache.
        node_modules=$(tools/web_test_tools.sh | tail -n 1)
        # The desktop program's own code writes the table of rolls and texts that the page must
        # match (native engine, Qt's wording), so the two editions cannot drift apart. Its writer
        # is a target of the test build, which `./build.sh test` has mostly built already.
        install_packages "${RUN_PACKAGES[@]}" "${TEST_PACKAGES[@]}"
        cmake -S . -B build/test -Wno-dev "$WERROR" "${TEST_BUILD[@]}" >/dev/null
        cmake --build build/test --target web_parity_table --parallel "$(nproc)" >/dev/null
        # emcc finds its JavaScript optimiser among Debian's Node modules.
        export EMSCRIPTEN=/usr/share/emscripten NODE_PATH=/usr/share/nodejs
        cmake -S . -B build/web -G Ninja -Wno-dev -DCMAKE_BUILD_TYPE=Release \
            -DCMAKE_TOOLCHAIN_FILE=/usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake \
            -DDICEWRIGHT_WEB_NODE_MODULES="$node_modules" \
            -DDICEWRIGHT_WEB_PARITY_TABLE="$PWD/build/test/tests/web_parity_table.json" \
            -DDICEWRIGHT_TESTS=ON "$WERROR" >/dev/null
        cmake --build build/web
        rm -rf build/web/site
        cmake --install build/web --prefix build/web/site >/dev/null
        (cd build/web && cpack >/dev/null && ls -l ./*-web.zip)
        ctest --test-dir build/web --output-on-failure
        ;;
    style)
        install_packages clang-format shellcheck
        source_files | grep -z -E '\.(cpp|h)$' | xargs -0 clang-format --dry-run -Werror
        echo "The C++ is laid out as .clang-format says."
        # Its settings, and where a script's `source` is found, are in .shellcheckrc.
        shell_scripts | xargs -0 shellcheck
        echo "The shell scripts pass shellcheck."
        ;;
    *)
        sed -n '2,10s/^# \{0,1\}//p' "$0"
        exit 2
        ;;
esac
