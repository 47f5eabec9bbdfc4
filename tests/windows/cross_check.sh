#!/usr/bin/env bash
# Builds the game's Windows-only pieces with the MinGW-w64 cross tools (tools/install-deps.sh
# --test installs them):
#   cross_check.sh logic|resource|launch <source dir> <work dir>
# logic: every logic/*.cpp; resource: ui/deslizador.rc, its version record and icon; launch:
# ui/winlaunch.cpp linked into a program that starts processes through CreateProcessW.
set -euo pipefail
step=$1 src=$2 work=$3
tool=x86_64-w64-mingw32
fail() { echo "FAIL: $*" >&2; exit 1; }
# The project's warnings as errors; -Wno-restrict for GCC 12's false overlaps (its bug 105651).
cxx() { $tool-g++ -std=c++20 -O2 -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Werror \
    -Wno-restrict -I "$src" "$@"; }
# Every line must be in the file, as a whole line once blanks at both ends are dropped.
expect_lines() {
    local file=$1 line
    shift
    for line in "$@"; do
        sed 's/^[[:space:]]*//; s/[[:space:]]*$//' "$file" | grep -qxF -- "$line" ||
            fail "$(basename "$file") lacks the line: $line"
    done
}
resource() { # the script names its icon relative to its own folder
    (cd "$src/ui" && $tool-windres -O res -i deslizador.rc -o "$work/res" &&
        $tool-windres -O coff -i deslizador.rc -o "$work/res.o")
}
rm -rf "$work" && mkdir -p "$work"
case "$step" in
logic)
    for source in "$src"/logic/*.cpp; do cxx -c "$source" -o "$work/$(basename "$source").obj"; done
    ;;
resource)
    resource
    $tool-windres -i "$work/res" -O rc >"$work/decompiled.rc"
    expect_lines "$work/decompiled.rc" 'FILEVERSION 1, 0, 0, 0' 'PRODUCTVERSION 1, 0, 0, 0' \
        'BLOCK "0C0A04B0"' 'VALUE "CompanyName", "Calderina"' 'VALUE "FileVersion", "1.00"' \
        'VALUE "InternalName", "Deslizador"' 'VALUE "OriginalFilename", "Deslizador.exe"' \
        'VALUE "ProductName", "Deslizador"' 'VALUE "ProductVersion", "1.00"' \
        'VALUE "Translation", 0xc0a, 1200'
    grep -q RT_GROUP_ICON "$work/decompiled.rc" || fail "the resources hold no icon"
    strings -el "$work/res" >"$work/strings" # Windows reads the record as UTF-16
    expect_lines "$work/strings" Calderina Deslizador.exe 1.00 0C0A04B0
    ;;
launch)
    resource
    cxx -municode -static -o "$work/launch.exe" "$src/tests/windows/launch_main.cpp" \
        "$src/ui/winlaunch.cpp" "$work/res.o"
    # The wide-character call, so that paths and addresses beyond Windows-1252 arrive unchanged.
    $tool-objdump -p "$work/launch.exe" >"$work/imports"
    grep -qw CreateProcessW "$work/imports" || fail "launch.exe does not import CreateProcessW"
    ! grep -qw CreateProcessA "$work/imports" || fail "launch.exe imports CreateProcessA"
    strings -el "$work/launch.exe" >"$work/strings" # a linked program carries the version record
    expect_lines "$work/strings" Calderina Deslizador.exe 1.00
    ;;
*) fail "unknown step $step" ;;
esac
echo "windows $step: ok"
