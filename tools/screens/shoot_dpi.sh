#!/usr/bin/env bash
# Screenshots of the real Kestrum.exe at 96 and 144 dpi (LogPixels of the Wine prefix): the main
# window, its File menu, the recent-documents popup and Options, on a history of a few
# documents. PNG files go to BUILD_DIR/screens/dpi-DPI-*.png. Needs xdotool and ImageMagick.
#
#   tools/screens/shoot_dpi.sh [BUILD_DIR]   (default build/windows; build Kestrum first)
set -euo pipefail

tool=shoot_dpi
export WINE_HARNESS_STATE=screens-dpi-run
# shellcheck source=tools/screens/common.sh
. "$(dirname "$0")/common.sh"

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
