#!/usr/bin/env bash
# The rank history's costs, built with the "bench" preset (Release):
#   1. the history writes of one run of 34 engines x 3 keywords, in process;
#   2. a whole ranking run of that project through kestrova-sim on loopback,
#      with the history and with --no-history, alternating;
#   3. `kestrova-cli history --format csv` of a project holding 100,000 checks.
# REPEATS (default 5) sets the repetitions; figures are medians with min-max.
# LATENCY=MS has the simulator add MS to every result page in step 2, as real
# engines take 100-500 ms to answer (default 0: loopback, the history's worst case).
# Raw output stays in build/bench/history-work/.
set -euo pipefail
cd "$(dirname "$0")/.."
repeats=${REPEATS:-5}
bin=build/bench
work=$bin/history-work
command -v /usr/bin/time >/dev/null || { echo "history.sh: /usr/bin/time is missing" >&2; exit 1; }

cmake --preset bench >/dev/null
cmake --build --preset bench --target bench_history kestrova-cli kestrova-sim
rm -rf "$work"
mkdir -p "$work"
cli=$bin/src/cli/kestrova-cli
sim=$bin/tools/sim/kestrova-sim

echo "== 1: history writes of one run"
"$bin/bench/bench_history" write "$work" 30 >"$work/write.json"

echo "== 2: whole run with and without the history"
latency=${LATENCY:-0}
if [ "$latency" -gt 0 ]; then
  echo "{\"seed\": 7, \"faults\": [{\"engine\": \"*\", \"keyword\": \"*\", \"kind\": \"latency\", \"ms\": $latency}]}" \
    >"$work/scenario.json"
else
  echo '{"seed": 7}' >"$work/scenario.json"
fi
"$sim" --port 0 --port-file "$work/sim.port" --scenario "$work/scenario.json" --quiet \
  >/dev/null 2>"$work/sim.log" &
sim_pid=$!
trap 'kill "$sim_pid" 2>/dev/null || true; wait "$sim_pid" 2>/dev/null || true' EXIT
for _ in $(seq 100); do [ -s "$work/sim.port" ] && break; sleep 0.1; done
port=$(cat "$work/sim.port")
project=$work/run.rnk
rank() {  # rank LABEL [OPTIONS]
  "$cli" new "$project" --force --domain www.kestrova-bench.com --engines all --depth 50 \
    --timeout 10 --keywords "rank checker,website ranking,site promotion" \
    --report-dir "$work/reports" >/dev/null
  rm -rf "$work/reports"
  local start end
  start=$(date +%s%N)
  /usr/bin/time -v -o "$work/$1.time" \
    "$cli" rank "$project" --proxy "127.0.0.1:$port" --yes "${@:2}" >"$work/$1.txt" 2>&1
  end=$(date +%s%N)
  echo $((end - start)) >"$work/$1.ns"
}
rank warm-up
# The history grows over the runs, as a project's does.
rm -f "$project-history.db"
for i in $(seq "$repeats"); do
  rank "without-$i" --no-history
  rank "with-$i"
done

echo "== 3: history --format csv of 100,000 checks"
"$bin/bench/bench_history" make "$work/big.rnk" 100000
for i in $(seq "$repeats"); do
  /usr/bin/time -v -o "$work/read-$i.time" \
    "$cli" history "$work/big.rnk" --format csv >"$work/read.csv"
done

echo
python3 - "$work" <<'PY'
import glob, json, re, statistics, sys
work = sys.argv[1]
def figures(prefix, cpu=None):
    wall, peak = [], []
    for name in glob.glob(f"{work}/{prefix}-*.time"):
        text = open(name).read()
        m = re.search(r"Elapsed \(wall clock\) time.*: (?:(\d+):)?(\d+)\.(\d+)", text)
        wall.append(int(m.group(1) or 0) * 60 + float(f"{m.group(2)}.{m.group(3)}"))
        peak.append(int(re.search(r"Maximum resident set size \(kbytes\): (\d+)", text).group(1)))
        if cpu is not None:
            cpu.append(sum(float(re.search(rf"{what} time \(seconds\): ([\d.]+)", text).group(1))
                           for what in ("User", "System")))
    return wall, peak
def nanos(prefix):
    return [int(open(n).read()) / 1e9 for n in glob.glob(f"{work}/{prefix}-*.ns")]
def show(label, values, unit, scale=1.0):
    values = [v * scale for v in values]
    print(f"{label}: {statistics.median(values):.3g} {unit} ({min(values):.3g}-{max(values):.3g})")
write = json.load(open(f"{work}/write.json"))
print(f"history writes of one run ({write['checks_per_run']} checks): "
      f"{write['median_ms']:.1f} ms ({write['min_ms']:.1f}-{write['max_ms']:.1f})")
without_cpu, with_cpu = [], []
_, without_peak = figures("without", without_cpu)
_, with_peak = figures("with", with_cpu)
# GNU time counts wall time in hundredths; the shell's clock gives nanoseconds.
without, with_ = nanos("without"), nanos("with")
show("whole run without history, wall", without, "s")
show("whole run with history, wall", with_, "s")
print(f"with / without, wall medians: {statistics.median(with_) / statistics.median(without):.3f}")
show("whole run without history, CPU (user + system)", without_cpu, "s")
show("whole run with history, CPU (user + system)", with_cpu, "s")
print(f"with / without, CPU medians: "
      f"{statistics.median(with_cpu) / statistics.median(without_cpu):.3f}")
show("peak memory without history", without_peak, "MB", 1 / 1024)
show("peak memory with history", with_peak, "MB", 1 / 1024)
read, read_peak = figures("read")
rows = sum(1 for _ in open(f"{work}/read.csv")) - 1
show(f"history --format csv, {rows} checks", read, "s")
show("history --format csv, peak memory", read_peak, "MB", 1 / 1024)
PY
