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

const std::string parDefaut = "[Automate]\r\nPause=3\r\nTailleMax=5\r\nInterruption=O\r\nDeplacements=O\r\n";

// The four settings of the section Automate, as read.
std::tuple<int32_t, int32_t, bool, bool> valeurs(const Parametres& p) {
  return {p.pause, p.tailleMaxParDefaut, p.interruption, p.deplacementsParDefaut};
}

class ParametresFichier : public ::testing::Test {
 protected:
  std::string dossier = test::dossierTemporaire();
  std::string ini = dossier + "Irvad.ini";
  std::string utilisateur = dossier + "config/Irvad/Irvad.ini";
};

TEST_F(ParametresFichier, SansFichierLesValeursParDefautEtLeFichierNaitALaPremiereEcriture) {
  Parametres p(ini, utilisateur);
  EXPECT_EQ(std::tuple(p.chemin(), p.intervalleMs(), p.enregistrerMessages()), std::tuple(ini, 3000, true));
  EXPECT_FALSE(std::filesystem::exists(ini));

  ASSERT_EQ(p.enregistrer(), "");
  EXPECT_TRUE(p.fichierAJour());
  EXPECT_EQ(lire(ini), parDefaut);
  ASSERT_EQ(p.ecrireEnregistrerMessages(false), "");
  EXPECT_EQ(lire(ini), parDefaut + "[Partie]\r\nEnregistrerMessages=N\r\n");
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
  EXPECT_EQ(valeurs(relu), std::tuple(0, 9, false, true));
  EXPECT_EQ(std::pair(relu.intervalleMs(), relu.enregistrerMessages()), std::pair(1, false));
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
    EXPECT_EQ(valeurs(Parametres(ini, utilisateur)), std::tuple(c.pause, c.taille, c.interruption, c.deplacements))
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

TEST_F(ParametresFichier, UnDossierDuProgrammeInterditMeneAuFichierDeLUtilisateurPuisAUneErreurQuiGardeLeFichier) {
  // The program's "folder" is a plain file: nothing can be created in it.
  ecrire(dossier + "programme", "x");
  const std::string interdit = dossier + "programme/Irvad.ini";
  Parametres p(interdit, utilisateur);
  EXPECT_EQ(p.chemin(), utilisateur);
  p.tailleMaxParDefaut = 8;
  ASSERT_EQ(p.enregistrer(), "");  // the user's folder is created on the way
  EXPECT_EQ(lire(utilisateur), "[Automate]\r\nPause=3\r\nTailleMax=8\r\nInterruption=O\r\nDeplacements=O\r\n");
  EXPECT_EQ(Parametres(interdit, utilisateur).tailleMaxParDefaut, 8);

  // Neither can be written: the user's path is reported, the values stay in
  // use; without a user's folder at all, the program's path is the one reported.
  const std::string interdit2 = dossier + "programme/config/Irvad/Irvad.ini";
  Parametres q(interdit, interdit2);
  q.pause = 1;
  EXPECT_EQ(q.enregistrer(), refus + interdit2);
  EXPECT_EQ(q.ecrireEnregistrerMessages(false), refus + interdit2);
  EXPECT_TRUE(q.pause == 1 && !q.fichierAJour());
  EXPECT_EQ(lire(dossier + "programme"), "x");
  EXPECT_EQ(Parametres(interdit, "").enregistrer(), refus + interdit);

  // A full disk: the file stays whole with nothing beside it, the new values
  // stay in use, and reach the file once there is room again.
  const std::string ancien = "[Automate]\r\nPause=2\r\nTailleMax=7\r\n[Partie]\r\nEnregistrerMessages=N\r\n";
  ecrire(ini, ancien);
  Parametres r(ini, "");
  r.pause = 0;
  r.tailleMaxParDefaut = 9;
  {
    test::DisquePlein plein(16);
    ASSERT_TRUE(plein.ok());
    EXPECT_EQ(r.enregistrer(), refus + ini);
    EXPECT_EQ(r.ecrireEnregistrerMessages(true), refus + ini);
  }
  EXPECT_FALSE(r.fichierAJour());
  EXPECT_EQ(lire(ini), ancien);
  EXPECT_EQ(test::noms(dossier), (std::set<std::string>{"Irvad.ini", "config", "programme"}));
  EXPECT_EQ(std::pair(r.intervalleMs(), r.enregistrerMessages()), std::pair(1, false));
  EXPECT_EQ(r.enregistrer(), "");
  EXPECT_EQ(Parametres(ini, "").tailleMaxParDefaut, 9);
}

TEST_F(ParametresFichier, UnFichierQuOnNePeutRemplacerResteTelQuelEtLesReglagesVontChezLUtilisateur) {
  const std::string ancien =
      "; r\xE9glages\r\n[Automate]\r\nPause=2\r\nTailleMax=7\r\n[Partie]\r\nEnregistrerMessages=N\r\n";
  // A read-only file beside the program, the superuser's included.
  ecrire(ini, ancien);
  std::filesystem::permissions(ini, std::filesystem::perms::owner_read | std::filesystem::perms::group_read);
  Parametres p(ini, utilisateur);
  EXPECT_EQ(std::pair(p.chemin(), p.pause), std::pair(utilisateur, 2));
  p.interruption = false;
  ASSERT_EQ(p.enregistrer(), "");
  EXPECT_EQ(lire(ini), ancien);
  // Read again: the user's values; a key the user's file lacks still from the program's.
  Parametres relu(ini, utilisateur);
  EXPECT_EQ(valeurs(relu), std::tuple(2, 7, false, true));
  EXPECT_FALSE(relu.enregistrerMessages());
  // A writable file in a folder that takes no new file is test_fichiers'.
}

TEST(ParametresEmplacement, LeFichierDeLUtilisateurSuitXdgConfigHomeOuHome) {
  // Each case runs in a child, whose environment the test may change freely.
  EXPECT_EQ(test::dansUnEnfant([] {
              ::setenv("XDG_CONFIG_HOME", "/tmp/cfg/", 1);
              if (Parametres::cheminUtilisateur() != "/tmp/cfg/Irvad/Irvad.ini") return 1;
              ::setenv("HOME", "/home/joueur", 1);
              ::setenv("XDG_CONFIG_HOME", "relatif", 1);  // not absolute: ignored
              if (Parametres::cheminUtilisateur() != "/home/joueur/.config/Irvad/Irvad.ini") return 2;
              ::unsetenv("XDG_CONFIG_HOME");
              return Parametres::cheminUtilisateur() == "/home/joueur/.config/Irvad/Irvad.ini" ? 0 : 3;
            }),
            0);
  const std::filesystem::path programme = Parametres::cheminProgramme();
  EXPECT_EQ(programme.filename(), "Irvad.ini");
  EXPECT_EQ(programme.parent_path(), std::filesystem::canonical("/proc/self/exe").parent_path());
}

}  // namespace
}  // namespace irvad
