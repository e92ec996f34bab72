#!/usr/bin/env bash
# Drives the real program under a virtual X display: Space through two levels, a close
# answered "No", then checks the results file. Screenshots go to the artefacts folder.
#   gui-check.sh <lotavo> <data folder> <artefacts folder> [WIDTHxHEIGHT]
set -euo pipefail
lotavo=$1 data=$2 artefacts=$3 size=${4:-1920x1080}
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../../tools/xvfb-session.sh"
work=$(mktemp -d)
mkdir -p "$artefacts"
cleanup() { [ -n "${pid:-}" ] && kill -9 "$pid" 2>/dev/null; stop_display; rm -rf "$work"; }
trap cleanup EXIT
fail() { echo "FAIL: $*"; screenshot "$artefacts/failure.png" 2>/dev/null || true; exit 1; }

cp -r "$data/." "$work/"
cp "$lotavo" "$work/lotavo"
start_display "$size"
# Under a bare X server the program has, rarely, not come up (an abort or no window within a
# minute) — not yet understood; the first attempt's log is printed and it is started once more.
for attempt in 1 2; do
  "$work/lotavo" /NS >"$work/log.txt" 2>&1 &
  pid=$!
  wait_window "Lotavo软件版" 30 >/dev/null && break
  echo "attempt $attempt: no draw screen; the program's log:"; cat "$work/log.txt"
  kill -9 "$pid" 2>/dev/null; wait "$pid" 2>/dev/null
  [ "$attempt" = 2 ] && fail "no draw screen"
  cp "$data/lotavo.bin" "$work/lotavo.bin"
done
sleep 1
screenshot "$artefacts/draw-screen-$size.png"

press() { xdotool key space; sleep "${1:-1.6}"; }
# Level 3: five winners in one press; the pop-up closes with the next Space.
press 2
wait_window "^中奖人$" 5 >/dev/null || fail "no winner pop-up"
screenshot "$artefacts/winner-popup-$size.png"
press
# Level 2: three presses of one winner, each pop-up closed by Space.
for _ in 1 2 3; do press; press; done
screenshot "$artefacts/level-one-$size.png"
# Home: the award screen scrolls the eight winners; Home again closes it.
xdotool key Home
wait_window "^抽奖名单$" 5 >/dev/null || fail "no award screen"
sleep 1
screenshot "$artefacts/award-screen-$size.png"
xdotool key Home
sleep 1
xdotool search --onlyvisible --name "^抽奖名单$" >/dev/null 2>&1 && fail "Home did not close the award screen"

kill -TERM "$pid"
wait_window "警告" 10 >/dev/null || fail "no closing question"
screenshot "$artefacts/close-question-$size.png"
xdotool key n
for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
kill -0 "$pid" 2>/dev/null && fail "the program did not end after No"
pid=

results=$(ls "$work"/*中奖名单*.txt 2>/dev/null | head -n 1)
[ -n "$results" ] || fail "no results file"
lines=$(iconv -f GBK -t UTF-8 "$results" | tr -d '\r')
[ "$(echo "$lines" | grep -c '  三等奖$')" -eq 5 ] || fail "five third prizes expected: $lines"
[ "$(echo "$lines" | grep -c '  二等奖$')" -eq 3 ] || fail "three second prizes expected: $lines"
[ "$(grep -c $'\r$' "$results")" -eq 8 ] || fail "CR LF line ends"
cmp -s "$work/Text.txt" "$data/Text.txt" || fail "No must keep the list"
cp "$results" "$artefacts/results.txt"
echo "gui end-to-end: 1 passed, 0 failed"
