#!/usr/bin/env bash
# The draw screen's figures on a virtual display: roll ticks and pop-up latency at 1920x1080
# and 3840x2160, the award screen's scroll (AWARD_SECONDS long, default 60) at both, and the
# start-up time of lotavo /NS against a bare Qt window.
#   bench/gui-bench.sh [build folder, default build]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
source tools/xvfb-session.sh
trap stop_display EXIT

for size in 1920x1080 3840x2160; do
  start_display "$size"
  "$build/bench/DrawScreenBench" data 2>/dev/null
  [ "$size" = 1920x1080 ] && "$build/bench/PictureRollBench" data 2>/dev/null
  "$build/bench/DesignDragBench" data 2>/dev/null
  "$build/bench/AwardScreenBench" data --seconds "${AWARD_SECONDS:-60}" 2>/dev/null
  stop_display
done

start_display 1920x1080
program=$(mktemp -d)
trap 'stop_display; rm -rf "$program"' EXIT
cp -r data/. "$program/"
cp "$build/src/lotavo" "$program/"
"$program/lotavo" /NS >/dev/null 2>&1 & sleep 3; kill -TERM $! 2>/dev/null; wait $! 2>/dev/null || true  # first start copies the layout
time_ms() { local s e; s=$(date +%s%N); "$@" >/dev/null 2>&1 || true; e=$(date +%s%N); echo $(( (e - s) / 1000000 )); }
# Alternating, so that both see the same moments of a machine shared with other work.
for _ in $(seq 15); do
  echo "bare $(time_ms "$build/bench/BareWindow")"
  echo "draw $(LOTAVO_EXIT_AFTER_FIRST_PAINT=1 time_ms "$program/lotavo" /NS)"
done >"$program/start-up.txt"
figures() { grep "^$1 " "$program/start-up.txt" | cut -d' ' -f2 | sort -n | awk '{a[NR] = $1} END {print a[1], a[int((NR + 1) / 2)]}'; }
read -r bare_best bare_median < <(figures bare)
read -r draw_best draw_median < <(figures draw)
echo "start-up to the first painted window (15 starts each; best, median):"
echo "  bare Qt window:            $bare_best ms, $bare_median ms"
echo "  lotavo /NS draw screen:    $draw_best ms, $draw_median ms   (target <= 2x bare: $((2 * bare_best)) ms, $((2 * bare_median)) ms)"
