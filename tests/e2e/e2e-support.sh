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

# Starts the program in $work and waits for the draw screen.
start_draw_screen() {
  start_program "Lotavo软件版" "$work/log.txt" "$work/lotavo" /NS && return 0
  cat "$work/log.txt"
  fail "no draw screen"
}
