// Every reader of the program before a folder, a named pipe or a device in
// the place of its file: an answer at once, with its message, and no abort;
// and a word list cut at every block boundary.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "DicoEcriture.h"
#include "DicoTest.h"
#include "EcranEnregistreur.h"
#include "Jeu.h"
#include "Journal.h"
#include "Parametres.h"
#include "Processus.h"

namespace irvad {
namespace {

namespace fs = std::filesystem;

std::string lire(const std::string& chemin) {
  std::ifstream f(chemin, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(f), {});
}

void ecrire(const std::string& chemin, const std::string& octets) {
  std::ofstream(chemin, std::ios::binary | std::ios::trunc) << octets;
}

TEST(Robustesse, AucunLecteurNAttendNiNeSArreteDevantCeQuiNEstPasUnFichier) {
  const std::string d = test::dossierTemporaire();
  ASSERT_EQ(::mkfifo((d + "tube").c_str(), 0600), 0);
  fs::create_directory(d + "dossier");
  fs::create_directories(d + "config/Irvad/Irvad.ini");
  // In a child with an alarm: a reader that waits fails the test instead of
  // holding it, one that aborts shows as a signal.
  const int statut = test::dansUnEnfant([&] {
    ::alarm(20);
    for (const std::string& chemin : {d + "tube", d + "dossier", std::string("/dev/zero")}) {
      test::EcranEnregistreur ecran;
      ecran.enregistrerAppels = false;
      Jeu jeu(ecran);
      if (jeu.chargerPartie(chemin) || ecran.statut != "Impossible de lire le fichier source " + chemin + ".") return 1;
      if (jeu.dico.charger(chemin, &ecran) != Dico::Resultat::ErreurLecture) return 2;
      if (journal::lire(chemin).erreur != journal::Erreur::lecture) return 3;
      ListeMots listes;
      std::string erreur;
      if (lireDico(chemin, listes, erreur) || erreur != chemin + " n'est pas un fichier") return 4;
      // The settings, beside the program or in the user's folder, read as
      // their defaults.
      for (const auto& [programme, utilisateur] :
           {std::pair{chemin, d + "config/Irvad/Irvad.ini"}, std::pair{d + "config/Irvad/Irvad.ini", chemin}}) {
        Parametres p(programme, utilisateur);
        if (p.pause != 3 || p.tailleMaxParDefaut != 5 || !p.interruption || !p.enregistrerMessages()) return 5;
      }
    }
    return 0;
  });
  EXPECT_EQ(statut, 0);
}

TEST(RobustesseDico, UneListeCoupeeAChaqueLimiteDeBlocEstRefuseeAvecSonMessage) {
  ListeMots listes;
  std::string erreur;
  ASSERT_TRUE(remplirListes({"EU", "RUE", "RASE", "TOILE", "SALONS", "ETOILES", "TARTINES", "ORANGERAI"}, listes,
                            erreur))
      << erreur;
  const std::string dossier = test::dossierTemporaire();
  ASSERT_TRUE(ecrireDico(listes, dossier + "complete", erreur)) << erreur;
  const std::string complete = lire(dossier + "complete");
  const std::array<std::size_t, 8> limites = {0, 100, 1220, 7404, 31352, 96936, 235122, 470370};
  for (std::size_t b = 0; b < limites.size(); ++b)
    // At the limit, one byte (half a value) past it, and one value short of the next.
    for (std::size_t taille : {limites[b], limites[b] + 1,
                               (b + 1 < limites.size() ? limites[b + 1] : complete.size()) - 2}) {
      const std::string chemin = dossier + "coupe";
      ecrire(chemin, complete.substr(0, taille));
      test::EcranEnregistreur ecran;
      Dico dico;
      ASSERT_EQ(dico.charger(chemin, &ecran), Dico::Resultat::ErreurLecture) << taille;
      EXPECT_EQ(ecran.appelsDe("dicoStatut"), std::vector<std::string>{"dicoStatut(Erreur de lecture)"}) << taille;
      EXPECT_TRUE(ecran.appelsDe("dicoFermer").empty()) << taille;
      EXPECT_EQ(ecran.appelsDe("dicoProgression").size(), b) << taille;
      // The blocks read in full answer; the first word of the next one does not.
      for (std::size_t L = 2; L < b + 2; ++L) {
        EXPECT_TRUE(dico.contient(listes[L - 2].front().c_str(), static_cast<int>(L))) << taille;
        EXPECT_TRUE(dico.contient(listes[L - 2].back().c_str(), static_cast<int>(L))) << taille;
      }
      EXPECT_FALSE(dico.contient(listes[b].back().c_str(), static_cast<int>(b + 2))) << taille;
    }
  test::EcranEnregistreur ecran;
  Dico dico;
  EXPECT_EQ(dico.charger(dossier + "absente", &ecran), Dico::Resultat::Introuvable);
  EXPECT_EQ(ecran.appelsDe("dicoStatut"), std::vector<std::string>{"dicoStatut(Fichier L23456789 introuvable !)"});
}

}  // namespace
}  // namespace irvad
