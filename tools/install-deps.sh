#!/usr/bin/env bash
# Installs, with apt-get and only when missing, what building and playing the game need on
# Debian 12; with --test, what its tests need as well. Non-interactive; does nothing when
# everything is already there.
#   tools/install-deps.sh [--test] [more packages...]
set -euo pipefail

packages=(
    # build
    cmake g++ make pkgconf qt6-base-dev qt6-base-dev-tools libgl-dev libxcb1-dev
    # play: Qt's Spanish texts, the metric-compatible fonts the windows are laid out for, Qt's
    # Wayland platform
    qt6-translations-l10n fonts-liberation fonts-dejavu-core qt6-wayland
)
tests=(
    # the suites and the benchmarks
    libgtest-dev libgmock-dev libbenchmark-dev clang-format
    # a display and a window manager for the played-through check, and tools for it
    xvfb xauth openbox xdotool x11-utils imagemagick python3-pil python3-xlib
    tesseract-ocr tesseract-ocr-spa
    # a real accessibility bus and a screen reader's view of the game; a Wayland compositor
    dbus-daemon at-spi2-core weston
    # package: the menu entry and metainfo validators, the .deb's library dependencies, Debian's
    # own package checker
    desktop-file-utils appstream dpkg-dev lintian
    # fuzz the number readings: clang with libFuzzer and the sanitizer runtimes
    clang libclang-rt-14-dev
    # the Windows program played under Wine, with Wine's own Windows fonts (MS Sans Serif among
    # them), its browser stand-in built with MinGW, its version record and icon read back
    wine wine64 fonts-wine gcc-mingw-w64-x86-64-posix python3-pefile
    # the game heard through a real screen reader: Orca, speaking Spanish with espeak-ng through
    # speech-dispatcher, and the locale definitions its Spanish locale is made from
    orca speech-dispatcher speech-dispatcher-espeak-ng locales
)
if [ "${1:-}" = --test ]; then
    packages+=("${tests[@]}")
    shift
fi
packages+=("$@")

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
SUDO=
[ "$(id -u)" -eq 0 ] || SUDO=sudo
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
