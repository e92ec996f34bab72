#!/usr/bin/env bash
# Installs what is missing, builds, copies the bundled program folder data/ to a writable
# folder (out/program) and runs a whole draw on it.
set -euo pipefail
cd "$(dirname "$0")"
tools/install-packages.sh
cmake --preset default >/dev/null
cmake --build --preset default -j2 --target lotavo-draw
program=out/program
mkdir -p "$program"
cp -rn data/. "$program/"
build/src/lotavo-draw --folder "$program"
