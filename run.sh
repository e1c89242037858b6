#!/usr/bin/env bash
# Installs what is missing, builds Kestrum and runs it under Wine.
#
#   ./run.sh          start Kestrum.exe in your Wine prefix (on a private Xvfb display when
#                     there is no DISPLAY); its history is build/windows/bin/Kestrum.dat
#   ./run.sh --demo   the same in a throw-away prefix: opens a few sample documents through the
#                     shell, waits until Kestrum has recorded and shown them, prints the history
#                     and saves a screenshot of the main window as build/windows/demo.png
set -euo pipefail
cd "$(dirname "$0")"
root=$(pwd)

scripts/install-deps.sh
cmake --preset windows >/dev/null
cmake --build --preset windows --target Kestrum open_documents

bin=$root/build/windows/bin
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="

if [ "${1:-}" != "--demo" ]; then
  if [ -z "${DISPLAY:-}" ]; then
    display=$((600 + RANDOM % 100))
    Xvfb ":$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    xvfb=$!
    trap 'kill $xvfb 2>/dev/null || true' EXIT
    export DISPLAY=:$display
    sleep 1
    echo "Kestrum runs on the virtual display $DISPLAY; end it with Ctrl+C."
  fi
  wine "$bin/Kestrum.exe"
  exit 0
fi

# The demo: a fresh prefix of its own, stopped with everything in it at the end.
export WINE_HARNESS_STATE=wine-demo
harness=$root/cmake/wine-harness.sh
"$harness" setup build/windows
trap '"$harness" teardown build/windows >/dev/null' EXIT
# shellcheck disable=SC1091
. build/windows/wine-demo/env.sh

# Show the main window at start, with every date.
branch='HKCU\Software\Quillon Works\Kestrum'
wine reg add "$branch" /v Minimized /t REG_DWORD /d 0 /f >/dev/null 2>&1
wine reg add "$branch" /v FilterType /t REG_DWORD /d 0 /f >/dev/null 2>&1
wine reg add "$branch\MainWindow" /v Left /t REG_DWORD /d 40 /f >/dev/null 2>&1
wine reg add "$branch\MainWindow" /v Top /t REG_DWORD /d 30 /f >/dev/null 2>&1
wine reg add "$branch\MainWindow" /v Width /t REG_DWORD /d 1100 /f >/dev/null 2>&1
wine reg add "$branch\MainWindow" /v Height /t REG_DWORD /d 640 /f >/dev/null 2>&1

program_dir=$WINEPREFIX/drive_c/Kestrum
mkdir -p "$program_dir"
cp "$bin/Kestrum.exe" "$program_dir/"
wine 'C:\Kestrum\Kestrum.exe' </dev/null >/dev/null 2>&1 &

docs_unix="$WINEPREFIX/drive_c/users/Public/Documents/Kestrum demo"
docs='C:\users\Public\Documents\Kestrum demo'
mkdir -p "$docs_unix/Reports 2026"
samples=("Reports 2026\\Quarterly report.docx" "Budget 2026.xlsx" "Meeting notes.txt" "Über die Geschichte.pdf"
         "Reports 2026\\Annual plan.docx" "Letter to Anna.docx" "Reports 2026\\Résumé Élodie.docx")
paths=()
for sample in "${samples[@]}"; do
  echo "sample document" >"$docs_unix/${sample//\\//}"
  paths+=("$docs\\$sample")
done

history=$program_dir/Kestrum.dat
for _ in $(seq 100); do [ -f "$history" ] && break; sleep 0.1; done
sleep 1  # the watcher is armed right after the history is created
wine "$bin/open_documents.exe" "${paths[@]}"

for _ in $(seq 100); do
  [ "$(wc -l <"$history")" -ge "${#paths[@]}" ] && break
  sleep 0.1
done
echo "Kestrum recorded these openings in C:\\Kestrum\\Kestrum.dat:"
cat "$history"
sleep 1
# The main window only, where its stored placement puts it.
import -window root -crop 1100x640+40+30 +repage "$root/build/windows/demo.png"
echo "A screenshot of the main window: build/windows/demo.png"
