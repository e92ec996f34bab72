#!/bin/sh
# Rebuilds the default program folder data/ from the generator in tools/make-data.
# The generator is built in a scratch folder under /tmp; the program's own build never
# needs it. Extra arguments go to the generator (for example: --preview /tmp/previews).
set -eu

here=$(cd "$(dirname "$0")" && pwd)
repo=$(cd "$here/.." && pwd)
build=${MAKE_DATA_BUILD:-/tmp/lotavo-make-data-build}

cmake -S "$here/make-data" -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j2

# start from an empty tree so that files no longer generated do not linger
rm -rf "$repo/data"
QT_QPA_PLATFORM=offscreen "$build/lotavo-make-data" "$repo/data" "$@"
echo "data/ written: $(find "$repo/data" -type f | wc -l) files"
