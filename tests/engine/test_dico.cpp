// The word list: the lookup at both ends of every block,
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

namespace irvad {
namespace {

using Lignes = std::vector<std::string>;
// Where each block starts in the file, and its size.
const std::array<std::uintmax_t, 9> limites = {0, 100, 1220, 7404, 31352, 96936, 235122, 470370, 798090};

// A full list holding a few words, written to its file.
struct Liste {
  ListeMots listes;
  std::string chemin = test::dossierTemporaire() + "L23456789";
  Liste() {
    std::string erreur;
    EXPECT_TRUE(remplirListes({"EU", "ABC", "AIMER", "MAISON", "ZOUAVE", "ARBRE", "ZEBU", "ABACA", "ZYEUTERAI"},
                              listes, erreur))
        << erreur;
    EXPECT_TRUE(ecrireDico(listes, chemin, erreur)) << erreur;
  }
};

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

bool contient(const Dico& dico, const std::string& m) { return dico.contient(m.c_str(), static_cast<int>(m.size())); }

TEST(Dico, UneListeSeLitBlocParBlocEtTrouveLesMotsAuxDeuxBouts) {
  const Liste l;
  // The file's bytes are the writer's (tests/dico) and, for the real list,
  // pinned by its digest (test liste_de_mots). The loading dialog advances in eight steps, then closes.
  test::EcranEnregistreur ecran;
  Dico dico;
  ASSERT_EQ(dico.charger(l.chemin, &ecran), Dico::Resultat::Ok);
  Lignes etapes = {"dicoOuvrir(1197131)"};
  for (int i = 1; i <= 8; ++i) etapes.push_back("dicoProgression(" + std::to_string(dico.debuts[i]) + ")");
  etapes.push_back("dicoFermer()");
  EXPECT_EQ(ecran.appels, etapes);
  EXPECT_EQ(dico.debuts[8], 1197131);

  for (int L = 2; L <= 9; ++L) {
    const auto& bloc = l.listes[L - 2];
    ASSERT_EQ(bloc.size(), static_cast<std::size_t>(dico.nombreMots(L)));
    for (std::size_t k : {std::size_t{0}, std::size_t{1}, bloc.size() / 2, bloc.size() - 2, bloc.size() - 1})
      EXPECT_TRUE(contient(dico, bloc[k])) << bloc[k];
  }
  // The last word of the 7-letter block and the first of the 8-letter block are
  // whole: the filler of the last 7-letter value fell on the next block and was overwritten.
  EXPECT_EQ(std::string(dico.mot(7, dico.nombreMots(7) - 1), 7), l.listes[5].back());
  EXPECT_EQ(std::string(dico.mot(8, 0), 8), l.listes[6].front());
  EXPECT_EQ(dico.texte[Dico::totalLettres], 0);
  for (const auto& m : {"EU", "ABC", "AIMER", "MAISON", "ZOUAVE", "ARBRE", "ZEBU", "ABACA", "ZYEUTERAI"})
    EXPECT_TRUE(contient(dico, m)) << m;
  for (const auto& m : {"AE", "MAISOM", "AIMES", "AAAAAAAAA", "ZZZZZZZZZ", "ZYEUTERAJ", "AAB", "AU", "A", ""})
    EXPECT_FALSE(contient(dico, m)) << m;
  // Only the first `longueur` characters count; a longer buffer is fine.
  EXPECT_TRUE(dico.contient("MAISONNETTE", 6));
  EXPECT_FALSE(dico.contient("MAISONNETTE", 7));
  EXPECT_FALSE(dico.contient("ANTICONST", 10));
  EXPECT_FALSE(dico.contient(nullptr, 2));
  EXPECT_FALSE(dico.contient("E\0", 2));  // a zero byte inside stops the comparison: no match
  EXPECT_EQ(desaccordGraphe(dico), "");
  EXPECT_FALSE(dico.graphe().contient("AIME", 4));
  // The program's folder, where the list is looked for, is test_parametres'.
}

TEST(Dico, UnFichierAbsentOuCoupeLaisseLaFenetreOuverteEtGardeLesBlocsLusEnEntier) {
  test::EcranEnregistreur ecran;
  Dico dico;
  EXPECT_EQ(dico.charger(test::dossierTemporaire() + "absent", &ecran), Dico::Resultat::Introuvable);
  EXPECT_EQ(ecran.appels, (Lignes{"dicoOuvrir(1197131)", "dicoStatut(Fichier L23456789 introuvable !)"}));
  for (const auto& m : {"EU", "AIMER", "ZYEUTERAI", "AA"}) EXPECT_FALSE(contient(dico, m));

  // Cut at each block's start, at the last byte, and in the middle of the
  // 9-letter block.
  const Liste l;
  std::ifstream entree(l.chemin, std::ios::binary);
  const std::string complet((std::istreambuf_iterator<char>(entree)), {});
  std::vector<std::uintmax_t> coupes(limites.begin(), limites.end());
  coupes.back() -= 1;
  coupes.push_back(limites[7] + 1000);
  for (const std::uintmax_t taille : coupes) {
    SCOPED_TRACE(taille);
    test::ecrire(l.chemin, complet.substr(0, taille));
    ecran.oublier();
    ASSERT_EQ(dico.charger(l.chemin, &ecran), Dico::Resultat::ErreurLecture);
    EXPECT_EQ(ecran.appels.back(), "dicoStatut(Erreur de lecture)");
    const auto entiers = static_cast<std::size_t>(std::upper_bound(limites.begin(), limites.end(), taille) -
                                                  limites.begin() - 1);
    EXPECT_EQ(ecran.appelsDe("dicoProgression").size(), entiers);
    for (std::size_t L = 2; L < entiers + 2; ++L) {
      EXPECT_TRUE(contient(dico, l.listes[L - 2].front())) << L;
      EXPECT_TRUE(contient(dico, l.listes[L - 2].back())) << L;
    }
    EXPECT_EQ(desaccordGraphe(dico), "");
  }
  // Letters read before the cut stay, the rest is zero.
  EXPECT_EQ(std::string(dico.mot(9, 0), 9), l.listes[7].front());
  EXPECT_EQ(dico.texte[Dico::totalLettres - 1], 0);
  EXPECT_FALSE(contient(dico, l.listes[7].back()));
}

// A block out of order (one value damaged in the middle of the 6-letter block)
// hides from the lookup the words above the damage; the graph hides them too.
// Copies of a list share its graph; a new load makes another one.
TEST(Dico, LeGrapheLitLesMotsQueLaRechercheTrouveMemeDansUnBlocEnDesordre) {
  const Liste l;
  const int32_t milieu = (static_cast<int32_t>(l.listes[4].size()) - 1) / 2;  // the first word the lookup reads
  {
    std::fstream f(l.chemin, std::ios::binary | std::ios::in | std::ios::out);
    f.seekp(static_cast<std::streamoff>(limites[4]) + 2 * (milieu * 6 / 3));
    const unsigned char zzz[2] = {17575 & 0xFF, 17575 >> 8};
    f.write(reinterpret_cast<const char*>(zzz), 2);
  }
  Dico dico;
  ASSERT_EQ(dico.charger(l.chemin, nullptr), Dico::Resultat::Ok);
  const std::string cache = l.listes[4][static_cast<std::size_t>(milieu) + 1];
  EXPECT_FALSE(contient(dico, cache)) << cache;
  EXPECT_FALSE(dico.graphe().contient(cache.c_str(), 6)) << cache;
  EXPECT_TRUE(dico.graphe().contient(l.listes[4].front().c_str(), 6));
  EXPECT_EQ(desaccordGraphe(dico), "");

  const Dico copie = dico;
  EXPECT_EQ(copie.graphePartage(), dico.graphePartage());
  ASSERT_EQ(dico.charger(Liste().chemin, nullptr), Dico::Resultat::Ok);
  EXPECT_NE(copie.graphePartage(), dico.graphePartage());
  EXPECT_TRUE(dico.graphe().contient(cache.c_str(), 6));
  EXPECT_FALSE(copie.graphe().contient(cache.c_str(), 6));
}

}  // namespace
}  // namespace irvad
