#pragma once
// The game where hints and the Expert try plays out: a Jeu of its own on a
// screen that shows nothing, holding a copy of the word list of the game it
// serves (made once per list loaded).
#include "Ecran.h"
#include "Jeu.h"

namespace irvad {

class Bac {
 public:
  Bac() { jeu.horloge = [] { return int64_t{0}; }; }
  EcranNul ecran;
  Jeu jeu{ecran};
};

}  // namespace irvad
