#pragma once
// Checks of a whole game: its state written out in full, so that two games can
// be compared and a difference shown, and the rules every sound game keeps
// (counts within their tables, stock totals, the cells of the hexagon).
// Header only: the long run of irvad-cli, the fuzz targets and the tests
// share it.
#include <cstdio>
#include <cstring>
#include <sstream>
#include <string>

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
inline std::string incoherence(const Position& jeu) {
  const uint32_t n = jeu.nbJoueurs;
  if (n != 2 && n != 3 && n != 6) return "nombre de joueurs " + std::to_string(n);
  if (jeu.joueurCourant >= n) return "joueur courant " + std::to_string(jeu.joueurCourant);
  const Plateau& p = jeu.plateau;
  if (p.nbPasses < 0 || p.nbPasses > static_cast<int32_t>(n)) return "passes " + std::to_string(p.nbPasses);
  for (uint32_t i = 0; i < n; ++i) {
    const joueur& j = jeu.joueurs[i];
    const std::string qui = "joueur " + std::to_string(i + 1) + " : ";
    int64_t somme = 0;
    for (int k = 1; k <= 26; ++k) {
      if (j.lettres[k] < 0) return qui + "stock negatif";
      somme += j.lettres[k];
    }
    if (somme != j.lettres[0])
      return qui + "total du stock " + std::to_string(j.lettres[0]) + " pour " + std::to_string(somme) + " lettres";
    if (!p.valide(j.sommetX, j.sommetY)) return qui + "sommet hors du plateau";
    if (j.tailleMax < 2 || j.tailleMax > 9) return qui + "taille " + std::to_string(j.tailleMax);
    if (j.nom.size() > 9) return qui + "nom de " + std::to_string(j.nom.size()) + " caracteres";
  }
  int32_t libres = 0;
  for (int x = 0; x < tailleGrille; ++x)
    for (int y = 0; y < tailleGrille; ++y) {
      const cellule& k = p.cases[x][y];
      const std::string ou = "case " + std::to_string(x) + "," + std::to_string(y) + " : ";
      if (!p.valide(x, y)) {
        if (k.lettre != 0 || k.proprietaire != 0 || k.valeur != 0) return ou + "jeton hors de l'hexagone";
        continue;
      }
      if (k.lettre != 0 && (k.lettre < 'A' || k.lettre > 'Z')) return ou + "lettre " + std::to_string(k.lettre);
      if (k.proprietaire < 0 || k.proprietaire > static_cast<int32_t>(n))
        return ou + "proprietaire " + std::to_string(k.proprietaire);
      if ((k.lettre == 0) != (k.proprietaire == 0)) return ou + "lettre et proprietaire ne vont pas ensemble";
      if (k.valeur < 0 || (k.lettre == 0 && k.valeur != 0)) return ou + "valeur " + std::to_string(k.valeur);
      libres += k.lettre == 0;
    }
  if (libres != p.casesLibres)
    return "cases libres " + std::to_string(p.casesLibres) + " pour " + std::to_string(libres) + " cases vides";
  return {};
}

}  // namespace irvad::controle
