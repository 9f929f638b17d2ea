#!/usr/bin/env bash
# Sets up the PDF printer "TSPDF" (A4 portrait) for the print tests, which print on it
# through PRINTER/LPDEST in their environment: the machine's default printer stays as
# it is. Starts the print service only when it is not running. Every printed job lands
# as a PDF file in the folder below, which the tests watch. What this script adds (the
# service it started, the queue, the PDF printer's configuration of the queue, the
# folder) is written down and taken away again by scripts/stop-print-queue.sh.
set -euo pipefail

out_dir="${TS_PRINT_OUT_DIR:-/var/spool/cups-pdf/torsion}"
state="${TS_PRINT_STATE_DIR:-/run/torsion-print-queue}"
queue=TSPDF
# The PDF printer reads cups-pdf-<instance>.conf for the device cups-pdf:/<instance>,
# so the queue has a configuration of its own and the shared cups-pdf.conf is untouched.
instance=torsion
instance_conf=/etc/cups/cups-pdf-${instance}.conf

SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"
$SUDO mkdir -p "$state"
note() { echo "$1" | $SUDO tee -a "$state/added" >/dev/null; }
noted() { [ -f "$state/added" ] && grep -qxF "$1" "$state/added"; }

if [ ! -d "$out_dir" ]; then
  $SUDO mkdir -p "$out_dir"
  noted "folder $out_dir" || note "folder $out_dir"
fi
$SUDO chmod 1777 "$out_dir"

if [ ! -f "$instance_conf" ]; then
  # The package's settings, with every user's jobs, anonymous ones included, in one folder.
  sed -E -e '/^[[:space:]]*(Out|AnonDirName)[[:space:]]/d' /etc/cups/cups-pdf.conf 2>/dev/null |
    { cat; printf 'Out %s\nAnonDirName %s\n' "$out_dir" "$out_dir"; } | $SUDO tee "$instance_conf" >/dev/null
  noted "file $instance_conf" || note "file $instance_conf"
fi

cups_running() { lpstat -r 2>/dev/null | grep -q "is running"; }

if ! cups_running; then
  # The files the service and the PDF printer create on their first use go again with it.
  for f in /etc/cups/printers.conf /etc/cups/printers.conf.O /var/spool/cups-pdf/SPOOL; do
    [ -e "$f" ] || noted "file $f" || note "file $f"
  done
  cupsd_bin=$(command -v cupsd || echo /usr/sbin/cupsd)
  # In the foreground of a background job, so its process id is the service's own.
  $SUDO "$cupsd_bin" -f </dev/null >/dev/null 2>&1 &
  note "cupsd $!"
  for _ in $(seq 1 50); do
    cups_running && break
    sleep 0.2
  done
fi
cups_running || { echo "start-print-queue: the print service did not start" >&2; exit 1; }

if ! lpstat -p "$queue" >/dev/null 2>&1; then
  # The driver file that the PDF printer package installs, found through the service.
  ppd=$(lpinfo -m 2>/dev/null | awk '/CUPS-PDF_opt\.ppd/ {print $1; exit}')
  [ -n "$ppd" ] || ppd=$(lpinfo -m 2>/dev/null | awk '/[Cc][Uu][Pp][Ss]-[Pp][Dd][Ff]/ {print $1; exit}')
  [ -n "$ppd" ] || { echo "start-print-queue: no PDF printer driver found" >&2; exit 1; }
  $SUDO lpadmin -p "$queue" -E -v "cups-pdf:/${instance}" -m "$ppd" -o PageSize=A4 \
    -o orientation-requested-default=3
  noted "queue $queue" || note "queue $queue"
fi
$SUDO cupsenable "$queue"
$SUDO cupsaccept "$queue"

echo "start-print-queue: printing to ${queue} (PRINTER=${queue}), PDF files in ${out_dir}"
