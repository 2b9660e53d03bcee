// Expansion of hunspell entries into their word forms.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "Hunspell.h"
#include "Pliage.h"

namespace irvad::hunspell {
namespace {

using Formes = std::vector<std::set<std::string>>;

// The forms of each entry of a .dic text, under the affixes of an .aff text.
Formes formes(const std::string& aff, const std::string& dic) {
  Affixes a;
  std::vector<Entree> entrees;
  std::string erreur;
  EXPECT_TRUE(a.lire(aff, erreur) && a.lireDic(dic, entrees, erreur)) << erreur;
  Formes r(entrees.size());
  for (std::size_t i = 0; i < entrees.size(); ++i)
    a.developper(entrees[i], [&r, i](const std::u32string& f) {
      std::string s;
      for (char32_t c : f) ecrireUtf8(s, c);
      r[i].insert(s);
    });
  return r;
}

TEST(Hunspell, SuffixesPrefixesCroisementsChainesEtRacinesSansAffixe) {
  const char* const aff =
      "SET UTF-8\nNEEDAFFIX Z\nFORBIDDENWORD !\nSFX S Y 1\nSFX S 0 s [^sxz]\nSFX E Y 2\nSFX E er ez/T er\n"
      "SFX E er é er\nSFX T Y 1\nSFX T 0 -vous .\nPFX R Y 1\nPFX R 0 re .\n";
  // The condition [^sxz] keeps the suffix off a stem ending in z; a stem
  // that needs an affix ("chanter") is no form; ez carries T further.
  EXPECT_EQ(formes(aff, "5\nchat/S\nnez/S\nfaire/R\nchanter/EZ\nhonni/!\n"),
            (Formes{{"chat", "chats"}, {"nez"}, {"faire", "refaire"}, {"chantez", "chanté", "chantez-vous"}, {}}));
}

TEST(Hunspell, Latin1DrapeauxLongsDrapeauxNumeriquesEtAlias) {
  EXPECT_EQ(formes("SET ISO8859-1\nFLAG long\nSFX Aa Y 1\nSFX Aa 0 \xE9 .\n", "1\nd\xE9/Aa\n"),
            (Formes{{"dé", "déé"}}));
  EXPECT_EQ(formes("SET UTF-8\nFLAG num\nAF 1\nAF 12,7\nSFX 12 Y 1\nSFX 12 0 s .\nSFX 7 Y 1\nSFX 7 0 x .\n",
                   "1\nbijou/1\n"),
            (Formes{{"bijou", "bijous", "bijoux"}}));
  Affixes c;
  std::string erreur;
  EXPECT_FALSE(c.lire("SET KOI8-R\n", erreur));
}

}  // namespace
}  // namespace irvad::hunspell
