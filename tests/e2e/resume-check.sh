#!/usr/bin/env bash
# Kills the real program with SIGKILL at 20 moments of a three-level draw — while rolling,
# with the winner pop-up up, right after a press — restarts it each time, answers 是 to
# continue, and at the end checks the winners: the planned number per level, nobody twice,
# everybody from the list, and the draw record verified.
#   resume-check.sh <lotavo> <lotavo-draw> <data folder> <artefacts folder>
set -euo pipefail
lotavo=$1 draw=$2 data=$3 artefacts=$4
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../../tools/xvfb-session.sh"
work=$(mktemp -d)
mkdir -p "$artefacts"
pid=
cleanup() { [ -z "$pid" ] || kill -9 "$pid" 2>/dev/null || true; stop_display; rm -rf "$work"; }
trap cleanup EXIT
fail() { echo "FAIL: $*"; screenshot "$artefacts/resume-failure.png" 2>/dev/null || true; cp "$work/log.txt" "$artefacts/resume-log.txt" 2>/dev/null || true; exit 1; }

cp -r "$data/." "$work/"
cp "$lotavo" "$work/lotavo"
# Level 3: 6 winners, 2 a press; level 2: 6, one a press; level 1: 3, one a press. Twelve
# presses: the 20 moments (ten of them presses) fall in the middle of the draw.
perl -pi -e 's/^RzSpinEdit3=5/RzSpinEdit3=6/; s/^r3=5/r3=2/; s/^RzSpinEdit2=3/RzSpinEdit2=6/; s/^RzSpinEdit1=1/RzSpinEdit1=3/' "$work/lotavo.bin"
start_display 1280x800

# Starts the program; answers the question to continue with 是 (its default button). A program
# that ended at its start (see start_program in tools/xvfb-session.sh) is started again.
launch() {
  local attempt
  for attempt in 1 2 3; do
    launch_once && return 0
    echo "moment $moment: no draw screen at start $attempt; started again"
  done
  fail "no draw screen"
}
launch_once() {
  echo "--- moment $moment" >>"$work/log.txt"
  "$work/lotavo" /NS >>"$work/log.txt" 2>&1 &
  pid=$!
  local asked=0
  for _ in $(seq 150); do
    if xdotool search --onlyvisible --name "^询问$" >/dev/null 2>&1; then
      [ "$asked" = 0 ] && screenshot "$artefacts/resume-question.png"
      asked=1
      xdotool key Return
      sleep 0.3
    fi
    if xdotool search --onlyvisible --name "Lotavo软件版" >/dev/null 2>&1 &&
       ! xdotool search --onlyvisible --name "^询问$" >/dev/null 2>&1; then
      sleep 0.5
      RESUMED=$asked
      return 0
    fi
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.2
  done
  kill -9 "$pid" 2>/dev/null || true; wait "$pid" 2>/dev/null || true; pid=
  return 1
}
popup_up() { xdotool search --onlyvisible --name "^中奖人$" >/dev/null 2>&1; }
wait_popup() { for _ in $(seq 30); do popup_up && return 0; sleep 0.1; done; return 1; }
kill_now() { kill -9 "$pid"; wait "$pid" 2>/dev/null || true; pid=; }

pressed=0  # before the first press there is no draw to continue
for moment in $(seq 20); do
  launch
  [ "$pressed" = 1 ] && [ "$RESUMED" != 1 ] && fail "moment $moment: no question to continue"
  # A resumed draw waits for the start key.
  [ "$RESUMED" = 1 ] && { xdotool key space; sleep 0.4; }
  case $((moment % 4)) in
    1 | 3) sleep 0.5 ;;                                   # while rolling
    2) xdotool key space; wait_popup || true; pressed=1 ;;  # with the pop-up up
    0) xdotool key space; wait_popup && xdotool key space; sleep 0.3; pressed=1 ;;  # right after a press
  esac
  [ "$moment" = 2 ] && screenshot "$artefacts/resume-popup-before-kill.png"
  kill_now
done

# The rest of the draw, then a normal close.
moment=end
launch
[ "$RESUMED" = 1 ] || fail "the last restart did not offer to continue"
screenshot "$artefacts/resume-continued.png"
xdotool key space; sleep 0.4
results() { ls "$work"/*中奖名单*.txt 2>/dev/null | head -n 1; }
for _ in $(seq 40); do
  count=$( [ -n "$(results)" ] && iconv -f GBK -t UTF-8 "$(results)" | grep -c . || echo 0)
  [ "$count" -ge 15 ] && break
  xdotool key space
  wait_popup && { sleep 0.3; xdotool key space; }
  sleep 0.5
done
kill -TERM "$pid"
wait_window "警告" 10 >/dev/null || fail "no closing question"
xdotool key n
for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
pid=

file=$(results)
[ "$(ls "$work"/*中奖名单*.txt | wc -l)" = 1 ] || fail "one results file expected: $(ls "$work")"
lines=$(iconv -f GBK -t UTF-8 "$file" | tr -d '\r')
cp "$file" "$artefacts/resume-results.txt"
[ "$(echo "$lines" | grep -c '  三等奖')" -eq 6 ] || fail "six third prizes: $lines"
[ "$(echo "$lines" | grep -c '  二等奖')" -eq 6 ] || fail "six second prizes: $lines"
[ "$(echo "$lines" | grep -c '  一等奖')" -eq 3 ] || fail "three first prizes: $lines"
names=$(echo "$lines" | sed 's/  [^ ]*等奖.*$//')
[ "$(echo "$names" | sort | uniq -d)" = "" ] || fail "somebody won twice: $names"
list=$(iconv -f GBK -t UTF-8 "$data/Text.txt" | tr -d '\r')
while IFS= read -r name; do
  grep -qxF -- "$name" <<<"$list" || fail "not from the list: $name"
done <<<"$names"
"$draw" --verify "$work" >"$artefacts/resume-verify.txt" 2>&1 || fail "verify: $(tail -n 3 "$artefacts/resume-verify.txt")"
echo "resume end-to-end: 20 kills, 15 winners, $(tail -n 1 "$artefacts/resume-verify.txt")"
