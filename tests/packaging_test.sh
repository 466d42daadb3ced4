#!/usr/bin/env bash
# The desktop files pass their validators, and the Debian package holds what it should and
# declares what it needs.
#   packaging_test.sh BUILD_DIR DESKTOP_FILE METAINFO_FILE
set -u
build=$(realpath "$1")
desktop=$2
metainfo=$3
passed=0
failed=0
check() {
    local what=$1
    shift
    if "$@"; then
        echo "PASS: $what"
        passed=$((passed + 1))
    else
        echo "FAIL: $what"
        failed=$((failed + 1))
    fi
}

check "the desktop entry is valid" desktop-file-validate "$desktop"
check "the metainfo is valid" appstreamcli validate --no-net "$metainfo"

out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
if (cd "$out" && cpack -G DEB --config "$build/CPackConfig.cmake" -B "$out" >cpack.log 2>&1); then
    package=$(ls "$out"/*.deb)
    contents=$(dpkg-deb -c "$package" | awk '{print $NF}')
    holds() { grep -qx "$1" <<<"$contents"; }
    check "the package holds the program" holds ./usr/bin/dicewright
    check "the package holds the desktop entry" holds ./usr/share/applications/$(basename "$desktop")
    check "the package holds the metainfo" holds ./usr/share/metainfo/$(basename "$metainfo")
    for size in 16 24 32 48 64 128 256; do
        check "the package holds the ${size}px icon" \
            holds "./usr/share/icons/hicolor/${size}x${size}/apps/$(basename "$desktop" .desktop).png"
    done
    depends=$(dpkg-deb -f "$package" Depends)
    check "the package depends on Qt Widgets" grep -q libqt6widgets6 <<<"$depends"
    check "the package depends on the Liberation fonts" grep -q fonts-liberation <<<"$depends"
    check "the package is named and versioned" test "$(dpkg-deb -f "$package" Package Version | tr '\n' ' ')" = "Package: dicewright Version: 1.0.0 "
else
    cat "$out/cpack.log"
    check "cpack builds a package" false
fi

echo "$passed passed, $failed failed"
[ "$failed" = 0 ]
