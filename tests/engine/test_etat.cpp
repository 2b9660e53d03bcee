// The game state: the board's shape and vertices, the turn timer, a new game
// and the ranking of the scores window.
#include <set>

#include "JeuTest.h"

namespace irvad {
namespace {

class Etat : public test::JeuTest {};

TEST_F(Etat, LePlateauCompteQuatreVingtOnzeCasesEtSesSommetsSuiventLeNombreDeJoueurs) {
  const Plateau& p = pos().plateau;
  int total = 0;
  for (int x = 0; x < tailleGrille; ++x) {
    int rangee = 0;
    for (int y = -1; y <= tailleGrille; ++y) rangee += p.valide(x, y);
    EXPECT_EQ(rangee, x < 6 ? 6 + x : 16 - x) << "rangée " << x;
    total += rangee;
  }
  EXPECT_EQ(total, nbCases);
  std::set<std::pair<int, int>> voisins;
  for (int d = 0; d < 6; ++d) {
    voisins.insert({5 + p.dx[d], 5 + p.dy[d]});
    // Directions d and d + 3 are opposite: they make the three lines of words.
    EXPECT_EQ(p.dx[d], -p.dx[(d + 3) % 6]);
    EXPECT_EQ(p.dy[d], -p.dy[(d + 3) % 6]);
  }
  EXPECT_EQ(voisins, (std::set<std::pair<int, int>>{{4, 4}, {5, 4}, {6, 5}, {6, 6}, {5, 6}, {4, 5}}));
  EXPECT_EQ(Jeu::sommetDe(1, 2), (std::pair<int32_t, int32_t>{10, 10}));
  EXPECT_EQ(Jeu::sommetDe(1, 3), (std::pair<int32_t, int32_t>{10, 5}));
  EXPECT_EQ(Jeu::sommetDe(2, 3), (std::pair<int32_t, int32_t>{5, 10}));
  for (uint32_t i = 0; i < 6; ++i) EXPECT_EQ(Jeu::sommetDe(i, 6), Jeu::sommets[i]);
  EXPECT_EQ(Jeu::sommetDe(7, 6), Jeu::sommets[0]);
}

TEST_F(Etat, LeChronometreDonneLeTempsEcouleAuJoueurDontLeTourFinit) {
  partie(3, 1, 2);
  ASSERT_TRUE(jeu.continuer());
  EXPECT_EQ(pos().plateau.chronoDebut, heure);
  heure += 7;
  EXPECT_EQ(jeu.texteTemps(2), "00:07");
  EXPECT_EQ(jeu.texteTemps(1), "00:00");
  ASSERT_TRUE(jeu.passer());
  EXPECT_EQ(joueurNo(2).temps, 7.0);
  // The next player, human, is timed from now; a loaded game is not timed
  // until it goes on, and the time before the load is not counted.
  EXPECT_EQ(pos().plateau.chronoDebut, heure);
  const std::string fichier = test::dossierTemporaire() + "partie.ivd";
  ASSERT_TRUE(jeu.enregistrerPartie(fichier));
  heure += 100;
  ASSERT_TRUE(jeu.chargerPartie(fichier));
  EXPECT_FALSE(pos().plateau.chronoActif);
  heure += 100;
  ASSERT_TRUE(jeu.passer());
  EXPECT_EQ(joueurNo(0).temps, 0.0);

  Position p = pos();
  p.joueurs[0].temps = 100 * 60 + 5;
  p.joueurs[1].temps = 59.9;
  ASSERT_TRUE(jeu.installer(p));
  EXPECT_EQ(jeu.texteTemps(0), "100:05");
  EXPECT_EQ(jeu.texteTemps(1), "00:59");
  EXPECT_EQ(jeu.texteTemps(9), "00:00");
}

TEST_F(Etat, UneNouvellePartieGardeLesReglagesEtRemetLesStocks) {
  Tablee t{3, {}};
  for (int i = 0; i < 6; ++i) t.sieges.push_back({"N" + std::to_string(i), i % 2 == 1, i % 3 == 0, 5 + i % 5});
  ASSERT_TRUE(jeu.nouvellePartie(t));
  Position p = pos();
  p.poserJeton(5, 5, 'E', 4, 2);
  p.joueurs[1].score = 41;
  p.fixerStock(1, 'E', 0);
  p.plateau.nbPasses = 2;
  p.tour = 7;
  ASSERT_TRUE(jeu.installer(p));
  ecran.oublier();
  ASSERT_TRUE(jeu.nouvellePartie());
  EXPECT_EQ(pos().nbJoueurs, 3u);
  EXPECT_EQ(pos().tour, 0u);
  for (int i = 0; i < 6; ++i) {
    const joueur& j = joueurNo(i);
    EXPECT_EQ(j.nom, "N" + std::to_string(i));
    EXPECT_EQ(j.automate, i % 2 == 1);
    EXPECT_EQ(j.deplacements, i % 3 == 0);
    EXPECT_EQ(j.tailleMax, 5 + i % 5);
    EXPECT_EQ(j.score, 0);
    EXPECT_EQ(j.lettres[0], 26);
  }
  EXPECT_EQ(std::pair(joueurNo(2).sommetX, joueurNo(2).sommetY), Jeu::sommetDe(2, 3));
  EXPECT_EQ(pos().plateau.casesLibres, 91);
  EXPECT_EQ(pos().plateau.nbPasses, 0);
  EXPECT_EQ(en(5, 5).proprietaire, 0);
  EXPECT_EQ(ecran.messages, (std::vector<std::string>{"Tour n°0", "", "BLEU: N0"}));
  EXPECT_FALSE(ecran.appelsDe("dessinerPlateau").empty());
  EXPECT_EQ(ecran.appels.back(), "demarrerTour()");

  // The seats' settings are checked before anything changes.
  t.sieges[1].nom = "Maximilien";
  EXPECT_EQ(jeu.nouvellePartie(t).refus(), Refus::NomTropLong);
  t.sieges[1].nom = "N1";
  t.nombre = 4;
  EXPECT_EQ(jeu.nouvellePartie(t).refus(), Refus::NombreDeJoueurs);
  t.nombre = 2;
  EXPECT_EQ(jeu.reglerJoueurs(t).refus(), Refus::NombreFixe);  // not during a game
  EXPECT_EQ(pos().nbJoueurs, 3u);
  ASSERT_TRUE(jeu.nouvellePartie(t));
  EXPECT_EQ(pos().nbJoueurs, 2u);
}

TEST_F(Etat, LeClassementSuitScoreJetonsPuisPointsEtDepartageParSiege) {
  // Player 2 has one token more than player 1: it ranks before it.
  partie(3, 1, 0, {{5, 5, 'E', 1, 2}});
  Position p = pos();
  p.joueurs[0].score = 10;
  p.joueurs[1].score = 10;
  p.joueurs[2].score = 12;
  ASSERT_TRUE(jeu.installer(p));
  EXPECT_EQ(pos().classement, (std::array<int32_t, 6>{2, 1, 0, -1, -1, -1}));
  EXPECT_EQ(pos().jetons[1], 1);
  EXPECT_EQ(pos().pointsJetons[1], 1);
  // Equal keys keep seat order.
  p.viderCase(5, 5);
  p.joueurs[2].score = 10;
  ASSERT_TRUE(jeu.installer(p));
  EXPECT_EQ(pos().classement, (std::array<int32_t, 6>{0, 1, 2, -1, -1, -1}));
}

}  // namespace
}  // namespace irvad
