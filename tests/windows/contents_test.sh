#!/usr/bin/env bash
# The Windows packages hold what packaging/windows/contents.txt lists: its files in the zip,
# its static plugins linked into the program, and no DLL that a Windows machine lacks.
#   contents_test.sh CONTENTS ZIP UNSTRIPPED_EXE
set -u
contents=$1
zip=$2
exe=$3
# shellcheck source=../checks.sh
source "$(dirname "$(realpath "$0")")/../checks.sh"

listed=$(unzip -Z1 "$zip" | sed 's|^[^/]*/||')
symbols=$(x86_64-w64-mingw32-nm "$exe")
imports=$(x86_64-w64-mingw32-objdump -p "$exe" | awk '/DLL Name:/ {print $3}')
while read -r kind value; do
    case $kind in
        file) check "the zip holds $value" grep -qx "$value" <<<"$listed" ;;
        plugin) check "Dicewright.exe links the $value" grep -q "qt_static_plugin_$value" <<<"$symbols" ;;
        no-dll) check "Dicewright.exe imports no DLL matching $value" bash -c "! grep -qiE '$value' <<<'$imports'" ;;
    esac
done < <(grep -v '^#' "$contents")
check "Dicewright.exe is a GUI program" bash -c "x86_64-w64-mingw32-objdump -p '$exe' | grep -q 'Windows GUI'"

finish
