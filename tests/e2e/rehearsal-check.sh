#!/usr/bin/env bash
# Runs lotavo-draw on a copy of the bundled program folder with a fixed time and checks the
# results file byte for byte, the untouched list and settings, and the bad-input exits.
#   rehearsal-check.sh <lotavo-draw> <data folder> <expected results file>
set -euo pipefail
draw=$1 data=$2 expected=$3
work=$(mktemp -d)
trap 'chmod -R u+w "$work"; rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }
# Adds keys to the [Option] section of a settings file: option FILE KEY=VALUE...
option() { local f=$1; shift; for kv in "$@"; do sed -i "/^\[Option\]/a $kv\r" "$f"; done; }

cp -r "$data/." "$work/"
"$draw" --folder "$work" --time 2026-12-09T14:05:00.000 >"$work/out.txt" 2>"$work/err.txt" || fail "rehearsal exit $?"
results="$work/09日14时05分中奖名单.txt"
cmp "$results" "$expected" || fail "results file differs from the expected draw"
cmp "$work/Text.txt" "$data/Text.txt" || fail "answering No must leave Text.txt as it was"
cmp "$work/lotavo.bin" "$data/lotavo.bin" || fail "a rehearsal must not change the settings"
grep -q "一等奖" "$work/out.txt" || fail "summary lacks the first prize"

# The same time again: the earlier results are kept and the second run gets the next name.
"$draw" --folder "$work" --time 2026-12-09T14:05:00.000 >/dev/null 2>&1 || fail "second rehearsal"
cmp "$results" "$expected" || fail "the first results file was replaced"
cmp "$work/09日14时05分中奖名单(2).txt" "$expected" || fail "second run: same seed, same winners, next free name"

# Saving the list keeps only those who did not win.
"$draw" --folder "$work" --time 2026-12-09T15:00:00.000 --save-list yes >/dev/null 2>&1 || fail "save-list run"
[ "$(wc -l <"$work/Text.txt")" -eq $(( $(wc -l <"$data/Text.txt") - 9 )) ] || fail "Text.txt should lose the 9 winners"

# Bad input: no list, a list too short, a bad option.
rm "$work/Text.txt"
if "$draw" --folder "$work" >/dev/null 2>"$work/err.txt"; then fail "a missing list must fail"; fi
grep -q "抽奖名单没有发现,请检查!" "$work/err.txt" || fail "missing-list message"
printf 'only one\r\n' >"$work/Text.txt"
if "$draw" --folder "$work" >/dev/null 2>"$work/err.txt"; then fail "a short list must fail"; fi
grep -q "人数不足" "$work/err.txt" || fail "shortage message"
if "$draw" --folder "$work" --presses x >/dev/null 2>&1; then fail "bad arguments must fail"; fi

# Prize draw: 20 prize codes with the wizard's column settings are one level of 20 presses;
# each press records the prize name the pop-up shows.
prize="$work/prize"
mkdir "$prize"
cp -r "$data/." "$prize/"
for i in $(seq 1 20); do
  case $((i % 4)) in 0) name=笔记本电脑 ;; 1) name=电视机 ;; 2) name=蓝牙音箱 ;; 3) name=购物卡 ;; esac
  printf '%06d%s\r\n' $((100000 + i * 7)) "$name"
done | iconv -f utf-8 -t gbk >"$prize/Text.txt"
sed -i 's/^ModeSelect=1/ModeSelect=3/' "$prize/lotavo.bin"
option "$prize/lotavo.bin" ShowOnly=1 ShowStrP=1 ShowStrO=6 ShowOnlyPop=1 PopShowStrP=7 PopShowStrO=30
"$draw" --folder "$prize" --time 2026-12-09T14:05:00.000 >"$prize/out.txt" 2>"$prize/err.txt" || fail "prize draw exit $?"
presults="$prize/09日14时05分中奖名单.txt"
[ "$(wc -l <"$presults")" -eq 20 ] || fail "the prize draw records every prize once"
iconv -f gbk -t utf-8 "$presults" | sed 's/  一等奖\r$//' | sort >"$prize/drawn.txt"
iconv -f gbk -t utf-8 "$prize/Text.txt" | sed 's/^[0-9]\{6\}//; s/\r$//' | sort >"$prize/prizes.txt"
cmp "$prize/drawn.txt" "$prize/prizes.txt" || fail "the prize draw records the prize names, each prize once"
grep -q "(20人)" "$prize/out.txt" || fail "the prize draw is one level"

# Picture draw: the sample portraits and three files no screen can show.
pic="$work/picture"
mkdir "$pic"
cp -r "$data/." "$pic/"
{ cat "$data/List/Photo.txt"; printf 'Photo\\truncated.jpg\r\nPhoto\\zero.png\r\nPhoto\\missing.jpg\r\n'; } >"$pic/Text.txt"
head -c 2000 "$data/Photo/$(ls "$data/Photo" | grep jpg | head -1)" >"$pic/Photo/truncated.jpg"
: >"$pic/Photo/zero.png"
sed -i 's/^ModeSelect=1/ModeSelect=4/' "$pic/lotavo.bin"
option "$pic/lotavo.bin" SerialNumber=1
"$draw" --folder "$pic" --time 2026-12-09T14:05:00.000 >"$pic/out.txt" 2>"$pic/err.txt" || fail "picture draw exit $?"
picresults="$pic/09日14时05分中奖名单.txt"
[ "$(wc -l <"$picresults")" -eq 9 ] || fail "the picture draw records its 9 winners"
iconv -f gbk -t utf-8 "$pic/Text.txt" | sed 's/^Photo\\//; s/\.[a-z]*\r$//' | sort >"$pic/names.txt"
iconv -f gbk -t utf-8 "$picresults" | sed 's/  [^ ]*等奖\r$//' | sort >"$pic/drawn.txt"
[ -z "$(comm -13 "$pic/names.txt" "$pic/drawn.txt")" ] || fail "picture winners are names without folder, extension or number"
[ "$(sort -u "$pic/drawn.txt" | wc -l)" -eq 9 ] || fail "nobody is drawn twice"
grep -q "truncated.jpg" "$pic/err.txt" && grep -q "zero.png" "$pic/err.txt" || fail "undecodable pictures are reported"
grep -q "missing.jpg" "$pic/err.txt" || fail "a missing picture is reported"
echo "rehearsal: 3 passed, 0 failed"
