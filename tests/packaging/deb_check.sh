#!/usr/bin/env bash
# deb_check.sh <build dir> <work dir>: the .deb as Debian ships a game (lintian finds no error or
# warning), its program starting; 77: no dpkg
set -euo pipefail
build=$1 work=$2 root=$2/root
fail() { echo "FAIL: $*" >&2; exit 1; }
command -v dpkg-deb >/dev/null || { echo "SKIP: no dpkg-deb here"; exit 77; }
rm -rf "$work" && mkdir -p "$work/out"
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/out" >&2
deb=$(echo "$work"/out/deslizador_*.deb)

[ "$(dpkg-deb -f "$deb" Package Version Section | tr '\n' ' ')" = \
    "Package: deslizador Version: 1.0.0.0 Section: games " ] || fail "$(dpkg-deb -f "$deb")"
for need in Depends:{libc6,libstdc++6,libqt6{core,gui,widgets}6,fonts-{liberation,dejavu-core}} \
    Recommends:{qt6-translations-l10n,xdg-utils,qt6-wayland}; do
    dpkg-deb -f "$deb" "${need%%:*}" | tr ',|' '\n\n' | sed 's/(.*)//; s/[[:space:]]//g' |
        grep -qx "${need#*:}" || fail "lacks $need"
done

# Debian's own checker: an error or a warning fails; its infos and pedantic notes are shown.
command -v lintian >/dev/null || fail "no lintian here (tools/install-deps.sh --test)"
lintian --display-info --pedantic --fail-on error,warning "$deb" >&2 || fail "lintian: as above"

dpkg-deb -x "$deb" "$root"
dpkg-deb -c "$deb" | awk '$6 !~ /^\.\/(usr\/|$)/ {print; out = 1} END {exit out}' || fail "not /usr"
# The search path for libraries stays relative to the program, never the build tree.
game=$root/usr/games/deslizador
readelf -d "$game" | sed -n 's/.*RU*N*PATH.*\[\(.*\)\]/\1/p' | tr ':' '\n' |
    grep -v '^\$ORIGIN' | grep . && fail "the program looks for libraries outside \$ORIGIN"
for drawn in "$(dirname "$(realpath "$0")")"/../../assets/icons/hicolor/*x*; do # as drawn
    s=$(basename "$drawn") icon=$root/usr/share/icons/hicolor/$s/apps/deslizador.png
    [ "$(identify -format '%m %wx%h' "$icon")" = "PNG $s" ] || fail "$icon: no $s PNG"
done
desktop=$root/usr/share/applications/deslizador.desktop
key() { sed -n "s/^$1=\([^ ]*\).*/\1/p" "$desktop"; }
desktop-file-validate "$desktop" || fail "the installed desktop file does not validate"
[ -x "$root/usr/games/$(key Exec)" ] || fail "Exec= names no program in /usr/games"
for page in man6 es/man6; do # the manual pages, English and Spanish, read by man as installed
    text=$(MANWIDTH=80 man -l "$root/usr/share/man/$page/deslizador.6.gz" 2>&1) &&
        grep -q '^ *deslizador - ' <<<"$text" || fail "no manual page $page: $text"
done
[ -f "$root/usr/share/icons/hicolor/48x48/apps/$(key Icon).png" ] || fail "Icon= names no icon"
appstreamcli validate-tree --no-net "$root" || fail "the installed metainfo does not validate"
grep -qF '<launchable type="desktop-id">deslizador.desktop</launchable>' \
    "$root"/usr/share/metainfo/example.tornel.deslizador.metainfo.xml || fail "no launchable"
# The release the metainfo announces is the package's and its changelog's; its screenshots are
# the pictures the played-through check takes, at their size.
metainfo=$root/usr/share/metainfo/example.tornel.deslizador.metainfo.xml
changelog=$(gzip -dc "$root/usr/share/doc/deslizador/changelog.gz" | head -n1)
release=$(sed -n 's/.*<release version="\([^"]*\)".*/\1/p' "$metainfo")
[ "$changelog" = "deslizador ($release) unstable; urgency=medium" ] ||
    fail "metainfo release $release, changelog $changelog"
sed -n 's/.*width="\([0-9]*\)" height="\([0-9]*\)">.*\/\([a-z-]*\.png\)<.*/\3 \1x\2/p' \
    "$metainfo" | while read -r name size; do
    [ "$(identify -format '%wx%h' "$(dirname "$0")/../../docs/$name")" = "$size" ] ||
        fail "the screenshot $name is not $size"
done

trap 'kill $(jobs -p) 2>/dev/null || true' EXIT
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=":$(head -n1 "$work/display")"
env -u LD_LIBRARY_PATH -u QT_PLUGIN_PATH QT_QPA_PLATFORM=xcb "$game" \
    >"$work/program.log" 2>&1 &
window=$(timeout 30 xdotool search --sync --onlyvisible --name '^ Deslizador$' | head -n1) ||
    { cat "$work/program.log" >&2; fail "no board window within 30 s"; }
class=$(xprop -id "$window" WM_CLASS | sed -n 's/.*", "\([^"]*\)".*/\1/p')
[ "$class" = "$(key StartupWMClass)" ] || fail "window class $class, not the menu entry's"
