#!/usr/bin/env bash
# Packs the built game as a .deb, unpacks it into a scratch root, checks what it holds and what
# it depends on, and starts the unpacked program on a virtual display until its board shows.
#   deb_check.sh <build dir> <work dir>      (exits 77, skipped, where dpkg is missing)
set -euo pipefail
build=$1 work=$2
fail() { echo "FAIL: $*" >&2; exit 1; }
command -v dpkg-deb >/dev/null || { echo "SKIP: no dpkg-deb here"; exit 77; }
rm -rf "$work" && mkdir -p "$work/out"
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log" 2>&1 ||
    { cat "$work/cpack.log" >&2; fail "cpack -G DEB failed"; }
debs=("$work"/out/deslizador_*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || fail "expected one deslizador_*.deb"
deb=${debs[0]}

# The control record: the libraries dpkg-shlibdeps found, and what the linker cannot see.
field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package) $(field Version) $(field Section)" = "deslizador 1.0.0.0 games" ] ||
    fail "package, version, section: $(field Package) $(field Version) $(field Section)"
names() { tr ',|' '\n\n' <<<"$1" | sed 's/(.*)//; s/[[:space:]]//g'; }
for p in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 fonts-liberation fonts-dejavu-core; do
    names "$(field Depends)" | grep -qx "$p" || fail "Depends lacks $p"
done
for p in qt6-translations-l10n xdg-utils qt6-wayland; do
    names "$(field Recommends)" | grep -qx "$p" || fail "Recommends lacks $p"
done

# The files: the program, its menu entry, metainfo and icons, nothing outside /usr.
root=$work/root
dpkg-deb -x "$deb" "$root"
[ -x "$root/usr/bin/Deslizador" ] || fail "no executable /usr/bin/Deslizador"
dpkg-deb -c "$deb" | awk '{print $6}' | grep -v '^\./usr/' | grep -vx '\./' >"$work/stray" &&
    fail "files outside /usr: $(cat "$work/stray")"
# The search path for libraries stays relative to the program, never the build tree.
readelf -d "$root/usr/bin/Deslizador" | sed -n 's/.*RU*N*PATH.*\[\(.*\)\]/\1/p' | tr ':' '\n' |
    grep -v '^\$ORIGIN' | grep . && fail "the installed program looks for libraries outside \$ORIGIN"
for size in 16 22 24 32 48 64 128 256; do # a PNG of the size its folder names
    icon=$root/usr/share/icons/hicolor/${size}x${size}/apps/deslizador.png
    [ "$(od -An -tx1 -N8 "$icon" | tr -d ' \n')" = 89504e470d0a1a0a ] || fail "$icon: no PNG"
    [ "$(od -An -tu1 -j16 -N8 "$icon" | tr -s ' ' | sed 's/^ //')" = "0 0 $((size / 256)) $((size % 256)) 0 0 $((size / 256)) $((size % 256))" ] ||
        fail "$icon is not ${size}x${size}"
done
desktop=$root/usr/share/applications/deslizador.desktop
desktop-file-validate "$desktop" || fail "the installed desktop file does not validate"
[ -x "$root/usr/bin/$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$desktop")" ] || fail "Exec= names no program"
[ -f "$root/usr/share/icons/hicolor/48x48/apps/$(sed -n 's/^Icon=//p' "$desktop").png" ] ||
    fail "Icon= names no icon"
appstreamcli validate-tree --no-net "$root" || fail "the installed metainfo does not validate"
grep -qF '<launchable type="desktop-id">deslizador.desktop</launchable>' \
    "$root/usr/share/metainfo/example.tornel.deslizador.metainfo.xml" || fail "metainfo: no launchable"

# The unpacked program with the system's Qt, on a display of its own, until its board shows;
# desktops match that window to the menu entry by its class.
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
[ "$class" = "$(sed -n 's/^StartupWMClass=//p' "$desktop")" ] || fail "window class $class"
echo "the unpacked program showed its board window (class $class)"
