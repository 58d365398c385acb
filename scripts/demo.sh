#!/usr/bin/env bash
# The main job: builds Kestrova and shows the engine catalogue. (Becomes a full
# ranking run of a demo project against kestrova-sim once the run exists.)
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake --preset default >/dev/null
cmake --build --preset default --target kestrova-cli
./build/default/src/cli/kestrova-cli engines
