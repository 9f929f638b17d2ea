#!/usr/bin/env bash
# Whole-process speed of "torsion-spring --calc": generates ROWS designs (default one
# million) with the default material table's symbols and times one run of the program
# over them, output to /dev/null. Usage: bench/calc_process.sh [build folder] [rows]
set -euo pipefail
build=${1:-build}
rows=${2:-1000000}
file=$(mktemp --suffix=.csv)
trap 'rm -f "$file"' EXIT
awk -v rows="$rows" 'BEGIN {
  srand(1)
  split("inner mean outer", modes, " ")
  split("0.5 0.8 1 1.2 1.6 2 2.6 3.2", wires, " ")
  print "symbol,wire_dia,dia_mode,coil_dia,turns,arm1,arm2,load_mode,value1,value2,outward,left_hand"
  for (i = 0; i < rows; i++) {
    d = wires[int(rand() * 8) + 1]
    moment = rand() < 0.5
    a = 5 + rand() * 100
    printf "SWP-B,%s,%s,%.6g,%.6g,%.6g,%.6g,%s,%.6g,%.6g,%d,%d\n", d, modes[int(rand() * 3) + 1],
      d * (4 + rand() * 16), 1 + rand() * 14, 5 + rand() * 35, 5 + rand() * 35,
      moment ? "moment" : "angle", moment ? a / 10 : a, moment ? a / 5 : a * 1.5, rand() < 0.5, rand() < 0.5
  }
}' > "$file"
start=$(date +%s.%N)
status=0
"$build/torsion-spring" --calc "$file" -o /dev/null || status=$?
end=$(date +%s.%N)
awk -v s="$start" -v e="$end" -v n="$rows" -v st="$status" \
  'BEGIN { printf "%d rows in %.2f s: %.0f rows/s (exit status %d)\n", n, e - s, n / (e - s), st }'
