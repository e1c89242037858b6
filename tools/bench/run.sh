#!/usr/bin/env bash
# Builds and runs the document list benchmark under Wine in a throw-away prefix.
#   tools/bench/run.sh [LINES...]
set -euo pipefail
cd "$(dirname "$0")/../.."
cmake --preset windows >/dev/null
cmake --build --preset windows --target list_benchmark
export WINE_HARNESS_STATE=wine-bench
cmake/wine-harness.sh setup build/windows >/dev/null
trap 'cmake/wine-harness.sh teardown build/windows >/dev/null' EXIT
cmake/wine-harness.sh run build/windows build/windows/bin/list_benchmark.exe "$@"
