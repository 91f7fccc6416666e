#!/usr/bin/env bash
# Installs what is missing, builds the program and starts Ardel Vexa on the desktop.
# Arguments are passed to the program (for example /QUOTEID=1234).
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
cmake --preset dev >/dev/null
cmake --build --preset dev -j "$(nproc)"

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  cat >&2 <<'TEXT'
start: Ardel Vexa is built (build/dev/app/ArdelVexa) but there is no display to show it on.
  - On a desktop, run this command from a terminal inside the desktop session.
  - On a machine without a desktop, run it on a virtual display:
        xvfb-run -a bash scripts/start.sh
    (the window is then drawn off screen; scripts/make-readme-picture.sh shows
    how to take a picture of it).
  - Over ssh, log in with X forwarding (ssh -X) and run the command again.
TEXT
  exit 1
fi

exec build/dev/app/ArdelVexa "$@"
