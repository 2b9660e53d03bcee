// Times the Expert computer player's turns: 20 seeded two-player games of the
// Expert against the Standard computer are played as `irvad-cli duel` plays
// them (seeds 1 to 20, the Expert in seat 1 in every other game, longest word
// 9, moves on), the position before each of the Expert's turns is kept, and
// each turn is then timed again from its position, with the Standard's turn
// on the same positions beside it. Prints the median, the 90th percentile and
// the worst turn of each, over every turn and over the turns of the games that
// ended before the stop after 1000 rounds.
//   bench_expert [--benchmark_filter=...]
// The word list L23456789 is read from the program's folder.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "Jeu.h"

namespace {

using namespace irvad;

constexpr uint32_t nbParties = 20;
// Rounds after which a game is stopped, as irvad-cli stops them.
constexpr uint32_t toursMax = 1000;

EcranNul ecran;
std::unique_ptr<Jeu> jeu;
std::vector<Position> tours;  // before each of the Expert's turns, round 1 on
std::vector<bool> finie;      // whether the turn's game ended before the stop

void jouerLesParties() {
  for (uint32_t k = 0; k < nbParties; ++k) {
    const uint32_t expert = k % 2;
    Tablee t{2, {}};
    for (uint32_t i = 0; i < 2; ++i)
      t.sieges.push_back({i == expert ? "Expert" : "Standard", true, true, 9,
                          i == expert ? Niveau::Expert : Niveau::Standard});
    jeu->graine(1 + k);
    jeu->nouvellePartie(t);
    while (jeu->position().enCours && jeu->position().tour < toursMax) {
      if (jeu->position().joueurCourant == expert && jeu->position().tour >= 1) tours.push_back(jeu->position());
      jeu->tourAutomate();
    }
    finie.resize(tours.size(), !jeu->position().enCours);

  }
}

// The time of each turn, in seconds, by level.
std::map<std::string, std::vector<double>> durees;

void tour(benchmark::State& etat, Niveau niveau, const std::string& nom) {
  std::vector<double>& d = durees[nom];
  d.clear();
  std::size_t i = 0;
  for (auto _ : etat) {
    Position p = tours[i % tours.size()];
    p.joueurs[p.joueurCourant].niveau = niveau;
    jeu->installer(p);
    jeu->graine(static_cast<uint32_t>(i));
    const auto debut = std::chrono::steady_clock::now();
    jeu->tourAutomate();
    const double s = std::chrono::duration<double>(std::chrono::steady_clock::now() - debut).count();
    etat.SetIterationTime(s);
    d.push_back(s);
    ++i;
  }
}

double rang(std::vector<double> v, double q) {
  if (v.empty()) return 0;
  std::sort(v.begin(), v.end());
  return v[std::min(v.size() - 1, static_cast<std::size_t>(q * static_cast<double>(v.size() - 1) + 0.5))];
}

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;

  jeu = std::make_unique<Jeu>(ecran);
  if (jeu->chargerDico() != Dico::Resultat::Ok) {
    std::fprintf(stderr, "bench_expert: liste de mots introuvable : %s%s\n", repertoireProgramme().c_str(),
                 Dico::nomFichier);
    return 2;
  }
  jeu->horloge = [] { return int64_t{0}; };
  jouerLesParties();
  const auto iterations = static_cast<benchmark::IterationCount>(tours.size());
  benchmark::RegisterBenchmark("tour/expert", tour, Niveau::Expert, "expert")
      ->Iterations(iterations)
      ->UseManualTime()
      ->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("tour/standard", tour, Niveau::Standard, "standard")
      ->Iterations(iterations)
      ->UseManualTime()
      ->Unit(benchmark::kMillisecond);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();

  // Every turn, then those of the games that ended before the stop (a game
  // where tokens move to and fro for ever gives a thousand turns alike).
  const auto n = static_cast<std::size_t>(std::count(finie.begin(), finie.end(), true));
  std::printf("\n%u parties, %zu tours de l'Expert, %zu dans les parties finies\n", nbParties, tours.size(), n);
  std::printf("%-10s %-8s %14s %14s %14s\n", "niveau", "tours", "mediane (ms)", "90 % (ms)", "pire (ms)");
  for (const auto& [nom, d] : durees) {
    std::vector<double> fin;
    for (std::size_t i = 0; i < d.size() && i < finie.size(); ++i)
      if (finie[i]) fin.push_back(d[i]);
    using Serie = std::pair<const char*, const std::vector<double>*>;
    for (const auto& [quels, v] : {Serie{"tous", &d}, Serie{"finies", &fin}})
      std::printf("%-10s %-8s %14.2f %14.2f %14.2f\n", nom.c_str(), quels, rang(*v, 0.5) * 1e3, rang(*v, 0.9) * 1e3,
                  rang(*v, 1.0) * 1e3);
  }
  return 0;
}
