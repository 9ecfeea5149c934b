#!/usr/bin/env bash
# Builds Delvora's Debian packages with dpkg-buildpackage from the checkout: its files (HEAD, or
# with uncommitted changes a commit of the working tree) are exported to build-package/delvora/
# and built there, and the packages are written beside that folder:
#   build-package/delvora_<version>_<arch>.deb          the programs
#   build-package/delvora-dbgsym_<version>_<arch>.deb   their debugging symbols
# Install the first with (as root, without sudo)
#   sudo apt-get install ./build-package/delvora_*.deb
# The version carries the commit (cmake/DelvoraVersion.cmake), so a newer build upgrades an
# older one, and the files' times are the commit's (SOURCE_DATE_EPOCH): building one commit
# twice gives the same bytes. DEB_BUILD_OPTIONS defaults to "nocheck parallel=2" (the tests are
# scripts/test.sh's); set it to run them inside the package build too.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
out="$root/build-package"
source_dir="$out/delvora"

bash "$root/scripts/install-deps.sh"

rm -rf "$source_dir"
mkdir -p "$source_dir"
rm -f "$out"/delvora_* "$out"/delvora-dbgsym_*
if git -C "$root" rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  # The working tree as a commit: HEAD when nothing was changed, else a commit of every file that
  # is not ignored, made through an index of its own so that the checkout stays as it is. git
  # archive writes the commit into cmake/commit.txt; its time is the build's.
  scratch="$(mktemp -d)"
  trap 'rm -rf "$scratch"' EXIT
  GIT_INDEX_FILE="$scratch/index" git -C "$root" read-tree HEAD
  GIT_INDEX_FILE="$scratch/index" git -C "$root" add -A
  tree="$(GIT_INDEX_FILE="$scratch/index" git -C "$root" write-tree)"
  commit="$(git -C "$root" rev-parse HEAD)"
  if [[ $tree != "$(git -C "$root" rev-parse 'HEAD^{tree}')" ]]; then
    commit="$(GIT_AUTHOR_NAME=package.sh GIT_AUTHOR_EMAIL='' GIT_COMMITTER_NAME=package.sh \
      GIT_COMMITTER_EMAIL='' git -C "$root" commit-tree -p HEAD -m "Working tree" "$tree")"
  fi
  git -C "$root" archive --format=tar "$commit" | tar -x -C "$source_dir"
  SOURCE_DATE_EPOCH="$(git -C "$root" log -1 --format=%ct "$commit")"
  export SOURCE_DATE_EPOCH
else
  # An unpacked source archive: its files as they are, without the build folders.
  tar -C "$root" --exclude='./build*' --exclude=./out -c . | tar -x -C "$source_dir"
fi

export DEB_BUILD_OPTIONS="${DEB_BUILD_OPTIONS:-nocheck parallel=2}"
profiles=()
if [[ " $DEB_BUILD_OPTIONS " == *" nocheck "* ]]; then
  profiles=(-Pnocheck)
fi
# ccache when it is installed; debhelper gives the build a HOME of its own, so name the cache.
if command -v ccache >/dev/null && [[ -d /usr/lib/ccache ]]; then
  CCACHE_DIR="$(ccache --get-config cache_dir)"
  export CCACHE_DIR PATH="/usr/lib/ccache:$PATH"
fi

(cd "$source_dir" && dpkg-buildpackage -us -uc -b "${profiles[@]}")
echo "package: $(ls "$out"/delvora_*.deb)"
