#pragma once
// The choice of the words of each block among the candidates.
#include <cstddef>
#include <string>
#include <vector>

#include "DicoEcriture.h"

namespace irvad::dico {

struct Candidat {
  std::string mot;
  int sources;  // how many sources hold it
};

// Chooses n words among the candidates of one length (any order, no
// duplicate): the words held by the most sources first, tier after tier; in
// the tier that does not fit whole, words spread evenly over its alphabetical
// order (the words at the places (2i + 1) m / 2n of the m words of the tier,
// for i = 0 .. n' - 1, where n' words are still to be chosen), so that no
// part of the alphabet is cut off. The result is sorted; it depends only on
// the set of candidates. Returns fewer than n words only when there are fewer
// candidates.
std::vector<std::string> choisir(std::vector<Candidat> candidats, std::size_t n);

// Every k-th place, spread evenly: n places among 0 .. m - 1 (n <= m),
// strictly ascending.
std::vector<std::size_t> repartir(std::size_t m, std::size_t n);

// Fills listes from the candidates of each length (element L - 2), choosing
// with choisir. Returns false when a length has too few candidates; erreur
// then names every length short of words and by how many.
bool choisirListes(const std::array<std::vector<Candidat>, dicoNbLongueurs>& candidats, ListeMots& listes,
                   std::string& erreur);

}  // namespace irvad::dico
