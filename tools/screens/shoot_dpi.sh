#!/usr/bin/env bash
# Screenshots of the real Kestrum.exe at 96 and 144 dpi (LogPixels of the Wine prefix): the main
# window, its File menu, the recent-documents popup and Options, on a history of a few
# documents. PNG files go to BUILD_DIR/screens/dpi-DPI-*.png. Needs xdotool and ImageMagick.
#
#   tools/screens/shoot_dpi.sh [BUILD_DIR]   (default build/windows; build Kestrum first)
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
build=$(cd "${1:-$root/build/windows}" && pwd)
out=$build/screens
harness=$root/cmake/wine-harness.sh
export WINE_HARNESS_STATE=screens-dpi-run

command -v xdotool >/dev/null || { echo "shoot_dpi: xdotool is missing" >&2; exit 1; }
mkdir -p "$out"
"$harness" setup "$build" >/dev/null
trap '"$harness" teardown "$build" >/dev/null' EXIT
# shellcheck disable=SC1090
. "$build/$WINE_HARNESS_STATE/env.sh"

folder=$build/$WINE_HARNESS_STATE/program
mkdir -p "$folder"
cp "$build/bin/Kestrum.exe" "$folder/"
branch='HKCU\Software\Quillon Works\Kestrum'

setting() { wine reg add "$branch" /v "$1" /t "$2" /d "$3" /f </dev/null >/dev/null 2>&1; }
shot() { sleep 1.5; import -window root "$out/$1.png"; echo "shoot_dpi: $out/$1.png"; }
start() { (cd "$folder" && wine Kestrum.exe </dev/null >/dev/null 2>&1 &) ; sleep "${1:-6}"; }
stop() { wineserver -k || true; wineserver -w || true; wineserver -p </dev/null >/dev/null 2>&1; sleep 1; }
main_window() { xdotool search --name '^Kestrum' | head -1; }

# Documents of three types, opened today, so that rows, tabs and the popup have icons.
day=$(( ($(date +%s) / 86400) + 25569 ))
: >"$folder/Kestrum.dat"
for name in "Quarterly report.txt" "Budget 2026.csv" "Team photo.bmp" "Notes.ini"; do
  printf 'Some text.\r\n' >"$folder/$name"
  printf '%s.500000 %s\r\n' "$day" "$(winepath -w "$folder/$name" 2>/dev/null)" >>"$folder/Kestrum.dat"
done

for dpi in 96 144; do
  wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f </dev/null >/dev/null 2>&1
  wine reg delete "$branch" /f </dev/null >/dev/null 2>&1 || true
  setting Minimized REG_DWORD 0
  setting HideMessage REG_DWORD 1
  start
  win=$(main_window)
  xdotool windowactivate --sync "$win" 2>/dev/null || xdotool windowfocus "$win" || true
  shot "dpi-$dpi-main"
  xdotool key --window "$win" alt+f
  shot "dpi-$dpi-menu"
  xdotool key Escape Escape
  xdotool key --window "$win" ctrl+o
  shot "dpi-$dpi-options"
  xdotool key Escape
  sleep 0.5
  xdotool key --window "$win" ctrl+h
  sleep 1
  xdotool key ctrl+shift+u
  shot "dpi-$dpi-popup"
  stop
done
