// The computer player's speed, with the word list L23456789 read from the
// program's folder:
// - graphe: building the graph of the words that the fast search reads (done
//   once per list loaded), its size and memory;
// - simple/..., rapide/...: one complete search on each saved position of the
//   corpus, with the longest word 5 and 9, with and without moves, by the plain
//   search and by the fast one; then for each setting the total time of both
//   over the corpus and how many times faster the fast one is;
// - tours/...: every turn of 20 seeded games of two computer players, for each
//   of these settings, played by the whole computer turn (search, draw,
//   harvest, real play) with the fast search and with the plain one, from the
//   same position; each turn keeps its best time over five passes. Then, per
//   setting, the median and worst turn of each, the worst ratio on one turn,
//   and the worst game with the graph's best build added to the fast side.
// The tables give processor time (the thread's own), which other work on a
// shared machine does not inflate as it does the elapsed time; the benchmark's
// own lines give both.
//   bench_recherche [--benchmark_filter=...] [--benchmark_min_time=...] [--benchmark_repetitions=...]
#include <benchmark/benchmark.h>
#include <time.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
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

// The processor time of this thread, in seconds.
double processeur() {
  timespec t{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

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

// Also keeps the best single build, as the turns below keep their best time.
double meilleureConstruction = 0;

void graphe(benchmark::State& etat) {
  std::size_t octets = 0, noeuds = 0, aretes = 0;
  for (auto _ : etat) {
    const double debut = processeur();
    GrapheMots g(jeu->dico);
    const double s = processeur() - debut;
    if (meilleureConstruction == 0 || s < meilleureConstruction) meilleureConstruction = s;
    octets = g.octets();
    noeuds = g.nombreNoeuds();
    aretes = g.nombreAretes();
    benchmark::DoNotOptimize(octets);
  }
  etat.counters["noeuds"] = static_cast<double>(noeuds);
  etat.counters["aretes"] = static_cast<double>(aretes);
  etat.counters["Ko"] = static_cast<double>(octets) / 1024.0;
}

// ---------------------------------------------------------------- whole turns

// One computer turn of a seeded game: the game saved just before it.
struct Tour {
  int partie;
  std::string position;  // the saved game's bytes
  double rapide = 1e9, simple = 1e9;  // best time, seconds
};

const std::string fichierTour = (std::filesystem::temp_directory_path() / "bench_recherche_tour.ivd").string();

std::string lire(const std::string& chemin) {
  std::ifstream f(chemin, std::ios::binary);
  return {std::istreambuf_iterator<char>(f), {}};
}

bool reprendre(const Tour& t) {
  std::ofstream(fichierTour, std::ios::binary | std::ios::trunc) << t.position;
  return jeu->chargerPartie(fichierTour);
}

// Plays 20 seeded games of two computer players with setting r and keeps each
// turn from round 1 on (round 0 puts a drawn letter: no search).
std::vector<Tour> partiesJouees(const Reglage& r) {
  std::vector<Tour> tours;
  for (int partie = 1; partie <= 20; ++partie) {
    jeu->horloge = [] { return int64_t{0}; };
    jeu->graine(static_cast<uint32_t>(partie));
    Tablee t{2, {}};
    for (uint32_t i = 0; i < nbJoueursMax; ++i)
      t.sieges.push_back({"Auto" + std::to_string(i + 1), true, r.deplacements, r.taille});
    jeu->nouvellePartie(t);
    // Tokens may move to and fro for ever once the stocks are empty: 400 turns at most.
    for (int n = 0; jeu->position().enCours && n < 400; ++n) {
      if (jeu->position().tour >= 1 && jeu->enregistrerPartie(fichierTour)) tours.push_back({partie, lire(fichierTour)});
      jeu->tourAutomate();
    }
  }
  return tours;
}

std::map<Reglage, std::vector<Tour>> toursJoues;

// One computer turn from the saved position, timed alone; the game it leaves.
double jouerTour(const Tour& t, bool rapide, std::string* apres) {
  if (!reprendre(t)) return -1;
  jeu->graine(12345);
  jeu->automateRapide = rapide;
  const double debut = processeur();
  jeu->tourAutomate();
  const double s = processeur() - debut;
  if (apres && jeu->enregistrerPartie(fichierTour)) *apres = lire(fichierTour);
  return s;
}

// Each pass plays every turn with both searches, one after the other; the
// first pass checks that both turns leave the same game.
void tours(benchmark::State& etat, Reglage r) {
  std::vector<Tour>& liste = toursJoues[r];
  if (liste.empty()) liste = partiesJouees(r);
  bool premier = true;
  for (auto _ : etat) {
    double total = 0;
    for (Tour& t : liste) {
      std::string apresRapide, apresSimple;
      const double a = jouerTour(t, true, premier ? &apresRapide : nullptr);
      const double b = jouerTour(t, false, premier ? &apresSimple : nullptr);
      if (a < 0 || b < 0 || apresRapide != apresSimple) {
        etat.SkipWithError(a < 0 || b < 0 ? "position illisible" : "les deux tours different");
        jeu->automateRapide = true;
        return;
      }
      t.rapide = std::min(t.rapide, a);
      t.simple = std::min(t.simple, b);
      total += a + b;
    }
    premier = false;
    etat.SetIterationTime(total);
  }
  jeu->automateRapide = true;
  etat.counters["tours"] = static_cast<double>(liste.size());
}

double mediane(std::vector<double> v) {
  if (v.empty()) return 0;
  std::sort(v.begin(), v.end());
  const std::size_t m = v.size() / 2;
  return v.size() % 2 ? v[m] : (v[m - 1] + v[m]) / 2;
}

// Keeps the time of each run besides printing it: with repetitions
// (--benchmark_repetitions), the best one, the least disturbed by other work.
class Rapporteur : public benchmark::ConsoleReporter {
 public:
  std::map<std::string, double> secondes, cpu;  // per run name, one iteration
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& r : runs)
      if (r.run_type == Run::RT_Iteration && !r.error_occurred && r.iterations > 0) {
        const std::string nom = r.run_name.str();
        const double s = r.real_accumulated_time / static_cast<double>(r.iterations);
        const double c = r.cpu_accumulated_time / static_cast<double>(r.iterations);
        if (!secondes.count(nom) || s < secondes[nom]) secondes[nom] = s;
        if (!cpu.count(nom) || c < cpu[nom]) cpu[nom] = c;
      }
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

  const std::vector<Reglage> reglages = {{5, false}, {5, true}, {9, false}, {9, true}};
  for (const auto& f : fichiers)
    for (const Reglage& r : reglages) {
      const std::string position = f.stem().string();
      for (const bool rapide : {false, true})
        benchmark::RegisterBenchmark(nom(rapide ? "rapide" : "simple", position, r).c_str(), chercher, f.string(),
                                     r, rapide)
            ->Unit(benchmark::kMicrosecond);
    }

  benchmark::RegisterBenchmark("graphe", graphe)->Unit(benchmark::kMillisecond);
  for (const Reglage& r : reglages)
    benchmark::RegisterBenchmark(("tours/taille:" + std::to_string(r.taille) + "/deplacements:" +
                                  (r.deplacements ? "1" : "0"))
                                     .c_str(),
                                 tours, r)
        ->UseManualTime()
        ->Iterations(5)
        ->Unit(benchmark::kMillisecond);

  Rapporteur rapporteur;
  benchmark::RunSpecifiedBenchmarks(&rapporteur);
  benchmark::Shutdown();
  std::filesystem::remove(fichierTour);

  const double construction = meilleureConstruction;
  if (construction > 0) {
    const GrapheMots& g = jeu->dico.graphe();
    std::printf("\nGraphe des mots, fait au chargement de la liste : processeur %.1f ms en moyenne, %.1f ms au "
                "mieux (ecoule %.1f ms en moyenne) ; %zu noeuds, %zu aretes, %.0f Ko\n",
                rapporteur.cpu["graphe"] * 1e3, construction * 1e3, rapporteur.secondes["graphe"] * 1e3,
                g.nombreNoeuds(), g.nombreAretes(), static_cast<double>(g.octets()) / 1024.0);
  }
  if (!toursJoues.empty()) {
    std::printf("\nTours de l'automate, 20 parties de 2 joueurs (graines 1 a 20), processeur, meilleur de 5 passages (ms)\n");
    std::printf("%-7s %-12s %6s %12s %12s %12s %12s %13s %9s %14s\n", "taille", "deplacements", "tours",
                "rapide med", "rapide pire", "simple med", "simple pire", "pire rapport", "plus lent",
                "partie+graphe");
  }
  for (const auto& [r, liste] : toursJoues) {
    if (liste.empty() || liste.front().rapide >= 1e9) continue;
    std::vector<double> rapide, simple;
    std::map<int, std::pair<double, double>> parties;  // fast, plain totals
    double pireRapport = 0;
    int plusLent = 0;
    for (const Tour& t : liste) {
      rapide.push_back(t.rapide);
      simple.push_back(t.simple);
      pireRapport = std::max(pireRapport, t.rapide / t.simple);
      plusLent += t.rapide > t.simple;
      parties[t.partie].first += t.rapide;
      parties[t.partie].second += t.simple;
    }
    // A whole game with the fast search, the graph's build counted in.
    double pirePartie = 0;
    for (const auto& [p, totaux] : parties)
      pirePartie = std::max(pirePartie, (totaux.first + construction) / totaux.second);
    std::printf("%-7d %-12s %6zu %12.3f %12.3f %12.3f %12.3f %12.2fx %9d %13.2fx\n", r.taille,
                r.deplacements ? "oui" : "non", liste.size(), mediane(rapide) * 1e3,
                *std::max_element(rapide.begin(), rapide.end()) * 1e3, mediane(simple) * 1e3,
                *std::max_element(simple.begin(), simple.end()) * 1e3, pireRapport, plusLent, pirePartie);
  }

  std::printf("\nRecherche seule sur les positions du corpus, processeur\n");
  std::printf("%-8s %-12s %10s %16s %16s %10s %12s\n", "taille", "deplacements", "positions", "simple (ms)",
              "rapide (ms)", "rapport", "pire rapport");
  for (const Reglage& r : reglages) {
    double simple = 0, rapide = 0, pire = 0;
    int n = 0;
    for (const auto& f : fichiers) {
      const auto a = rapporteur.cpu.find(nom("simple", f.stem().string(), r));
      const auto b = rapporteur.cpu.find(nom("rapide", f.stem().string(), r));
      if (a == rapporteur.cpu.end() || b == rapporteur.cpu.end() || b->second <= 0) continue;
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
