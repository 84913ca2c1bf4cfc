#!/usr/bin/env bash
# Redraws the reference chart of the "Main Table" window from this system's
# own automatic test: the mask atlas of 200 trials a cell at clock 1, on
# both cores, into data/pictures/main_table.bmp (and its table beside it in
# a scratch directory).
#   scripts/make-atlas.sh [BUILD_DIR]   (default build/release)
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$here/build/release}
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
"$build/bin/quorvan-lab" atlas --trials 200 --clock 1 --jobs 2 --out "$out"
cp "$out/atlas.bmp" "$here/data/pictures/main_table.bmp"
echo "data/pictures/main_table.bmp redrawn"
