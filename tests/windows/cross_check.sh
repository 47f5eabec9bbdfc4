#!/usr/bin/env bash
# Builds the game's Windows-only pieces with the MinGW-w64 cross tools, so that they keep
# building although the game is developed on Linux.
#
#   cross_check.sh logic    <source dir> <work dir>   every logic/*.cpp into a Windows object
#   cross_check.sh resource <source dir> <work dir>   ui/deslizador.rc: version record and icon
#   cross_check.sh launch   <source dir> <work dir>   ui/winlaunch.cpp linked into a program
#
# The tools come from the environment: CXX (x86_64-w64-mingw32-g++), WINDRES, OBJDUMP.
set -euo pipefail

step=$1
src=$2
work=$3
CXX=${CXX:-x86_64-w64-mingw32-g++}
WINDRES=${WINDRES:-x86_64-w64-mingw32-windres}
OBJDUMP=${OBJDUMP:-x86_64-w64-mingw32-objdump}

fail() { echo "FAIL: $*" >&2; exit 1; }

need() {
    command -v "$1" >/dev/null 2>&1 ||
        fail "$1 not found; tools/install-deps.sh installs g++-mingw-w64-x86-64 and binutils-mingw-w64-x86-64"
}

# The project's own warning set, as errors. -O2 lets the compiler see far enough to warn about
# flow; -Wno-restrict for GCC 12's false overlaps in std::string (its bug 105651), as on Linux.
flags=(-std=c++20 -O2 -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Werror -Wno-restrict
       -I "$src")

rm -rf "$work"
mkdir -p "$work"

# Compiles ui/deslizador.rc into a linkable object and checks its version record, read back
# both as the resource compiler sees it and as the UTF-16 strings that Windows shows.
compile_resource() {
    need "$WINDRES"
    # The script names its icon relative to its own folder.
    (cd "$src/ui" && "$WINDRES" -O res -i deslizador.rc -o "$work/deslizador.res")
    (cd "$src/ui" && "$WINDRES" -O coff -i deslizador.rc -o "$work/deslizador.res.o")
    "$WINDRES" -i "$work/deslizador.res" -O rc >"$work/deslizador.decompiled.rc"
}

# Every line must occur in the file, as a whole line once blanks at both ends are dropped.
expect_lines() {
    local file=$1
    shift
    local line
    for line in "$@"; do
        sed 's/^[[:space:]]*//; s/[[:space:]]*$//' "$file" | grep -qxF -- "$line" ||
            fail "$(basename "$file") lacks the line: $line"
    done
}

case "$step" in
logic)
    need "$CXX"
    shopt -s nullglob
    sources=("$src"/logic/*.cpp)
    [ ${#sources[@]} -gt 0 ] || fail "no sources in $src/logic"
    for source in "${sources[@]}"; do
        name=$(basename "$source" .cpp)
        "$CXX" "${flags[@]}" -c "$source" -o "$work/$name.obj"
        echo "built $name.obj"
    done
    ;;

resource)
    compile_resource
    expect_lines "$work/deslizador.decompiled.rc" \
        'FILEVERSION 1, 0, 0, 0' \
        'PRODUCTVERSION 1, 0, 0, 0' \
        'BLOCK "0C0A04B0"' \
        'VALUE "CompanyName", "Calderina"' \
        'VALUE "FileVersion", "1.00"' \
        'VALUE "InternalName", "Deslizador"' \
        'VALUE "OriginalFilename", "Deslizador.exe"' \
        'VALUE "ProductName", "Deslizador"' \
        'VALUE "ProductVersion", "1.00"' \
        'VALUE "Translation", 0xc0a, 1200'
    grep -q 'RT_GROUP_ICON' "$work/deslizador.decompiled.rc" || fail "the resources hold no icon"
    # Windows reads the record as UTF-16 text.
    strings -el "$work/deslizador.res" >"$work/deslizador.strings"
    expect_lines "$work/deslizador.strings" Calderina Deslizador.exe 1.00 0C0A04B0
    echo "version record and icon present"
    ;;

launch)
    need "$CXX"
    need "$OBJDUMP"
    compile_resource
    "$CXX" "${flags[@]}" -c "$src/ui/winlaunch.cpp" -o "$work/winlaunch.obj"
    "$CXX" "${flags[@]}" -municode -c "$src/tests/windows/launch_main.cpp" -o "$work/launch_main.obj"
    "$CXX" -municode -static -o "$work/launch.exe" "$work/launch_main.obj" "$work/winlaunch.obj" \
        "$work/deslizador.res.o"
    # The start goes through the wide-character call, so that paths and addresses beyond
    # Windows-1252 arrive unchanged.
    "$OBJDUMP" -p "$work/launch.exe" >"$work/launch.imports"
    grep -qw CreateProcessW "$work/launch.imports" || fail "launch.exe does not import CreateProcessW"
    if grep -qw CreateProcessA "$work/launch.imports"; then
        fail "launch.exe imports CreateProcessA"
    fi
    # A linked program carries the version record.
    strings -el "$work/launch.exe" >"$work/launch.strings"
    expect_lines "$work/launch.strings" Calderina Deslizador.exe 1.00
    echo "launch.exe linked"
    ;;

*)
    fail "unknown step $step"
    ;;
esac
