#include "Duel.h"

#include <cstdio>

#include "Jeu.h"
#include "Script.h"

namespace irvad {
namespace {

// Rounds after which a game is stopped, as for `jouer`: once tokens move to and
// fro for ever, each gaining more value from its words than its path costs,
// no player passes again. Such a game counts with the scores it stopped on.
constexpr uint32_t toursMax = 1000;

struct Options {
  long long parties = 400;
  uint32_t graine = 1;
  int32_t taille = 9;
  bool deplacements = true;
};

bool lire(const std::vector<std::string>& args, Options& o) {
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (i + 1 >= args.size()) return false;
    const std::string& nom = args[i];
    const std::string& v = args[++i];
    const auto e = entier(v);
    if (nom == "--parties") {
      if (!e || *e < 1 || *e > 1'000'000) return false;
      o.parties = *e;
    } else if (nom == "--graine") {
      if (!e || *e < 0 || *e > 0xFFFFFFFFLL) return false;
      o.graine = static_cast<uint32_t>(*e);
    } else if (nom == "--taille") {
      if (!e || *e < 5 || *e > 9) return false;
      o.taille = static_cast<int32_t>(*e);
    } else if (nom == "--deplacements") {
      const auto b = ouiNon(v);
      if (!b) return false;
      o.deplacements = *b;
    } else {
      return false;
    }
  }
  return true;
}

}  // namespace

int duel(const Dico& dico, const std::vector<std::string>& args, std::ostream& sortie) {
  Options o;
  if (!lire(args, o)) return 2;
  EcranNul ecran;
  Jeu jeu(ecran);
  jeu.dico = dico;
  jeu.horloge = [] { return int64_t{0}; };
  long long gagnees = 0;
  for (long long k = 0; k < o.parties; ++k) {
    const uint32_t graine = o.graine + static_cast<uint32_t>(k);
    const uint32_t expert = k % 2 == 0 ? 0 : 1;
    Tablee t{2, {}};
    for (uint32_t i = 0; i < 2; ++i)
      t.sieges.push_back({i == expert ? "Expert" : "Standard", true, o.deplacements, o.taille,
                          i == expert ? Niveau::Expert : Niveau::Standard});
    jeu.graine(graine);
    jeu.nouvellePartie(t);
    bool arretee = false;
    while (jeu.position().enCours) {
      if (jeu.position().tour >= toursMax) {
        arretee = true;
        break;
      }
      jeu.tourAutomate();
    }
    const int32_t a = jeu.position().joueurs[expert].score, b = jeu.position().joueurs[1 - expert].score;
    const bool gagnee = a > b;
    gagnees += gagnee;
    sortie << "partie " << k + 1 << " graine " << graine << " : expert (joueur " << expert + 1 << ") " << a
           << ", standard " << b << (gagnee ? " : gagnée" : a == b ? " : nulle" : " : perdue")
           << (arretee ? " (arrêtée au tour 1000)" : "") << '\n';
    sortie.flush();
  }
  char taux[32];
  std::snprintf(taux, sizeof taux, "%.1f", 100.0 * static_cast<double>(gagnees) / static_cast<double>(o.parties));
  sortie << "expert: " << gagnees << '/' << o.parties << " gagnées (" << taux << " %)\n";
  return 0;
}

}  // namespace irvad
