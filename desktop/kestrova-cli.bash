# Tab completion for kestrova-cli: commands and options as the program's own
# --help lists them, so they never fall behind it; project files for FILE.
_kestrova_cli() {
  local cur prev words cword
  _init_completion || return
  local cli=${words[0]} command="" i
  for ((i = 1; i < cword; i++)); do
    if [[ ${words[i]} != -* ]]; then
      command=${words[i]}
      break
    fi
  done

  if [[ -z $command ]]; then
    if [[ $cur == -* ]]; then
      COMPREPLY=($(compgen -W '--help --version' -- "$cur"))
    else
      COMPREPLY=($(compgen -W "$("$cli" --help 2>/dev/null |
        awk '/^Subcommands:/ { on = 1; next } on && NF { print $1 }')" -- "$cur"))
    fi
    return
  fi

  case $prev in
    --weekly) COMPREPLY=($(compgen -W 'Mon Tue Wed Thu Fri Sat Sun' -- "$cur")); return ;;
    --format) COMPREPLY=($(compgen -W 'table csv json' -- "$cur")); return ;;
    --agent) COMPREPLY=($(compgen -W 'microsoft netscape kestrova own' -- "$cur")); return ;;
  esac
  # Options listed with a value type (--proxy TEXT) take a value: offer files.
  local help
  help=$("$cli" "$command" --help 2>/dev/null)
  if [[ $prev == --* ]] && grep -qE -- "^ +$prev [A-Z]" <<<"$help"; then
    _filedir
    return
  fi
  if [[ $cur == -* ]]; then
    COMPREPLY=($(compgen -W "$(grep -oE -- '--[a-z][a-z-]*' <<<"$help" | sort -u)" -- "$cur"))
    return
  fi
  _filedir rnk
}
complete -F _kestrova_cli kestrova-cli
