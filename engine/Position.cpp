#include "Position.h"

#include <cmath>

namespace irvad {

namespace {
bool estLettre(int32_t l) { return l >= 'A' && l <= 'Z'; }
std::string texteCase(int x, int y) { return "(" + std::to_string(x) + "," + std::to_string(y) + ")"; }
}  // namespace

void Position::poserJeton(int x, int y, int32_t lettre, int32_t valeur, int32_t proprietaire) {
  if (x < 0 || y < 0 || x >= tailleGrille || y >= tailleGrille) return;
  cellule& c = plateau.cases[x][y];
  c.lettre = lettre;
  c.valeur = valeur;
  c.proprietaire = proprietaire;
}

void Position::viderCase(int x, int y) { poserJeton(x, y, 0, 0, 0); }

void Position::fixerStock(uint32_t p, int32_t lettre, int32_t n) {
  if (p >= nbJoueursMax || !estLettre(lettre)) return;
  joueur& j = joueurs[p];
  j.lettres[0] += n - j.lettres[lettre - 64];
  j.lettres[lettre - 64] = n;
}

std::string Position::horsBornes() const {
  const uint32_t n = nbJoueurs;
  if (n != 2 && n != 3 && n != 6) return "nombre de joueurs " + std::to_string(n);
  if (joueurCourant >= n) return "joueur courant " + std::to_string(joueurCourant + 1);
  if (tour > bornes::tour) return "tour " + std::to_string(tour);
  if (plateau.nbPasses < 0 || plateau.nbPasses > static_cast<int32_t>(n))
    return "passes " + std::to_string(plateau.nbPasses);
  if (lettreEnMain != 0 && !estLettre(lettreEnMain)) return "lettre en main " + std::to_string(lettreEnMain);
  for (uint32_t i = 0; i < n; ++i) {
    const joueur& j = joueurs[i];
    const std::string qui = "joueur " + std::to_string(i + 1) + " : ";
    int64_t somme = 0;
    for (int k = 1; k <= 26; ++k) {
      if (j.lettres[k] < 0 || j.lettres[k] > bornes::lettres)
        return qui + "stock de " + std::string(1, static_cast<char>('A' + k - 1)) + " " +
               std::to_string(j.lettres[k]);
      somme += j.lettres[k];
    }
    if (somme != j.lettres[0]) return qui + "total du stock " + std::to_string(j.lettres[0]);
    if (!plateau.valide(j.sommetX, j.sommetY)) return qui + "sommet hors du plateau";
    if (j.score < 0 || j.score > bornes::score) return qui + "score " + std::to_string(j.score);
    // The searches read words of up to tailleMax letters into 9-letter buffers.
    if (j.tailleMax < 2 || j.tailleMax > 9) return qui + "taille " + std::to_string(j.tailleMax);
    if (!std::isfinite(j.temps) || std::fabs(j.temps) > bornes::temps) return qui + "temps";
  }
  for (int x = 0; x < tailleGrille; ++x)
    for (int y = 0; y < tailleGrille; ++y) {
      const cellule& k = plateau.cases[x][y];
      const std::string ou = "case " + texteCase(x, y) + " : ";
      if (!plateau.valide(x, y)) {
        if (k.lettre != 0 || k.proprietaire != 0 || k.valeur != 0) return ou + "hors de l'hexagone";
        continue;
      }
      if (k.lettre != 0 && !estLettre(k.lettre)) return ou + "lettre " + std::to_string(k.lettre);
      if (k.proprietaire < 0 || k.proprietaire > static_cast<int32_t>(n))
        return ou + "joueur " + std::to_string(k.proprietaire);
      if ((k.lettre == 0) != (k.proprietaire == 0)) return ou + "lettre sans joueur";
      if (k.valeur < 0 || k.valeur > bornes::valeur || (k.lettre == 0 && k.valeur != 0))
        return ou + "valeur " + std::to_string(k.valeur);
    }
  return {};
}

}  // namespace irvad
