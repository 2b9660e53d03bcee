#include "Jeu.h"

#include <algorithm>
#include <cstdio>
#include <ctime>

namespace irvad {

const std::array<std::pair<int32_t, int32_t>, 6> Jeu::sommets = {
    {{0, 0}, {5, 0}, {10, 5}, {10, 10}, {5, 10}, {0, 5}}};

Jeu::Jeu(Ecran& e)
    : ecran(e),
      horloge([] { return static_cast<int64_t>(std::time(nullptr)); }),
      alea_(static_cast<uint32_t>(std::time(nullptr))) {}

Dico::Resultat Jeu::chargerDico(const std::string& chemin) {
  return dico.charger(chemin.empty() ? repertoireProgramme() + Dico::nomFichier : chemin, &ecran);
}

std::pair<int32_t, int32_t> Jeu::sommetDe(uint32_t i, uint32_t n) {
  if (n == 0 || i >= n) return sommets[0];
  return sommets[(6 * i) / n];
}

void Jeu::demarrerChrono() {
  plateau.chronoDebut = horloge();
  plateau.chronoActif = true;
}

void Jeu::arreterChrono() {
  // A stop without a start would add the whole age of the clock to the player.
  if (plateau.chronoDebut != 0) {
    const double ecoule = static_cast<double>(horloge() - plateau.chronoDebut);
    joueurs[joueurCourant % nbJoueursMax].temps += ecoule;
  }
  plateau.chronoDebut = 0;
  plateau.chronoActif = false;
}

void Jeu::graine(uint32_t valeur) { alea_.seed(valeur); }

uint32_t Jeu::tirer() { return static_cast<uint32_t>(alea_() >> 1); }

void Jeu::brasser() {
  while (tirer() % 100 >= 50) tirer();
}

uint32_t Jeu::qualifies() const {
  return (nbJoueurs >= 2) + (nbJoueurs >= 3) + (nbJoueurs >= 6);
}

void Jeu::classer() {
  rang.fill(0);
  classement.fill(-1);
  jetons.fill(0);
  pointsJetons.fill(0);
  for (int x = 0; x < tailleGrille; ++x)
    for (int y = plateau.ligneMin[x]; y <= plateau.ligneMax[x]; ++y) {
      const cellule& c = plateau.cases[x][y];
      if (c.proprietaire >= 1 && c.proprietaire <= nbJoueursMax) {
        jetons[c.proprietaire - 1] += 1;
        pointsJetons[c.proprietaire - 1] += c.valeur;
      }
    }
  const uint32_t n = std::min<uint32_t>(nbJoueurs, nbJoueursMax);
  auto cle = [&](uint32_t i) {
    return static_cast<uint32_t>(joueurs[i].score) * 131172u + static_cast<uint32_t>(jetons[i]) * 1024u +
           static_cast<uint32_t>(pointsJetons[i]);
  };
  for (uint32_t i = 0; i < n; ++i)
    for (uint32_t j = 0; j < n; ++j)
      if (cle(i) < cle(j)) rang[i] += 1;
  for (uint32_t i = 0; i < n; ++i) {
    int32_t p = rang[i];
    while (classement[p] != -1) ++p;
    rang[i] = p;
    classement[p] = static_cast<int32_t>(i);
  }
}

void Jeu::mettreAJourScores() {
  classer();
  ecran.mettreAJourScores();
}

std::string Jeu::texteTemps(uint32_t p) const {
  if (p >= nbJoueursMax) return "00:00";
  double t = joueurs[p].temps;
  if (p == joueurCourant && plateau.chronoDebut != 0)
    t += static_cast<double>(horloge() - plateau.chronoDebut);
  const auto s = static_cast<long long>(t);
  char texte[48];
  std::snprintf(texte, sizeof texte, "%2.2lld:%2.2lld", s / 60, s % 60);
  return texte;
}

}  // namespace irvad
