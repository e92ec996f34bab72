#!/usr/bin/env bash
# A presenter remote on the real program under a virtual X display: PageDown assigned in the
# control panel as the draw key and the return key runs the draw (Space then does nothing), F5
# starts a program with awkward parameters typed into the panel and then a document through
# the desktop's default program, and F6 with no Impress says what to install. Screenshots go to the artefacts folder.
#   presenter-keys-check.sh <lotavo> <data folder> <artefacts folder>
set -euo pipefail
lotavo=$1 data=$2 artefacts=$3
here=$(cd "$(dirname "$0")" && pwd)
source "$here/e2e-support.sh" presenter-failure.png

mkdir -p "$work/opening show"
cat >"$work/opening show/opening.sh" <<SCRIPT
#!/bin/sh
{ pwd; printf '%s\n' "\$@"; } > "$work/argv.part" && mv "$work/argv.part" "$work/argv.txt"
SCRIPT
chmod +x "$work/opening show/opening.sh"
printf 'not a real presentation' >"$work/talk.odp"
# The desktop's default program for text files, for a document opened with F5.
mkdir -p "$work/xdg/data/applications" "$work/xdg/config"
cat >"$work/xdg/handler.sh" <<SCRIPT
#!/bin/sh
printf '%s\n' "\$@" > "$work/opened.part" && mv "$work/opened.part" "$work/opened.txt"
SCRIPT
chmod +x "$work/xdg/handler.sh"
printf '[Desktop Entry]\nType=Application\nName=Handler\nExec=%s %%f\nMimeType=text/plain;\n' "$work/xdg/handler.sh" \
  >"$work/xdg/data/applications/lotavo-test-handler.desktop"
printf '[Default Applications]\ntext/plain=lotavo-test-handler.desktop\n' >"$work/xdg/config/mimeapps.list"
printf 'agenda\n' >"$work/agenda notes.txt"
export XDG_DATA_HOME="$work/xdg/data" XDG_CONFIG_HOME="$work/xdg/config" XDG_DATA_DIRS="$work/xdg/data:/usr/local/share:/usr/share"

start_display 1280x800
start_draw_screen
sleep 1

# The control panel through the draw screen's menu: 设定 > 高级设定, on its "热键" tab.
open_keys_tab() {
  xdotool mousemove 640 400 click 3
  sleep 0.4
  xdotool key Down Down Right
  sleep 0.3
  xdotool key Down Down Down Return
  panel=$(wait_window "高级设定" 10) || fail "no control panel"
  sleep 0.5
  at 438 21
}
at() { xdotool mousemove --window "$panel" "$1" "$2" click 1; sleep 0.2; }
close_panel() {
  at 497 251                                # 确  定
  for _ in $(seq 50); do xdotool search --onlyvisible --name "高级设定" >/dev/null 2>&1 || break; sleep 0.1; done
  sleep 0.5
}
open_keys_tab
at 145 46; xdotool key Next                 # 抽奖热键: PageDown
at 321 46; xdotool key Next                 # 返回热键: PageDown
at 130 106; xdotool type --delay 20 "$work/opening show/opening.sh"
at 350 106; xdotool type --delay 20 -- '--title "Gala 2026" "say ""hi""" $HOME;x'
at 485 106; xdotool key F5
at 130 132; xdotool type --delay 20 "$work/talk.odp"
at 485 132; xdotool key F6
sleep 0.3
screenshot "$artefacts/presenter-keys-tab.png"
close_panel

settings=$(iconv -f GBK -t UTF-8 "$work/lotavo.bin" | tr -d '\r')
echo "$settings" | grep -qx 'Space1=34' || fail "PageDown not stored as the draw key"
echo "$settings" | grep -qx 'Space2=34' || fail "PageDown not stored as the return key"

# Space is no draw key any more.
xdotool key space; sleep 1.2; xdotool key space; sleep 1.2
wait_window "^中奖人$" 1 >/dev/null && fail "Space still draws"

down() { xdotool key Next; sleep "${1:-1.6}"; }
# The roll runs on after the panel; level 3: five winners in one press.
down 2
wait_window "^中奖人$" 5 >/dev/null || fail "no winner pop-up after PageDown"
screenshot "$artefacts/presenter-popup.png"
down
# Level 2: three presses of one winner, each pop-up closed by PageDown.
for _ in 1 2 3; do down; down; done

# The launcher keys.
xdotool key F5
for _ in $(seq 50); do [ -e "$work/argv.txt" ] && break; sleep 0.1; done
[ -e "$work/argv.txt" ] || fail "F5 did not start the program"
expected=$(printf '%s\n' "$work/opening show" --title "Gala 2026" 'say "hi"' '$HOME;x')
[ "$(cat "$work/argv.txt")" = "$expected" ] || fail "the program got: $(cat "$work/argv.txt")"
xdotool key F6
sleep 1.5
screenshot "$artefacts/presenter-slide-show-message.png"

# A document as program 1 opens with the desktop's default program.
if command -v xdg-open >/dev/null; then
  open_keys_tab
  at 130 106; xdotool key ctrl+a; xdotool type --delay 20 "$work/agenda notes.txt"
  close_panel
  xdotool key F5
  for _ in $(seq 100); do [ -e "$work/opened.txt" ] && break; sleep 0.1; done
  [ "$(cat "$work/opened.txt" 2>/dev/null)" = "$work/agenda notes.txt" ] || fail "F5 did not open the document"
else
  echo "xdg-open is not installed (package xdg-utils): the document is not tried"
fi

results=$(ls "$work"/*中奖名单*.txt 2>/dev/null | head -n 1)
[ -n "$results" ] || fail "no results file"
lines=$(iconv -f GBK -t UTF-8 "$results" | tr -d '\r')
[ "$(echo "$lines" | grep -c '  三等奖$')" -eq 5 ] || fail "five third prizes expected: $lines"
[ "$(echo "$lines" | grep -c '  二等奖$')" -eq 3 ] || fail "three second prizes expected: $lines"
echo "presenter keys end-to-end: 1 passed, 0 failed"
