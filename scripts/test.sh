#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: formatting, the optimised
# build with warnings as errors, then the whole suite again under the address and
# undefined-behaviour sanitizers.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
bash scripts/check-format.sh

jobs=$(nproc)
for preset in ci asan; do
  echo "== $preset =="
  cmake --preset "$preset"
  cmake --build --preset "$preset" -j "$jobs"
  ctest --preset "$preset" -j "$jobs"
done
