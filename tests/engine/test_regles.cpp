// Placements through the engine's actions: where a letter may go, the words a
// play forms along the three axes, their scoring and log lines, harvesting,
// and refusals that leave the game as it was. The refusals of the opening
// round are the scenario ouverture.txt; a capture in the same play, prise.txt;
// a spent token taken and a plain harvest, colonne.txt.
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
  // A gains the point B loses (spent, B stays its owner's); C is worth one.
  auto jeton = [&](int x, int y) { return std::pair(en(x, y).valeur, en(x, y).proprietaire); };
  EXPECT_EQ((std::vector{jeton(3, 5), jeton(4, 5), jeton(5, 5)}), (std::vector<std::pair<int32_t, int32_t>>{
                                                                     {3, 1}, {0, 2}, {1, 1}}));
  const joueur& j = joueurNo(0);
  EXPECT_EQ(std::tuple(j.score, j.lettres['C' - 64], j.lettres[0], pos().plateau.casesLibres, pos().joueurCourant),
            std::tuple(3, 0, 25, 91 - 4, 1u));
}

// The words a play forms, their lines, the new token's value and the play
// the records get: one row per case.
TEST_F(Regles, LesMotsDUnCoupLeursLignesEtLeRecord) {
  struct Cas {
    const char* quoi;
    std::vector<std::string> mots;
    std::vector<test::Jeton> jetons;
    char lettre;
    int x, y;
    Lignes lignes;
    std::string record;  // word, points, points taken, letters taken
    int32_t valeur;
  };
  const test::Jeton a{3, 5, 'A', 1, 1}, b{4, 5, 'B', 1, 1}, d{6, 5, 'D', 1, 1}, e{7, 5, 'E', 1, 1};
  const std::vector<Cas> cas = {
      // Around (5,2) axis 0 reads (4,1), axis 1 (5,1), axis 2 (6,2): three
      // words, three points for the token; of equally long words the first found.
      {"trois axes", {"ET", "ES", "EL"}, {{4, 1, 'T', 1, 1}, {5, 1, 'S', 1, 1}, {6, 2, 'L', 1, 1}}, 'E', 5, 2,
       {"ET       02 00 00", "ES       02 00 00", "EL       02 00 00", "3 mot(s) 06 00 00"}, "ET,6,0,0", 3},
      // The opponent's B loses its point in ABE, and BEL, ending past ABE, takes
      // it spent: the records get the play's totals.
      {"prise", {"ABE", "BEL"}, {a, {4, 5, 'B', 1, 2}, {6, 5, 'L', 1, 1}}, 'E', 5, 5,
       {"ABE      03 01 00", "BEL      03 00 01", "2 mot(s) 06 01 01"}, "ABE,6,1,1", 2},
      // When both ways are words the reading order wins; axis 1 reads (6,7)
      // (6,6) (6,5) as S E T, and TES is that run backwards.
      {"deux sens", {"ON", "NO"}, {{4, 5, 'N', 1, 1}}, 'O', 5, 5, {"NO       02 00 00", "1 mot(s) 02 00 00"},
       "NO,2,0,0", 1},
      {"a rebours", {"TES"}, {{6, 7, 'S', 1, 1}, {6, 6, 'E', 1, 1}}, 'T', 6, 5,
       {"TES      03 00 00", "1 mot(s) 03 00 00"}, "TES,3,0,0", 1},
      // Down column 5, A B _ D E: from A only the longest word counts; from B
      // only a word reaching past D; from C nothing can any more.
      {"depart plus tardif", {"ABC", "ABCD", "BC", "BCD", "CD", "BCDE", "CDE"}, {a, b, d, e}, 'C', 5, 5,
       {"ABCD     04 00 00", "BCDE     04 00 00", "2 mot(s) 08 00 00"}, "ABCD,8,0,0", 2},
      {"depart depuis C", {"ABC", "ABCD", "BC", "BCD", "CD", "CDE"}, {a, b, d, e}, 'C', 5, 5,
       {"ABCD     04 00 00", "CDE      03 00 00", "2 mot(s) 07 00 00"}, "ABCD,7,0,0", 2},
      {"neuf lettres", {"ABRICOTES"},
       {{1, 5, 'B', 1, 1}, {2, 5, 'R', 1, 1}, {3, 5, 'I', 1, 1}, {4, 5, 'C', 1, 1}, {5, 5, 'O', 1, 1},
        {6, 5, 'T', 1, 1}, {7, 5, 'E', 1, 1}, {8, 5, 'S', 1, 1}},
       'A', 0, 5, {"ABRICOTES09 00 00", "1 mot(s) 09 00 00"}, "ABRICOTES,9,0,0", 1},
  };
  for (const Cas& c : cas) {
    SCOPED_TRACE(c.quoi);
    mots(c.mots);
    partie(2, 1, 0);
    changer([&](Position& p) {
      for (const auto& j : c.jetons) p.poserJeton(j.x, j.y, j.lettre, j.valeur, j.proprietaire);
    });
    ecran.oublier();
    ASSERT_TRUE(jouer(c.lettre, c.x, c.y));
    const Lignes lignes = coup();
    EXPECT_EQ(Lignes(lignes.begin() + 3, lignes.end() - 1), c.lignes);
    EXPECT_EQ(ecran.appelsDe("mettreAJourRecords"), Lignes{"mettreAJourRecords(Joueur 1," + c.record + ")"});
    EXPECT_EQ(en(c.x, c.y).valeur, c.valeur);
  }
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
}

// Harvests that the scenario colonne.txt does not play: a ripe token of the
// opponent's, and one worth more than its letter's weight, which keeps the rest.
TEST_F(Regles, UneRecolteRendLaLettreEtGardeLeSurplus) {
  // E weighs 5: ripe at exactly its weight; L weighs 3.
  partie(2, 1, 0, {{5, 5, 'E', 5, 1}, {3, 3, 'A', 9, 2}, {2, 2, 'L', 7, 1}});
  EXPECT_FALSE(jeu.recoltable(3, 3));
  EXPECT_EQ(jeu.recolter(3, 3).refus(), Refus::PasDeJetonMur);
  ASSERT_TRUE(jeu.recolter(5, 5));
  EXPECT_EQ(std::tuple(joueurNo(0).lettres['E' - 64], joueurNo(0).lettres[0], en(5, 5).valeur, en(5, 5).proprietaire),
            std::tuple(2, 27, 0, 1));
  EXPECT_EQ(ecran.appels, (Lignes{"curseurStandard()", "texteStatut()", "dessinerCellule(5,5,000000)",
                                  "dessinerReserve(0)", "ajouterMessage(Gain E (5,5))", "mettreAJourScores()"}));
  ASSERT_TRUE(jeu.recolter(2, 2));
  ASSERT_TRUE(jeu.recolter(2, 2));
  EXPECT_EQ(en(2, 2).valeur, 1);
  EXPECT_EQ(joueurNo(0).lettres[0], 29);
}

// Every refusal leaves the game exactly as it was: position, log and history.
// The refusals irvad-cli's scenarios print (a cell taken or off the board, an
// occupied destination, nothing to redo) are not repeated here.
TEST_F(Regles, UneActionRefuseeNeChangeRien) {
  mots({"LE"});
  partie(2, 2, 0, {{4, 5, 'L', 1, 1}, {5, 3, 'E', 1, 1}, {0, 0, 'A', 0, 1}, {9, 9, 'B', 3, 2}});
  changer([](Position& p) { p.fixerStock(0, 'K', 0); });
  ecran.oublier();
  const Position avant = pos();
  std::vector<std::pair<Verdict, Refus>> refus = {
      {jeu.prendre('K'), Refus::LettreAbsente},
      {jeu.poser(5, 5), Refus::RienEnMain},
      {jeu.rendre(), Refus::RienEnMain},
      {jeu.deplacer(5, 3, 5, 5), Refus::CheminTropLong},  // two steps for a value of 1
      {jeu.deplacer(0, 0, 0, 1), Refus::PasDeJeton},        // value 0
      {jeu.deplacer(9, 9, 9, 8), Refus::PasDeJeton},        // the opponent's
      {jeu.recolter(4, 5), Refus::PasDeJetonMur},
      {jeu.annuler(Retour::Action), Refus::RienAAnnuler},
  };
  // A letter in hand goes only on an empty cell of the hexagon next to one of
  // the player's own tokens.
  ASSERT_TRUE(jeu.prendre('Q'));
  EXPECT_TRUE(jeu.peutPoser(1, 1) && jeu.peutPoser(0, 1));
  refus.insert(refus.end(), {{jeu.prendre('A'), Refus::LettreEnMain},
                             {jeu.poser(2, 2), Refus::CaseIsolee},
                             {jeu.poser(9, 8), Refus::CaseIsolee}});  // next to the opponent's B only
  ASSERT_TRUE(jeu.rendre());
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
