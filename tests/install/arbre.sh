#!/bin/sh
# Installs the build folder into a temporary prefix and checks the tree:
# program data under lib/irvad, games/irvad a link to the executable there,
# the icons at every size, the desktop entry, the MIME type (which then
# compiles and maps *.ivd) and the metainfo.
# Arguments: build folder, source folder, AppStream id, 1 when the game is
# built, 1 when irvad-cli is built (both must have been built before).
set -eu
construction=$1 sources=$2 id=$3 programme=$4 cli=$5
prefixe=$(mktemp -d)
trap 'rm -rf "$prefixe"' EXIT
echec() { echo "ÉCHEC : $*" >&2; exit 1; }

cmake --install "$construction" --prefix "$prefixe" >"$prefixe.journal" 2>&1 || { cat "$prefixe.journal"; echec "cmake --install"; }
rm -f "$prefixe.journal"

for f in lib/irvad/Irvad.html lib/irvad/Irvad-plateau.svg share/icons/hicolor/scalable/apps/irvad.svg \
         share/applications/irvad.desktop share/mime/packages/irvad.xml share/metainfo/"$id".metainfo.xml; do
  [ -f "$prefixe/$f" ] || echec "$f manque"
done
cmp -s "$sources/resources/Irvad.html" "$prefixe/lib/irvad/Irvad.html" || echec "Irvad.html diffère de la source"
# The help page is UTF-8 text, says so, and uses only the files lying beside it.
aide="$prefixe/lib/irvad/Irvad.html"
iconv -f UTF-8 -t UTF-8 "$aide" >/dev/null || echec "Irvad.html n'est pas de l'UTF-8"
grep -qi '<meta charset="utf-8">' "$aide" || echec "Irvad.html ne déclare pas son encodage"
for ref in $(grep -o -i -E '(src|href)="[^"#][^"]*"' "$aide" | sed 's/^[^"]*"//; s/"$//'); do
  case "$ref" in */* | *:*) echec "Irvad.html fait appel à une ressource extérieure : $ref" ;; esac
  [ -f "$prefixe/lib/irvad/$ref" ] || echec "Irvad.html cite $ref, absent à côté de lui"
done
for t in 16 22 24 32 48 64 128 256; do
  png="$prefixe/share/icons/hicolor/${t}x$t/apps/irvad.png"
  [ -f "$png" ] || echec "icône $t manque"
  taille=$(identify -format '%wx%h' "$png")
  [ "$taille" = "${t}x$t" ] || echec "icône $t de taille $taille"
done
if [ -f "$construction/bin/L23456789" ]; then
  cmp -s "$construction/bin/L23456789" "$prefixe/lib/irvad/L23456789" || echec "L23456789 manque ou diffère"
fi
# games/NAME is a relative link to lib/irvad/NAME, the executable itself.
lien() {
  [ -L "$prefixe/games/$1" ] || echec "games/$1 n'est pas un lien"
  [ "$(readlink "$prefixe/games/$1")" = "../lib/irvad/$1" ] || echec "games/$1 pointe ailleurs"
  [ -f "$prefixe/lib/irvad/$1" ] && [ -x "$prefixe/lib/irvad/$1" ] || echec "lib/irvad/$1 manque"
  [ "$(readlink -f "$prefixe/games/$1")" = "$(readlink -f "$prefixe/lib/irvad/$1")" ] || echec "lien cassé"
}
[ "$programme" = 1 ] && lien irvad
if [ "$cli" = 1 ]; then
  lien irvad-cli
  # Started through the link from elsewhere, it finds the word list beside its real self.
  if [ -f "$prefixe/lib/irvad/L23456789" ]; then
    reponse=$(cd / && "$prefixe/games/irvad-cli" mot MAISON) || echec "irvad-cli ne trouve pas sa liste de mots"
    [ "$reponse" = "MAISON : oui" ] || echec "irvad-cli répond : $reponse"
  fi
fi
desktop-file-validate "$prefixe/share/applications/irvad.desktop" || echec "entrée de bureau installée"
update-mime-database "$prefixe/share/mime" || echec "update-mime-database"
grep -q '^[0-9]*:application/x-irvad:\*\.ivd' "$prefixe/share/mime/globs2" || echec "*.ivd absent de globs2"
echo "arbre installé conforme"
