#include "Mesure.h"

#include <algorithm>
#include <map>

#include "Jeu.h"

namespace irvad::dico {
namespace {

// A screen that counts the words of each real play (the log lines
// "MOT      P+ P- L-") and lets the next turn start.
class EcranCompteur : public EcranNul {
 public:
  struct Compte {
    std::size_t fois = 0, parties = 0, partie = 0;
  };
  std::map<std::string, Compte> comptes;
  std::size_t total = 0;
  std::size_t partie = 0;  // the game being played, from 1
  bool tourDemande = false;

  void ajouterMessageEtAttendre(const std::string& texte, bool) override {
    // "%-9s%2.2d %2.2d %2.2d": a word, then three numbers
    const std::string mot = texte.substr(0, texte.find(' '));
    if (texte.size() != 17 || mot.size() < 2 || mot.size() > 9) return;
    if (!std::all_of(mot.begin(), mot.end(), [](char c) { return c >= 'A' && c <= 'Z'; })) return;
    Compte& c = comptes[mot];
    ++c.fois;
    if (c.partie != partie) {
      c.partie = partie;
      ++c.parties;
    }
    ++total;
  }
  void demarrerTour() override { tourDemande = true; }
};

}  // namespace

bool mesurer(const std::string& liste, const Decisions& decisions, std::uint32_t premiereGraine,
             std::uint32_t graines, Mesure& mesure, std::string& erreur) {
  EcranCompteur ecran;
  Jeu jeu(ecran);
  if (jeu.chargerDico(liste) != Dico::Resultat::Ok) {
    erreur = "liste illisible : " + liste;
    return false;
  }
  // A game stands still in time, so that it depends on its seed only.
  jeu.horloge = [] { return int64_t{0}; };
  mesure = {};
  for (const std::uint32_t n : {2u, 3u, 6u})
    for (std::uint32_t g = premiereGraine; g < premiereGraine + graines; ++g) {
      jeu.graine(g);
      Tablee t = jeu.tablee();
      t.nombre = n;
      for (Siege& s : t.sieges) {
        s.automate = true;
        s.deplacements = true;
        s.tailleMax = 5;
      }
      jeu.nouvellePartie(t);
      ++ecran.partie;
      // tokens may move back and forth for ever: a game ends after 1000 rounds
      while (ecran.tourDemande && jeu.position().tour < 1000) {
        ecran.tourDemande = false;
        jeu.tourAutomate();
      }
    }
  mesure.parties = ecran.partie;
  mesure.mots = ecran.total;
  for (const auto& [mot, c] : ecran.comptes) {
    if (!decisions.refuse(mot)) continue;
    mesure.rebut += c.fois;
    mesure.rebutParMot.push_back({mot, c.fois, c.parties});
  }
  std::stable_sort(mesure.rebutParMot.begin(), mesure.rebutParMot.end(),
                   [](const Rebut& a, const Rebut& b) { return a.fois > b.fois; });
  return true;
}

}  // namespace irvad::dico
