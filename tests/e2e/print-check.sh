#!/usr/bin/env bash
# Prints through the real spooler: starts CUPS with the cups-pdf printer as the default, then
# the check program prints the press list, a level list over three pages and the viewer's text
# and reads back the PDF documents the printer wrote; then it prints with the spooler out of
# reach. The printed documents and a picture of their first pages go to the artefacts folder.
#   print-check.sh <SpoolerPrintCheck> <data folder> <artefacts folder>
set -euo pipefail
check=$1 data=$2 artefacts=$3
here=$(cd "$(dirname "$0")" && pwd)
mkdir -p "$artefacts"
rm -f "$artefacts"/*.pdf "$artefacts"/*.png
out=$("$here/../../tools/start-spooler.sh")
export LOTAVO_DATA=$data LOTAVO_PDF_OUT=$out LOTAVO_ARTEFACTS=$artefacts QT_QPA_PLATFORM=offscreen

"$check" pressListLevelListAndViewerReachThePrinter aRefusedJobIsReportedAndKept
CUPS_SERVER=/nonexistent/cups.sock "$check" aSpoolerOutOfReachIsReportedAndTheListKept

for pdf in "$artefacts"/*.pdf; do
  pdftoppm -png -r 50 -f 1 -l 1 "$pdf" "${pdf%.pdf}"
done
echo "print check: documents in $artefacts"
