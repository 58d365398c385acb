#!/usr/bin/env bash
# Shows a window on a private Xvfb screen and saves the screen as PNG.
#   capture.sh OUT.png "WINDOW NAME" [SETTLE_SECONDS] -- PROGRAM [ARGS...]
# Starts Xvfb (1280x800), runs PROGRAM on it, waits until a visible window whose
# title contains WINDOW NAME is mapped, lets it paint for SETTLE_SECONDS (default
# 1), saves `import -window root` to OUT.png, then ends the program and Xvfb.
# Exits 77 (a skipped test for CTest) when Xvfb, xdotool or import is missing.
set -euo pipefail
out=$1 name=$2
shift 2
settle=1
if [ "${1:-}" != "--" ]; then
  settle=$1
  shift
fi
[ "${1:-}" = "--" ] && shift

for tool in Xvfb xdotool import; do
  if ! command -v "$tool" >/dev/null; then
    echo "capture.sh: skipped, $tool is not installed (bash scripts/setup.sh installs it)" >&2
    exit 77
  fi
done

work=$(mktemp -d)
xvfb_pid= program_pid=
finish() {
  local status=$?
  for pid in $program_pid $xvfb_pid; do
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
  done
  rm -rf "$work"
  exit "$status"
}
trap finish EXIT

# Xvfb picks a free display and writes its number once it is ready.
Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 200); do
  [ -s "$work/display" ] && break
  sleep 0.1
done
display=$(tr -d '[:space:]' <"$work/display")
if [ -z "$display" ]; then
  echo "capture.sh: Xvfb did not start" >&2
  cat "$work/xvfb.log" >&2
  exit 1
fi
export DISPLAY=":$display" QT_QPA_PLATFORM=xcb

"$@" >"$work/program.log" 2>&1 &
program_pid=$!
if ! timeout 30 xdotool search --sync --onlyvisible --name "$name" >/dev/null; then
  echo "capture.sh: no window named \"$name\" appeared" >&2
  cat "$work/program.log" >&2
  exit 1
fi
sleep "$settle"
mkdir -p "$(dirname "$out")"
import -window root "$out"
[ -s "$out" ] || { echo "capture.sh: $out is empty" >&2; exit 1; }
echo "capture.sh: saved $out"
