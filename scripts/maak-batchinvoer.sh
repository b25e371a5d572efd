#!/usr/bin/env bash
# Writes a CSV file for "vkt2020-cli batch" with varied kinds of calculation,
# pay periods, kinds of wage amount and amounts: the input of the batch
# benchmark. The same row count always gives the same file.
#
#   scripts/maak-batchinvoer.sh BESTAND.csv [RIJEN]   (default 10000 rows)
set -euo pipefail

if [[ $# -lt 1 || $# -gt 2 ]]; then
  echo "Gebruik: $0 BESTAND.csv [RIJEN]" >&2
  exit 2
fi
bestand=$1
rijen=${2:-10000}

awk -v rijen="$rijen" 'BEGIN {
  srand(2020)
  print "soort;loontijdvak;soort-loonbedrag;loonbedrag;verzekerd;vakantiegeld;regel"
  # Shares of the kinds of calculation and of the kinds of wage amount, in percent.
  split("60 10 8 7 8 7", soortDeel, " ")
  split("werknemer bijzonder-loon artiest-binnenland artiest-buitenland vrij-werknemers vrij-artiest", soort, " ")
  split("60 20 5 5 5 5", bedragDeel, " ")
  split("brutoloon nettoloon sociaal-loon loonheffingsloon werkgeverslasten zvw-loon", bedragSoort, " ")
  split("maand maand maand week 4-weken kwartaal dag", tijdvak, " ")
  # Monthly amounts scaled to the pay period.
  schaal["maand"] = 1; schaal["week"] = 0.23; schaal["4-weken"] = 0.92; schaal["kwartaal"] = 3; schaal["dag"] = 0.046
  split("ww,wao ww,wao ww,wao,zvw geen", verzekerd, " ")
  for (i = 1; i <= rijen; i++) {
    s = kies(soortDeel, soort)
    t = s == "werknemer" ? tijdvak[1 + int(rand() * 7)] : ""
    b = kies(bedragDeel, bedragSoort)
    bedrag = (400 + rand() * (b == "nettoloon" ? 4000 : 7600)) * (t == "" ? 1 : schaal[t])
    bedragTekst = sprintf("%.2f", bedrag)
    sub(/\./, ",", bedragTekst)
    v = verzekerd[1 + int(rand() * 4)]
    vakantiegeld = rand() < 0.8 ? "" : "8,33"
    regel = rand() < 0.2 ? "9=" int(rand() * 300) : ""
    print s ";" t ";" b ";" bedragTekst ";" v ";" vakantiegeld ";" regel
  }
}
function kies(deel, naam,    r, som, j) {
  r = rand() * 100
  som = 0
  for (j = 1; j in deel; j++) {
    som += deel[j]
    if (r < som)
      return naam[j]
  }
  return naam[1]
}' > "$bestand"
