#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: the plain build, the same tests
# under AddressSanitizer/UndefinedBehaviorSanitizer (all but the end-to-end runs of the real
# program under a virtual display, which take minutes and run in the plain build), and a
# short run of each fuzzer.
set -euo pipefail
cd "$(dirname "$0")"
tools/install-packages.sh

cmake --preset default >/dev/null
cmake --build --preset default -j2

# The sanitizer build takes the processor time the plain tests leave idle while they wait on
# the real program under a virtual display; at the lowest priority it does not hold them up.
cmake --preset asan >/dev/null
setsid --wait nice -n 19 cmake --build --preset asan -j2 >build-asan/build.log 2>&1 &
asan_build=$!
trap 'kill -- "-$asan_build" 2>/dev/null || true' EXIT
ctest --preset default -j2
if ! wait "$asan_build"; then
  tail -n 80 build-asan/build.log
  echo "the sanitizer build failed" >&2
  exit 1
fi
trap - EXIT
ctest --preset asan -j2

fuzz/run.sh 20
