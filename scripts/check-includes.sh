#!/usr/bin/env bash
# Fails when a source file includes a header from a folder above its own. The
# folders stack up in this order; a folder may include its own headers and
# those of any folder below it. The two front ends (qt, cli) sit side by side
# on top and never include each other (but for the settings backend, which the
# command line shares); the simulator sits on base, net and engines.
#   scripts/check-includes.sh [TREE]   (default: the repository this script is in)
set -euo pipefail
tree="${1:-$(cd "$(dirname "$0")/.." && pwd)}"
stack=(base net engines ranking store history analyzer ui reports app)

rank_of() {
  local i
  for i in "${!stack[@]}"; do
    [ "${stack[$i]}" = "$1" ] && { echo "$i"; return; }
  done
  case "$1" in
    qt | cli) echo "${#stack[@]}" ;;
    *) echo "-1" ;;
  esac
}

# May a file of folder $1 include a header of folder $2?
allowed() {
  local from="$1" to="$2"
  [ "$from" = "$to" ] && return 0
  if [ "$from" = sim ]; then
    case "$to" in base | net | engines) return 0 ;; *) return 1 ;; esac
  fi
  local rf rt
  rf=$(rank_of "$from")
  rt=$(rank_of "$to")
  [ "$rt" -lt 0 ] && return 1
  [ "$rf" -lt 0 ] && return 1
  # Front ends share a rank but not their headers.
  [ "$rt" -eq "${#stack[@]}" ] && return 1
  [ "$rt" -le "$rf" ]
}

status=0
checked=0
while IFS= read -r -d '' file; do
  rel="${file#"$tree"/}"
  case "$rel" in
    src/*) from=$(echo "$rel" | cut -d/ -f2) ;;
    tools/sim/*) from=sim ;;
    *) continue ;;
  esac
  checked=$((checked + 1))
  while IFS=: read -r line text; do
    to=$(echo "$text" | sed -E 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"([^/"]+)\/.*/\1/')
    # The settings files' backend needs Qt Core only; the command line reads
    # and writes the window's settings through it.
    [ "$from" = cli ] && [[ "$text" == *'"qt/QtSettingsBackend.h"'* ]] && continue
    if ! allowed "$from" "$to"; then
      echo "$rel:$line: $from may not include \"$to/...\" (it lies above or beside $from)" >&2
      status=1
    fi
  done < <(grep -nE '^[[:space:]]*#[[:space:]]*include[[:space:]]*"[^/"]+/' "$file" || true)
done < <(find "$tree/src" "$tree/tools/sim" -type f \( -name '*.h' -o -name '*.cpp' \) -print0 2>/dev/null)

if [ "$checked" -eq 0 ]; then
  echo "check-includes: no sources under $tree" >&2
  exit 2
fi
[ "$status" -eq 0 ] && echo "check-includes: $checked files, every include runs down the stack"
exit "$status"
