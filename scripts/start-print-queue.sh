#!/usr/bin/env bash
# Starts the print service and sets up the PDF printer "TSPDF" as the default printer
# (A4 portrait), so that the print tests print on a real queue. Every printed job lands
# as a PDF file in the folder below, which the tests watch.
set -euo pipefail

out_dir="${TS_PRINT_OUT_DIR:-/var/spool/cups-pdf/torsion}"
queue=TSPDF

SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"

# The PDF printer writes every user's jobs, anonymous ones included, into one known folder.
conf=/etc/cups/cups-pdf.conf
if [ -f "$conf" ]; then
  $SUDO sed -i -E \
    -e "s|^#?[[:space:]]*Out[[:space:]].*|Out ${out_dir}|" \
    -e "s|^#?[[:space:]]*AnonDirName[[:space:]].*|AnonDirName ${out_dir}|" \
    "$conf"
fi
$SUDO mkdir -p "$out_dir"
$SUDO chmod 1777 "$out_dir"

cups_running() { lpstat -r 2>/dev/null | grep -q "is running"; }

if ! cups_running; then
  cupsd_bin=$(command -v cupsd || echo /usr/sbin/cupsd)
  $SUDO "$cupsd_bin"
  for _ in $(seq 1 50); do
    cups_running && break
    sleep 0.2
  done
fi
cups_running || { echo "start-print-queue: the print service did not start" >&2; exit 1; }

# The driver file that the PDF printer package installs, found through the service.
ppd=$(lpinfo -m 2>/dev/null | awk '/CUPS-PDF_opt\.ppd/ {print $1; exit}')
[ -n "$ppd" ] || ppd=$(lpinfo -m 2>/dev/null | awk '/[Cc][Uu][Pp][Ss]-[Pp][Dd][Ff]/ {print $1; exit}')
[ -n "$ppd" ] || { echo "start-print-queue: no PDF printer driver found" >&2; exit 1; }

$SUDO lpadmin -p "$queue" -E -v cups-pdf:/ -m "$ppd" -o PageSize=A4 -o orientation-requested=3
$SUDO cupsenable "$queue"
$SUDO cupsaccept "$queue"
$SUDO lpadmin -d "$queue"
lpoptions -d "$queue" >/dev/null
lpoptions -p "$queue" -o PageSize=A4 -o orientation-requested=3 >/dev/null

lpstat -d
echo "start-print-queue: printing to ${queue}, PDF files in ${out_dir}"
