#!/usr/bin/env bash
# Installs the Debian package built by scripts/package.sh as a user would, checks what it
# installed, and removes it again (a delvora package installed before is left installed, now
# this one). Needs root. Usage: scripts/check-package.sh [PACKAGE.deb]
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
deb="${1:-$(ls "$root"/build-package/delvora_*.deb)}"
deb="$(realpath "$deb")"
id=io.github.delvora.Delvora
failures=0

fail() {
  echo "check-package: FAIL: $*" >&2
  failures=$((failures + 1))
}

# Prints the width and height of a PNG file as WxH, nothing when it is not a PNG.
png_size() {
  [[ "$(head -c8 "$1" 2>/dev/null | od -An -tx1 | tr -d ' \n')" == 89504e470d0a1a0a ]] || return 0
  od -An -tu1 -j16 -N8 "$1" |
    awk '{ print ($1 * 2^24 + $2 * 2^16 + $3 * 256 + $4) "x" ($5 * 2^24 + $6 * 2^16 + $7 * 256 + $8) }'
}

echo "== lintian $(basename "$deb")"
lintian --fail-on error "$deb" || fail "lintian reports errors"

installed_before=no
dpkg-query -W -f='${Status}' delvora 2>/dev/null | grep -q 'install ok installed' && installed_before=yes
echo "== apt-get install $(basename "$deb")"
DEBIAN_FRONTEND=noninteractive apt-get install -y "$deb"

work="$(mktemp -d)"
cleanup() {
  cd /
  rm -rf "$work"
  if [[ $installed_before == no ]]; then
    echo "== removing the package"
    DEBIAN_FRONTEND=noninteractive apt-get purge -y delvora >/dev/null
  fi
}
trap cleanup EXIT
cd "$work"

/usr/bin/delvora-cli --seed 7 -o map.png --report report.txt || fail "delvora-cli --seed 7 failed"
[[ "$(png_size map.png)" == 800x600 ]] || fail "map.png is not an 800x600 PNG"
grep -q "Room" report.txt || fail "the report holds no room"
# The print module must be found where the package put it.
/usr/bin/delvora-cli --seed 7 --print-map map.pdf || fail "delvora-cli --print-map failed"
[[ "$(head -c5 map.pdf 2>/dev/null)" == "%PDF-" ]] || fail "map.pdf is not a PDF"

man -w delvora-cli >/dev/null || fail "man finds no page for delvora-cli"
man -w delvora >/dev/null || fail "man finds no page for delvora"
report="$(desktop-file-validate "/usr/share/applications/$id.desktop" 2>&1)" || true
[[ -z "$report" ]] || fail "desktop-file-validate: $report"
appstreamcli validate --no-net "/usr/share/metainfo/$id.metainfo.xml" ||
  fail "appstreamcli validate reports problems"
exec_line="$(sed -n 's/^Exec=//p' "/usr/share/applications/$id.desktop")"
command -v "${exec_line%% *}" >/dev/null || fail "the desktop entry's Exec '$exec_line' is not on PATH"
for size in 16 32 48 64 128 256; do
  icon="/usr/share/icons/hicolor/${size}x${size}/apps/$id.png"
  [[ "$(png_size "$icon")" == "${size}x${size}" ]] || fail "no ${size}x${size} icon"
done
[[ -f /usr/share/icons/hicolor/scalable/apps/$id.svg ]] || fail "no scalable icon"
[[ -f /usr/share/delvora/Delvora.HLP ]] || fail "no user guide in /usr/share/delvora"
bash -c 'source /usr/share/bash-completion/completions/delvora-cli && complete -p delvora-cli' \
  >/dev/null || fail "the bash completion does not load"

if [[ $failures -ne 0 ]]; then
  echo "check-package: $failures checks failed" >&2
  exit 1
fi
echo "check-package: the installed package works"
