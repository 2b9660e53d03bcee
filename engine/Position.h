#pragma once
// The position of a game: the board, the six player records, the counters,
// the letter in hand and the ranking. A plain value apart from the services
// of the engine (screen, word list, random generator, clock): one assignment
// copies it, one comparison compares it, so that undo, hints and the computer
// player's look-ahead can keep and put back whole positions.
#include <array>
#include <cstdint>
#include <string>

#include "Etat.h"

namespace irvad {

// Bounds far beyond any game played, that keep the sums and the increments of
// the rules within 32 bits: a score or a value gains one point per letter of a
// word, the ranking adds up the values of 91 tokens, a stock is shown letter
// by letter. Saved games and set-up positions outside them are refused.
namespace bornes {
constexpr int32_t valeur = 10'000'000;
constexpr int32_t score = 1'000'000'000;
constexpr int32_t lettres = 10'000;  // of one kind in a stock
constexpr double temps = 1e12;       // seconds of thinking time
constexpr uint32_t tour = 1'000'000;
}  // namespace bornes

struct Position {
  Plateau plateau;
  std::array<joueur, nbJoueursMax> joueurs{joueur(0), joueur(1), joueur(2), joueur(3), joueur(4), joueur(5)};
  uint32_t nbJoueurs = 6;
  uint32_t joueurCourant = 0;
  uint32_t tour = 0;
  // Set by a new game, a load or a play-off; cleared by the end of a game.
  bool enCours = false;
  // The letter ('A'..'Z') the current player has taken from its stock and
  // not yet put down, 0 when none; a saved game counts it in the stock.
  int32_t lettreEnMain = 0;

  // The ranking of the scores window, recomputed by Jeu::classer.
  std::array<int32_t, 6> rang{};
  std::array<int32_t, 6> classement{-1, -1, -1, -1, -1, -1};
  std::array<int32_t, 6> jetons{};
  std::array<int32_t, 6> pointsJetons{};

  bool operator==(const Position&) const = default;

  const joueur& courant() const { return joueurs[joueurCourant % nbJoueursMax]; }
  const cellule& caseEn(int x, int y) const { return plateau.cases[x][y]; }

  // ---- Setting up a position by hand (the command line's set-up commands,
  // the tests). Jeu::installer checks the result and counts the free cells.
  // A token of `lettre` ('A'..'Z') for `proprietaire` (1..6) on (x, y).
  void poserJeton(int x, int y, int32_t lettre, int32_t valeur, int32_t proprietaire);
  void viderCase(int x, int y);
  // Player p's (0..5) stock of `lettre` set to n, its total following.
  void fixerStock(uint32_t p, int32_t lettre, int32_t n);

  // The first field outside what the rules can play on, as a text
  // (Windows-1252); empty when every field is within its bounds.
  std::string horsBornes() const;
};

}  // namespace irvad
