// Built in one pass over the words in alphabetical order, merged from the
// list's eight sorted blocks: each word shares the path of its common start
// with the word before it; the nodes of the earlier word beyond that start can
// no longer change, and each is then either merged with an equal node already
// made (same end-of-word bit, same edges to the same nodes) or kept as a new
// one. What is left is the smallest graph that reads exactly the words.
// No Debian library builds such a graph for a fixed 26-letter alphabet in a
// form the search can walk with bit masks, hence this one.
#include "GrapheMots.h"

#include <algorithm>
#include <array>
#include <bit>
#include <limits>
#include <optional>

#include "Dico.h"

namespace irvad {

namespace {

constexpr int longueurMax = 9;
constexpr uint64_t epuise = std::numeric_limits<uint64_t>::max();

// A word of letters A..Z as a number that sorts as the words do: five bits a
// letter (1..26) from the highest bit down and 0 past the end, so that a word
// comes before the longer words it starts, and two words share their first k
// letters exactly when their numbers share their first 5k bits. A word holding
// any other byte gives 0.
uint64_t cleTri(const char* mot, int n) {
  uint64_t c = 0;
  for (int i = 0; i < n; ++i) {
    const unsigned l = static_cast<unsigned>(static_cast<unsigned char>(mot[i])) - 'A';
    if (l > 25) return 0;
    c |= static_cast<uint64_t>(l + 1) << (59 - 5 * i);
  }
  return c;
}

// Whether word a may stand before word b in the order the list's search by
// halving reads a block: unsigned bytes, words equal from a shared zero byte
// on. In a block in that order the search finds exactly the words it holds.
bool avant(const char* a, uint64_t cleA, const char* b, uint64_t cleB, int n) {
  if (cleA != 0 && cleB != 0) return cleA <= cleB;
  for (int i = 0; i < n; ++i) {
    const auto ca = static_cast<unsigned char>(a[i]), cb = static_cast<unsigned char>(b[i]);
    if (ca < cb || ca == 0) return true;
    if (ca > cb) return false;
  }
  return true;
}

// The words of letters only of one length, in alphabetical order. A block is
// read as it stands, and checked on the way: if it turns out to be out of order
// (a list cut short), it is read again the other way, keeping only the words
// that the search by halving still finds, sorted here.
class Bloc {
 public:
  Bloc(const Dico& dico, int n, bool parRecherche) : dico_(dico), n_(n), nombre_(dico.nombreMots(n)) {
    if (parRecherche) {
      ordre_.emplace();
      for (int32_t k = 0; k < nombre_; ++k)
        if (cleTri(dico.mot(n, k), n) != 0 && dico.contient(dico.mot(n, k), n)) ordre_->push_back(k);
      std::stable_sort(ordre_->begin(), ordre_->end(), [&](int32_t a, int32_t b) {
        return cleTri(dico.mot(n, a), n) < cleTri(dico.mot(n, b), n);
      });
      nombre_ = static_cast<int32_t>(ordre_->size());
    }
    avancer();
  }

  uint64_t cle() const { return cle_; }
  int longueur() const { return n_; }
  const char* mot() const { return mot_; }
  bool desordre() const { return desordre_; }

  void avancer() {
    while (suivant_ < nombre_) {
      const int32_t k = ordre_ ? (*ordre_)[static_cast<std::size_t>(suivant_)] : suivant_;
      ++suivant_;
      const char* m = dico_.mot(n_, k);
      const uint64_t c = cleTri(m, n_);
      if (!ordre_) {
        if (precedent_ != nullptr && !avant(precedent_, clePrecedente_, m, c, n_)) desordre_ = true;
        precedent_ = m;
        clePrecedente_ = c;
      }
      if (c == 0) continue;
      mot_ = m;
      cle_ = c;
      return;
    }
    cle_ = epuise;
  }

 private:
  const Dico& dico_;
  int n_;
  int32_t nombre_;
  int32_t suivant_ = 0;
  std::optional<std::vector<int32_t>> ordre_;
  const char* mot_ = nullptr;
  uint64_t cle_ = epuise;
  const char* precedent_ = nullptr;
  uint64_t clePrecedente_ = 0;
  bool desordre_ = false;
};

}  // namespace

class ConstructeurGraphe {
 public:
  explicit ConstructeurGraphe(GrapheMots& g) : g_(g) {
    table_.assign(std::size_t{1} << 12, aucun);
    ouverts_[0] = Ouvert{};
  }

  // The next word, with its sort number; never before the one given last.
  void ajouter(const char* mot, int n, uint64_t cle) {
    if (cle == clePrecedente_) return;  // the same word again
    const int commun = std::min({std::countl_zero(cle ^ clePrecedente_) / 5, n, longueur_});
    clePrecedente_ = cle;
    fermer(commun);
    for (int k = commun; k < n; ++k) {
      Ouvert& o = ouverts_[k];
      o.masque |= uint32_t{1} << (mot[k] - 'A');
      o.enfants[o.nombre++] = aucun;  // set when the child is closed
      ouverts_[k + 1].masque = 0;
      ouverts_[k + 1].nombre = 0;
    }
    ouverts_[n].masque |= GrapheMots::fin;
    longueur_ = n;
  }

  void terminer() {
    fermer(0);
    const uint32_t racine = enregistrer(ouverts_[0]);
    g_.racine_ = noeuds_[racine];
    g_.nombreNoeuds_ = noeuds_.size();
    g_.aretes_.resize(aretes_.size());
    for (std::size_t i = 0; i < aretes_.size(); ++i) g_.aretes_[i] = noeuds_[aretes_[i]];
  }

 private:
  // A node still on the path of the last word: more edges may come.
  struct Ouvert {
    uint32_t masque = 0;
    int nombre = 0;
    std::array<uint32_t, 26> enfants{};
  };

  // Closes the nodes of the last word deeper than `profondeur`.
  void fermer(int profondeur) {
    for (int d = longueur_; d > profondeur; --d) {
      Ouvert& parent = ouverts_[d - 1];
      parent.enfants[parent.nombre - 1] = enregistrer(ouverts_[d]);
    }
    longueur_ = profondeur;
  }

  static uint64_t melange(uint32_t masque, const uint32_t* enfants, int nombre) {
    uint64_t h = masque * 0x9E3779B97F4A7C15ULL;
    for (int i = 0; i < nombre; ++i) h = (h ^ enfants[i]) * 0xC2B2AE3D27D4EB4FULL;
    return h ^ (h >> 31);
  }

  std::size_t place(uint64_t h) const { return static_cast<std::size_t>(h) & (table_.size() - 1); }

  // The node equal to `o`, made now if there is none yet.
  uint32_t enregistrer(const Ouvert& o) {
    // Most words start no longer word: their last node is always the same one.
    if (o.nombre == 0 && feuille_ != aucun) return feuille_;
    const uint32_t id = chercherOuFaire(o);
    if (o.nombre == 0) feuille_ = id;
    return id;
  }

  uint32_t chercherOuFaire(const Ouvert& o) {
    std::size_t i = place(melange(o.masque, o.enfants.data(), o.nombre));
    for (; table_[i] != aucun; i = (i + 1) & (table_.size() - 1)) {
      const GrapheMots::Noeud& n = noeuds_[table_[i]];
      if (n.masque_ == o.masque && std::equal(o.enfants.begin(), o.enfants.begin() + o.nombre,
                                               aretes_.begin() + static_cast<std::ptrdiff_t>(n.premiere_)))
        return table_[i];
    }
    const auto id = static_cast<uint32_t>(noeuds_.size());
    GrapheMots::Noeud n;
    n.masque_ = o.masque;
    n.premiere_ = static_cast<uint32_t>(aretes_.size());
    noeuds_.push_back(n);
    aretes_.insert(aretes_.end(), o.enfants.begin(), o.enfants.begin() + o.nombre);
    table_[i] = id;
    if (2 * noeuds_.size() > table_.size()) agrandir();
    return id;
  }

  void agrandir() {
    table_.assign(table_.size() * 2, aucun);
    for (uint32_t id = 0; id < noeuds_.size(); ++id) {
      const GrapheMots::Noeud& n = noeuds_[id];
      const int nombre = static_cast<int>(GrapheMots::compter(n.suites()));
      std::size_t i = place(melange(n.masque_, aretes_.data() + n.premiere_, nombre));
      while (table_[i] != aucun) i = (i + 1) & (table_.size() - 1);
      table_[i] = id;
    }
  }

  static constexpr uint32_t aucun = 0xFFFFFFFFu;

  GrapheMots& g_;
  // The nodes made so far by number, and for each edge the number of its node;
  // the graph's own edges hold the nodes themselves.
  std::vector<GrapheMots::Noeud> noeuds_;
  std::vector<uint32_t> aretes_;
  std::vector<uint32_t> table_;  // the nodes made, by their letters and edges
  std::array<Ouvert, longueurMax + 1> ouverts_;
  uint64_t clePrecedente_ = 0;
  int longueur_ = 0;
  uint32_t feuille_ = aucun;  // the node that ends a word and leads nowhere
};

GrapheMots::GrapheMots(const Dico& dico) {
  std::array<bool, longueurMax + 1> parRecherche{};
  for (;;) {
    std::vector<Bloc> blocs;
    blocs.reserve(longueurMax - 1);
    // Each block's next sort number, its block in the four low bits, which
    // sort numbers leave free: the smallest number is the next word.
    std::array<uint64_t, longueurMax - 1> cles;
    for (int n = 2; n <= longueurMax; ++n) {
      blocs.emplace_back(dico, n, parRecherche[n]);
      cles[n - 2] = (blocs.back().cle() & ~uint64_t{15}) | static_cast<uint64_t>(n - 2);
    }
    ConstructeurGraphe c(*this);
    for (;;) {
      uint64_t plusPetite = cles[0];
      for (std::size_t i = 1; i < cles.size(); ++i) plusPetite = std::min(plusPetite, cles[i]);
      const auto premier = static_cast<std::size_t>(plusPetite & 15);
      Bloc& b = blocs[premier];
      if (b.cle() == epuise) break;
      c.ajouter(b.mot(), b.longueur(), b.cle());
      b.avancer();
      cles[premier] = (b.cle() & ~uint64_t{15}) | premier;
    }
    bool relire = false;
    for (const Bloc& b : blocs)
      if (b.desordre()) relire = parRecherche[b.longueur()] = true;
    if (!relire) {
      c.terminer();
      return;
    }
  }
}

std::shared_ptr<const GrapheMots> GrapheMots::vide() {
  static const std::shared_ptr<const GrapheMots> g = [] {
    return std::shared_ptr<const GrapheMots>(new GrapheMots());
  }();
  return g;
}

bool GrapheMots::contient(const char* mot, int longueur) const {
  Noeud n = racine_;
  for (int i = 0; i < longueur && !n.impasse(); ++i) {
    if (mot[i] < 'A' || mot[i] > 'Z') return false;
    n = suivant(n, static_cast<uint32_t>(mot[i] - 'A'));
  }
  return n.finDeMot();
}

}  // namespace irvad
