#!/usr/bin/env bash
# Times "vkt2020-cli batch" as a whole process, best of three runs, on:
#   - 20,000 monthly gross wages                      (goal: at most 30 ms)
#   - 2,000 monthly net-to-gross searches, net 900-5,000 (goal: at most 50 ms)
#   - 1,000,000 monthly gross wages                   (goal: at most 1 s)
#   - 10,000 varied rows (scripts/maak-batchinvoer.sh), for comparison
# and prints the largest memory in use (max RSS) of 10,000 and of 1,000,000
# monthly gross wages, which must not grow with the row count. Extra
# arguments go to every batch (for example --taken 1).
#
#   bench/batch-benchmark.sh [BUILDMAP [BATCHOPTIES...]]   (default: build)
set -euo pipefail
cd "$(dirname "$0")/.."

programma=${1:-build}/bin/vkt2020-cli
shift || true
if [[ ! -x $programma ]]; then
  echo "Niet gevonden: $programma (eerst bouwen)" >&2
  exit 2
fi
if [[ ! -x /usr/bin/time ]]; then
  echo "Niet gevonden: /usr/bin/time (apt-get install time)" >&2
  exit 2
fi
map=$(mktemp -d)
trap 'rm -rf "$map"' EXIT

# Monthly amounts with cents between van and tot, the same file for the same arguments.
maak_bedragen() { # BESTAND RIJEN SOORT VAN TOT
  awk -v rijen="$2" -v soort="$3" -v van="$4" -v tot="$5" 'BEGIN {
    srand(2020)
    print "soort-loonbedrag;loonbedrag"
    for (i = 0; i < rijen; i++) {
      bedrag = sprintf("%.2f", van + rand() * (tot - van))
      sub(/\./, ",", bedrag)
      print soort ";" bedrag
    }
  }' > "$1"
}

maak_bedragen "$map/bruto-20000.csv" 20000 brutoloon 1500 7500
maak_bedragen "$map/netto-2000.csv" 2000 nettoloon 900 5000
maak_bedragen "$map/bruto-10000.csv" 10000 brutoloon 1500 7500
maak_bedragen "$map/bruto-1000000.csv" 1000000 brutoloon 1500 7500
scripts/maak-batchinvoer.sh "$map/gevarieerd-10000.csv" 10000

# One run: its wall time in microseconds. Exit code 1 (a row failed) still
# computed every row; anything else stops the benchmark.
run() { # INVOER [OPTIES...]
  local invoer=$1
  shift
  local begin einde code=0
  begin=$(date +%s%N)
  "$programma" batch "$invoer" --uitvoer "$map/uitvoer.csv" "$@" || code=$?
  einde=$(date +%s%N)
  if [[ $code -gt 1 ]]; then
    echo "vkt2020-cli batch eindigde met code $code op $invoer" >&2
    exit 1
  fi
  echo $(((einde - begin) / 1000))
}

# The best of three runs, in milliseconds.
best() { # INVOER [OPTIES...]
  local beste=""
  for keer in 1 2 3; do
    local tijd
    tijd=$(run "$@")
    if [[ -z $beste || $tijd -lt $beste ]]; then beste=$tijd; fi
  done
  awk -v us="$beste" 'BEGIN { printf "%.3f", us / 1000 }'
}

# The largest memory in use of one run, in KiB.
rss() { # INVOER [OPTIES...]
  local invoer=$1
  shift
  /usr/bin/time -f %M -o "$map/rss" "$programma" batch "$invoer" --uitvoer "$map/uitvoer.csv" "$@" || true
  tail -n 1 "$map/rss"
}

meld() { # NAAM TIJD_MS DOEL_MS
  awk -v naam="$1" -v tijd="$2" -v doel="$3" 'BEGIN {
    printf "%-45s %10.1f ms   doel %6d ms   %s\n", naam, tijd, doel, tijd <= doel ? "gehaald" : "NIET gehaald"
  }'
}

echo "$("$programma" --version), $(nproc) kernen, beste van 3 runs als heel proces${*:+, opties: $*}"
meld "20.000 brutolonen per maand" "$(best "$map/bruto-20000.csv" "$@")" 30
meld "2.000 nettolonen per maand (zoeken)" "$(best "$map/netto-2000.csv" "$@")" 50
meld "1.000.000 brutolonen per maand" "$(best "$map/bruto-1000000.csv" "$@")" 1000
printf '%-45s %10.1f ms\n' "10.000 gevarieerde rijen" "$(best "$map/gevarieerd-10000.csv" "$@")"
printf '%-45s %10s KiB\n' "max RSS, 10.000 brutolonen" "$(rss "$map/bruto-10000.csv" "$@")"
printf '%-45s %10s KiB\n' "max RSS, 1.000.000 brutolonen" "$(rss "$map/bruto-1000000.csv" "$@")"
