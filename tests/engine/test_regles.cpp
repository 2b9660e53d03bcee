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
  void jeton(int x, int y, int32_t lettre, int32_t valeur, int32_t proprietaire) {
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
  // The run A B C leaves two starts, A and B; C has nothing after it.
  EXPECT_EQ(ecran.tempsAppels, 2);
}

TEST_F(Regles, UnTokenAdverseMisAZeroPuisPrisDansLeMemeCoup) {
  mots({"ABE", "BEL"});
  // A (own, 1) B (opponent, 1) new E, L (own, 1): ABE from the first start,
  // then BEL, which must end past ABE, from the next one.
  jeton(3, 5, 'A', 1, 1);
  jeton(4, 5, 'B', 1, 2);
  jeton(6, 5, 'L', 1, 1);
  ASSERT_TRUE(jouer(5, 5, 'E'));
  EXPECT_EQ(ecran.messages, (Lignes{"Pose E (5,5)", entete, filet, "ABE      03 01 00", "BEL      03 00 01",
                                    "2 mot(s) 06 01 01", filet}));
  EXPECT_EQ(ecran.appelsDe("ajouterMessageEtAttendre").size(), 2u);
  EXPECT_EQ(ecran.appelsDe("mettreAJourRecords"), (Lignes{"mettreAJourRecords(Joueur 1,ABE,6,1,1)"}));
  EXPECT_EQ(en(4, 5).proprietaire, 1);
  EXPECT_EQ(en(4, 5).valeur, 1);
  EXPECT_EQ(en(5, 5).valeur, 2);
  EXPECT_EQ(en(3, 5).valeur, 2);
  EXPECT_EQ(en(6, 5).valeur, 2);
  EXPECT_EQ(jeu.joueurs[0].score, 6);
}

TEST_F(Regles, LEssaiDuMemeCoupCompteDeuxPointsPrisEtRienNeChange) {
  mots({"ABE", "BEL"});
  jeton(3, 5, 'A', 1, 1);
  jeton(4, 5, 'B', 1, 2);
  jeton(6, 5, 'L', 1, 1);
  jeu.plateau.essaiLmoins = 7;
  ASSERT_TRUE(essayer(5, 5, 'E'));
  EXPECT_EQ(jeu.plateau.essaiPplus, 4);
  EXPECT_EQ(jeu.plateau.essaiPmoins, 2);
  EXPECT_EQ(jeu.plateau.essaiLmoins, 0);
  // The weight sum counts only from the third round on.
  EXPECT_EQ(jeu.plateau.essaiBonus, 0);
  EXPECT_EQ(en(4, 5).valeur, 1);
  EXPECT_EQ(en(4, 5).proprietaire, 2);
  EXPECT_EQ(en(5, 5).valeur, 0);
  EXPECT_EQ(jeu.joueurs[0].score, 0);
  // A trial writes and draws nothing, but sets the legend.
  EXPECT_TRUE(ecran.messages.empty());
  EXPECT_TRUE(ecran.appelsDe("dessinerCellule").empty());
  EXPECT_TRUE(ecran.appelsDe("mettreAJour").empty());
  EXPECT_EQ(ecran.legende,
            "\"P+\"=Gain de points - \"P-\"=Perte de point(s) adverse - \"L-\"=Perte de lettre(s) adverse");

  jeu.tour = 2;
  ASSERT_TRUE(essayer(5, 5, 'E'));
  // A 5 + B 2 + E 5, then B 2 + E 5 + L 3.
  EXPECT_EQ(jeu.plateau.essaiBonus, 22);
  EXPECT_EQ(jeu.plateau.essaiPplus, 4);
}

TEST_F(Regles, LeJetonPoseDansTroisMotsFinitAValeurTrois) {
  mots({"ET", "ES", "LE"});
  // Around (5,5): axis 0 reads (5,5)(4,4), axis 1 (5,5)(5,4), axis 2 (4,5)(5,5).
  jeton(4, 4, 'T', 1, 1);
  jeton(5, 4, 'S', 1, 1);
  jeton(4, 5, 'L', 1, 1);
  ASSERT_TRUE(jouer(5, 5, 'E'));
  EXPECT_EQ(ecran.messages, (Lignes{"Pose E (5,5)", entete, filet, "ET       02 00 00", "ES       02 00 00",
                                    "LE       02 00 00", "3 mot(s) 06 00 00", filet}));
  EXPECT_EQ(en(5, 5).valeur, 3);
  EXPECT_EQ(jeu.joueurs[0].score, 6);
  // Of equally long words the first one found goes to the records.
  EXPECT_EQ(ecran.appelsDe("mettreAJourRecords"), (Lignes{"mettreAJourRecords(Joueur 1,ET,6,0,0)"}));
}

TEST_F(Regles, UnMotLuALEnversCompteCommeALEndroitEtSEcritCommeLaListe) {
  mots({"ON", "TES"});
  jeton(4, 5, 'N', 1, 1);
  ASSERT_TRUE(jouer(5, 5, 'O'));
  EXPECT_EQ(ecran.messages[3], "ON       02 00 00");
  EXPECT_EQ(en(4, 5).valeur, 2);
  // When both ways are words, the reading order wins.
  mots({"NO", "ON", "TES"});
  jeton(7, 5, 'N', 1, 1);
  ecran.oublier();
  ASSERT_TRUE(jouer(8, 5, 'O'));
  EXPECT_EQ(ecran.messages[3], "NO       02 00 00");
  // Axis 1 reads the columns downwards: (5,7) (5,6) (5,5) reads S E T.
  jeton(6, 7, 'S', 1, 1);
  jeton(6, 6, 'E', 1, 1);
  ecran.oublier();
  ASSERT_TRUE(jouer(6, 5, 'T'));
  EXPECT_EQ(ecran.messages, (Lignes{"Pose T (6,5)", entete, filet, "TES      03 00 00", "1 mot(s) 03 00 00",
                                    filet}));
  EXPECT_EQ(ecran.appelsDe("mettreAJourRecords"), (Lignes{"mettreAJourRecords(Joueur 1,TES,3,0,0)"}));
}

TEST_F(Regles, SeulsComptentLesMotsQuiPassentParLaCaseJouee) {
  mots({"LA", "AL", "AT", "TA"});
  jeton(4, 5, 'L', 1, 1);
  jeton(4, 6, 'A', 1, 1);
  ecran.ajouterMessage("Joueur 1", false);
  // (5,5) touches L but not A: its runs read L T and T alone.
  jeu.poserLettre(5, 5, 'T');
  EXPECT_EQ(jeu.plateau.casesLibres, 91 - 3);
  EXPECT_FALSE(jeu.evaluerCoup(5, 5));
  EXPECT_EQ(jeu.joueurs[0].score, 0);
  EXPECT_TRUE(ecran.appelsDe("mettreAJourRecords").empty());
  EXPECT_TRUE(ecran.appelsDe("ajouterMessageEtAttendre").empty());
  jeu.retirerLettre(5, 5);
  // The header and the placement line are gone; the separator stays last.
  EXPECT_EQ(ecran.messages, (Lignes{"Joueur 1", filet}));
  EXPECT_EQ(jeu.plateau.casesLibres, 91 - 2);
  EXPECT_EQ(en(5, 5).lettre, 0);
  EXPECT_EQ(en(5, 5).proprietaire, 0);
  EXPECT_EQ(en(4, 5).valeur, 1);
}

// The run A B C D E along column 5, the new token on C.
class Departs : public Regles {
 protected:
  void run() {
    jeton(3, 5, 'A', 1, 1);
    jeton(4, 5, 'B', 1, 1);
    jeton(6, 5, 'D', 1, 1);
    jeton(7, 5, 'E', 1, 1);
    ASSERT_TRUE(jouer(5, 5, 'C'));
  }
};

TEST_F(Departs, UnDepartPlusTardifDoitDepasserLesMotsDejaPris) {
  mots({"ABC", "ABCD", "BC", "BCD", "CD", "BCDE", "CDE"});
  run();
  // From A only the longest word counts; from B only BCDE reaches past D;
  // from C nothing can any more.
  EXPECT_EQ(ecran.messages, (Lignes{"Pose C (5,5)", entete, filet, "ABCD     04 00 00", "BCDE     04 00 00",
                                    "2 mot(s) 08 00 00", filet}));
  EXPECT_EQ(en(5, 5).valeur, 2);
  EXPECT_EQ(en(4, 5).valeur, 3);
  EXPECT_EQ(en(7, 5).valeur, 2);
}

TEST_F(Departs, SansBCDELeMotCDEPeutCompter) {
  mots({"ABC", "ABCD", "BC", "BCD", "CD", "CDE"});
  run();
  EXPECT_EQ(ecran.messages, (Lignes{"Pose C (5,5)", entete, filet, "ABCD     04 00 00", "CDE      03 00 00",
                                    "2 mot(s) 07 00 00", filet}));
  EXPECT_EQ(ecran.appelsDe("mettreAJourRecords"), (Lignes{"mettreAJourRecords(Joueur 1,ABCD,7,0,0)"}));
}

TEST_F(Regles, UnEssaiLimiteACinqLettresTrouveUnAutreMotQueLeCoupReel) {
  mots({"PART", "PARTIE"});
  // P new on row 2, then A R T I E on rows 3..7.
  const char* suite = "ARTIE";
  for (int i = 0; i < 5; ++i) jeton(3 + i, 5, suite[i], 1, 1);
  jeu.joueurs[0].tailleMax = 5;
  ASSERT_TRUE(essayer(2, 5, 'P'));
  EXPECT_EQ(jeu.plateau.essaiPplus, 4);
  jeu.plateau.cases[2][5] = cellule{};
  jeu.plateau.casesLibres += 1;
  ASSERT_TRUE(jouer(2, 5, 'P'));
  EXPECT_EQ(ecran.messages, (Lignes{"Pose P (2,5)", entete, filet, "PARTIE   06 00 00", "1 mot(s) 06 00 00",
                                    filet}));
  EXPECT_EQ(jeu.joueurs[0].score, 6);
}

TEST_F(Regles, UnMotDeNeufLettresToucheSonPremierNombre) {
  mots({"ABRICOTES"});
  const char* suite = "BRICOTES";
  for (int i = 0; i < 8; ++i) jeton(1 + i, 5, suite[i], 1, 1);
  ASSERT_TRUE(jouer(0, 5, 'A'));
  EXPECT_EQ(ecran.messages[3], "ABRICOTES09 00 00");
  EXPECT_EQ(ecran.messages[4], "1 mot(s) 09 00 00");
}

TEST_F(Regles, UneRecolteRendLaLettreEtLaisseUnJetonEpuiseQueLAdversairePrend) {
  mots({"ME"});
  jeton(5, 5, 'E', 5, 1);  // E weighs 5: ripe at exactly its weight
  jeton(5, 7, 'M', 1, 1);  // M weighs 2
  jeton(3, 3, 'A', 9, 2);  // ripe, but the opponent's
  EXPECT_TRUE(jeu.recoltable(5, 5));
  EXPECT_FALSE(jeu.recoltable(5, 7));
  EXPECT_FALSE(jeu.recoltable(3, 3));
  EXPECT_FALSE(jeu.recoltable(5, 6));  // empty

  ecran.statut = "ancien";
  jeu.recolter(5, 5);
  EXPECT_EQ(jeu.joueurs[0].lettres['E' - 64], 2);
  EXPECT_EQ(jeu.joueurs[0].lettres[0], 27);
  EXPECT_EQ(en(5, 5).valeur, 0);
  EXPECT_EQ(en(5, 5).lettre, 'E');
  EXPECT_EQ(en(5, 5).proprietaire, 1);
  EXPECT_EQ(ecran.appels, (Lignes{"curseurStandard()", "texteStatut()", "dessinerCellule(5,5,000000)",
                                  "dessinerReserve(0)", "ajouterMessage(Gain E (5,5))", "mettreAJourScores()"}));
  // Spent, it cannot be harvested again, and the next word through it takes it.
  EXPECT_FALSE(jeu.recoltable(5, 5));
  jeu.recolter(5, 5);
  EXPECT_EQ(jeu.joueurs[0].lettres[0], 27);

  jeu.joueurCourant = 1;
  ecran.oublier();
  ASSERT_TRUE(jouer(4, 5, 'M'));
  EXPECT_EQ(ecran.messages, (Lignes{"Pose M (4,5)", entete, filet, "ME       02 00 01", "1 mot(s) 02 00 01",
                                    filet}));
  EXPECT_EQ(ecran.appelsDe("mettreAJourRecords"), (Lignes{"mettreAJourRecords(Joueur 2,ME,2,0,1)"}));
  EXPECT_EQ(en(5, 5).proprietaire, 2);
  EXPECT_EQ(en(5, 5).valeur, 1);
  EXPECT_EQ(jeu.joueurs[1].score, 2);
}

TEST_F(Regles, UnJetonMurAuDelaDeSonPoidsGardeLeReste) {
  jeton(2, 2, 'L', 7, 1);  // L weighs 3
  jeu.recolter(2, 2);
  EXPECT_EQ(en(2, 2).valeur, 4);
  EXPECT_TRUE(jeu.recoltable(2, 2));
  jeu.recolter(2, 2);
  EXPECT_EQ(en(2, 2).valeur, 1);
  EXPECT_EQ(jeu.joueurs[0].lettres['L' - 64], 3);
  EXPECT_EQ(jeu.joueurs[0].lettres[0], 28);
}

TEST_F(Regles, AuPremierTourChacunPoseSurSonSommetSansQNiZNiLaLettreDUnPrecedent) {
  jeu.tour = 0;
  jeu.nbJoueurs = 3;
  for (uint32_t i = 0; i < 3; ++i) {
    const auto [x, y] = Jeu::sommetDe(i, 3);
    jeu.joueurs[i].placerSommet(x, y);
  }
  EXPECT_FALSE(jeu.lettrePrenable('Q'));
  EXPECT_FALSE(jeu.lettrePrenable('Z'));
  EXPECT_TRUE(jeu.lettrePrenable('E'));
  EXPECT_TRUE(jeu.destinationPermise(0, 0));
  EXPECT_FALSE(jeu.destinationPermise(1, 1));
  jeu.poserLettre(0, 0, 'E');
  EXPECT_EQ(ecran.messages, (Lignes{"Pose E (0,0)"}));

  jeu.joueurCourant = 2;
  jeu.poserLettre(5, 10, 'A');
  jeu.joueurCourant = 1;
  EXPECT_FALSE(jeu.lettrePrenable('E'));  // on player 0's vertex
  EXPECT_TRUE(jeu.lettrePrenable('A'));   // player 2 plays after this one
  EXPECT_TRUE(jeu.destinationPermise(10, 5));
  EXPECT_FALSE(jeu.destinationPermise(0, 0));
  EXPECT_FALSE(jeu.destinationPermise(9, 5));
  jeu.prendreLettre(jeu.joueurs[1], 'B');
  EXPECT_EQ(jeu.joueurs[1].lettres['B' - 64], 0);
  EXPECT_EQ(jeu.joueurs[1].lettres[0], 25);
  EXPECT_FALSE(jeu.lettrePrenable('B'));
  jeu.rendreLettre(jeu.joueurs[1], 'B');
  EXPECT_TRUE(jeu.lettrePrenable('B'));
  EXPECT_EQ(jeu.joueurs[1].lettres[0], 26);
  EXPECT_EQ(ecran.appelsDe("dessinerReserve"), (Lignes{"dessinerReserve(1)", "dessinerReserve(1)"}));

  // From the second round on, Q and Z may be taken, and a letter goes on any
  // empty cell next to one of the player's tokens.
  jeu.tour = 1;
  EXPECT_TRUE(jeu.lettrePrenable('Q'));
  EXPECT_TRUE(jeu.lettrePrenable('E'));
  jeu.joueurCourant = 0;
  EXPECT_TRUE(jeu.destinationPermise(1, 1));
  EXPECT_TRUE(jeu.destinationPermise(0, 1));
  EXPECT_TRUE(jeu.destinationPermise(1, 0));
  EXPECT_FALSE(jeu.destinationPermise(0, 0));  // occupied
  EXPECT_FALSE(jeu.destinationPermise(2, 2));
  EXPECT_FALSE(jeu.destinationPermise(4, 10));  // next to player 2's token
  EXPECT_FALSE(jeu.destinationPermise(0, 6));   // off the board
}

TEST_F(Regles, UnPlateauAbimeNeFaitLireNiHorsDeLaGrilleNiHorsDesTables) {
  mots({"AN", "NA"});
  // 'A' + 256 would read as 'A' once cut to a byte: it must end the run instead.
  jeton(4, 5, 'A' + 256, 9, 1);
  jeton(6, 5, '[', 9, 1);
  jeton(5, 4, -3, 9, 1);
  EXPECT_FALSE(jeu.recoltable(4, 5));
  EXPECT_FALSE(jeu.recoltable(6, 5));
  EXPECT_FALSE(jeu.recoltable(5, 4));
  jeu.recolter(5, 4);
  EXPECT_EQ(jeu.joueurs[0].lettres[0], 26);
  EXPECT_FALSE(jouer(5, 5, 'N'));
  EXPECT_EQ(jeu.joueurs[0].score, 0);
  EXPECT_EQ(en(4, 5).valeur, 9);

  jeu.plateau.essai = true;
  jeu.tour = 2;
  EXPECT_FALSE(jeu.evaluerCoup(5, 5));
  EXPECT_EQ(jeu.plateau.essaiBonus, 0);
  jeu.plateau.essai = false;

  // A played cell whose owner is no player, and cells off the grid.
  jeton(1, 1, 'N', 0, 9);
  jeton(1, 2, 'A', 1, 1);
  EXPECT_FALSE(jeu.evaluerCoup(1, 1));
  EXPECT_FALSE(jeu.evaluerCoup(-1, 3));
  EXPECT_FALSE(jeu.evaluerCoup(0, 6));
  EXPECT_FALSE(jeu.evaluerCoup(11, 11));
  EXPECT_FALSE(jeu.recoltable(-1, 0));
  EXPECT_FALSE(jeu.destinationPermise(20, 3));
  const int32_t libres = jeu.plateau.casesLibres;
  jeu.poserLettre(0, 6, 'E');
  jeu.poserLettre(-2, 0, 'E');
  jeu.retirerLettre(12, 0);
  EXPECT_EQ(jeu.plateau.casesLibres, libres);
  // A search length beyond nine letters looks for nine at most: the run of
  // eleven letters along column 5 gives the nine from row 1.
  mots({"BRICOLAGE"});
  const char* colonne = "ZBRICOLAGEZ";
  for (int x = 0; x < 11; ++x)
    if (x != 5) jeton(x, 5, colonne[x], 1, 1);
  jeu.joueurs[0].tailleMax = 40;
  ASSERT_TRUE(essayer(5, 5, 'O'));
  EXPECT_EQ(jeu.plateau.essaiPplus, 9);
  // A vertex off the grid is never read.
  jeu.tour = 0;
  jeu.joueurCourant = 1;
  jeu.joueurs[0].sommetX = 40;
  jeu.joueurs[0].sommetY = -7;
  EXPECT_TRUE(jeu.lettrePrenable('E'));
  EXPECT_FALSE(jeu.lettreSurSommetPrecedent('E'));
  // A player index out of range asks about nobody's stock.
  jeu.joueurCourant = 9;
  EXPECT_FALSE(jeu.lettrePrenable('E'));
  EXPECT_FALSE(jeu.destinationPermise(1, 3));
}

TEST_F(Regles, PoserSurUneCaseOccupeeNeChangeRien) {
  jeton(3, 3, 'E', 4, 2);
  jeu.poserLettre(3, 3, 'A');
  EXPECT_EQ(en(3, 3).lettre, 'E');
  EXPECT_EQ(en(3, 3).proprietaire, 2);
  EXPECT_EQ(jeu.plateau.casesLibres, 90);
  EXPECT_TRUE(ecran.messages.empty());
}

TEST_F(Regles, LesPointsAjoutesRafraichissentLesScoresSaufZero) {
  jeu.ajouterPoints(jeu.joueurs[1], 4);
  jeu.ajouterPoints(jeu.joueurs[1], 0);
  EXPECT_EQ(jeu.joueurs[1].score, 4);
  EXPECT_EQ(ecran.appelsDe("mettreAJourScores").size(), 1u);
}

}  // namespace
}  // namespace irvad
