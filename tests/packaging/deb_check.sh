#!/usr/bin/env bash
# Packs the built game as a .deb, checks its control record and what it installs (program, menu
# entry, metainfo, icons, all valid and under /usr), and starts the unpacked program on a display
# of its own until its board shows.
#   deb_check.sh <build dir> <work dir>      (exits 77, skipped, where dpkg is missing)
set -euo pipefail
build=$1 work=$2
fail() { echo "FAIL: $*" >&2; exit 1; }
command -v dpkg-deb >/dev/null || { echo "SKIP: no dpkg-deb here"; exit 77; }
rm -rf "$work" && mkdir -p "$work/out"
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log" 2>&1 ||
    { cat "$work/cpack.log" >&2; fail "cpack -G DEB failed"; }
deb=$(echo "$work"/out/deslizador_*.deb)
[ -f "$deb" ] || fail "expected one deslizador_*.deb, found $deb"

# The control record: the libraries dpkg-shlibdeps found, and what the linker cannot see.
[ "$(dpkg-deb -f "$deb" Package Version Section | tr '\n' ' ')" = \
    "Package: deslizador Version: 1.0.0.0 Section: games " ] || fail "$(dpkg-deb -f "$deb")"
needs() {
    local field=$1 name
    shift
    for name; do
        dpkg-deb -f "$deb" "$field" | tr ',|' '\n\n' | sed 's/(.*)//; s/[[:space:]]//g' |
            grep -x "$name" >/dev/null || fail "$field lacks $name"
    done
}
needs Depends libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 \
    fonts-liberation fonts-dejavu-core
needs Recommends qt6-translations-l10n xdg-utils qt6-wayland

root=$work/root
dpkg-deb -x "$deb" "$root"
dpkg-deb -c "$deb" | awk '{print $6}' | grep -v -e '^\./usr/' -e '^\./$' &&
    fail "files outside /usr"
# The search path for libraries stays relative to the program, never the build tree.
readelf -d "$root/usr/bin/Deslizador" | sed -n 's/.*RU*N*PATH.*\[\(.*\)\]/\1/p' | tr ':' '\n' |
    grep -v '^\$ORIGIN' | grep . && fail "the program looks for libraries outside \$ORIGIN"
for size in 16 22 24 32 48 64 128 256; do
    icon=$root/usr/share/icons/hicolor/${size}x${size}/apps/deslizador.png
    [ "$(identify -format '%m %wx%h' "$icon")" = "PNG ${size}x${size}" ] ||
        fail "$icon: no ${size}x${size} PNG"
done
desktop=$root/usr/share/applications/deslizador.desktop
key() { sed -n "s/^$1=\([^ ]*\).*/\1/p" "$desktop"; }
desktop-file-validate "$desktop" || fail "the installed desktop file does not validate"
[ -x "$root/usr/bin/$(key Exec)" ] || fail "Exec= names no program in /usr/bin"
[ -f "$root/usr/share/icons/hicolor/48x48/apps/$(key Icon).png" ] || fail "Icon= names no icon"
appstreamcli validate-tree --no-net "$root" || fail "the installed metainfo does not validate"
grep -qF '<launchable type="desktop-id">deslizador.desktop</launchable>' \
    "$root"/usr/share/metainfo/example.tornel.deslizador.metainfo.xml || fail "no launchable"

# The unpacked program with the system's Qt, until its board shows; desktops match that window
# to the menu entry by its class.
trap 'kill $(jobs -p) 2>/dev/null || true' EXIT
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=":$(head -n1 "$work/display")"
env -u LD_LIBRARY_PATH -u QT_PLUGIN_PATH QT_QPA_PLATFORM=xcb "$root/usr/bin/Deslizador" \
    >"$work/program.log" 2>&1 &
window=$(timeout 30 xdotool search --sync --onlyvisible --name '^ Deslizador$' | head -n1) ||
    { cat "$work/program.log" >&2; fail "no board window within 30 s"; }
[ "$(xdotool getwindowpid "$window")" = "$!" ] || fail "the board window is another program's"
class=$(xprop -id "$window" WM_CLASS | sed -n 's/.*", "\([^"]*\)".*/\1/p')
[ "$class" = "$(key StartupWMClass)" ] || fail "window class $class"
echo "the unpacked program showed its board window (class $class)"
