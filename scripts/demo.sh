#!/usr/bin/env bash
# The main job end to end: builds Kestrova, starts kestrova-sim on a free
# loopback port with its demo world, creates a demo project (every engine, a
# few keywords, 30 results deep, reports under ./demo), ranks it through the
# simulator as the proxy, prints the ranking grid and where Ranking.html is.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake --preset default >/dev/null
cmake --build --preset default --target kestrova-cli kestrova-sim
bin=./build/default
cli=$bin/src/cli/kestrova-cli

work="$PWD/demo"
rm -rf "$work"
mkdir -p "$work"
port_file="$work/sim.port"
"$bin/tools/sim/kestrova-sim" --port 0 --port-file "$port_file" --quiet >/dev/null &
sim_pid=$!
trap 'kill "$sim_pid" 2>/dev/null || true; wait "$sim_pid" 2>/dev/null || true' EXIT
for _ in $(seq 100); do
  [ -s "$port_file" ] && break
  kill -0 "$sim_pid" 2>/dev/null || { echo "demo: kestrova-sim did not start" >&2; exit 1; }
  sleep 0.1
done
port=$(cat "$port_file")
echo "kestrova-sim answers for every engine on 127.0.0.1:$port"

project="$work/demo.rnk"
# HotBot never answers in the demo world: a short time-out keeps the wait short.
"$cli" new "$project" --domain www.kestrova-demo.com --engines all --depth 30 --timeout 1 \
  --keywords "rank checker,website ranking,search engine position,site promotion" \
  --report-dir "$work/reports"
"$cli" rank "$project" --proxy "127.0.0.1:$port" --yes >/dev/null
for keyword in "rank checker" "website ranking" "search engine position" "site promotion"; do
  echo
  "$cli" show "$project" --keyword "$keyword"
done
echo
echo "Ranking report: $work/reports/Ranking.html"
