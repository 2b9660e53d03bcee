#!/bin/sh
# Makes the Debian package from the build folder with CPack and checks it:
# its control fields and dependencies, every file the game needs once
# installed, the links of /usr/games, the compressed manual pages and
# changelog; then lintian must report no error.
# Arguments: build folder, project version.
set -eu
construction=$1 version=$2
dossier=$(mktemp -d)
trap 'rm -rf "$dossier"' EXIT
echec() { echo "ÉCHEC : $*" >&2; exit 1; }

cpack -G DEB --config "$construction/CPackConfig.cmake" -B "$dossier" >"$dossier/cpack.txt" 2>&1 ||
  { cat "$dossier/cpack.txt"; echec "cpack"; }
paquet="$dossier/irvad_${version}_amd64.deb"
[ -f "$paquet" ] || echec "irvad_${version}_amd64.deb absent : $(ls "$dossier")"

champ() { dpkg-deb --field "$paquet" "$1"; }
[ "$(champ Package)" = irvad ] || echec "Package: $(champ Package)"
[ "$(champ Version)" = "$version" ] || echec "Version: $(champ Version)"
[ "$(champ Section)" = games ] || echec "Section: $(champ Section)"
for bibliotheque in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6; do
  champ Depends | grep -q "$bibliotheque" || echec "Depends sans $bibliotheque : $(champ Depends)"
done

dpkg-deb --contents "$paquet" >"$dossier/contenu.txt"
# Paths as listed, without the leading "." and, for links, their target.
contenu() { awk '{ sub(/^\./, "", $6); print $6 ($7 == "->" ? " -> " $8 : "") }' "$dossier/contenu.txt"; }
# The word list when this build makes it.
liste=""
[ -f "$construction/bin/L23456789" ] && liste=/usr/lib/irvad/L23456789
for f in /usr/lib/irvad/irvad /usr/lib/irvad/irvad-cli $liste /usr/lib/irvad/Irvad.html \
         /usr/lib/irvad/Irvad-plateau.svg /usr/share/applications/irvad.desktop /usr/share/mime/packages/irvad.xml \
         /usr/share/icons/hicolor/scalable/apps/irvad.svg /usr/share/icons/hicolor/48x48/apps/irvad.png \
         /usr/share/doc/irvad/copyright /usr/share/doc/irvad/changelog.gz /usr/share/man/man6/irvad.6.gz \
         /usr/share/man/man6/irvad-cli.6.gz "/usr/games/irvad -> ../lib/irvad/irvad" \
         "/usr/games/irvad-cli -> ../lib/irvad/irvad-cli"; do
  contenu | grep -qxF "$f" || echec "$f manque au paquet"
done
contenu | grep -q '^/usr/share/metainfo/.*\.metainfo\.xml$' || echec "metainfo manque au paquet"
# Nothing but the package's own folders, all owned by root.
if contenu | grep -v '^/usr/\(games\|lib/irvad\|share/\(applications\|mime\|icons\|doc/irvad\|man\|metainfo\|lintian\)\)\(/\|$\)' |
  grep -v '^/$\|^/usr/$\|^/usr/lib/$\|^/usr/share/$\|^/usr/share/doc/$'; then
  echec "fichiers hors de place"
fi
awk '$2 != "root/root" { exit 1 }' "$dossier/contenu.txt" || echec "fichiers qui n'appartiennent pas à root"

# The changelog names this version; the programs are stripped.
mkdir "$dossier/arbre"
dpkg-deb --extract "$paquet" "$dossier/arbre"
zcat "$dossier/arbre/usr/share/doc/irvad/changelog.gz" | head -1 | grep -q "^irvad ($version) " ||
  echec "changelog d'une autre version"
for programme in irvad irvad-cli; do
  if readelf -S "$dossier/arbre/usr/lib/irvad/$programme" | grep -q '\.symtab\|\.debug_'; then
    echec "$programme garde ses symboles"
  fi
done

# lintian fails on an error tag, or when it cannot read the package.
statut=0
lintian --tag-display-limit 0 "$paquet" >"$dossier/lintian.txt" 2>&1 || statut=$?
cat "$dossier/lintian.txt"
[ "$statut" -eq 0 ] || echec "lintian (statut $statut)"
echo "paquet conforme"
