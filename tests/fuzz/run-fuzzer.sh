#!/usr/bin/env bash
# Runs one fuzzer on its corpus for a while (CTest's fuzz_<name> tests):
#   run-fuzzer.sh FUZZER NAME SECONDS SOURCE_DIR BUILD_DIR
# KESTROVA_FUZZ_SECONDS in the environment overrides SECONDS. New inputs go to
# BUILD_DIR/corpus/NAME, never into the repository's seeds; a crash, hang,
# leak or broken promise fails the test, and the input that did it is kept in
# BUILD_DIR/findings and printed (base64) for the log.
set -uo pipefail
fuzzer="$1" name="$2" seconds="${KESTROVA_FUZZ_SECONDS:-$3}" source="$4" build="$5"

work="$build/corpus/$name"
findings="$build/findings"
mkdir -p "$work" "$findings"
rm -f "$findings/$name-"*
dict=()
[ -f "$source/dict/$name.dict" ] && dict=(-dict="$source/dict/$name.dict")
# The file harnesses write a file per input: memory is the quick place for it.
if [ -z "${TMPDIR:-}" ] && [ -w /dev/shm ]; then export TMPDIR=/dev/shm; fi

"$fuzzer" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=40000 \
  -print_final_stats=1 "${dict[@]}" -artifact_prefix="$findings/$name-" \
  "$work" "$source/corpus/$name" 2>&1 | grep -v '^#[0-9]*.*\(NEW\|REDUCE\|pulse\)'
status=${PIPESTATUS[0]}
if ((status == 0)); then exit 0; fi
for artifact in "$findings/$name-"*; do
  [ -f "$artifact" ] || continue
  echo "fuzz: $name: reproducer $artifact (base64):"
  base64 "$artifact"
done
exit "$status"
