#!/bin/sh
# Installs what is needed, builds Irvad with its tests in build/ and runs
# every test. Exits non-zero when a test fails.
set -eu
cd "$(dirname "$0")/.."
sh scripts/paquets.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$(nproc)"
ctest --test-dir build --output-on-failure --no-tests=error -j"$(nproc)"
