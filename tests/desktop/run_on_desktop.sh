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
for tool in Xvfb openbox xdotool xwininfo; do
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

# Waits until the file is there or the process has ended, for a minute at
# most: on a loaded machine starting takes seconds, and only a hang takes
# that long.
await_file() {
  local deadline=$((SECONDS + 60))
  until [ -s "$1" ]; do
    kill -0 "$2" 2>/dev/null || return 1
    [ "$SECONDS" -ge "$deadline" ] && return 1
    sleep 0.05
  done
}

# Starts Xvfb and openbox; on failure says why in $failure.
start_desktop() {
  # Xvfb picks a free display number itself and writes it once it listens.
  : >"$work/display"
  Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
  xvfb_pid=$!
  await_file "$work/display" "$xvfb_pid"
  if [ ! -s "$work/display" ]; then
    failure="Xvfb did not start: $(tail -n 3 "$work/xvfb.log" | tr '\n' ' ')"
    return 1
  fi
  export DISPLAY=":$(head -n 1 "$work/display")"

  # openbox runs the startup command once it is ready. It claims the root
  # window well before that, and a window mapped in between is never
  # framed nor shown.
  # openbox splits the command into words itself, so the file's name, which
  # may hold blanks, reaches the command through its environment.
  OPENBOX_READY="$work/openbox.ready" openbox --sm-disable --startup 'sh -c "echo ready >\"\$OPENBOX_READY\""' \
    >"$work/openbox.log" 2>&1 &
  wm_pid=$!
  await_file "$work/openbox.ready" "$wm_pid" && return 0
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
