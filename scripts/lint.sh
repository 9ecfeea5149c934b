#!/usr/bin/env bash
# Lint: clang-format on every tracked C++ file, clang-tidy on every library (the checks and the
# header filter of .clang-tidy), and prettier on the web page's and the browser tests' JavaScript.
# Any finding fails it.
#   bash scripts/lint.sh [BUILD_DIR]   BUILD_DIR holds compile_commands.json (default build/;
#                                      configured with the default options when missing)
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${1:-$root/build}"
jobs="${DELVORA_JOBS:-2}"
cd "$root"

echo "== clang-format"
git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run -Werror

echo "== clang-tidy"
if [[ ! -f $build/compile_commands.json ]]; then
  cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
fi
# The generated sources (Qt's moc, the embedded pictures) need the build to exist.
cmake --build "$build" -j"$jobs" >/dev/null
# Every translation unit of the libraries and programs; tests, benchmarks and the fuzz targets
# are left out, and so is the web binding (built only with emscripten).
mapfile -t sources < <(git ls-files '*.cpp' | grep -E '^(engine|files|dressing|render|dungeon|print|export|cli|app|tools)/')
run-clang-tidy -quiet -p "$build" -j "$jobs" "${sources[@]/#/$root/}" >"$build/clang-tidy.log" 2>&1 || true
if grep -E '(warning|error):' "$build/clang-tidy.log" | grep -v '^[0-9]* warnings generated' >/dev/null; then
  grep -E -A3 '(warning|error):' "$build/clang-tidy.log"
  echo "lint: clang-tidy findings (see above)" >&2
  exit 1
fi

echo "== prettier"
web_tests="$root/tests/web"
if [[ ! -x $web_tests/node_modules/.bin/prettier ]]; then
  (cd "$web_tests" && PUPPETEER_SKIP_DOWNLOAD=1 npm ci --no-audit --no-fund >/dev/null)
fi
"$web_tests/node_modules/.bin/prettier" --check "web/site/js/*.js" "tests/web/*.mjs" web/serve.mjs

echo "== lint passed"
