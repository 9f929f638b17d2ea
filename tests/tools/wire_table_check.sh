#!/usr/bin/env bash
# The wire table generator accepts the shipped data and rejects every kind of faulty row
# with its own error (exit status 1 and a message naming the line), never by crashing,
# so a broken data file stops the build with a reason.
set -uo pipefail
generator=$1
data=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

if ! "$generator" "$data" "$work/rows.inc"; then
  echo "the shipped data was rejected" >&2
  exit 1
fi
grep -q "WireTable::TensileStrength" "$work/rows.inc" || { echo "no tensile rows written" >&2; exit 1; }

header=$(head -1 "$data")
good='SWP-B,diameter_tolerance,0.50,1.00,false,true,-0.010,0.010,mm,S01,ok,,yes,SWP-B'
bad_rows=(
  'SWP-B,diameter_tolerence,0.50,1.00,false,true,-0.010,0.010,mm,S01,ok,,yes,SWP-B'      # unknown table
  'SWP-B,diameter_tolerance,0.50,1.00,false,true,-0.010,0.010,N/mm2,S01,ok,,yes,SWP-B'   # unit
  'SWP-B,diameter_tolerance,0.50,1.00,false,true,-0.010,0.010,mm,S01,seen,,yes,SWP-B'    # status
  'SWP-B,diameter_tolerance,0.50,1.00,false,true,-0.010,0.010,mm,S01,ok,,maybe,SWP-B'    # use
  'SWP-B,diameter_tolerance,1.00,2.00,false,true,-0.010,0.020,mm,S01,ok,,yes,SWP-B'      # not symmetric
  'SWP-B,diameter_tolerance,2.00,1.00,false,true,-0.010,0.010,mm,S01,ok,,yes,SWP-B'      # min above max
  'SWP-B,diameter_tolerance,1.00,2.00,no,true,-0.010,0.010,mm,S01,ok,,yes,SWP-B'         # flag
  'SWP-B,diameter_tolerance,1.00,,false,,-0.010,0.010,mm,S01,ok,,yes,SWP-B'              # open band with a value
  'SWP-B,diameter_tolerance,1.00,2.00,false,true,-0.01x,0.010,mm,S01,ok,,yes,SWP-B'      # number
  'SWP-B,diameter_tolerance,-1.0,2.00,false,true,-0.010,0.010,mm,S01,ok,,yes,SWP-B'      # negative diameter
  'SWP-B,diameter_tolerance,1.00,2.00,false,true,-0.010,0.010,mm,S01,not_found,,yes,SWP-B'  # value not seen
  'SWP-B,tensile_strength,1.00,1.00,true,true,2450,2260,N/mm2,S04,ok,,yes,SWP-B'         # max below min
  'SWP-B,standard_diameters,1.00,1.20,true,true,,,mm,S04,ok,,yes,SWP-B'                  # a band, not a size
  'SWP-B,diameter_tolerance,1.00,2.00,false,true,-0.015,0.015,mm,,ok,,yes,SWP-B'         # no source
  'SWP-B,diameter_tolerance,1.00,2.00,false,true,-0.015,0.015,mm,S01,ok,,yes,swp-b'      # match
  'SWP-B,diameter_tolerance,1.00,2.00,false,true,-0.015,0.015,mm,S01,ok,,yes,'           # no match
  'SWP-B,diameter_tolerance,0.90,1.10,true,true,-0.010,0.010,mm,S01,ok,,yes,SWP-B'       # overlaps the good row
  'SWP-B,diameter_tolerance,1.00,1.20,true,true,,,mm,,not_found,,yes,SWP-B'              # overlaps at 1.00
  'SWP-B,applicable_range,0.08,8.00,true,true,,,mm,S07,ok,,yes,SWP-B;SWP-B'              # a grade named twice
  'SWP-B,diameter_tolerance,1.00,2.00,false,true,-0.015,0.015,mm,"S01,ok,,yes,SWP-B'     # quote
  'SWP-B,diameter_tolerance,1.00,2.00,false,true,-0.015,0.015,mm,S01,ok,,yes'            # fields
)
printf '%s\n%s\n' "$header" "$good" >"$work/good.csv"
"$generator" "$work/good.csv" "$work/good.inc" || { echo "rejected a good row" >&2; exit 1; }
# A good row beside the good row: ranges that only touch are no overlap.
printf '%s\n%s\n%s\n' "$header" "$good" 'SWP-B,diameter_tolerance,1.00,2.00,false,true,-0.015,0.015,mm,S01,ok,,yes,SWP-B' >"$work/touch.csv"
"$generator" "$work/touch.csv" "$work/touch.inc" || { echo "rejected two bands that only touch" >&2; exit 1; }
printf '%s\n%s\n' "not,the,header,at,all,,,,,,,,," "$good" >"$work/header.csv"
bad_files=("$work/header.csv")
for row in "${bad_rows[@]}"; do
  file="$work/bad${#bad_files[@]}.csv"
  printf '%s\n%s\n%s\n' "$header" "$good" "$row" >"$file"
  bad_files+=("$file")
done
for file in "${bad_files[@]}"; do
  "$generator" "$file" "$work/bad.inc" 2>"$work/message"
  status=$?
  if [ "$status" -eq 0 ]; then
    echo "accepted a faulty row: $(tail -1 "$file")" >&2
    exit 1
  elif [ "$status" -ne 1 ] || ! grep -q "^make_wire_table: " "$work/message"; then
    echo "did not reject but failed with status $status on: $(tail -1 "$file")" >&2
    cat "$work/message" >&2
    exit 1
  fi
done
echo "wire table generator ok"
