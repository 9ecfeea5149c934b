#!/usr/bin/env bash
# Runs the real program under Xvfb: takes a screenshot of the options window, presses Enter
# (which presses "Generate") and takes one of the map window. Exits 77 (skipped) when Xvfb,
# xdotool or ImageMagick's import is missing.
# Usage: smoke_screenshots.sh DELVORA_EXECUTABLE OUTPUT_DIR
set -euo pipefail

# Prints the id of the visible window called exactly $1, waiting up to 20 seconds.
wait_for_window() {
  local id
  for _ in $(seq 100); do
    id="$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1 || true)"
    if [[ -n "$id" ]]; then
      echo "$id"
      return 0
    fi
    sleep 0.2
  done
  echo "smoke: no window called '$1'" >&2
  return 1
}

run_session() {
  local program="$1" out="$2" work="$3"
  cd "$work"
  QT_QPA_PLATFORM=xcb USER="delvora-smoke-$$" DELVORA_TIMING=1 "$program" 2>"$out/delvora-stderr.txt" &
  smoke_pid=$!
  trap 'kill "$smoke_pid" 2>/dev/null || true' EXIT
  local options map=""
  options="$(wait_for_window 'Delvora Demo')"
  sleep 1
  import -window "$options" "$out/options-window.png"
  # Enter presses "Generate"; without a window manager the focus may need a second try.
  for _ in 1 2 3; do
    xdotool windowfocus "$options" 2>/dev/null || true
    xdotool key --window "$options" Return
    if map="$(wait_for_window 'Delvora Demo - Untitled' 2>/dev/null)"; then break; fi
  done
  [[ -n "$map" ]] || { echo "smoke: the map window did not open" >&2; return 1; }
  sleep 1
  import -window "$map" "$out/map-window.png"
}

# The part that runs inside the X server.
if [[ "${1:-}" == "--inside" ]]; then
  shift
  run_session "$@"
  exit 0
fi

program="$(realpath "$1")"
out="$2"
for tool in xvfb-run xdotool import; do
  if ! command -v "$tool" >/dev/null; then
    echo "smoke: $tool is not installed; skipped"
    exit 77
  fi
done
mkdir -p "$out"
out="$(realpath "$out")"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT


xvfb-run -a -s "-screen 0 1280x1024x24" bash "$(realpath "$0")" --inside "$program" "$out" "$work"
for picture in options-window.png map-window.png; do
  if [[ ! -s "$out/$picture" ]]; then
    echo "smoke: $picture was not written" >&2
    exit 1
  fi
done
grep -h "Generate to painted map" "$out/delvora-stderr.txt" || true
echo "smoke: screenshots in $out"
