#!/usr/bin/env bash
# The Windows build's preparation as a new machine meets it: a cache folder that does not exist
# yet, nested; Qt's sources fetched, unpacked with every patch applied; /etc/apt and the system's
# apt lists left as they were. Then a tree left with part of its patches and a stale prefix of
# another key: the tree is unpacked again and the prefix removed.
#   prepare.sh <work folder>
set -euo pipefail
src=$(cd "$(dirname "$0")/../.." && pwd)
work=$1
rm -rf "$work" && mkdir -p "$work"
cache=$work/a/new/cache
fail() { echo "FAIL: $*" >&2; exit 1; }

# The real cache's downloaded archives spare a 50 MB download; nothing else is taken from it.
real=${XDG_CACHE_HOME:-$HOME/.cache}/deslizador/sources
[ -d "$real" ] && export DESLIZADOR_QT_SOURCES=$real

snapshot() {
    find /etc/apt /var/lib/apt/lists -printf '%p %y %m %s %T@ %l\n' 2>/dev/null | sort
    find /etc/apt -type f -exec sha256sum {} + | sort
}
snapshot >"$work/apt-before"
prepare() { DESLIZADOR_CACHE=$cache "$src/tools/windows/build.sh" --prepare-only "$work/out"; }
prepare || fail "the preparation failed from a cache folder that did not exist"
snapshot >"$work/apt-after"
diff "$work/apt-before" "$work/apt-after" || fail "apt's own folders were written"

trees=("$cache"/qt6-base-*)
[ ${#trees[@]} -eq 1 ] && [ -d "${trees[0]}" ] || fail "no one qtbase tree in $cache: ${trees[*]}"
tree=${trees[0]}
series() { sed -e 's/#.*//' -e 's/[[:space:]]*$//' -e '/^$/d' "$tree/debian/patches/series"; }
[ "$(series | wc -l)" -gt 5 ] || fail "Debian's patch series is missing or short"
[ "$(series)" = "$(cat "$tree/.pc/applied-patches")" ] || fail "not every patch is applied"
[ -z "$(find "$cache" -maxdepth 1 -name 'unpack.*')" ] || fail "an unpacking folder was left"

# A run cut short in the middle of the patches, and a Qt of an earlier key.
head -n 1 "$tree/.pc/applied-patches" >"$work/one" && cp "$work/one" "$tree/.pc/applied-patches"
mkdir -p "$cache/qt-6.4.2-win64-000000000000"
prepare || fail "the second preparation failed"
[ "$(series)" = "$(cat "$tree/.pc/applied-patches")" ] || fail "a half-patched tree was taken"
[ ! -e "$cache/qt-6.4.2-win64-000000000000" ] || fail "a prefix of another key stayed"
rm -rf "$work"
echo "prepared from nothing, apt's folders untouched"
