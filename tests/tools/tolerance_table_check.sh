#!/usr/bin/env bash
# The tolerance table generator accepts the shipped data and stops on every kind of
# faulty row with a message (a crash is no rejection), so a broken data file never
# reaches the program.
set -euo pipefail
generator=$1
data=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

"$generator" "$data" "$work/rows.inc"
grep -q "ToleranceTable::CoilDiameter" "$work/rows.inc"

header=$(head -1 "$data")
good='coil_diameter,coil_diameter_tol,1,spring_index_c=D/d,4,yes,8,yes,1.0,0.15,,mm,published,yes,SOT,,'
bad_rows=(
  'coil_diamter,coil_diameter_tol,1,spring_index_c=D/d,4,yes,8,yes,1.0,0.15,,mm,published,yes,SOT,,'  # unknown table
  'coil_diameter,coil_diameter_tol,4,spring_index_c=D/d,4,yes,8,yes,1.0,0.15,,mm,published,yes,SOT,,'  # grade
  'coil_diameter,coil_diameter_tol,1,turns_N,4,yes,8,yes,1.0,0.15,,mm,published,yes,SOT,,'             # basis
  'coil_diameter,coil_diameter_tol,1,spring_index_c=D/d,4,maybe,8,yes,1.0,0.15,,mm,published,yes,SOT,,' # flag
  'coil_diameter,coil_diameter_tol,1,spring_index_c=D/d,4,yes,8,yes,1.0x,0.15,,mm,published,yes,SOT,,'  # number
  'coil_diameter,coil_diameter_tol,1,spring_index_c=D/d,4,yes,8,yes,1.0,,,mm,published,yes,SOT,,'       # no minimum
  'free_angle,free_angle_tol,1,turns_N,0,no,3,yes,,,,deg,published,yes,TSU,,'                          # no value
  'density,density,-,piano wire,,,,,,,7.85,g/cm3,published,yes,SAT,,'                                   # no match
  'coil_diameter,coil_diameter_tol,1,spring_index_c=D/d,4,yes,8,yes,1.0,0.15,,mm,published,yes,"SOT,,'  # quote
  'coil_diameter,coil_diameter_tol,1,spring_index_c=D/d,4,yes,8,yes,1.0,0.15,,mm,published,yes,SOT'     # fields
)
printf '%s\n%s\n' "$header" "$good" >"$work/good.csv"
"$generator" "$work/good.csv" "$work/good.inc"
for row in "${bad_rows[@]}"; do
  printf '%s\n%s\n%s\n' "$header" "$good" "$row" >"$work/bad.csv"
  status=0
  "$generator" "$work/bad.csv" "$work/bad.inc" 2>"$work/err" || status=$?
  if [ "$status" -eq 0 ]; then
    echo "accepted a faulty row: $row" >&2
    exit 1
  fi
  # A rejection is an exit with a message; an end by a signal (status above 128) is a crash.
  if [ "$status" -gt 128 ] || [ ! -s "$work/err" ]; then
    echo "did not reject, ended with status $status: $row" >&2
    exit 1
  fi
done
echo "tolerance table generator ok"
