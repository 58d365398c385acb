#!/usr/bin/env bash
# Builds the "bench" preset and runs every benchmark, then prints a summary:
#   1. the per-page pipeline on every engine's ~10 KB and ~32 KB page, beside one
#      memchr pass over the same bytes (Google Benchmark);
#   2. a whole ranking run (34 engines x 3 keywords x depth 50) through kestrova-sim
#      on loopback with --jobs 1 and 8, beside curl making the same requests in one
#      process; and 34 engines x 1 keyword x depth 30 with 100 ms on every page,
#      --jobs 1, 8 and 34 beside curl --parallel --parallel-max 34;
#   3. writing and reading a project file at the record limit, with 964 keywords
#      and with 32,767 (one per record), and whole `kestrova-cli info` and `show`
#      processes on each beside `cat` reading the same file;
#   4. cheerio loading the same result pages and collecting their links.
# REPEATS (default 5) sets the repetitions; figures are medians with min-max.
# PARTS (default "1 2 3") chooses what runs; 4 runs with 1. BASELINE_CLI, a
# kestrova-cli built from another commit, is timed in part 3 beside this one.
# Raw output stays in build/bench/bench-work/.
set -euo pipefail
cd "$(dirname "$0")/.."
repeats=${REPEATS:-5}
parts=" ${PARTS:-1 2 3} "
want() { [[ "$parts" == *" $1 "* ]]; }
bin=build/bench
work=$bin/bench-work

for tool in /usr/bin/time curl node npm python3; do
  command -v "$tool" >/dev/null || { echo "run.sh: $tool is missing" >&2; exit 1; }
done

cmake --preset bench >/dev/null
cmake --build --preset bench --target bench_pipeline bench_project kestrova-cli kestrova-sim
rm -rf "$work"
mkdir -p "$work"
cli=$bin/src/cli/kestrova-cli
sim=$bin/tools/sim/kestrova-sim

if want 1; then
  echo "== 1 and 4: per-page pipeline, memchr floor, cheerio peer"
  "$bin/bench/bench_pipeline" --dump-pages="$work/pages"
  "$bin/bench/bench_pipeline" --benchmark_repetitions="$repeats" --benchmark_min_time=0.05 \
    --benchmark_display_aggregates_only=true \
    --benchmark_out="$work/pipeline.json" --benchmark_out_format=json >"$work/pipeline.txt"
  if [ ! -d bench/peer/node_modules ]; then
    (cd bench/peer && { npm ci --offline || npm ci; })
  fi
  node bench/peer/parse-links.js "$work/pages" 30 >"$work/cheerio.jsonl"
fi

sim_pid=
start_sim() {  # start_sim SCENARIO LOG [--quiet]
  rm -f "$work/sim.port"
  "$sim" --port 0 --port-file "$work/sim.port" --scenario "$1" "${@:3}" >/dev/null 2>"$2" &
  sim_pid=$!
  for _ in $(seq 100); do
    [ -s "$work/sim.port" ] && return 0
    sleep 0.1
  done
  echo "run.sh: kestrova-sim did not start" >&2
  exit 1
}
stop_sim() {
  if [ -n "$sim_pid" ]; then
    kill "$sim_pid" 2>/dev/null || true
    wait "$sim_pid" 2>/dev/null || true
    sim_pid=
  fi
}
trap stop_sim EXIT

if want 2; then
  echo "== 2: whole ranking runs through kestrova-sim, and curl"
  project=$work/run.rnk
  new_project() {  # new_project KEYWORDS DEPTH
    "$cli" new "$project" --force --domain www.kestrova-bench.com --engines all --depth "$2" \
      --timeout 10 --keywords "$1" --report-dir "$work/reports" >/dev/null
  }

  # measure NAME SCENARIO KEYWORDS DEPTH CURL_FLAGS JOBS...: a first run with the
  # request log on (it warms the caches and lists the requests curl will make),
  # then REPEATS timed runs of kestrova-cli for each jobs value and of curl.
  measure() {
    local name=$1 scenario=$2 keywords=$3 depth=$4 curl_flags=$5
    shift 5
    start_sim "$scenario" "$work/$name-requests.log"
    new_project "$keywords" "$depth"
    "$cli" rank "$project" --proxy "127.0.0.1:$(cat "$work/sim.port")" --yes \
      >"$work/$name-first.txt" 2>&1
    stop_sim
    start_sim "$scenario" "$work/$name-sim.log" --quiet
    local port
    port=$(cat "$work/sim.port")
    python3 bench/curl_config.py "$work/$name-requests.log" "127.0.0.1:$port" >"$work/$name-curl.conf"
    for jobs in "$@"; do
      for i in $(seq "$repeats"); do
        new_project "$keywords" "$depth"
        rm -rf "$work/reports"
        /usr/bin/time -v -o "$work/$name-rank-j$jobs-$i.time" "$cli" rank "$project" \
          --proxy "127.0.0.1:$port" --yes --jobs "$jobs" >"$work/$name-rank-j$jobs-$i.txt" 2>&1
      done
    done
    for i in $(seq "$repeats"); do
      # shellcheck disable=SC2086
      /usr/bin/time -v -o "$work/$name-curl-$i.time" \
        curl $curl_flags --config "$work/$name-curl.conf" >/dev/null
    done
    stop_sim
    # What the simulator saw of curl's requests, to count them beside the run's.
    start_sim "$scenario" "$work/$name-curl-requests.log"
    python3 bench/curl_config.py "$work/$name-requests.log" "127.0.0.1:$(cat "$work/sim.port")" \
      >"$work/$name-curl-count.conf"
    # shellcheck disable=SC2086
    curl $curl_flags --config "$work/$name-curl-count.conf" >/dev/null
    stop_sim
  }

  echo '{"seed": 7}' >"$work/plain.json"
  measure plain "$work/plain.json" "rank checker,website ranking,site promotion" 50 "" 1 8
  echo '{"seed": 7, "faults": [{"engine": "*", "keyword": "*", "kind": "latency", "ms": 100}]}' \
    >"$work/latency.json"
  measure latency "$work/latency.json" "rank checker" 30 \
    "--parallel --parallel-max 34 --no-progress-meter" 1 8 34

fi

# timed NAME COMMAND...: GNU time's report in NAME.time (peak memory) and the
# wall time in nanoseconds in NAME.ns (GNU time counts only hundredths).
timed() {
  local start end
  start=$(date +%s%N)
  /usr/bin/time -v -o "$work/$1.time" "${@:2}" >/dev/null
  end=$(date +%s%N)
  echo $((end - start)) >"$work/$1.ns"
}

if want 3; then
  echo "== 3: project files at the record limit; info and show on them"
  for spread in few distinct; do
    file=$work/limit-$spread.rnk
    /usr/bin/time -v -o "$work/project-write-$spread.time" \
      "$bin/bench/bench_project" write "$file" "$repeats" "$spread" >"$work/project-write-$spread.json"
    /usr/bin/time -v -o "$work/project-read-$spread.time" \
      "$bin/bench/bench_project" read "$file" "$repeats" "$spread" >"$work/project-read-$spread.json"
    cat "$file" >/dev/null  # the file in the page cache for every process that follows
    for i in $(seq "$repeats"); do
      timed "cat-$spread-$i" cat "$file"
      timed "info-$spread-$i" "$cli" info "$file"
      timed "show-$spread-$i" "$cli" show "$file"
      if [ -n "${BASELINE_CLI:-}" ]; then
        timed "baseline-info-$spread-$i" "$BASELINE_CLI" info "$file"
        timed "baseline-show-$spread-$i" "$BASELINE_CLI" show "$file"
      fi
    done
  done
fi

echo
python3 bench/summarize.py "$work"
