#!/usr/bin/env bash
# Builds the Debian package of Delvora with CPack: a Release build for the prefix /usr with
# Debian's hardening flags in build-package/, and the package beside it:
# build-package/delvora_<version>_<arch>.deb. Install it with
#   sudo apt-get install ./build-package/delvora_*.deb
# Extra arguments go to the CMake configure step.
#
# --build DIR packages an existing build instead (the test script reuses its Release build); DIR
# must be configured with -DCMAKE_INSTALL_PREFIX=/usr -DDELVORA_DEBIAN_PACKAGE=ON.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
out="$root/build-package"

bash "$root/scripts/install-deps.sh"

if [[ "${1:-}" == --build ]]; then
  build="$(realpath "$2")"
  shift 2
  if ! grep -qx 'CMAKE_INSTALL_PREFIX:PATH=/usr' "$build/CMakeCache.txt" ||
    ! grep -qx 'DELVORA_DEBIAN_PACKAGE:BOOL=ON' "$build/CMakeCache.txt"; then
    echo "package: $build is not configured with -DCMAKE_INSTALL_PREFIX=/usr" \
      "-DDELVORA_DEBIAN_PACKAGE=ON" >&2
    exit 2
  fi
else
  build="$out"
  # Debian's flags for packaged programs (stack protector, fortified functions, full RELRO);
  # CMake reads them at the first configure of the folder. CPPFLAGS has no CMake variable.
  cd "$root"
  eval "$(DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --export=sh)"
  export CFLAGS="$CFLAGS $CPPFLAGS" CXXFLAGS="$CXXFLAGS $CPPFLAGS" LDFLAGS
  launcher=()
  if command -v ccache >/dev/null; then
    launcher=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
  fi
  cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
    -DDELVORA_DEBIAN_PACKAGE=ON -DDELVORA_BUILD_TESTS=OFF -DDELVORA_BUILD_BENCHMARKS=OFF \
    "${launcher[@]}" "$@"
fi
cmake --build "$build" -j2

mkdir -p "$out"
rm -f "$out"/delvora_*.deb
cpack --config "$build/CPackConfig.cmake" -B "$out"
echo "package: $(ls "$out"/delvora_*.deb)"
