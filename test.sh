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
ctest --preset default -j2

cmake --preset asan >/dev/null
cmake --build --preset asan -j2
ctest --preset asan -j2

fuzz/run.sh 20
