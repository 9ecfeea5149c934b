#!/usr/bin/env bash
# Installs what Delvora needs, builds it (Release) and generates a map with delvora-cli.
# Extra arguments go to delvora-cli, e.g.: bash scripts/run.sh --seed 42 --river
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$root/build"

bash "$root/scripts/install-deps.sh"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release
cmake --build "$build" --target delvora-cli -j2

map="$build/delvora-map.png"
report="$build/delvora-report.txt"
"$build/cli/delvora-cli" -o "$map" --report "$report" "$@"
echo "Wrote the map to $map"
echo "Wrote the dressing report to $report"
