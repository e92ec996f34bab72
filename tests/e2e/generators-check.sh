#!/usr/bin/env bash
# Drives the real program under a virtual X display: the list editor's number generator
# makes tickets 0001 to 0500, the prize creator adds 20 prizes, the list is saved and drawn,
# and the winner pop-up's auto-position dialog opens. Screenshots go to the artefacts folder.
#   generators-check.sh <lotavo> <data folder> <artefacts folder>
set -euo pipefail
lotavo=$1 data=$2 artefacts=$3
here=$(cd "$(dirname "$0")" && pwd)
source "$here/e2e-support.sh" generators-failure.png
gone() { for _ in $(seq 50); do xdotool search --onlyvisible --name "$1" >/dev/null 2>&1 || return 0; sleep 0.1; done; return 1; }

start_display 1920x1080
start_draw_screen
sleep 1

# 设定 > 查看名单 from the draw screen's context menu, opened on the background (the texts and
# rolling labels open their own menu).
xdotool mousemove 600 400 click 3; sleep 0.5
xdotool key Down Down Right; sleep 0.3; xdotool key Down Return
editor=$(wait_window "编辑抽奖名单" 10) || fail "no list editor"
eval "$(xdotool getwindowgeometry --shell "$editor")"
tools_x=$((X + 112)) tools_y=$((Y + 15))

xdotool mousemove "$tools_x" "$tools_y" click 1; sleep 0.5; xdotool key Down Return
wait_window "^生成编号$" 10 >/dev/null || fail "no number generator"
xdotool type --delay 30 "0001"; xdotool key Tab; xdotool type --delay 30 "0500"
screenshot "$artefacts/number-generator.png"
xdotool key Return
gone "^生成编号$" || fail "the number generator stayed open"

xdotool mousemove "$tools_x" "$tools_y" click 1; sleep 0.5; xdotool key Down Down Return
wait_window "^生成奖品名单$" 10 >/dev/null || fail "no prize creator"
xdotool key ctrl+a; xdotool type --delay 30 "20"; xdotool key Tab; xdotool type --delay 60 "保温杯"
screenshot "$artefacts/prize-creator.png"
xdotool key Return; sleep 1; xdotool key Escape
gone "^生成奖品名单$" || fail "the prize creator stayed open"
screenshot "$artefacts/editor-generated.png"

# Closing the editor asks to save; OK writes Text.txt and the draw list reloads from it.
xdotool key Escape; sleep 1; xdotool key Return
gone "编辑抽奖名单" || fail "the editor stayed open"
list=$(iconv -f GBK -t UTF-8 "$work/Text.txt" | tr -d '\r')
[ "$(echo "$list" | wc -l)" -eq 520 ] || fail "520 lines expected, got $(echo "$list" | wc -l)"
[ "$(echo "$list" | head -n 500 | tr '\n' ' ')" = "$(seq -f '%04g' 1 500 | tr '\n' ' ')" ] || fail "0001 to 0500 expected"
prizes=$(echo "$list" | tail -n 20)
[ "$(echo "$prizes" | grep -cE '^[0-9]{6}保温杯$')" -eq 20 ] || fail "20 prize entries expected: $prizes"
[ "$(echo "$prizes" | cut -c1-6 | sort -u | wc -l)" -eq 20 ] || fail "the prize codes repeat: $prizes"

# Level 3 draws five winners from the new list in one press.
xdotool key space; sleep 2
wait_window "^中奖人$" 5 >/dev/null || fail "no winner pop-up"
screenshot "$artefacts/generated-winners.png"
xdotool mousemove 1500 950 click 3; sleep 0.5; xdotool key Down Down Return
wait_window "自动排列位置设定" 10 >/dev/null || fail "no auto-position dialog"
screenshot "$artefacts/auto-position.png"
xdotool key Return
gone "自动排列位置设定" || fail "the auto-position dialog stayed open"
grep -qa '^Sc_Left=' "$work/lotavo.bin" || fail "the area was not stored"
xdotool key space; sleep 1

kill -TERM "$pid"
wait_window "警告" 10 >/dev/null && xdotool key n
for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
pid=
results=$(ls "$work"/*中奖名单*.txt 2>/dev/null | head -n 1)
[ -n "$results" ] || fail "no results file"
winners=$(iconv -f GBK -t UTF-8 "$results" | tr -d '\r' | sed 's/  .*//')
[ "$(echo "$winners" | grep -cE '^([0-9]{4}|[0-9]{6}保温杯)$')" -eq 5 ] || fail "five winners of the list expected: $winners"
cp "$results" "$artefacts/generated-results.txt"
echo "generators end-to-end: 1 passed, 0 failed"
