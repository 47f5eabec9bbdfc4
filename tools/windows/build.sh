#!/usr/bin/env bash
# Makes the Windows program: Deslizador-<version>-win64.zip, one Deslizador.exe that runs on
# Windows 10 and 11 with nothing beside it, and Deslizador-<version>-win64-setup.exe, which
# installs it.
#
#   tools/windows/build.sh [--prepare-only] [build dir]        default: build-win64/
#
# Qt for Windows is built once from Debian's own qtbase sources (with Debian's patches) as a
# small static library set for MinGW-w64, and kept in ~/.cache/deslizador/ (or
# $DESLIZADOR_CACHE) under a key made of the Qt source version, the versions of the packages
# that build it, the configure flags and the toolchain; a later run with the same key reuses it,
# and the prefixes of other keys are removed. The host's Qt tools (moc, rcc, uic) serve the cross
# build, so the host Qt must be of the same version.
#
# Nothing outside the cache and the build folder is written (but the packages installed): Qt's
# sources are fetched through an apt configuration of the script's own under the cache. With
# --prepare-only the script stops where Qt's configure would start, having fetched and unpacked
# the sources; $DESLIZADOR_QT_SOURCES may name a folder of source archives fetched before, which
# apt takes instead of downloading them again when their checksums match.
set -euo pipefail
src=$(cd "$(dirname "$0")/../.." && pwd)
prepare_only=0
if [ "${1:-}" = --prepare-only ]; then
    prepare_only=1
    shift
fi
out=$(realpath -m "${1:-$src/build-win64}")
cache=$(realpath -m "${DESLIZADOR_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/deslizador}")
tool=x86_64-w64-mingw32
log() { printf '%s\n' "build.sh: $*" >&2; }

# What builds Qt: its version is part of the cache key, so an upgraded compiler, runtime or
# build tool builds Qt anew instead of linking against objects it did not make.
qt_builders=(g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix mingw-w64-x86-64-dev
    binutils-mingw-w64-x86-64 cmake ninja-build)
"$src/tools/install-deps.sh" "${qt_builders[@]}" dpkg-dev qt6-translations-l10n python3-pefile nsis
mkdir -p "$cache"

# Qt's sources come from the machine's own archives, read through a configuration of our own:
# a deb-src entry for each enabled deb entry (same addresses, suites, components and keys), and
# lists and archives folders under the cache; /etc/apt and the system's lists stay as they are.
apt_dir=$cache/apt
mkdir -p "$apt_dir/lists/partial" "$apt_dir/archives/partial" "$apt_dir/cache" \
    "$apt_dir/sources.list.d"
/usr/bin/python3 - "$apt_dir/sources.list" "$apt_dir/sources.list.d/deb-src.sources" <<'PY'
import glob, re, sys
stanzas, lines = [], []
for name in sorted(glob.glob("/etc/apt/sources.list.d/*.sources")):
    for stanza in re.split(r"\n\s*\n", open(name).read()):
        fields = [l for l in stanza.splitlines() if l.strip() and not l.lstrip().startswith("#")]
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
open(sys.argv[1], "w").write("".join(l + "\n" for l in lines))
open(sys.argv[2], "w").write("\n\n".join(stanzas) + ("\n" if stanzas else ""))
PY
apt_options=(
    -o "Dir::Etc::SourceList=$apt_dir/sources.list"
    -o "Dir::Etc::SourceParts=$apt_dir/sources.list.d"
    -o "Dir::State::Lists=$apt_dir/lists" -o "Dir::Cache=$apt_dir/cache"
    -o "Dir::Cache::Archives=$apt_dir/archives" -o "Debug::NoLocking=true"
)
# As root apt downloads as its own user, who cannot enter a private cache folder; the files it
# fetches are checked against the archive's signed indexes all the same.
[ "$(id -u)" -ne 0 ] || apt_options+=(-o "APT::Sandbox::User=root")
source_uris() { apt-get "${apt_options[@]}" source --print-uris qt6-base 2>/dev/null; }
if ! source_uris | grep -q "qt6-base_.*\.dsc"; then
    log "reading the source indexes of the machine's archives into $apt_dir"
    # An archive that has no sources, or that cannot be reached, only warns here: what counts is
    # whether qtbase's sources were found.
    apt-get "${apt_options[@]}" update -qq || log "some source indexes could not be read"
    source_uris | grep -q "qt6-base_.*\.dsc" ||
        { log "no source package qt6-base in the machine's archives"; exit 1; }
fi

qt_source_version=$(source_uris | sed -n "s/.*qt6-base_\([^ ]*\)\.dsc.*/\1/p" | head -n 1)
host_qt_version=$(dpkg-query -W -f='${Version}' qt6-base-dev-tools 2>/dev/null || true)
[ "${qt_source_version%%+*}" = "${host_qt_version%%+*}" ] || {
    log "the host's Qt tools ($host_qt_version) and Qt's sources ($qt_source_version) differ"
    exit 1
}
builder_versions=$(dpkg-query -W -f='${Package} ${Version}\n' "${qt_builders[@]}")

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
key=$(printf '%s\n' "$qt_source_version" "$builder_versions" "${qt_flags[@]}" "$toolchain_text" |
    sha256sum | cut -c1-12)
prefix=$cache/qt-${qt_source_version%%+*}-win64-$key
work=$cache/work-$key
qtsrc=$cache/qt6-base-$qt_source_version

# Prefixes, build trees and sources of other keys are of no more use.
find "$cache" -mindepth 1 -maxdepth 1 \( -name 'qt-*-win64-*' ! -name "${prefix##*/}" -o \
    -name 'work-*' ! -name "work-$key" -o -name 'qt6-base-*' ! -name "${qtsrc##*/}" -o \
    -name 'unpack.*' \) -exec rm -rf {} +

# The sources are unpacked (dpkg-source applies Debian's patch series) into a folder of their
# own, and take their place only when every patch of the series is applied: a run cut short
# leaves nothing that a later run could take for whole.
applied_all() { # source tree
    [ -f "$1/debian/patches/series" ] && [ -f "$1/.pc/applied-patches" ] &&
        [ "$(sed -e 's/#.*//' -e 's/[[:space:]]*$//' -e '/^$/d' "$1/debian/patches/series" |
            awk '{print $1}')" = "$(sed '/^$/d' "$1/.pc/applied-patches")" ]
}
if [ ! -f "$prefix/.complete" ] && ! applied_all "$qtsrc"; then
    rm -rf "$qtsrc"
    downloads=$cache/sources
    mkdir -p "$downloads"
    if [ -n "${DESLIZADOR_QT_SOURCES:-}" ]; then
        for f in $(source_uris | sed -n "s/^'[^']*' \([^ ]*\) .*/\1/p"); do
            [ -f "$DESLIZADOR_QT_SOURCES/$f" ] && [ ! -f "$downloads/$f" ] &&
                cp "$DESLIZADOR_QT_SOURCES/$f" "$downloads/$f"
        done
    fi
    log "fetching qt6-base $qt_source_version's sources into $downloads"
    (cd "$downloads" && apt-get "${apt_options[@]}" source -qq --download-only qt6-base >/dev/null)
    find "$downloads" -mindepth 1 -maxdepth 1 ! -name "qt6-base_${qt_source_version%%-*}*" \
        -exec rm -rf {} +
    unpack=$(mktemp -d "$cache/unpack.XXXXXX")
    trap 'rm -rf "$unpack"' EXIT
    dpkg-source -x "$downloads/qt6-base_${qt_source_version#*:}.dsc" \
        "$unpack/src" >"$unpack/dpkg-source.log" 2>&1 ||
        { tail -n 20 "$unpack/dpkg-source.log"; exit 1; }
    applied_all "$unpack/src" || { log "Debian's patches were not all applied to qtbase"; exit 1; }
    mv "$unpack/src" "$qtsrc"
    rm -rf "$unpack"
    trap - EXIT
fi

if [ "$prepare_only" = 1 ]; then
    log "prepared: qtbase $qt_source_version in $qtsrc, Qt to be built into $prefix"
    exit 0
fi

if [ ! -f "$prefix/.complete" ]; then
    log "building Qt $qt_source_version for Windows into $prefix (once: 15 to 35 minutes)"
    # The build tree is kept until Qt is installed, so that a build cut short goes on from where
    # it stopped.
    rm -rf "$prefix" && mkdir -p "$prefix" "$work"
    printf '%s\n' "$toolchain_text" >"$prefix/toolchain-mingw64.cmake"
    cmake -S "$qtsrc" -B "$work/build" -G Ninja -Wno-dev \
        -DCMAKE_TOOLCHAIN_FILE="$prefix/toolchain-mingw64.cmake" -DCMAKE_INSTALL_PREFIX="$prefix" \
        -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
        "${qt_flags[@]}" >"$work/configure.log" || { tail -n 40 "$work/configure.log"; exit 1; }
    cmake --build "$work/build" --parallel "$(nproc)" >"$work/build.log" 2>&1 ||
        { tail -n 60 "$work/build.log"; exit 1; }
    cmake --install "$work/build" >/dev/null
    printf '%s\n' "$qt_source_version" "$builder_versions" >"$prefix/.complete"
    rm -rf "$work" "$qtsrc" # the source archives stay, for a build of another key
fi

log "building the game in $out"
cmake -S "$src" -B "$out" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$prefix/lib/cmake/Qt6/qt.toolchain.cmake" \
    -DQT_CHAINLOAD_TOOLCHAIN_FILE="$prefix/toolchain-mingw64.cmake" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DDESLIZADOR_QT_TRANSLATIONS=/usr/share/qt6/translations \
    -DBUILD_TESTING=OFF -DDESLIZADOR_BUILD_BENCHMARKS=OFF >/dev/null
cmake --build "$out" --parallel "$(nproc)"
# The zip and the installer of an earlier run go first, so that the ones checked and reported
# are this run's. The installer is made with Debian's NSIS, from packaging/windows/.
rm -f "$out"/Deslizador-*-win64.zip "$out"/Deslizador-*-win64-setup.exe
(cd "$out" && cpack -G ZIP >/dev/null && cpack -G NSIS >/dev/null)
zips=("$out"/Deslizador-*-win64.zip)
[ ${#zips[@]} -eq 1 ] && [ -f "${zips[0]}" ] || { log "CPack made no zip in $out"; exit 1; }
setups=("$out"/Deslizador-*-win64-setup.exe)
[ ${#setups[@]} -eq 1 ] && [ -f "${setups[0]}" ] ||
    { log "CPack made no installer in $out"; exit 1; }

# A Windows 10 or 11 player gets the .exe alone: its version record and icon must be the game's,
# and it may import Windows' own DLLs only. The installer is a 64-bit program that names the
# game, its version and its maker.
/usr/bin/python3 "$src/tools/windows/check_exe.py" "${zips[0]}" "$src/assets/icono.ico" ||
    { log "the Windows program is not as it must be"; exit 1; }
/usr/bin/python3 "$src/tools/windows/check_installer.py" "${setups[0]}" >/dev/null ||
    { log "the Windows installer is not as it must be"; exit 1; }
log "made ${zips[0]}"
log "made ${setups[0]}"
