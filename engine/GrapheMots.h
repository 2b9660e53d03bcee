#pragma once
// The words of the list as a graph of letters: the smallest automaton that
// reads exactly the words the list's lookup accepts (a directed acyclic word
// graph). Words that share an end share the nodes that read it, so the French
// list of 155,000 words fits in some 23,000 nodes and 67,000 edges, under
// half a megabyte, and is built in a few milliseconds when the list is loaded.
//
// The computer player's fast search reads the words through it: from a node,
// the letters that go on form one bit mask, so "which letters complete this
// word" is a walk, not a lookup per letter. It never changes once built: the
// list and every copy of it share one graph.
#include <bit>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

namespace irvad {

class Dico;

class GrapheMots {
 public:
  // A node of the graph, held by value: the letters that lead on from it (bit
  // 0 = A), whether the letters read up to it form a word, and where its edges
  // start. A letter that does not lead on reaches a dead end: a node with no
  // letter that is no word, which ends every walk.
  class Noeud {
   public:
    uint32_t suites() const { return masque_ & lettres; }
    bool finDeMot() const { return (masque_ & fin) != 0; }
    bool impasse() const { return masque_ == 0; }

   private:
    friend class GrapheMots;
    friend class ConstructeurGraphe;
    uint32_t masque_ = 0;
    uint32_t premiere_ = 0;  // its first edge in aretes_; one edge per letter, in alphabetical order
  };

  // The graph of the words of `dico`: those that dico.contient accepts, read
  // as capital letters A..Z (a word holding any other byte never matches a
  // word read on the board and is left out).
  explicit GrapheMots(const Dico& dico);

  // A graph without any word, shared.
  static std::shared_ptr<const GrapheMots> vide();

  Noeud racine() const { return racine_; }
  // The node after letter c (0 = A, up to 25) from `n`. Each edge holds the
  // node it leads to, so a step is a single read.
  Noeud suivant(Noeud n, uint32_t c) const {
    if (!(n.masque_ >> c & 1)) return Noeud{};
    return aretes_[n.premiere_ + compter(n.masque_ & ((uint32_t{1} << c) - 1))];
  }

  // Calls f(c, node) for each letter c (0 = A) of `filtre` that leads on from
  // n, in alphabetical order, with the node it leads to: the edges of a node
  // follow one another, so no count of bits is needed.
  template <class F>
  void pourChaqueSuite(Noeud n, uint32_t filtre, F&& f) const {
    std::size_t arete = n.premiere_;
    for (uint32_t m = n.suites(); m != 0; m &= m - 1, ++arete) {
      const auto c = static_cast<uint32_t>(std::countr_zero(m));
      if (filtre >> c & 1) f(c, aretes_[arete]);
    }
  }

  // Whether the `longueur` letters at `mot` are a word of the graph.
  bool contient(const char* mot, int longueur) const;

  std::size_t nombreNoeuds() const { return nombreNoeuds_; }
  std::size_t nombreAretes() const { return aretes_.size(); }
  // The memory the graph holds.
  std::size_t octets() const { return sizeof *this + aretes_.capacity() * sizeof(Noeud); }

 private:
  GrapheMots() = default;

  static constexpr uint32_t lettres = (uint32_t{1} << 26) - 1;
  static constexpr uint32_t fin = uint32_t{1} << 31;

  // The bits set in m. std::popcount becomes a library call where the
  // processor's own instruction is not assumed (the default for x86-64); this
  // stays inline, in a dozen plain operations.
  static uint32_t compter(uint32_t m) {
#if defined(__POPCNT__) || !(defined(__x86_64__) || defined(__i386__))
    return static_cast<uint32_t>(std::popcount(m));
#else
    m = m - ((m >> 1) & 0x55555555u);
    m = (m & 0x33333333u) + ((m >> 2) & 0x33333333u);
    return (((m + (m >> 4)) & 0x0F0F0F0Fu) * 0x01010101u) >> 24;
#endif
  }

  friend class ConstructeurGraphe;

  std::vector<Noeud> aretes_;  // for each edge, the node it leads to
  Noeud racine_;
  std::size_t nombreNoeuds_ = 1;
};

}  // namespace irvad
