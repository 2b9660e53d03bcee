#pragma once
// The fixture of the engine tests: a game over a small word list, with a
// recording screen and a clock that stands still, and one way to set up a
// position with tokens on the board.
#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

#include "DicoTest.h"
#include "EcranEnregistreur.h"
#include "Jeu.h"

namespace irvad::test {

struct Jeton {
  int x, y;
  char lettre;
  int32_t valeur;
  int32_t proprietaire;  // player index + 1
};

class JeuTest : public ::testing::Test {
 protected:
  EcranEnregistreur ecran;
  Jeu jeu{ecran};

  JeuTest() { jeu.horloge = [this] { return heure; }; }

  void mots(const std::vector<std::string>& liste) {
    ASSERT_EQ(jeu.dico.charger(fichierDico(liste), nullptr), Dico::Resultat::Ok);
  }

  // A new game of n seats (`automates` the computer ones, longest word 5,
  // moves on), then the round, the player to play and the tokens given;
  // the screen's record starts after it.
  void partie(uint32_t n, uint32_t tour, uint32_t courant, std::initializer_list<Jeton> jetons = {},
              std::vector<bool> automates = {});

  // The position in play changed by hand; player j's stock reduced to the letters given.
  void changer(const std::function<void(Position&)>& f);
  void stock(uint32_t j, std::initializer_list<std::pair<char, int32_t>> lettres);

  const Position& pos() const { return jeu.position(); }
  const cellule& en(int x, int y) const { return jeu.position().caseEn(x, y); }
  const joueur& joueurNo(uint32_t i) const { return jeu.position().joueurs[i]; }

  int64_t heure = 1'000'000;
};

}  // namespace irvad::test
