#!/usr/bin/env bash
# The folder rule in a tree exported from the checkout, as a release tarball holds it (no .git):
# the tree as it is passes; one include of the program object planted in the platform layer, in
# each of the forms an include can take, fails with that file and line named.
#   layers_exported.sh <work folder>
set -euo pipefail
src=$(cd "$(dirname "$0")/../.." && pwd)
work=$1
fail() { echo "FAIL: $*" >&2; exit 1; }
rm -rf "$work" && mkdir -p "$work/tools"
cp -r "$src/ui" "$src/logic" "$work/" && cp "$src/tools/check-layers.sh" "$work/tools/"
[ ! -e "$work/.git" ] || fail "the exported tree has a .git"

"$work/tools/check-layers.sh" || fail "the tree as it is breaks the rule"
victim=$work/ui/platform/browser.cpp
cp "$victim" "$work/original"
for form in '#include "ui/app/program.h"' '#include <ui/app/program.h>' \
    '  #  include "../app/program.h"'; do
    cp "$work/original" "$victim" && printf '%s\n' "$form" >>"$victim"
    line=$(wc -l <"$victim")
    if "$work/tools/check-layers.sh" 2>"$work/err"; then fail "passed with: $form"; fi
    grep -q "^ui/platform/browser.cpp:$line: .*(ui/app/program.h)" "$work/err" ||
        fail "no report of $form: $(cat "$work/err")"
done
rm -rf "$work/ui" "$work/logic"
if "$work/tools/check-layers.sh" 2>/dev/null; then fail "passed with no sources to read"; fi
rm -rf "$work"
echo "the folder rule holds in an exported tree"
