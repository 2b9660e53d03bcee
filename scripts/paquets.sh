#!/bin/sh
# Installs the Debian 12 packages that building, playing and testing Irvad
# need: compilers and test libraries, Qt 6 Widgets and its French texts, the
# fonts, the French word lists the word list is built from, and the tools the
# tests use (a virtual screen, image tools, desktop-file, AppStream and
# Debian package checks).
# Runs apt-get as root, or through sudo otherwise; does nothing when every
# package is already there.
set -eu
paquets="build-essential cmake clang libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev qt6-base-dev-tools qt6-translations-l10n libgl-dev
  fonts-comic-neue fonts-liberation2 fontconfig
  wfrench aspell aspell-fr
  xvfb xauth imagemagick desktop-file-utils appstream shared-mime-info lintian"
manquants=""
for p in $paquets; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed"; then
    manquants="$manquants $p"
  fi
done
[ -z "$manquants" ] && exit 0
if [ "$(id -u)" -eq 0 ]; then sudo=""; else sudo="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -q
# shellcheck disable=SC2086
$sudo apt-get install -y -q --no-install-recommends $manquants
