#!/usr/bin/env bash
# Runs a test program on a desktop of its own: a private X server (Xvfb) of
# the given size with the openbox window manager, so that windows get real
# frames. Usage: run_on_desktop.sh PROGRAM WIDTHxHEIGHT [arguments...]
# Exits 77 (the test is skipped) only when the desktop cannot be started.
set -u
program=$1
size=$2
shift 2

skip() {
  echo "SKIPPED: $1 (scripts/install-deps.sh installs xvfb, openbox, xdotool and x11-utils)"
  exit 77
}
for tool in Xvfb openbox xdotool xprop; do
  command -v "$tool" >/dev/null 2>&1 || skip "$tool is not installed"
done

work=$(mktemp -d)
xvfb_pid=""
wm_pid=""
stop_desktop() {
  [ -n "$wm_pid" ] && kill "$wm_pid" 2>/dev/null
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
  wait 2>/dev/null
  xvfb_pid=""
  wm_pid=""
}
cleanup() {
  stop_desktop
  rm -rf "$work"
}
trap cleanup EXIT

# Starts Xvfb and openbox; on failure says why in $failure.
start_desktop() {
  # Xvfb picks a free display number itself and writes it once it listens.
  : >"$work/display"
  Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
  xvfb_pid=$!
  for _ in $(seq 100); do
    [ -s "$work/display" ] && break
    kill -0 "$xvfb_pid" 2>/dev/null || break
    sleep 0.05
  done
  if [ ! -s "$work/display" ]; then
    failure="Xvfb did not start: $(tail -n 3 "$work/xvfb.log" | tr '\n' ' ')"
    return 1
  fi
  export DISPLAY=":$(head -n 1 "$work/display")"

  openbox --sm-disable >"$work/openbox.log" 2>&1 &
  wm_pid=$!
  # The window manager is up once it has claimed the root window.
  for _ in $(seq 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" && return 0
    kill -0 "$wm_pid" 2>/dev/null || break
    sleep 0.05
  done
  failure="openbox did not start: $(tail -n 3 "$work/openbox.log" | tr '\n' ' ')"
  return 1
}

# Xvfb servers starting at the same moment (the tests run in parallel) can
# race for one display number, and the loser may write a display nobody
# can open: a new server then picks another.
failure=""
for attempt in 1 2 3; do
  start_desktop && break
  stop_desktop
  [ "$attempt" -eq 3 ] && skip "$failure"
done

echo "desktop $DISPLAY at $size with openbox"
QT_QPA_PLATFORM=xcb HALCYRA_DESKTOP_SIZE="$size" "$program" "$@"
