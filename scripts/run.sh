#!/usr/bin/env bash
# Sets up the machine, builds Vkt2020 and runs it: for now the command-line
# program, showing the statement of a monthly wage of 3000 with the employer's
# charges. Options given to this script go to the calculation (see
# build/bin/vkt2020-cli bereken --help).
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh
cmake -S . -B build -G Ninja >/dev/null
cmake --build build -j "$(nproc)"
build/bin/vkt2020-cli bereken --datum 15-07-2020 --loonbedrag 3000 --werkgeverslasten-tonen ja "$@"
