#!/usr/bin/env bash
# Sets up the machine, builds Vkt2020 and runs it: for now the command-line
# program, showing the fiscal parameters in force on 15 July 2020.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh
cmake -S . -B build -G Ninja >/dev/null
cmake --build build -j "$(nproc)"
build/bin/vkt2020-cli constanten --datum 15-07-2020 "$@"
