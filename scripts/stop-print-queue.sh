#!/usr/bin/env bash
# Takes away what scripts/start-print-queue.sh added for the print tests, in reverse
# order: the queue TSPDF, the print service if it was started for the tests, the PDF
# printer's configuration of the queue and the output folder. What was there before
# the tests stays.
set -euo pipefail

state="${TS_PRINT_STATE_DIR:-/run/torsion-print-queue}"
SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"
[ -f "$state/added" ] || { echo "stop-print-queue: nothing to take away"; exit 0; }

tac "$state/added" | while read -r what name; do
  case "$what" in
    queue) $SUDO lpadmin -x "$name" 2>/dev/null || true ;;
    cupsd)
      $SUDO kill "$name" 2>/dev/null || true
      for _ in $(seq 1 50); do
        kill -0 "$name" 2>/dev/null || break
        sleep 0.1
      done ;;
    file) $SUDO rm -rf "$name" ;;
    folder) $SUDO rm -rf "$name" ;;
  esac
done
$SUDO rm -rf "$state"
echo "stop-print-queue: the print set-up of the tests is taken away"
