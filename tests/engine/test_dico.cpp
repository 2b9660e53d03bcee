// The word list: its file format, the lookup at both ends of every block,
// the loading dialog's steps, the two failures, and the graph of its words,
// which reads exactly the words the lookup finds.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "DicoEcriture.h"
#include "DicoTest.h"
#include "EcranEnregistreur.h"
#include "Jeu.h"

namespace irvad {
namespace {

const std::vector<std::string> motsDeTest = {"EU", "ABC", "AIMER", "MAISON", "ZOUAVE", "ARBRE", "ZEBU",
                                             "ANTICONSTITUTION", "ABACA", "ZYEUTERAI"};

// A full list, its file and the lists it was written from.
struct Liste {
  ListeMots listes;
  std::string chemin;
};

Liste liste() {
  Liste l;
  std::vector<std::string> mots;
  for (const auto& m : motsDeTest)
    if (m.size() <= 9) mots.push_back(m);
  std::string erreur;
  EXPECT_TRUE(remplirListes(mots, l.listes, erreur)) << erreur;
  l.chemin = test::dossierTemporaire() + "L23456789";
  EXPECT_TRUE(ecrireDico(l.listes, l.chemin, erreur)) << erreur;
  return l;
}

void couper(const std::string& chemin, std::uintmax_t taille) { std::filesystem::resize_file(chemin, taille); }

// The first word of letters on which the graph and the lookup disagree, or "":
// every word of the blocks, and each with one letter changed (mostly no word).
std::string desaccordGraphe(const Dico& dico) {
  for (int L = 2; L <= 9; ++L)
    for (int32_t k = 0; k < dico.nombreMots(L); ++k) {
      std::string m(dico.mot(L, k), static_cast<std::size_t>(L));
      if (std::any_of(m.begin(), m.end(), [](char c) { return c < 'A' || c > 'Z'; })) continue;
      for (int essai = 0; essai < 2; ++essai) {
        if (dico.graphe().contient(m.c_str(), L) != dico.contient(m.c_str(), L)) return m;
        char& c = m[static_cast<std::size_t>(k % L)];
        c = static_cast<char>('A' + (c - 'A' + 1) % 26);
      }
    }
  return {};
}

TEST(Dico, LeFichierALaTailleEtLesDecalagesDesBlocs) {
  const Liste l = liste();
  EXPECT_EQ(std::filesystem::file_size(l.chemin), 798090u);
  // Block offsets: each block starts with the first three letters of its first word.
  std::ifstream f(l.chemin, std::ios::binary);
  const std::array<std::streamoff, 8> decalages = {0, 100, 1220, 7404, 31352, 96936, 235122, 470370};
  for (int i = 0; i < 8; ++i) {
    f.seekg(decalages[i]);
    unsigned char o[2];
    f.read(reinterpret_cast<char*>(o), 2);
    const unsigned v = o[0] | (o[1] << 8);
    const std::string debut = l.listes[i][0] + l.listes[i][1];
    EXPECT_EQ(v, (debut[0] - 'A') * 676u + (debut[1] - 'A') * 26u + (debut[2] - 'A'))
        << "longueur " << i + 2;
  }
}

TEST(Dico, LesPremiersEtDerniersMotsDeChaqueBlocSontTrouves) {
  const Liste l = liste();
  Dico dico;
  ASSERT_EQ(dico.charger(l.chemin, nullptr), Dico::Resultat::Ok);
  for (int L = 2; L <= 9; ++L) {
    const auto& bloc = l.listes[L - 2];
    ASSERT_EQ(bloc.size(), static_cast<std::size_t>(dico.nombreMots(L)));
    EXPECT_TRUE(dico.contient(bloc.front().c_str(), L)) << bloc.front();
    EXPECT_TRUE(dico.contient(bloc.back().c_str(), L)) << bloc.back();
    EXPECT_TRUE(dico.contient(bloc[1].c_str(), L)) << bloc[1];
    EXPECT_TRUE(dico.contient(bloc[bloc.size() - 2].c_str(), L)) << bloc[bloc.size() - 2];
    EXPECT_TRUE(dico.contient(bloc[bloc.size() / 2].c_str(), L));
  }
  // The last word of the 7-letter block and the first of the 8-letter block are
  // whole: the filler of the last 7-letter value fell on the next block and was overwritten.
  EXPECT_EQ(std::string(dico.mot(7, dico.nombreMots(7) - 1), 7), l.listes[5].back());
  EXPECT_EQ(std::string(dico.mot(8, 0), 8), l.listes[6].front());
  EXPECT_EQ(std::string(dico.mot(6, 0), 6), l.listes[4].front());
  EXPECT_EQ(dico.texte[Dico::totalLettres], 0);
  for (const auto& m : {"EU", "ABC", "AIMER", "MAISON", "ZOUAVE", "ARBRE", "ZEBU", "ABACA", "ZYEUTERAI"})
    EXPECT_TRUE(dico.contient(m, static_cast<int>(std::strlen(m)))) << m;
  EXPECT_EQ(desaccordGraphe(dico), "");
  EXPECT_FALSE(dico.graphe().contient("AIME", 4));
}

TEST(Dico, UneSuiteAbsenteOuDUneAutreLongueurNEstPasUnMot) {
  const Liste l = liste();
  Dico dico;
  ASSERT_EQ(dico.charger(l.chemin, nullptr), Dico::Resultat::Ok);
  for (const auto& m : {"AE", "MAISOM", "AIMES", "AAAAAAAAA", "ZZZZZZZZZ", "ZYEUTERAJ", "AAB", "AU"})
    EXPECT_FALSE(dico.contient(m, static_cast<int>(std::strlen(m)))) << m;
  // Only the first `longueur` characters count; a longer buffer is fine.
  EXPECT_TRUE(dico.contient("MAISONNETTE", 6));
  EXPECT_FALSE(dico.contient("MAISONNETTE", 7));
  EXPECT_FALSE(dico.contient("A", 1));
  EXPECT_FALSE(dico.contient("ANTICONST", 10));
  EXPECT_FALSE(dico.contient("EU", 0));
  EXPECT_FALSE(dico.contient(nullptr, 2));
  // A zero byte inside stops the comparison and answers "smaller": no match.
  EXPECT_FALSE(dico.contient("E\0", 2));
}

TEST(Dico, LeChargementAvanceLaJaugeEnHuitPasPuisFermeLaFenetre) {
  const Liste l = liste();
  test::EcranEnregistreur ecran;
  Dico dico;
  ASSERT_EQ(dico.charger(l.chemin, &ecran), Dico::Resultat::Ok);
  std::vector<std::string> attendus = {"dicoOuvrir(1197131)"};
  for (int i = 1; i <= 8; ++i) attendus.push_back("dicoProgression(" + std::to_string(dico.debuts[i]) + ")");
  attendus.push_back("dicoFermer()");
  EXPECT_EQ(ecran.appels, attendus);
  EXPECT_EQ(dico.debuts[8], 1197131);
}

TEST(Dico, UnFichierAbsentLaisseUneListeVideEtLaFenetreOuverte) {
  test::EcranEnregistreur ecran;
  Dico dico;
  EXPECT_EQ(dico.charger(test::dossierTemporaire() + "absent", &ecran), Dico::Resultat::Introuvable);
  EXPECT_EQ(ecran.appels, (std::vector<std::string>{"dicoOuvrir(1197131)",
                                                    "dicoStatut(Fichier L23456789 introuvable !)"}));
  for (const auto& m : {"EU", "AIMER", "ZYEUTERAI", "AA"})
    EXPECT_FALSE(dico.contient(m, static_cast<int>(std::strlen(m))));
}

TEST(Dico, UnFichierCoupeDansLeBlocDeNeufLettresGardeLesAutresLongueurs) {
  const Liste l = liste();
  couper(l.chemin, 470370 + 1000);
  test::EcranEnregistreur ecran;
  Dico dico;
  EXPECT_EQ(dico.charger(l.chemin, &ecran), Dico::Resultat::ErreurLecture);
  EXPECT_EQ(ecran.appels.back(), "dicoStatut(Erreur de lecture)");
  EXPECT_TRUE(ecran.appelsDe("dicoFermer").empty());
  EXPECT_EQ(ecran.appelsDe("dicoProgression").size(), 7u);
  for (int L = 2; L <= 8; ++L) {
    EXPECT_TRUE(dico.contient(l.listes[L - 2].front().c_str(), L));
    EXPECT_TRUE(dico.contient(l.listes[L - 2].back().c_str(), L));
  }
  // Letters read before the cut stay, the rest is zero.
  EXPECT_EQ(std::string(dico.mot(9, 0), 9), l.listes[7].front());
  EXPECT_EQ(dico.texte[Dico::totalLettres - 1], 0);
  EXPECT_FALSE(dico.contient(l.listes[7].back().c_str(), 9));
  EXPECT_EQ(desaccordGraphe(dico), "");
}

// A block out of order (one value damaged in the middle of the 6-letter block)
// hides from the lookup the words above the damage; the graph hides them too.
// Copies of a list share its graph; a new load makes another one.
TEST(Dico, LeGrapheLitLesMotsQueLaRechercheTrouveMemeDansUnBlocEnDesordre) {
  const Liste l = liste();
  const int32_t milieu = (static_cast<int32_t>(l.listes[4].size()) - 1) / 2;  // the first word the lookup reads
  {
    std::fstream f(l.chemin, std::ios::binary | std::ios::in | std::ios::out);
    f.seekp(31352 + 2 * (milieu * 6 / 3));
    const unsigned char zzz[2] = {17575 & 0xFF, 17575 >> 8};
    f.write(reinterpret_cast<const char*>(zzz), 2);
  }
  Dico dico;
  ASSERT_EQ(dico.charger(l.chemin, nullptr), Dico::Resultat::Ok);
  const std::string cache = l.listes[4][static_cast<std::size_t>(milieu) + 1];
  EXPECT_FALSE(dico.contient(cache.c_str(), 6)) << cache;
  EXPECT_FALSE(dico.graphe().contient(cache.c_str(), 6)) << cache;
  EXPECT_TRUE(dico.graphe().contient(l.listes[4].front().c_str(), 6));
  EXPECT_EQ(desaccordGraphe(dico), "");

  const Dico copie = dico;
  EXPECT_EQ(copie.graphePartage(), dico.graphePartage());
  ASSERT_EQ(dico.charger(liste().chemin, nullptr), Dico::Resultat::Ok);
  EXPECT_NE(copie.graphePartage(), dico.graphePartage());
  EXPECT_TRUE(dico.graphe().contient(cache.c_str(), 6));
  EXPECT_FALSE(copie.graphe().contient(cache.c_str(), 6));
}

TEST(Dico, UneCoupureAChaqueLimiteDeBlocEstUneErreurDeLecture) {
  const Liste l = liste();
  const std::array<std::uintmax_t, 9> limites = {0, 100, 1220, 7404, 31352, 96936, 235122, 470370, 798089};
  std::ifstream entree(l.chemin, std::ios::binary);
  const std::string complet((std::istreambuf_iterator<char>(entree)), {});
  for (std::size_t i = 0; i < limites.size(); ++i) {
    const std::string chemin = test::dossierTemporaire() + "coupe" + std::to_string(i);
    std::ofstream(chemin, std::ios::binary).write(complet.data(), static_cast<std::streamsize>(limites[i]));
    test::EcranEnregistreur ecran;
    Dico dico;
    EXPECT_EQ(dico.charger(chemin, &ecran), Dico::Resultat::ErreurLecture) << limites[i];
    EXPECT_EQ(ecran.appelsDe("dicoProgression").size(), std::min<std::size_t>(i, 7)) << limites[i];
    // The blocks read in full still answer.
    for (std::size_t L = 2; L < std::min<std::size_t>(i, 7) + 2; ++L)
      EXPECT_TRUE(dico.contient(l.listes[L - 2].back().c_str(), static_cast<int>(L))) << L;
  }
}

TEST(Dico, LeMoteurChargeLaListeDuDossierDuProgramme) {
  // The engine looks beside the program's real path, not in the current folder.
  const std::string dossier = repertoireProgramme();
  ASSERT_FALSE(dossier.empty());
  EXPECT_EQ(dossier.back(), '/');
  EXPECT_TRUE(std::filesystem::exists(dossier + "test_dico"));
  test::EcranEnregistreur ecran;
  Jeu jeu(ecran);
  const Liste l = liste();
  EXPECT_EQ(jeu.chargerDico(l.chemin), Dico::Resultat::Ok);
  EXPECT_TRUE(jeu.dico.contient("AIMER", 5));
}

}  // namespace
}  // namespace irvad
