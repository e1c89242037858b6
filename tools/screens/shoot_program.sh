#!/usr/bin/env bash
# Screenshots of the real Kestrum.exe under the test harness's Wine and Xvfb, in each colour
# scheme: the main window with each top-level menu open, Change Password, About, the tray note
# and the password prompt; then the document dialogs (Info, Copy, Save List) once. PNG files go to BUILD_DIR/screens/. Needs xdotool and ImageMagick.
#
#   tools/screens/shoot_program.sh [BUILD_DIR]   (default build/windows; build Kestrum first)
set -euo pipefail

tool=shoot_program
export WINE_HARNESS_STATE=screens-run
# shellcheck source=tools/screens/common.sh
. "$(dirname "$0")/common.sh"

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
