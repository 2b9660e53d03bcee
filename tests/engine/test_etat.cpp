// The game state: start-up values, the board's shape, vertices, the turn
// timer, a new game, the ranking of the scores window.
#include <gtest/gtest.h>

#include <set>

#include "EcranEnregistreur.h"
#include "Jeu.h"

namespace irvad {
namespace {

class Etat : public ::testing::Test {
 protected:
  test::EcranEnregistreur ecran;
  Jeu jeu{ecran};
  int64_t maintenant = 1'700'000'000;
  void SetUp() override {
    jeu.horloge = [this] { return maintenant; };
  }
};

TEST_F(Etat, ADemarrageChaqueJoueurALesValeursPremieres) {
  EXPECT_EQ(jeu.nbJoueurs, 6u);
  for (int i = 0; i < 6; ++i) {
    const joueur& j = jeu.joueurs[i];
    EXPECT_EQ(j.numero, i);
    EXPECT_EQ(j.nom, "Joueur " + std::to_string(i + 1));
    EXPECT_EQ(j.lettres[0], 26);
    for (int l = 1; l <= 26; ++l) EXPECT_EQ(j.lettres[l], 1);
    EXPECT_EQ(j.score, 0);
    EXPECT_EQ(j.temps, 0.0);
    EXPECT_FALSE(j.automate);
    EXPECT_TRUE(j.deplacements);
    EXPECT_EQ(j.tailleMax, 5);
  }
}

TEST_F(Etat, LePlateauCompteQuatreVingtOnzeCasesSurOnzeRangees) {
  int total = 0;
  for (int x = 0; x < tailleGrille; ++x) {
    int rangee = 0;
    for (int y = 0; y < tailleGrille; ++y) rangee += jeu.plateau.valide(x, y);
    EXPECT_EQ(rangee, x < 6 ? 6 + x : 16 - x) << "rangée " << x;
    EXPECT_EQ(rangee, jeu.plateau.ligneMax[x] - jeu.plateau.ligneMin[x] + 1);
    total += rangee;
  }
  EXPECT_EQ(total, nbCases);
  for (auto [x, y] : {std::pair{0, 6}, {6, 0}, {10, 4}, {4, 10}, {-1, 0}, {0, -1}, {11, 10}, {10, 11}})
    EXPECT_FALSE(jeu.plateau.valide(x, y)) << x << "," << y;
  for (auto [x, y] : {std::pair{0, 5}, {5, 0}, {10, 5}, {5, 10}, {0, 0}, {10, 10}, {5, 5}})
    EXPECT_TRUE(jeu.plateau.valide(x, y)) << x << "," << y;
  int somme = 0;
  for (int l = 1; l <= 26; ++l) somme += jeu.plateau.poids[l];
  EXPECT_EQ(somme, 63);
  EXPECT_EQ(jeu.plateau.poidsDe('A'), 5);
  EXPECT_EQ(jeu.plateau.poidsDe('Z'), 1);
  for (int32_t hors : {0, int32_t{'@'}, int32_t{'['}, int32_t{'a'}, -1, 1000}) EXPECT_EQ(jeu.plateau.poidsDe(hors), 0);
}

TEST_F(Etat, LesSixVoisinsDUneCaseCentraleSontSurLeTableau) {
  std::set<std::pair<int, int>> voisins;
  for (int d = 0; d < 6; ++d) {
    voisins.insert({5 + jeu.plateau.dx[d], 5 + jeu.plateau.dy[d]});
    // Directions d and d + 3 are opposite: they make the three lines of words.
    EXPECT_EQ(jeu.plateau.dx[d], -jeu.plateau.dx[(d + 3) % 6]);
    EXPECT_EQ(jeu.plateau.dy[d], -jeu.plateau.dy[(d + 3) % 6]);
  }
  EXPECT_EQ(voisins, (std::set<std::pair<int, int>>{{4, 4}, {5, 4}, {6, 5}, {6, 6}, {5, 6}, {4, 5}}));
  // A vertex has three neighbours on the board.
  int aBord = 0;
  for (int d = 0; d < 6; ++d) aBord += jeu.plateau.valide(0 + jeu.plateau.dx[d], 0 + jeu.plateau.dy[d]);
  EXPECT_EQ(aBord, 3);
}

TEST_F(Etat, LesSommetsDependentDuNombreDeJoueurs) {
  EXPECT_EQ(Jeu::sommetDe(1, 2), (std::pair<int32_t, int32_t>{10, 10}));
  EXPECT_EQ(Jeu::sommetDe(0, 3), (std::pair<int32_t, int32_t>{0, 0}));
  EXPECT_EQ(Jeu::sommetDe(1, 3), (std::pair<int32_t, int32_t>{10, 5}));
  EXPECT_EQ(Jeu::sommetDe(2, 3), (std::pair<int32_t, int32_t>{5, 10}));
  for (uint32_t i = 0; i < 6; ++i) EXPECT_EQ(Jeu::sommetDe(i, 6), Jeu::sommets[i]);
  // Out of range asks stay on the table.
  EXPECT_EQ(Jeu::sommetDe(7, 6), Jeu::sommets[0]);
  EXPECT_EQ(Jeu::sommetDe(0, 0), Jeu::sommets[0]);
}

TEST_F(Etat, LeChronometreDonneLeTempsEcouleAuJoueurDontLeTourFinit) {
  jeu.joueurCourant = 2;
  jeu.joueurs[2].automate = true;
  jeu.demarrerChrono();
  EXPECT_TRUE(jeu.plateau.chronoActif);
  EXPECT_EQ(jeu.plateau.chronoDebut, maintenant);
  maintenant += 7;
  EXPECT_EQ(jeu.texteTemps(2), "00:07");
  EXPECT_EQ(jeu.texteTemps(1), "00:00");
  jeu.arreterChrono();
  EXPECT_EQ(jeu.joueurs[2].temps, 7.0);
  EXPECT_FALSE(jeu.plateau.chronoActif);
  EXPECT_EQ(jeu.plateau.chronoDebut, 0);
  // A second stop without a start adds nothing, rather than the age of the clock.
  maintenant += 100;
  jeu.arreterChrono();
  EXPECT_EQ(jeu.joueurs[2].temps, 7.0);
  for (int i = 0; i < 6; ++i) {
    if (i != 2) {
      EXPECT_EQ(jeu.joueurs[i].temps, 0.0);
    }
  }
}

TEST_F(Etat, LeTempsAuDelaDeQuatreVingtDixNeufMinutesGardeSesChiffres) {
  jeu.joueurs[0].temps = 100 * 60 + 5;
  EXPECT_EQ(jeu.texteTemps(0), "100:05");
  jeu.joueurs[1].temps = 59.9;
  EXPECT_EQ(jeu.texteTemps(1), "00:59");
  EXPECT_EQ(jeu.texteTemps(9), "00:00");
}

TEST_F(Etat, UneNouvellePartieGardeLesReglagesEtRemetLesStocks) {
  jeu.nbJoueurs = 3;
  for (int i = 0; i < 6; ++i) {
    joueur& j = jeu.joueurs[i];
    j.nom = "N" + std::to_string(i);
    j.automate = i % 2 == 1;
    j.deplacements = i % 3 == 0;
    j.tailleMax = 5 + i % 5;
    j.placerSommet(i, 10 - i);
    j.score = 40 + i;
    j.temps = 12.5;
    j.lettres[5] = 0;
    j.lettres[0] = 25;
  }
  jeu.plateau.cases[5][5] = {1, 3, 'E', 4, 2};
  jeu.plateau.casesLibres = 90;
  jeu.plateau.nbPasses = 2;
  jeu.plateau.essai = true;
  jeu.joueurCourant = 2;
  jeu.tour = 7;
  jeu.nouvellePartie();

  EXPECT_EQ(jeu.nbJoueurs, 3u);
  EXPECT_EQ(jeu.joueurCourant, 0u);
  EXPECT_EQ(jeu.tour, 0u);
  for (int i = 0; i < 6; ++i) {
    const joueur& j = jeu.joueurs[i];
    EXPECT_EQ(j.nom, "N" + std::to_string(i));
    EXPECT_EQ(j.automate, i % 2 == 1);
    EXPECT_EQ(j.deplacements, i % 3 == 0);
    EXPECT_EQ(j.tailleMax, 5 + i % 5);
    EXPECT_EQ(j.sommetX, i);
    EXPECT_EQ(j.sommetY, 10 - i);
    EXPECT_EQ(j.numero, i);
    EXPECT_EQ(j.score, 0);
    EXPECT_EQ(j.temps, 0.0);
    EXPECT_EQ(j.lettres[0], 26);
    EXPECT_EQ(j.lettres[5], 1);
  }
  EXPECT_EQ(jeu.plateau.casesLibres, 91);
  EXPECT_EQ(jeu.plateau.nbPasses, 0);
  EXPECT_FALSE(jeu.plateau.essai);
  for (int x = 0; x < tailleGrille; ++x)
    for (int y = 0; y < tailleGrille; ++y) {
      const cellule& c = jeu.plateau.cases[x][y];
      EXPECT_EQ(c.lettre | c.valeur | c.proprietaire | c.distance | c.visite, 0) << x << "," << y;
    }
  // The whole board, the first player's stock and the scores are drawn again.
  EXPECT_FALSE(ecran.appelsDe("dessinerPlateau").empty());
  EXPECT_FALSE(ecran.appelsDe("dessinerReserve").empty());
  EXPECT_FALSE(ecran.appelsDe("mettreAJourScores").empty());
}

TEST_F(Etat, LeClassementSuitScoreJetonsPuisPointsEtDepartageParIndice) {
  jeu.nbJoueurs = 3;
  jeu.joueurs[0].score = 10;
  jeu.joueurs[1].score = 10;
  jeu.joueurs[2].score = 12;
  // Player 1 has one token more than player 0: it ranks before it.
  jeu.plateau.cases[5][5] = {0, 0, 'E', 1, 2};
  jeu.classer();
  EXPECT_EQ(jeu.classement[0], 2);
  EXPECT_EQ(jeu.classement[1], 1);
  EXPECT_EQ(jeu.classement[2], 0);
  EXPECT_EQ(jeu.classement[3], -1);
  EXPECT_EQ(jeu.jetons[1], 1);
  EXPECT_EQ(jeu.pointsJetons[1], 1);
  // Equal keys keep index order.
  jeu.plateau.cases[5][5] = {};
  jeu.joueurs[2].score = 10;
  jeu.classer();
  EXPECT_EQ(jeu.classement[0], 0);
  EXPECT_EQ(jeu.classement[1], 1);
  EXPECT_EQ(jeu.classement[2], 2);
  // An owner beyond the six seats (a damaged board) is counted nowhere.
  jeu.plateau.cases[4][4] = {0, 0, 'E', 3, 9};
  jeu.plateau.cases[4][5] = {0, 0, 'E', 2, 3};
  jeu.classer();
  for (int i = 0; i < 6; ++i) EXPECT_EQ(jeu.jetons[i], i == 2 ? 1 : 0);
  EXPECT_EQ(jeu.classement[0], 2);
}

}  // namespace
}  // namespace irvad
