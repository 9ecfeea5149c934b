#!/usr/bin/env bash
# The web edition: Delvora's libraries compiled to WebAssembly with Debian's emscripten, and a
# static page around them.
#   bash scripts/web.sh build   installs what it needs, builds, writes the site to build-web/site/
#   bash scripts/web.sh [serve] builds, then serves the site at http://localhost:8080/ (PORT=...)
#   bash scripts/web.sh test    builds, then runs the C++ tests under node and the browser tests
#                               (headless Chromium against build/cli/delvora-cli)
#   bash scripts/web.sh bench   builds, then measures load, "Generate" and hover in Chromium
# Any static web server can host build-web/site/.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$root/build-web"
command="${1:-serve}"
jobs="${DELVORA_JOBS:-2}"

# Emscripten's optimizer needs Debian's acorn module when node is not Debian's own build.
export NODE_PATH="${NODE_PATH:+$NODE_PATH:}/usr/share/nodejs"

case "$command" in
  build | serve | test | bench) ;;
  *)
    echo "usage: bash scripts/web.sh [build|serve|test|bench]" >&2
    exit 2
    ;;
esac

# delvora-cli of the native Release build: the reference the browser tests compare with.
native_cli() {
  local cli="${DELVORA_CLI:-$root/build/cli/delvora-cli}"
  if [[ ! -x $cli ]]; then
    cmake -S "$root" -B "$root/build" -DCMAKE_BUILD_TYPE=Release >&2
    cmake --build "$root/build" -j"$jobs" --target delvora-cli >&2
    cli="$root/build/cli/delvora-cli"
  fi
  echo "$cli"
}

# puppeteer-core from the committed lock file, into the build folder (never a browser download).
npm_packages() {
  local dir="$build/npm"
  mkdir -p "$dir"
  if ! cmp -s "$root/tests/web/package-lock.json" "$dir/package-lock.json" ||
    [[ ! -d $dir/node_modules/puppeteer-core ]]; then
    cp "$root/tests/web/package.json" "$root/tests/web/package-lock.json" "$dir/"
    (cd "$dir" && PUPPETEER_SKIP_DOWNLOAD=1 npm ci --ignore-scripts --no-audit --no-fund >&2)
  fi
  echo "$dir"
}

bash "$root/scripts/install-deps.sh"
bash "$root/web/deps.sh" "$build/deps"

configure=(-DCMAKE_BUILD_TYPE=Release -DDELVORA_WEB_DEPS="$build/deps"
  -DCMAKE_CROSSCOMPILING_EMULATOR="$(command -v node)")
targets=(delvora_site)
if [[ $command == test ]]; then
  cli="$(native_cli)"
  npm_dir="$(npm_packages)"
  configure+=(-DDELVORA_WERROR=ON -DDELVORA_BUILD_TESTS=ON -DDELVORA_CLI="$cli"
    -DDELVORA_NPM_DIR="$npm_dir")
  targets=(all)
elif [[ $command == bench ]]; then
  npm_dir="$(npm_packages)"
fi

emcmake cmake -S "$root" -B "$build" "${configure[@]}" >/dev/null
cmake --build "$build" -j"$jobs" --target "${targets[@]}"

site="$build/site"
wasm_kb=$(($(gzip -9c "$site/delvora.wasm" | wc -c) / 1024))
scripts_kb=$(($(cat "$site/delvora.js" "$site"/js/*.js | gzip -9c | wc -c) / 1024))
echo "web: site in $site (wasm ${wasm_kb} KB + scripts ${scripts_kb} KB gzip-compressed)"

case "$command" in
  serve)
    exec node "$root/web/serve.mjs" "$site" "${PORT:-8080}"
    ;;
  test)
    ctest --test-dir "$build" --output-on-failure
    ;;
  bench)
    node "$root/tests/web/speed.mjs" "$site" "$npm_dir"
    ;;
esac
