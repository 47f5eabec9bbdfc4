#!/usr/bin/env bash
# The folder rule: ui/ is app above windows above widgets above platform; a folder includes only
# its own and those below it, and only app/ and windows/ include logic/, which includes no Qt and
# nothing of ui/. The four windows do not include each other. Prints each include against it and
# fails; run by .ci/run and by ctest.
#
# The sources are those git knows in a checkout, and every file under ui/ and logic/ elsewhere (an
# exported tree or a release tarball). An include is read in each form: "…" and <…>, from the
# project's root or relative to the including file ("../app/program.h", "board.h").
set -euo pipefail
cd "$(dirname "$0")/.."
top=$(pwd -P)
layers=(platform widgets windows app)
declare -A rank=([platform]=0 [widgets]=1 [windows]=2 [app]=3)
list_sources() {
    if [ "$(git rev-parse --show-toplevel 2>/dev/null)" = "$top" ]; then
        git ls-files -co --exclude-standard -- 'ui/*' 'logic/*'
    else
        find ui logic -type f
    fi | grep -E '\.(cpp|h|rc)$'
}
files=$(list_sources) || { echo "check-layers.sh: cannot list the sources under $top" >&2; exit 2; }
[ -n "$files" ] || { echo "check-layers.sh: no sources under $top/ui and $top/logic" >&2; exit 2; }

# Every include of every file as "file:line:target", the target as a path from the project's root
# where it names a file of the project ("ui/app/program.h"), as written otherwise ("QWidget").
includes() {
    # shellcheck disable=SC2086 # the list is one file name a line, none with blanks
    awk 'match($0, /^[ \t]*#[ \t]*include[ \t]*[<"][^>"]+[>"]/) {
             target = substr($0, RSTART, RLENGTH); sub(/^[^<"]*[<"]/, "", target)
             sub(/[>"]$/, "", target); print FILENAME ":" FNR ":" target
         }' $files |
        while IFS=: read -r file number target; do
            dir=${file%/*}
            if [[ $target != ui/* && $target != logic/* && -e $dir/$target ]]; then
                target=$(realpath -m --relative-to=. "$dir/$target")
            fi
            echo "$file:$number:$target"
        done
}

bad=0
fail() { echo "$1: $2" >&2; bad=1; }
for file in $files; do
    [ -f "$file" ] || fail "$file" "listed but not found"
    folder=${file#*/} && folder=${folder%%/*}
    [[ $file == logic/* || -n ${rank[$folder]:-} ]] ||
        fail "$file" "ui/ holds its code in ${layers[*]}"
done
[ "$bad" = 0 ] || exit 1
while IFS=: read -r file number target; do
    folder=${file#*/} && folder=${folder%%/*}
    if [[ $file == logic/* ]]; then
        [[ $target == Q* || $target == ui/* ]] &&
            fail "$file:$number" "logic/ includes no Qt and nothing of ui/ ($target)"
        continue
    fi
    own=${rank[$folder]}
    case $target in
    logic/*) [ "$folder" = app ] || [ "$folder" = windows ] ||
                 fail "$file:$number" "only app/ and windows/ include logic/ ($target)" ;;
    ui/*) below=${target#ui/} && below=${below%%/*}
          [ "${rank[$below]:--1}" -ge 0 ] && [ "${rank[$below]:--1}" -le "$own" ] ||
              fail "$file:$number" "$folder/ includes only ${layers[*]:0:own+1} ($target)" ;;
    esac
    name=${file##*/} && name=${name%.*}
    if [[ $file =~ /(form[0-9]|frmsplash)\. && $target =~ /(form[0-9]|frmsplash)\.h$ &&
          $name != "$(basename "${target%.h}")" ]]; then
        fail "$file:$number" "a window includes no other window ($target)"
    fi
done < <(includes)
exit "$bad"
