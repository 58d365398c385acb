#!/usr/bin/env bash
# The include check passes on the tree as it is and fails, naming the file and
# line, on a copy with an include planted that runs up the stack.
set -euo pipefail
script="$1"
tree="$2"
bash "$script" "$tree" >/dev/null

planted=$(mktemp -d)
trap 'rm -rf "$planted"' EXIT
mkdir -p "$planted/src/base" "$planted/src/ui" "$planted/src/qt" "$planted/src/cli"
printf '#include "base/Text.h"\n' >"$planted/src/ui/Fine.h"
printf '#pragma once\n#include "base/Text.h"\n#include "ui/Dialogs.h"\n' >"$planted/src/base/Upward.h"
printf '#include "qt/QtText.h"\n' >"$planted/src/cli/Sideways.cpp"
if out=$(bash "$script" "$planted" 2>&1); then
  echo "FAIL: the check passed a tree with an upward include" >&2
  exit 1
fi
grep -q 'src/base/Upward.h:3: base may not include "ui/' <<<"$out" || {
  echo "FAIL: the upward include was not named: $out" >&2
  exit 1
}
grep -q 'src/cli/Sideways.cpp:1: cli may not include "qt/' <<<"$out" || {
  echo "FAIL: the include between front ends was not named: $out" >&2
  exit 1
}
if grep -q 'Fine.h' <<<"$out"; then
  echo "FAIL: a downward include was refused: $out" >&2
  exit 1
fi
echo "include check: passes on the tree, refuses upward and sideways includes"
