#pragma once
// The word list: all words of 2 to 9 capital letters, one block of
// fixed-length words per length, each block sorted, looked up by halving.
#include <array>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <new>
#include <string>
#include <utility>
#include <vector>

#include "GrapheMots.h"

namespace irvad {

class Ecran;

// Storage that the system hands over already zeroed (calloc): a list not yet
// loaded writes nothing, its pages are only mapped when first read, which
// keeps the start of the program from paying for a megabyte of zeros.
template <class T>
struct AllocateurZero {
  using value_type = T;
  AllocateurZero() = default;
  template <class U>
  AllocateurZero(const AllocateurZero<U>&) {}
  T* allocate(std::size_t n) {
    void* p = std::calloc(n, sizeof(T));
    if (p == nullptr) throw std::bad_alloc();
    return static_cast<T*>(p);
  }
  void deallocate(T* p, std::size_t) { std::free(p); }
  // Built without a value, an element keeps the zero it came with.
  template <class U, class... A>
  void construct(U* p, A&&... a) {
    if constexpr (sizeof...(A) == 0)
      ::new (static_cast<void*>(p)) U;
    else
      ::new (static_cast<void*>(p)) U(std::forward<A>(a)...);
  }
  bool operator==(const AllocateurZero&) const = default;
};

class Dico {
 public:
  // Letters (not words) in the block of each length 2..9.
  static constexpr std::array<int32_t, 8> tailles = {150,    1680,   9276,   35920,
                                                     98376,  207277, 352872, 491580};
  static constexpr int32_t totalLettres = 1197131;
  static constexpr const char* nomFichier = "L23456789";

  enum class Resultat { Ok, Introuvable, ErreurLecture };

  Dico();

  // Reads the list from a file in the L23456789 format, driving the loading
  // dialog through the screen (which may be null). On failure the letters read
  // so far stay, the rest is zero, and the dialog shows the reason.
  Resultat charger(const std::string& chemin, Ecran* ecran);

  // Whether the `longueur` (2..9) letters at `mot` form a word of the list.
  // Any other length answers false.
  bool contient(const char* mot, int longueur) const;

  int32_t debut(int longueur) const { return debuts[longueur - 2]; }
  int32_t nombreMots(int longueur) const { return tailles[longueur - 2] / longueur; }
  const char* mot(int longueur, int32_t k) const { return texte.data() + debut(longueur) + k * longueur; }

  // The words as a graph (GrapheMots.h), made by each load from the letters
  // then in place, and shared by every copy of this list. Only a load changes
  // the letters.
  const GrapheMots& graphe() const { return *graphe_; }
  const std::shared_ptr<const GrapheMots>& graphePartage() const { return graphe_; }

  std::array<int32_t, 9> debuts{};
  std::vector<char, AllocateurZero<char>> texte;  // totalLettres letters and one zero byte

 private:
  std::shared_ptr<const GrapheMots> graphe_;
};

// The folder of the running program (its real path, links resolved), ending
// with a separator; empty if it cannot be found.
std::string repertoireProgramme();

}  // namespace irvad
