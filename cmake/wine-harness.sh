#!/usr/bin/env bash
# Runs Windows test programs under Wine on a private Xvfb display, in a fresh prefix per test run.
#
#   wine-harness.sh setup    BUILD_DIR   fresh prefix from the template, Xvfb, persistent wineserver
#   wine-harness.sh run      BUILD_DIR PROGRAM [ARGS...]
#   wine-harness.sh teardown BUILD_DIR   stops what setup started, by pid and by prefix
#
# The template prefix is made once per build tree with wineboot (about 15 s); every test run
# starts from a copy of it, so no run depends on what an earlier one left in the registry or
# the Recent folder. WINE_HARNESS_STATE names the state folder under BUILD_DIR (default
# wine-run), so the demo can run beside a test run.
set -euo pipefail

cmd=${1:?command}
build=$(cd "${2:?build dir}" && pwd)
state=$build/${WINE_HARNESS_STATE:-wine-run}
template=$build/wine-template
prefix=$state/prefix
envfile=$state/env.sh

base_env() {
  export WINEDEBUG=-all
  # No Mono or Gecko installer prompts during wineboot.
  export WINEDLLOVERRIDES="mscoree,mshtml="
  export WINEARCH=win64
}

# Bumped whenever the template's making changes, so that older build trees make theirs anew.
template_version=3

make_template() {
  [ "$(cat "$template/.ready" 2>/dev/null)" = "$template_version" ] && return 0
  rm -rf "$template"
  base_env
  WINEPREFIX=$template wineboot -i </dev/null >/dev/null 2>&1 || true
  WINEPREFIX=$template wineserver -w </dev/null >/dev/null 2>&1
  [ -f "$template/system.reg" ] || { echo "wine-harness: wineboot failed for $template" >&2; exit 1; }
  # Debian's Wine loads only its bitmap fonts from its own font folder, not its TrueType ones:
  # without Marlett the caption buttons show its letter codes ("0 1 r") in a fallback font,
  # and without Tahoma dialogs use a bitmap font. Fonts in the prefix's own folder are loaded.
  cp /usr/share/wine/fonts/*.ttf "$template/drive_c/windows/Fonts/" 2>/dev/null || true
  # Xvfb runs no window manager: Wine then waits 2 s for one at each hiding or destruction of a
  # visible top-level window. Unmanaged windows (drawn by Wine itself) skip that wait. The value
  # is in the template so that every process reads it at its start, the shell's own desktop
  # process included (its notification area window hides when the last icon goes).
  WINEPREFIX=$template wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f </dev/null >/dev/null 2>&1 || true
  WINEPREFIX=$template wineserver -w </dev/null >/dev/null 2>&1
  echo "$template_version" >"$template/.ready"
}

free_display() {
  local n
  for n in $(seq $((100 + RANDOM % 400)) 600); do
    if [ ! -e "/tmp/.X$n-lock" ] && [ ! -e "/tmp/.X11-unix/X$n" ]; then echo "$n"; return 0; fi
  done
  echo "wine-harness: no free X display" >&2
  exit 1
}

setup() {
  teardown_quiet
  make_template
  rm -rf "$state"
  mkdir -p "$state"
  cp -a "$template" "$prefix"
  rm -f "$prefix/.ready"

  local display
  display=$(free_display)
  # Daemons must not hold CTest's output pipes open, or the setup test never ends.
  setsid Xvfb ":$display" -screen 0 1280x1024x24 -nolisten tcp </dev/null >"$state/xvfb.log" 2>&1 &
  echo $! >"$state/xvfb.pid"
  for _ in $(seq 100); do [ -e "/tmp/.X11-unix/X$display" ] && break; sleep 0.05; done
  [ -e "/tmp/.X11-unix/X$display" ] || { echo "wine-harness: Xvfb did not start" >&2; cat "$state/xvfb.log" >&2; exit 1; }

  cat >"$envfile" <<ENV
export WINEPREFIX='$prefix'
export DISPLAY=':$display'
export WINEDEBUG=-all
export WINEDLLOVERRIDES='mscoree,mshtml='
export WINEARCH=win64
# The Recycle Bin is Wine's trash in the XDG data folder: a folder of the run, never the user's.
export XDG_DATA_HOME='$state/xdg-data'
ENV
  # shellcheck disable=SC1090
  . "$envfile"
  # A persistent server makes each later process start cost milliseconds, not seconds.
  wineserver -p </dev/null >/dev/null 2>&1
  wine cmd /c exit </dev/null >/dev/null 2>&1 || true
  echo "wine-harness: prefix $prefix on display :$display"
}

teardown_quiet() {
  if [ -f "$envfile" ]; then
    # shellcheck disable=SC1090
    ( . "$envfile"; wineserver -k >/dev/null 2>&1 || true )
  fi
  if [ -f "$state/xvfb.pid" ]; then
    kill "$(cat "$state/xvfb.pid")" >/dev/null 2>&1 || true
    rm -f "$state/xvfb.pid"
  fi
}

run() {
  [ -f "$envfile" ] || { echo "wine-harness: no test environment; run setup first" >&2; exit 1; }
  # shellcheck disable=SC1090
  . "$envfile"
  exec wine "$@"
}

case $cmd in
  setup) setup ;;
  teardown) teardown_quiet; echo "wine-harness: stopped" ;;
  run) shift 2; run "$@" ;;
  *) echo "wine-harness: unknown command $cmd" >&2; exit 2 ;;
esac
