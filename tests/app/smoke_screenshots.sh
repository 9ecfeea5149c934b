#!/usr/bin/env bash
# Runs the real program under Xvfb with the openbox window manager, as a user meets it: takes
# screenshots of the options window, the advanced window, the about window and a map window
# (shown twice, then with its first menu open), checks that the map window's frame, title bar
# included, opens at (2, 1) fully on the screen and that the user cannot resize it, that a
# screen-sized map restored from maximised keeps its frame on the screen, that minimising the map
# window minimises the options and help windows too and bringing it back restores them all, and
# that the about window closes from its title bar. Exits 77 (skipped) when Xvfb, openbox, xdotool, xprop,
# xwininfo, wmctrl or ImageMagick's import is missing.
# Usage: smoke_screenshots.sh DELVORA_EXECUTABLE OUTPUT_DIR [SCREEN_SIZE, default 1024x768]
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

# Waits until no visible window is called exactly $1.
wait_until_gone() {
  for _ in $(seq 100); do
    xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1 || return 0
    sleep 0.2
  done
  echo "smoke: the window '$1' did not close" >&2
  return 1
}

# Prints "x y width height" of the frame around window $1, title bar included.
frame_geometry() {
  local x y width height extents left right top bottom
  x="$(xwininfo -id "$1" | awk '/Absolute upper-left X/ {print $NF}')"
  y="$(xwininfo -id "$1" | awk '/Absolute upper-left Y/ {print $NF}')"
  width="$(xwininfo -id "$1" | awk '/Width:/ {print $NF}')"
  height="$(xwininfo -id "$1" | awk '/Height:/ {print $NF}')"
  extents="$(xprop -id "$1" _NET_FRAME_EXTENTS | sed 's/.*= *//; s/,//g')"
  read -r left right top bottom <<<"$extents"
  echo "$((x - left)) $((y - top)) $((width + left + right)) $((height + top + bottom))"
}

# Checks that the map window $1 has its frame at (2, 1) within a screen of $2 x $3 pixels and
# that the window manager offers no resizing.
check_map_window() {
  local frame_x frame_y frame_width frame_height
  read -r frame_x frame_y frame_width frame_height <<<"$(frame_geometry "$1")"
  echo "smoke: map window frame at ${frame_x},${frame_y} size ${frame_width}x${frame_height}"
  if ((frame_x != 2 || frame_y != 1)); then
    echo "smoke: the map window's frame is at ${frame_x},${frame_y}, not 2,1" >&2
    return 1
  fi
  if ((frame_x + frame_width > $2 || frame_y + frame_height > $3)); then
    echo "smoke: the map window's frame leaves the ${2}x${3} screen" >&2
    return 1
  fi
  if xprop -id "$1" _NET_WM_ALLOWED_ACTIONS | grep -q _NET_WM_ACTION_RESIZE; then
    echo "smoke: the map window can be resized" >&2
    return 1
  fi
}

# Checks that the map window $1, restored from maximised, has its whole frame within a screen of
# $2 x $3 pixels.
check_restored_map_window() {
  local frame_x frame_y frame_width frame_height
  wmctrl -i -r "$1" -b remove,maximized_vert,maximized_horz
  sleep 1
  read -r frame_x frame_y frame_width frame_height <<<"$(frame_geometry "$1")"
  echo "smoke: restored map window frame at ${frame_x},${frame_y} size ${frame_width}x${frame_height}"
  if ((frame_x < 0 || frame_y < 0 || frame_x + frame_width > $2 || frame_y + frame_height > $3)); then
    echo "smoke: the restored map window's frame leaves the ${2}x${3} screen" >&2
    return 1
  fi
}

# Waits until the window manager shows window $1 minimised ($2 = yes) or not ($2 = no).
wait_for_minimised() {
  local hidden
  for _ in $(seq 50); do
    hidden=no
    xprop -id "$1" _NET_WM_STATE 2>/dev/null | grep -q _NET_WM_STATE_HIDDEN && hidden=yes
    [[ $hidden == "$2" ]] && return 0
    sleep 0.2
  done
  echo "smoke: window $1 is minimised: $hidden, expected $2" >&2
  return 1
}

# Makes window $1 the active one and types the keys that follow.
type_into() {
  local window="$1"
  shift
  xdotool windowactivate --sync "$window" 2>/dev/null || true
  sleep 0.3
  xdotool key "$@"
}

# Presses Enter in the options window until the map window opens; prints its id.
generate() {
  local map=""
  for _ in 1 2 3; do
    type_into "$1" Return
    if map="$(wait_for_window 'Delvora Demo - Untitled' 2>/dev/null)"; then break; fi
  done
  [[ -n "$map" ]] || { echo "smoke: the map window did not open" >&2; return 1; }
  echo "$map"
}

run_session() {
  local program="$1" out="$2" work="$3" width="$4" height="$5"
  cd "$work"
  openbox >"$out/openbox-stderr.txt" 2>&1 &
  openbox_pid=$!
  sleep 1
  QT_QPA_PLATFORM=xcb USER="delvora-smoke-$$" DELVORA_TIMING=1 "$program" 2>"$out/delvora-stderr.txt" &
  program_pid=$!
  trap 'kill "$program_pid" "$openbox_pid" 2>/dev/null || true' EXIT
  local options advanced about map
  options="$(wait_for_window 'Delvora Demo')"
  sleep 1
  import -window "$options" "$out/options-window.png"

  # A map, closed and made again: both showings open at the same place.
  for showing in 1 2; do
    map="$(generate "$options")"
    sleep 1
    import -window "$map" "$out/map-window-$showing.png"
    import -window root "$out/screen-$showing.png"
    check_map_window "$map" "$width" "$height"
    type_into "$map" alt+F4
    wait_until_gone 'Delvora Demo - Untitled'
  done
  cp "$out/map-window-1.png" "$out/map-window.png"

  # With the guide open (Help > Help), minimising the map minimises the options window and the
  # guide too; bringing the map back restores them all. F10 opens the map window's first menu.
  xdotool windowactivate --sync "$options" 2>/dev/null || true
  xdotool mousemove --window "$options" 12 8 click 1
  sleep 0.5
  xdotool key Down Return
  help="$(wait_for_window 'Delvora Help')"
  map="$(generate "$options")"
  sleep 1
  xdotool windowminimize "$map"
  wait_for_minimised "$options" yes
  wait_for_minimised "$help" yes
  xdotool windowactivate "$map" 2>/dev/null || true
  wait_for_minimised "$map" no
  wait_for_minimised "$options" no
  wait_for_minimised "$help" no
  type_into "$map" F10
  sleep 0.5
  import -window root "$out/map-menu.png"
  xdotool key Escape Escape
  type_into "$map" alt+F4
  wait_until_gone 'Delvora Demo - Untitled'
  type_into "$help" alt+F4
  wait_until_gone 'Delvora Help'

  # A map as large as the screen (1024x768: "Map Size", three tabs from "Generate") opens
  # maximised; restored, its frame stays on the screen.
  type_into "$options" Tab Tab Tab Down
  map="$(generate "$options")"
  sleep 1
  check_restored_map_window "$map" "$width" "$height"
  import -window root "$out/screen-restored.png"
  type_into "$map" alt+F4
  wait_until_gone 'Delvora Demo - Untitled'
  type_into "$options" Up shift+Tab shift+Tab shift+Tab

  # "Advanced" comes just before "Generate", which keeps the focus, in the tab order.
  type_into "$options" shift+Tab space
  advanced="$(wait_for_window 'Advanced Options')"
  sleep 1
  import -window "$advanced" "$out/advanced-window.png"
  type_into "$advanced" Escape
  wait_until_gone 'Advanced Options'

  # Help > About from the menu bar; "OK" closes it.
  xdotool windowactivate --sync "$options" 2>/dev/null || true
  xdotool mousemove --window "$options" 12 8 click 1
  sleep 0.5
  xdotool key Down Down Return
  about="$(wait_for_window 'Delvora')"
  sleep 1
  import -window "$about" "$out/about-window.png"
  # The title bar's close button (Alt+F4 asks the window manager for it).
  type_into "$about" alt+F4
  wait_until_gone 'Delvora'
}

# The part that runs inside the X server.
if [[ "${1:-}" == "--inside" ]]; then
  shift
  run_session "$@"
  exit 0
fi

program="$(realpath "$1")"
out="$2"
screen="${3:-1024x768}"
for tool in xvfb-run openbox xdotool xprop xwininfo wmctrl import; do
  if ! command -v "$tool" >/dev/null; then
    echo "smoke: $tool is not installed; skipped"
    exit 77
  fi
done
mkdir -p "$out"
out="$(realpath "$out")"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

xvfb-run -a -s "-screen 0 ${screen}x24" bash "$(realpath "$0")" --inside "$program" "$out" \
  "$work" "${screen%x*}" "${screen#*x}"
for picture in options-window.png advanced-window.png about-window.png map-window.png; do
  if [[ ! -s "$out/$picture" ]]; then
    echo "smoke: $picture was not written" >&2
    exit 1
  fi
done
grep -h "Generate to painted map" "$out/delvora-stderr.txt" || true
echo "smoke: screenshots in $out"
