#!/usr/bin/env bash
# Checks the Debian packages built by scripts/package.sh: lintian (pedantic) reports no error or
# warning on them nor on the source package; the package upgrades an older build of itself;
# once installed, the programs, manual pages, desktop entry, icons and metadata work and show the
# package's version; and removing it leaves none of its files behind (a delvora package installed
# before is left installed, now this one). Needs root.
# Usage: scripts/check-package.sh [PACKAGE.deb]
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
deb="${1:-$(ls "$root"/build-package/delvora_*.deb)}"
deb="$(realpath "$deb")"
id=io.github.delvora.delvora
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

work="$(mktemp -d)"
installed_before=no
dpkg-query -W -f='${Status}' delvora 2>/dev/null | grep -q 'install ok installed' && installed_before=yes
cleanup() {
  cd /
  rm -rf "$work"
  if [[ $installed_before == no ]] && dpkg-query -W delvora >/dev/null 2>&1; then
    DEBIAN_FRONTEND=noninteractive apt-get purge -y delvora >/dev/null
  fi
}
trap cleanup EXIT

packages=("$deb")
for dbgsym in "$(dirname "$deb")"/delvora-dbgsym_*.deb; do
  [[ -f $dbgsym ]] && packages+=("$dbgsym")
done
echo "== lintian --pedantic ${packages[*]##*/}"
lintian --pedantic --fail-on error,warning "${packages[@]}" || fail "lintian reports errors or warnings"
[[ ${#packages[@]} -eq 2 ]] || fail "no -dbgsym package beside $(basename "$deb")"
if git -C "$root" rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  echo "== lintian --pedantic on the source package of HEAD"
  mkdir -p "$work/source/delvora"
  git -C "$root" archive HEAD | tar -x -C "$work/source/delvora"
  (cd "$work/source" && dpkg-source -b delvora >/dev/null)
  lintian --pedantic --fail-on error,warning "$work"/source/delvora_*.dsc ||
    fail "lintian reports errors or warnings on the source package"
fi

version="$(dpkg-deb -f "$deb" Version)"
echo "== upgrading an older build (0.1.0) to $version"
older="$work/older"
dpkg-deb -R "$deb" "$older"
sed -i 's/^Version: .*/Version: 0.1.0/' "$older/DEBIAN/control"
dpkg-deb -b "$older" "$work/delvora_0.1.0.deb" >/dev/null
DEBIAN_FRONTEND=noninteractive apt-get install -y --allow-downgrades "$work/delvora_0.1.0.deb" >/dev/null
DEBIAN_FRONTEND=noninteractive apt-get install -y "$deb"
[[ "$(dpkg-query -W -f='${Version}' delvora)" == "$version" ]] ||
  fail "apt-get install did not upgrade 0.1.0 to $version"
rm -rf "$older"

cd "$work"
for program in delvora delvora-cli; do
  [[ "$(/usr/bin/$program --version | head -n1)" == "$program $version" ]] ||
    fail "$program --version does not say $version"
done
/usr/bin/delvora-cli --seed 7 -o map.png --report report.txt || fail "delvora-cli --seed 7 failed"
[[ "$(png_size map.png)" == 800x600 ]] || fail "map.png is not an 800x600 PNG"
grep -q "Room" report.txt || fail "the report holds no room"
# The print module must be found where the package put it.
/usr/bin/delvora-cli --seed 7 --print-map map.pdf || fail "delvora-cli --print-map failed"
[[ "$(head -c5 map.pdf 2>/dev/null)" == "%PDF-" ]] || fail "map.pdf is not a PDF"

# The programs find their libraries on the system's path and carry no compiler notes.
while read -r file; do
  [[ -f $file && "$(head -c4 "$file" | od -An -c | tr -d ' ')" == 177ELF ]] || continue
  readelf -d "$file" | grep -qE 'RUNPATH|RPATH' && fail "$file has a RUNPATH"
  readelf -S "$file" | grep -q '\.comment' && fail "$file has a .comment section"
done < <(dpkg -L delvora)

man -w delvora-cli >/dev/null || fail "man finds no page for delvora-cli"
man -w delvora >/dev/null || fail "man finds no page for delvora"
report="$(desktop-file-validate "/usr/share/applications/$id.desktop" 2>&1)" || true
[[ -z "$report" ]] || fail "desktop-file-validate: $report"
appstreamcli validate --pedantic --no-net "/usr/share/metainfo/$id.metainfo.xml" ||
  fail "appstreamcli validate reports problems"
exec_line="$(sed -n 's/^Exec=//p' "/usr/share/applications/$id.desktop")"
command -v "${exec_line%% *}" >/dev/null || fail "the desktop entry's Exec '$exec_line' is not on PATH"
for size in 16 32 48 64 128 256; do
  icon="/usr/share/icons/hicolor/${size}x${size}/apps/$id.png"
  [[ "$(png_size "$icon")" == "${size}x${size}" ]] || fail "no ${size}x${size} icon"
done
[[ -f /usr/share/icons/hicolor/scalable/apps/$id.svg ]] || fail "no scalable icon"
[[ -f /usr/share/delvora/Delvora.HLP ]] || fail "no user guide in /usr/share/delvora"
grep -q "MIT" /usr/share/doc/delvora/copyright || fail "the copyright file names no MIT licence"
bash -c 'source /usr/share/bash-completion/completions/delvora-cli && complete -p delvora-cli' \
  >/dev/null || fail "the bash completion does not load"

echo "== removing the package"
mapfile -t files < <(dpkg -L delvora)
DEBIAN_FRONTEND=noninteractive apt-get purge -y delvora >/dev/null
for file in "${files[@]}"; do
  [[ -e $file && ! -d $file ]] && fail "$file is left after removing the package"
done
if [[ $installed_before == yes ]]; then
  DEBIAN_FRONTEND=noninteractive apt-get install -y "$deb" >/dev/null
fi

if [[ $failures -ne 0 ]]; then
  echo "check-package: $failures checks failed" >&2
  exit 1
fi
echo "check-package: the package lints clean, upgrades, works and is removed cleanly"
