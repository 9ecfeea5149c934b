#!/usr/bin/env bash
# Installs what Delvora needs, builds it (Release) and starts the program. Without a display
# it generates a map with delvora-cli instead and says where it wrote it; extra arguments go to
# delvora-cli then, e.g.: bash scripts/run.sh --seed 42 --river
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$root/build"

bash "$root/scripts/install-deps.sh"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release
cmake --build "$build" --target delvora delvora-cli -j2

if [[ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]]; then
  echo "Starting Delvora ($build/app/delvora)"
  # The Help command finds the user guide in the working directory or beside the program.
  exec "$build/app/delvora"
fi

echo "No display found: generating a map with delvora-cli instead."
map="$build/delvora-map.png"
report="$build/delvora-report.txt"
"$build/cli/delvora-cli" -o "$map" --report "$report" "$@"
echo "Wrote the map to $map"
echo "Wrote the dressing report to $report"
