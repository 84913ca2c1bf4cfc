#!/usr/bin/env bash
# Runs every benchmark of a build and the headless throughput check.
# usage: scripts/run-benchmarks.sh [BUILD_DIR]   (default build/release)
set -euo pipefail
build=${1:-build/release}
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
for b in "$build"/bin/bench_*; do
  [ -x "$b" ] || continue
  echo "== $(basename "$b")"
  "$b" --benchmark_color=false 2>&1 | grep -vE '_(mean|stddev|cv) '
done
echo "== quorvan-lab throughput"
scripts/cli-throughput.sh "$build"
echo "== quorvan-lab batch and atlas"
scripts/cli-batch-atlas.sh "$build"
