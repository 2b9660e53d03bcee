// The log lines and status texts at the edges of their columns (the common
// ones are in every golden scenario), and the conversions between the game's
// Windows-1252 texts and UTF-8.
#include <gtest/gtest.h>

#include "Cp1252.h"
#include "Pliage.h"
#include "Textes.h"

namespace irvad {
namespace {

using namespace textes;

TEST(Textes, LesColonnesTiennentAuxNombresLesPlusLongsEtLesBarresSeRemplissent) {
  EXPECT_EQ(ligneMot("ZYEUTERAI", 9, 12, 123), "ZYEUTERAI09 12 123");  // a 9-letter word touches its number
  EXPECT_EQ(ligneTotal(12, 120, 0, 0), "12 mot(s) 120 00 00");
  EXPECT_EQ(ligneQualifie("Al", 1234, 0, 5), "Al       1234 00 05");
  EXPECT_EQ(ligneDeplacementSource('K', 10, 0), "D\xE9pl.K (10,0)");
  // 91 places; the placement bar is checked in test_automate.
  EXPECT_EQ(cp1252::versUtf8(progressionDeplacement(90)),
            "Recherche d'un déplacement (case+jeton) " + std::string(90, '|') + "·");
  EXPECT_EQ(progressionDeplacement(500), progressionDeplacement(91));
}

TEST(Cp1252, LesConversionsAllerRetourGardentChaqueOctet) {
  std::string tous;
  for (int c = 1; c < 256; ++c) tous += static_cast<char>(c);
  EXPECT_EQ(cp1252::depuisUtf8(cp1252::versUtf8(tous)), tous);
  EXPECT_EQ(cp1252::versUtf8("\x80\x9C\xE9"), "€œé");
  EXPECT_EQ(cp1252::depuisUtf8("€œéÿ"), "\x80\x9C\xE9\xFF");
  // What the code page cannot hold, and broken UTF-8, become '?'.
  EXPECT_EQ(cp1252::depuisUtf8("a\xE2\x82"), "a??");
  EXPECT_EQ(cp1252::depuisUtf8("ĳ漢"), "??");
  EXPECT_EQ(cp1252::depuisUtf8("\xFF"), "?");
}

// The common cases (élève, ÉTÉ, cœur, porte-clé, 2026) are the scenarios mots.txt and mots_malformes.txt.
TEST(Pliage, LesMotsEcritsSePlientEnLettresCapitales) {
  EXPECT_EQ(plierMot("ÆGIRINE"), "AEGIRINE");
  EXPECT_EQ(plierMot("garçon"), "GARCON");
  EXPECT_EQ(plierMot("e\xCC\x81te\xCC\x81"), "ETE");  // decomposed accents
  for (const char* refuse : {"", "aujourd'hui", "a b", "straße", "\xC3", "\xCC\x81"})
    EXPECT_FALSE(plierMot(refuse).has_value()) << refuse;
  EXPECT_EQ(oterElision("L'Arbre"), "Arbre");
  EXPECT_EQ(oterElision("qu’il"), "il");
  EXPECT_EQ(oterElision("jusqu'"), "jusqu'");
  EXPECT_EQ(oterElision("arbre"), "arbre");
}

}  // namespace
}  // namespace irvad
