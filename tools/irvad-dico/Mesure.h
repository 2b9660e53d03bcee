#pragma once
// How much junk computer players form with a word list: the words of seeded
// games, and among them those that the reviewed decisions refuse.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "Decisions.h"

namespace irvad::dico {

// A refused word formed: how many times, in how many games. A game that goes
// on for ever (tokens moving back and forth until the 1000th round) may form
// one word hundreds of times; the number of games tells how common it is.
struct Rebut {
  std::string mot;
  std::size_t fois = 0;
  std::size_t parties = 0;
};

struct Mesure {
  std::size_t parties = 0;
  std::size_t mots = 0;   // words formed
  std::size_t rebut = 0;  // of which refused
  std::vector<Rebut> rebutParMot;  // the most formed first
};

// Plays on the list in the file `liste` the games of 2, 3 and 6 computer
// players seeded premiereGraine .. premiereGraine + graines - 1, each as
// `irvad-cli jouer --joueurs N --graine G` plays it (longest word 5, moves
// allowed, no play-off), and counts the words formed.
bool mesurer(const std::string& liste, const Decisions& decisions, std::uint32_t premiereGraine,
             std::uint32_t graines, Mesure& mesure, std::string& erreur);

}  // namespace irvad::dico
