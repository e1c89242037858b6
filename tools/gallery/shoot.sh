#!/usr/bin/env bash
# Screenshots of the control gallery under the test harness's Wine and Xvfb, with Wine's light
# visual style on and then off, in each colour scheme, plus one with large icons and the File
# menu open and one with the sample dialog on the common frame open. The pictures go to BUILD_DIR/gallery/ (PNG when ImageMagick is there, else BMP).
#
#   tools/gallery/shoot.sh [BUILD_DIR]      (default build/windows; build the gallery first:
#                                            cmake --build build/windows --target gallery)
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
build=$(cd "${1:-$root/build/windows}" && pwd)
gallery=$build/bin/gallery.exe
out=$build/gallery
harness=$root/cmake/wine-harness.sh
# A state folder of its own, so that a test run beside this one keeps its prefix and display.
export WINE_HARNESS_STATE=gallery-run

[ -f "$gallery" ] || { echo "shoot: $gallery is missing; build the target 'gallery' first" >&2; exit 1; }
mkdir -p "$out"
"$harness" setup "$build" >/dev/null
trap '"$harness" teardown "$build" >/dev/null' EXIT
# shellcheck disable=SC1090
. "$build/$WINE_HARNESS_STATE/env.sh"

# Visual styles on (1) or off (0). Processes see the value only after the wineserver restarts.
themes() {
  wine reg add 'HKCU\Software\Microsoft\Windows\CurrentVersion\ThemeManager' /v ThemeActive /t REG_SZ /d "$1" /f \
    </dev/null >/dev/null 2>&1
  wineserver -k || true
  wineserver -w || true
  wineserver -p </dev/null >/dev/null 2>&1
}

# shoot NAME GALLERY-ARGUMENTS...
shoot() {
  local name=$1
  shift
  local bmp="$out/$name.bmp"
  rm -f "$bmp" "$out/$name.png"
  wine "$gallery" "$@" --shot "$(winepath -w "$bmp")" </dev/null
  if command -v convert >/dev/null; then
    convert "$bmp" "$out/$name.png" && rm -f "$bmp"
    echo "shoot: $out/$name.png"
  else
    echo "shoot: $bmp"
  fi
}

for state in on off; do
  [ "$state" = on ] && themes 1 || themes 0
  for scheme in 0 1 2; do shoot "themes-$state-scheme-$scheme" --scheme "$scheme"; done
  shoot "themes-$state-menu-large" --scheme 1 --large --open-menu
  shoot "themes-$state-dialog" --scheme 1 --dialog
done
