// The Expert computer player. It harvests its ripe tokens, lists every play
// the rules allow it (the same list as the hints), and plays each one out on
// a game of its own: its play, then the other players' turns as the Standard
// computer plays them, that is their best replies; the twelve most promising
// plays are then played out one round further, its own next turn included,
// which is where its ripe tokens and its stock count. What a play-out reaches
// is weighed by the score gap with the best of the others (the points the
// replies take from its tokens, and the tokens they capture, are theirs),
// and a game's end by who wins it. Every play-out starts from the same seed,
// so that the plays are compared on the same draws, and that seed is the one
// draw the Expert takes from the game's generator: a seed gives one game.
#include <algorithm>
#include <array>
#include <limits>
#include <vector>

#include "Expert.h"
#include "Jeu.h"

namespace irvad {

BacPrive::BacPrive() = default;
BacPrive::BacPrive(const BacPrive&) {}
BacPrive& BacPrive::operator=(const BacPrive&) { return *this; }
BacPrive::~BacPrive() = default;

Jeu& Jeu::bac() const {
  if (!bac_.bac) bac_.bac = std::make_unique<Bac>();
  Jeu& b = bac_.bac->jeu;
  // A list loaded again has a graph of its own: the copy follows it.
  if (b.dico.graphePartage() != dico.graphePartage()) b.dico = dico;
  return b;
}

namespace {

// Plays kept for the second, longer play-out.
constexpr std::size_t retenus = 12;
// A game won or lost at the end of a play-out, in points.
constexpr double partieFinie = 60;
// Each cell taken while the Expert is ahead: the game ends when the board is
// full, and a leader would rather fill it than move tokens to and fro.
constexpr double caseOccupee = 2;

// The position as seen by player `moi`: the score gap with the best of the
// others, and at a game's end who won it.
double valeurPosition(const Position& q, uint32_t moi) {
  const uint32_t n = std::min<uint32_t>(q.nbJoueurs, nbJoueursMax);
  uint32_t rival = moi;
  for (uint32_t i = 0; i < n; ++i)
    if (i != moi && (rival == moi || q.joueurs[i].score > q.joueurs[rival].score)) rival = i;
  if (rival == moi) return 0;
  const int32_t mien = q.joueurs[moi].score, sien = q.joueurs[rival].score;
  const double v = mien - sien;
  if (!q.enCours) return v + (mien > sien ? partieFinie : mien < sien ? -partieFinie : 0);
  return v + (mien > sien ? caseOccupee * (nbCases - q.plateau.casesLibres) : 0);
}

// A play tried: where it starts (after the harvest) and what it came to.
struct Essai {
  Conseil coup;
  std::size_t depart;  // index in the positions the tries start from
  double valeur = 0;
};

// Plays `coup` from `depart`, then `tours` more turns as the Standard
// computer plays them, and weighs what is reached.
double essayer(Jeu& b, const Position& depart, const Conseil& coup, uint32_t tours, uint32_t graine, uint32_t moi) {
  if (!b.installer(depart)) return -std::numeric_limits<double>::infinity();
  const bool joue = coup.deplacement ? static_cast<bool>(b.deplacer(coup.xs, coup.ys, coup.x, coup.y))
                                     : b.prendre(coup.lettre) && b.poser(coup.x, coup.y);
  if (!joue) return -std::numeric_limits<double>::infinity();
  b.graine(graine);
  for (uint32_t k = 0; k < tours && b.position().enCours; ++k) b.tourAutomate();
  return valeurPosition(b.position(), moi);
}

}  // namespace

// The opening letter: the one that forms two-letter words with the most
// letters of the stock, since the first round's words are made of it and a
// neighbour; the first in alphabetical order among equals. The rules of the
// opening round hold: neither Q nor Z, nor a letter on an earlier vertex.
int32_t Jeu::lettreOuvertureExpert() const {
  const joueur& j = courant();
  int32_t choix = 0, meilleur = -1;
  for (int32_t l = 'A'; l <= 'Z'; ++l) {
    if (!peutPrendre(l)) continue;
    int32_t n = 0;
    for (int32_t m = 'A'; m <= 'Z'; ++m) {
      if (j.lettres[static_cast<std::size_t>(m - 64)] - (m == l ? 1 : 0) <= 0) continue;
      const char mot[2] = {static_cast<char>(l), static_cast<char>(m)};
      const char envers[2] = {static_cast<char>(m), static_cast<char>(l)};
      n += dico.contient(mot, 2) || dico.contient(envers, 2);
    }
    if (n > meilleur) {
      meilleur = n;
      choix = l;
    }
  }
  return choix;
}

void Jeu::jouerExpert() {
  demarrerChrono();
  if (tour == 0) {
    const int32_t l = destinationPermise(courant().sommetX, courant().sommetY) ? lettreOuvertureExpert() : 0;
    if (l == 0) {
      plateau.nbPasses += 1;
      return;
    }
    prendreLettre(courant(), l);
    poserLettre(courant().sommetX, courant().sommetY, l);
    return;
  }
  const uint32_t tirage = tirer();
  const uint32_t moi = joueurCourant;
  const int32_t proprietaire = static_cast<int32_t>(moi) + 1;
  Jeu& b = bac();

  // The position the tries start from: every seat played by the Standard
  // computer with its own settings.
  Position avant = position();
  for (joueur& j : avant.joueurs) {
    j.automate = true;
    j.niveau = Niveau::Standard;
  }
  // The harvest: which ripe tokens, in board order.
  std::vector<std::pair<int, int>> recoltes;
  for (int x = 0; x < tailleGrille; ++x)
    for (int y = plateau.ligneMin[x]; y <= plateau.ligneMax[x]; ++y) {
      const cellule& c = plateau.cases[x][y];
      if (c.proprietaire != proprietaire || c.lettre == 0 || c.valeur < plateau.poidsDe(c.lettre)) continue;
      recoltes.emplace_back(x, y);
    }
  Position recolte = avant;
  for (auto [x, y] : recoltes) {
    cellule& c = recolte.plateau.cases[x][y];
    const std::size_t l = static_cast<std::size_t>(c.lettre - 64);
    c.valeur -= recolte.plateau.poids[l];
    recolte.joueurs[moi].lettres[l] += 1;
    recolte.joueurs[moi].lettres[0] += 1;
  }

  // Placements with the letters harvested; moves from before the harvest,
  // whose source is then not harvested (as the Standard computer does).
  std::vector<Essai> essais;
  std::vector<Position> departs{recolte};
  if (b.installer(recolte))
    for (const Conseil& c : b.coupsPermis(true, false)) essais.push_back({c, 0});
  if (tour >= 2 && courant().deplacements && b.installer(avant)) {
    const std::vector<Conseil> deplacements = b.coupsPermis(false, true);
    std::array<int, tailleGrille * tailleGrille> departDe{};
    departDe.fill(-1);
    for (const Conseil& c : deplacements) {
      int& k = departDe[static_cast<std::size_t>(c.xs * tailleGrille + c.ys)];
      if (k < 0) {
        const bool recoltee =
            std::find(recoltes.begin(), recoltes.end(), std::make_pair(int{c.xs}, int{c.ys})) != recoltes.end();
        if (!recoltee) {
          k = 0;
        } else {
          Position p = recolte;
          p.plateau.cases[c.xs][c.ys] = avant.plateau.cases[c.xs][c.ys];
          const std::size_t l = static_cast<std::size_t>(c.lettre - 64);
          p.joueurs[moi].lettres[l] -= 1;
          p.joueurs[moi].lettres[0] -= 1;
          departs.push_back(p);
          k = static_cast<int>(departs.size()) - 1;
        }
      }
      essais.push_back({c, static_cast<std::size_t>(k)});
    }
  }

  // First pass: every play and the other players' turns after it; second
  // pass: the best of them one round further on.
  const uint32_t autres = nbJoueurs - 1;
  for (Essai& e : essais) e.valeur = essayer(b, departs[e.depart], e.coup, autres, tirage, moi);
  std::vector<std::size_t> ordre(essais.size());
  for (std::size_t i = 0; i < ordre.size(); ++i) ordre[i] = i;
  auto meilleur = [&](std::size_t a, std::size_t c) {
    if (essais[a].valeur != essais[c].valeur) return essais[a].valeur > essais[c].valeur;
    if (essais[a].coup.points != essais[c].coup.points) return essais[a].coup.points > essais[c].coup.points;
    return a < c;
  };
  std::stable_sort(ordre.begin(), ordre.end(), meilleur);
  const std::size_t n = std::min(retenus, ordre.size());
  for (std::size_t i = 0; i < n; ++i) {
    Essai& e = essais[ordre[i]];
    e.valeur = essayer(b, departs[e.depart], e.coup, autres + nbJoueurs, tirage, moi);
  }
  std::stable_sort(ordre.begin(), ordre.begin() + static_cast<std::ptrdiff_t>(n), meilleur);

  // The harvest, then the play, or a pass: when nothing forms a word, or when
  // passing ends the game with the Expert ahead (once the stocks run out,
  // tokens could move to and fro for ever).
  bool passe = ordre.empty() || essais[ordre[0]].valeur == -std::numeric_limits<double>::infinity();
  if (!passe && b.installer(recolte) && b.passer()) {
    b.graine(tirage);
    for (uint32_t k = 0; k < autres && b.position().enCours; ++k) b.tourAutomate();
    passe = !b.position().enCours && valeurPosition(b.position(), moi) > 0;
  }
  const Conseil* choix = passe ? nullptr : &essais[ordre[0]].coup;
  plateau.essai = true;
  for (auto [x, y] : recoltes) {
    if (choix != nullptr && choix->deplacement && x == choix->xs && y == choix->ys) continue;
    if (recoltable(x, y)) recolterJeton(x, y);
  }
  plateau.essai = false;
  if (choix == nullptr) {
    plateau.nbPasses += 1;
    return;
  }
  if (choix->deplacement) {
    deplacerLettre(choix->xs, choix->ys, choix->x, choix->y, choix->d);
  } else {
    prendreLettre(courant(), choix->lettre);
    poserLettre(choix->x, choix->y, choix->lettre);
  }
  evaluerCoup(choix->x, choix->y);
}

}  // namespace irvad
