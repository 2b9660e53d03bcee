// Moves of tokens: the path length through empty cells with its shared memo,
// the trial of a move, the move and its log lines.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "DicoTest.h"
#include "EcranEnregistreur.h"
#include "Jeu.h"

namespace irvad {
namespace {

using Lignes = std::vector<std::string>;

class Deplacements : public ::testing::Test {
 protected:
  test::EcranEnregistreur ecran;
  Jeu jeu{ecran};

  void SetUp() override {
    jeu.nbJoueurs = 2;
    jeu.tour = 2;
    jeu.joueurCourant = 0;
  }
  void mots(const std::vector<std::string>& liste) { test::chargerMots(jeu.dico, liste); }
  void jeton(int x, int y, int32_t lettre, int32_t valeur, int32_t proprietaire) {
    cellule& c = jeu.plateau.cases[x][y];
    c.lettre = lettre;
    c.valeur = valeur;
    c.proprietaire = proprietaire;
    jeu.plateau.casesLibres -= 1;
  }
  const cellule& en(int x, int y) const { return jeu.plateau.cases[x][y]; }
  int32_t distance(int xs, int ys, int xd, int yd) {
    jeu.initDistances(xd, yd);
    return jeu.distanceVers(xs, ys);
  }
  // Every cell of the hexagon taken by the opponent, except `libres`.
  void remplirSauf(const std::vector<std::pair<int, int>>& libres) {
    for (int x = 0; x < tailleGrille; ++x)
      for (int y = jeu.plateau.ligneMin[x]; y <= jeu.plateau.ligneMax[x]; ++y) {
        bool libre = false;
        for (const auto& [lx, ly] : libres) libre = libre || (lx == x && ly == y);
        if (!libre) jeton(x, y, 'W', 0, 2);
      }
  }
};

TEST_F(Deplacements, UnJetonDeValeurTroisFaitDeuxPasEtArriveAvecUn) {
  mots({"LE"});
  jeton(4, 5, 'L', 1, 1);
  jeton(5, 3, 'E', 3, 1);  // (5,4) lies between it and (5,5)
  EXPECT_EQ(distance(5, 3, 5, 5), 2);
  EXPECT_TRUE(jeu.plateau.distancesValides);
  EXPECT_EQ(jeu.plateau.cibleX, 5);
  EXPECT_EQ(jeu.plateau.cibleY, 5);

  EXPECT_TRUE(jeu.essaiDeplacement(5, 3, 5, 5));
  EXPECT_FALSE(jeu.plateau.essai);
  EXPECT_EQ(en(5, 3).lettre, 'E');
  EXPECT_EQ(en(5, 3).valeur, 3);
  EXPECT_EQ(en(5, 3).proprietaire, 1);
  EXPECT_EQ(en(5, 5).lettre, 0);
  EXPECT_EQ(en(5, 5).proprietaire, 0);
  EXPECT_TRUE(ecran.messages.empty());

  const int32_t libres = jeu.plateau.casesLibres;
  jeu.deplacerLettre(5, 3, 5, 5, 2);
  EXPECT_EQ(en(5, 5).lettre, 'E');
  EXPECT_EQ(en(5, 5).valeur, 1);
  EXPECT_EQ(en(5, 5).proprietaire, 1);
  EXPECT_EQ(en(5, 3).lettre, 0);
  EXPECT_EQ(en(5, 3).valeur, 0);
  EXPECT_EQ(en(5, 3).proprietaire, 0);
  EXPECT_EQ(jeu.plateau.casesLibres, libres);
  EXPECT_EQ(ecran.messages, (Lignes{"Dépl.E (5,3)", "     ->(5,5)"}));
  EXPECT_EQ(ecran.appelsDe("dessinerCellule"),
            (Lignes{"dessinerCellule(5,3,000000)", "dessinerCellule(5,5,000000)"}));

  ASSERT_TRUE(jeu.evaluerCoup(5, 5));
  EXPECT_EQ(ecran.messages[4], "LE       02 00 00");
  EXPECT_EQ(en(5, 5).valeur, 2);
  EXPECT_EQ(jeu.joueurs[0].score, 2);
}

TEST_F(Deplacements, UnJetonDeValeurUnNePeutPasPayerDeuxPas) {
  mots({"LE"});
  jeton(4, 5, 'L', 1, 1);
  jeton(5, 3, 'E', 1, 1);
  const int32_t d = distance(5, 3, 5, 5);
  EXPECT_EQ(d, 2);
  EXPECT_GT(d, en(5, 3).valeur);
  // Asked all the same, the move is not made: a value never goes below 0.
  jeu.deplacerLettre(5, 3, 5, 5, d);
  EXPECT_EQ(en(5, 3).lettre, 'E');
  EXPECT_EQ(en(5, 3).valeur, 1);
  EXPECT_EQ(en(5, 5).proprietaire, 0);
  EXPECT_TRUE(ecran.messages.empty());
}

TEST_F(Deplacements, UnMotQuiPasseParLaSourceNeComptePas) {
  mots({"ELLE", "AA"});
  // Axis 1 from (5,5) reads (5,6) (5,5) (5,4) (5,3): E L L E while the L
  // still stands on (5,4), only E L once it has left.
  jeton(5, 6, 'E', 1, 1);
  jeton(5, 4, 'L', 2, 1);
  jeton(5, 3, 'E', 1, 1);
  EXPECT_EQ(distance(5, 4, 5, 5), 1);
  EXPECT_FALSE(jeu.essaiDeplacement(5, 4, 5, 5));
  EXPECT_EQ(en(5, 4).lettre, 'L');
  EXPECT_EQ(en(5, 4).valeur, 2);
  EXPECT_EQ(en(5, 5).lettre, 0);

  // A cell that touches only the token's own source sees nothing at all.
  jeton(8, 8, 'A', 1, 1);
  EXPECT_FALSE(jeu.essaiDeplacement(8, 8, 9, 8));
  EXPECT_EQ(en(8, 8).lettre, 'A');
  EXPECT_EQ(en(9, 8).proprietaire, 0);

  // With the two-letter word in the list the same move is allowed.
  mots({"ELLE", "EL"});
  EXPECT_TRUE(jeu.essaiDeplacement(5, 4, 5, 5));
}

TEST_F(Deplacements, UnJetonQuiArriveEpuiseCompteCommeUnJetonNeuf) {
  mots({"LE", "ET"});
  jeton(4, 5, 'L', 1, 1);
  jeton(4, 4, 'T', 1, 2);
  jeton(5, 3, 'E', 2, 1);
  ASSERT_EQ(distance(5, 3, 5, 5), 2);
  jeu.deplacerLettre(5, 3, 5, 5, 2);
  EXPECT_EQ(en(5, 5).valeur, 0);
  ecran.oublier();
  ASSERT_TRUE(jeu.evaluerCoup(5, 5));
  // ET along axis 0 takes a point from T; LE along axis 2.
  EXPECT_EQ(ecran.messages, (Lignes{"Mots     P+ P- L-", std::string(17, '-'), "ET       02 01 00",
                                    "LE       02 00 00", "2 mot(s) 04 01 00", std::string(17, '-')}));
  EXPECT_EQ(en(5, 5).valeur, 2);
  EXPECT_EQ(en(5, 5).proprietaire, 1);
  EXPECT_EQ(en(4, 4).valeur, 0);
}

TEST_F(Deplacements, LEssaiGardeLeDrapeauDeLaRechercheEtSaLongueur) {
  mots({"PARTIE"});
  const char* suite = "ARTIE";
  for (int i = 0; i < 5; ++i) jeton(3 + i, 5, suite[i], 1, 1);
  jeton(2, 3, 'P', 2, 1);
  jeu.joueurs[0].tailleMax = 5;
  EXPECT_FALSE(jeu.essaiDeplacement(2, 3, 2, 5));
  jeu.joueurs[0].tailleMax = 6;
  jeu.plateau.essai = true;
  EXPECT_TRUE(jeu.essaiDeplacement(2, 3, 2, 5));
  EXPECT_TRUE(jeu.plateau.essai);
  EXPECT_EQ(jeu.plateau.essaiPplus, 6);
  // Trial bonus from the third round on: P 2 A 5 R 3 T 3 I 4 E 5.
  EXPECT_EQ(jeu.plateau.essaiBonus, 22);
}

TEST_F(Deplacements, UnEssaiVersUneCaseOccupeeOuSurPlaceNePerdAucunJeton) {
  mots({"LE"});
  jeton(4, 5, 'L', 1, 1);
  jeton(5, 5, 'E', 3, 2);
  EXPECT_FALSE(jeu.essaiDeplacement(4, 5, 5, 5));
  EXPECT_FALSE(jeu.essaiDeplacement(4, 5, 4, 5));
  EXPECT_EQ(en(4, 5).lettre, 'L');
  EXPECT_EQ(en(5, 5).lettre, 'E');
  EXPECT_EQ(en(5, 5).proprietaire, 2);
  jeu.deplacerLettre(4, 5, 5, 5, 1);
  jeu.deplacerLettre(4, 5, 4, 5, 1);
  EXPECT_EQ(en(4, 5).lettre, 'L');
  EXPECT_EQ(en(5, 5).valeur, 3);
  EXPECT_TRUE(ecran.messages.empty());
  // An occupied destination has no path.
  EXPECT_EQ(distance(3, 3, 5, 5), 0);
  EXPECT_EQ(distance(-1, 4, 3, 3), 0);
}

TEST_F(Deplacements, UneRechercheLanceeSurLaCibleMetZeroPartout) {
  jeton(5, 3, 'E', 3, 1);
  jeu.initDistances(5, 5);
  // The target is marked, and a marked cell is skipped before it is recognised.
  EXPECT_EQ(jeu.distanceVers(5, 5), 0);
  EXPECT_EQ(en(5, 5).distance, 0);
  EXPECT_EQ(en(0, 0).distance, 0);
  EXPECT_EQ(en(10, 10).distance, 0);
  EXPECT_EQ(en(5, 4).distance, 0);
  EXPECT_EQ(en(5, 3).distance, -1);  // occupied: never entered
  // A neighbour of the target still sees it; one more step away only the memo.
  EXPECT_EQ(jeu.distanceVers(5, 4), 1);
  EXPECT_EQ(jeu.distanceVers(5, 3), 0);
  EXPECT_EQ(distance(5, 3, 5, 5), 2);
  for (const auto& ligne : jeu.plateau.cases)
    for (const auto& c : ligne) EXPECT_EQ(c.visite, 0);
}

TEST_F(Deplacements, LaMemoirePartageeCacheUnCheminTrouveEnImpasse) {
  // Only (5,5) the target, (5,4) and (5,3) are empty: a corridor of 3 cells.
  remplirSauf({{5, 5}, {5, 4}, {5, 3}});
  // From (4,4), (5,4) is entered while (4,4) is marked, and from (5,4) the cell
  // (5,3) is a dead end while (5,4) is marked: its memo is 0.
  jeu.initDistances(5, 5);
  EXPECT_EQ(jeu.distanceVers(4, 4), 1);
  EXPECT_EQ(en(5, 4).distance, 1);
  EXPECT_EQ(en(5, 3).distance, 0);
  // (5,2) reaches the target through (5,3) and (5,4), but the shared memo says no.
  EXPECT_EQ(jeu.distanceVers(5, 2), 0);
  // With a fresh memo the path is found.
  EXPECT_EQ(distance(5, 2, 5, 5), 3);
}

TEST_F(Deplacements, DeplacableEtIsoleeRegardentLesSixVoisinsDansLePlateau) {
  EXPECT_TRUE(jeu.isolee(0, 0));
  EXPECT_TRUE(jeu.deplacable(0, 0));
  jeton(1, 0, 'A', 1, 1);
  jeton(1, 1, 'B', 1, 2);
  EXPECT_FALSE(jeu.isolee(0, 0));
  EXPECT_TRUE(jeu.deplacable(0, 0));
  jeton(0, 1, 'C', 1, 1);
  // The three neighbours off the board are not free cells.
  EXPECT_FALSE(jeu.deplacable(0, 0));
  EXPECT_TRUE(jeu.isolee(10, 10));
  for (int d = 0; d < 6; ++d) jeton(5 + jeu.plateau.dx[d], 5 + jeu.plateau.dy[d], 'E', 1, 1 + d % 2);
  EXPECT_FALSE(jeu.deplacable(5, 5));
  EXPECT_FALSE(jeu.isolee(5, 5));
  EXPECT_TRUE(jeu.deplacable(4, 4));
  EXPECT_TRUE(jeu.isolee(2, 8));
}

}  // namespace
}  // namespace irvad
