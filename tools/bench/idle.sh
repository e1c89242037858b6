#!/usr/bin/env bash
# What Kestrum costs while nobody uses it: the real Kestrum.exe with a 20,000-line history,
# started hidden and then shown, left alone for a while each time, beside a plain message loop
# measured in the same run. Prints the CPU time (scheduler ticks of 10 ms) of the program and of
# the prefix's window server.
#   tools/bench/idle.sh [SECONDS]     (default 20)
set -euo pipefail
cd "$(dirname "$0")/../.."
seconds=${1:-20}
cmake --preset windows >/dev/null
cmake --build --preset windows --target Kestrum plain_loop >/dev/null
export WINE_HARNESS_STATE=wine-idle
cmake/wine-harness.sh setup build/windows >/dev/null
trap 'cmake/wine-harness.sh teardown build/windows >/dev/null' EXIT
# shellcheck disable=SC1091
. build/windows/wine-idle/env.sh

folder=build/windows/wine-idle/program
mkdir -p "$folder"
cp build/windows/bin/Kestrum.exe build/windows/bin/plain_loop.exe "$folder/"
# Twenty thousand openings of 2,000 documents over about a year, ending today.
today=$(( ($(date +%s) / 86400) + 25569 ))
awk -v today="$today" 'BEGIN { for (i = 0; i < 20000; i++)
  printf "%d.%06d C:\\users\\Public\\Documents\\Bench\\Folder %d\\Document %d.%s\r\n",
         today - int((20000 - i) / 55), (i * 7919) % 1000000, i % 50, i % 2000,
         (i % 3 == 0 ? "docx" : (i % 3 == 1 ? "pdf" : "txt")) }' >"$folder/Kestrum.dat"

branch='HKCU\Software\Quillon Works\Kestrum'
wine reg add "$branch" /v ShowIntro /t REG_DWORD /d 0 /f >/dev/null 2>&1

ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }
server_pid() {
  local pid
  for pid in $(pgrep wineserver); do
    tr '\0' '\n' <"/proc/$pid/environ" 2>/dev/null | grep -qx "WINEPREFIX=$WINEPREFIX" && { echo "$pid"; return; }
  done
}
# measure LABEL EXE: starts EXE, lets it settle, then counts its ticks and the server's.
measure() {
  local label=$1 exe=$2 pid server before server_before
  wine "$folder/$exe" >/dev/null 2>&1 &
  sleep 6
  pid=$(pgrep -f "$exe" | head -1)
  server=$(server_pid)
  before=$(ticks "$pid")
  server_before=$(ticks "$server")
  sleep "$seconds"
  printf '%-28s %6d ticks   window server %6d ticks   in %d s\n' "$label" \
    $(($(ticks "$pid") - before)) $(($(ticks "$server") - server_before)) "$seconds"
  wine taskkill /IM "$exe" /F >/dev/null 2>&1 || true
  wait 2>/dev/null || true
}

measure "plain message loop" plain_loop.exe
wine reg add "$branch" /v Minimized /t REG_DWORD /d 1 /f >/dev/null 2>&1
measure "Kestrum, hidden" Kestrum.exe
wine reg add "$branch" /v Minimized /t REG_DWORD /d 0 /f >/dev/null 2>&1
measure "Kestrum, shown and idle" Kestrum.exe
