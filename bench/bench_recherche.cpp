// Times one complete search of the computer player on each saved position of
// the corpus, with the longest word 5 and 9, with and without moves, by the
// plain search and by the fast one, then prints for each setting the total
// time of both over the corpus and how many times faster the fast one is.
//   bench_recherche [--benchmark_filter=...] [--benchmark_min_time=...]
// The word list L23456789 is read from the program's folder.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "Jeu.h"

namespace {

using namespace irvad;

EcranNul ecran;
std::unique_ptr<Jeu> jeu;

struct Reglage {
  int32_t taille;
  bool deplacements;
  bool operator<(const Reglage& o) const { return std::tie(taille, deplacements) < std::tie(o.taille, o.deplacements); }
};

// A position loaded with the current player's setting changed.
bool charger(const std::string& fichier, const Reglage& r) {
  if (!jeu->chargerPartie(fichier)) return false;
  Tablee t = jeu->tablee();
  t.sieges[jeu->position().joueurCourant].tailleMax = r.taille;
  t.sieges[jeu->position().joueurCourant].deplacements = r.deplacements;
  return static_cast<bool>(jeu->reglerJoueurs(t));
}

void chercher(benchmark::State& etat, const std::string& fichier, Reglage r, bool rapide) {
  if (!charger(fichier, r)) {
    etat.SkipWithError("position illisible");
    return;
  }
  // The list of plays must be the same before any time counts.
  const Recherche simple = jeu->rechercher(false);
  const Recherche vite = jeu->rechercher(true);
  if (simple.candidats != vite.candidats || simple.dernierPlacement != vite.dernierPlacement ||
      simple.meilleure != vite.meilleure) {
    etat.SkipWithError("les deux recherches different");
    return;
  }
  for (auto _ : etat) {
    Recherche res = jeu->rechercher(rapide);
    benchmark::DoNotOptimize(res.candidats.data());
  }
  etat.counters["candidats"] = static_cast<double>(vite.candidats.size());
}

// Keeps the time of each run besides printing it.
class Rapporteur : public benchmark::ConsoleReporter {
 public:
  std::map<std::string, double> secondes;  // per run name, one search
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& r : runs)
      if (r.run_type == Run::RT_Iteration && !r.error_occurred && r.iterations > 0)
        secondes[r.benchmark_name()] = r.real_accumulated_time / static_cast<double>(r.iterations);
    ConsoleReporter::ReportRuns(runs);
  }
};

std::string nom(const char* recherche, const std::string& position, const Reglage& r) {
  return std::string(recherche) + "/" + position + "/taille:" + std::to_string(r.taille) +
         "/deplacements:" + (r.deplacements ? "1" : "0");
}

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;

  jeu = std::make_unique<Jeu>(ecran);
  if (jeu->chargerDico() != Dico::Resultat::Ok) {
    std::fprintf(stderr, "bench_recherche: liste de mots introuvable : %s%s\n", repertoireProgramme().c_str(),
                 Dico::nomFichier);
    return 2;
  }
  std::vector<std::filesystem::path> fichiers;
  for (const auto& e : std::filesystem::directory_iterator(IRVAD_CORPUS))
    if (e.path().extension() == ".ivd") fichiers.push_back(e.path());
  std::sort(fichiers.begin(), fichiers.end());
  if (fichiers.empty()) {
    std::fprintf(stderr, "bench_recherche: aucune position dans %s\n", IRVAD_CORPUS);
    return 2;
  }

  // The first fast search builds the index of the list: a cost paid once per list.
  double secondesIndex = 0;
  if (charger(fichiers.front().string(), {9, true})) {
    const auto debut = std::chrono::steady_clock::now();
    jeu->rechercher(true);
    secondesIndex = std::chrono::duration<double>(std::chrono::steady_clock::now() - debut).count();
  }

  const std::vector<Reglage> reglages = {{5, false}, {5, true}, {9, false}, {9, true}};
  for (const auto& f : fichiers)
    for (const Reglage& r : reglages) {
      const std::string position = f.stem().string();
      for (const bool rapide : {false, true})
        benchmark::RegisterBenchmark(nom(rapide ? "rapide" : "simple", position, r).c_str(), chercher, f.string(),
                                     r, rapide)
            ->Unit(benchmark::kMicrosecond);
    }

  Rapporteur rapporteur;
  benchmark::RunSpecifiedBenchmarks(&rapporteur);
  benchmark::Shutdown();

  std::printf("\nPremi\xC3\xA8re recherche rapide, index de la liste compris (une fois par liste) : %.1f ms\n",
              secondesIndex * 1e3);
  std::printf("%-8s %-12s %10s %16s %16s %10s %12s\n", "taille", "deplacements", "positions", "simple (ms)",
              "rapide (ms)", "rapport", "pire rapport");
  for (const Reglage& r : reglages) {
    double simple = 0, rapide = 0, pire = 0;
    int n = 0;
    for (const auto& f : fichiers) {
      const auto a = rapporteur.secondes.find(nom("simple", f.stem().string(), r));
      const auto b = rapporteur.secondes.find(nom("rapide", f.stem().string(), r));
      if (a == rapporteur.secondes.end() || b == rapporteur.secondes.end() || b->second <= 0) continue;
      simple += a->second;
      rapide += b->second;
      const double rapport = a->second / b->second;
      pire = n == 0 ? rapport : std::min(pire, rapport);
      ++n;
    }
    if (n == 0) continue;
    std::printf("%-8d %-12s %10d %16.3f %16.3f %9.1fx %11.1fx\n", r.taille, r.deplacements ? "oui" : "non", n,
                simple * 1e3, rapide * 1e3, simple / rapide, pire);
  }
  return 0;
}
