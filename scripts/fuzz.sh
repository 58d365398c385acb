#!/usr/bin/env bash
# Builds the fuzz preset and runs harnesses of tests/fuzz on their corpora
# through CTest (label fuzz), two at a time. A harness that crashes, hangs,
# leaks or breaks a promise fails the whole run; its log and the input that did
# it (as base64) are printed.
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

select=()
if (($# > 0)); then
  select=(-R "^fuzz_($(IFS='|'; echo "$*"))\$")
fi
start=$SECONDS
status=0
KESTROVA_FUZZ_SECONDS="$seconds" ctest --preset fuzz -j "$parallel" "${select[@]}" || status=1
echo "fuzz: done in $((SECONDS - start)) s"
exit "$status"
