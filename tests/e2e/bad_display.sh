#!/bin/sh
# A display that cannot be opened is told in plain Spanish, with exit status 1: no server at
# DISPLAY, a malformed DISPLAY, no compositor at WAYLAND_DISPLAY with X11 unavailable.
game=$1
runtime=$(mktemp -d)
trap 'rm -rf "$runtime"' EXIT
failed=0
check() {
    what=$1
    shift
    said=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM XDG_RUNTIME_DIR="$runtime" "$@" \
        "$game" 2>&1 >/dev/null)
    status=$?
    case $said in
    *"Deslizador no pudo abrir la pantalla"*) ;;
    *) echo "$what: no plain message: $said"; failed=1 ;;
    esac
    case $said in *[Pp]lugin*) echo "$what: Qt's own message: $said"; failed=1 ;; esac
    [ "$status" -eq 1 ] || { echo "$what: exit status $status, not 1"; failed=1; }
}
check "no server" DISPLAY=:957
check "malformed" DISPLAY=nada:x.y
check "no compositor" WAYLAND_DISPLAY=ninguno
exit $failed
