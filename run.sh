#!/usr/bin/env bash
# Installs what is missing, builds, puts the program beside a copy of the bundled program
# folder (out/program) and starts it full-screen. Without a display it runs the program on a
# virtual screen, draws every level with automatic presses, saves screenshots and closes it.
set -euo pipefail
cd "$(dirname "$0")"
tools/install-packages.sh
cmake --preset default >/dev/null
cmake --build --preset default -j2 --target lotavo lotavo-draw
program=$PWD/out/program
mkdir -p "$program"
cp -rn data/. "$program/"
cp build/src/lotavo build/src/lotavo-draw "$program/"

if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
  exec "$program/lotavo"
fi

source tools/xvfb-session.sh
start_display 1920x1080
trap stop_display EXIT
shots=$PWD/out/screenshots
mkdir -p "$shots"
# An automatic press 3 s after each pop-up has gone; the pop-up closes itself 2 s after it shows.
settings="$program/lotavo.bin"
cp "$settings" "$program/lotavo.bin.before-demo"
python3 - "$settings" <<'PY'
import sys
path = sys.argv[1]
text = open(path, 'rb').read().decode('gbk').replace('\r\n', '\n')
extra = {'AutoDown': '1', 'Time3Interval': '3000', 'AniPopDelayCloseVal': '2000', 'WindowMode': '2'}
lines = text.split('\n'); out = []; in_option = False; seen = set()
for line in lines:
    if line.startswith('['):
        if in_option:
            out += [f'{k}={v}' for k, v in extra.items() if k not in seen]
        in_option = line.strip().lower() == '[option]'
    elif in_option and '=' in line and line.split('=')[0] in extra:
        key = line.split('=')[0]; seen.add(key); line = f'{key}={extra[key]}'
    out.append(line)
if in_option:
    out += [f'{k}={v}' for k, v in extra.items() if k not in seen]
open(path, 'wb').write('\r\n'.join(out).encode('gbk'))
PY
start_program "询问" "$shots/program.log" "$program/lotavo" /NS &&
  xdotool key Return                                          # 自动抽奖 … 要启用吗? → OK
wait_window "Lotavo软件版" 30 >/dev/null
popup_up() { xdotool search --onlyvisible --name '^中奖人$' >/dev/null 2>&1; }
# waits until the pop-up has been up (or gone) for that many tenths of a second in a row
steady() {
  local want=$1 tenths=$2 n=0 now
  for _ in $(seq 600); do
    if popup_up; then now=up; else now=gone; fi
    if [ "$now" = "$want" ]; then n=$((n + 1)); else n=0; fi
    [ "$n" -ge "$tenths" ] && return 0
    sleep 0.1
  done
}
steady up 5; steady gone 15; screenshot "$shots/draw-screen.png"
steady up 14; screenshot "$shots/winner-popup.png"
# Five presses in all (5 winners at once, then 3 one by one, then the first prize).
sleep 20; screenshot "$shots/after-the-draw.png"
kill -TERM "$pid"
wait_window "警告" 10 >/dev/null && xdotool key n            # keep the list as it was
wait "$pid" || true
cp "$program/lotavo.bin.before-demo" "$settings"
echo
echo "Results:     $(ls -t "$program"/*中奖名单*.txt | head -n 1)"
echo "Screenshots: $shots/draw-screen.png, $shots/winner-popup.png, $shots/after-the-draw.png"
