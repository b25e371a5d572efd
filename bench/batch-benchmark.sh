#!/usr/bin/env bash
# Times "vkt2020-cli batch" on 10,000 varied rows as a whole process, five
# times, and prints the median wall time.
#
#   bench/batch-benchmark.sh [BUILDMAP]   (default: build)
set -euo pipefail
cd "$(dirname "$0")/.."

programma=${1:-build}/bin/vkt2020-cli
if [[ ! -x $programma ]]; then
  echo "Niet gevonden: $programma (eerst bouwen)" >&2
  exit 2
fi
map=$(mktemp -d)
trap 'rm -rf "$map"' EXIT
scripts/maak-batchinvoer.sh "$map/invoer.csv" 10000

tijden=()
for keer in 1 2 3 4 5; do
  begin=$(date +%s.%N)
  code=0
  "$programma" batch "$map/invoer.csv" --uitvoer "$map/uitvoer.csv" || code=$?
  einde=$(date +%s.%N)
  if [[ $code -ne 0 ]]; then
    echo "vkt2020-cli batch eindigde met code $code" >&2
    exit 1
  fi
  tijd=$(awk -v b="$begin" -v e="$einde" 'BEGIN { printf "%.3f", e - b }')
  echo "run $keer: $tijd s"
  tijden+=("$tijd")
done
mediaan=$(printf '%s\n' "${tijden[@]}" | sort -n | sed -n 3p)
echo "mediaan van 5 runs over $(($(wc -l < "$map/uitvoer.csv") - 1)) rijen: $mediaan s"
