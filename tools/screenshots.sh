#!/bin/sh
# Screenshots of the main window, the time-zone picker and the result window,
# at normal and at double scale, into ./shots/ (or the folder given).
# Usage: tools/screenshots.sh [SHOTS_DIR] [BUILD_DIR]
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
shots=${1:-shots}
build=${2:-$root/build}

if [ ! -f "$build/CMakeCache.txt" ]; then
    cmake -S "$root" -B "$build"
fi
cmake --build "$build" -j2 --target tivora_screenshots

program=$(find "$build" -type f -name tivora_screenshots -perm -u+x | head -1)
runtime=$(mktemp -d)
trap 'rm -rf "$runtime"' EXIT
export QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$runtime"
"$program" "$shots"
QT_SCALE_FACTOR=2 "$program" "$shots/2x"
