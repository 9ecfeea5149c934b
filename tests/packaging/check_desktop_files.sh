#!/usr/bin/env bash
# Validates the desktop entry and the AppStream metadata, and checks that the release notes name
# the project's version. Exits 77 (skipped) when a validator is missing.
# Usage: check_desktop_files.sh DESKTOP_FILE METAINFO_FILE CHANGELOG VERSION
set -euo pipefail

desktop="$1" metainfo="$2" changelog="$3" version="$4"
status=0

for tool in desktop-file-validate appstreamcli; do
  if ! command -v "$tool" >/dev/null; then
    echo "desktop files: $tool is not installed; skipped"
    exit 77
  fi
done

# desktop-file-validate reports warnings and hints with status 0: any output fails.
report="$(desktop-file-validate "$desktop" 2>&1)" || true
if [[ -n "$report" ]]; then
  echo "$report"
  status=1
fi
# Warnings fail the AppStream check as well as errors; pedantic notes do not.
if ! appstreamcli validate --no-net --no-color "$metainfo"; then
  status=1
fi

newest_release="$(grep -m1 -o '<release version="[^"]*"' "$metainfo" | cut -d'"' -f2)"
if [[ "$newest_release" != "$version" ]]; then
  echo "the newest release in $metainfo is '$newest_release', the project's version $version"
  status=1
fi
newest_entry="$(head -n1 "$changelog" | sed -n 's/^delvora (\([^)]*\)).*/\1/p')"
if [[ "$newest_entry" != "$version" ]]; then
  echo "the newest entry of $changelog is '$newest_entry', the project's version $version"
  status=1
fi
exit "$status"
