// The computer player: the opening draw, the order and ranking of the plays it
// finds, the draw among ties, the harvest, the real play or the pass.
#include <algorithm>
#include <string>
#include <vector>

#include "JeuTest.h"

namespace irvad {
namespace {

using Lignes = std::vector<std::string>;

class Automate : public test::JeuTest {
 protected:
  // A game of n computer players.
  void partieAutomates(uint32_t n, uint32_t tour, uint32_t courant, std::initializer_list<test::Jeton> jetons = {}) {
    partie(n, tour, courant, jetons, std::vector<bool>(6, true));
  }
  // The draws the game's generator will give after graine(g).
  static std::vector<uint32_t> tirages(uint32_t g, int n) {
    EcranNul nul;
    Jeu jumeau{nul};
    jumeau.graine(g);
    std::vector<uint32_t> r;
    for (int i = 0; i < n; ++i) r.push_back(jumeau.tirer());
    return r;
  }
  // The tokens of the board (the path search's memo aside).
  std::vector<int32_t> cases() const {
    std::vector<int32_t> r;
    for (const auto& rangee : pos().plateau.cases)
      for (const cellule& c : rangee) r.insert(r.end(), {c.lettre, c.valeur, c.proprietaire});
    return r;
  }
};

TEST_F(Automate, LOuvertureTireUneLettreAbsenteDesSommetsPrecedents) {
  mots({"AB"});
  // Over many seeds the third player's opening letter goes on its vertex from
  // its stock, without a search, and is never Q or Z nor an earlier vertex's
  // letter (drawn again when it is). Which letter a seed gives is in the
  // golden scenarios.
  for (uint32_t g = 1; g <= 300; ++g) {
    partieAutomates(3, 0, 2, {{0, 0, 'A', 0, 1}, {10, 5, 'E', 0, 2}});
    jeu.graine(g);
    ASSERT_TRUE(jeu.tourAutomate());
    const cellule& c = en(5, 10);
    ASSERT_TRUE(c.lettre >= 'B' && c.lettre <= 'Y' && c.lettre != 'Q' && c.lettre != 'E') << g << " " << c.lettre;
    ASSERT_EQ(std::tuple(c.proprietaire, c.valeur, joueurNo(2).lettres[c.lettre - 64], joueurNo(2).lettres[0]),
              std::tuple(3, 0, 0, 25));
    ASSERT_EQ(ecran.messages.at(0), "Pose " + std::string(1, static_cast<char>(c.lettre)) + " (5,10)");
    ASSERT_TRUE(ecran.appelsDe("texteStatut").empty());
  }

  // A vertex already taken, or a stock without any letter it may draw,
  // leaves no opening play: the turn passes and the stock stays whole.
  partieAutomates(2, 0, 1, {{10, 10, 'E', 0, 1}});
  ASSERT_TRUE(jeu.tourAutomate());
  EXPECT_EQ(joueurNo(1).lettres[0], 26);
  EXPECT_EQ(en(10, 10).proprietaire, 1);
  partieAutomates(2, 0, 0);
  stock(0, {{'Q', 1}, {'Z', 1}});
  ASSERT_TRUE(jeu.tourAutomate());
  EXPECT_EQ(joueurNo(0).lettres[0], 2);
  EXPECT_EQ(en(0, 0).proprietaire, 0);
}

TEST_F(Automate, LesEgalitesSuiventLOrdreDeRechercheEtLeTirageChoisitRModuloN) {
  // 26 letters on 12 cells, each next to exactly one E: 312 plays of the same key.
  std::vector<std::string> liste;
  for (char l = 'A'; l <= 'Z'; ++l) {
    liste.push_back(std::string("E") + l);
    if (l != 'E') liste.push_back(std::string(1, l) + "E");
  }
  mots(liste);
  partieAutomates(2, 1, 0, {{2, 2, 'E', 1, 1}, {8, 8, 'E', 1, 1}});
  const auto avant = cases();
  const Recherche r = jeu.rechercher(false);
  EXPECT_EQ(cases(), avant);
  ASSERT_EQ(r.candidats.size(), 312u);
  EXPECT_EQ(r.dernierPlacement, 311);
  EXPECT_EQ(r.meilleure, (Cle{2, 0, 0}));  // no weight sum in round 1
  // Row by row, then letter by letter: (1,1) A..Z, (1,2) A..Z, (2,1) ...
  EXPECT_EQ(r.candidats[0], (Candidat{1, 1, -1, -1, 0, 1}));
  EXPECT_EQ(r.candidats[25], (Candidat{1, 1, -1, -1, 0, 26}));
  EXPECT_EQ(r.candidats[26], (Candidat{1, 2, -1, -1, 0, 1}));
  EXPECT_EQ(r.candidats[311], (Candidat{9, 9, -1, -1, 0, 26}));
  EXPECT_EQ(jeu.rechercher(true).candidats, r.candidats);
  // Only the placement phase ran, its bar full at the end.
  const auto statuts = ecran.appelsDe("texteStatut(");
  ASSERT_EQ(statuts.size(), 2u * 91u);
  std::string points;
  for (int i = 0; i < 90; ++i) points += "\xC2\xB7";
  EXPECT_EQ(statuts.front(), "texteStatut(Recherche d'un placement (lettre+case) |" + points + ")");
  EXPECT_EQ(statuts[90], "texteStatut(Recherche d'un placement (lettre+case) " + std::string(91, '|') + ")");

  // The real play: entry r mod 312, well past the first 225.
  uint32_t graine = 1;
  while (tirages(graine, 1)[0] % 312 < 226) ++graine;
  const Candidat choisi = r.candidats[tirages(graine, 1)[0] % 312];
  jeu.graine(graine);
  ecran.oublier();
  ASSERT_TRUE(jeu.tourAutomate());
  const cellule& c = en(choisi.x, choisi.y);
  EXPECT_EQ(c.lettre, choisi.lettre + 64);
  EXPECT_EQ(c.proprietaire, 1);
  EXPECT_EQ(c.valeur, 1);
  EXPECT_EQ(joueurNo(0).score, 2);
  EXPECT_EQ(joueurNo(0).lettres[choisi.lettre], 0);
  EXPECT_EQ(ecran.messages.at(0), "Pose " + std::string(1, static_cast<char>(choisi.lettre + 64)) + " (" +
                                      std::to_string(choisi.x) + "," + std::to_string(choisi.y) + ")");
  EXPECT_EQ(pos().plateau.casesLibres, 91 - 3);
}

// Player 1 holds one B; its ripe B at (3,3) can reach three cells next to the
// opponent's A at (5,5); its ripe E at (0,0) forms nothing.
class AutomateDeplacements : public Automate {
 protected:
  void SetUp() override {
    mots({"AB"});
    partieAutomates(2, 2, 0, {{5, 5, 'A', 5, 2}, {3, 3, 'B', 2, 1}, {0, 0, 'E', 5, 1}});
    stock(0, {{'B', 1}});
    ecran.oublier();
  }
  // Plays the turn with a seed that makes the computer choose a move or not.
  Candidat jouer(bool deplacement) {
    const Recherche r = jeu.rechercher(false);
    const auto n = static_cast<uint32_t>(r.candidats.size());
    uint32_t graine = 1;
    while (r.estDeplacement(tirages(graine, 1)[0] % n) != deplacement) ++graine;
    jeu.graine(graine);
    ecran.oublier();
    EXPECT_TRUE(jeu.tourAutomate());
    return r.candidats[tirages(graine, 1)[0] % n];
  }
};

TEST_F(AutomateDeplacements, UnPlacementEtDesDeplacementsAEgaliteGardentLesPlacementsDAbord) {
  const auto avant = cases();
  const Recherche r = jeu.rechercher(false);
  EXPECT_EQ(cases(), avant);
  EXPECT_EQ(r.meilleure, (Cle{2, 7, 1}));  // A and B: 5 + 2 in weights, one point taken
  ASSERT_GE(r.candidats.size(), 2u);
  EXPECT_EQ(r.dernierPlacement, 0);
  EXPECT_EQ(r.candidats[0], (Candidat{4, 4, -1, -1, 0, 2}));
  EXPECT_EQ(r.candidats[1], (Candidat{4, 4, 3, 3, 1, 2}));
  for (std::size_t i = 1; i < r.candidats.size(); ++i) {
    EXPECT_TRUE(r.estDeplacement(i));
    EXPECT_EQ(std::pair(r.candidats[i].xs, r.candidats[i].ys), (std::pair{3, 3}));
    EXPECT_GE(r.candidats[i].d, 1);
    EXPECT_LE(r.candidats[i].d, 2);
  }
  EXPECT_EQ(ecran.appelsDe("texteStatut(Recherche d'un déplacement").size(), 91u);

  // Without the flag, or in round 1, no move is tried.
  Tablee t = jeu.tablee();
  t.sieges[0].deplacements = false;
  ASSERT_TRUE(jeu.reglerJoueurs(t));
  EXPECT_EQ(jeu.rechercher(false).candidats.size(), 1u);
  t.sieges[0].deplacements = true;
  ASSERT_TRUE(jeu.reglerJoueurs(t));
  changer([](Position& p) { p.tour = 1; });
  const Recherche r1 = jeu.rechercher(false);
  EXPECT_EQ(r1.candidats.size(), 1u);
  EXPECT_EQ(r1.meilleure, (Cle{2, 0, 1}));
}

TEST_F(AutomateDeplacements, LeJetonDeplaceNEstPasRecolteMaisLesAutresJetonsMursLeSont) {
  const Candidat choisi = jouer(true);
  // The E is harvested, the moving B is not, though ripe too.
  ASSERT_GE(ecran.messages.size(), 3u);
  EXPECT_EQ(Lignes(ecran.messages.begin(), ecran.messages.begin() + 3),
            (Lignes{"Gain E (0,0)", "Dépl.B (3,3)",
                    "     ->(" + std::to_string(choisi.x) + "," + std::to_string(choisi.y) + ")"}));
  EXPECT_EQ(en(0, 0).valeur, 0);
  EXPECT_EQ(en(3, 3).proprietaire, 0);
  EXPECT_EQ(en(choisi.x, choisi.y).valeur, 2 - choisi.d + 1);  // the path paid, one unit for the word
  EXPECT_EQ(joueurNo(0).lettres['B' - 64], 1);                   // its stock B was not used
  EXPECT_EQ(en(5, 5).valeur, 4);

  SetUp();
  const Candidat pose = jouer(false);
  EXPECT_EQ(Lignes(ecran.messages.begin(), ecran.messages.begin() + 3),
            (Lignes{"Gain E (0,0)", "Gain B (3,3)",
                    "Pose B (" + std::to_string(pose.x) + "," + std::to_string(pose.y) + ")"}));
  EXPECT_EQ(joueurNo(0).lettres['B' - 64], 1);  // one harvested, one played
}

TEST_F(Automate, SansMotLAutomatePasseMaisRecolteEtNeTirePas) {
  mots({"AB"});
  partieAutomates(3, 4, 1, {{5, 5, 'E', 6, 2}, {7, 7, 'O', 2, 2}});
  stock(1, {{'B', 2}});
  changer([](Position& p) { p.plateau.nbPasses = 1; });
  ecran.oublier();
  jeu.graine(77);
  ASSERT_TRUE(jeu.tourAutomate());
  EXPECT_EQ(pos().plateau.nbPasses, 2);
  EXPECT_EQ(ecran.messages.at(0), "Gain E (5,5)");
  EXPECT_EQ(en(5, 5).valeur, 1);
  EXPECT_EQ(joueurNo(1).lettres[0], 3);
  EXPECT_EQ(pos().plateau.casesLibres, 89);
  // No draw was made: the next number is the generator's first.
  EXPECT_EQ(jeu.tirer(), tirages(77, 1)[0]);
}

TEST_F(Automate, LesPointsPassentAvantLesPoidsEtLesPoidsAvantLesPointsPris) {
  mots({"AB", "OB", "UB"});
  // The player's anchor E; next to (5,6) the opponent's O (weight 4); next
  // to (4,4) the player's own A (weight 5).
  partieAutomates(2, 3, 0, {{5, 5, 'E', 1, 1}, {5, 7, 'O', 3, 2}, {3, 3, 'A', 1, 1}});
  stock(0, {{'B', 1}});
  // A B next to the player's own A takes nothing but weighs more (2 + 5) than a
  // B at (5,6) that takes a point from the O (2 + 4): the six cells around the A tie.
  Recherche r = jeu.rechercher(false);
  EXPECT_EQ(r.meilleure, (Cle{2, 7, 0}));
  EXPECT_EQ(r.candidats, (std::vector<Candidat>{{2, 2, -1, -1, 0, 2}, {2, 3, -1, -1, 0, 2}, {3, 2, -1, -1, 0, 2},
                                                 {3, 4, -1, -1, 0, 2}, {4, 3, -1, -1, 0, 2}, {4, 4, -1, -1, 0, 2}}));
  // Two words beat one, whatever the weights.
  changer([](Position& p) { p.poserJeton(5, 4, 'U', 1, 2); });
  r = jeu.rechercher(false);
  EXPECT_EQ(r.meilleure, (Cle{4, 13, 1}));
  EXPECT_EQ(r.candidats, (std::vector<Candidat>{{4, 3, -1, -1, 0, 2}, {4, 4, -1, -1, 0, 2}}));
}

}  // namespace
}  // namespace irvad
