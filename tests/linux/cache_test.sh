#!/usr/bin/env bash
# The cache of long builds keeps only what was built whole: tools/build_windows_qt.sh run
# against stand-ins for Debian's tools (its source fetch, the MinGW compilers and CMake, which
# record their calls), with one step of the build broken at a time.
#   cache_test.sh WORK_DIR
set -u
repo=$(cd "$(dirname "$(realpath "$0")")/../.." && pwd)
work=$1
# shellcheck source=../checks.sh
source "$repo/tests/checks.sh"

rm -rf "$work"
mkdir -p "$work/bin"
calls=$work/calls.txt
stand_in() { printf '#!/bin/sh\n%s\n' "$2" >"$work/bin/$1" && chmod +x "$work/bin/$1"; }
stand_in dpkg-query 'echo 6.4.2+dfsg-10'
stand_in x86_64-w64-mingw32-g++-posix 'echo "x86_64-w64-mingw32-g++-posix (GCC) 12-posix"'
stand_in x86_64-w64-mingw32-gcc-posix 'echo "x86_64-w64-mingw32-gcc-posix (GCC) 12-posix"'
stand_in x86_64-w64-mingw32-ld 'echo "GNU ld (GNU Binutils) 2.40"'
stand_in apt-get 'case " $* " in *" source "*) echo "apt-get source" >>'"$calls"'; mkdir -p qt6-base-6.4.2 ;; esac'
# CMake fails the step named in $BREAK (configure, build or install).
# shellcheck disable=SC2016 # the stand-in expands them when it runs
stand_in cmake 'step=configure; case "$1" in --build) step=build ;; --install) step=install ;; esac
echo "cmake $step" >>'"$calls"'; [ "$step" != "${BREAK:-}" ]'

# The scripts and the toolchain file in a copy of their own, which the checks may edit.
copy=$work/repo
mkdir -p "$copy"
cp -r "$repo/tools" "$repo/cmake" "$copy/"
toolchain=$copy/cmake/mingw-w64-x86_64.cmake

# Runs the Qt build against the cache in $work/NAME; sets STATUS and PREFIX (its last line).
build() {
    local output
    output=$(DICEWRIGHT_CACHE=$work/$1 PATH="$work/bin:$PATH" "$copy/tools/build_windows_qt.sh" 2>"$work/$1.log")
    STATUS=$?
    PREFIX=$(tail -n 1 <<<"$output")
}
complete_in() { compgen -G "$work/$1/*/.complete" >/dev/null; }
count() { grep -c "^$1\$" "$calls" 2>/dev/null; }

# A build whose steps all succeed is kept, and used again without a second build.
build whole
check "a whole build succeeds ($STATUS)" test "$STATUS" = 0
check "its prefix is marked complete" test -f "$PREFIX/.complete"
check "Qt was configured, built and installed" test "$(count 'cmake install')" = 1
build whole
check "the second run is served from the cache" test "$STATUS" = 0 -a "$(count 'cmake install')" = 1

# The key is what changes the build: a reworded comment of the toolchain file is served from the
# cache, a new toolchain version builds afresh.
sed -i '1s/^#/# Reworded:/' "$toolchain"
build whole
check "a toolchain file with other comments is served from the cache" \
    test "$STATUS" = 0 -a "$(count 'cmake install')" = 1
sed -i 's/^set(DICEWRIGHT_TOOLCHAIN_VERSION \([0-9]*\))$/set(DICEWRIGHT_TOOLCHAIN_VERSION 1\1)/' "$toolchain"
build whole
check "a new toolchain version builds again" test "$STATUS" = 0 -a "$(count 'cmake install')" = 2
sed -i '/^set(DICEWRIGHT_TOOLCHAIN_VERSION/d' "$toolchain"
build whole
check "a toolchain file without its version is refused" test "$STATUS" != 0
cp "$repo/cmake/mingw-w64-x86_64.cmake" "$toolchain"

# One broken step stops the build there, and nothing of it is kept.
: >"$calls"
mkdir -p "$work/broken-bin"
printf '#!/bin/sh\nexit 1\n' >"$work/broken-bin/cp" && chmod +x "$work/broken-bin/cp"
PATH="$work/broken-bin:$PATH" build toolchain
check "a failed copy of the toolchain fails the build ($STATUS)" test "$STATUS" != 0
check "nothing after it runs" test "$(count 'cmake configure')" = 0
check "nothing is marked complete" eval '! complete_in toolchain'
for step in configure build install; do
    : >"$calls"
    BREAK=$step build "$step"
    check "a failed Qt $step fails the build ($STATUS)" test "$STATUS" != 0
    check "after a failed Qt $step nothing is marked complete" eval "! complete_in $step"
done

# The next run after a failure builds afresh and is kept.
: >"$calls"
build build
check "a run after a failure builds again and succeeds" test "$STATUS" = 0 -a "$(count 'cmake install')" = 1
check "and its prefix is marked complete" test -f "$PREFIX/.complete"

finish
