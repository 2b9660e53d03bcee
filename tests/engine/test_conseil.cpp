// Hints against every play the rules allow, found by trying each placement
// and each move through the players' actions on a copy of the position, with
// the real word list, on the saved positions of bench/corpus: the hints are
// exactly the plays that the actions accept, best first, each with the points
// its play scored, and asking for them changes nothing of the game.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

#include "EcranEnregistreur.h"
#include "Jeu.h"
#include "JeuTest.h"

namespace irvad {

void PrintTo(const Conseil& c, std::ostream* o) {
  if (c.deplacement)
    *o << "deplace " << c.xs << ' ' << c.ys << ' ' << c.x << ' ' << c.y;
  else
    *o << "pose " << static_cast<char>(c.lettre) << ' ' << c.x << ' ' << c.y;
  *o << " : " << c.points;
}

namespace {

// Every placement and every move that the actions accept from `p`, with the
// points the player's score gained, in the board's order (placements by cell
// then letter, moves by destination then source), then sorted by points with
// equal points kept in that order.
std::vector<Conseil> forceBrute(Jeu& essai, const Position& p) {
  std::vector<Conseil> r;
  const uint32_t moi = p.joueurCourant;
  const int32_t avant = p.joueurs[moi].score;
  const Plateau& q = p.plateau;
  for (int x = 0; x < tailleGrille; ++x)
    for (int y = q.ligneMin[x]; y <= q.ligneMax[x]; ++y)
      for (int32_t l = 'A'; l <= 'Z'; ++l) {
        if (p.joueurs[moi].lettres[static_cast<std::size_t>(l - 64)] == 0) continue;
        EXPECT_TRUE(essai.installer(p));
        if (essai.prendre(l) && essai.poser(x, y))
          r.push_back({false, x, y, -1, -1, 0, l, essai.position().joueurs[moi].score - avant});
      }
  for (int x = 0; x < tailleGrille; ++x)
    for (int y = q.ligneMin[x]; y <= q.ligneMax[x]; ++y)
      for (int xs = 0; xs < tailleGrille; ++xs)
        for (int ys = q.ligneMin[xs]; ys <= q.ligneMax[xs]; ++ys) {
          if (q.cases[xs][ys].proprietaire != static_cast<int32_t>(moi) + 1) continue;
          EXPECT_TRUE(essai.installer(p));
          if (essai.deplacer(xs, ys, x, y))
            r.push_back({true, x, y, xs, ys, 0, q.cases[xs][ys].lettre,
                         essai.position().joueurs[moi].score - avant});
        }
  std::stable_sort(r.begin(), r.end(), [](const Conseil& a, const Conseil& b) { return a.points > b.points; });
  return r;
}

TEST(Conseils, ToutCoupPermisAvecSesPointsDansLOrdreEtRienNeChange) {
  IRVAD_EXIGER_LISTE();
  test::EcranEnregistreur ecran;
  Jeu jeu{ecran};
  ASSERT_EQ(jeu.chargerDico(IRVAD_LISTE), Dico::Resultat::Ok);
  jeu.horloge = [] { return int64_t{1'700'000'000}; };
  EcranNul nul;
  Jeu essai{nul};
  essai.dico = jeu.dico;
  essai.horloge = jeu.horloge;

  std::vector<std::filesystem::path> fichiers;
  for (const auto& e : std::filesystem::directory_iterator(IRVAD_CORPUS))
    if (e.path().extension() == ".ivd") fichiers.push_back(e.path());
  std::sort(fichiers.begin(), fichiers.end());
  ASSERT_GE(fichiers.size(), 20u);

  std::size_t avecDeplacements = 0, avecCoups = 0;

  for (const auto& f : fichiers) {
    SCOPED_TRACE(f.filename().string());
    ASSERT_TRUE(jeu.chargerPartie(f.string()));
    ASSERT_TRUE(jeu.continuer());
    const Position avant = jeu.position();
    ASSERT_GE(avant.tour, 1u);

    jeu.graine(77);
    ecran.oublier();
    const std::vector<Conseil> tous = jeu.conseils(10'000);
    const std::vector<Conseil> cinq = jeu.conseils(5);
    // Nothing changed: the position with the path search's marks, the random
    // generator, the log and the screen.
    EXPECT_TRUE(jeu.position() == avant);
    EXPECT_TRUE(ecran.appels.empty()) << ecran.appels.front();
    Jeu temoin{nul};
    temoin.graine(77);
    EXPECT_EQ(jeu.tirer(), temoin.tirer());

    // The path lengths, which the actions do not tell, aside.
    std::vector<Conseil> trouves = tous;
    for (Conseil& c : trouves) {
      EXPECT_EQ(c.d >= 1, c.deplacement);
      c.d = 0;
    }
    const std::vector<Conseil> attendus = forceBrute(essai, avant);
    avecCoups += !attendus.empty();
    EXPECT_EQ(trouves, attendus);
    EXPECT_EQ(cinq, std::vector<Conseil>(tous.begin(), tous.begin() + std::min<std::ptrdiff_t>(5, std::ssize(tous))));
    avecDeplacements += std::any_of(tous.begin(), tous.end(), [](const Conseil& c) { return c.deplacement; });
  }
  // The corpus reaches positions with plays, and moves among them.
  EXPECT_GT(avecCoups, 20u);
  EXPECT_GT(avecDeplacements, 3u);

  // None in the opening round.
  ASSERT_TRUE(jeu.nouvellePartie(jeu.tablee()));
  EXPECT_TRUE(jeu.conseils(5).empty());
}

// A move counts only when its trial with the seat's own longest word finds a
// word, as for a human move; a placement is scored as the real play scores it,
// with words of up to 9 letters. Equal points list the placement first.
class ConseilsLongueur : public test::JeuTest {};

TEST_F(ConseilsLongueur, UnDeplacementDansLaLongueurDuSiegeUnePoseAuxNeufLettres) {
  mots({"ABCDEF"});
  // Row 5 reads F E D C B from (5,5) to (5,1): an A on (5,0) makes ABCDEF,
  // read backwards. Player 1's A on (6,1) is next to (5,0).
  partie(2, 2, 0,
         {{5, 1, 'B', 1, 2}, {5, 2, 'C', 1, 2}, {5, 3, 'D', 1, 2}, {5, 4, 'E', 1, 2}, {5, 5, 'F', 1, 2},
          {6, 1, 'A', 2, 1}});
  const Conseil pose{false, 5, 0, -1, -1, 0, 'A', 6}, deplace{true, 5, 0, 6, 1, 1, 'A', 6};
  // The position of a play among the hints, -1 when absent.
  auto rang = [&](const Conseil& c) {
    const auto coups = jeu.conseils(50);
    const auto i = std::find(coups.begin(), coups.end(), c);
    return i == coups.end() ? -1 : i - coups.begin();
  };
  EXPECT_GE(rang(pose), 0);
  EXPECT_EQ(rang(deplace), -1);
  EXPECT_EQ(jeu.deplacer(6, 1, 5, 0).refus(), Refus::AucunMot);

  Tablee t = jeu.tablee();
  t.sieges[0].tailleMax = 6;
  ASSERT_TRUE(jeu.reglerJoueurs(t));
  EXPECT_LT(rang(pose), rang(deplace));
  EXPECT_GE(rang(pose), 0);
  ASSERT_TRUE(jeu.deplacer(6, 1, 5, 0));
  EXPECT_EQ(joueurNo(0).score, 6);
}

}  // namespace
}  // namespace irvad
