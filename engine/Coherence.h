#pragma once
// The rules every position reached by play keeps, checked as a whole: counts
// within their tables, stock totals, the tokens of the hexagon and the count
// of free cells, the passes of the round, and the opening round's vertices
// and stocks. The loader of saved games refuses a position that breaks one,
// so that every game it lets in plays on by the rules; the long run of
// irvad-cli checks every turn against them.
#include <cstdint>
#include <span>
#include <string>

#include "Etat.h"
#include "Position.h"

namespace irvad {

// A position as the rules judge it.
struct VuePosition {
  uint32_t nbJoueurs = 0;
  uint32_t joueurCourant = 0;
  uint32_t tour = 0;
  std::span<const joueur> joueurs;  // the records of players 0, 1, ... (at least nbJoueurs of them)
  const cellule (*cases)[tailleGrille] = nullptr;
  int32_t casesLibres = 0;
  int32_t nbPasses = 0;
};

// The first rule the position breaks, as a short text; empty when it keeps
// them all.
std::string incoherence(const VuePosition& p);
std::string incoherence(const Position& p);

}  // namespace irvad
