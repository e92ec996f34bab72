# What the end-to-end checks share, sourced once they have set $lotavo, $data and $artefacts:
#   source "$here/e2e-support.sh" FAILURE-SCREENSHOT.png
# the virtual display helpers; $work, a folder with a copy of the program and its data that
# goes when the check ends, however it ends, with the program ($pid) and the display; and
# fail MESSAGE, which leaves a screenshot in the artefacts folder.
source "$(dirname "${BASH_SOURCE[0]}")/../../tools/xvfb-session.sh"
failure_screenshot=$1
work=$(mktemp -d)
mkdir -p "$artefacts"
# A program that has ended already must not stop the cleanup (set -e): the display would stay.
cleanup() { [ -z "${pid:-}" ] || kill -9 "$pid" 2>/dev/null || true; stop_display; rm -rf "$work"; }
trap cleanup EXIT
fail() { echo "FAIL: $*"; screenshot "$artefacts/$failure_screenshot" 2>/dev/null || true; exit 1; }

cp -r "$data/." "$work/"
cp "$lotavo" "$work/lotavo"

# Starts the program in $work and waits for the draw screen. Under a bare X server the program
# has, rarely, not come up (an abort or no window within half a minute) — not yet understood;
# the first attempt's log is printed and it is started once more, on fresh settings.
start_draw_screen() {
  local attempt
  for attempt in 1 2; do
    "$work/lotavo" /NS >"$work/log.txt" 2>&1 &
    pid=$!
    wait_window "Lotavo软件版" 30 >/dev/null && return 0
    echo "attempt $attempt: no draw screen; the program's log:"; cat "$work/log.txt"
    # An aborted program is gone already: that must not end the check before the second attempt.
    kill -9 "$pid" 2>/dev/null || true; wait "$pid" 2>/dev/null || true
    [ "$attempt" = 2 ] && fail "no draw screen"
    cp "$data/lotavo.bin" "$work/lotavo.bin"
  done
}
