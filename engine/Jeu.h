#pragma once
// The engine object: the one game in play, with its word list, board, players,
// counters, ranking and random generator, and every rule that changes them.
// It reaches the screen only through its Ecran.
#include <array>
#include <cstdint>
#include <functional>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "Dico.h"
#include "Ecran.h"
#include "Etat.h"

namespace irvad {

// One play the computer player may choose (see Automate.cpp).
struct Candidat {
  int32_t x = 0, y = 0;    // destination
  int32_t xs = -1, ys = -1;  // source of a move
  int32_t d = 0;           // path length of a move
  int32_t lettre = 0;      // letter number 1..26
  bool operator==(const Candidat&) const = default;
};

// The ranking key of a trial: points, weight sum, points taken.
struct Cle {
  int32_t points = 0, bonus = 0, pris = 0;
  auto operator<=>(const Cle&) const = default;
};

// What a search found: the equally best plays in search order; entries up to
// dernierPlacement are placements, the others moves.
struct Recherche {
  std::vector<Candidat> candidats;
  int32_t dernierPlacement = -1;
  Cle meilleure;
  bool estDeplacement(std::size_t i) const { return static_cast<int32_t>(i) > dernierPlacement; }
};

class Jeu {
 public:
  // Builds the board and the six records; the word list stays empty until
  // chargerDico.
  explicit Jeu(Ecran& ecran);

  Ecran& ecran;
  Dico dico;
  Plateau plateau;
  std::array<joueur, nbJoueursMax> joueurs;
  uint32_t nbJoueurs = 6;
  uint32_t joueurCourant = 0;
  uint32_t tour = 0;
  // Set by a new game, a load or a play-off; cleared by the end of a game.
  bool enCours = false;

  // The ranking of the scores window, recomputed by mettreAJourScores.
  std::array<int32_t, 6> rang{};
  std::array<int32_t, 6> classement{-1, -1, -1, -1, -1, -1};
  std::array<int32_t, 6> jetons{};
  std::array<int32_t, 6> pointsJetons{};

  static const std::array<std::pair<int32_t, int32_t>, 6> sommets;

  // The clock, in whole seconds since 1970; tests replace it.
  std::function<int64_t()> horloge;

  // ---- Word list
  // Loads L23456789 from the program's folder, or from `chemin` when given.
  Dico::Resultat chargerDico(const std::string& chemin = {});

  // ---- Game state, timer
  void nouvellePartie();
  void demarrerChrono();
  void arreterChrono();
  // The vertex of player i among n players.
  static std::pair<int32_t, int32_t> sommetDe(uint32_t i, uint32_t n);
  joueur& courant() { return joueurs[joueurCourant]; }
  const joueur& courant() const { return joueurs[joueurCourant]; }
  cellule& caseEn(int x, int y) { return plateau.cases[x][y]; }

  // ---- Random generator (the computer player draws from it)
  void graine(uint32_t valeur);
  uint32_t tirer();
  // Draws, and while the number drawn mod 100 is 50 or more draws once more and
  // throws that away, then draws again.
  void brasser();

  // ---- Placement, words, scoring, harvest
  bool lettrePrenable(int32_t lettre) const;      // the stock and opening rules
  bool destinationPermise(int x, int y) const;    // where the current player may put a letter
  bool evaluerCoup(int x, int y);
  void poserLettre(int x, int y, int32_t lettre);
  void retirerLettre(int x, int y);
  void prendreLettre(joueur& j, int32_t lettre);
  void rendreLettre(joueur& j, int32_t lettre);
  bool recoltable(int x, int y) const;
  void recolter(int x, int y);
  bool lettreSurSommetPrecedent(int32_t lettre) const;
  void ajouterPoints(joueur& j, int32_t n);

  // ---- Moves
  bool deplacable(int x, int y) const;
  bool isolee(int x, int y) const;
  void initDistances(int x, int y);
  int32_t distanceVers(int x, int y);
  bool essaiDeplacement(int xs, int ys, int xd, int yd);
  void deplacerLettre(int xs, int ys, int xd, int yd, int32_t d);

  // ---- Computer player
  void jouerAutomate();
  // The search of jouerAutomate alone, from tour >= 1: trials only, the board
  // left as it was. `rapide` chooses the fast search, which finds the same list.
  Recherche rechercher(bool rapide = true);
  // The search jouerAutomate runs: the fast one, or the plain one it must match.
  bool automateRapide = true;

  // ---- Turns and end of game
  void finDeTour();
  void finDePartie();
  uint32_t qualifies() const;

  // ---- Ranking (scores window)
  void classer();            // rang, classement, jetons, pointsJetons
  void mettreAJourScores();  // classer, then the scores window
  // The playing time of player p as "mm:ss", the running turn included.
  std::string texteTemps(uint32_t p) const;

  // ---- Saved games
  bool enregistrerPartie(const std::string& chemin);
  bool chargerPartie(const std::string& chemin);

 private:
  std::mt19937 alea_;
};

}  // namespace irvad
