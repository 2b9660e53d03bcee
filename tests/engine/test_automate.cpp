// The computer player: the opening draw, the order and ranking of the plays it
// finds, the draw among ties, the harvest, the real play or the pass.
#include <gtest/gtest.h>

#include <algorithm>

#include "DicoTest.h"
#include "EcranEnregistreur.h"
#include "Jeu.h"

namespace irvad {
namespace {

using Lignes = std::vector<std::string>;

class Automate : public ::testing::Test {
 protected:
  test::EcranEnregistreur ecran;
  Jeu jeu{ecran};

  void SetUp() override { jeu.horloge = [] { return int64_t{1'700'000'000}; }; }

  // A game of n players in round `tour`, the board empty, player `p` to play.
  void partie(uint32_t n, uint32_t tour, uint32_t p) {
    jeu.nbJoueurs = n;
    for (uint32_t i = 0; i < n; ++i) {
      auto [x, y] = Jeu::sommetDe(i, n);
      jeu.joueurs[i].placerSommet(x, y);
      jeu.joueurs[i].automate = true;
    }
    jeu.nouvellePartie();
    jeu.tour = tour;
    jeu.joueurCourant = p;
    ecran.oublier();
  }
  void jeton(int x, int y, char lettre, int32_t valeur, int32_t proprietaire) {
    jeu.caseEn(x, y) = {0, 0, lettre, valeur, proprietaire};
    jeu.plateau.casesLibres -= 1;
  }
  void stockVide(joueur& j) { j.lettres.fill(0); }
  void donner(joueur& j, char lettre, int32_t n = 1) {
    j.lettres[lettre - 64] += n;
    j.lettres[0] += n;
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
    for (const auto& rangee : jeu.plateau.cases)
      for (const cellule& c : rangee) r.insert(r.end(), {c.lettre, c.valeur, c.proprietaire});
    return r;
  }
};

// The opening table: A 15, B 1, C 4, D 4, E 12, ... in alphabetical order.
int32_t lettreOuverture(uint32_t r) {
  const std::pair<char, int> comptes[] = {{'A', 15}, {'B', 1}, {'C', 4},  {'D', 4},  {'E', 12}, {'F', 2},
                                          {'G', 1},  {'H', 4}, {'I', 11}, {'J', 1},  {'K', 1},  {'L', 4},
                                          {'M', 4},  {'N', 5}, {'O', 8},  {'P', 2},  {'R', 5},  {'S', 6},
                                          {'T', 3},  {'U', 14}, {'V', 4}, {'W', 1},  {'X', 1},  {'Y', 1}};
  int k = static_cast<int>(r % 114);
  for (auto [l, n] : comptes) {
    if (k < n) return l;
    k -= n;
  }
  return 0;
}

TEST_F(Automate, LOuvertureTireUneLettreAbsenteDesSommetsPrecedents) {
  test::chargerMots(jeu.dico, {"AB"});
  partie(3, 0, 2);
  const uint32_t graine = 12345;
  const auto r = tirages(graine, 40);
  // The first draw is on player 0's vertex, so the computer must draw again.
  jeton(0, 0, static_cast<char>(lettreOuverture(r[0])), 0, 1);
  const char autre = lettreOuverture(r[0]) == 'E' ? 'A' : 'E';
  jeton(10, 5, autre, 0, 2);
  int32_t attendu = 0;
  for (uint32_t t : r) {
    const int32_t l = lettreOuverture(t);
    if (l != jeu.caseEn(0, 0).lettre && l != autre) {
      attendu = l;
      break;
    }
  }
  jeu.graine(graine);
  jeu.jouerAutomate();
  const cellule& c = jeu.caseEn(5, 10);
  EXPECT_EQ(c.lettre, attendu);
  EXPECT_EQ(c.proprietaire, 3);
  EXPECT_EQ(c.valeur, 0);
  EXPECT_EQ(jeu.joueurs[2].lettres[attendu - 64], 0);
  EXPECT_EQ(jeu.joueurs[2].lettres[0], 25);
  EXPECT_EQ(ecran.messages, (Lignes{std::string("Pose ") + static_cast<char>(attendu) + " (5,10)"}));
  EXPECT_TRUE(ecran.appelsDe("texteStatut").empty());  // no search
  EXPECT_EQ(jeu.plateau.nbPasses, 0);
  EXPECT_FALSE(jeu.plateau.essai);
  EXPECT_TRUE(jeu.plateau.chronoActif);

  // Over many games the opening letter is never Q or Z, nor an earlier vertex's.
  for (uint32_t g = 1; g <= 300; ++g) {
    partie(6, 0, 1);
    jeton(0, 0, 'A', 0, 1);
    jeu.graine(g);
    jeu.jouerAutomate();
    const int32_t l = jeu.caseEn(5, 0).lettre;
    ASSERT_TRUE(l >= 'A' && l <= 'Y' && l != 'Q' && l != 'A') << g << " " << static_cast<char>(l);
  }
}

TEST_F(Automate, LesEgalitesSuiventLOrdreDeRechercheEtLeTirageChoisitRModuloN) {
  // 26 letters on 12 cells, each next to exactly one E: 312 plays of the same key.
  std::vector<std::string> mots;
  for (char l = 'A'; l <= 'Z'; ++l) {
    mots.push_back(std::string("E") + l);
    if (l != 'E') mots.push_back(std::string(1, l) + "E");
  }
  test::chargerMots(jeu.dico, mots);
  partie(2, 1, 0);
  jeton(2, 2, 'E', 1, 1);
  jeton(8, 8, 'E', 1, 1);
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
  EXPECT_EQ(statuts.front(), "texteStatut(Recherche d'un placement (lettre+case) |" +
                                 [] { std::string s; for (int i = 0; i < 90; ++i) s += "\xC2\xB7"; return s; }() + ")");
  EXPECT_EQ(statuts[90], "texteStatut(Recherche d'un placement (lettre+case) " + std::string(91, '|') + ")");

  // The real play: entry r mod 312, well past the first 225.
  uint32_t graine = 1;
  while (tirages(graine, 1)[0] % 312 < 226) ++graine;
  const Candidat choisi = r.candidats[tirages(graine, 1)[0] % 312];
  jeu.graine(graine);
  ecran.oublier();
  jeu.jouerAutomate();
  const cellule& c = jeu.caseEn(choisi.x, choisi.y);
  EXPECT_EQ(c.lettre, choisi.lettre + 64);
  EXPECT_EQ(c.proprietaire, 1);
  EXPECT_EQ(c.valeur, 1);
  EXPECT_EQ(jeu.joueurs[0].score, 2);
  EXPECT_EQ(jeu.joueurs[0].lettres[choisi.lettre], 0);
  EXPECT_EQ(ecran.messages.at(0), "Pose " + std::string(1, static_cast<char>(choisi.lettre + 64)) + " (" +
                                      std::to_string(choisi.x) + "," + std::to_string(choisi.y) + ")");
  EXPECT_EQ(ecran.messages.at(1), "Mots     P+ P- L-");
  EXPECT_FALSE(jeu.plateau.essai);
  EXPECT_EQ(jeu.plateau.casesLibres, 91 - 3);
}

class AutomateDeplacements : public Automate {
 protected:
  // Player 1 (index 0) holds one B; its ripe B at (3,3) can reach three cells
  // next to the opponent's A at (5,5); its ripe E at (0,0) forms nothing.
  void SetUp() override {
    Automate::SetUp();
    test::chargerMots(jeu.dico, {"AB"});
    partie(2, 2, 0);
    stockVide(jeu.joueurs[0]);
    donner(jeu.joueurs[0], 'B');
    jeton(5, 5, 'A', 5, 2);
    jeton(3, 3, 'B', 2, 1);
    jeton(0, 0, 'E', 5, 1);
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
    EXPECT_EQ(r.candidats[i].lettre, 2);
    EXPECT_GE(r.candidats[i].d, 1);
    EXPECT_LE(r.candidats[i].d, 2);
  }
  EXPECT_EQ(ecran.appelsDe("texteStatut(Recherche d'un déplacement").size(), 91u);

  // Without the flag, or in round 1, no move is tried.
  jeu.joueurs[0].deplacements = false;
  EXPECT_EQ(jeu.rechercher(false).candidats.size(), 1u);
  jeu.joueurs[0].deplacements = true;
  jeu.tour = 1;
  const Recherche r1 = jeu.rechercher(false);
  EXPECT_EQ(r1.candidats.size(), 1u);
  EXPECT_EQ(r1.meilleure, (Cle{2, 0, 1}));
}

TEST_F(AutomateDeplacements, LeJetonDeplaceNEstPasRecolte) {
  const Recherche r = jeu.rechercher(false);
  const auto n = static_cast<uint32_t>(r.candidats.size());
  uint32_t graine = 1;
  while (!r.estDeplacement(tirages(graine, 1)[0] % n)) ++graine;
  const Candidat choisi = r.candidats[tirages(graine, 1)[0] % n];
  jeu.graine(graine);
  ecran.oublier();
  jeu.jouerAutomate();
  // The E is harvested, the moving B is not, though ripe too.
  ASSERT_GE(ecran.messages.size(), 3u);
  EXPECT_EQ(ecran.messages[0], "Gain E (0,0)");
  EXPECT_EQ(ecran.messages[1], "Dépl.B (3,3)");
  EXPECT_EQ(ecran.messages[2], "     ->(" + std::to_string(choisi.x) + "," + std::to_string(choisi.y) + ")");
  EXPECT_EQ(jeu.caseEn(0, 0).valeur, 0);
  EXPECT_EQ(jeu.caseEn(3, 3).proprietaire, 0);
  const cellule& arrivee = jeu.caseEn(choisi.x, choisi.y);
  EXPECT_EQ(arrivee.lettre, 'B');
  EXPECT_EQ(arrivee.proprietaire, 1);
  EXPECT_EQ(arrivee.valeur, 2 - choisi.d + 1);  // the path paid, one unit for the word
  EXPECT_EQ(jeu.joueurs[0].lettres['E' - 64], 1);
  EXPECT_EQ(jeu.joueurs[0].lettres['B' - 64], 1);  // its stock B was not used
  EXPECT_EQ(jeu.caseEn(5, 5).valeur, 4);
}

TEST_F(AutomateDeplacements, UnPlacementChoisiLaisseRecolterToutLesJetonsMurs) {
  const Recherche r = jeu.rechercher(false);
  const auto n = static_cast<uint32_t>(r.candidats.size());
  uint32_t graine = 1;
  while (r.estDeplacement(tirages(graine, 1)[0] % n)) ++graine;
  const Candidat choisi = r.candidats[tirages(graine, 1)[0] % n];
  jeu.graine(graine);
  ecran.oublier();
  jeu.jouerAutomate();
  ASSERT_GE(ecran.messages.size(), 3u);
  EXPECT_EQ(ecran.messages[0], "Gain E (0,0)");
  EXPECT_EQ(ecran.messages[1], "Gain B (3,3)");
  EXPECT_EQ(ecran.messages[2], "Pose B (" + std::to_string(choisi.x) + "," + std::to_string(choisi.y) + ")");
  EXPECT_EQ(jeu.caseEn(choisi.x, choisi.y).lettre, 'B');
  EXPECT_EQ(jeu.joueurs[0].lettres['B' - 64], 1);  // one harvested, one played
}

TEST_F(Automate, SansMotLAutomatePasseMaisRecolteEtNeTirePas) {
  test::chargerMots(jeu.dico, {"AB"});
  partie(3, 4, 1);
  stockVide(jeu.joueurs[1]);
  donner(jeu.joueurs[1], 'B', 2);
  jeton(5, 5, 'E', 6, 2);
  jeton(7, 7, 'O', 2, 2);
  jeu.plateau.nbPasses = 1;
  jeu.graine(77);
  jeu.jouerAutomate();
  EXPECT_EQ(jeu.plateau.nbPasses, 2);
  EXPECT_EQ(ecran.messages, (Lignes{"Gain E (5,5)"}));
  EXPECT_EQ(jeu.caseEn(5, 5).valeur, 1);
  EXPECT_EQ(jeu.joueurs[1].lettres[0], 3);
  EXPECT_EQ(jeu.plateau.casesLibres, 89);
  EXPECT_FALSE(jeu.plateau.essai);
  // No draw was made: the next number is the generator's first.
  EXPECT_EQ(jeu.tirer(), tirages(77, 1)[0]);
}

TEST_F(Automate, LesPointsPassentAvantLesPoidsEtLesPoidsAvantLesPointsPris) {
  test::chargerMots(jeu.dico, {"AB", "OB", "UB"});
  partie(2, 3, 0);
  stockVide(jeu.joueurs[0]);
  donner(jeu.joueurs[0], 'B');
  jeton(5, 5, 'E', 1, 1);  // the player's anchor
  // Next to (5,6) the opponent's O (weight 4); next to (4,4) the player's own A (weight 5).
  jeton(5, 7, 'O', 3, 2);
  jeton(3, 3, 'A', 1, 1);
  Recherche r = jeu.rechercher(false);
  // A B next to the player's own A takes nothing but weighs more (2 + 5) than a
  // B at (5,6) that takes a point from the O (2 + 4): the six cells around the A tie.
  EXPECT_EQ(r.meilleure, (Cle{2, 7, 0}));
  const std::vector<Candidat> autourDuA = {{2, 2, -1, -1, 0, 2}, {2, 3, -1, -1, 0, 2}, {3, 2, -1, -1, 0, 2},
                                           {3, 4, -1, -1, 0, 2}, {4, 3, -1, -1, 0, 2}, {4, 4, -1, -1, 0, 2}};
  EXPECT_EQ(r.candidats, autourDuA);
  // Two words beat one, whatever the weights.
  jeton(5, 4, 'U', 1, 2);
  r = jeu.rechercher(false);
  EXPECT_EQ(r.meilleure, (Cle{4, 13, 1}));
  EXPECT_EQ(r.candidats, (std::vector<Candidat>{{4, 3, -1, -1, 0, 2}, {4, 4, -1, -1, 0, 2}}));
}

}  // namespace
}  // namespace irvad
