#!/usr/bin/env bash
# Builds the fuzzers of the file parsers with clang's libFuzzer and runs each for a while,
# two at a time.
#   fuzz/run.sh [seconds per fuzzer, default 60]
# Findings are kept in fuzz/corpus-<name>/ and a crash reproducer in the current folder.
set -uo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
out=build-fuzz
mkdir -p "$out"
flags="-std=c++20 -g -O1 -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined -I src"
core="src/draw/Gbk.cpp src/draw/BigAllocator.cpp src/draw/ListFile.cpp src/draw/DrawList.cpp src/draw/EntrySort.cpp src/draw/AtomicFile.cpp src/draw/ListEncoding.cpp src/draw/Sha256.cpp src/draw/RecordLine.cpp src/draw/RecordVerifier.cpp src/draw/RecordReplay.cpp src/draw/DisplayText.cpp src/draw/ProgramFolder.cpp src/main/settings/IniStore.cpp src/main/settings/IniValues.cpp"
# fuzz_one HARNESS: builds one fuzzer and runs it; prints its verdict, fails on a finding.
fuzz_one() {
  local harness=$1 name extra=""
  name=$(basename "$harness" .cpp)
  # The picture decoders live with the windows and need Qt, libjpeg and giflib.
  if [ "$name" = PictureFuzz ]; then
    extra="-fPIC $(pkg-config --cflags Qt6Gui Qt6Widgets) src/present/Pictures.cpp $(pkg-config --libs Qt6Gui Qt6Widgets) -ljpeg -lgif"
  fi
  if ! clang++ $flags "$harness" $core $extra -o "$out/$name" 2>"$out/$name.build.log"; then
    echo "$name: does not build"; cat "$out/$name.build.log"; return 1
  fi
  mkdir -p "fuzz/corpus-$name"
  if "$out/$name" -max_total_time="$seconds" -print_final_stats=0 "fuzz/corpus-$name" fuzz/seeds >"$out/$name.log" 2>&1; then
    echo "$name: no finding in ${seconds}s ($(grep -c . <(ls "fuzz/corpus-$name")) inputs in corpus)"
  else
    echo "$name: FINDING"; tail -n 40 "$out/$name.log"; return 1
  fi
}

# Two at a time, one on each core.
harnesses=(fuzz/*Fuzz.cpp)
passed=0
failed=0
for ((i = 0; i < ${#harnesses[@]}; i += 2)); do
  pair=("${harnesses[@]:i:2}")
  pids=()
  for harness in "${pair[@]}"; do
    fuzz_one "$harness" >"$out/$(basename "$harness" .cpp).result" 2>&1 &
    pids+=($!)
  done
  for k in "${!pair[@]}"; do
    if wait "${pids[$k]}"; then passed=$((passed + 1)); else failed=$((failed + 1)); fi
    cat "$out/$(basename "${pair[$k]}" .cpp).result"
  done
done
echo "fuzz: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
