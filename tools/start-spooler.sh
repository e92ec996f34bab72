#!/usr/bin/env bash
# Starts the print spooler (CUPS) when it is not running and makes the cups-pdf printer "PDF"
# the default, for the printing tests. Safe to run again. Needs root: on a fresh machine or in
# a container there is no service manager to ask, so cupsd is started directly.
#   start-spooler.sh        prints the folder where cups-pdf writes the jobs of this user
set -euo pipefail

running() { lpstat -r 2>/dev/null | grep -q "is running"; }

if ! running; then
  mkdir -p /run/cups
  # cupsd puts itself in the background once it listens.
  cupsd
  for _ in $(seq 100); do running && break; sleep 0.1; done
  running || { echo "cupsd did not start" >&2; exit 1; }
fi

if ! lpstat -p PDF >/dev/null 2>&1; then
  lpadmin -p PDF -E -v cups-pdf:/ -P /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd
fi
# The PostScript step before cups-pdf keeps the text of CJK fonts readable (for pdftotext) only
# when poppler's cairo renderer makes it.
lpadmin -p PDF -o pdftops-renderer-default=pdftocairo
cupsenable PDF
cupsaccept PDF
lpadmin -d PDF >/dev/null

# cups-pdf writes into the home of the job's owner ("Out ${HOME}/PDF").
out=$(sed -n 's/^Out[[:space:]]\+//p' /etc/cups/cups-pdf.conf | tail -n 1)
out=${out:-'${HOME}/PDF'}
home=$(getent passwd "$(id -un)" | cut -d: -f6)
echo "${out//\$\{HOME\}/$home}"
