#!/bin/sh
# Builds the positions of the search benchmark and of its equivalence test:
# games of computer players, seeded, stopped after a number of turns and saved.
#   sh bench/corpus/faire.sh [IRVAD_CLI [L23456789]]
# Defaults: build-recherche/bin/irvad-cli and the word list beside it.
# Each game is played with the given players, search length and seed, with
# moves, without play-offs; --coups N stops it after N turns (all players
# together), early (round 2, the first with moves), in the middle and late.
set -eu
ici=$(cd "$(dirname "$0")" && pwd)
cli=${1:-$ici/../../build-recherche/bin/irvad-cli}
dico=${2:-$(dirname "$cli")/L23456789}

position() {  # players search-length seed turns
  nom=$(printf 'p%s-t%s-g%s-c%03d.ivd' "$1" "$2" "$3" "$4")
  "$cli" --dico "$dico" jouer --joueurs "$1" --taille "$2" --graine "$3" \
    --deplacements oui --barrages non --coups "$4" --sauver "$ici/$nom" > /dev/null
  echo "$nom"
}

for c in 5 50 90 100;   do position 2 9 11 $c; done
for c in 5 60 100 115;  do position 2 5 12 $c; done
for c in 7 55 95 108;   do position 3 9 11 $c; done
for c in 7 65 110 125;  do position 3 5 12 $c; done
for c in 13 80 140 160; do position 6 9 11 $c; done
for c in 13 75 130 150; do position 6 5 12 $c; done
