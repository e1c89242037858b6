# The part every screenshot script shares, sourced after setting `tool` (the script's name, for
# its messages) and WINE_HARNESS_STATE: a harness prefix on its display, the program copied into
# a folder of its own, and the helpers the scripts drive it with.
here=$(cd "$(dirname "${BASH_SOURCE[1]}")" && pwd)
root=$(cd "$here/../.." && pwd)
build=$(cd "${1:-$root/build/windows}" && pwd)
out=$build/screens
harness=$root/cmake/wine-harness.sh

command -v xdotool >/dev/null || { echo "$tool: xdotool is missing" >&2; exit 1; }
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
shot() { sleep 1.5; import -window root "$out/$1.png"; echo "$tool: $out/$1.png"; }
start() { (cd "$folder" && wine Kestrum.exe </dev/null >/dev/null 2>&1 &) ; sleep "${1:-6}"; }
stop() { wineserver -k || true; wineserver -w || true; wineserver -p </dev/null >/dev/null 2>&1; sleep 1; }
main_window() { xdotool search --name '^Kestrum' | head -1; }
