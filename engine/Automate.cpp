// The computer player: the opening letter drawn on its vertex, then an
// exhaustive search of placements (and, from round 2, of moves) by trial
// evaluations, a draw among the equally best plays, the harvest of its ripe
// tokens, and the real play or a pass.
#include <array>

#include "Jeu.h"
#include "Recherche.h"
#include "Textes.h"

namespace irvad {

namespace {

// The opening draw: letter numbers in alphabetical order, each as often as its
// count (A 15, B 1, C 4, ...); neither Q nor Z.
constexpr std::array<int32_t, 114> lettresOuverture = [] {
  constexpr std::array<std::pair<int32_t, int32_t>, 24> comptes = {{
      {1, 15}, {2, 1},  {3, 4},  {4, 4},  {5, 12}, {6, 2},  {7, 1},  {8, 4},
      {9, 11}, {10, 1}, {11, 1}, {12, 4}, {13, 4}, {14, 5}, {15, 8}, {16, 2},
      {18, 5}, {19, 6}, {20, 3}, {21, 14}, {22, 4}, {23, 1}, {24, 1}, {25, 1},
  }};
  std::array<int32_t, 114> t{};
  std::size_t i = 0;
  for (auto [lettre, n] : comptes)
    for (int32_t k = 0; k < n; ++k) t[i++] = lettre;
  return t;
}();
static_assert(lettresOuverture[0] == 1 && lettresOuverture[14] == 1 && lettresOuverture[15] == 2 &&
              lettresOuverture[113] == 25);

}  // namespace

void recherche::noter(Recherche& r, const Cle& cle, const Candidat& c, bool deplacement) {
  if (cle > r.meilleure) {
    r.candidats.clear();
    r.candidats.push_back(c);
    r.meilleure = cle;
    if (deplacement) r.dernierPlacement = -1;
  } else if (cle == r.meilleure) {
    r.candidats.push_back(c);
  }
}

namespace {
Cle cleEssai(const Plateau& p) { return Cle{p.essaiPplus + p.essaiPmoins, p.essaiBonus, p.essaiPmoins}; }
}  // namespace

// The plain search: every placement, then every move, one trial each, in board order.
Recherche recherche::simple(Jeu& jeu) {
  Recherche r;
  Plateau& p = jeu.plateau;
  joueur& j = jeu.courant();
  const int32_t moi = static_cast<int32_t>(jeu.joueurCourant) + 1;

  int k = 1;
  for (int x = 0; x < tailleGrille; ++x)
    for (int y = p.ligneMin[x]; y <= p.ligneMax[x]; ++y) {
      cellule& c = p.cases[x][y];
      bool destination = false;
      if (c.proprietaire == 0)
        for (int d = 0; d < 6 && !destination; ++d) {
          const int nx = x + p.dx[d], ny = y + p.dy[d];
          destination = p.valide(nx, ny) && p.cases[nx][ny].proprietaire == moi;
        }
      if (destination)
        for (int32_t l = 1; l <= 26; ++l) {
          if (j.lettres[l] <= 0) continue;
          c.lettre = l + 64;
          c.proprietaire = moi;
          if (jeu.evaluerCoup(x, y)) noter(r, cleEssai(p), Candidat{x, y, -1, -1, 0, l}, false);
          c.lettre = 0;
          c.proprietaire = 0;
        }
      jeu.ecran.texteStatut(textes::progressionPlacement(k));
      ++k;
    }
  r.dernierPlacement = static_cast<int32_t>(r.candidats.size()) - 1;

  if (jeu.tour < 2 || !j.deplacements) return r;
  k = 1;
  for (int x = 0; x < tailleGrille; ++x)
    for (int y = p.ligneMin[x]; y <= p.ligneMax[x]; ++y) {
      cellule& dest = p.cases[x][y];
      if (dest.proprietaire == 0 && !jeu.isolee(x, y)) {
        jeu.initDistances(x, y);
        for (int xs = 0; xs < tailleGrille; ++xs)
          for (int ys = p.ligneMin[xs]; ys <= p.ligneMax[xs]; ++ys) {
            const int32_t d = jeu.distanceVers(xs, ys);
            cellule& src = p.cases[xs][ys];
            if (src.proprietaire != moi || d == 0 || src.valeur < d) continue;
            const int32_t lettre = src.lettre;
            src.lettre = 0;
            src.proprietaire = 0;
            dest.lettre = lettre;
            dest.proprietaire = moi;
            if (jeu.evaluerCoup(x, y)) noter(r, cleEssai(p), Candidat{x, y, xs, ys, d, lettre - 64}, true);
            dest.lettre = 0;
            dest.proprietaire = 0;
            src.lettre = lettre;
            src.proprietaire = moi;
          }
        p.distancesValides = false;
      }
      jeu.ecran.texteStatut(textes::progressionDeplacement(k));
      ++k;
    }
  return r;
}

Recherche Jeu::rechercher(bool rapide) {
  if (joueurCourant >= nbJoueursMax) return {};
  const bool essaiAvant = plateau.essai;
  plateau.essai = true;
  Recherche r = rapide ? recherche::rapide(*this) : recherche::simple(*this);
  plateau.essai = essaiAvant;
  return r;
}

void Jeu::jouerAutomate() {
  if (joueurCourant >= nbJoueurs || joueurCourant >= nbJoueursMax) return;
  if (courant().niveau == Niveau::Expert) {
    jouerExpert();
    return;
  }
  demarrerChrono();
  plateau.essai = true;
  joueur& j = courant();

  Recherche r;
  std::size_t choisi = 0;
  if (tour == 0) {
    // The opening: a letter drawn for the vertex, never one an earlier player
    // put on its own, nor one missing from the stock. A vertex already taken,
    // or a stock without any letter of the draw (positions set up by hand),
    // leaves no opening play: the turn passes and the stock stays whole.
    bool jouable = destinationPermise(j.sommetX, j.sommetY);
    if (jouable) {
      jouable = false;
      for (int32_t l : lettresOuverture) jouable = jouable || (j.lettres[l] > 0 && !lettreSurSommetPrecedent(l + 64));
    }
    if (!jouable) {
      plateau.essai = false;
      plateau.nbPasses += 1;
      return;
    }
    int32_t l = 0;
    for (bool pris = true; pris;) {
      l = lettresOuverture[tirer() % lettresOuverture.size()];
      pris = j.lettres[l] < 1;
      for (uint32_t i = 0; i <= joueurCourant && !pris; ++i) {
        const cellule& c = plateau.cases[joueurs[i].sommetX][joueurs[i].sommetY];
        pris = c.lettre == l + 64;
      }
    }
    r.candidats.push_back(Candidat{j.sommetX, j.sommetY, -1, -1, 0, l});
    r.dernierPlacement = 0;
  } else {
    r = rechercher(automateRapide);
    if (!r.candidats.empty()) {
      const uint32_t tirage = tirer();
      const std::size_t n = r.candidats.size();
      choisi = n >= 2 ? tirage % n : 0;
    }
    // The harvest: every ripe token, except the source of a chosen move.
    const bool deplacement = !r.candidats.empty() && r.estDeplacement(choisi);
    for (int x = 0; x < tailleGrille; ++x)
      for (int y = plateau.ligneMin[x]; y <= plateau.ligneMax[x]; ++y) {
        if (deplacement && x == r.candidats[choisi].xs && y == r.candidats[choisi].ys) continue;
        const cellule& c = plateau.cases[x][y];
        if (c.proprietaire == static_cast<int32_t>(joueurCourant) + 1 && c.valeur >= plateau.poidsDe(c.lettre) &&
            c.lettre != 0)
          recolterJeton(x, y);
      }
  }
  plateau.essai = false;

  if (r.candidats.empty()) {
    plateau.nbPasses += 1;
    return;
  }
  const Candidat& c = r.candidats[choisi];
  if (r.estDeplacement(choisi)) {
    deplacerLettre(c.xs, c.ys, c.x, c.y, c.d);
  } else {
    prendreLettre(j, c.lettre + 64);
    poserLettre(c.x, c.y, c.lettre + 64);
  }
  if (tour != 0) evaluerCoup(c.x, c.y);
}

}  // namespace irvad
