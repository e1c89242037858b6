#!/usr/bin/env bash
# Screenshots of the real Kestrum.exe under the test harness's Wine and Xvfb, in each colour
# scheme: the main window with each top-level menu open, Change Password, About, the tray note
# and the password prompt; then the document dialogs (Info, Copy, Save List) once. PNG files go to BUILD_DIR/screens/. Needs xdotool and ImageMagick.
#
#   tools/screens/shoot_program.sh [BUILD_DIR]   (default build/windows; build Kestrum first)
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
build=$(cd "${1:-$root/build/windows}" && pwd)
out=$build/screens
harness=$root/cmake/wine-harness.sh
export WINE_HARNESS_STATE=screens-run

command -v xdotool >/dev/null || { echo "shoot_program: xdotool is missing" >&2; exit 1; }
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
shot() { sleep 1.5; import -window root "$out/$1.png"; echo "shoot_program: $out/$1.png"; }
start() { (cd "$folder" && wine Kestrum.exe </dev/null >/dev/null 2>&1 &) ; sleep "${1:-6}"; }
stop() { wineserver -k || true; wineserver -w || true; wineserver -p </dev/null >/dev/null 2>&1; sleep 1; }
main_window() { xdotool search --name '^Kestrum' | head -1; }

for scheme in 0 1 2; do
  wine reg delete "$branch" /f </dev/null >/dev/null 2>&1 || true
  setting Minimized REG_DWORD 0
  setting HideMessage REG_DWORD 1
  setting ViewInterfaceColors REG_DWORD $scheme
  start
  win=$(main_window)
  xdotool windowactivate --sync "$win" 2>/dev/null || xdotool windowfocus "$win" || true
  for menu in f v s h; do
    xdotool key --window "$win" "alt+$menu"
    shot "scheme-$scheme-menu-$menu"
    xdotool key Escape Escape
  done
  xdotool key --window "$win" ctrl+g
  shot "scheme-$scheme-change-password"
  xdotool key Escape
  sleep 0.5
  xdotool key --window "$win" alt+h a
  shot "scheme-$scheme-about"
  xdotool key Escape
  stop

  # A hidden start shows the note; a stored password asks first.
  wine reg delete "$branch" /f </dev/null >/dev/null 2>&1 || true
  setting ViewInterfaceColors REG_DWORD $scheme
  start
  shot "scheme-$scheme-note"
  stop
  setting Pass REG_SZ Secret
  start
  shot "scheme-$scheme-prompt"
  stop
done

# The document dialogs, on a history of one document, its row selected from the keyboard.
wine reg delete "$branch" /f </dev/null >/dev/null 2>&1 || true
setting Minimized REG_DWORD 0
setting HideMessage REG_DWORD 1
document="$folder/Quarterly report.txt"
printf 'A report.\r\n' >"$document"
day=$(( ($(date +%s) / 86400) + 25569 ))
printf '%s.500000 %s\r\n' "$day" "$(winepath -w "$document" 2>/dev/null)" >"$folder/Kestrum.dat"
start
win=$(main_window)
xdotool windowactivate --sync "$win" 2>/dev/null || xdotool windowfocus "$win" || true
for dialog in "i:info" "c:copy-move" "s:save-list"; do
  xdotool key --window "$win" Home "ctrl+${dialog%%:*}"
  shot "document-${dialog#*:}"
  xdotool key Escape
  sleep 0.5
done
stop
