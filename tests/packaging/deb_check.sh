#!/usr/bin/env bash
# Packs the built game as a .deb, unpacks it into a scratch root, checks what it holds and what
# it depends on, and starts the unpacked program once on a virtual display until its board
# window shows.
#
#   deb_check.sh <build dir> <work dir>
#
# Exits 77 (skipped) on a system without dpkg, where no .deb can be made or read.
set -euo pipefail

build=$1
work=$2

fail() { echo "FAIL: $*" >&2; exit 1; }

if ! command -v dpkg-deb >/dev/null 2>&1; then
    echo "SKIP: no dpkg-deb on this system; a .deb can be neither made nor unpacked here"
    exit 77
fi
for tool in cpack dpkg-shlibdeps desktop-file-validate appstreamcli Xvfb xdotool xprop readelf; do
    command -v "$tool" >/dev/null 2>&1 || fail "$tool not found; tools/install-deps.sh installs it"
done

rm -rf "$work"
mkdir -p "$work/out"

# Pack. The build directory is only read; cpack works in the scratch directory.
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log" 2>&1 ||
    { cat "$work/cpack.log" >&2; fail "cpack -G DEB failed"; }
shopt -s nullglob
debs=("$work"/out/deslizador_*.deb)
[ ${#debs[@]} -eq 1 ] || fail "expected one deslizador_*.deb, found ${#debs[@]}"
deb=${debs[0]}
echo "packed $(basename "$deb")"

# The control record: the libraries the program links, found by dpkg-shlibdeps, and the
# packages that the linker cannot see.
field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = deslizador ] || fail "package name is '$(field Package)'"
[ "$(field Version)" = 1.0.0.0 ] || fail "version is '$(field Version)'"
[ "$(field Section)" = games ] || fail "section is '$(field Section)'"
# Whole package names in a comma-separated list of alternatives and version constraints.
has_package() {
    tr ',|' '\n\n' <<<"$1" | sed 's/(.*)//; s/[[:space:]]//g' | grep -qx "$2"
}
depends=$(field Depends)
recommends=$(field Recommends)
echo "Depends: $depends"
echo "Recommends: $recommends"
for package in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 fonts-liberation \
               fonts-dejavu-core; do
    has_package "$depends" "$package" || fail "Depends lacks $package"
done
for package in qt6-translations-l10n xdg-utils; do
    has_package "$recommends" "$package" || fail "Recommends lacks $package"
done

# The files.
root="$work/root"
dpkg-deb -x "$deb" "$root"
dpkg-deb -c "$deb" >"$work/contents"
expected=(
    usr/bin/Deslizador
    usr/share/applications/deslizador.desktop
    usr/share/metainfo/example.tornel.deslizador.metainfo.xml
)
for size in 16 22 24 32 48 64 128 256; do
    expected+=("usr/share/icons/hicolor/${size}x${size}/apps/deslizador.png")
done
for file in "${expected[@]}"; do
    [ -f "$root/$file" ] || fail "the package lacks /$file"
done
[ -x "$root/usr/bin/Deslizador" ] || fail "/usr/bin/Deslizador is not executable"
# Nothing outside /usr, and nothing of the build tree.
if awk '{print $6}' "$work/contents" | grep -v '^\./usr/' | grep -vx '\./' | grep -vx '\./usr/' \
        >"$work/stray"; then
    fail "files outside /usr: $(tr '\n' ' ' <"$work/stray")"
fi
# Qt's project setup leaves a search path relative to the program ($ORIGIN/../lib is /usr/lib);
# an absolute one would point into the build tree or some other machine's folders.
runpath=$(readelf -d "$root/usr/bin/Deslizador" | sed -n 's/.*R\(UN\)\{0,1\}PATH.*\[\(.*\)\]/\2/p')
for entry in ${runpath//:/ }; do
    case "$entry" in
    '$ORIGIN' | '$ORIGIN/'*) ;;
    *) fail "the installed program looks for libraries in $entry" ;;
    esac
done

# Each icon is a PNG of the size its folder names (width and height in the IHDR chunk).
for size in 16 22 24 32 48 64 128 256; do
    icon="$root/usr/share/icons/hicolor/${size}x${size}/apps/deslizador.png"
    signature=$(od -An -tx1 -N8 "$icon" | tr -d ' \n')
    [ "$signature" = 89504e470d0a1a0a ] || fail "${size}x${size} icon is not a PNG"
    width=$((16#$(od -An -tx1 -j16 -N4 "$icon" | tr -d ' \n')))
    height=$((16#$(od -An -tx1 -j20 -N4 "$icon" | tr -d ' \n')))
    [ "$width" -eq "$size" ] && [ "$height" -eq "$size" ] ||
        fail "${size}x${size} icon is ${width}x${height}"
done

# The menu entry names what the package holds.
desktop="$root/usr/share/applications/deslizador.desktop"
desktop-file-validate "$desktop" || fail "the installed desktop file does not validate"
exec_program=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$desktop")
[ -x "$root/usr/bin/$exec_program" ] || fail "Exec=$exec_program is not in /usr/bin"
icon_name=$(sed -n 's/^Icon=//p' "$desktop")
[ -f "$root/usr/share/icons/hicolor/48x48/apps/$icon_name.png" ] || fail "no icon named $icon_name"
# The metainfo file's name matches its id, and it points at the desktop file.
appstreamcli validate-tree --no-net "$root" || fail "the installed metainfo does not validate"
grep -qF '<launchable type="desktop-id">deslizador.desktop</launchable>' \
    "$root/usr/share/metainfo/example.tornel.deslizador.metainfo.xml" ||
    fail "the metainfo does not name deslizador.desktop"

# Start the unpacked program on a display of its own, with the system's Qt and nothing of the
# build tree, and wait for its board window, which the splash window opens after three seconds.
program_pid=
xvfb_pid=
cleanup() {
    [ -n "$program_pid" ] && kill "$program_pid" 2>/dev/null || true
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
    wait 2>/dev/null || true
}
trap cleanup EXIT

exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
exec 3>&-
for _ in $(seq 100); do
    [ -s "$work/display" ] && break
    kill -0 "$xvfb_pid" 2>/dev/null || { cat "$work/xvfb.log" >&2; fail "Xvfb did not start"; }
    sleep 0.1
done
[ -s "$work/display" ] || fail "Xvfb gave no display number"
export DISPLAY=":$(head -n1 "$work/display")"

env -u QT_QPA_PLATFORM -u LD_LIBRARY_PATH -u QT_PLUGIN_PATH QT_QPA_PLATFORM=xcb \
    "$root/usr/bin/Deslizador" >"$work/program.log" 2>&1 &
program_pid=$!

if ! window=$(timeout 30 xdotool search --sync --onlyvisible --name '^ Deslizador$' | head -n1) ||
        [ -z "$window" ]; then
    cat "$work/program.log" >&2
    kill -0 "$program_pid" 2>/dev/null || fail "the unpacked program ended before showing its board"
    fail "no window named ' Deslizador' within 30 s"
fi
owner=$(xdotool getwindowpid "$window" 2>/dev/null || true)
[ "$owner" = "$program_pid" ] || fail "the board window belongs to process '$owner', not $program_pid"
# Desktops match the window to its menu entry by the window's class.
wm_class=$(xprop -id "$window" WM_CLASS | sed -n 's/.*= "[^"]*", "\([^"]*\)".*/\1/p')
startup_class=$(sed -n 's/^StartupWMClass=//p' "$desktop")
[ "$wm_class" = "$startup_class" ] ||
    fail "the window's class is '$wm_class', the menu entry expects '$startup_class'"
echo "the unpacked program showed its board window ($window, class $wm_class)"
