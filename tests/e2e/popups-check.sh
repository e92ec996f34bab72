#!/usr/bin/env bash
# Drives the real program under a virtual X display through the small windows of the draw:
# a multi-line draw in confirmation mode (one press cancelled, two confirmed), the end of the
# level announced, and the per-level extras opened from the menu. Screenshots go to the
# artefacts folder.
#   popups-check.sh <lotavo> <data folder> <artefacts folder> [WIDTHxHEIGHT]
set -euo pipefail
lotavo=$1 data=$2 artefacts=$3 size=${4:-1366x768}
here=$(cd "$(dirname "$0")" && pwd)
source "$here/e2e-support.sh" popups-failure.png

# Level 3 of four winners, two per press; confirmation and the end-of-level pop-up on.
python3 - "$work/lotavo.bin" <<'PY'
import sys
path = sys.argv[1]
want = {'option': {'FirstRun': '0', 'ModeSelect': '2', 'Affirm': '1', 'OverPopup': '1', 'StartRun': '0'},
        'jxnumber': {'RzSpinEdit3': '4'}, 'jxnumberaat': {'r3': '2'}}
lines = open(path, 'rb').read().decode('gbk').split('\r\n')
out, section = [], None
def rest():
    for k, v in want.get(section, {}).items():
        out.append(f'{k}={v}')
    want.pop(section, None)
for line in lines:
    if line.startswith('['):
        rest()
        section = line.strip()[1:-1].lower()
    elif '=' in line and line.split('=')[0] in want.get(section, {}):
        continue
    out.append(line)
rest()
for s, keys in want.items():
    out.append(f'[{s}]'); out += [f'{k}={v}' for k, v in keys.items()]
open(path, 'wb').write('\r\n'.join(out).encode('gbk'))
PY
start_display "$size"
start_draw_screen
sleep 1

# Space until the confirmation is up: the first Space after a press starts the roll, the next
# one presses. Without a window manager a key can, rarely, go to no window while the keyboard
# passes between windows; one more Space then does it.
press_until_dialog() {
  for _ in 1 2 3 4; do
    xdotool key space
    wait_window "^确认中奖$" 1 >/dev/null && { sleep 0.3; return 0; }
  done
  fail "no confirmation dialog"
}
press_until_dialog
xdotool key Right Return; sleep 0.8  # "取消": the press does not count
screenshot "$artefacts/popups-after-cancel-$size.png"
press_until_dialog
screenshot "$artefacts/confirmation-$size.png"
xdotool key Return; sleep 0.8
press_until_dialog
xdotool key Return                   # the level's last press
wait_window "^抽取结束$" 5 >/dev/null || fail "no end-of-level pop-up"
sleep 0.3
screenshot "$artefacts/end-of-level-$size.png"
xdotool key space; sleep 0.5
xdotool search --onlyvisible --name "^抽取结束$" >/dev/null 2>&1 && fail "Space did not close the end-of-level pop-up"

xdotool mousemove 600 400 click 3; sleep 0.5
xdotool key Down Down Right; sleep 0.3; xdotool key Down Down Return
wait_window "设定奖级细节" 5 >/dev/null || fail "no per-level extras"
sleep 0.3
screenshot "$artefacts/level-extras-$size.png"
xdotool key Escape; sleep 0.5

kill -TERM "$pid"
wait_window "警告" 10 >/dev/null || fail "no closing question"
xdotool key n
for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
pid=

results=$(ls "$work"/*中奖名单*.txt 2>/dev/null | head -n 1)
[ -n "$results" ] || fail "no results file"
lines=$(iconv -f GBK -t UTF-8 "$results" | tr -d '\r')
[ "$(echo "$lines" | grep -c '  三等奖$')" -eq 4 ] || fail "four third prizes expected (the cancelled press not among them): $lines"
echo "popups end-to-end: 1 passed, 0 failed"
