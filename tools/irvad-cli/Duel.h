#pragma once
// The duel of irvad-cli: seeded two-player games of the Expert computer
// against the Standard one, the Expert in seat 1 in every other game.
#include <ostream>
#include <string>
#include <vector>

#include "Dico.h"

namespace irvad {

// Arguments: [--parties N] [--graine G] [--taille 5..9] [--deplacements oui|non].
// N games (400 by default) with seeds G, G+1, ... (G = 1 by default), both
// seats with the same longest word (9) and moves (on); the Expert sits in
// seat 1 in the games of even rank (the first, the third...) and in seat 2 in
// the others. Prints one line per game, then "expert: W/N gagnées (X.X %)",
// W counting the games whose final score the Expert has strictly the higher
// (a game stopped after 1000 rounds, as `jouer` stops them, with the scores it
// stopped on). 0 when the games were played, 2 for bad arguments.
int duel(const Dico& dico, const std::vector<std::string>& args, std::ostream& sortie);

}  // namespace irvad
