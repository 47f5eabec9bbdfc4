#!/bin/sh
# No server at DISPLAY, a malformed DISPLAY, no Wayland compositor: told in Spanish, exit 1.
runtime=$(mktemp -d) failed=0
trap 'rm -rf "$runtime"' EXIT
for setting in DISPLAY=:957 DISPLAY=nada:x.y WAYLAND_DISPLAY=ninguno; do
    said=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM XDG_RUNTIME_DIR="$runtime" \
        "$setting" "$1" 2>&1 >/dev/null; echo " (exit status $?)")
    case $said in
    "Deslizador no pudo abrir la pantalla ("*" (exit status 1)") ;;
    *) echo "$setting: $said"; failed=1 ;;
    esac
done
exit $failed
