#!/usr/bin/env bash
# Makes docs/images/main-window.png, the README's picture of the main window after
# a calculation of the selection example, and docs/images/costing-window.png, the
# costing window after costing that unit, from the real windows (drawn off screen).
set -euo pipefail
cd "$(dirname "$0")/.."

cmake --preset dev >/dev/null
cmake --build --preset dev --target vexa_snapshot vexa_costing_snapshot -j 2
mkdir -p docs/images
XDG_CONFIG_HOME="$(mktemp -d)" QT_QPA_PLATFORM=offscreen build/dev/app/vexa_snapshot docs/images/main-window.png
XDG_CONFIG_HOME="$(mktemp -d)" QT_QPA_PLATFORM=offscreen build/dev/app/vexa_costing_snapshot docs/images/costing-window.png
