// Hints: every play the rules allow the current player, with the points its
// real play scores, tried on a game of their own so that nothing of the game
// in play changes, its screen included.
#include <algorithm>
#include <array>

#include "Expert.h"
#include "Jeu.h"

namespace irvad {

namespace {
// The real evaluation looks for words of up to 9 letters; a trial with this
// length finds the same words, hence the points of the real play.
constexpr int32_t longueurReelle = 9;
}  // namespace

std::vector<Conseil> Jeu::coupsPermis(bool placements, bool deplacements) {
  std::vector<Conseil> r;
  if (!enCours || tour == 0 || joueurCourant >= nbJoueurs || joueurCourant >= nbJoueursMax) return r;
  joueur& j = courant();
  const int32_t moi = static_cast<int32_t>(joueurCourant) + 1;
  const int32_t taille = j.tailleMax;
  const bool essaiAvant = plateau.essai;
  plateau.essai = true;
  auto pointsReels = [&] { return plateau.essaiPplus + plateau.essaiPmoins; };

  if (placements) {
    // The letter in hand can go back to the stock: it counts as one of it.
    std::array<int32_t, 27> stock = j.lettres;
    if (lettreEnMain >= 'A' && lettreEnMain <= 'Z') stock[static_cast<std::size_t>(lettreEnMain - 64)] += 1;
    for (int x = 0; x < tailleGrille; ++x)
      for (int y = plateau.ligneMin[x]; y <= plateau.ligneMax[x]; ++y) {
        if (!peutPoser(x, y)) continue;
        cellule& c = plateau.cases[x][y];
        for (int32_t l = 1; l <= 26; ++l) {
          if (stock[static_cast<std::size_t>(l)] <= 0) continue;
          c.lettre = l + 64;
          c.proprietaire = moi;
          c.valeur = 0;
          j.tailleMax = longueurReelle;
          if (evaluerCoup(x, y)) r.push_back({false, x, y, -1, -1, 0, l + 64, pointsReels()});
          j.tailleMax = taille;
          c.lettre = 0;
          c.proprietaire = 0;
        }
      }
  }

  if (deplacements) {
    // The checks of `deplacer`, each move on its own: a token of the player
    // with a free neighbour, a word within the player's own longest word, a
    // fresh path query no longer than the token's value.
    for (int x = 0; x < tailleGrille; ++x)
      for (int y = plateau.ligneMin[x]; y <= plateau.ligneMax[x]; ++y) {
        if (plateau.cases[x][y].proprietaire != 0 || isolee(x, y)) continue;
        for (int xs = 0; xs < tailleGrille; ++xs)
          for (int ys = plateau.ligneMin[xs]; ys <= plateau.ligneMax[xs]; ++ys) {
            const cellule& s = plateau.cases[xs][ys];
            if (s.proprietaire != moi || s.valeur < 1 || !deplacable(xs, ys)) continue;
            if (!essaiDeplacement(xs, ys, x, y)) continue;
            const int32_t d = longueurChemin(xs, ys, x, y);
            if (d == 0 || d > s.valeur) continue;
            j.tailleMax = longueurReelle;
            essaiDeplacement(xs, ys, x, y);
            j.tailleMax = taille;
            r.push_back({true, x, y, xs, ys, d, s.lettre, pointsReels()});
          }
      }
  }
  plateau.essai = essaiAvant;
  return r;
}

std::vector<Conseil> Jeu::conseils(std::size_t n) const {
  if (!enCours || tour == 0 || n == 0) return {};
  Jeu& b = bac();
  if (!b.installer(position())) return {};
  std::vector<Conseil> r = b.coupsPermis(true, true);
  // Found placements first, each kind in board order: a stable sort keeps
  // that order among equal points.
  std::stable_sort(r.begin(), r.end(), [](const Conseil& a, const Conseil& c) { return a.points > c.points; });
  if (r.size() > n) r.resize(n);
  return r;
}

}  // namespace irvad
