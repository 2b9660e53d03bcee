#pragma once
// The long run of irvad-cli: many seeded games of computer players with
// random settings, each saved and loaded back at random turns, every turn
// checked against the rules a sound game keeps and against the points its
// log lines gave.
#include <ostream>
#include <string>
#include <vector>

#include "Dico.h"

namespace irvad {

// Arguments: N [--graine G] [--dossier D]. Games G, G+1, ... G+N-1 (G = 1 by
// default); the saved games go to D (a new folder of the system's temporary
// folder by default, removed at the end). Prints one line per game and what
// went wrong; 0 when every game held, 1 otherwise, 2 for bad arguments.
int endurance(const Dico& dico, const std::vector<std::string>& args, std::ostream& sortie);

}  // namespace irvad
