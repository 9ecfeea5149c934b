#!/usr/bin/env bash
# Whole-process timings of delvora-cli: the minimum, median and maximum wall time of 50 runs
# (after 3 to warm up) for the default map, the largest, the largest with -o and --count 100.
# usage: bench/process.sh [DELVORA_CLI [RUNS]]   (defaults: build/cli/delvora-cli, 50)
# The timer is build/bench/delvora_process_timer (DELVORA_PROCESS_TIMER to use another); the
# runs happen in an empty temporary folder, so no dressing files are found and -o writes there.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
cli=$(realpath "${1:-$root/build/cli/delvora-cli}")
runs=${2:-50}
timer=$(realpath "${DELVORA_PROCESS_TIMER:-$root/build/bench/delvora_process_timer}")
for program in "$cli" "$timer"; do
  if [[ ! -x "$program" ]]; then
    echo "process.sh: $program is missing (build with -DDELVORA_BUILD_BENCHMARKS=ON)" >&2
    exit 1
  fi
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"

largest=(--seed 66205318 --map-size 1280x1024 --iterations 3000 --room-size large
         --corridors very-twisty --stairs 10 --river --chasm)

measure() {
  local label=$1
  shift
  printf '%-24s ' "$label"
  "$timer" "$runs" "$cli" "$@" || echo "(not supported by this delvora-cli)"
}

echo "delvora-cli: $cli"
echo "load: $(cut -d' ' -f1-3 /proc/loadavg)"
measure "default"
measure "largest" "${largest[@]}"
measure "largest -o" "${largest[@]}" -o "$work/map.png"
measure "--count 100" --count 100
