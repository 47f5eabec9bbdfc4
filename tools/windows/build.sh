#!/usr/bin/env bash
# Makes the Windows program: Deslizador-<version>-win64.zip, one Deslizador.exe that runs on
# Windows 10 and 11 with nothing beside it.
#
#   tools/windows/build.sh [build dir]        default: build-win64/
#
# Qt for Windows is built once from Debian's own qtbase sources (with Debian's patches) as a
# small static library set for MinGW-w64, and kept in ~/.cache/deslizador/ (or
# $DESLIZADOR_CACHE) under a key made of the Qt source version, the compiler version and the
# configure flags; a later run with the same key reuses it. The host's Qt tools (moc, rcc, uic)
# serve the cross build, so the host Qt must be of the same version.
set -euo pipefail
src=$(cd "$(dirname "$0")/../.." && pwd)
out=$(realpath -m "${1:-$src/build-win64}")
cache=${DESLIZADOR_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/deslizador}
tool=x86_64-w64-mingw32
log() { printf '%s\n' "build.sh: $*" >&2; }

SUDO=
[ "$(id -u)" -eq 0 ] || SUDO=sudo
"$src/tools/install-deps.sh" g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix \
    binutils-mingw-w64-x86-64 ninja-build dpkg-dev qt6-translations-l10n python3-pefile

# Qt's sources come from the machine's own Debian archive: a deb-src entry is added beside each
# deb entry that lacks one, with the same addresses, suites, components and keys.
has_sources() { apt-get source --print-uris qt6-base 2>/dev/null | grep -q "qt6-base_.*\.dsc"; }
if ! has_sources; then
    log "adding source entries for the machine's Debian archives"
    list=/etc/apt/sources.list.d/deslizador-deb-src
    tmp=$(mktemp -d)
    /usr/bin/python3 - "$tmp" <<'PY'
import glob, re, sys
out = sys.argv[1]
stanzas, lines = [], []
for name in sorted(glob.glob("/etc/apt/sources.list.d/*.sources")):
    if "deslizador-deb-src" in name:
        continue
    for stanza in re.split(r"\n\s*\n", open(name).read()):
        fields = [l for l in stanza.splitlines() if l and not l.startswith("#")]
        types = next((l.split(":", 1)[1].split() for l in fields if l.startswith("Types:")), [])
        if "deb" in types and not any(re.match(r"Enabled:\s*no", l) for l in fields):
            stanzas.append("\n".join("Types: deb-src" if l.startswith("Types:") else l
                                     for l in fields))
for name in ["/etc/apt/sources.list"] + sorted(glob.glob("/etc/apt/sources.list.d/*.list")):
    try:
        text = open(name).read()
    except OSError:
        continue
    lines += [re.sub(r"^\s*deb\s", "deb-src ", l) for l in text.splitlines()
              if re.match(r"^\s*deb\s", l)]
if stanzas:
    open(out + "/a.sources", "w").write("\n\n".join(stanzas) + "\n")
if lines:
    open(out + "/a.list", "w").write("\n".join(lines) + "\n")
PY
    [ -f "$tmp/a.sources" ] && $SUDO install -m 644 "$tmp/a.sources" "$list.sources"
    [ -f "$tmp/a.list" ] && $SUDO install -m 644 "$tmp/a.list" "$list.list"
    rm -rf "$tmp"
    $SUDO apt-get update -qq
    has_sources || { log "no source package qt6-base in the machine's archives"; exit 1; }
fi

qt_source_version=$(apt-get source --print-uris qt6-base 2>/dev/null |
    sed -n "s/.*qt6-base_\([^ ]*\)\.dsc.*/\1/p" | head -n 1)
host_qt_version=$(dpkg-query -W -f='${Version}' qt6-base-dev-tools 2>/dev/null || true)
[ "${qt_source_version%%+*}" = "${host_qt_version%%+*}" ] || {
    log "the host's Qt tools ($host_qt_version) and Qt's sources ($qt_source_version) differ"
    exit 1
}
compiler_version=$($tool-g++-posix --version | head -n 1)

# The smallest Qt that the game needs: Core, Gui and Widgets, the Windows platform, the GIF,
# JPEG and ICO readers, with the third-party libraries Qt bundles. OpenGL stays: Qt 6.4's
# Windows platform does not build without it (it loads opengl32.dll only when asked).
# DirectWrite 3 goes with Direct2D (without it the Windows platform still refers to the
# DirectWrite font database); Debian's sources leave out wintab, which tablet events need.
qt_flags=(
    -DBUILD_SHARED_LIBS=OFF -DCMAKE_BUILD_TYPE=Release -DQT_BUILD_EXAMPLES=OFF
    -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF -DFEATURE_sql=OFF -DFEATURE_network=OFF
    -DFEATURE_dbus=OFF -DFEATURE_xml=OFF -DFEATURE_testlib=OFF -DFEATURE_printsupport=OFF
    -DFEATURE_concurrent=OFF -DFEATURE_vulkan=OFF -DFEATURE_icu=OFF
    -DFEATURE_zstd=OFF -DFEATURE_freetype=OFF -DFEATURE_fontconfig=OFF -DFEATURE_direct2d=OFF
    -DFEATURE_directwrite3=OFF -DFEATURE_tabletevent=OFF -DFEATURE_system_zlib=OFF
    -DFEATURE_system_png=OFF -DFEATURE_system_jpeg=OFF -DFEATURE_system_pcre2=OFF
    -DFEATURE_system_harfbuzz=OFF -DFEATURE_gif=ON -DFEATURE_jpeg=ON -DFEATURE_ico=ON
)
toolchain_text=$(cat <<TOOLCHAIN
# MinGW-w64 for 64-bit Windows, with the posix thread model that Qt 6 needs.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER $tool-gcc-posix)
set(CMAKE_CXX_COMPILER $tool-g++-posix)
set(CMAKE_RC_COMPILER $tool-windres)
set(CMAKE_FIND_ROOT_PATH /usr/$tool)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
TOOLCHAIN
)
key=$(printf '%s\n' "$qt_source_version" "$compiler_version" "${qt_flags[@]}" "$toolchain_text" |
    sha256sum | cut -c1-12)
prefix=$cache/qt-${qt_source_version%%+*}-win64-$key

if [ ! -f "$prefix/.complete" ]; then
    log "building Qt $qt_source_version for Windows into $prefix (once: 15 to 35 minutes)"
    # The build tree is kept until Qt is installed, so that a build cut short goes on from where
    # it stopped; trees of other keys are gone.
    work=$cache/work-$key
    find "$cache" -mindepth 1 -maxdepth 1 -name 'work-*' ! -name "work-$key" -exec rm -rf {} +
    rm -rf "$prefix" && mkdir -p "$prefix" "$work"
    printf '%s\n' "$toolchain_text" >"$prefix/toolchain-mingw64.cmake"
    chmod 755 "$work" # apt's own user fetches the sources into it
    # dpkg-source unpacks the sources and applies Debian's patch series.
    qtsrc=$(find "$work" -mindepth 1 -maxdepth 1 -type d -name 'qt6-base-*' | head -n 1)
    if [ -z "$qtsrc" ]; then
        (cd "$work" && apt-get source -qq qt6-base >/dev/null)
        qtsrc=$(find "$work" -mindepth 1 -maxdepth 1 -type d -name 'qt6-base-*' | head -n 1)
    fi
    [ -f "$qtsrc/debian/patches/series" ] && grep -q . "$qtsrc/.pc/applied-patches" || {
        log "Debian's patches were not applied to $qtsrc"
        exit 1
    }
    cmake -S "$qtsrc" -B "$work/build" -G Ninja -Wno-dev \
        -DCMAKE_TOOLCHAIN_FILE="$prefix/toolchain-mingw64.cmake" -DCMAKE_INSTALL_PREFIX="$prefix" \
        -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
        "${qt_flags[@]}" >"$work/configure.log" || { tail -n 40 "$work/configure.log"; exit 1; }
    cmake --build "$work/build" --parallel "$(nproc)" >"$work/build.log" 2>&1 ||
        { tail -n 60 "$work/build.log"; exit 1; }
    cmake --install "$work/build" >/dev/null
    printf '%s\n' "$qt_source_version" "$compiler_version" >"$prefix/.complete"
    rm -rf "$work"
fi

log "building the game in $out"
cmake -S "$src" -B "$out" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$prefix/lib/cmake/Qt6/qt.toolchain.cmake" \
    -DQT_CHAINLOAD_TOOLCHAIN_FILE="$prefix/toolchain-mingw64.cmake" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DDESLIZADOR_QT_TRANSLATIONS=/usr/share/qt6/translations \
    -DBUILD_TESTING=OFF -DDESLIZADOR_BUILD_BENCHMARKS=OFF >/dev/null
cmake --build "$out" --parallel "$(nproc)"
(cd "$out" && cpack -G ZIP >/dev/null)

# A Windows 10 or 11 player gets the .exe alone: its version record and icon must be the game's,
# and it may import Windows' own DLLs only.
/usr/bin/python3 "$src/tools/windows/check_exe.py" "$out"/Deslizador-*-win64.zip \
    "$src/assets/icono.ico" || { log "the Windows program is not as it must be"; exit 1; }
log "made $(ls "$out"/Deslizador-*-win64.zip)"
