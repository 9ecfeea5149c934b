#!/usr/bin/env bash
# Builds Delvora and runs every test three times: a Release build with warnings as errors (and
# the benchmarks built, then linted: scripts/lint.sh), a Release build without Qt (no desktop program, delvora-cli without its
# print options), then a Debug build under AddressSanitizer and UndefinedBehaviorSanitizer. In
# between, the web edition's WebAssembly build runs its tests under node and in headless
# Chromium. Then the libFuzzer targets run for DELVORA_FUZZ_SECONDS each (default 60). Run as
# root, it also builds the Debian packages with dpkg-buildpackage (scripts/package.sh, without a
# second test run), lints them, upgrades an older build with them, checks what they install and
# removes them again. Fails on any error or finding.
# Extra arguments go to both CMake configure steps, e.g. -DDELVORA_BUILD_GUI=OFF.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
jobs=2
# Window tests need no display.
export QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}"

# A no-op when every package is installed; on a fresh machine it installs them.
bash "$root/scripts/install-deps.sh"

echo "== Release build with -Werror"
# Configured for the prefix and layout of the Debian package.
cmake -S "$root" -B "$root/build" -DCMAKE_BUILD_TYPE=Release -DDELVORA_WERROR=ON \
  -DDELVORA_BUILD_BENCHMARKS=ON -DCMAKE_INSTALL_PREFIX=/usr -DDELVORA_DEBIAN_PACKAGE=ON "$@"
cmake --build "$root/build" -j"$jobs"
ctest --test-dir "$root/build" --output-on-failure -j"$jobs"

echo "== Lint: clang-format, clang-tidy, prettier"
bash "$root/scripts/lint.sh" "$root/build"

echo "== Debian packages: dpkg-buildpackage, lintian, upgrade, install, check, remove"
if [[ $(id -u) -ne 0 ]]; then
  echo "skipped: installing the package needs root"
elif [[ ! -x "$root/build/app/delvora" ]]; then
  echo "skipped: this build has no desktop program"
else
  started=$SECONDS
  bash "$root/scripts/package.sh"
  bash "$root/scripts/check-package.sh"
  echo "packaging took $((SECONDS - started)) s"
fi

echo "== Release build without Qt"
cmake -S "$root" -B "$root/build-noqt" -DCMAKE_BUILD_TYPE=Release -DDELVORA_WERROR=ON \
  -DCMAKE_DISABLE_FIND_PACKAGE_Qt6=ON "$@"
cmake --build "$root/build-noqt" -j"$jobs"
ctest --test-dir "$root/build-noqt" --output-on-failure -j"$jobs"

echo "== Web edition: WebAssembly build, its C++ tests under node, the page in headless Chromium"
DELVORA_CLI="$root/build/cli/delvora-cli" bash "$root/scripts/web.sh" test

echo "== Debug build with AddressSanitizer and UndefinedBehaviorSanitizer"
cmake -S "$root" -B "$root/build-asan" -DCMAKE_BUILD_TYPE=Debug -DDELVORA_SANITIZE=ON \
  -DDELVORA_WERROR=ON "$@"
cmake --build "$root/build-asan" -j"$jobs"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
  LSAN_OPTIONS=suppressions="$root/tests/lsan.supp":print_suppressions=0 \
  UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
  ctest --test-dir "$root/build-asan" --output-on-failure -j"$jobs"

echo "== libFuzzer targets, ${DELVORA_FUZZ_SECONDS:-60} s each"
bash "$root/scripts/fuzz.sh" "${DELVORA_FUZZ_SECONDS:-60}"

echo "== All tests passed"
