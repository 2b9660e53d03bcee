// The fast search of the computer player. It finds exactly the plays of the
// plain search (Automate.cpp), in the same order and with the same keys, but
// does the work of a trial once instead of once per letter and per token:
//
// - A trial on an empty cell looks, along each axis, at the letters around the
//   cell; only its own letter changes from one trial to the next. For each start
//   and length of a word through the cell, the letters that complete a word of
//   the list (read either way) are one bit mask, taken from an index of the list
//   by "word with one letter missing". A trial is then a walk over these masks.
// - An axis whose two neighbours are empty holds no word; a letter absent from
//   every mask of a cell forms nothing there, so its tokens need no path length.
// - A move is a trial on the destination with the source emptied. The source
//   changes an axis only when it lies in that axis's run of letters: the run then
//   stops before it, and the masks of the shorter run are the same.
// - Path lengths keep the engine's memo and its order of queries, which decide
//   which moves exist; only the queries past the last token that could form a
//   word at a destination are left out, since nothing reads their memo.
#include <algorithm>
#include <array>
#include <cstring>
#include <limits>
#include <vector>

#include "Recherche.h"
#include "Textes.h"

namespace irvad::recherche {

namespace {

constexpr int longueurMax = 9;
constexpr int decalage = longueurMax - 1;  // offsets -8..8 stored at 0..16

// ---------------------------------------------------------------- the index

// Words with one letter missing: for a length n, the place i of the missing
// letter and the n - 1 other letters, the mask of the letters (bit 0 = A) that
// make a word of the list. Only the lengths whose block is sorted can be read
// this way: there the list's search by halving finds exactly the words it holds.
class IndexTrous {
 public:
  // Whether `dico` is the list this index was built from.
  bool pour(const Dico& dico) const {
    return construit_ && source_.size() == dico.texte.size() &&
           std::memcmp(source_.data(), dico.texte.data(), source_.size()) == 0;
  }

  void construire(const Dico& dico) {
    source_ = dico.texte;
    construit_ = true;
    std::size_t places = 0;
    for (int n = 2; n <= longueurMax; ++n) places += static_cast<std::size_t>(dico.nombreMots(n)) * n;
    std::size_t capacite = 1;
    while (capacite < 2 * places) capacite <<= 1;
    bits_ = 0;
    while ((std::size_t{1} << bits_) < capacite) ++bits_;
    cles_.assign(capacite, 0);
    masques_.assign(capacite, 0);
    for (int n = 2; n <= longueurMax; ++n) {
      trie_[n] = blocTrie(dico, n);
      if (!trie_[n]) continue;
      for (int32_t k = 0; k < dico.nombreMots(n); ++k) {
        const char* mot = dico.mot(n, k);
        std::array<uint64_t, longueurMax> l{};
        bool lettres = true;
        for (int i = 0; i < n && lettres; ++i) {
          lettres = mot[i] >= 'A' && mot[i] <= 'Z';
          l[i] = static_cast<uint64_t>(mot[i] - 'A' + 1);
        }
        if (!lettres) continue;  // never matches a word read on the board
        for (int trou = 0; trou < n; ++trou) {
          uint64_t cle = entete(n, trou);
          int place = 8;
          for (int i = 0; i < n; ++i)
            if (i != trou) {
              cle |= l[i] << place;
              place += 5;
            }
          ajouter(cle, uint32_t{1} << (l[trou] - 1));
        }
      }
    }
  }

  bool utilisable(int n) const { return trie_[n]; }

  static uint64_t entete(int n, int trou) { return static_cast<uint64_t>(n) | static_cast<uint64_t>(trou) << 4; }

  uint32_t masque(uint64_t cle) const {
    std::size_t i = case_(cle);
    while (cles_[i] != 0) {
      if (cles_[i] == cle) return masques_[i];
      i = (i + 1) & (cles_.size() - 1);
    }
    return 0;
  }

 private:
  std::size_t case_(uint64_t cle) const {
    return static_cast<std::size_t>((cle * 0x9E3779B97F4A7C15ULL) >> (64 - bits_));
  }
  void ajouter(uint64_t cle, uint32_t bit) {
    std::size_t i = case_(cle);
    while (cles_[i] != 0 && cles_[i] != cle) i = (i + 1) & (cles_.size() - 1);
    cles_[i] = cle;
    masques_[i] |= bit;
  }
  // Sorted as the list's search compares: unsigned bytes, equal from a zero on.
  static bool blocTrie(const Dico& dico, int n) {
    for (int32_t k = 1; k < dico.nombreMots(n); ++k) {
      const char* a = dico.mot(n, k - 1);
      const char* b = dico.mot(n, k);
      for (int i = 0; i < n; ++i) {
        const auto ca = static_cast<unsigned char>(a[i]), cb = static_cast<unsigned char>(b[i]);
        if (ca < cb || ca == 0) break;
        if (ca > cb) return false;
      }
    }
    return true;
  }

  std::vector<char> source_;
  bool construit_ = false;
  std::array<bool, longueurMax + 1> trie_{};
  int bits_ = 0;
  std::vector<uint64_t> cles_;
  std::vector<uint32_t> masques_;
};

// One index for the list in use, rebuilt when the list changes. The game runs
// on one thread, so there is no lock.
const IndexTrous* indexPour(const Dico& dico) {
  static IndexTrous index;
  if (!index.pour(dico)) index.construire(dico);
  for (int n = 2; n <= longueurMax; ++n)
    if (!index.utilisable(n)) return nullptr;
  return &index;
}

// ---------------------------------------------------------------- one axis

// A trial's totals; points = P+ + P-.
struct Total {
  bool trouve = false;
  int32_t points = 0, bonus = 0, pris = 0;
  void ajouter(const Total& t) {
    trouve = trouve || t.trouve;
    points += t.points;
    bonus += t.bonus;
    pris += t.pris;
  }
};

// The run of letters through an empty cell along one axis, the cell itself
// aside, and for each start s and length n of a word through the cell the
// letters of the cell that make it a word, forwards or backwards.
struct Axe {
  int kdeb = 0, kfin = 0;                // run offsets, 0 = the cell
  std::array<int, 2 * longueurMax> cellule{};  // grid index of each offset
  std::array<int32_t, 2 * longueurMax> pris{};   // prefix counts of opponents' tokens with value
  std::array<int32_t, 2 * longueurMax> poids{};  // prefix sums of the weights
  std::array<std::array<uint32_t, longueurMax + 1>, longueurMax> masques{};  // [s + 8][n]
  uint32_t tous = 0;  // every letter that forms some word on this axis

  // Opponents' tokens with value, and weights, at offsets a..b (the cell counts 0).
  int32_t prisEntre(int a, int b) const { return pris[b + decalage + 1] - pris[a + decalage]; }
  int32_t poidsEntre(int a, int b) const { return poids[b + decalage + 1] - poids[a + decalage]; }

  // The words that letter c (0 = A) on the cell forms, with the run cut to
  // offsets kd..kf (a moved token's source leaves a hole in it).
  Total evaluer(uint32_t c, int kd, int kf, int L, bool bonusActif, int32_t poidsCellule) const {
    Total t;
    int finMax = std::numeric_limits<int>::min();
    const uint32_t bit = uint32_t{1} << c;
    for (int s = kd; s <= std::min(kf - 1, 0); ++s) {
      int lmin = std::max(2, 1 - s);
      if (t.trouve) lmin = std::max(lmin, finMax - s + 2);
      const auto& m = masques[s + decalage];
      for (int n = std::min(L, kf - s + 1); n >= lmin; --n) {
        if (!(m[n] & bit)) continue;
        t.trouve = true;
        t.points += n;
        t.pris += prisEntre(s, s + n - 1);
        if (bonusActif) t.bonus += poidsEntre(s, s + n - 1) + poidsCellule;
        finMax = std::max(finMax, s + n - 1);
        break;
      }
    }
    return t;
  }
};

// ---------------------------------------------------------------- the board

struct Grille {
  // Per grid index x * 11 + y: the letter as the words read it (0 for an empty
  // or invalid cell), 1..26, and the owner.
  std::array<int32_t, tailleGrille * tailleGrille> lettre{};
  std::array<int32_t, tailleGrille * tailleGrille> proprietaire{};
  std::array<int32_t, tailleGrille * tailleGrille> valeur{};
};

constexpr int indice(int x, int y) { return x * tailleGrille + y; }

class Rapide {
 public:
  Rapide(Jeu& jeu, const IndexTrous& index)
      : jeu_(jeu), p_(jeu.plateau), index_(index), moi_(static_cast<int32_t>(jeu.joueurCourant) + 1) {
    L_ = std::min<int>(jeu.courant().tailleMax, longueurMax);
    bonusActif_ = jeu.tour > 1;
    for (int x = 0; x < tailleGrille; ++x)
      for (int y = 0; y < tailleGrille; ++y) {
        if (!p_.valide(x, y)) continue;
        const cellule& c = p_.cases[x][y];
        const int i = indice(x, y);
        g_.lettre[i] = c.lettre >= 'A' && c.lettre <= 'Z' ? c.lettre - 64 : 0;
        g_.proprietaire[i] = c.proprietaire;
        g_.valeur[i] = c.valeur;
      }
  }

  Recherche chercher() {
    Recherche r;
    jeu_.ecran.definirLegende(textes::legende);
    joueur& j = jeu_.courant();

    // Placements.
    int k = 1;
    for (int x = 0; x < tailleGrille; ++x)
      for (int y = p_.ligneMin[x]; y <= p_.ligneMax[x]; ++y) {
        if (destinationPlacement(x, y)) {
          jeu_.ecran.mettreAJourTemps();
          preparer(x, y);
          for (int32_t l = 1; l <= 26; ++l) {
            if (j.lettres[l] <= 0) continue;
            const uint32_t c = static_cast<uint32_t>(l - 1);
            if (!((axes_[0].tous | axes_[1].tous | axes_[2].tous) >> c & 1)) continue;
            Total t;
            for (const Axe& a : axes_) t.ajouter(a.evaluer(c, a.kdeb, a.kfin, L_, bonusActif_, poidsLettre(l)));
            if (t.trouve) noter(r, cle(t), Candidat{x, y, -1, -1, 0, l}, false);
          }
        }
        jeu_.ecran.texteStatut(textes::progressionPlacement(k));
        ++k;
      }
    r.dernierPlacement = static_cast<int32_t>(r.candidats.size()) - 1;

    if (jeu_.tour < 2 || !j.deplacements) return r;

    // Moves. The tokens that can pay at least one step, in board order.
    std::vector<int> jetons;
    for (int x = 0; x < tailleGrille; ++x)
      for (int y = p_.ligneMin[x]; y <= p_.ligneMax[x]; ++y)
        if (g_.proprietaire[indice(x, y)] == moi_ && g_.valeur[indice(x, y)] >= 1) jetons.push_back(indice(x, y));

    k = 1;
    int derniereX = -1, derniereY = -1;
    for (int x = 0; x < tailleGrille; ++x)
      for (int y = p_.ligneMin[x]; y <= p_.ligneMax[x]; ++y) {
        if (p_.cases[x][y].proprietaire == 0 && !jeu_.isolee(x, y)) {
          derniereX = x;
          derniereY = y;
          deplacementsVers(r, x, y, jetons);
        }
        jeu_.ecran.texteStatut(textes::progressionDeplacement(k));
        ++k;
      }
    // The memo as the last destination's queries leave it.
    if (derniereX >= 0) {
      jeu_.initDistances(derniereX, derniereY);
      for (int xs = 0; xs < tailleGrille; ++xs)
        for (int ys = p_.ligneMin[xs]; ys <= p_.ligneMax[xs]; ++ys) jeu_.distanceVers(xs, ys);
      p_.distancesValides = false;
    }
    return r;
  }

 private:
  int32_t poidsLettre(int32_t l) const { return p_.poidsDe(l + 64); }

  static Cle cle(const Total& t) { return Cle{t.points, t.bonus, t.pris}; }

  bool destinationPlacement(int x, int y) const {
    if (p_.cases[x][y].proprietaire != 0) return false;
    for (int d = 0; d < 6; ++d) {
      const int nx = x + p_.dx[d], ny = y + p_.dy[d];
      if (p_.valide(nx, ny) && p_.cases[nx][ny].proprietaire == moi_) return true;
    }
    return false;
  }

  // The three axes of an empty cell: runs, prefix counts, masks.
  void preparer(int x, int y) {
    for (int a = 0; a < 3; ++a) {
      Axe& axe = axes_[a];
      const int ax = p_.dx[a], ay = p_.dy[a];
      auto lettreA = [&](int k) {
        const int cx = x + k * ax, cy = y + k * ay;
        return p_.valide(cx, cy) ? g_.lettre[indice(cx, cy)] : 0;
      };
      axe.kdeb = 0;
      while (axe.kdeb - 1 >= 1 - L_ && lettreA(axe.kdeb - 1) != 0) --axe.kdeb;
      axe.kfin = 0;
      while (axe.kfin + 1 <= L_ - 1 && lettreA(axe.kfin + 1) != 0) ++axe.kfin;
      axe.tous = 0;
      std::array<int32_t, 2 * longueurMax> lettres{};
      axe.pris[axe.kdeb + decalage] = 0;
      axe.poids[axe.kdeb + decalage] = 0;
      for (int k = axe.kdeb; k <= axe.kfin; ++k) {
        const int i = indice(x + k * ax, y + k * ay);
        axe.cellule[k + decalage] = i;
        int32_t pris = 0, poids = 0;
        if (k != 0) {
          lettres[k + decalage] = g_.lettre[i];
          pris = g_.valeur[i] != 0 && g_.proprietaire[i] != moi_ ? 1 : 0;
          poids = poidsLettre(g_.lettre[i]);
        }
        axe.pris[k + decalage + 1] = axe.pris[k + decalage] + pris;
        axe.poids[k + decalage + 1] = axe.poids[k + decalage] + poids;
      }
      if (axe.kdeb == 0 && axe.kfin == 0) continue;
      for (int s = axe.kdeb; s <= std::min(axe.kfin - 1, 0); ++s) {
        auto& m = axe.masques[s + decalage];
        const int lmin = std::max(2, 1 - s);
        for (int n = std::min(L_, axe.kfin - s + 1); n >= lmin; --n) {
          // Forwards the cell is letter -s of the word, backwards letter n - 1 + s.
          uint64_t avant = IndexTrous::entete(n, -s), arriere = IndexTrous::entete(n, n - 1 + s);
          int place = 8;
          for (int k = s; k <= s + n - 1; ++k)
            if (k != 0) {
              avant |= static_cast<uint64_t>(lettres[k + decalage]) << place;
              place += 5;
            }
          place = 8;
          for (int k = s + n - 1; k >= s; --k)
            if (k != 0) {
              arriere |= static_cast<uint64_t>(lettres[k + decalage]) << place;
              place += 5;
            }
          m[n] = index_.masque(avant) | index_.masque(arriere);
          axe.tous |= m[n];
        }
      }
    }
  }

  // Every move to the empty cell (x, y), in the order of the plain search.
  void deplacementsVers(Recherche& r, int x, int y, const std::vector<int>& jetons) {
    preparer(x, y);
    const uint32_t tous = axes_[0].tous | axes_[1].tous | axes_[2].tous;
    // The last token whose letter forms a word here: no query after it matters.
    int dernier = -1;
    for (int i : jetons)
      if (tous >> (g_.lettre[i] - 1) & 1) dernier = i;
    if (dernier < 0) return;
    jeu_.ecran.mettreAJourTemps();
    jeu_.initDistances(x, y);
    for (int xs = 0; xs < tailleGrille; ++xs)
      for (int ys = p_.ligneMin[xs]; ys <= p_.ligneMax[xs]; ++ys) {
        const int i = indice(xs, ys);
        if (i > dernier) {
          p_.distancesValides = false;
          return;
        }
        const int32_t d = jeu_.distanceVers(xs, ys);
        if (g_.proprietaire[i] != moi_ || d == 0 || g_.valeur[i] < d) continue;
        const int32_t l = g_.lettre[i];
        if (l == 0 || !(tous >> (l - 1) & 1)) continue;
        Total t;
        for (const Axe& a : axes_) {
          int kd = a.kdeb, kf = a.kfin;
          // The source, emptied, cuts the run.
          for (int k = a.kdeb; k <= a.kfin; ++k)
            if (k != 0 && a.cellule[k + decalage] == i) {
              if (k < 0) kd = k + 1;
              else kf = k - 1;
            }
          t.ajouter(a.evaluer(static_cast<uint32_t>(l - 1), kd, kf, L_, bonusActif_, poidsLettre(l)));
        }
        if (t.trouve) noter(r, cle(t), Candidat{x, y, xs, ys, d, l}, true);
      }
    p_.distancesValides = false;
  }

  Jeu& jeu_;
  Plateau& p_;
  const IndexTrous& index_;
  const int32_t moi_;
  int L_ = 0;
  bool bonusActif_ = false;
  Grille g_;
  std::array<Axe, 3> axes_;
};

// Whether every cell is as the game makes them: a letter A..Z with an owner, or
// nothing at all. The fast search relies on it; any other board (a hand-made
// one) goes to the plain search, which reads it as it stands.
bool plateauSain(const Jeu& jeu) {
  const Plateau& p = jeu.plateau;
  for (int x = 0; x < tailleGrille; ++x)
    for (int y = 0; y < tailleGrille; ++y) {
      if (!p.valide(x, y)) continue;
      const cellule& c = p.cases[x][y];
      if (c.proprietaire == 0) {
        if (c.lettre != 0 || c.valeur != 0) return false;
      } else if (c.lettre < 'A' || c.lettre > 'Z') {
        return false;
      }
    }
  return true;
}

}  // namespace

Recherche rapide(Jeu& jeu) {
  const IndexTrous* index = indexPour(jeu.dico);
  if (index == nullptr || !plateauSain(jeu)) return simple(jeu);
  Rapide r(jeu, *index);
  return r.chercher();
}

}  // namespace irvad::recherche
