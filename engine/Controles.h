#pragma once
// Checks of a whole game: its state written out in full, so that two games can
// be compared and a difference shown, and the rules every sound game keeps
// (counts within their tables, stock totals, the cells of the hexagon).
// Header only: the long run of irvad-cli, the fuzz targets and the tests
// share it; the rules themselves are the loader's (Coherence.h).
#include <cstdio>
#include <cstring>
#include <sstream>
#include <string>

#include "Coherence.h"
#include "Position.h"

namespace irvad::controle {

// Every field of the game that a saved game holds or that the next turn reads,
// one line per player and per non-empty cell. The turn timer, the trial totals
// and the path-search marks are left out: they belong to the turn in progress.
// With `tousLesJoueurs` false, only the records of the players in the game,
// the ones a saved game holds.
inline std::string etat(const Position& jeu, bool avecRecherche = false, bool tousLesJoueurs = true) {
  std::ostringstream o;
  o << "joueurs " << jeu.nbJoueurs << " courant " << jeu.joueurCourant << " tour " << jeu.tour << " libres "
    << jeu.plateau.casesLibres << " passes " << jeu.plateau.nbPasses << '\n';
  for (const joueur& j : jeu.joueurs) {
    if (!tousLesJoueurs && static_cast<uint32_t>(j.numero) >= jeu.nbJoueurs) continue;
    char temps[32];
    std::snprintf(temps, sizeof temps, "%a", j.temps);
    o << "joueur " << j.numero << " [" << j.nom << "] sommet " << j.sommetX << ',' << j.sommetY << " stock";
    for (int32_t n : j.lettres) o << ' ' << n;
    o << " automate " << j.automate << " deplacements " << j.deplacements << " score " << j.score << " taille "
      << j.tailleMax << " temps " << temps << '\n';
  }
  for (int x = 0; x < tailleGrille; ++x)
    for (int y = 0; y < tailleGrille; ++y) {
      const cellule& k = jeu.plateau.cases[x][y];
      if (k.lettre == 0 && k.valeur == 0 && k.proprietaire == 0 && !avecRecherche) continue;
      o << "case " << x << ',' << y << ' ' << k.lettre << ' ' << k.valeur << ' ' << k.proprietaire;
      if (avecRecherche) o << ' ' << int{k.visite} << ' ' << k.distance;
      o << '\n';
    }
  return o.str();
}

// The game as a saved game holds it.
inline std::string partie(const Position& jeu) { return etat(jeu, false, false); }

// The first rule the game breaks, as a text; empty when it keeps them all.
inline std::string incoherence(const Position& jeu) { return irvad::incoherence(jeu); }

}  // namespace irvad::controle
