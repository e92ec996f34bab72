#!/usr/bin/env bash
# Runs lotavo-draw on a copy of the bundled program folder with a fixed time and checks the
# results file byte for byte, the untouched list and settings, and the bad-input exits.
#   rehearsal-check.sh <lotavo-draw> <data folder> <expected results file>
set -euo pipefail
draw=$1 data=$2 expected=$3
work=$(mktemp -d)
trap 'chmod -R u+w "$work"; rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

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
echo "rehearsal: 1 passed, 0 failed"
