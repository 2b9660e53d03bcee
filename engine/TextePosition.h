#pragma once
// A position as lines of text: the board with its rows leaning like the
// hexagon, each player's score, tokens and stock, and whose turn it is. The
// command line prints it; tests compare positions with it.
#include <string>

#include "Position.h"

namespace irvad {

// Windows-1252, one line per '\n'. The ranking figures are taken as the
// position holds them.
std::string textePosition(const Position& position);

}  // namespace irvad
