#!/usr/bin/env bash
# quorvan-lab at the default settings: trials per second, and the peak memory
# at two trial counts (it must not grow with the number of trials).
set -euo pipefail
build=${1:-build/release}
lab="$build/bin/quorvan-lab"
for k in 500 2000 8000; do
  dir=$(mktemp -d)
  /usr/bin/time -f "%M" -o "$dir/rss" "$lab" test --trials "$k" --dir "$dir" --json > "$dir/out.json"
  rate=$(sed -n 's/.*"trialsPerSecond":\([0-9.]*\).*/\1/p' "$dir/out.json")
  printf 'trials %5d  %8.0f trials/s  peak memory %6d KiB\n' "$k" "$rate" "$(cat "$dir/rss")"
  rm -rf "$dir"
done
