# Helpers for running the program under a virtual X display (sourced by run.sh and the
# end-to-end test). Needs Xvfb, xdotool and ImageMagick's import.

# start_display WIDTHxHEIGHT: starts Xvfb on a free display number and exports DISPLAY.
start_display() {
  local size=$1 n
  for n in $(seq 90 140); do
    [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
    Xvfb ":$n" -screen 0 "${size}x24" -nolisten tcp >/dev/null 2>&1 &
    XVFB_PID=$!
    export DISPLAY=":$n"
    for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && return 0; sleep 0.1; done
    kill "$XVFB_PID" 2>/dev/null
  done
  echo "Xvfb did not start" >&2
  return 1
}

# stop_display: stops the display start_display started, if it did (callers run it on exit).
stop_display() {
  [ -n "${XVFB_PID:-}" ] || return 0
  kill "$XVFB_PID" 2>/dev/null || true
  wait "$XVFB_PID" 2>/dev/null || true
}

# wait_window NAME [SECONDS]: waits until a visible window with that name exists; prints its id.
wait_window() {
  local name=$1 seconds=${2:-30} id
  for _ in $(seq $((seconds * 10))); do
    id=$(xdotool search --onlyvisible --name "$name" 2>/dev/null | head -n 1)
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.1
  done
  return 1
}

# start_program NAME LOG PROGRAM ARGS...: starts PROGRAM in the background (its output added
# to LOG), sets $pid and waits up to a minute for a visible window called NAME. Xvfb has been
# seen to drop a new client's connection when other clients (xdotool polling for windows)
# connect at the same moment; Qt then ends the program at once. Such a program is started
# again, three times at most; one that runs without its window is a failure.
start_program() {
  local name=$1 log=$2 attempt
  shift 2
  for attempt in 1 2 3; do
    "$@" >>"$log" 2>&1 &
    pid=$!
    for _ in $(seq 600); do
      xdotool search --onlyvisible --name "$name" >/dev/null 2>&1 && return 0
      kill -0 "$pid" 2>/dev/null || break
      sleep 0.1
    done
    kill -0 "$pid" 2>/dev/null && return 1
    wait "$pid" 2>/dev/null || true
    echo "the program ended at its start (attempt $attempt), started again" >&2
  done
  return 1
}

screenshot() { import -window root "$1"; }
