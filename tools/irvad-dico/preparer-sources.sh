#!/bin/sh
# Gathers the French word lists that irvad-dico builds L23456789 from, into
# one folder:
#   wfrench.txt                 /usr/share/dict/french (package wfrench)
#   aspell-fr.txt               aspell's French list, expanded (packages aspell, aspell-fr)
#   NAME.aff, NAME.dic          the hunspell dictionaries of the packages
#                               hunspell-fr-classical, hunspell-fr-comprehensive,
#                               myspell-fr-gut and myspell-fr
# The hunspell packages conflict with one another, so they are not installed:
# their .deb files are downloaded into FOLDER/deb and unpacked there. The
# system's spelling set-up is never touched. Work already done is kept: delete
# FOLDER to start again.
#
# scripts/paquets.sh runs it at set-up, into .cache/sources-dico: the download
# is the only step of the word list that needs the network, and the build only
# reads the folder.
#
# usage: preparer-sources.sh FOLDER
set -eu

if [ $# -ne 1 ]; then
  echo "usage : $0 DOSSIER" >&2
  exit 2
fi
dossier=$1
mkdir -p "$dossier"
dossier=$(cd "$dossier" && pwd)

echec() {
  echo "preparer-sources : $*" >&2
  exit 1
}

# wfrench
if [ ! -s "$dossier/wfrench.txt" ]; then
  [ -r /usr/share/dict/french ] ||
    echec "/usr/share/dict/french absent : installer le paquet wfrench (apt-get install wfrench)"
  cp /usr/share/dict/french "$dossier/wfrench.txt.tmp"
  mv "$dossier/wfrench.txt.tmp" "$dossier/wfrench.txt"
  echo "preparer-sources : wfrench.txt copié"
fi

# aspell-fr, every word of its master list with its affixes expanded
if [ ! -s "$dossier/aspell-fr.txt" ]; then
  command -v aspell >/dev/null 2>&1 || echec "aspell absent : installer les paquets aspell et aspell-fr"
  aspell -l fr dump master >"$dossier/aspell-fr.racines.tmp" 2>"$dossier/aspell-fr.erreurs" ||
    echec "aspell ne trouve pas le dictionnaire français : installer le paquet aspell-fr ($(cat "$dossier/aspell-fr.erreurs"))"
  [ -s "$dossier/aspell-fr.racines.tmp" ] || echec "le dictionnaire français d'aspell est vide"
  aspell -l fr expand <"$dossier/aspell-fr.racines.tmp" >"$dossier/aspell-fr.txt.tmp" ||
    echec "aspell -l fr expand a échoué"
  rm -f "$dossier/aspell-fr.racines.tmp" "$dossier/aspell-fr.erreurs"
  mv "$dossier/aspell-fr.txt.tmp" "$dossier/aspell-fr.txt"
  echo "preparer-sources : aspell-fr.txt développé"
fi

# the hunspell dictionaries, from their packages' files
mkdir -p "$dossier/deb"
for paquet in hunspell-fr-classical hunspell-fr-comprehensive myspell-fr-gut myspell-fr; do
  if [ -s "$dossier/$paquet.aff" ] && [ -s "$dossier/$paquet.dic" ]; then
    continue
  fi
  deb=$(ls "$dossier/deb/${paquet}"_*.deb 2>/dev/null | head -n 1 || true)
  if [ -z "$deb" ]; then
    # apt-get download works in the current folder; as root it warns that
    # the download is not sandboxed, which does no harm here
    if ! (cd "$dossier/deb" && apt-get download "$paquet"); then
      # a fresh machine may not have the package lists yet
      if [ "$(id -u)" -eq 0 ]; then sudo=""; else sudo="sudo"; fi
      $sudo apt-get update -q || true
      (cd "$dossier/deb" && apt-get download "$paquet") ||
        echec "impossible de télécharger le paquet $paquet"
    fi
    deb=$(ls "$dossier/deb/${paquet}"_*.deb 2>/dev/null | head -n 1 || true)
    [ -n "$deb" ] || echec "le paquet $paquet n'a pas été téléchargé"
  fi
  rm -rf "$dossier/deb/$paquet"
  dpkg-deb -x "$deb" "$dossier/deb/$paquet" || echec "impossible de déballer $deb"
  trouve=
  for base in usr/share/hunspell/fr usr/share/hunspell/fr_FR usr/share/myspell/dicts/fr_FR; do
    if [ -e "$dossier/deb/$paquet/$base.aff" ] && [ -e "$dossier/deb/$paquet/$base.dic" ]; then
      trouve=$base
      break
    fi
  done
  [ -n "$trouve" ] || echec "le paquet $paquet ne contient pas de dictionnaire fr.aff/fr.dic"
  # the links of the package point inside its own tree: follow them from there
  (cd "$dossier/deb/$paquet/$(dirname "$trouve")" &&
    cp -L "$(basename "$trouve").aff" "$dossier/$paquet.aff.tmp" &&
    cp -L "$(basename "$trouve").dic" "$dossier/$paquet.dic.tmp") ||
    echec "impossible de copier le dictionnaire de $paquet"
  mv "$dossier/$paquet.aff.tmp" "$dossier/$paquet.aff"
  mv "$dossier/$paquet.dic.tmp" "$dossier/$paquet.dic"
  rm -rf "$dossier/deb/$paquet"
  echo "preparer-sources : $paquet.aff et $paquet.dic extraits de $(basename "$deb")"
done
