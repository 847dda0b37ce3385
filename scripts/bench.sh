#!/usr/bin/env bash
# Builds the bench preset and prints every figure and ratio: file work, cipher, catalogue, and
# start-up time and memory of the window beside a minimal Qt dialog.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --preset bench >/dev/null
cmake --build --preset bench
build/bench/bench/bench_settings --benchmark_min_time=0.2 --benchmark_repetitions=5
bench/startup.sh build/bench "${STARTUP_RUNS:-15}"
