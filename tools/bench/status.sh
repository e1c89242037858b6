#!/usr/bin/env bash
# Builds and runs the file status benchmark under Wine in a throw-away prefix.
#   tools/bench/status.sh [LINES [DOCUMENTS]]
set -euo pipefail
cd "$(dirname "$0")/../.."
cmake --preset windows >/dev/null
cmake --build --preset windows --target status_benchmark
export WINE_HARNESS_STATE=wine-status-bench
cmake/wine-harness.sh setup build/windows >/dev/null
trap 'cmake/wine-harness.sh teardown build/windows >/dev/null' EXIT
cmake/wine-harness.sh run build/windows build/windows/bin/status_benchmark.exe "$@"
