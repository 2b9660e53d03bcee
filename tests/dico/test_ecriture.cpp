// Packing of the word list file and the making of complete lists from a few words.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "DicoEcriture.h"
#include "DicoTest.h"

namespace irvad {
namespace {

TEST(Ecriture, DesListesCompleteesSontSainesEtGardentLeursMots) {
  ListeMots listes;
  std::string erreur;
  ASSERT_TRUE(remplirListes({"MAISON", "EU", "EU", "ZYEUTERAI", "AIMER", "BZ"}, listes, erreur)) << erreur;
  EXPECT_FALSE(defautListes(listes).has_value());
  for (std::size_t i = 0; i < dicoNbLongueurs; ++i) {
    EXPECT_EQ(listes[i].size(), motsParLongueur[i]);
    // The filler never holds a vowel: the only words with a vowel are the ones given.
    for (const auto& m : listes[i])
      EXPECT_TRUE(m.size() == i + 2 && (m.find_first_of("AEIOUY") == std::string::npos || m == "MAISON" ||
                                        m == "EU" || m == "ZYEUTERAI" || m == "AIMER"))
          << m;
  }
  for (const auto& [mot, i] : {std::pair{"EU", 0}, {"MAISON", 4}, {"ZYEUTERAI", 7}, {"BZ", 0}})
    EXPECT_TRUE(std::binary_search(listes[i].begin(), listes[i].end(), mot)) << mot;
  // The same set in another order gives the same lists.
  ListeMots autres;
  ASSERT_TRUE(remplirListes({"BZ", "AIMER", "ZYEUTERAI", "MAISON", "EU"}, autres, erreur));
  EXPECT_EQ(listes, autres);
}

TEST(Ecriture, DesMotsMalFormesSontRefusesSansToucherAuxListes) {
  ListeMots listes;
  listes[0] = {"QQ"};
  std::string erreur;
  for (const auto& mauvais : {"A", "ABCDEFGHIJ", "Eu", "E-U", "ÉTÉ"}) {
    erreur.clear();
    EXPECT_FALSE(remplirListes({"AIMER", mauvais}, listes, erreur) || erreur.empty()) << mauvais;
    EXPECT_EQ(listes[0], std::vector<std::string>{"QQ"});
  }
  // More two-letter words than the block holds.
  std::vector<std::string> trop;
  for (char a = 'A'; a <= 'Z'; ++a)
    for (char b : {'A', 'E', 'I', 'O'}) trop.push_back(std::string{a, b});
  EXPECT_FALSE(remplirListes(trop, listes, erreur));
}

TEST(Ecriture, DefautListesNommeLaLongueurFautive) {
  ListeMots listes;
  std::string erreur;
  ASSERT_TRUE(remplirListes({"AIMER"}, listes, erreur));
  const std::function<void(std::vector<std::string>&)> defauts[] = {
      [](auto& l) { std::swap(l[0], l[1]); }, [](auto& l) { l.pop_back(); }, [](auto& l) { l[1] = l[0]; },
      [](auto& l) { l[5] = "abcde"; }};
  for (const auto& abimer : defauts) {
    ListeMots l = listes;
    abimer(l[3]);
    EXPECT_NE(defautListes(l).value_or("").find("mots de 5 lettres"), std::string::npos);
  }
}

TEST(Ecriture, EncoderPuisDecoderOuEcrirePuisLireRendLesMemesListes) {
  ListeMots listes;
  std::string erreur;
  ASSERT_TRUE(remplirListes({"ZYEUTERAI", "ABACA", "ZEBU", "ARBRE"}, listes, erreur));
  std::vector<std::uint8_t> octets;
  ASSERT_TRUE(encoderDico(listes, octets, erreur)) << erreur;
  ASSERT_EQ(octets.size(), tailleFichierDico);
  // The bytes themselves are those of the real list, whose sha256 is checked.
  ListeMots lues;
  ASSERT_TRUE(decoderDico(octets, lues, erreur)) << erreur;
  EXPECT_EQ(lues, listes);

  // Wrong size, and a value beyond ZZZ, are refused.
  EXPECT_FALSE(decoderDico(std::vector<std::uint8_t>(octets.begin(), octets.end() - 1), lues, erreur));
  auto abime = octets;
  abime[10] = 0xFF;
  abime[11] = 0xFF;
  EXPECT_FALSE(decoderDico(abime, lues, erreur));
  // Written to a file and read back; not into a missing folder, nor from a missing file.
  const std::string d = test::dossierTemporaire();
  ASSERT_TRUE(ecrireDico(listes, d + "L23456789", erreur)) << erreur;
  ASSERT_TRUE(lireDico(d + "L23456789", lues, erreur)) << erreur;
  EXPECT_EQ(lues, listes);
  erreur.clear();
  EXPECT_FALSE(ecrireDico(listes, d + "absent/L23456789", erreur) || erreur.empty());
  EXPECT_FALSE(lireDico(d + "absent", lues, erreur));
  // Unsound lists are not encoded.
  listes[0].pop_back();
  EXPECT_FALSE(encoderDico(listes, octets, erreur) || !octets.empty());
}

}  // namespace
}  // namespace irvad
