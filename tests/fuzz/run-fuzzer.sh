#!/usr/bin/env bash
# Builds the number-reading fuzz target with clang (libFuzzer, ASan, UBSan) and fuzzes it.
#   tests/fuzz/run-fuzzer.sh [clang++] [work directory] [seconds]
# The committed seeds are copied into the work directory, so new inputs never land in the source
# tree; a crash leaves its input there as crash-* and fails the run.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
root="$(cd "$here/../.." && pwd)"
cxx="${1:-clang++}"
work="${2:-$root/build-fuzz}"
seconds="${3:-20}"

mkdir -p "$work/corpus"
cp -n "$here"/corpus/* "$work/corpus/" 2>/dev/null || true
flags=(-std=c++20 -O1 -g -fno-omit-frame-pointer -fsanitize=fuzzer,address,undefined
       -fno-sanitize-recover=all -I"$root")
"$cxx" "${flags[@]}" "$here/numbers_fuzz.cpp" "$root/logic/numbers.cpp" -o "$work/numbers_fuzz"
cd "$work"
exec ./numbers_fuzz -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
    -artifact_prefix="$work/" corpus
