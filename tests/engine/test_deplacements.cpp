// Moves of tokens through the engine's actions: the path through empty cells
// paid with the token's value, the word the move must form, its log lines,
// and the path search's memo that the computer player shares across sources.
// A plain move, its log lines and values, and the refusals of a spent, an
// opponent's, a too far or a wordless move are the scenario deplacement.txt.
#include <string>
#include <vector>

#include "JeuTest.h"

namespace irvad {
namespace {

using Lignes = std::vector<std::string>;

class Deplacements : public test::JeuTest {};

// A move's trial within the player's own longest word is test_conseil's.
TEST_F(Deplacements, LeMotDoitSeFormerSansLaSource) {
  mots({"ELLE"});
  // Axis 1 from (5,5) reads (5,6) (5,5) (5,4) (5,3): E L L E while the L
  // still stands on (5,4), only E L once it has left.
  partie(2, 2, 0, {{5, 6, 'E', 1, 1}, {5, 4, 'L', 2, 1}, {5, 3, 'E', 1, 1}});
  EXPECT_EQ(jeu.deplacer(5, 4, 5, 5).refus(), Refus::AucunMot);
  EXPECT_EQ(std::pair(en(5, 4).lettre, en(5, 5).proprietaire), std::pair(int32_t{'L'}, 0));
  mots({"ELLE", "EL"});
  EXPECT_TRUE(jeu.deplacer(5, 4, 5, 5));
}

TEST_F(Deplacements, UnJetonQuiArriveEpuiseCompteCommeUnJetonNeuf) {
  mots({"LE", "ET"});
  partie(2, 2, 0, {{4, 5, 'L', 1, 1}, {4, 4, 'T', 1, 2}, {5, 3, 'E', 2, 1}});
  ASSERT_TRUE(jeu.deplacer(5, 3, 5, 5));
  // ET along axis 0 takes a point from T; LE along axis 2.
  EXPECT_EQ(Lignes(ecran.messages.begin() + 4, ecran.messages.begin() + 7),
            (Lignes{"ET       02 01 00", "LE       02 00 00", "2 mot(s) 04 01 00"}));
  EXPECT_EQ(std::pair(en(5, 5).valeur, en(4, 4).valeur), std::pair(2, 0));
}

TEST_F(Deplacements, UnJetonBloqueOuSansCheminNeBougePas) {
  partie(2, 2, 0, {{0, 0, 'A', 5, 1}, {1, 0, 'B', 1, 2}, {1, 1, 'C', 1, 2}});
  // The three neighbours off the board are not free cells.
  EXPECT_TRUE(jeu.deplacable(0, 0) && !jeu.isolee(0, 0));
  changer([](Position& p) { p.poserJeton(0, 1, 'D', 1, 2); });
  EXPECT_FALSE(jeu.deplacable(0, 0));
  EXPECT_EQ(jeu.deplacer(0, 0, 5, 5).refus(), Refus::JetonBloque);
  // A token walled in by two rows of the opponent's has no path across.
  partie(2, 2, 0, {{0, 0, 'A', 9, 1}, {2, 0, 'B', 1, 2}, {2, 1, 'B', 1, 2}, {2, 2, 'B', 1, 2}, {1, 2, 'B', 1, 2},
                   {0, 2, 'B', 1, 2}});
  EXPECT_EQ(jeu.deplacer(0, 0, 5, 5).refus(), Refus::AucunChemin);
  EXPECT_TRUE(jeu.isolee(10, 10));
}

// The computer's search asks the path of every cell towards a destination
// with one memo: a cell found a dead end while the path through it was
// marked stays one for the cells asked later. The moves it offers depend on
// exactly this; a human's own move asks afresh.
TEST_F(Deplacements, LaRechercheDeLAutomatePartageSaMemoireDesChemins) {
  mots({"LA"});
  // Everything taken by the opponent's spent Z's but a corridor (5,3) (5,4)
  // (5,5); the player's L on (5,6), an A on (5,2), an empty stock.
  partie(2, 2, 0);
  changer([](Position& p) {
    for (int x = 0; x < tailleGrille; ++x)
      for (int y = p.plateau.ligneMin[x]; y <= p.plateau.ligneMax[x]; ++y) p.poserJeton(x, y, 'Z', 0, 2);
    for (int y = 3; y <= 5; ++y) p.viderCase(5, y);
    p.poserJeton(5, 6, 'L', 3, 1);
    p.poserJeton(5, 2, 'A', 0, 2);
  });
  stock(0, {});

  // Towards (5,3), (4,3) is asked before (5,6): it enters the corridor in
  // the middle, and (5,5) is a dead end while (5,4) is marked. L on (5,3)
  // would read LA, three steps away, within its value.
  EXPECT_TRUE(jeu.rechercher(false).candidats.empty());
  EXPECT_TRUE(jeu.rechercher(true).candidats.empty());
  EXPECT_TRUE(jeu.cheminLibre(5, 6, 5, 3));
  ASSERT_TRUE(jeu.deplacer(5, 6, 5, 3));
  EXPECT_EQ(ecran.messages[4], "LA       02 00 01");
}

}  // namespace
}  // namespace irvad
