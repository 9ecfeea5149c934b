#!/usr/bin/env bash
# Completes delvora-cli command lines with the bash completion as bash would, and checks that
# both the bash and the zsh completion know every option of `delvora-cli --help`.
# Usage: completion_test.sh DELVORA_CLI BASH_COMPLETION ZSH_COMPLETION
set -uo pipefail

cli="$(realpath "$1")" bash_completion="$(realpath "$2")" zsh_completion="$(realpath "$3")"
failures=0 passes=0
# shellcheck source=/dev/null
source "$bash_completion"

# Completes the words of a command line, the last one being the word under the cursor, and
# prints the candidates sorted on one line.
complete_line() {
  COMP_WORDS=("$@")
  COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
  COMPREPLY=()
  _delvora_cli
  printf '%s\n' "${COMPREPLY[@]}" | sort | tr '\n' ' ' | sed 's/ $//'
}

expect() {
  local wanted="$1" got
  shift
  got="$(complete_line "$@")"
  if [[ "$got" == "$wanted" ]]; then
    passes=$((passes + 1))
  else
    echo "FAIL: completing '$*' gave '$got', expected '$wanted'"
    failures=$((failures + 1))
  fi
}

help_options="$("$cli" --help | grep -oE '(^|[ ,])-(-[a-z0-9][a-z0-9-]*|[a-zA-Z])' |
  sed 's/^[ ,]//' | sort -u | tr '\n' ' ' | sed 's/ $//')"
[[ $(wc -w <<<"$help_options") -ge 10 ]] || { echo "FAIL: no options in --help"; exit 1; }

# Every option, and only those.
expect "$help_options" delvora-cli -
expect "--no-background --no-corridor-stairs --no-dressing --no-grid --no-internal-dressing --no-number-rooms --no-snap" delvora-cli --seed 7 --no-

# Fixed values after the option, as the next word or after "=" (which bash splits off).
expect "large medium small tiny" delvora-cli --room-size ""
expect "1024x768 1280x1024" delvora-cli --map-size 1
expect "1024x768 1280x1024" delvora-cli --map-size = 1
expect "1024x768 1280x1024" delvora-cli --map-size=1
expect "very-twisty" delvora-cli --river --corridors = v
expect "some some,few" delvora-cli --dead-ends s
expect "1 2 3 4 5 6" delvora-cli --dress-roll ""
expect "1 10" delvora-cli --stairs 1
expect "" delvora-cli --seed ""

# Files after output options, folders only after --dressing-dir.
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
mkdir "$work/tables" "$work/two words"
touch "$work/map.png"
cd "$work" || exit 1
expect "map.png tables two words" delvora-cli -o ""
expect "- map.png tables two words" delvora-cli --dump ""
expect "- map.png tables two words" delvora-cli --export-json ""
expect "tables two words" delvora-cli --dressing-dir ""
expect "map.png" delvora-cli --print-map=m

# The zsh completion names every option too.
for option in $help_options; do
  if grep -qE -- "(^|[^a-z0-9-])$option([^a-z0-9-]|$)" "$zsh_completion"; then
    passes=$((passes + 1))
  else
    echo "FAIL: $option of --help is missing from $zsh_completion"
    failures=$((failures + 1))
  fi
done

echo "$passes passed, $failures failed"
[[ $failures -eq 0 ]]
