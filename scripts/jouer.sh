#!/bin/sh
# Installs what is needed, builds Irvad in build/ and starts the game.
# Arguments are passed to the game (a saved game to open, for instance).
set -eu
cd "$(dirname "$0")/.."
sh scripts/paquets.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$(nproc)"
exec build/bin/irvad "$@"
