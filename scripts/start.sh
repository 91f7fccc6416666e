#!/usr/bin/env bash
# Installs what is missing, builds the program and starts it. Until the windows
# exist this runs the sample design through the vexa command and prints it.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
cmake --preset dev >/dev/null
cmake --build --preset dev -j "$(nproc)"
build/dev/cli/vexa calc resources/samples/selection-chilled-water.json
