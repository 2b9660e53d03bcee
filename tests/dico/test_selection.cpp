// The choice of the words of a block among the candidates, and the filter of written words.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "Selection.h"
#include "Sources.h"

namespace irvad::dico {
namespace {

TEST(Selection, LesMotsDesSourcesLesPlusNombreusesPassentDAbord) {
  std::vector<Candidat> c = {{"BA", 1}, {"CA", 3}, {"DA", 2}, {"EA", 3}, {"FA", 1}, {"GA", 2}};
  EXPECT_EQ(choisir(c, 2), (std::vector<std::string>{"CA", "EA"}));
  EXPECT_EQ(choisir(c, 4), (std::vector<std::string>{"CA", "DA", "EA", "GA"}));
  // Fewer candidates than places: all of them.
  EXPECT_EQ(choisir(c, 10).size(), 6u);
  // The order of the candidates does not matter.
  std::reverse(c.begin(), c.end());
  EXPECT_EQ(choisir(c, 4), (std::vector<std::string>{"CA", "DA", "EA", "GA"}));
}

TEST(Selection, LeRangPartageSEtaleSurToutLAlphabet) {
  std::vector<Candidat> c;
  for (char a = 'A'; a <= 'Z'; ++a) c.push_back({std::string{a, 'O'}, 1});
  const auto choisis = choisir(c, 5);
  ASSERT_EQ(choisis.size(), 5u);
  EXPECT_LT(choisis.front(), "FO");
  EXPECT_GT(choisis.back(), "TO");
  EXPECT_TRUE(std::is_sorted(choisis.begin(), choisis.end()));
  for (std::size_t m : {1u, 7u, 100u, 54620u})
    for (std::size_t n : {std::size_t{0}, std::size_t{1}, m / 3, m}) {
      const auto places = repartir(m, n);
      ASSERT_EQ(places.size(), n);
      EXPECT_TRUE(std::adjacent_find(places.begin(), places.end(), std::greater_equal<>()) == places.end());
      if (n) {
        EXPECT_LT(places.back(), m);
      }
    }
}

TEST(Selection, UneLongueurSansAssezDeMotsEstSignalee) {
  std::array<std::vector<Candidat>, dicoNbLongueurs> candidats;
  ListeMots listes;
  std::string erreur;
  EXPECT_FALSE(choisirListes(candidats, listes, erreur));
  EXPECT_NE(erreur.find('9'), std::string::npos) << erreur;
}

TEST(Sources, UnMotEcritDevientUnCandidatOuRien) {
  EXPECT_EQ(candidat("élève"), "ELEVE");
  EXPECT_EQ(candidat("l'arbre"), "ARBRE");
  EXPECT_EQ(candidat("cœur"), "COEUR");
  for (const char* refuse : {"Paris", "a", "anticonstitutionnel", "porte-clé", "brr", "2e", "km/h", ""})
    EXPECT_EQ(candidat(refuse), "") << refuse;
  EXPECT_TRUE(commenceParMinuscule("été"));
  EXPECT_FALSE(commenceParMinuscule("Été"));
  EXPECT_FALSE(commenceParMinuscule("1er"));
}

}  // namespace
}  // namespace irvad::dico
