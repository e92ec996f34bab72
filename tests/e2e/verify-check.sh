#!/usr/bin/env bash
# A rehearsed draw is verified from its record; one byte changed in the results file or in
# the list makes the verification fail and say where.
#   verify-check.sh <lotavo-draw> <data folder>
set -euo pipefail
draw=$1 data=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }
cp -r "$data/." "$work/"
"$draw" --folder "$work" --time 2026-12-09T14:05:00.000 >/dev/null 2>&1 || fail "rehearsal"
out=$("$draw" --verify "$work" 2>&1) || fail "a fresh draw must verify: $out"
echo "$out" | tail -n 1 | grep -q '^verified: 5 presses, 9 winners$' || fail "summary: $out"

results=$(ls "$work"/*中奖名单*.txt)
cp "$results" "$work/results.bak"
printf '\x39' | dd of="$results" bs=1 seek=3 conv=notrunc 2>/dev/null
out=$("$draw" --verify "$work" 2>&1) && fail "an edited results file must fail"
echo "$out" | grep -q '中奖名单第1行不在抽奖记录中' || fail "the edited line is named: $out"
cp "$work/results.bak" "$results"

printf 'x' | dd of="$work/Text.txt" bs=1 seek=2 conv=notrunc 2>/dev/null
out=$("$draw" --verify "$work" 2>&1) && fail "an edited list must fail"
echo "$out" | grep -q '名单文件 Text.txt 与抽奖时不同' || fail "the list is named: $out"

# The prize draw and the picture draw of the delivered folder: verified, and an edited
# winner fails.
for mode in 3 4; do
    folder="$work/mode$mode"
    mkdir "$folder"
    cp -r "$data/." "$folder/"
    sed -i "s/^ModeSelect=.*/ModeSelect=$mode/" "$folder/lotavo.bin"
    [ "$mode" = 4 ] && cp "$folder/List/Photo.txt" "$folder/Text.txt"
    "$draw" --folder "$folder" --time 2026-12-09T14:05:00.000 >/dev/null 2>&1 || fail "rehearsal in mode $mode"
    out=$("$draw" --verify "$folder" 2>&1) || fail "mode $mode must verify: $out"
    echo "$out" | tail -n 1 | grep -q '^verified: [1-9][0-9]* presses' || fail "mode $mode summary: $out"
    results=$(ls "$folder"/*中奖名单*.txt)
    first=$(head -c 2 "$results" | od -An -tx1 | tr -d ' ')
    [ "$first" = "b0a1" ] && swap='\xb0\xa2' || swap='\xb0\xa1'
    printf "$swap" | dd of="$results" bs=1 seek=0 conv=notrunc 2>/dev/null
    out=$("$draw" --verify "$folder" 2>&1) && fail "an edited winner in mode $mode must fail"
    echo "$out" | grep -q '中奖名单第1行不在抽奖记录中' || fail "mode $mode names the edited line: $out"
done
echo "verify end-to-end: 3 passed, 0 failed"
