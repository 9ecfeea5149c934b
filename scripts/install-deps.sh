#!/usr/bin/env bash
# Installs the Debian 12 packages Delvora needs to build, test, package and run. Uses sudo only
# when not root. Does nothing when every package is already installed (pass --force to install
# anyway).
set -euo pipefail

packages=(
  cmake g++ make pkg-config
  qt6-base-dev libjpeg62-turbo-dev libpng-dev
  libgtest-dev libbenchmark-dev nlohmann-json3-dev
  xvfb xauth poppler-utils clang-format fonts-liberation2
  xdotool imagemagick openbox x11-utils wmctrl
  clang-14 libclang-rt-14-dev
  librsvg2-bin man-db desktop-file-utils appstream dpkg-dev debhelper lintian git
  python3-jsonschema libxml2-utils w3c-sgml-lib
  emscripten esbuild chromium bzip2 xz-utils
)
# The web edition's browser tests install puppeteer-core with npm. A Node.js from elsewhere
# brings its own npm, which Debian's npm package would conflict with.
if ! command -v npm >/dev/null 2>&1; then
  packages+=(npm)
fi

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$package")
  fi
done

if [[ ${#missing[@]} -eq 0 && "${1:-}" != "--force" ]]; then
  echo "install-deps: all packages are installed"
  exit 0
fi

if [[ $(id -u) -eq 0 ]]; then
  as_root=()
else
  as_root=(sudo)
fi

echo "install-deps: installing ${missing[*]:-${packages[*]}}"
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends \
  "${packages[@]}"
