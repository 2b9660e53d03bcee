// Moves of a token already on the board: the path length through empty cells,
// the trial of a move and the move itself.
#include "Jeu.h"
#include "Textes.h"

namespace irvad {

namespace {
constexpr int32_t aucunChemin = 32767;
}

bool Jeu::deplacable(int x, int y) const {
  for (int d = 0; d < 6; ++d) {
    const int nx = x + plateau.dx[d], ny = y + plateau.dy[d];
    if (plateau.valide(nx, ny) && plateau.cases[nx][ny].proprietaire == 0) return true;
  }
  return false;
}

bool Jeu::isolee(int x, int y) const {
  for (int d = 0; d < 6; ++d) {
    const int nx = x + plateau.dx[d], ny = y + plateau.dy[d];
    if (plateau.valide(nx, ny) && plateau.cases[nx][ny].proprietaire != 0) return false;
  }
  return true;
}

void Jeu::initDistances(int x, int y) {
  for (auto& ligne : plateau.cases)
    for (auto& c : ligne) {
      c.visite = 0;
      c.distance = -1;
    }
  plateau.cibleX = x;
  plateau.cibleY = y;
  plateau.distancesValides = true;
}

// Depth-first search towards (cibleX, cibleY) through empty cells. A cell's
// result is stored the first time it is known, while the cells on the current
// path are still marked; later queries reuse it as it stands, so a stored
// length may be longer than the shortest path, or 0 where a path exists. The
// moves the game offers depend on exactly this order, hence it is kept.
int32_t Jeu::distanceVers(int x, int y) {
  if (!plateau.valide(x, y)) return 0;
  cellule& ici = plateau.cases[x][y];
  ici.visite = 1;
  int32_t meilleur = aucunChemin;
  for (int i = 0; i < 6; ++i) {
    const int nx = x + plateau.dx[i], ny = y + plateau.dy[i];
    if (!plateau.valide(nx, ny)) continue;
    const cellule& voisin = plateau.cases[nx][ny];
    if (voisin.proprietaire != 0 || voisin.visite) continue;
    int32_t c;
    if (nx == plateau.cibleX && ny == plateau.cibleY) {
      c = 1;
    } else if (voisin.distance != -1) {
      c = voisin.distance != 0 ? voisin.distance + 1 : 0;
    } else {
      const int32_t r = distanceVers(nx, ny);
      c = r != 0 ? r + 1 : 0;
    }
    if (c != 0 && c < meilleur) meilleur = c;
  }
  ici.visite = 0;
  if (meilleur == aucunChemin) meilleur = 0;
  if (ici.distance == -1) ici.distance = meilleur;
  return meilleur;
}

bool Jeu::essaiDeplacement(int xs, int ys, int xd, int yd) {
  // The token is lifted onto the destination for the trial and put back after;
  // an occupied destination or a move onto itself would lose a token.
  if (!plateau.valide(xs, ys) || !plateau.valide(xd, yd) || (xs == xd && ys == yd)) return false;
  cellule& source = plateau.cases[xs][ys];
  cellule& destination = plateau.cases[xd][yd];
  if (source.proprietaire == 0 || destination.proprietaire != 0) return false;

  destination.lettre = source.lettre;
  destination.valeur = source.valeur;
  destination.proprietaire = source.proprietaire;
  source.lettre = source.valeur = source.proprietaire = 0;

  // The computer player's search already runs as a trial: leave its flag set.
  const bool avant = plateau.essai;
  plateau.essai = true;
  const bool trouve = evaluerCoup(xd, yd);
  plateau.essai = avant;

  source.lettre = destination.lettre;
  source.valeur = destination.valeur;
  source.proprietaire = destination.proprietaire;
  destination.lettre = destination.valeur = destination.proprietaire = 0;
  return trouve;
}

void Jeu::deplacerLettre(int xs, int ys, int xd, int yd, int32_t d) {
  if (!plateau.valide(xs, ys) || !plateau.valide(xd, yd) || (xs == xd && ys == yd)) return;
  cellule& source = plateau.cases[xs][ys];
  cellule& destination = plateau.cases[xd][yd];
  // A token pays its path with its value, which never goes below 0.
  if (source.proprietaire == 0 || destination.proprietaire != 0 || d < 1 || d > source.valeur) return;

  const int32_t lettre = source.lettre;
  destination.lettre = lettre;
  destination.valeur = source.valeur - d;
  destination.proprietaire = source.proprietaire;
  source.lettre = source.valeur = source.proprietaire = 0;
  ecran.dessinerCellule(xs, ys, 0);
  ecran.dessinerCellule(xd, yd, 0);
  journal(textes::ligneDeplacementSource(static_cast<char>(lettre), xs, ys));
  journal(textes::ligneDeplacementDestination(xd, yd));
}

}  // namespace irvad
