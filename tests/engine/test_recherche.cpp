// The computer player's fast search against the plain one, with the real word
// list: along whole seeded games, the same plays in the same order with the
// same keys, the same board and memo left behind, hence the same draw and the
// same play. The graph of words that the fast search reads holds exactly the
// real list's words; each search takes the graph of the list loaded then,
// whose words on small, damaged or reloaded lists are test_dico's.
#include <gtest/gtest.h>

#include <filesystem>
#include <ostream>
#include <random>
#include <string>
#include <vector>

#include "Controles.h"
#include "DicoTest.h"
#include "EcranEnregistreur.h"
#include "Jeu.h"

namespace irvad {

void PrintTo(const Candidat& c, std::ostream* o) {
  *o << "(" << c.x << "," << c.y << ") lettre " << c.lettre << " depuis (" << c.xs << "," << c.ys << ") d=" << c.d;
}

namespace {

// A position with its trial totals set aside: the fast search keeps its own.
Position sansEssais(Position p) {
  p.plateau.essaiPplus = p.plateau.essaiPmoins = p.plateau.essaiLmoins = p.plateau.essaiBonus = 0;
  return p;
}

// Both searches from the position in play: the same plays, key and board
// (the path search's memo included) left behind. The position is put back;
// `trouvee` gets what they found.
void comparerRecherches(Jeu& jeu, Recherche& trouvee) {
  const Position avant = jeu.position();
  const Recherche simple = jeu.rechercher(false);
  ASSERT_EQ(controle::etat(jeu.position()), controle::etat(avant)) << "la recherche a change le jeu";
  const Position apresSimple = sansEssais(jeu.position());
  ASSERT_TRUE(jeu.installer(avant));
  const Recherche rapide = jeu.rechercher(true);
  const Position apresRapide = sansEssais(jeu.position());
  ASSERT_TRUE(jeu.installer(avant));
  ASSERT_EQ(simple.candidats, rapide.candidats);
  ASSERT_EQ(simple.dernierPlacement, rapide.dernierPlacement);
  ASSERT_TRUE(simple.meilleure == rapide.meilleure);
  ASSERT_TRUE(apresSimple == apresRapide) << "plateau laisse par les recherches";
  trouvee = rapide;
}

// One computer turn on each game: the same screen calls and the same position.
void comparerTours(Jeu& rapide, test::EcranEnregistreur& er, Jeu& simple, test::EcranEnregistreur& es) {
  er.oublier();
  es.oublier();
  rapide.tourAutomate();
  simple.tourAutomate();
  ASSERT_EQ(er.appels, es.appels);
  ASSERT_TRUE(sansEssais(rapide.position()) == sansEssais(simple.position()));
}

class RechercheRapide : public ::testing::Test {
 protected:
  void SetUp() override { IRVAD_EXIGER_LISTE(); }
  // A game object with the real list and a fixed clock; `simple` for the plain search.
  static void preparer(Jeu& jeu, bool simple = false) {
    ASSERT_EQ(jeu.chargerDico(IRVAD_LISTE), Dico::Resultat::Ok);
    jeu.horloge = [] { return int64_t{1'700'000'000}; };
    jeu.automateRapide = !simple;
  }
};

TEST_F(RechercheRapide, LeGrapheLitExactementLesMotsDeLaListe) {
  test::EcranEnregistreur ecran;
  Jeu jeu{ecran};
  preparer(jeu);
  const GrapheMots& g = jeu.dico.graphe();
  int32_t mots = 0;
  for (int L = 2; L <= 9; ++L)
    for (int32_t k = 0; k < jeu.dico.nombreMots(L); ++k, ++mots) {
      std::string m(jeu.dico.mot(L, k), static_cast<std::size_t>(L));
      ASSERT_TRUE(g.contient(m.c_str(), L)) << m;
      // Each letter in turn changed: words and not words alike.
      char& c = m[static_cast<std::size_t>(k % L)];
      c = static_cast<char>('A' + (c - 'A' + 1 + k % 25) % 26);
      ASSERT_EQ(g.contient(m.c_str(), L), jeu.dico.contient(m.c_str(), L)) << m;
    }
  EXPECT_EQ(mots, 154874);
  EXPECT_LT(g.octets(), std::size_t{4} << 20);
}

// Whole games of 2, 3 and 6 computer players with mixed settings, played side by
// side with each search: at every turn both searches agree, and both games show
// and do the same. (The positions of bench/corpus come from such games.)
TEST_F(RechercheRapide, MemesPartiesDuDebutALaFin) {
  std::mt19937 reglages(20260407);
  // The games must reach what the fast search does differently.
  std::size_t avecDeplacement = 0, exAequo = 0;
  for (const uint32_t n : {2u, 3u, 6u})
    for (uint32_t graine = 1; graine <= 4; ++graine) {
      test::EcranEnregistreur er, es;
      Jeu rapide{er}, simple{es};
      preparer(rapide);
      preparer(simple, true);
      Tablee t{n, {}};
      for (uint32_t i = 0; i < nbJoueursMax; ++i)
        t.sieges.push_back({"Auto" + std::to_string(i + 1), true, reglages() % 4 != 0,
                            5 + static_cast<int32_t>(reglages() % 5)});
      rapide.nouvellePartie(t);
      simple.nouvellePartie(t);
      rapide.graine(graine * 7919);
      simple.graine(graine * 7919);
      int tours = 0;
      // Tokens may move to and fro for ever once the stocks are empty: a game is
      // followed for 400 turns at most.
      for (; rapide.position().enCours && tours < 400; ++tours) {
        SCOPED_TRACE(std::to_string(n) + " joueurs, graine " + std::to_string(graine) + ", tour " +
                     std::to_string(rapide.position().tour) + ", joueur " +
                     std::to_string(rapide.position().joueurCourant + 1));
        if (rapide.position().tour >= 1) {
          Recherche r;
          ASSERT_NO_FATAL_FAILURE(comparerRecherches(rapide, r));
          avecDeplacement += r.dernierPlacement + 1 < static_cast<int32_t>(r.candidats.size());
          exAequo += r.candidats.size() >= 2;
        }
        ASSERT_NO_FATAL_FAILURE(comparerTours(rapide, er, simple, es));
      }
      EXPECT_GT(tours, static_cast<int>(3 * n));
    }
  EXPECT_GT(avecDeplacement, 0u);
  EXPECT_GT(exAequo, 0u);
}

}  // namespace
}  // namespace irvad
