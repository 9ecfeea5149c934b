#!/usr/bin/env bash
# Builds the C libraries the web build links (zlib, libpng) and GoogleTest with emscripten, from
# Debian's own sources, into PREFIX (default build-web/deps), and copies the header-only JSON
# library there. The zlib and libpng sources come through a private apt configuration (the
# system's apt sources stay untouched) pointing at the archive the system already uses.
# GoogleTest and the JSON library come from the installed libgtest-dev and nlohmann-json3-dev.
# A finished prefix is kept and reused. Usage: web/deps.sh [PREFIX]
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
prefix="$(realpath -m "${1:-$root/build-web/deps}")"
work="$prefix-work"
# Bump when the recipe below changes, so a cached prefix is rebuilt.
recipe=2
stamp="$prefix/.delvora-deps-$recipe"

if [[ -f $stamp ]]; then
  echo "web deps: using $prefix"
  exit 0
fi
rm -rf "$prefix" "$work"
mkdir -p "$prefix" "$work"
jobs="${DELVORA_JOBS:-2}"

# The archive this system installs Debian packages from, for its own release.
archive() {
  local codename
  codename="$(. /etc/os-release && echo "$VERSION_CODENAME")"
  apt-get indextargets --format '$(REPO_URI) $(RELEASE) $(TARGET_OF)' |
    awk -v release="$codename" '$2 == release && $3 == "deb" { print $1; exit }'
}

fetch_sources() {
  local uri
  uri="$(archive)"
  if [[ -z $uri ]]; then
    echo "web deps: no Debian archive found in the system's apt sources" >&2
    exit 1
  fi
  local codename
  codename="$(. /etc/os-release && echo "$VERSION_CODENAME")"
  local apt="$work/apt"
  mkdir -p "$apt/lists/partial" "$apt/src"
  printf 'deb-src %s %s main\n' "$uri" "$codename" >"$apt/sources.list"
  local options=(-o "Dir::Etc::SourceList=$apt/sources.list" -o "Dir::Etc::SourceParts=/dev/null"
    -o "Dir::State::Lists=$apt/lists" -o "Dir::Cache=$apt/cache" -o "APT::Sandbox::User=root")
  mkdir -p "$apt/cache/archives/partial"
  apt-get "${options[@]}" -qq update
  (cd "$apt/src" && apt-get "${options[@]}" -qq source --download-only zlib libpng1.6)
}

# The upstream tarball of a Debian source package, unpacked into its own folder.
unpack() {
  local pattern="$1" target="$2"
  local tarball
  tarball="$(ls "$work"/apt/src/$pattern | head -n 1)"
  mkdir -p "$target"
  tar -xf "$tarball" -C "$target" --strip-components=1
}

fetch_sources

echo "web deps: zlib"
unpack 'zlib_*.orig.tar.*' "$work/zlib"
(cd "$work/zlib" && emconfigure ./configure --static --prefix="$prefix" >/dev/null &&
  emmake make -j"$jobs" libz.a >/dev/null && emmake make install >/dev/null)

echo "web deps: libpng"
unpack 'libpng1.6_*.orig.tar.*' "$work/libpng"
emcmake cmake -S "$work/libpng" -B "$work/libpng/build" -DCMAKE_BUILD_TYPE=Release \
  -DPNG_SHARED=OFF -DPNG_TESTS=OFF -DPNG_EXECUTABLES=OFF -DPNG_TOOLS=OFF \
  -DZLIB_LIBRARY="$prefix/lib/libz.a" -DZLIB_INCLUDE_DIR="$prefix/include" \
  -DCMAKE_INSTALL_PREFIX="$prefix" >/dev/null
cmake --build "$work/libpng/build" -j"$jobs" >/dev/null
cmake --install "$work/libpng/build" >/dev/null

# GoogleTest from the sources libgtest-dev installs.
echo "web deps: GoogleTest"
emcmake cmake -S /usr/src/googletest -B "$work/googletest" -DCMAKE_BUILD_TYPE=Release \
  -DBUILD_GMOCK=OFF -DINSTALL_GTEST=ON -DCMAKE_INSTALL_PREFIX="$prefix" >/dev/null
cmake --build "$work/googletest" -j"$jobs" >/dev/null
cmake --install "$work/googletest" >/dev/null

# Header-only; its package configuration finds the headers relative to itself.
echo "web deps: nlohmann-json"
mkdir -p "$prefix/include" "$prefix/share/cmake"
cp -r /usr/include/nlohmann "$prefix/include/"
cp -r /usr/share/cmake/nlohmann_json "$prefix/share/cmake/"

rm -rf "$work"
touch "$stamp"
echo "web deps: built $prefix"
