#!/usr/bin/env bash
# Installs the Debian packages the project needs, and only those that are missing.
# Safe to run again; works as root or through sudo.
set -euo pipefail

packages=(
  # build (python3 builds the document templates from their drawing descriptions)
  cmake ninja-build g++ pkg-config git python3
  # command-line tool
  nlohmann-json3-dev libcli11-dev
  # tests and benchmarks
  libgtest-dev libgmock-dev libbenchmark-dev clang-format
  # windows, charts, printing, settings, SQL
  qt6-base-dev qt6-charts-dev libqt6opengl6-dev libxkbcommon-dev
  libqt6sql6-sqlite libqt6sql6-psql
  # documents and the chart workbook
  libzip-dev libpugixml-dev libxlsxwriter-dev
  # fonts: without one, Qt draws every text as empty boxes
  fonts-dejavu-core
  # a virtual display for running the program without a desktop session
  xvfb xauth
  # looking at produced documents: PDF and PNG pages (scripts/ga-preview.sh), and
  # fonts with the measures of those the templates name
  libreoffice-writer poppler-utils fonts-liberation
)

missing=()
for pkg in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$pkg")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  echo "install-deps: everything is installed"
  exit 0
fi

echo "install-deps: installing ${missing[*]}"
as_root=()
if [ "$(id -u)" -ne 0 ]; then
  as_root=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get update -qq
"${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
