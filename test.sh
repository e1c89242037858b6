#!/usr/bin/env bash
# Installs what is missing, builds both presets and runs every test through CTest.
# Exits non-zero when anything fails.
set -uo pipefail
cd "$(dirname "$0")"

scripts/install-deps.sh || exit 1

status=0
for preset in native windows; do
  echo "== build ($preset)"
  cmake --preset "$preset" >/dev/null && cmake --build --preset "$preset" || exit 1
done
echo "== tests (native)"
ctest --preset native --no-tests=error || status=1
echo "== tests (windows, under Wine)"
ctest --preset windows --no-tests=error || status=1
exit $status
