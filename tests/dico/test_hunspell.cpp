// Expansion of hunspell entries into their word forms.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "Hunspell.h"
#include "Pliage.h"

namespace irvad::hunspell {
namespace {

std::set<std::string> formes(const Affixes& a, const Entree& e) {
  std::set<std::string> r;
  a.developper(e, [&](const std::u32string& f) {
    std::string s;
    for (char32_t c : f) ecrireUtf8(s, c);
    r.insert(s);
  });
  return r;
}

std::vector<Entree> entrees(const Affixes& a, const std::string& dic) {
  std::vector<Entree> e;
  std::string erreur;
  EXPECT_TRUE(a.lireDic(dic, e, erreur)) << erreur;
  return e;
}

const char* const affUtf8 =
    "SET UTF-8\n"
    "NEEDAFFIX Z\n"
    "FORBIDDENWORD !\n"
    "SFX S Y 1\n"
    "SFX S 0 s [^sxz]\n"
    "SFX E Y 2\n"
    "SFX E er ez/T er\n"
    "SFX E er é er\n"
    "SFX T Y 1\n"
    "SFX T 0 -vous .\n"
    "PFX R Y 1\n"
    "PFX R 0 re .\n";

TEST(Hunspell, SuffixesPrefixesCroisementsChainesEtRacinesSansAffixe) {
  Affixes a;
  std::string erreur;
  ASSERT_TRUE(a.lire(affUtf8, erreur)) << erreur;
  const auto e = entrees(a, "5\nchat/S\nnez/S\nfaire/R\nchanter/EZ\nhonni/!\n");
  ASSERT_EQ(e.size(), 5u);
  EXPECT_EQ(formes(a, e[0]), (std::set<std::string>{"chat", "chats"}));
  // The condition [^sxz] keeps the suffix off a stem ending in z.
  EXPECT_EQ(formes(a, e[1]), (std::set<std::string>{"nez"}));
  EXPECT_EQ(formes(a, e[2]), (std::set<std::string>{"faire", "refaire"}));
  // The stem needs an affix: "chanter" itself is no form; ez carries T further.
  EXPECT_EQ(formes(a, e[3]), (std::set<std::string>{"chantez", "chanté", "chantez-vous"}));
  EXPECT_TRUE(formes(a, e[4]).empty());
}

TEST(Hunspell, Latin1DrapeauxLongsDrapeauxNumeriquesEtAlias) {
  std::string erreur;
  Affixes a, b, c;
  ASSERT_TRUE(a.lire("SET ISO8859-1\nFLAG long\nSFX Aa Y 1\nSFX Aa 0 \xE9 .\n", erreur)) << erreur;
  EXPECT_EQ(formes(a, entrees(a, "1\nd\xE9/Aa\n").at(0)), (std::set<std::string>{"dé", "déé"}));
  ASSERT_TRUE(b.lire("SET UTF-8\nFLAG num\nAF 1\nAF 12,7\nSFX 12 Y 1\nSFX 12 0 s .\nSFX 7 Y 1\nSFX 7 0 x .\n",
                     erreur))
      << erreur;
  EXPECT_EQ(formes(b, entrees(b, "1\nbijou/1\n").at(0)), (std::set<std::string>{"bijou", "bijous", "bijoux"}));
  EXPECT_FALSE(c.lire("SET KOI8-R\n", erreur));
}

}  // namespace
}  // namespace irvad::hunspell
