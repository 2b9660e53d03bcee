#include "Etat.h"

#include <cstring>

namespace irvad {

const std::array<int32_t, 27> poidsLettres = {0, 5, 2, 2, 2, 5, 2, 2, 2, 4, 1, 1, 3, 2, 3,
                                              4, 2, 1, 3, 4, 3, 4, 2, 1, 1, 1, 1};

joueur::joueur(int32_t indice) : numero(indice), nom("Joueur " + std::to_string(indice + 1)) {
  stockNeuf();
}

void joueur::stockNeuf() {
  lettres.fill(1);
  lettres[0] = 26;
}

void joueur::reinitialiser(const std::string& nouveauNom, bool estAutomate, bool avecDeplacements,
                           int32_t longueurMax) {
  nom = nouveauNom;
  automate = estAutomate;
  deplacements = avecDeplacements;
  tailleMax = longueurMax;
  stockNeuf();
  score = 0;
  temps = 0.0;
}

void joueur::placerSommet(int32_t x, int32_t y) {
  sommetX = x;
  sommetY = y;
}

Plateau::Plateau()
    : poids(poidsLettres), dx{-1, 0, 1, 1, 0, -1}, dy{-1, -1, 0, 1, 1, 0} {
  for (int r = 0; r < tailleGrille; ++r) {
    ligneMin[r] = r < 6 ? 0 : r - 5;
    ligneMax[r] = r < 6 ? r + 5 : 10;
  }
}

void Plateau::viderPlateau() {
  essai = false;
  chronoActif = false;
  nbPasses = 0;
  chronoDebut = 0;
  casesLibres = nbCases;
  std::memset(static_cast<void*>(cases), 0, sizeof cases);
}

bool Plateau::valide(int x, int y) const {
  if (x < 0 || y < 0 || x >= tailleGrille || y >= tailleGrille) return false;
  return ligneMin[y] <= x && x <= ligneMax[y] && ligneMin[x] <= y && y <= ligneMax[x];
}

int32_t Plateau::poidsDe(int32_t lettre) const {
  return lettre >= 'A' && lettre <= 'Z' ? poids[lettre - 64] : 0;
}

}  // namespace irvad
