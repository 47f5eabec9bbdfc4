#!/usr/bin/env bash
# cross_check.sh logic|resource|launch <work dir>: that Windows piece built with MinGW-w64.
set -euo pipefail
step=$1 work=$2 src=$(dirname "$(realpath "$0")")/../.. tool=x86_64-w64-mingw32
fail() { echo "FAIL: $*" >&2; exit 1; }
# The project's warnings as errors; -Wno-restrict for GCC 12's false overlaps (its bug 105651).
cxx() { $tool-g++ -std=c++20 -O2 -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Werror \
    -Wno-restrict -I "$src" "$@"; }
has_lines() { # prints each line missing from the file, blanks at both ends dropped
    ! printf '%s\n' "${@:2}" | grep -vxFf <(sed 's/^[[:space:]]*//; s/[[:space:]]*$//' "$1") ||
        fail "$(basename "$1") lacks the lines above"
}
rm -rf "$work" && mkdir -p "$work"
if [ "$step" = logic ]; then
    for source in "$src"/logic/*.cpp; do cxx -c "$source" -o "$work/$(basename "$source").obj"; done
    exit 0
fi
# The script names its icon relative to its own folder.
(cd "$src/ui/app" && $tool-windres -O res -i deslizador.rc -o "$work/res" &&
    $tool-windres -O coff -i deslizador.rc -o "$work/res.o")
if [ "$step" = resource ]; then
    $tool-windres -i "$work/res" -O rc >"$work/decompiled.rc"
    has_lines "$work/decompiled.rc" 'FILEVERSION 1, 0, 0, 0' 'PRODUCTVERSION 1, 0, 0, 0' \
        'BLOCK "0C0A04B0"' 'VALUE "CompanyName", "Calderina"' 'VALUE "FileVersion", "1.00"' \
        'VALUE "InternalName", "Deslizador"' 'VALUE "OriginalFilename", "Deslizador.exe"' \
        'VALUE "ProductName", "Deslizador"' 'VALUE "ProductVersion", "1.00"' \
        'VALUE "Translation", 0xc0a, 1200'
    grep -q RT_GROUP_ICON "$work/decompiled.rc" || fail "the resources hold no icon"
else # the wide-character call, so that paths and addresses beyond Windows-1252 arrive unchanged
    echo 'int wmain() { return 0; }' | cxx -municode -static -o "$work/launch.exe" -x c++ - \
        -x none "$src/ui/platform/winlaunch.cpp" "$work/res.o"
    $tool-objdump -p "$work/launch.exe" >"$work/imports"
    [ "$(grep -ow 'CreateProcess[AW]' "$work/imports")" = CreateProcessW ] || fail "CreateProcess"
    has_lines <(strings -el "$work/launch.exe") Calderina Deslizador.exe 1.00 # in UTF-16
fi
