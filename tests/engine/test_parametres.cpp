// The settings file Irvad.ini: defaults, the reading rules, the exact bytes
// written, the lines kept, the move to the user's folder when the program's
// file cannot be replaced, and a full disk.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>

#include "DicoTest.h"
#include "Parametres.h"
#include "Processus.h"

namespace irvad {
namespace {

using test::ecrire, test::lire;
const std::string refus = "Impossible d'\xE9" "crire dans ";

class ParametresFichier : public ::testing::Test {
 protected:
  std::string dossier = test::dossierTemporaire();
  std::string ini = dossier + "Irvad.ini";
  std::string utilisateur = dossier + "config/Irvad/Irvad.ini";
};

TEST_F(ParametresFichier, SansFichierLesValeursParDefautEtLeFichierNaitALaPremiereEcriture) {
  Parametres p(ini, utilisateur);
  EXPECT_EQ(p.chemin(), ini);
  EXPECT_EQ(p.intervalleMs(), 3000);
  EXPECT_TRUE(p.enregistrerMessages());
  EXPECT_FALSE(std::filesystem::exists(ini));

  ASSERT_EQ(p.enregistrer(), "");
  EXPECT_TRUE(p.fichierAJour());
  EXPECT_EQ(lire(ini), "[Automate]\r\nPause=3\r\nTailleMax=5\r\nInterruption=O\r\nDeplacements=O\r\n");
  ASSERT_EQ(p.ecrireEnregistrerMessages(false), "");
  EXPECT_EQ(lire(ini),
            "[Automate]\r\nPause=3\r\nTailleMax=5\r\nInterruption=O\r\nDeplacements=O\r\n"
            "[Partie]\r\nEnregistrerMessages=N\r\n");
  EXPECT_FALSE(std::filesystem::exists(utilisateur));

  // New values replace the old lines in place, and a new reader sees them.
  p.pause = 0;
  p.tailleMaxParDefaut = 9;
  p.interruption = false;
  ASSERT_EQ(p.enregistrer(), "");
  EXPECT_EQ(lire(ini),
            "[Automate]\r\nPause=0\r\nTailleMax=9\r\nInterruption=N\r\nDeplacements=O\r\n"
            "[Partie]\r\nEnregistrerMessages=N\r\n");
  Parametres relu(ini, utilisateur);
  EXPECT_EQ(std::tuple(relu.pause, relu.intervalleMs(), relu.tailleMaxParDefaut, relu.interruption,
                       relu.deplacementsParDefaut, relu.enregistrerMessages()),
            std::tuple(0, 1, 9, false, true, false));
}

TEST_F(ParametresFichier, SeulUnOMajusculeEstVraiEtLesNombresSontRamenesDansLeurPlage) {
  struct Cas {
    const char* texte;
    int32_t pause, taille;
    bool interruption, deplacements;
  };
  const Cas cas[] = {
      {"[Automate]\r\nPause=12\r\nTailleMax=2\r\nInterruption=o\r\nDeplacements=1\r\n", 5, 5, false, false},
      {"[Automate]\r\nPause=-3\r\nTailleMax=15\r\nInterruption=\r\nDeplacements=Oui\r\n", 0, 9, false, false},
      {"[Automate]\r\nPause=abc\r\nTailleMax=7x\r\nInterruption=N\r\nDeplacements=O\r\n", 3, 5, false, true},
      // Names without regard to case, spaces and quotes around values, LF alone.
      {"; r\xE9glages\n[ automate ]\n  pause = 4 \ntaillemax=\"8\"\nINTERRUPTION = O\n", 4, 8, true, true},
      // Keys of another section, and of a later section of the same name, do not count.
      {"[Partie]\r\nPause=1\r\n[Automate]\r\nTailleMax=6\r\n[Automate]\r\nPause=2\r\n", 3, 6, true, true},
      {"[Automate]\r\nPause=99999999999\r\nTailleMax=+7\r\n", 3, 7, true, true},
  };
  for (const Cas& c : cas) {
    ecrire(ini, c.texte);
    Parametres p(ini, utilisateur);
    EXPECT_EQ(std::tuple(p.pause, p.tailleMaxParDefaut, p.interruption, p.deplacementsParDefaut),
              std::tuple(c.pause, c.taille, c.interruption, c.deplacements))
        << c.texte;
  }
  ecrire(ini, "[Partie]\r\nEnregistrerMessages=o\r\n");
  EXPECT_FALSE(Parametres(ini, utilisateur).enregistrerMessages());
}

TEST_F(ParametresFichier, UneEcritureGardeToutLeResteDuFichierOctetPourOctet) {
  // A hand-edited file: a comment, LF-only lines, an unknown key, blank
  // lines at the end of the section, another section, no final line end.
  ecrire(ini, "; fichier \xE9" "dit\n[Automate]\nPause = 1\nCouleur=verte\n\n\n[Autre]\r\nCle=Valeur");
  Parametres p(ini, utilisateur);
  EXPECT_EQ(p.pause, 1);
  p.pause = 2;
  ASSERT_EQ(p.enregistrer(), "");
  const std::string apres = "; fichier \xE9" "dit\n[Automate]\nPause=2\r\nCouleur=verte\nTailleMax=5\r\n"
                            "Interruption=O\r\nDeplacements=O\r\n\n\n[Autre]\r\nCle=Valeur";
  EXPECT_EQ(lire(ini), apres);
  ASSERT_EQ(p.ecrireEnregistrerMessages(true), "");
  EXPECT_EQ(lire(ini), apres + "\r\n[Partie]\r\nEnregistrerMessages=O\r\n");
  // A section whose header is the last line of the file.
  ecrire(ini, "[Partie]");
  ASSERT_EQ(Parametres(ini, utilisateur).ecrireEnregistrerMessages(false), "");
  EXPECT_EQ(lire(ini), "[Partie]\r\nEnregistrerMessages=N\r\n");
}

TEST_F(ParametresFichier, UnDossierDuProgrammeInterditMeneAuFichierDeLUtilisateurPuisAUneErreur) {
  // The program's "folder" is a plain file: nothing can be created in it.
  ecrire(dossier + "programme", "x");
  const std::string interdit = dossier + "programme/Irvad.ini";
  Parametres p(interdit, utilisateur);
  EXPECT_EQ(p.chemin(), utilisateur);
  p.tailleMaxParDefaut = 8;
  ASSERT_EQ(p.enregistrer(), "");  // the user's folder is created on the way
  EXPECT_EQ(lire(utilisateur), "[Automate]\r\nPause=3\r\nTailleMax=8\r\nInterruption=O\r\nDeplacements=O\r\n");
  EXPECT_EQ(Parametres(interdit, utilisateur).tailleMaxParDefaut, 8);

  // Neither can be written: the user's path is reported, the values stay in use.
  const std::string interdit2 = dossier + "programme/config/Irvad/Irvad.ini";
  Parametres q(interdit, interdit2);
  q.pause = 1;
  q.interruption = false;
  EXPECT_EQ(q.enregistrer(), refus + interdit2);
  EXPECT_EQ(q.ecrireEnregistrerMessages(false), refus + interdit2);
  EXPECT_TRUE(q.pause == 1 && !q.interruption && !q.fichierAJour());
  EXPECT_EQ(lire(dossier + "programme"), "x");
  // Without a user's folder at all, the program's path is the one reported.
  EXPECT_EQ(Parametres(interdit, "").enregistrer(), refus + interdit);
}

TEST_F(ParametresFichier, UnFichierQuOnNePeutRemplacerResteTelQuelEtLesReglagesVontChezLUtilisateur) {
  const std::string ancien =
      "; r\xE9glages\r\n[Automate]\r\nPause=2\r\nTailleMax=7\r\n[Partie]\r\nEnregistrerMessages=N\r\n";
  // A read-only file beside the program, the superuser's included.
  ecrire(ini, ancien);
  std::filesystem::permissions(ini, std::filesystem::perms::owner_read | std::filesystem::perms::group_read);
  Parametres p(ini, utilisateur);
  EXPECT_EQ(p.chemin(), utilisateur);
  EXPECT_EQ(p.pause, 2);
  p.interruption = false;
  ASSERT_EQ(p.enregistrer(), "");
  EXPECT_EQ(lire(ini), ancien);
  Parametres relu(ini, utilisateur);
  EXPECT_FALSE(relu.interruption);
  EXPECT_EQ(relu.tailleMaxParDefaut, 7);
  EXPECT_FALSE(relu.enregistrerMessages());  // still read from the program's file

  // A writable file in a folder that takes no new file: the superuser acts
  // as "nobody", any other user makes the folder read-only for himself.
  const std::string programme = dossier + "programme/";
  const std::string chezLui = dossier + "nobody/Irvad.ini";
  std::filesystem::create_directories(dossier + "nobody");
  ::chmod((dossier + "nobody").c_str(), 0777);
  std::filesystem::create_directory(programme);
  ecrire(programme + "Irvad.ini", ancien);
  ::chmod((programme + "Irvad.ini").c_str(), 0666);
  const bool root = ::geteuid() == 0;
  if (!root) ::chmod(programme.c_str(), 0555);
  const int statut = test::dansUnEnfant(
      [&] {
        Parametres q(programme + "Irvad.ini", chezLui);
        q.pause = 4;
        const bool ecrit = q.chemin() == chezLui && q.enregistrer().empty();
        return ecrit && Parametres(programme + "Irvad.ini", chezLui).pause == 4 ? 0 : 1;
      },
      true);
  ::chmod(programme.c_str(), 0755);
  EXPECT_EQ(statut, 0);
  EXPECT_EQ(lire(programme + "Irvad.ini"), ancien);
}

TEST_F(ParametresFichier, UnDisquePleinGardeLeFichierEntierEtLesReglagesEnUsage) {
  const std::string ancien = "[Automate]\r\nPause=2\r\nTailleMax=7\r\n[Partie]\r\nEnregistrerMessages=N\r\n";
  ecrire(ini, ancien);
  Parametres p(ini, "");
  p.pause = 0;
  p.tailleMaxParDefaut = 9;
  {
    test::DisquePlein plein(16);
    ASSERT_TRUE(plein.ok());
    EXPECT_EQ(p.enregistrer(), refus + ini);
    EXPECT_EQ(p.ecrireEnregistrerMessages(true), refus + ini);
  }
  EXPECT_FALSE(p.fichierAJour());
  // The file is whole, nothing was left beside it, the new values are in use.
  EXPECT_EQ(lire(ini), ancien);
  EXPECT_EQ(test::noms(dossier).size(), 1u);
  EXPECT_EQ(p.intervalleMs(), 1);
  EXPECT_FALSE(p.enregistrerMessages());
  // With room again they reach the file.
  EXPECT_EQ(p.enregistrer(), "");
  EXPECT_EQ(Parametres(ini, "").tailleMaxParDefaut, 9);
}

TEST(ParametresEmplacement, LeFichierDeLUtilisateurSuitXdgConfigHomeOuHome) {
  const char* xdg = std::getenv("XDG_CONFIG_HOME");
  const std::string ancienXdg = xdg ? xdg : "";
  const char* maison = std::getenv("HOME");
  const std::string ancienneMaison = maison ? maison : "";

  ::setenv("XDG_CONFIG_HOME", "/tmp/cfg/", 1);
  EXPECT_EQ(Parametres::cheminUtilisateur(), "/tmp/cfg/Irvad/Irvad.ini");
  ::setenv("HOME", "/home/joueur", 1);
  ::setenv("XDG_CONFIG_HOME", "relatif", 1);  // not absolute: ignored
  EXPECT_EQ(Parametres::cheminUtilisateur(), "/home/joueur/.config/Irvad/Irvad.ini");
  ::unsetenv("XDG_CONFIG_HOME");
  EXPECT_EQ(Parametres::cheminUtilisateur(), "/home/joueur/.config/Irvad/Irvad.ini");

  if (xdg) ::setenv("XDG_CONFIG_HOME", ancienXdg.c_str(), 1);
  if (maison) ::setenv("HOME", ancienneMaison.c_str(), 1);
  else ::unsetenv("HOME");

  const std::string programme = Parametres::cheminProgramme();
  ASSERT_FALSE(programme.empty());
  EXPECT_EQ(std::filesystem::path(programme).filename(), "Irvad.ini");
  EXPECT_EQ(std::filesystem::path(programme).parent_path(),
            std::filesystem::canonical("/proc/self/exe").parent_path());
}

}  // namespace
}  // namespace irvad
