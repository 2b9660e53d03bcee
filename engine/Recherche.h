#pragma once
// The two searches of the computer player (see Jeu::rechercher): the plain one,
// one trial of evaluerCoup per play, kept as the reference, and the fast one,
// which finds the same plays in the same order with the same keys.
#include "Jeu.h"

namespace irvad::recherche {

// Both expect plateau.essai set and a current player below nbJoueursMax. They
// leave the cells, the path-search memo and its target as the plain search
// leaves them.
Recherche simple(Jeu& jeu);
Recherche rapide(Jeu& jeu);

// Ranks one play that formed a word: a better key starts the list again, an
// equal one is appended, a worse one dropped.
void noter(Recherche& r, const Cle& cle, const Candidat& c, bool deplacement);

}  // namespace irvad::recherche
