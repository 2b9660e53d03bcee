// The fast search of the computer player. It finds exactly the plays of the
// plain search (Automate.cpp), in the same order and with the same keys, and
// leaves the board and the path-search memo as it does, but does the work of a
// trial once instead of once per letter and per token:
//
// - A trial on an empty cell looks, along each axis, at the letters around the
//   cell; only its own letter changes from one trial to the next. For each start
//   and length of a word through the cell, the letters that complete a word of
//   the list (read either way) are one bit mask, read from the list's graph of
//   words (GrapheMots): the letters before the cell lead to a node, and from
//   each letter that goes on there one walk along the letters after the cell
//   finds the words of every length from that start at once. A trial is then a
//   walk over these masks, and a letter absent from every mask of a cell is not
//   tried there at all.
// - An axis whose two neighbours are empty holds no word and costs nothing.
// - A move is a trial on the destination with the source emptied. The source
//   changes an axis only when it lies in that axis's run of letters: the run then
//   stops before it, and the masks of the shorter run are the same.
// - A token is only tried where the shortest path through empty cells is within
//   its value, and the path lengths, which keep the engine's memo and its order
//   of queries (they decide which moves exist), are computed only for the moves
//   whose key can still enter the list.
#include <algorithm>
#include <array>
#include <bit>
#include <limits>
#include <memory>
#include <vector>

#include "Recherche.h"
#include "Textes.h"

namespace irvad::recherche {

namespace {

constexpr int longueurMax = 9;
constexpr int decalage = longueurMax - 1;  // offsets -8..8 stored at 0..16

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

// A move that forms words, before its path length is known.
struct Essai {
  int destination, source;
  Cle cle;
};

// The run of letters through an empty cell along one axis, the cell itself
// aside, and for each start s and length n of a word through the cell the
// letters of the cell that make it a word, forwards or backwards.
// Only the parts of the run that preparation wrote are ever read.
struct Axe {
  int kdeb, kfin;                            // run offsets, 0 = the cell
  std::array<int, 2 * longueurMax> cellule;  // grid index of each offset
  std::array<int32_t, 2 * longueurMax> pris;   // prefix counts of opponents' tokens with value
  std::array<int32_t, 2 * longueurMax> poids;  // prefix sums of the weights
  std::array<std::array<uint32_t, longueurMax + 1>, longueurMax> masques;  // [s + 8][n]
  uint32_t tous;  // every letter that forms some word on this axis
  std::array<uint32_t, longueurMax> parDebut;  // the same, per start
  std::array<uint64_t, 2> dansRun;  // the grid indices of the run's letters

  bool contient(int i) const { return dansRun[static_cast<unsigned>(i) / 64] >> (i % 64) & 1; }

  // Opponents' tokens with value, and weights, at offsets a..b (the cell counts 0).
  int32_t prisEntre(int a, int b) const { return pris[b + decalage + 1] - pris[a + decalage]; }
  int32_t poidsEntre(int a, int b) const { return poids[b + decalage + 1] - poids[a + decalage]; }

  // The words that letter c (0 = A) on the cell forms, with the run cut to
  // offsets kd..kf (a moved token's source leaves a hole in it).
  Total evaluer(uint32_t c, int kd, int kf, int L, bool bonusActif, int32_t poidsCellule) const {
    Total t;
    const uint32_t bit = uint32_t{1} << c;
    if (!(tous & bit)) return t;
    int finMax = std::numeric_limits<int>::min();
    for (int s = kd; s <= std::min(kf - 1, 0); ++s) {
      if (!(parDebut[s + decalage] & bit)) continue;
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

constexpr int indice(int x, int y) { return x * tailleGrille + y; }
constexpr int nbIndices = tailleGrille * tailleGrille;

// The shape of the board as the rules read it (Plateau::valide, dx, dy): for
// each grid index, whether it is a cell, its neighbour in each of the six
// directions and, per word axis, the cell one step back. Built again only if
// the board's tables ever differ.
struct Geometrie {
  std::array<bool, nbIndices> valide{};
  std::array<std::array<int, 6>, nbIndices> voisin{};   // -1 = none
  std::array<std::array<int, 3>, nbIndices> arriere{};  // -1 = none
  std::array<int32_t, 6> dx{}, dy{};
  std::array<int32_t, tailleGrille> ligneMin{}, ligneMax{};

  bool pour(const Plateau& p) const {
    return dx == p.dx && dy == p.dy && ligneMin == p.ligneMin && ligneMax == p.ligneMax;
  }
  void construire(const Plateau& p) {
    dx = p.dx;
    dy = p.dy;
    ligneMin = p.ligneMin;
    ligneMax = p.ligneMax;
    for (int x = 0; x < tailleGrille; ++x)
      for (int y = 0; y < tailleGrille; ++y) {
        const int i = indice(x, y);
        valide[i] = p.valide(x, y);
        for (int d = 0; d < 6; ++d) {
          const int nx = x + p.dx[d], ny = y + p.dy[d];
          voisin[i][d] = valide[i] && p.valide(nx, ny) ? indice(nx, ny) : -1;
        }
        for (int a = 0; a < 3; ++a) {
          const int nx = x - p.dx[a], ny = y - p.dy[a];
          arriere[i][a] = valide[i] && p.valide(nx, ny) ? indice(nx, ny) : -1;
        }
      }
  }
};


// The progress texts of the two phases, made once.
const std::string& progression(bool deplacement, int k) {
  static const auto textes = [] {
    std::array<std::array<std::string, nbCases + 1>, 2> t;
    for (int i = 0; i <= nbCases; ++i) {
      t[0][i] = textes::progressionPlacement(i);
      t[1][i] = textes::progressionDeplacement(i);
    }
    return t;
  }();
  return textes[deplacement ? 1 : 0][static_cast<std::size_t>(std::clamp(k, 0, nbCases))];
}

// The board read once: per grid index the letter as the words read it (1..26,
// 0 for an empty cell or none), the owner and the value.
struct Grille {
  std::array<int32_t, nbIndices> lettre{};
  std::array<int32_t, nbIndices> proprietaire{};
  std::array<int32_t, nbIndices> valeur{};
};

// The engine's path length (Jeu::distanceVers) on flat tables: the same order of
// directions, the same memo kept while the path is still marked, hence the same
// lengths, and the same memo left behind. The queries towards one target run in
// board order and can be taken up again where they stopped.
class Chemins {
 public:
  // The empty neighbours of each cell, in the order of the directions.
  struct Voisins {
    std::array<std::array<int16_t, 6>, nbIndices> cellule;
    std::array<uint8_t, nbIndices> nombre;
    void lire(const Geometrie& geo, const Grille& g) {
      for (int i = 0; i < nbIndices; ++i) {
        nombre[i] = 0;
        for (int v : geo.voisin[i])
          if (v >= 0 && g.proprietaire[v] == 0) cellule[i][nombre[i]++] = static_cast<int16_t>(v);
      }
    }
  };

  void viser(int cible, const Voisins& voisins) {
    voisins_ = &voisins;
    cible_ = cible;
    suivant_ = 0;
    memo_.fill(-1);
    visite_.fill(0);
  }
  // Runs the queries of the cells of `ordre` (board order) up to `cellule`, one
  // of them, and gives its length.
  int32_t jusqua(int cellule, const std::vector<int>& ordre) {
    while (suivant_ < ordre.size() && ordre[suivant_] <= cellule) {
      const int i = ordre[suivant_++];
      resultat_[i] = vers(i);
    }
    return resultat_[cellule];
  }
  // Writes the memo into the board as the engine's queries would have left it.
  void recopier(Plateau& p) const {
    for (int x = 0; x < tailleGrille; ++x)
      for (int y = 0; y < tailleGrille; ++y) {
        p.cases[x][y].visite = 0;
        p.cases[x][y].distance = memo_[indice(x, y)];
      }
    p.cibleX = cible_ / tailleGrille;
    p.cibleY = cible_ % tailleGrille;
  }

 private:
  int32_t vers(int i) {
    visite_[i] = 1;
    int32_t meilleur = aucun;
    const auto& voisins = voisins_->cellule[i];
    for (int n = 0; n < voisins_->nombre[i]; ++n) {
      const int v = voisins[n];
      if (visite_[v]) continue;
      int32_t c;
      if (v == cible_) {
        c = 1;
      } else if (memo_[v] != -1) {
        c = memo_[v] != 0 ? memo_[v] + 1 : 0;
      } else {
        const int32_t r = vers(v);
        c = r != 0 ? r + 1 : 0;
      }
      if (c != 0 && c < meilleur) meilleur = c;
    }
    visite_[i] = 0;
    if (meilleur == aucun) meilleur = 0;
    if (memo_[i] == -1) memo_[i] = meilleur;
    return meilleur;
  }

  static constexpr int32_t aucun = 32767;
  const Voisins* voisins_ = nullptr;
  std::array<int32_t, nbIndices> memo_{};
  std::array<int32_t, nbIndices> resultat_{};
  std::array<uint8_t, nbIndices> visite_{};
  int cible_ = 0;
  std::size_t suivant_ = 0;
};

using AxesDesCases = std::array<std::array<Axe, 3>, nbIndices>;
using CheminsDesCases = std::array<Chemins, nbIndices>;

}  // namespace

// Declared in Jeu.h: it runs its trials on the engine's own board.
class Rapide {
 public:
  Rapide(Jeu& jeu, const Geometrie& geo, AxesDesCases& axes, CheminsDesCases& chemins)
      : jeu_(jeu), p_(jeu.plateau), graphe_(jeu.dico.graphe()), geo_(geo),
        moi_(static_cast<int32_t>(jeu.joueurCourant) + 1), axes_(axes), chemins_(chemins) {
    L_ = std::min<int>(jeu.courant().tailleMax, longueurMax);
    bonusActif_ = jeu.tour > 1;
    for (int x = 0; x < tailleGrille; ++x)
      for (int y = 0; y < tailleGrille; ++y) {
        const int i = indice(x, y);
        if (!geo_.valide[i]) continue;
        const cellule& c = p_.cases[x][y];
        g_.lettre[i] = c.lettre >= 'A' && c.lettre <= 'Z' ? c.lettre - 64 : 0;
        g_.proprietaire[i] = c.proprietaire;
        g_.valeur[i] = c.valeur;
      }
    for (int32_t l = 0; l <= 26; ++l) poids_[l] = l == 0 ? 0 : p_.poidsDe(l + 64);
    // The letters the player can put on a cell: those of its stock and, for
    // the moves, those of its tokens that can pay a step. The masks hold no other.
    const joueur& j = jeu.courant();
    for (int32_t l = 1; l <= 26; ++l)
      if (j.lettres[l] > 0) utiles_ |= uint32_t{1} << (l - 1);
    if (jeu.tour >= 2 && j.deplacements)
      for (int i = 0; i < nbIndices; ++i)
        if (geo_.valide[i] && g_.proprietaire[i] == moi_ && g_.valeur[i] >= 1 && g_.lettre[i] != 0)
          utiles_ |= uint32_t{1} << (g_.lettre[i] - 1);
  }

  Recherche chercher() {
    Recherche r;
    jeu_.ecran.definirLegende(textes::legende);
    joueur& j = jeu_.courant();

    // Placements.
    uint32_t stock = 0;
    for (int32_t l = 1; l <= 26; ++l)
      if (j.lettres[l] > 0) stock |= uint32_t{1} << (l - 1);
    int k = 1;
    for (int x = 0; x < tailleGrille; ++x)
      for (int y = p_.ligneMin[x]; y <= p_.ligneMax[x]; ++y) {
        const int i = indice(x, y);
        if (stock != 0 && destinationPlacement(i)) {
          jeu_.ecran.mettreAJourTemps();
          const std::array<Axe, 3>& axes = axesDe(i);
          const uint32_t utiles = stock & (axes[0].tous | axes[1].tous | axes[2].tous);
          for (int32_t l = 1; l <= 26; ++l) {
            const uint32_t c = static_cast<uint32_t>(l - 1);
            if (!(utiles >> c & 1)) continue;
            Total t;
            for (const Axe& a : axes) t.ajouter(a.evaluer(c, a.kdeb, a.kfin, L_, bonusActif_, poids_[l]));
            if (t.trouve) noter(r, cle(t), Candidat{x, y, -1, -1, 0, l}, false);
          }
        }
        jeu_.ecran.texteStatut(progression(false, k));
        ++k;
      }
    r.dernierPlacement = static_cast<int32_t>(r.candidats.size()) - 1;

    if (jeu_.tour < 2 || !j.deplacements) return r;

    // Moves, in two passes. First every trial, which needs no path length:
    // only the plays whose key is at least the best placement's can be in the
    // list. Then, best key first, the path lengths of those plays alone: the
    // first key held by a play whose token can pay its path is the best key of
    // the whole search, and the list ends with the plays of that key in search
    // order, as ranking them one by one would leave it.
    std::vector<int> jetons, ordre;
    for (int x = 0; x < tailleGrille; ++x)
      for (int y = p_.ligneMin[x]; y <= p_.ligneMax[x]; ++y) {
        const int i = indice(x, y);
        ordre.push_back(i);
        if (g_.proprietaire[i] == moi_ && g_.valeur[i] >= 1) jetons.push_back(i);
      }

    // A path length the engine finds is the length of a real path through
    // empty cells, never shorter than the shortest one: a token can only go
    // where the shortest path is within its value. Those cells, per token.
    voisinsLibres_.lire(geo_, g_);
    std::vector<Ensemble> portees;
    Ensemble accessibles{};
    for (int i : jetons) {
      portees.push_back(portee(i, g_.valeur[i]));
      accessibles[0] |= portees.back()[0];
      accessibles[1] |= portees.back()[1];
    }

    std::vector<Essai> essais;
    std::vector<int> venants;
    k = 1;
    int derniere = -1;
    for (int i : ordre) {
      if (g_.proprietaire[i] == 0 && !isolee(i)) {
        derniere = i;
        if (dans(accessibles, i)) {
          venants.clear();
          for (std::size_t t = 0; t < jetons.size(); ++t)
            if (dans(portees[t], i)) venants.push_back(jetons[t]);
          essaisVers(i, venants, r.meilleure, essais);
        }
      }
      jeu_.ecran.texteStatut(progression(true, k));
      ++k;
    }

    std::array<int, nbIndices> cheminDe;
    cheminDe.fill(-1);
    int nbChemins = 0;
    auto chemin = [&](int dest) -> Chemins& {
      if (cheminDe[dest] < 0) {
        cheminDe[dest] = nbChemins++;
        chemins_[cheminDe[dest]].viser(dest, voisinsLibres_);
      }
      return chemins_[cheminDe[dest]];
    };
    std::vector<Cle> cles;
    for (const Essai& e : essais) cles.push_back(e.cle);
    std::sort(cles.begin(), cles.end(), [](const Cle& a, const Cle& b) { return b < a; });
    cles.erase(std::unique(cles.begin(), cles.end()), cles.end());
    for (const Cle& niveau : cles) {
      std::vector<Candidat> retenus;
      for (const Essai& e : essais) {
        if (e.cle != niveau) continue;
        const int32_t d = chemin(e.destination).jusqua(e.source, ordre);
        if (d == 0 || g_.valeur[e.source] < d) continue;
        retenus.push_back(Candidat{e.destination / tailleGrille, e.destination % tailleGrille,
                                   e.source / tailleGrille, e.source % tailleGrille, d, g_.lettre[e.source]});
      }
      if (retenus.empty()) continue;
      if (r.meilleure < niveau) {
        r.candidats.clear();
        r.meilleure = niveau;
        r.dernierPlacement = -1;
      }
      r.candidats.insert(r.candidats.end(), retenus.begin(), retenus.end());
      break;
    }

    // The memo as the last destination's queries leave it.
    if (derniere >= 0) {
      Chemins& c = chemin(derniere);
      c.jusqua(ordre.back(), ordre);
      c.recopier(p_);
      p_.distancesValides = false;
    }
    return r;
  }

 private:
  static Cle cle(const Total& t) { return Cle{t.points, t.bonus, t.pris}; }

  bool destinationPlacement(int i) const {
    if (g_.proprietaire[i] != 0) return false;
    for (int v : geo_.voisin[i])
      if (v >= 0 && g_.proprietaire[v] == moi_) return true;
    return false;
  }

  using Ensemble = std::array<uint64_t, 2>;  // a set of grid indices
  static bool dans(const Ensemble& e, int i) { return e[static_cast<unsigned>(i) / 64] >> (i % 64) & 1; }

  // The empty cells within `pas` steps of the token on `depart`, through empty cells.
  Ensemble portee(int depart, int32_t pas) const {
    Ensemble vus{};
    std::array<int, nbIndices> file;
    std::size_t debut = 0, fin = 0;
    for (int n = 0; n < voisinsLibres_.nombre[depart]; ++n) {
      const int v = voisinsLibres_.cellule[depart][n];
      vus[static_cast<unsigned>(v) / 64] |= uint64_t{1} << (v % 64);
      file[fin++] = v;
    }
    for (int32_t d = 1; d < pas && debut < fin; ++d) {
      const std::size_t bout = fin;
      for (; debut < bout; ++debut) {
        const int c = file[debut];
        for (int n = 0; n < voisinsLibres_.nombre[c]; ++n) {
          const int v = voisinsLibres_.cellule[c][n];
          if (dans(vus, v)) continue;
          vus[static_cast<unsigned>(v) / 64] |= uint64_t{1} << (v % 64);
          file[fin++] = v;
        }
      }
    }
    return vus;
  }

  bool isolee(int i) const {
    for (int v : geo_.voisin[i])
      if (v >= 0 && g_.proprietaire[v] != 0) return false;
    return true;
  }

  // The three axes of an empty cell, read once for both phases.
  const std::array<Axe, 3>& axesDe(int i) {
    if (!pret_[i]) {
      for (int a = 0; a < 3; ++a) preparer(axes_[i][a], i, a);
      pret_[i] = true;
    }
    return axes_[i];
  }

  // One axis of an empty cell: its run, prefix counts and masks.
  void preparer(Axe& axe, int centre, int a) {
    std::array<uint32_t, 2 * longueurMax> lettres{};  // 0 = A
    axe.kdeb = 0;
    for (int c = geo_.arriere[centre][a]; axe.kdeb - 1 >= 1 - L_ && c >= 0 && g_.lettre[c] != 0;
         c = geo_.arriere[c][a]) {
      --axe.kdeb;
      axe.cellule[axe.kdeb + decalage] = c;
    }
    axe.kfin = 0;
    for (int c = geo_.voisin[centre][a]; axe.kfin + 1 <= L_ - 1 && c >= 0 && g_.lettre[c] != 0;
         c = geo_.voisin[c][a]) {
      ++axe.kfin;
      axe.cellule[axe.kfin + decalage] = c;
    }
    axe.cellule[decalage] = centre;
    axe.tous = 0;
    axe.dansRun = {0, 0};
    for (int k = axe.kdeb; k <= axe.kfin; ++k)
      if (k != 0) axe.dansRun[axe.cellule[k + decalage] / 64] |= uint64_t{1} << (axe.cellule[k + decalage] % 64);
    axe.pris[axe.kdeb + decalage] = 0;
    axe.poids[axe.kdeb + decalage] = 0;
    for (int k = axe.kdeb; k <= axe.kfin; ++k) {
      const int i = axe.cellule[k + decalage];
      int32_t pris = 0, poids = 0;
      if (k != 0) {
        lettres[k + decalage] = static_cast<uint32_t>(g_.lettre[i] - 1);
        pris = g_.valeur[i] != 0 && g_.proprietaire[i] != moi_ ? 1 : 0;
        poids = poids_[g_.lettre[i]];
      }
      axe.pris[k + decalage + 1] = axe.pris[k + decalage] + pris;
      axe.poids[k + decalage + 1] = axe.poids[k + decalage] + poids;
    }
    const int derniereDebut = std::min(axe.kfin - 1, 0);
    for (int s = axe.kdeb; s <= derniereDebut; ++s) axe.masques[s + decalage].fill(0);
    // Forwards: the letters from a start s up to the cell lead to a node; from
    // there each letter of the cell, then the letters after it, one by one,
    // reach an end of word for each length from s that makes a word.
    for (int s = axe.kdeb; s <= derniereDebut; ++s) {
      GrapheMots::Noeud n = graphe_.racine();
      for (int k = s; k < 0 && !n.impasse(); ++k) n = graphe_.suivant(n, lettres[k + decalage]);
      auto& m = axe.masques[s + decalage];
      graphe_.pourChaqueSuite(n, utiles_, [&](uint32_t c, GrapheMots::Noeud suite) {
        const uint32_t bit = uint32_t{1} << c;
        int longueur = 1 - s;
        if (longueur >= 2 && suite.finDeMot()) m[longueur] |= bit;
        for (int k = 1; k <= axe.kfin && longueur < L_; ++k) {
          suite = graphe_.suivant(suite, lettres[k + decalage]);
          if (suite.impasse()) break;
          ++longueur;
          if (suite.finDeMot()) m[longueur] |= bit;
        }
      });
    }
    // Backwards: a word read from its end e >= 0 back to its start: the letters
    // e..1 lead to a node, then the cell's letter, then the letters -1, -2, ...
    // each reach the start of a word where the walk meets an end of word.
    for (int e = axe.kdeb < 0 ? 0 : 1; e <= axe.kfin && e < L_; ++e) {  // a word has two letters
      GrapheMots::Noeud n = graphe_.racine();
      for (int k = e; k > 0 && !n.impasse(); --k) n = graphe_.suivant(n, lettres[k + decalage]);
      graphe_.pourChaqueSuite(n, utiles_, [&](uint32_t c, GrapheMots::Noeud suite) {
        const uint32_t bit = uint32_t{1} << c;
        int longueur = e + 1;
        if (longueur >= 2 && suite.finDeMot()) axe.masques[decalage][longueur] |= bit;
        for (int k = -1; k >= axe.kdeb && longueur < L_; --k) {
          suite = graphe_.suivant(suite, lettres[k + decalage]);
          if (suite.impasse()) break;
          ++longueur;
          if (suite.finDeMot()) axe.masques[k + decalage][longueur] |= bit;
        }
      });
    }
    for (int s = axe.kdeb; s <= derniereDebut; ++s) {
      uint32_t tous = 0;
      for (uint32_t m : axe.masques[s + decalage]) tous |= m;
      axe.parDebut[s + decalage] = tous;
      axe.tous |= tous;
    }
  }

  // The trials of every token moved to the empty cell `dest`, in the order of
  // the plain search, that find a word with a key of at least `seuil`.
  void essaisVers(int dest, const std::vector<int>& jetons, const Cle& seuil, std::vector<Essai>& essais) {
    const std::array<Axe, 3>& axes = axesDe(dest);
    const uint32_t tous = axes[0].tous | axes[1].tous | axes[2].tous;
    bool temps = false;
    for (int i : jetons) {
      const int32_t l = g_.lettre[i];
      if (!(tous >> (l - 1) & 1)) continue;
      if (!temps) {
        jeu_.ecran.mettreAJourTemps();
        temps = true;
      }
      Total t;
      for (const Axe& a : axes) {
        int kd = a.kdeb, kf = a.kfin;
        // The source, emptied, cuts the run.
        if (a.contient(i))
          for (int k = a.kdeb; k <= a.kfin; ++k)
            if (k != 0 && a.cellule[k + decalage] == i) {
              if (k < 0) kd = k + 1;
              else kf = k - 1;
            }
        t.ajouter(a.evaluer(static_cast<uint32_t>(l - 1), kd, kf, L_, bonusActif_, poids_[l]));
      }
      if (t.trouve && !(cle(t) < seuil)) essais.push_back({dest, i, cle(t)});
    }
  }

  Jeu& jeu_;
  Plateau& p_;
  const GrapheMots& graphe_;
  const Geometrie& geo_;
  const int32_t moi_;
  int L_ = 0;
  bool bonusActif_ = false;
  uint32_t utiles_ = 0;
  std::array<int32_t, 27> poids_{};
  Grille g_;
  AxesDesCases& axes_;
  CheminsDesCases& chemins_;
  Chemins::Voisins voisinsLibres_;
  std::array<bool, nbIndices> pret_{};
};

namespace {

// Whether every cell is as the game makes them: a letter A..Z with an owner, or
// nothing at all. The fast search relies on it; any other board (a hand-made
// one) goes to the plain search, which reads it as it stands.
bool plateauSain(const Plateau& p, const Geometrie& geo) {
  for (int x = 0; x < tailleGrille; ++x)
    for (int y = 0; y < tailleGrille; ++y) {
      if (!geo.valide[indice(x, y)]) continue;
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
  // The geometry, the axes and path searches of every cell, some 350 KB: one
  // store per thread that searches, reused by each of its searches.
  struct Memoire {
    Geometrie geo;
    bool geoLue = false;
    AxesDesCases axes;
    CheminsDesCases chemins;
  };
  thread_local std::unique_ptr<Memoire> memoire;
  if (!memoire) memoire = std::make_unique<Memoire>();
  Memoire& m = *memoire;
  if (!m.geoLue || !m.geo.pour(jeu.plateau)) {
    m.geo.construire(jeu.plateau);
    m.geoLue = true;
  }
  if (!plateauSain(jeu.plateau, m.geo)) return simple(jeu);
  Rapide r(jeu, m.geo, m.axes, m.chemins);
  return r.chercher();
}

}  // namespace irvad::recherche
