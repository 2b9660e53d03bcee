#!/bin/sh
# Makes the pictures of README.md: a seeded game of three computer players
# stopped after 30 plays, its log beside it (Windows-1252, CR LF, as the game
# writes it), then the board, scores and messages windows drawn on it
# without a screen. Run after a build (build/ by default).
set -eu
cd "$(dirname "$0")/.."
construction=${1:-build}
travail=$(mktemp -d)
trap 'rm -rf "$travail"' EXIT
"$construction/bin/irvad-cli" jouer --joueurs 3 --taille 7 --graine 7 --coups 30 \
  --sauver "$travail/partie.ivd" > "$travail/journal.txt"
tail -n 30 "$travail/journal.txt" | iconv -f UTF-8 -t CP1252 | sed 's/$/\r/' > "$travail/partie.ivd.txt"
"$construction/bin/irvad" --capture docs/images "$travail/partie.ivd"
ls -l docs/images
