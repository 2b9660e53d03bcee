#!/bin/sh
# The install of the Debian package on a clean Debian 12, by hand (it takes
# some minutes and needs root and the network, so the tests do not run it):
#
#   sudo sh scripts/essai-paquet.sh RACINE irvad_VERSION_amd64.deb
#
# makes RACINE a minimal Debian 12 with debootstrap unless it already holds
# one, installs the package there with apt-get, then as an ordinary user
# checks that irvad-cli finds its word list, that the desktop entry is valid
# and in the games, that *.ivd files are of type application/x-irvad and open
# with irvad.desktop, and that xdg-open on a saved game starts the game on
# that game under a virtual screen; ecran.xwd in RACINE/home/joueur is the
# screen then. Exits non-zero at the first check that fails.
set -eu
racine=$1 paquet=$2
echec() { echo "ÉCHEC : $*" >&2; exit 1; }
[ "$(id -u)" -eq 0 ] || echec "il faut être root (chroot)"
[ -f "$paquet" ] || echec "$paquet introuvable"
if [ ! -x "$racine/usr/bin/apt-get" ]; then
  command -v debootstrap >/dev/null || apt-get install -y debootstrap
  debootstrap --variant=minbase bookworm "$racine" http://deb.debian.org/debian
fi
mount -t proc proc "$racine/proc"
trap 'umount "$racine/proc"' EXIT
dans() { chroot "$racine" env DEBIAN_FRONTEND=noninteractive LC_ALL=C.UTF-8 "$@"; }
joueur() { chroot "$racine" su - joueur -c "$1"; }

cp "$paquet" "$racine/tmp/"
dans apt-get update -q
dans apt-get install -y -q "/tmp/$(basename "$paquet")"
# What a desktop brings: the MIME and desktop databases, xdg-utils, an X
# server for the test.
dans apt-get install -y -q --no-install-recommends xdg-utils libfile-mimeinfo-perl desktop-file-utils \
  shared-mime-info xvfb xauth x11-utils x11-apps
dans dpkg-query -W -f='${Status} ${Version}\n' irvad
id joueur >/dev/null 2>&1 || dans useradd -m -s /bin/sh joueur 2>/dev/null || true

reponse=$(joueur 'irvad-cli mot MAISON') || echec "irvad-cli sans sa liste de mots"
[ "$reponse" = "MAISON : oui" ] || echec "irvad-cli répond : $reponse"
dans desktop-file-validate /usr/share/applications/irvad.desktop || echec "entrée de bureau"
grep -q '^Categories=Game;' "$racine/usr/share/applications/irvad.desktop" || echec "pas dans les jeux"
joueur 'irvad-cli jouer --graine 7 --coups 12 --sauver partie.ivd >/dev/null'
type=$(joueur 'xdg-mime query filetype partie.ivd')
[ "$type" = application/x-irvad ] || echec "type de partie.ivd : $type"
ouvreur=$(joueur 'xdg-mime query default application/x-irvad')
[ "$ouvreur" = irvad.desktop ] || echec "ouvreur des .ivd : $ouvreur"

# xdg-open starts the game on the saved game: its scores window shows the
# round of the game, in a title of its own. xdg-open waits for the game,
# which ends with the virtual screen.
joueur 'xvfb-run -a -s "-screen 0 1024x768x24" sh -c "xdg-open partie.ivd & sleep 8; LC_ALL=C.UTF-8 xwininfo -root -tree >fenetres.txt; xwd -root -silent >ecran.xwd"'
grep -q '"Scores - Tour n[^"]*[0-9]"' "$racine/home/joueur/fenetres.txt" || {
  cat "$racine/home/joueur/fenetres.txt"
  echec "la partie ne s'est pas ouverte"
}
echo "paquet installé et vérifié dans $racine"
