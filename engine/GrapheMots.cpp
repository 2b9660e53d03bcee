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
#include <cstring>
#include <limits>
#include <optional>

#include "Dico.h"

namespace irvad {

namespace {

constexpr int longueurMax = 9;

bool lettresSeules(const char* mot, int n) {
  for (int i = 0; i < n; ++i)
    if (mot[i] < 'A' || mot[i] > 'Z') return false;
  return true;
}

// A word of at most nine letters A..Z as a number that sorts as the words do:
// five bits a letter (1..26), the first letter highest, and 0 past the end, so
// that a word comes before the longer words it starts.
uint64_t cleTri(const char* mot, int n) {
  uint64_t c = 0;
  for (int i = 0; i < longueurMax; ++i) c = c << 5 | (i < n ? static_cast<uint64_t>(mot[i] - 'A' + 1) : 0);
  return c;
}

// Whether a block is in the order the list's search by halving reads it:
// unsigned bytes, words equal from a shared zero byte on. There the search
// finds exactly the words the block holds.
bool blocTrie(const Dico& dico, int n) {
  for (int32_t k = 1; k < dico.nombreMots(n); ++k) {
    const char* a = dico.mot(n, k - 1);
    const char* b = dico.mot(n, k);
    if (std::memcmp(a, b, static_cast<std::size_t>(n)) <= 0) continue;
    for (int i = 0; i < n; ++i) {
      const auto ca = static_cast<unsigned char>(a[i]), cb = static_cast<unsigned char>(b[i]);
      if (ca < cb || ca == 0) break;
      if (ca > cb) return false;
    }
  }
  return true;
}

// The words of one length in alphabetical order: those of a sorted block as
// they stand; in a block out of order (a list cut short), only those the
// search by halving still finds, sorted here.
class Bloc {
 public:
  static constexpr uint64_t epuise = std::numeric_limits<uint64_t>::max();

  Bloc(const Dico& dico, int n) : dico_(dico), n_(n), nombre_(dico.nombreMots(n)) {
    if (!blocTrie(dico, n)) {
      ordre_.emplace();
      for (int32_t k = 0; k < nombre_; ++k)
        if (lettresSeules(dico.mot(n, k), n) && dico.contient(dico.mot(n, k), n)) ordre_->push_back(k);
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

  // On to the next word of letters only.
  void avancer() {
    cle_ = epuise;
    while (suivant_ < nombre_) {
      const int32_t k = ordre_ ? (*ordre_)[static_cast<std::size_t>(suivant_)] : suivant_;
      ++suivant_;
      const char* m = dico_.mot(n_, k);
      if (!lettresSeules(m, n_)) continue;
      mot_ = m;
      cle_ = cleTri(m, n_);
      return;
    }
  }

 private:
  const Dico& dico_;
  int n_;
  int32_t nombre_;
  int32_t suivant_ = 0;
  std::optional<std::vector<int32_t>> ordre_;
  const char* mot_ = nullptr;
  uint64_t cle_ = epuise;
};

}  // namespace

class ConstructeurGraphe {
 public:
  explicit ConstructeurGraphe(GrapheMots& g) : g_(g) {
    table_.assign(std::size_t{1} << 12, aucun);
    ouverts_[0] = Ouvert{};
  }

  // The next word, never before the one given last.
  void ajouter(const char* mot, int n) {
    int commun = 0;
    while (commun < n && commun < longueur_ && precedent_[commun] == mot[commun]) ++commun;
    if (commun == n && n == longueur_) return;  // the same word again
    fermer(commun);
    for (int k = commun; k < n; ++k) {
      Ouvert& o = ouverts_[k];
      o.masque |= uint32_t{1} << (mot[k] - 'A');
      o.enfants[o.nombre++] = aucun;  // set when the child is closed
      ouverts_[k + 1].masque = 0;
      ouverts_[k + 1].nombre = 0;
    }
    ouverts_[n].masque |= GrapheMots::fin;
    std::copy(mot, mot + n, precedent_.begin());
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
  std::array<char, longueurMax> precedent_{};
  int longueur_ = 0;
};

GrapheMots::GrapheMots(const Dico& dico) {
  std::vector<Bloc> blocs;
  blocs.reserve(longueurMax - 1);
  for (int n = 2; n <= longueurMax; ++n) blocs.emplace_back(dico, n);
  ConstructeurGraphe c(*this);
  for (;;) {
    Bloc* premier = nullptr;
    for (Bloc& b : blocs)
      if (premier == nullptr || b.cle() < premier->cle()) premier = &b;
    if (premier->cle() == Bloc::epuise) break;
    c.ajouter(premier->mot(), premier->longueur());
    premier->avancer();
  }
  c.terminer();
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
