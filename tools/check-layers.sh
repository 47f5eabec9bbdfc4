#!/usr/bin/env bash
# The folder rule: ui/ is app above windows above widgets above platform; a folder includes only
# its own and those below it, and only app/ and windows/ include logic/, which includes no Qt and
# nothing of ui/. The four windows do not include each other. Prints each include against it and
# fails; run by .ci/run and by ctest.
set -euo pipefail
cd "$(dirname "$0")/.."
layers=(platform widgets windows app)
rank() {
    local i
    for i in "${!layers[@]}"; do [ "${layers[$i]}" = "$1" ] && echo "$i" && return; done
    echo -1
}
bad=0
fail() { echo "$1: $2" >&2; bad=1; }
for file in $(git ls-files -co --exclude-standard 'ui/*.cpp' 'ui/*.h' 'logic/*.cpp' 'logic/*.h'); do
    [ -f "$file" ] || continue
    folder=${file#*/}; folder=${folder%%/*}
    if [[ $file == logic/* ]]; then
        if grep -nE '^\s*#\s*include\s*[<"](Q|ui/)' "$file" >&2; then
            fail "$file" "logic/ includes no Qt and nothing of ui/"
        fi
        continue
    fi
    own=$(rank "$folder")
    [ "$own" -ge 0 ] || { fail "$file" "ui/ holds its code in ${layers[*]}"; continue; }
    while IFS=: read -r number target; do
        case $target in
        logic/*) [ "$folder" = app ] || [ "$folder" = windows ] ||
                     fail "$file:$number" "only app/ and windows/ include logic/ ($target)" ;;
        ui/*) below=${target#ui/}; below=${below%%/*}
              [ "$(rank "$below")" -ge 0 ] && [ "$(rank "$below")" -le "$own" ] ||
                  fail "$file:$number" "$folder/ includes only ${layers[*]:0:own+1} ($target)" ;;
        esac
        if [[ $file =~ /(form[0-9]|frmsplash)\. && $target =~ /(form[0-9]|frmsplash)\.h$ &&
              $(basename "${file%.*}") != $(basename "${target%.h}") ]]; then
            fail "$file:$number" "a window includes no other window ($target)"
        fi
    done < <(grep -nE '^\s*#\s*include\s*"' "$file" | sed -E 's/^([0-9]+):.*"([^"]+)".*/\1:\2/')
done
exit "$bad"
