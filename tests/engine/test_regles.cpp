// Placement rules, the words a play forms along the three axes, their scoring,
// the play's log lines and harvesting, on small word lists.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "DicoTest.h"
#include "EcranEnregistreur.h"
#include "Jeu.h"

namespace irvad {
namespace {

using Lignes = std::vector<std::string>;
const std::string filet(17, '-');
const std::string entete = "Mots     P+ P- L-";

class Regles : public ::testing::Test {
 protected:
  test::EcranEnregistreur ecran;
  Jeu jeu{ecran};

  void SetUp() override {
    jeu.nbJoueurs = 2;
    jeu.tour = 1;
    jeu.joueurCourant = 0;
  }
  void mots(const std::vector<std::string>& liste) { test::chargerMots(jeu.dico, liste); }
  // A token put straight on the board, as a saved game would hold it.
  void jeton(int x, int y, char lettre, int32_t valeur, int32_t proprietaire) {
    cellule& c = jeu.plateau.cases[x][y];
    c.lettre = lettre;
    c.valeur = valeur;
    c.proprietaire = proprietaire;
    jeu.plateau.casesLibres -= 1;
  }
  const cellule& en(int x, int y) const { return jeu.plateau.cases[x][y]; }
  // Puts `lettre` for the current player and evaluates the play for real.
  bool jouer(int x, int y, char lettre) {
    jeu.poserLettre(x, y, lettre);
    return jeu.evaluerCoup(x, y);
  }
  bool essayer(int x, int y, char lettre) {
    jeton(x, y, lettre, 0, static_cast<int32_t>(jeu.joueurCourant) + 1);
    jeu.plateau.essai = true;
    const bool r = jeu.evaluerCoup(x, y);
    jeu.plateau.essai = false;
    return r;
  }
};

// Column 5 is whole (rows 0..10); along it axis 2 reads the rows upwards.
TEST_F(Regles, LExempleABCDonneTroisPointsEtPrendUnPoint) {
  mots({"ABC"});
  jeton(3, 5, 'A', 2, 1);
  jeton(4, 5, 'B', 1, 2);
  ASSERT_TRUE(jouer(5, 5, 'C'));

  EXPECT_EQ(ecran.messages, (Lignes{"Pose C (5,5)", entete, filet, "ABC      03 01 00",
                                    "1 mot(s) 03 01 00", filet}));
  EXPECT_EQ(ecran.appelsDe("ajouterMessageEtAttendre"),
            (Lignes{"ajouterMessageEtAttendre(ABC      03 01 00)"}));
  EXPECT_EQ(ecran.appelsDe("mettreAJourRecords"), (Lignes{"mettreAJourRecords(Joueur 1,ABC,3,1,0)"}));
  // Each letter highlighted in reading order, the played cell in silver, then
  // all of them back to normal once the line is written.
  EXPECT_EQ(ecran.appelsDe("dessinerCellule"),
            (Lignes{"dessinerCellule(5,5,000000)", "dessinerCellule(3,5,FFFFFF)",
                    "dessinerCellule(4,5,FFFFFF)", "dessinerCellule(5,5,C0C0C0)",
                    "dessinerCellule(3,5,000000)", "dessinerCellule(4,5,000000)",
                    "dessinerCellule(5,5,000000)"}));
  EXPECT_EQ(en(3, 5).valeur, 3);
  EXPECT_EQ(en(3, 5).proprietaire, 1);
  EXPECT_EQ(en(4, 5).valeur, 0);
  EXPECT_EQ(en(4, 5).proprietaire, 2);
  EXPECT_EQ(en(5, 5).valeur, 1);
  EXPECT_EQ(en(5, 5).proprietaire, 1);
  EXPECT_EQ(jeu.joueurs[0].score, 3);
  EXPECT_EQ(jeu.joueurs[1].score, 0);
  EXPECT_EQ(jeu.plateau.casesLibres, 91 - 3);
  EXPECT_FALSE(ecran.legende.empty());
}

}  // namespace
}  // namespace irvad
