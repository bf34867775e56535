#!/usr/bin/env bash
# Compares two dump folders (mirandel --dump): the text files byte for byte and
# the pictures pixel for pixel (ImageMagick's compare), so a change that should
# not show can be checked on a whole walkthrough. Exits 1 on any difference.
# Usage: tools/compare_dumps.sh BEFORE AFTER
set -uo pipefail
before=$1 after=$2
different=0
names=$( (ls "$before"; ls "$after") | sort -u)
for name in $names; do
  if [ ! -e "$before/$name" ] || [ ! -e "$after/$name" ]; then
    echo "only in one dump: $name"
    different=1
  elif [[ $name == *.png ]]; then
    if ! cmp -s "$before/$name" "$after/$name"; then
      pixels=$(compare -metric AE "$before/$name" "$after/$name" null: 2>&1)
      if [ "$pixels" != 0 ]; then
        echo "$name: $pixels pixels differ"
        different=1
      fi
    fi
  elif ! cmp -s "$before/$name" "$after/$name"; then
    echo "$name differs:"
    diff "$before/$name" "$after/$name" | head -20
    different=1
  fi
done
[ "$different" = 0 ] && echo "the dumps are the same"
exit "$different"
