#!/usr/bin/env bash
# Installs the Debian packages that Vkt2020 needs to build, test and run.
# Quiet and without network access when everything is already present.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  libsqlite3-dev nlohmann-json3-dev libcli11-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev qt6-svg-dev libgl-dev fonts-liberation
  qt6-translations-l10n  # Qt's own dialogs, buttons and menus in Dutch (qtbase_nl.qm)
  fonts-dejavu-core      # the fonts of a machine without Liberation, for the test of the program's own fonts
  qt6-charts-dev libqt6opengl6-dev  # the wage curve's chart (Qt Charts needs the OpenGL module's CMake files)
  poppler-utils unzip  # the tests read printed PDF files and exported documents
  time                 # bench/batch-benchmark.sh measures the memory in use
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
