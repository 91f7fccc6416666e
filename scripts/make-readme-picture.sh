#!/usr/bin/env bash
# Makes docs/images/main-window.png, the README's picture of the main window after
# a calculation of the selection example, from the real window (drawn off screen).
set -euo pipefail
cd "$(dirname "$0")/.."

cmake --preset dev >/dev/null
cmake --build --preset dev --target vexa_snapshot -j 2
mkdir -p docs/images
XDG_CONFIG_HOME="$(mktemp -d)" QT_QPA_PLATFORM=offscreen build/dev/app/vexa_snapshot docs/images/main-window.png
