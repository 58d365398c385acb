#!/usr/bin/env bash
# Builds the fuzz preset and runs harnesses of tests/fuzz on their corpora,
# two at a time. A harness that crashes, hangs, leaks or breaks a promise fails
# the whole run; its log and the input that did it (as base64) are printed.
#   scripts/fuzz.sh [-t SECONDS] [-j PARALLEL] [HARNESS...]   (default: 60 s each, all, 2 at once)
# Inputs libFuzzer finds go to build/fuzz/corpus/HARNESS, never into the
# repository's seeds; reproducers to build/fuzz/findings.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=60
parallel=2
while getopts "t:j:" option; do
  case "$option" in
    t) seconds="$OPTARG" ;;
    j) parallel="$OPTARG" ;;
    *) exit 2 ;;
  esac
done
shift $((OPTIND - 1))

# clang's libFuzzer ships in libclang-rt-14-dev; without it nothing can be built.
probe=$(mktemp -d)
trap 'rm -rf "$probe"' EXIT
echo 'extern "C" int LLVMFuzzerTestOneInput(const char*, unsigned long) { return 0; }' \
  >"$probe/probe.cpp"
if ! command -v clang++-14 >/dev/null ||
   ! clang++-14 -fsanitize=fuzzer "$probe/probe.cpp" -o "$probe/probe" 2>/dev/null; then
  echo "fuzz: SKIPPED: clang++-14 with libFuzzer is missing (apt install clang-14 libclang-rt-14-dev)"
  exit 0
fi

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz

harnesses=("$@")
if ((${#harnesses[@]} == 0)); then
  for corpus in tests/fuzz/corpus/*/; do harnesses+=("$(basename "$corpus")"); done
fi

out=build/fuzz
mkdir -p "$out/findings" "$out/logs"

run_one() {
  local name="$1" seconds="$2" out="$3"
  local work="$out/corpus/$name" log="$out/logs/$name.log" dict=()
  mkdir -p "$work"
  rm -f "$out/findings/$name-"*
  # The file harnesses write a file per input: memory is the quick place for it.
  local tmp="${TMPDIR:-/tmp}"
  [ -z "${TMPDIR:-}" ] && [ -w /dev/shm ] && tmp=/dev/shm
  [ -f "tests/fuzz/dict/$name.dict" ] && dict=(-dict="tests/fuzz/dict/$name.dict")
  if TMPDIR="$tmp" "$out/tests/fuzz/fuzz_$name" -max_total_time="$seconds" \
       -timeout=10 -rss_limit_mb=2048 -max_len=40000 -print_final_stats=1 "${dict[@]}" \
       -artifact_prefix="$out/findings/$name-" "$work" "tests/fuzz/corpus/$name" >"$log" 2>&1; then
    echo "fuzz: $name: $(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" |
      grep -o '[0-9]*$') runs, no findings"
    return 0
  fi
  echo "fuzz: $name: FAILED; its log follows"
  cat "$log"
  for artifact in "$out/findings/$name-"*; do
    [ -f "$artifact" ] || continue
    echo "fuzz: $name: reproducer $artifact (base64):"
    base64 "$artifact"
  done
  return 1
}
export -f run_one

start=$SECONDS
status=0
printf '%s\n' "${harnesses[@]}" |
  xargs -P "$parallel" -I{} bash -c 'run_one "$@"' _ {} "$seconds" "$out" || status=1
echo "fuzz: ${#harnesses[@]} harnesses in $((SECONDS - start)) s"
exit "$status"
