#pragma once
// The choice of the words of each block among the candidates: the short words
// (2 to 5 letters) one by one after the reviewed decisions, the long ones (6 to
// 9 letters) lemma by lemma.
#include <array>
#include <cstddef>
#include <string>
#include <vector>

#include "Decisions.h"
#include "DicoEcriture.h"
#include "Sources.h"

namespace irvad::dico {

// The order in which to visit m things sorted by name so that every start of
// the visit is spread evenly over the names (0, m/2, m/4, 3m/4, ...: the
// bit-reversed counting). It is how the alphabet breaks the last ties without
// cutting off its end.
std::vector<std::size_t> ordreEtale(std::size_t m);

// n words of sorted, distinct mots, taken in ordreEtale; sorted.
std::vector<std::string> etaler(const std::vector<std::string>& mots, std::size_t n);

// A word of 2 to 5 letters and the families that list it as a word (0 for a
// word that the sources only write in a form the filters drop).
struct MotCourt {
  std::string mot;
  Familles familles = 0;
};

struct ChoixCourts {
  std::vector<std::string> mots;      // the block, sorted
  std::vector<std::string> bouchons;  // refused words among them, in the order they came in
  std::vector<std::string> aRevoir;   // candidates that the review covers but that have no decision
};

// Chooses n words of one length L (2 to 5) among the candidates (any order, no
// duplicate), in this order:
// 1. the real words: those a decision accepts, and those without a decision
//    that a hunspell dictionary knows; the words more families hold first, the
//    alphabet spread (ordreEtale) for ties;
// 2. the words without a decision that no hunspell dictionary knows (they need
//    a reason to stay), in the same order;
// 3. the refused words, in the order of the decisions.
// With essai every refused word comes first: a list for measuring how often
// games form each of them. A word of familles 0 comes in only by a decision.
// Returns false when fewer than n words are at hand.
// aRevoir lists the candidates without a decision that the review covers:
// every one of 2 and 3 letters, those of 4 letters that fewer than three
// families hold or no hunspell dictionary knows, those of 5 letters that no
// hunspell dictionary knows.
bool choisirCourts(const std::vector<MotCourt>& candidats, const Decisions& decisions, std::size_t n, bool essai,
                   ChoixCourts& choix);

// A lemma (every form of one word), or a word that no lemma holds, with its
// rank among the others: the groups of the lower rang come first.
struct Groupe {
  std::vector<std::string> formes;  // its candidate forms of 6 to 9 letters
  std::array<int, 4> rang{};
  std::string nom;  // for the last ties
};

struct ChoixLongs {
  std::array<std::vector<std::string>, 4> mots;  // lengths 6 to 9, sorted
  std::size_t groupesCoupes = 0;                 // groups that lost some forms and kept others
};

// Fills the blocks of 6 to 9 letters (places[L - 6] words of L letters) with
// whole groups: in the order of rang, the alphabet spread (ordreEtale) for
// ties, each group comes in with every form it still lacks when there is room
// for all of them in their blocks. The places then left go to the forms of the
// groups that did not fit, in the same order. A form may belong to several
// groups. Returns false when a block cannot be filled.
bool choisirLongs(std::vector<Groupe> groupes, const std::array<std::size_t, 4>& places, ChoixLongs& choix);

}  // namespace irvad::dico
