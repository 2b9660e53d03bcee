// Placements through the engine's actions: where a letter may go, the words a
// play forms along the three axes, their scoring and log lines, harvesting,
// and refusals that leave the game as it was. The refusals of the opening
// round are the scenario ouverture.txt; a capture in the same play, prise.txt.
#include <string>
#include <vector>

#include "JeuTest.h"

namespace irvad {
namespace {

using Lignes = std::vector<std::string>;
const std::string filet(17, '-');
const std::string entete = "Mots     P+ P- L-";

class Regles : public test::JeuTest {
 protected:
  // The current player takes `lettre` and puts it on (x, y).
  Verdict jouer(char lettre, int x, int y) {
    if (Verdict v = jeu.prendre(lettre); !v) return v;
    Verdict v = jeu.poser(x, y);
    if (!v) jeu.rendre();
    return v;
  }
  // The log lines of the play just made, without the next turn's.
  Lignes coup() const {
    auto fin = ecran.messages.end();
    while (fin != ecran.messages.begin() && *(fin - 1) != filet) --fin;
    return Lignes(ecran.messages.begin(), fin);
  }
};

// Column 5 is whole (rows 0..10); along it axis 2 reads the rows downwards.
TEST_F(Regles, LExempleABCDonneTroisPointsEtPrendUnPoint) {
  mots({"ABC"});
  // X makes (5,5) a cell where player 1 may play; it forms no word.
  partie(2, 1, 0, {{3, 5, 'A', 2, 1}, {4, 5, 'B', 1, 2}, {6, 6, 'X', 1, 1}});
  ASSERT_TRUE(jouer('C', 5, 5));
  EXPECT_EQ(ecran.messages, (Lignes{"Pose C (5,5)", entete, filet, "ABC      03 01 00", "1 mot(s) 03 01 00",
                                    filet, "", "VERT: Joueur 2"}));
  EXPECT_EQ(ecran.appelsDe("ajouterMessageEtAttendre"), (Lignes{"ajouterMessageEtAttendre(ABC      03 01 00)"}));
  EXPECT_EQ(ecran.appelsDe("mettreAJourRecords"), (Lignes{"mettreAJourRecords(Joueur 1,ABC,3,1,0)"}));
  // Each letter highlighted in reading order, the played cell in silver, then
  // all of them back to normal once the line is written.
  EXPECT_EQ(ecran.appelsDe("dessinerCellule"),
            (Lignes{"dessinerCellule(5,5,000000)", "dessinerCellule(3,5,FFFFFF)", "dessinerCellule(4,5,FFFFFF)",
                    "dessinerCellule(5,5,C0C0C0)", "dessinerCellule(3,5,000000)", "dessinerCellule(4,5,000000)",
                    "dessinerCellule(5,5,000000)"}));
  EXPECT_EQ(ecran.appelsDe("coupCompte").size(), 1u);
  EXPECT_EQ(en(3, 5).valeur, 3);
  EXPECT_EQ(en(4, 5).valeur, 0);
  EXPECT_EQ(en(4, 5).proprietaire, 2);
  EXPECT_EQ(en(5, 5).valeur, 1);
  EXPECT_EQ(en(5, 5).proprietaire, 1);
  EXPECT_EQ(joueurNo(0).score, 3);
  EXPECT_EQ(joueurNo(0).lettres['C' - 64], 0);
  EXPECT_EQ(joueurNo(0).lettres[0], 25);
  EXPECT_EQ(pos().plateau.casesLibres, 91 - 4);
  EXPECT_EQ(pos().joueurCourant, 1u);
}

TEST_F(Regles, UnJetonDansTroisMotsGagneTroisEtLesRecordsPrennentLesTotauxDuCoup) {
  // The capture of B and BEL ending past ABE are the scenario prise.txt (AME,
  // MET); the records get the play's totals, letters taken included.
  mots({"ABE", "BEL"});
  partie(2, 1, 0, {{3, 5, 'A', 1, 1}, {4, 5, 'B', 1, 2}, {6, 5, 'L', 1, 1}});
  ASSERT_TRUE(jouer('E', 5, 5));
  EXPECT_EQ(ecran.appelsDe("mettreAJourRecords"), (Lignes{"mettreAJourRecords(Joueur 1,ABE,6,1,1)"}));

  // A token in three words gains three; of equally long words the first
  // found goes to the records. Around (5,2): axis 0 reads (4,1), axis 1
  // (5,1), axis 2 (6,2).
  mots({"ET", "ES", "EL"});
  partie(2, 1, 0, {{4, 1, 'T', 1, 1}, {5, 1, 'S', 1, 1}, {6, 2, 'L', 1, 1}});
  ASSERT_TRUE(jouer('E', 5, 2));
  EXPECT_EQ(coup(), (Lignes{"Pose E (5,2)", entete, filet, "ET       02 00 00", "ES       02 00 00",
                            "EL       02 00 00", "3 mot(s) 06 00 00", filet}));
  EXPECT_EQ(en(5, 2).valeur, 3);
  EXPECT_EQ(ecran.appelsDe("mettreAJourRecords"), (Lignes{"mettreAJourRecords(Joueur 1,ET,6,0,0)"}));
}

TEST_F(Regles, QuandLesDeuxSensSontDesMotsLOrdreDeLectureLEmporte) {
  // A word read backwards along axis 2 is colonne.txt's RE.
  mots({"ON", "NO"});
  partie(2, 1, 0, {{4, 5, 'N', 1, 1}});
  ASSERT_TRUE(jouer('O', 5, 5));
  EXPECT_EQ(ecran.messages[3], "NO       02 00 00");
  // Axis 1 reads (6,7) (6,6) (6,5) as S E T: the list's TES is that run backwards.
  mots({"TES"});
  partie(2, 1, 0, {{6, 7, 'S', 1, 1}, {6, 6, 'E', 1, 1}});
  ASSERT_TRUE(jouer('T', 6, 5));
  EXPECT_EQ(coup(), (Lignes{"Pose T (6,5)", entete, filet, "TES      03 00 00", "1 mot(s) 03 00 00", filet}));
}

TEST_F(Regles, UnPlacementSansMotEstRepris) {
  mots({"LA", "AL", "AT", "TA"});
  partie(2, 1, 0, {{4, 5, 'L', 1, 1}, {4, 6, 'A', 1, 1}});
  ecran.ajouterMessage("Joueur 1", false);
  const Position avant = pos();
  // (5,5) touches L but not A: its runs read L T and T alone.
  ASSERT_TRUE(jeu.prendre('T'));
  const Verdict v = jeu.poser(5, 5);
  EXPECT_EQ(v.refus(), Refus::AucunMot);
  // The letter stays in hand; the header and the placement line are gone
  // from the log, the separator stays last.
  EXPECT_EQ(pos().lettreEnMain, 'T');
  EXPECT_EQ(ecran.messages, (Lignes{"Joueur 1", filet}));
  EXPECT_TRUE(ecran.appelsDe("mettreAJourRecords").empty());
  EXPECT_EQ(en(5, 5).proprietaire, 0);
  ASSERT_TRUE(jeu.rendre());
  EXPECT_TRUE(pos() == avant);
}

// The run A B C D E along column 5, the new token on C.
TEST_F(Regles, UnDepartPlusTardifDoitDepasserLesMotsDejaPris) {
  const std::vector<std::pair<std::vector<std::string>, Lignes>> cas = {
      // From A only the longest word counts; from B only BCDE reaches past D;
      // from C nothing can any more.
      {{"ABC", "ABCD", "BC", "BCD", "CD", "BCDE", "CDE"}, {"ABCD     04 00 00", "BCDE     04 00 00"}},
      {{"ABC", "ABCD", "BC", "BCD", "CD", "CDE"}, {"ABCD     04 00 00", "CDE      03 00 00"}},
  };
  for (const auto& [liste, lignes] : cas) {
    mots(liste);
    partie(2, 1, 0, {{3, 5, 'A', 1, 1}, {4, 5, 'B', 1, 1}, {6, 5, 'D', 1, 1}, {7, 5, 'E', 1, 1}});
    ASSERT_TRUE(jouer('C', 5, 5));
    EXPECT_EQ(Lignes(ecran.messages.begin() + 3, ecran.messages.begin() + 5), lignes);
  }
}

TEST_F(Regles, LaRechercheSArreteAUneLongueurQueLeCoupReelDepasse) {
  mots({"PART", "PARTIE"});
  partie(2, 1, 0, {{3, 5, 'A', 1, 1}, {4, 5, 'R', 1, 1}, {5, 5, 'T', 1, 1}, {6, 5, 'I', 1, 1}, {7, 5, 'E', 1, 1}});
  stock(0, {{'P', 1}});
  // The computer looking for five letters at most values P on (2,5) as PART;
  // played for real, the word is PARTIE.
  const Recherche r = jeu.rechercher();
  ASSERT_EQ(r.candidats.size(), 1u);
  EXPECT_EQ(r.meilleure.points, 4);
  ASSERT_TRUE(jouer('P', 2, 5));
  EXPECT_EQ(ecran.messages[3], "PARTIE   06 00 00");

  mots({"ABRICOTES"});
  partie(2, 1, 0, {});
  changer([](Position& p) {
    for (int i = 0; i < 8; ++i) p.poserJeton(1 + i, 5, "BRICOTES"[i], 1, 1);
  });
  ASSERT_TRUE(jouer('A', 0, 5));
  EXPECT_EQ(ecran.messages[3], "ABRICOTES09 00 00");
  EXPECT_EQ(ecran.messages[4], "1 mot(s) 09 00 00");
}

TEST_F(Regles, UneRecolteRendLaLettreEtLaisseUnJetonEpuiseQueLAdversairePrend) {
  mots({"ME"});
  // E weighs 5: ripe at exactly its weight; M weighs 2; L weighs 3. The
  // opponent's X lets it play next to the E.
  partie(2, 1, 0, {{5, 5, 'E', 5, 1}, {5, 7, 'M', 1, 1}, {3, 3, 'A', 9, 2}, {2, 2, 'L', 7, 1}, {3, 4, 'X', 1, 2}});
  EXPECT_TRUE(jeu.recoltable(5, 5));
  EXPECT_FALSE(jeu.recoltable(5, 7));
  EXPECT_FALSE(jeu.recoltable(3, 3));  // ripe, but the opponent's
  EXPECT_EQ(jeu.recolter(3, 3).refus(), Refus::PasDeJetonMur);

  ASSERT_TRUE(jeu.recolter(5, 5));
  EXPECT_EQ(joueurNo(0).lettres['E' - 64], 2);
  EXPECT_EQ(joueurNo(0).lettres[0], 27);
  EXPECT_EQ(en(5, 5).valeur, 0);
  EXPECT_EQ(en(5, 5).proprietaire, 1);
  EXPECT_EQ(ecran.appels, (Lignes{"curseurStandard()", "texteStatut()", "dessinerCellule(5,5,000000)",
                                  "dessinerReserve(0)", "ajouterMessage(Gain E (5,5))", "mettreAJourScores()"}));
  // Spent, it cannot be harvested again; beyond its weight a token keeps the rest.
  EXPECT_FALSE(jeu.recolter(5, 5));
  ASSERT_TRUE(jeu.recolter(2, 2));
  EXPECT_EQ(en(2, 2).valeur, 4);
  ASSERT_TRUE(jeu.recolter(2, 2));
  EXPECT_EQ(en(2, 2).valeur, 1);
  EXPECT_EQ(joueurNo(0).lettres[0], 29);

  // The next word through the spent token takes it.
  ASSERT_TRUE(jeu.passer());
  ecran.oublier();
  ASSERT_TRUE(jouer('M', 4, 5));
  EXPECT_EQ(coup(), (Lignes{"Pose M (4,5)", entete, filet, "ME       02 00 01", "1 mot(s) 02 00 01", filet}));
  EXPECT_EQ(en(5, 5).proprietaire, 2);
  EXPECT_EQ(en(5, 5).valeur, 1);
}

TEST_F(Regles, ApresLOuvertureUneLettreVaSurUneCaseVideVoisineDUnJetonDuJoueur) {
  partie(3, 1, 0, {{0, 0, 'E', 0, 1}, {10, 5, 'A', 0, 2}, {5, 10, 'I', 0, 3}});
  ASSERT_TRUE(jeu.prendre('Q'));
  EXPECT_EQ(jeu.prendre('A').refus(), Refus::LettreEnMain);
  EXPECT_EQ(jeu.poser(0, 0).refus(), Refus::CaseOccupee);
  EXPECT_EQ(jeu.poser(2, 2).refus(), Refus::CaseIsolee);
  EXPECT_EQ(jeu.poser(4, 9).refus(), Refus::CaseIsolee);  // next to player 3's token
  EXPECT_EQ(jeu.poser(0, 6).refus(), Refus::HorsPlateau);
  EXPECT_TRUE(jeu.peutPoser(1, 1));
  EXPECT_TRUE(jeu.peutPoser(0, 1));
}

// Every refusal leaves the game exactly as it was: position, log and history.
TEST_F(Regles, UneActionRefuseeNeChangeRien) {
  mots({"LE"});
  partie(2, 2, 0, {{4, 5, 'L', 1, 1}, {5, 3, 'E', 1, 1}, {0, 0, 'A', 0, 1}, {9, 9, 'B', 3, 2}});
  changer([](Position& p) { p.fixerStock(0, 'K', 0); });
  ecran.oublier();
  const Position avant = pos();
  const std::vector<std::pair<Verdict, Refus>> refus = {
      {jeu.prendre('K'), Refus::LettreAbsente},
      {jeu.poser(5, 5), Refus::RienEnMain},
      {jeu.rendre(), Refus::RienEnMain},
      {jeu.deplacer(5, 3, 5, 5), Refus::CheminTropLong},  // two steps for a value of 1
      {jeu.deplacer(0, 0, 0, 1), Refus::PasDeJeton},        // value 0
      {jeu.deplacer(9, 9, 9, 8), Refus::PasDeJeton},        // the opponent's
      {jeu.deplacer(5, 3, 4, 5), Refus::ArriveeOccupee},
      {jeu.recolter(4, 5), Refus::PasDeJetonMur},
      {jeu.annuler(Retour::Action), Refus::RienAAnnuler},
      {jeu.retablir(Retour::Action), Refus::RienARetablir},
  };
  for (std::size_t i = 0; i < refus.size(); ++i) EXPECT_EQ(refus[i].first.refus(), refus[i].second) << i;
  EXPECT_TRUE(pos() == avant);
  EXPECT_TRUE(ecran.messages.empty());
}

TEST_F(Regles, UnePositionHorsDesReglesEstRefuseeALInstallation) {
  partie(2, 1, 0, {{5, 5, 'E', 3, 1}});
  const Position avant = pos();
  const std::vector<void (*)(Position&)> abimes = {
      [](Position& p) { p.poserJeton(4, 5, 'A' + 256, 1, 1); },  // not a letter A..Z
      [](Position& p) { p.poserJeton(4, 5, 'A', 1, 3); },        // a third player in a game of two
      [](Position& p) { p.poserJeton(0, 6, 'A', 1, 1); },        // off the hexagon
      [](Position& p) { p.poserJeton(4, 5, 'A', bornes::valeur + 1, 1); },
      [](Position& p) { p.poserJeton(4, 5, 0, 2, 0); },          // a value on an empty cell
      [](Position& p) { p.joueurs[1].lettres[3] = -1; },
      [](Position& p) { p.joueurs[0].tailleMax = 40; },
      [](Position& p) { p.joueurCourant = 2; },
  };
  for (std::size_t i = 0; i < abimes.size(); ++i) {
    Position p = avant;
    abimes[i](p);
    EXPECT_EQ(jeu.installer(p).refus(), Refus::PositionInvalide) << i;
    EXPECT_TRUE(pos() == avant) << i;
  }
}

}  // namespace
}  // namespace irvad
