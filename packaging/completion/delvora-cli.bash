# bash completion for delvora-cli                                  -*- shell-script -*-
# Written by tools/option_docs.cpp from the option table; do not edit.

# Fills COMPREPLY with what compgen prints for the arguments, one entry a line, so that file
# names with blanks stay whole.
_delvora_cli_reply() {
  mapfile -t COMPREPLY < <(compgen "$@")
}

_delvora_cli() {
  local cur prev
  COMPREPLY=()
  cur=${COMP_WORDS[COMP_CWORD]}
  prev=${COMP_WORDS[COMP_CWORD - 1]}

  # "--option=value": bash splits at "=" (it is in COMP_WORDBREAKS by default); when it does
  # not, split the word here.
  if [[ $cur == = ]]; then
    prev=${COMP_WORDS[COMP_CWORD - 1]}
    cur=
  elif [[ $prev == = && $COMP_CWORD -ge 2 ]]; then
    prev=${COMP_WORDS[COMP_CWORD - 2]}
  elif [[ $cur == --*=* ]]; then
    prev=${cur%%=*}
    cur=${cur#*=}
  fi

  case $prev in
    --map-size)
      _delvora_cli_reply -W '640x480 800x600 1024x768 1280x1024' -- "$cur"
      return ;;
    --room-size)
      _delvora_cli_reply -W 'tiny small medium large' -- "$cur"
      return ;;
    --corridors)
      _delvora_cli_reply -W 'straight twisty very-twisty' -- "$cur"
      return ;;
    --stairs)
      _delvora_cli_reply -W '0 1 2 3 4 5 6 7 8 9 10' -- "$cur"
      return ;;
    --dress-roll)
      _delvora_cli_reply -W '1 2 3 4 5 6' -- "$cur"
      return ;;
    --dressing-dir)
      compopt -o filenames 2>/dev/null
      _delvora_cli_reply -d -- "$cur"
      return ;;
    --dead-ends)
      _delvora_cli_reply -W 'some few some,few' -- "$cur"
      return ;;
    --levels)
      _delvora_cli_reply -W '1 2 3 4 5 6 7 8 9 10' -- "$cur"
      return ;;
    --dump)
      compopt -o filenames 2>/dev/null
      _delvora_cli_reply -f -- "$cur"
      [[ -z $cur ]] && COMPREPLY+=(-)
      return ;;
    --export-json)
      compopt -o filenames 2>/dev/null
      _delvora_cli_reply -f -- "$cur"
      [[ -z $cur ]] && COMPREPLY+=(-)
      return ;;
    --foundry-version)
      _delvora_cli_reply -W '12 13 14' -- "$cur"
      return ;;
    -o | --output | --report | --print-map | --print-25mm | --print-dressing | --export-uvtt | --export-foundry)
      compopt -o filenames 2>/dev/null
      _delvora_cli_reply -f -- "$cur"
      return ;;
    --seed | --iterations | --concealed | --secret | --title | --count | --foundry-image-path | --px-per-grid)
      # A number, a text or a path of the user's own.
      return ;;
  esac

  if [[ $cur == -* ]]; then
    local options='--seed --map-size --iterations --room-size --corridors --stairs --no-number-rooms --no-dressing --no-grid --river --chasm --no-background --no-snap --concealed --secret --no-corridor-stairs --dress-roll --no-internal-dressing --dressing-dir --title --dead-ends --count --levels -o --output --report --dump --print-map --print-25mm --print-dressing --export-uvtt --export-foundry --export-json --foundry-image-path --foundry-version --player-map --px-per-grid --help --version'
    _delvora_cli_reply -W "$options" -- "$cur"
  fi
}
complete -F _delvora_cli delvora-cli
