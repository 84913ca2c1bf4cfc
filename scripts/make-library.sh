#!/usr/bin/env bash
# Regenerates the library of stored Resolution Tables (the files behind the
# menus "Re N=4" .. "+++") with quorvan-lab, into OUT (default data/lab).
#
#   scripts/make-library.sh [--lab BIN] [OUT [FILE ...]]
#
# FILE names one library file (e.g. RT_5/r_3_3.dat); without any, every file
# is made. The recipes are listed in data/lab/LIBRARY.md.
#
# A table r_L_R is what the automatic test builds for the mask whose left
# code is L and right code is R (bit d-1 of a code is the box of distance d):
# the test runs 1000 trials, then 2000, 4000 ... from the same start until a
# doubling adds no row to table 1, at most 256000 trials; a four-point test
# that halts on an ambiguity gives the table as it stood at the halt. The
# other tables are made from those with the comparison's commands: "Ur_" and
# "p K" are unions of two tables, "Pr_" (+S) a table with its mirror image,
# and "Zr" K the union of the first K tables of "Re N=6".
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
lab_bin=$here/build/release/bin/quorvan-lab
if [ "${1:-}" = "--lab" ]; then lab_bin=$2; shift 2; fi
out=${1:-$here/data/lab}
shift || true
wanted=("$@")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$out/RT_4" "$out/RT_5" "$out/RT_6"

want() {  # is library file $1 asked for?
  [ ${#wanted[@]} -eq 0 ] && return 0
  local f
  for f in "${wanted[@]}"; do [ "$f" = "$1" ] && return 0; done
  return 1
}

mask_of() {  # left code, right code -> "L1,L2,R1"
  local list=() d
  for d in 1 2 3 4 5 6 7 8 9 10; do (( ($1 >> (d - 1)) & 1 )) && list+=("L$d"); done
  for d in 1 2 3 4 5 6 7 8 9 10; do (( ($2 >> (d - 1)) & 1 )) && list+=("R$d"); done
  local IFS=,
  echo "${list[*]}"
}

# "table1Rows halted" from quorvan-lab test --json.
rows_of() {
  local json
  json=$(cat)
  echo "$(grep -o '"table1Rows":[0-9]*' <<<"$json" | cut -d: -f2) $(grep -o '"halted":[a-z]*' <<<"$json" | cut -d: -f2)"
}

# The library's listing: one row a file, written when the whole library is made.
listing=()
note() {  # FILE HOW
  local h
  # shellcheck disable=SC2207  # od prints the eleven fields as words
  h=($(od -An -v -t d4 -N 44 "$out/$1"))
  listing+=("| \`$1\` | ${h[0]} | ${h[10]} | ${h[1]} ${h[2]} ${h[3]} ${h[4]} ${h[5]} ${h[6]} ${h[7]} ${h[8]} | $2 |")
}

# base FOLDER L R: the automatic test's table for the mask (L, R).
base() {
  local folder=$1 l=$2 r=$3 file="$1/r_$2_$3.dat"
  want "$file" || return 0
  local mask trials=1000 prev=-1 rows halted dir
  mask=$(mask_of "$l" "$r")
  while :; do
    dir=$work/base_${l}_${r}_$trials
    read -r rows halted < <("$lab_bin" test --mask "$mask" --trials "$trials" --json --dir "$dir" | rows_of)
    if [ "$halted" = "true" ] || [ "$rows" = "$prev" ] || [ "$trials" -ge 256000 ]; then break; fi
    prev=$rows
    trials=$((trials * 2))
  done
  cp "$dir/RT/rt1.dat" "$out/$file"
  echo "$file  mask $mask  trials $trials  rows $rows$([ "$halted" = "true" ] && echo "  (halted)")"
  note "$file" "\`test --mask $mask --trials $trials\`$([ "$halted" = "true" ] && echo ", halted on an ambiguity")"
}

# Runs a laboratory script in a fresh working directory that holds the
# library made so far; prints the directory.
script_dir() {
  local dir
  dir=$(mktemp -d "$work/script.XXXX")
  mkdir -p "$dir/RT_4" "$dir/RT_5" "$dir/RT_6"
  cp -r "$out/RT_4/." "$dir/RT_4/"; cp -r "$out/RT_5/." "$dir/RT_5/"; cp -r "$out/RT_6/." "$dir/RT_6/"
  echo "$dir"
}

item() { echo "Library_$(echo "$1" | tr '/.' '__')"; }  # a library file's menu item

# The mask boxes for (L, R), as clicks from the start-up mask L1 L2 R1, so
# that the geometry recorded in a derived file is the first table's.
mask_clicks() {
  local d on
  for d in 1 2 3 4 5 6 7 8 9 10; do
    on=$(( ($1 >> (d - 1)) & 1 ))
    echo "check CheckBox$((d + 2)) $([ $on = 1 ] && echo on || echo off)"
  done
  for d in 1 2 3 4 5 6 7 8 9 10; do
    on=$(( ($2 >> (d - 1)) & 1 ))
    echo "check CheckBox$((d + 13)) $([ $on = 1 ] && echo on || echo off)"
  done
}

# union OUTFILE FIRST SECOND L R: table U of Compare with "CH !!! " (the
# union of both tables) after FIRST went to table 2 and SECOND to table 1.
union() {
  local file=$1 first=$2 second=$3
  want "$file" || return 0
  local dir
  dir=$(script_dir)
  { mask_clicks "$4" "$5"
    echo "click $(item "$first")"
    echo "click Copy1to2"
    echo "click $(item "$second")"
    echo "check Cytcr1 on"
    echo "click Button132"
    echo "print Label216"
  } | "$lab_bin" script - --dir "$dir" --clock 0 >"$dir/log"
  cp "$dir/RT/rtU.dat" "$out/$file"
  echo "$file  union of $first and $second  rows $(sed -n 's/^Label216: //p' "$dir/log")"
  note "$file" "union of \`$first\` and \`$second\` (Compare with \"CH !!! \")"
}

# mirrored OUTFILE SOURCE L R: SOURCE united with its mirror image ("Copy 1=>
# Inv 2": columns 1 .. N-1 reversed, the left and right points exchanged).
mirrored() {
  local file=$1 source=$2
  want "$file" || return 0
  local dir
  dir=$(script_dir)
  { mask_clicks "$3" "$4"
    echo "click $(item "$source")"
    echo "click Copy1toInv2"
    echo "check Cytcr1 on"
    echo "click Button132"
    echo "print Label216"
  } | "$lab_bin" script - --dir "$dir" --clock 0 >"$dir/log"
  cp "$dir/RT/rtU.dat" "$out/$file"
  echo "$file  $source with its mirror image  rows $(sed -n 's/^Label216: //p' "$dir/log")"
  note "$file" "\`$source\` with its mirror image (\"Copy 1=> Inv 2\", then Compare with \"CH !!! \")"
}

# accumulated OUTFILE FILE...: the union of every FILE, by Compare with
# "CH !!! " one table after another, the union so far in table 2.
accumulated() {
  local file=$1
  shift
  want "$file" || return 0
  local dir f count=$#
  dir=$(script_dir)
  local first=${1##*/r_}
  first=${first%.dat}
  { mask_clicks "${first%_*}" "${first#*_}"
    echo "check Cytcr1 on"
    echo "click $(item "$1")"
    echo "click Copy1to2"
    shift
    for f in "$@"; do
      echo "click $(item "$f")"
      echo "click Button132"
      echo "click CopyUto2"
    done
    echo "print Label216"
  } | "$lab_bin" script - --dir "$dir" --clock 0 >"$dir/log"
  cp "$dir/RT/rtU.dat" "$out/$file"
  echo "$file  union of the first $count tables of \"Re N=6\"  rows $(sed -n 's/^Label216: //p' "$dir/log")"
  note "$file" "union of the first $count tables of \"Re N=6\" (Compare with \"CH !!! \", table after table)"
}

base RT_4 1 3; base RT_4 3 1
for lr in "3 3" "5 5" "3 5" "1 7" "5 3" "7 1"; do base RT_5 $lr; done
for lr in "9 25" "17 19" "6 22"; do base RT_6 $lr; done
n6=("3 7" "3 11" "5 7" "6 7" "9 13" "17 25" "5 13" "6 38" "9 11" "6 14" "33 35" "5 37" "1 15" "7 9")
for lr in "${n6[@]}"; do base RT_6 $lr; done

union RT_5/Ur_3_5.dat RT_5/r_3_5.dat RT_5/r_5_3.dat 3 5
union RT_5/Ur_1_7.dat RT_5/r_1_7.dat RT_5/r_7_1.dat 1 7
union RT_5/r_3_5_p_K.dat RT_5/r_3_5.dat RT_5/r_5_5.dat 3 5
union RT_5/r_1_7_p_K.dat RT_5/r_1_7.dat RT_5/r_5_5.dat 1 7
for lr in "${n6[@]}"; do
  set -- $lr
  mirrored "RT_6/Pr_$1_$2.dat" "RT_6/r_$1_$2.dat" "$1" "$2"
done
n6files=()
for lr in "${n6[@]}"; do set -- $lr; n6files+=("RT_6/r_$1_$2.dat"); done
for k in 13 12 11 10 9 8 7 6 5 4; do
  accumulated "RT_6/Zr$(printf %02d $k).dat" "${n6files[@]:0:k}"
done

if [ ${#wanted[@]} -eq 0 ]; then
  {
    echo "# The library of stored Resolution Tables"
    echo
    echo "Made by \`scripts/make-library.sh\` with this system's own quorvan-lab; run it again to"
    echo "make every file anew (\`scripts/make-library.sh data/lab\`), or name files to make only those."
    echo "A base table \`r_L_R\` is the automatic test's table 1 for the mask whose left code is L and"
    echo "right code is R (bit d-1 of a code is the box of distance d), from start-up with the default"
    echo "parameters: 1000 trials, then 2000, 4000 ... until a doubling adds no row (at most 256000);"
    echo "a four-point test that halts on an ambiguity keeps the table it had at the halt. Derived"
    echo "tables come from the base tables through \`quorvan-lab script\` and the comparison's commands;"
    echo "their header records N of the last table loaded and the offsets of the first table's mask."
    echo
    echo "| file | N | rows | offsets 0..7 | made by |"
    echo "|---|---|---|---|---|"
    printf '%s\n' "${listing[@]}"
  } >"$out/LIBRARY.md"
fi
