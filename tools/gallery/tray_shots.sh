#!/usr/bin/env bash
# Screenshots of the recent-documents popup and the Options pages in the three colour schemes,
# under the test harness's Wine and Xvfb, into BUILD_DIR/gallery/ (PNG when ImageMagick is there).
#   tools/gallery/tray_shots.sh [BUILD_DIR]   (build the target 'tray_shots' first)
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=$(cd "${1:-$root/build/windows}" && pwd)
out=$build/gallery
export WINE_HARNESS_STATE=tray-shots-run
mkdir -p "$out"
"$root/cmake/wine-harness.sh" setup "$build" >/dev/null
trap '"$root/cmake/wine-harness.sh" teardown "$build" >/dev/null' EXIT
# shellcheck disable=SC1090
. "$build/$WINE_HARNESS_STATE/env.sh"
for scheme in 0 1 2; do
  wine "$build/bin/tray_shots.exe" "$scheme" "$(winepath -w "$out/tray-scheme-$scheme")" </dev/null
done
if command -v convert >/dev/null; then
  for bmp in "$out"/tray-scheme-*.bmp; do convert "$bmp" "${bmp%.bmp}.png" && rm -f "$bmp"; done
fi
ls "$out"/tray-scheme-*
