#!/bin/sh
# Builds Irvad with AddressSanitizer and UndefinedBehaviorSanitizer in
# build-asan/ and runs the test suite on it. Any memory error or undefined
# behaviour stops the test that met it, which then fails.
# With the argument "moteur" only the engine, the command line and their
# tests are built (no windows): what continuous integration runs.
set -eu
cd "$(dirname "$0")/.."
sh scripts/paquets.sh
fenetres=ON
[ "${1:-}" = moteur ] && fenetres=OFF
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DIRVAD_SANITIZE=ON -DIRVAD_BENCH=OFF -DIRVAD_GUI=$fenetres
cmake --build build-asan -j"$(nproc)"
# Qt and fontconfig keep caches alive until exit: leaks are not looked for.
ASAN_OPTIONS=detect_leaks=0:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir build-asan --output-on-failure --no-tests=error -j"$(nproc)"
