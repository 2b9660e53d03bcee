#!/bin/sh
# Builds the Debian package irvad_VERSION_amd64.deb in the source folder:
# a build of its own in build-deb/ (no tests, no benchmarks, the compiler
# and linker flags of Debian's dpkg-buildflags with every hardening option),
# then CPack's DEB generator (cmake/Paquet.cmake), then lintian on the
# result. Exits non-zero when the build fails or lintian reports an error;
# lintian's warnings are printed and let through.
#
# Install it with: sudo apt-get install ./irvad_VERSION_amd64.deb
set -eu
cd "$(dirname "$0")/.."
sh scripts/paquets.sh
construction=build-deb

eval "$(DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --export=sh)"
# Build type None: only these flags, as Debian builds its packages. They are
# given at every configure (the environment counts only at the first one),
# the preprocessor's (fortified functions) with the compiler's.
cmake -S . -B "$construction" -DCMAKE_BUILD_TYPE=None -DIRVAD_TESTS=OFF -DIRVAD_BENCH=OFF \
      -DCMAKE_INSTALL_PREFIX=/usr -DCMAKE_CXX_FLAGS="$CPPFLAGS $CXXFLAGS" -DCMAKE_EXE_LINKER_FLAGS="$LDFLAGS"
cmake --build "$construction" -j"$(nproc)"
rm -f "$construction"/irvad_*.deb
(cd "$construction" && cpack -G DEB)
paquet=$(ls "$construction"/irvad_*.deb)
cp "$paquet" .
paquet=$(basename "$paquet")
echo "Paquet : $paquet"
dpkg-deb --field "$paquet"

# lintian: errors fail the script (its exit status), warnings are shown.
lintian --info --display-info --tag-display-limit 0 "$paquet"
