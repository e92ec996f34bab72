#!/usr/bin/env bash
# Drives the real program under a virtual X display: Space through two levels, a close
# answered "No", then checks the results file. Screenshots go to the artefacts folder.
#   gui-check.sh <lotavo> <data folder> <artefacts folder> [WIDTHxHEIGHT]
set -euo pipefail
lotavo=$1 data=$2 artefacts=$3 size=${4:-1920x1080}
here=$(cd "$(dirname "$0")" && pwd)
source "$here/e2e-support.sh" failure.png

start_display "$size"
start_draw_screen
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

# A fresh program folder in draw mode $2 (settings keys after it): prepare_mode DIR MODE KEY=VALUE...
prepare_mode() {
  local dir=$1 mode=$2; shift 2
  mkdir -p "$dir"; cp -r "$data/." "$dir/"; cp "$lotavo" "$dir/lotavo"
  sed -i "s/^ModeSelect=1/ModeSelect=$mode/" "$dir/lotavo.bin"
  for kv in frmAniPopAniMateOnShow=0 frmAniPopAniMateOnHide=0 "$@"; do sed -i "/^\[Option\]/a $kv\r" "$dir/lotavo.bin"; done
}
launch() {
  start_program "Lotavo软件版" "$1/log.txt" "$1/lotavo" /NS || { cat "$1/log.txt"; fail "no draw screen in $1"; }
  sleep 1.5
}
close_answering_no() {
  kill -TERM "$pid"
  wait_window "警告" 10 >/dev/null || fail "no closing question"
  xdotool key n
  for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
  kill -0 "$pid" 2>/dev/null && fail "the program did not end after No"
  pid=
}

# Prize draw: 20 prize codes, one level of 20 presses, each pop-up closed by Space.
prize="$work/prize"
for i in $(seq 1 20); do
  case $((i % 4)) in 0) name=笔记本电脑 ;; 1) name=电视机 ;; 2) name=蓝牙音箱 ;; 3) name=购物卡 ;; esac
  printf '%06d%s\r\n' $((200000 + i * 13)) "$name"
done | iconv -f utf-8 -t gbk >"$work/prizes.txt"
prepare_mode "$prize" 3 ShowOnly=1 ShowStrP=1 ShowStrO=6 ShowOnlyPop=1 PopShowStrP=7 PopShowStrO=30
cp "$work/prizes.txt" "$prize/Text.txt"
launch "$prize"
screenshot "$artefacts/prize-draw-$size.png"
for i in $(seq 1 20); do
  press 0.5
  [ "$i" = 1 ] && { wait_window "^中奖人$" 5 >/dev/null || fail "no prize pop-up"; screenshot "$artefacts/prize-popup-$size.png"; }
  press 0.4
done
screenshot "$artefacts/prize-end-$size.png"
close_answering_no
presults=$(ls "$prize"/*中奖名单*.txt 2>/dev/null | head -n 1)
[ -n "$presults" ] || fail "no prize results file"
[ "$(wc -l <"$presults")" -eq 20 ] || fail "twenty prizes expected: $(iconv -f GBK -t UTF-8 "$presults")"
diff <(iconv -f GBK -t UTF-8 "$presults" | tr -d '\r' | sed 's/  一等奖$//' | sort) \
     <(iconv -f GBK -t UTF-8 "$work/prizes.txt" | tr -d '\r' | sed 's/^[0-9]\{6\}//' | sort) >/dev/null \
  || fail "the prize draw records every prize name once"

# Picture draw from data/Photo: levels of 5 (one press), 3 and 1.
pic="$work/picture"
prepare_mode "$pic" 4
cp "$pic/List/Photo.txt" "$pic/Text.txt"
launch "$pic"
screenshot "$artefacts/picture-roll-$size.png"
for i in $(seq 1 10); do press 0.6; [ "$i" = 1 ] && screenshot "$artefacts/picture-winner-$size.png"; done
screenshot "$artefacts/picture-end-$size.png"
close_answering_no
picresults=$(ls "$pic"/*中奖名单*.txt 2>/dev/null | head -n 1)
[ -n "$picresults" ] || fail "no picture results file"
picnames=$(iconv -f GBK -t UTF-8 "$picresults" | tr -d '\r')
[ "$(echo "$picnames" | grep -c '  三等奖$')" -eq 5 ] || fail "five third prizes expected: $picnames"
[ "$(echo "$picnames" | grep -c '  二等奖$')" -eq 3 ] || fail "three second prizes expected: $picnames"
[ "$(echo "$picnames" | grep -c '  一等奖$')" -eq 1 ] || fail "one first prize expected: $picnames"
photos=$(ls "$data/Photo" | sed 's/\.[a-z]*$//')
for name in $(echo "$picnames" | sed 's/  .*$//'); do
  echo "$photos" | grep -qx "$name" || fail "not a picture name: $name"
done

# Regular draw with a temporary level of 2 in the middle of level 2, added from the menu.
temp="$work/temporary"
prepare_mode "$temp" 1
launch "$temp"
press 0.6; press 0.6          # level 3: five in one press
press 0.6; press 0.6          # level 2: the first of three
xdotool mousemove 600 400 click 3; sleep 0.5
xdotool key Down Down Down Right Up Return
wait_window "^临时奖项$" 5 >/dev/null || fail "no temporary-level dialog"
xdotool key Tab Tab ctrl+a 2 Tab; sleep 0.3
screenshot "$artefacts/temporary-dialog-$size.png"
xdotool key Return; sleep 0.8
for _ in 1 2; do press 0.6; press 0.6; done   # the temporary level
screenshot "$artefacts/temporary-back-$size.png"
for _ in 1 2 3; do press 0.6; press 0.6; done  # the rest of level 2, then level 1
close_answering_no
tresults=$(ls "$temp"/*中奖名单*.txt 2>/dev/null | head -n 1)
[ -n "$tresults" ] || fail "no results file of the temporary-level draw"
levels=$(iconv -f GBK -t UTF-8 "$tresults" | tr -d '\r' | sed 's/^.*  \([^ ]*\)$/\1/' | uniq -c | awk '{print $1 $2}' | tr '\n' ' ')
[ "$levels" = "5三等奖 1二等奖 2临时奖项 2二等奖 1一等奖 " ] || fail "temporary level in the middle of level 2: $levels"
echo "gui end-to-end: 4 passed, 0 failed"
