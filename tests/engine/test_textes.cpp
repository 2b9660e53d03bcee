// The log lines and status texts, byte for byte, and the conversions between
// the game's Windows-1252 texts and UTF-8.
#include <gtest/gtest.h>

#include "Cp1252.h"
#include "Pliage.h"
#include "Textes.h"

namespace irvad {
namespace {

using namespace textes;

TEST(Textes, LesLignesDUnCoupGardentLeursColonnes) {
  EXPECT_EQ(ligneMot("ABC", 3, 0, 0), "ABC      03 00 00");
  // A 9-letter word touches its first number.
  EXPECT_EQ(ligneMot("ZYEUTERAI", 9, 12, 123), "ZYEUTERAI09 12 123");
  EXPECT_EQ(ligneTotal(3, 12, 4, 1), "3 mot(s) 12 04 01");
  EXPECT_EQ(ligneTotal(12, 120, 0, 0), "12 mot(s) 120 00 00");
  EXPECT_EQ(std::string(enteteMots), "Mots     P+ P- L-");
  EXPECT_EQ(std::string(filet), std::string(17, '-'));
  EXPECT_EQ(ligneQualifie("Joueur 1", 7, 3, 12), "Joueur 1 007 03 12");
  EXPECT_EQ(ligneQualifie("Al", 1234, 0, 5), "Al       1234 00 05");
}

TEST(Textes, LesLignesDePoseDeDeplacementEtDeGain) {
  EXPECT_EQ(lignePose('E', 3, 4), "Pose E (3,4)");
  EXPECT_EQ(ligneDeplacementSource('K', 10, 0), "D\xE9pl.K (10,0)");
  EXPECT_EQ(ligneDeplacementDestination(5, 10), "     ->(5,10)");
  EXPECT_EQ(ligneGain('Z', 0, 5), "Gain Z (0,5)");
  EXPECT_EQ(ligneJoueur(3, "Marie"), "ROUGE: Marie");
  EXPECT_EQ(ligneJoueur(5, "x"), "JAUNE: x");
  EXPECT_EQ(cp1252::versUtf8(ligneTour(12)), "Tour n°12");
}

TEST(Textes, LaProgressionRemplitQuatreVingtOnzePlaces) {
  const std::string debut = progressionPlacement(1);
  const std::string phase = recherchePlacement;
  ASSERT_EQ(debut.size(), phase.size() + 91);
  EXPECT_EQ(debut.substr(0, phase.size()), phase);
  EXPECT_EQ(debut.substr(phase.size()), "|" + std::string(90, '\xB7'));
  EXPECT_EQ(progressionPlacement(91).substr(phase.size()), std::string(91, '|'));
  EXPECT_EQ(cp1252::versUtf8(progressionDeplacement(90)),
            "Recherche d'un déplacement (case+jeton) " + std::string(90, '|') + "·");
  EXPECT_EQ(progressionDeplacement(500), progressionDeplacement(91));
}

TEST(Textes, LesTextesAccentuesSontEnWindows1252) {
  EXPECT_EQ(cp1252::versUtf8(enteteQualifies), "Qualifié Pts j. p.");
  EXPECT_EQ(cp1252::versUtf8(questionDemiFinale), "Voulez-vous faire la ½ finale ?");
  EXPECT_EQ(cp1252::versUtf8(tousOntPasse), "Tous les joueurs ont passé leur tour !");
  EXPECT_EQ(cp1252::versUtf8(legende),
            "\"P+\"=Gain de points - \"P-\"=Perte de point(s) adverse - \"L-\"=Perte de lettre(s) adverse");
  EXPECT_EQ(cp1252::versUtf8(enregistrementEffectue), "Enregistrement effectué.");
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

TEST(Pliage, LesMotsEcritsSePlientEnLettresCapitales) {
  EXPECT_EQ(plierMot("élève"), "ELEVE");
  EXPECT_EQ(plierMot("Cœur"), "COEUR");
  EXPECT_EQ(plierMot("ÆGIRINE"), "AEGIRINE");
  EXPECT_EQ(plierMot("garçon"), "GARCON");
  EXPECT_EQ(plierMot("e\xCC\x81te\xCC\x81"), "ETE");  // decomposed accents
  for (const char* refuse : {"", "porte-clé", "aujourd'hui", "2CV", "a b", "straße", "\xC3", "\xCC\x81"})
    EXPECT_FALSE(plierMot(refuse).has_value()) << refuse;
  EXPECT_EQ(oterElision("L'Arbre"), "Arbre");
  EXPECT_EQ(oterElision("qu’il"), "il");
  EXPECT_EQ(oterElision("jusqu'"), "jusqu'");
  EXPECT_EQ(oterElision("arbre"), "arbre");
}

}  // namespace
}  // namespace irvad
