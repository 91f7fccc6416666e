#!/usr/bin/env bash
# Makes the README's pictures of the bin charts, the summary and the psychrometric
# chart workbook from the real windows (drawn off screen); the workbook is turned
# into a picture by LibreOffice (soffice --convert-to pdf, then pdftoppm).
set -euo pipefail
cd "$(dirname "$0")/.."

cmake --preset dev >/dev/null
cmake --build --preset dev --target vexa_report_pictures -j 2
mkdir -p docs/images
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
XDG_CONFIG_HOME="$work/config" ARDELVEXA_OUTPUT_DIR="$work/out" ARDELVEXA_NO_OPEN=1 QT_QPA_PLATFORM=offscreen \
  build/dev/app/vexa_report_pictures docs/images
workbook="$(ls "$work"/out/*.xlsx | head -n 1)"
soffice -env:UserInstallation="file://$work/profile" --headless --convert-to pdf --outdir "$work" "$workbook" >/dev/null
pdftoppm -png -r 70 -f 1 -l 1 -singlefile "$work/$(basename "${workbook%.xlsx}").pdf" docs/images/chart-workbook
echo "wrote docs/images/chart-workbook.png"
