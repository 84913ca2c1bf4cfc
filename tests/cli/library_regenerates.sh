#!/usr/bin/env bash
# The delivered library can be made again: a base table and a union built
# from delivered ones come out byte for byte as delivered.
#   library_regenerates.sh QUORVAN_LAB SOURCE_DIR
set -euo pipefail
lab=$1
src=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp -r "$src/data/lab/RT_4" "$src/data/lab/RT_5" "$src/data/lab/RT_6" "$work/"
rm "$work/RT_5/r_3_3.dat" "$work/RT_5/Ur_3_5.dat" "$work/RT_6/Pr_7_9.dat"
"$src/scripts/make-library.sh" --lab "$lab" "$work" RT_5/r_3_3.dat RT_5/Ur_3_5.dat RT_6/Pr_7_9.dat
for f in RT_5/r_3_3.dat RT_5/Ur_3_5.dat RT_6/Pr_7_9.dat; do
  cmp "$work/$f" "$src/data/lab/$f"
done
