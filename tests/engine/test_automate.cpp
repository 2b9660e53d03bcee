// The computer player: the opening draw, the order and ranking of the plays it
// finds, the draw among ties, the harvest, the real play or the pass.
#include <string>
#include <vector>

#include "JeuTest.h"

namespace irvad {
namespace {

using Lignes = std::vector<std::string>;
using Candidats = std::vector<Candidat>;

// A placement of letter number l on (x, y).
Candidat pose(int32_t x, int32_t y, int32_t l) { return {x, y, -1, -1, 0, l}; }

class Automate : public test::JeuTest {
 protected:
  // A game of n computer players.
  void partieAutomates(uint32_t n, uint32_t tour, uint32_t courant, std::initializer_list<test::Jeton> jetons = {}) {
    partie(n, tour, courant, jetons, std::vector<bool>(6, true));
  }
  // The first draw the game's generator gives after graine(g).
  static uint32_t tirage(uint32_t g) {
    EcranNul nul;
    Jeu jumeau{nul};
    jumeau.graine(g);
    return jumeau.tirer();
  }
  // Plays the turn with the first seed whose draw among the plays of `r` makes
  // `veut` true; the play drawn.
  Candidat jouerTirage(const Recherche& r, const std::function<bool(std::size_t)>& veut) {
    uint32_t graine = 1;
    while (!veut(tirage(graine) % r.candidats.size())) ++graine;
    jeu.graine(graine);
    ecran.oublier();
    EXPECT_TRUE(jeu.tourAutomate());
    return r.candidats[tirage(graine) % r.candidats.size()];
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
  EXPECT_EQ(std::pair(joueurNo(1).lettres[0], en(10, 10).proprietaire), std::pair(26, 1));
  partieAutomates(2, 0, 0);
  stock(0, {{'Q', 1}, {'Z', 1}});
  ASSERT_TRUE(jeu.tourAutomate());
  EXPECT_EQ(std::pair(joueurNo(0).lettres[0], en(0, 0).proprietaire), std::pair(2, 0));
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
  const Recherche r = jeu.rechercher(false);
  ASSERT_EQ(r.candidats.size(), 312u);
  EXPECT_EQ(r.dernierPlacement, 311);
  EXPECT_EQ(r.meilleure, (Cle{2, 0, 0}));  // no weight sum in round 1
  // Row by row, then letter by letter: (1,1) A..Z, (1,2) A..Z, (2,1) ...
  EXPECT_EQ((Candidats{r.candidats[0], r.candidats[25], r.candidats[26], r.candidats[311]}),
            (Candidats{pose(1, 1, 1), pose(1, 1, 26), pose(1, 2, 1), pose(9, 9, 26)}));
  // Only the placement phase ran, its bar full at the end.
  const auto statuts = ecran.appelsDe("texteStatut(");
  ASSERT_EQ(statuts.size(), 91u);
  std::string points;
  for (int i = 0; i < 90; ++i) points += "\xC2\xB7";
  EXPECT_EQ(statuts.front(), "texteStatut(Recherche d'un placement (lettre+case) |" + points + ")");
  EXPECT_EQ(statuts[90], "texteStatut(Recherche d'un placement (lettre+case) " + std::string(91, '|') + ")");

  // The real play: entry r mod 312, well past the first 225.
  const Candidat choisi = jouerTirage(r, [](std::size_t i) { return i >= 226; });
  const cellule& c = en(choisi.x, choisi.y);
  EXPECT_EQ(std::tuple(c.lettre, c.proprietaire, c.valeur), std::tuple(choisi.lettre + 64, 1, 1));
  EXPECT_EQ(std::tuple(joueurNo(0).score, joueurNo(0).lettres[choisi.lettre], pos().plateau.casesLibres),
            std::tuple(2, 0, 91 - 3));
  EXPECT_EQ(ecran.messages.at(0), "Pose " + std::string(1, static_cast<char>(choisi.lettre + 64)) + " (" +
                                      std::to_string(choisi.x) + "," + std::to_string(choisi.y) + ")");
}

// Player 1 holds one B; its ripe B at (3,3) can reach three cells next to the
// opponent's A at (5,5); its ripe E at (0,0) forms nothing.
TEST_F(Automate, UnPlacementEtDesDeplacementsAEgaliteGardentLesPlacementsDAbordEtLaSourceNEstPasRecoltee) {
  mots({"AB"});
  auto preparer = [&] {
    partieAutomates(2, 2, 0, {{5, 5, 'A', 5, 2}, {3, 3, 'B', 2, 1}, {0, 0, 'E', 5, 1}});
    stock(0, {{'B', 1}});
    ecran.oublier();
  };
  preparer();
  const Recherche r = jeu.rechercher(false);
  EXPECT_EQ(r.meilleure, (Cle{2, 7, 1}));  // A and B: 5 + 2 in weights, one point taken
  ASSERT_GE(r.candidats.size(), 2u);
  EXPECT_EQ(r.dernierPlacement, 0);
  EXPECT_EQ(r.candidats[0], pose(4, 4, 2));
  EXPECT_EQ(r.candidats[1], (Candidat{4, 4, 3, 3, 1, 2}));
  for (std::size_t i = 1; i < r.candidats.size(); ++i) {
    const Candidat& c = r.candidats[i];
    EXPECT_TRUE(c.xs == 3 && c.ys == 3 && c.d >= 1 && c.d <= 2) << i;
  }
  EXPECT_EQ(ecran.appelsDe("texteStatut(Recherche d'un déplacement").size(), 91u);

  // The E is harvested, the moving B is not, though ripe too.
  const Candidat choisi = jouerTirage(r, [&](std::size_t i) { return r.estDeplacement(i); });
  ASSERT_GE(ecran.messages.size(), 3u);
  EXPECT_EQ(Lignes(ecran.messages.begin(), ecran.messages.begin() + 3),
            (Lignes{"Gain E (0,0)", "Dépl.B (3,3)",
                    "     ->(" + std::to_string(choisi.x) + "," + std::to_string(choisi.y) + ")"}));
  // The path paid, one unit for the word; its stock B not used; the A lost a point.
  EXPECT_EQ(std::tuple(en(0, 0).valeur, en(3, 3).proprietaire, en(choisi.x, choisi.y).valeur,
                       joueurNo(0).lettres['B' - 64], en(5, 5).valeur),
            std::tuple(0, 0, 2 - choisi.d + 1, 1, 4));

  preparer();
  const Candidat posee = jouerTirage(r, [&](std::size_t i) { return !r.estDeplacement(i); });
  EXPECT_EQ(Lignes(ecran.messages.begin(), ecran.messages.begin() + 3),
            (Lignes{"Gain E (0,0)", "Gain B (3,3)",
                    "Pose B (" + std::to_string(posee.x) + "," + std::to_string(posee.y) + ")"}));
  EXPECT_EQ(joueurNo(0).lettres['B' - 64], 1);  // one harvested, one played

  // Without the flag, or in round 1, no move is tried.
  preparer();
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

TEST_F(Automate, SansMotLAutomatePasseMaisRecolteEtNeTirePas) {
  mots({"AB"});
  partieAutomates(3, 4, 1, {{5, 5, 'E', 6, 2}, {7, 7, 'O', 2, 2}});
  stock(1, {{'B', 2}});
  changer([](Position& p) { p.plateau.nbPasses = 1; });
  ecran.oublier();
  jeu.graine(77);
  ASSERT_TRUE(jeu.tourAutomate());
  EXPECT_EQ(ecran.messages.at(0), "Gain E (5,5)");
  EXPECT_EQ(std::tuple(pos().plateau.nbPasses, en(5, 5).valeur, joueurNo(1).lettres[0], pos().plateau.casesLibres),
            std::tuple(2, 1, 3, 89));
  // No draw was made: the next number is the generator's first.
  EXPECT_EQ(jeu.tirer(), tirage(77));
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
  EXPECT_EQ(r.candidats,
            (Candidats{pose(2, 2, 2), pose(2, 3, 2), pose(3, 2, 2), pose(3, 4, 2), pose(4, 3, 2), pose(4, 4, 2)}));
  // Two words beat one, whatever the weights.
  changer([](Position& p) { p.poserJeton(5, 4, 'U', 1, 2); });
  r = jeu.rechercher(false);
  EXPECT_EQ(r.meilleure, (Cle{4, 13, 1}));
  EXPECT_EQ(r.candidats, (Candidats{pose(4, 3, 2), pose(4, 4, 2)}));
}

}  // namespace
}  // namespace irvad
