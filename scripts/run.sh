#!/usr/bin/env bash
# Sets up the machine, builds Vkt2020 and runs the desktop program. Without a
# display it says so and shows, through the command-line program, the
# statement of a monthly wage of 3000 with the employer's charges instead.
# Options given to this script go to vkt2020 (see build/bin/vkt2020 --help).
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh
cmake -S . -B build -G Ninja >/dev/null
cmake --build build -j "$(nproc)"
if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" ]]; then
  echo "Er is geen beeldscherm (DISPLAY en WAYLAND_DISPLAY zijn leeg): het venster van Vkt2020 kan niet worden"
  echo "getoond. Hieronder een berekening via de opdrachtregel (build/bin/vkt2020-cli)."
  echo
  exec build/bin/vkt2020-cli bereken --datum 15-07-2020 --loonbedrag 3000 --werkgeverslasten-tonen ja
fi
exec build/bin/vkt2020 "$@"
