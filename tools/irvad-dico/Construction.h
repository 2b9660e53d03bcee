#pragma once
// The whole choice of a word list from the sources and the decisions.
#include <array>
#include <cstddef>
#include <string>
#include <vector>

#include "Decisions.h"
#include "DicoEcriture.h"
#include "Selection.h"
#include "Sources.h"

namespace irvad::dico {

struct Construction {
  ListeMots listes;
  std::array<std::size_t, dicoNbLongueurs> candidats{};  // per length
  std::array<ChoixCourts, 4> courts;                     // lengths 2 to 5
  std::size_t lemmes = 0;            // lemmas of the hunspell dictionaries
  std::size_t jumeaux = 0;           // reformed spellings ranked with their classical twin
  std::size_t groupesCoupes = 0;     // lemmas cut by the choice of 6 to 9 letters
  std::size_t pairesCoupees = 0;     // pairs MOT / MOTS of candidates with one in the list, one out
  std::vector<std::string> absents;  // decided words that no source writes
};

// Chooses every block: 2 to 5 letters with choisirCourts over the candidates
// of that length and the words a decision accepts that some source writes in
// any form; 6 to 9 letters with choisirLongs over groupesLongs. With essai,
// every refused short word is put in (see choisirCourts).
bool construire(const std::vector<SourceLue>& sources, const Decisions& decisions, bool essai, Construction& c,
                std::string& erreur);

// The groups that choisirLongs ranks for the blocks of 6 to 9 letters: every
// lemma of the sources with forms of 6 to 9 letters (the same entry of both
// hunspell-fr builds is one lemma), and every candidate of 6 to 9 letters that
// no lemma holds. They rank by
// 1. how many families hold the lemma (the most held of its forms); a
//    reformed spelling of 1990 (an entry of the comprehensive build only)
//    ranks with its classical twin: the hyphenated word it welds (week-end for
//    weekend) or the classical entry of the same kind within two letters
//    (trader for tradeur);
// 2. a lemma before a word without one;
// 3. among the words one family holds, nouns, adjectives and the rest before
//    verbs;
// 4. a classical spelling (or one ranked with its twin) before a variant.
// lemmes counts the lemmas, jumeaux the reformed spellings ranked with a twin.
std::vector<Groupe> groupesLongs(const std::vector<SourceLue>& sources, std::size_t& lemmes, std::size_t& jumeaux);

// The edit distance between a and b (insertions, deletions, substitutions),
// or limite + 1 when it exceeds limite.
std::size_t distance(const std::string& a, const std::string& b, std::size_t limite);

}  // namespace irvad::dico
