#!/usr/bin/env bash
# Builds the Debian package of Delvora with CPack: a Release build for the prefix /usr with
# Debian's hardening flags, in build-package/, and the package beside it:
# build-package/delvora_<version>_<arch>.deb. Install it with
#   sudo apt-get install ./build-package/delvora_*.deb
# Extra arguments go to the CMake configure step.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$root/build-package"

bash "$root/scripts/install-deps.sh"

# Debian's flags for packaged programs (stack protector, fortified functions, full RELRO); CMake
# reads them at the first configure of the folder. CPPFLAGS has no CMake variable of its own.
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
cmake --build "$build" -j2

rm -f "$build"/delvora_*.deb
cpack --config "$build/CPackConfig.cmake" -B "$build"
echo "package: $(ls "$build"/delvora_*.deb)"
