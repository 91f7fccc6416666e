#!/usr/bin/env bash
# Fills every general arrangement template with sample values and turns the
# documents into PDF and PNG pages to look at: build/dev/ga-preview/.
# Needs a dev build, LibreOffice Writer and poppler-utils (scripts/install-deps.sh).
set -euo pipefail
cd "$(dirname "$0")/.."

out=build/dev/ga-preview
rm -rf "$out"
mkdir -p "$out"
cmake --build --preset dev --target ga_template_preview ga_templates -j 2 >/dev/null
build/dev/tests/engine/ga/ga_template_preview "$out" >/dev/null
# A private LibreOffice profile, so that a running office of the user is left alone.
libreoffice -env:UserInstallation="file://$PWD/$out/.lo-profile" --headless \
  --convert-to pdf --outdir "$out" "$out"/*.docx >/dev/null 2>&1
for pdf in "$out"/*.pdf; do
  pdftoppm -png -r 110 -singlefile "$pdf" "${pdf%.pdf}"
done
ls "$out"/*.png
