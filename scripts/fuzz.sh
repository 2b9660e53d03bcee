#!/bin/sh
# Runs each fuzz target in turn for a while (60 s by default), one at a time;
# with 0 seconds, only replays the seeds and the regression inputs.
#   scripts/fuzz.sh [SECONDS] [TARGET...]     targets: sauvegarde dico parametres journal script records
# Builds build-fuzz with clang first. Each target starts from the seeds of
# tests/fuzz/corpus/NAME and the inputs of tests/fuzz/regressions/NAME and
# tests/fuzz/refus/NAME (inputs it must refuse; the normal tests check that); what it
# learns goes to build-fuzz/corpus/NAME. An input that breaks a rule is written
# to build-fuzz/crash-NAME-*: copy it into tests/fuzz/regressions/NAME/ once
# fixed, so that the normal tests replay it.
set -eu
racine=$(cd "$(dirname "$0")/.." && pwd)
build=$racine/build-fuzz
duree=${1:-60}
[ $# -gt 0 ] && shift
cibles=${*:-"sauvegarde dico parametres journal script records"}

CXX=${CXX:-clang++} cmake -S "$racine" -B "$build" -DIRVAD_GUI=OFF -DIRVAD_DICO=OFF -DIRVAD_BENCH=OFF -DIRVAD_FUZZ=ON >/dev/null

# Longest input of each target: enough for its format, short enough to stay fast.
longueur() {
  case $1 in
    sauvegarde) echo 3400 ;;
    dico) echo 8192 ;;
    parametres) echo 2048 ;;
    journal) echo 4096 ;;
    script) echo 2048 ;;
    records) echo 4096 ;;
  esac
}

echec=0
for nom in $cibles; do
  if [ ! -f "$racine/tests/fuzz/fuzz_$nom.cpp" ]; then
    echo "== $nom : pas de cible"
    continue
  fi
  cmake --build "$build" -j1 --target "fuzz_$nom" >/dev/null
  mkdir -p "$build/corpus/$nom"
  set -- "$build/corpus/$nom" "$racine/tests/fuzz/corpus/$nom"
  [ -d "$racine/tests/fuzz/regressions/$nom" ] && set -- "$@" "$racine/tests/fuzz/regressions/$nom"
  [ -d "$racine/tests/fuzz/refus/$nom" ] && set -- "$@" "$racine/tests/fuzz/refus/$nom"
  echo "== $nom : $duree s"
  if [ "$duree" = 0 ]; then duree_ou_rejeu=-runs=0; else duree_ou_rejeu=-max_total_time=$duree; fi
  if ! nice -n 10 "$build/bin/fuzz_$nom" "$duree_ou_rejeu" -max_len="$(longueur "$nom")" -timeout=20 \
      -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$build/crash-$nom-" "$@"; then
    echo "== $nom : ECHEC, voir $build/crash-$nom-*"
    echec=1
  fi
done
exit $echec
