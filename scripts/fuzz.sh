#!/usr/bin/env bash
# Builds the libFuzzer targets of tests/fuzz with clang (in build-fuzz) and runs each for SECONDS
# (default 60) from its committed seed corpus. Fails on any finding; the input that caused it is
# left in build-fuzz/findings. Usage: scripts/fuzz.sh [SECONDS]
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
seconds="${1:-60}"
build="$root/build-fuzz"
targets=(fuzz_dressing_file fuzz_edit_read_back fuzz_dib fuzz_command_line)

CC=clang CXX=clang++ cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DDELVORA_FUZZ=ON
cmake --build "$build" -j2 --target delvora_fuzzers

mkdir -p "$build/findings"
# The targets write a file every run; memory-backed storage keeps them fast.
[[ -d /dev/shm && -w /dev/shm ]] && export TMPDIR=/dev/shm
for target in "${targets[@]}"; do
  # New inputs go to a scratch corpus; the committed seeds stay as they are.
  work="$build/corpus/$target"
  mkdir -p "$work"
  max_len=4096
  [[ $target == fuzz_dressing_file ]] && max_len=1100000  # lines of a megabyte
  echo "== $target for ${seconds} s"
  ASAN_OPTIONS=detect_leaks=1:allocator_may_return_null=1 \
    UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
    "$build/tests/fuzz/$target" -max_total_time="$seconds" -timeout=20 -rss_limit_mb=2048 \
    -max_len="$max_len" -print_final_stats=1 -artifact_prefix="$build/findings/$target-" \
    "$work" "$root/tests/fuzz/corpus/$target"
done
echo "== fuzzing found nothing"
