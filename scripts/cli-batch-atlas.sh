#!/usr/bin/env bash
# quorvan-lab batch of 1000 runs at a fixed clock, and the atlas of a
# 39-cell part of the chart on one thread and on two (the speed-up).
set -euo pipefail
build=${1:-build/release}
lab="$build/bin/quorvan-lab"
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
"$lab" batch --runs 1000 --clock 1 --json > "$dir/batch.json"
seconds=$(sed -n 's/.*"seconds":\([0-9.e-]*\).*/\1/p' "$dir/batch.json")
ticks=$(sed -n 's/.*"timerTicks":\([0-9]*\).*/\1/p' "$dir/batch.json")
printf 'batch 1000 runs, clock 1: %.2f s, %d step ticks, %.0f ns a tick\n' "$seconds" "$ticks" \
  "$(awk -v s="$seconds" -v t="$ticks" 'BEGIN { print s * 1e9 / t }')"
cells=$(for r in 1 3; do for l in $(seq "$r" 2 39); do printf '%d:%d,' "$l" "$r"; done; done)
cells=${cells%,}
t0=$(date +%s.%N); "$lab" atlas --cells "$cells" --jobs 1 --out "$dir" > /dev/null 2>&1; t1=$(date +%s.%N)
"$lab" atlas --cells "$cells" --jobs 2 --out "$dir" > /dev/null 2>&1; t2=$(date +%s.%N)
one=$(awk -v a="$t0" -v b="$t1" 'BEGIN { print b - a }'); two=$(awk -v a="$t1" -v b="$t2" 'BEGIN { print b - a }')
printf 'atlas 39 cells x 200 trials: --jobs 1 %.2f s, --jobs 2 %.2f s, speed-up %.2fx\n' "$one" "$two" \
  "$(awk -v a="$one" -v b="$two" 'BEGIN { print a / b }')"
