// The Expert computer player. It lists every play the rules allow it (the
// same list as the hints), after harvesting its ripe tokens, and plays each
// one out on a game of its own: its play, then the next players' turns as the
// Standard computer plays them (their best replies), then its own and theirs
// again for the most promising ones. The position reached is weighed by the
// score gap, the letters left in stock, the tokens held and what they are
// worth, a game's end by who wins it. Every try starts from the same seed, so
// that the plays are compared on the same draws, and that seed is the one
// draw the Expert takes from the game's generator: a seed gives one game.
#include <algorithm>
#include <array>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>
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
  if (b.dico.version() != dico.version()) b.dico = dico;
  return b;
}

namespace {

struct Reglages {
  int tours = 1;           // turns played out after each play in the first pass
  std::size_t largeur = 12;  // plays kept for the second pass
  int toursProfonds = 3;   // turns played out after each of them
  double fin = 60;         // a game won (lost) at the end of a try
  double stock = 0;        // each letter in stock, against the leading opponent's
  double jetons = 0;       // each token on the board, idem
  double valeur = 0;       // each unit of value of the tokens, idem
  int recolte = 0;         // 0: every ripe token; 1: only those left with some value
};

Reglages lireReglages() {
  Reglages r;
  const char* e = std::getenv("IRVAD_EXPERT");
  if (e == nullptr) return r;
  std::string s = e;
  std::size_t i = 0;
  while (i < s.size()) {
    std::size_t fin = s.find(',', i);
    if (fin == std::string::npos) fin = s.size();
    const std::string paire = s.substr(i, fin - i);
    const std::size_t egal = paire.find('=');
    if (egal != std::string::npos) {
      const std::string k = paire.substr(0, egal);
      const double v = std::atof(paire.substr(egal + 1).c_str());
      if (k == "tours") r.tours = static_cast<int>(v);
      if (k == "largeur") r.largeur = static_cast<std::size_t>(v);
      if (k == "profond") r.toursProfonds = static_cast<int>(v);
      if (k == "fin") r.fin = v;
      if (k == "stock") r.stock = v;
      if (k == "jetons") r.jetons = v;
      if (k == "valeur") r.valeur = v;
      if (k == "recolte") r.recolte = static_cast<int>(v);
    }
    i = fin + 1;
  }
  return r;
}

const Reglages& reglages() {
  static const Reglages r = lireReglages();
  return r;
}

// The position as seen by player `moi`: the score gap with the best of the
// others, and at a game's end who won it.
double valeurPosition(const Position& q, uint32_t moi, const Reglages& r) {
  const uint32_t n = std::min<uint32_t>(q.nbJoueurs, nbJoueursMax);
  uint32_t rival = moi;
  for (uint32_t i = 0; i < n; ++i)
    if (i != moi && (rival == moi || q.joueurs[i].score > q.joueurs[rival].score)) rival = i;
  if (rival == moi) return 0;
  const int32_t mien = q.joueurs[moi].score, sien = q.joueurs[rival].score;
  double v = mien - sien;
  if (!q.enCours) return v + (mien > sien ? r.fin : mien < sien ? -r.fin : 0);
  v += r.stock * (q.joueurs[moi].lettres[0] - q.joueurs[rival].lettres[0]);
  int32_t jetons = 0, valeur = 0;
  const int32_t a = static_cast<int32_t>(moi) + 1, b = static_cast<int32_t>(rival) + 1;
  for (int x = 0; x < tailleGrille; ++x)
    for (int y = q.plateau.ligneMin[x]; y <= q.plateau.ligneMax[x]; ++y) {
      const cellule& c = q.plateau.cases[x][y];
      if (c.proprietaire == a) {
        ++jetons;
        valeur += c.valeur;
      } else if (c.proprietaire == b) {
        --jetons;
        valeur -= c.valeur;
      }
    }
  return v + r.jetons * jetons + r.valeur * valeur;
}

// A play tried: where it starts (after the harvest) and what it came to.
struct Essai {
  Conseil coup;
  std::size_t depart;  // index in the positions the tries start from
  double valeur = 0;
};

// Plays `coup` from `depart`, then `tours` more turns as the Standard
// computer plays them, and weighs what is reached.
double essayer(Jeu& b, const Position& depart, const Conseil& coup, int tours, uint32_t graine, uint32_t moi,
               const Reglages& r) {
  if (!b.installer(depart)) return -std::numeric_limits<double>::infinity();
  const bool joue = coup.deplacement ? static_cast<bool>(b.deplacer(coup.xs, coup.ys, coup.x, coup.y))
                                     : b.prendre(coup.lettre) && b.poser(coup.x, coup.y);
  if (!joue) return -std::numeric_limits<double>::infinity();
  b.graine(graine);
  for (int k = 0; k < tours && b.position().enCours; ++k) b.tourAutomate();
  return valeurPosition(b.position(), moi, r);
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
  const Reglages& r = reglages();
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
      if (r.recolte == 1 && c.valeur == plateau.poidsDe(c.lettre)) continue;
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

  // First pass: every play and the turns that follow it; second pass: the
  // best of them further on.
  for (Essai& e : essais) e.valeur = essayer(b, departs[e.depart], e.coup, r.tours, tirage, moi, r);
  std::vector<std::size_t> ordre(essais.size());
  for (std::size_t i = 0; i < ordre.size(); ++i) ordre[i] = i;
  auto meilleur = [&](std::size_t a, std::size_t c) {
    if (essais[a].valeur != essais[c].valeur) return essais[a].valeur > essais[c].valeur;
    if (essais[a].coup.points != essais[c].coup.points) return essais[a].coup.points > essais[c].coup.points;
    return a < c;
  };
  std::stable_sort(ordre.begin(), ordre.end(), meilleur);
  if (r.toursProfonds > r.tours && r.largeur > 0) {
    const std::size_t n = std::min(r.largeur, ordre.size());
    for (std::size_t i = 0; i < n; ++i) {
      Essai& e = essais[ordre[i]];
      e.valeur = essayer(b, departs[e.depart], e.coup, r.toursProfonds, tirage, moi, r);
    }
    std::stable_sort(ordre.begin(), ordre.begin() + static_cast<std::ptrdiff_t>(n), meilleur);
  }

  // The harvest, then the play, or a pass: when nothing forms a word, or when
  // passing ends the game with the Expert ahead (once the stocks run out,
  // tokens could move to and fro for ever).
  bool passe = ordre.empty();
  if (!passe && b.installer(recolte) && b.passer()) {
    b.graine(tirage);
    for (int k = 0; k < r.tours && b.position().enCours; ++k) b.tourAutomate();
    passe = !b.position().enCours && valeurPosition(b.position(), moi, r) > 0;
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
