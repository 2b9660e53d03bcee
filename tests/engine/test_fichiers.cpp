// The safe reader and writer every file of the program goes through: what a
// write keeps of the target, what it refuses, what a failure or a killed run
// leaves behind; which files a read refuses without waiting, and every reader
// of the program before a folder, a named pipe or a device in the place of
// its file.
#include <gtest/gtest.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>

#include "DicoEcriture.h"
#include "DicoTest.h"
#include "EcranEnregistreur.h"
#include "Fichiers.h"
#include "Jeu.h"
#include "Journal.h"
#include "Parametres.h"
#include "Processus.h"

namespace irvad {
namespace {

namespace fs = std::filesystem;
using fichiers::Ecriture;
using fichiers::Lecture;
using test::ecrire, test::lire, test::noms;

mode_t mode(const std::string& chemin) {
  struct stat s{};
  ::stat(chemin.c_str(), &s);
  return s.st_mode & 07777;
}

TEST(Fichiers, UnRemplacementPasseParLesLiensEtGardeModeEtProprietaire) {
  const std::string d = test::dossierTemporaire();
  // A new file gets the user's mask.
  const mode_t ancien = ::umask(027);
  ASSERT_EQ(fichiers::remplacer(d + "neuf", "abc"), Ecriture::reussie);
  ::umask(ancien);
  EXPECT_EQ(lire(d + "neuf"), "abc");
  EXPECT_EQ(mode(d + "neuf"), 0640u);

  // Through a relative link: the file it names is replaced, the link stays,
  // and so do the file's mode and owner.
  fs::create_directory(d + "vrai");
  ecrire(d + "vrai/partie.ivd", "ancien");
  ::chmod((d + "vrai/partie.ivd").c_str(), 0600);
  const bool root = ::geteuid() == 0;
  if (root) {
    ASSERT_EQ(::chown((d + "vrai/partie.ivd").c_str(), 65534, 65534), 0);
  }
  fs::create_symlink("vrai/partie.ivd", d + "lien.ivd");
  ASSERT_EQ(fichiers::remplacer(d + "lien.ivd", "nouveau"), Ecriture::reussie);
  EXPECT_TRUE(fs::is_symlink(d + "lien.ivd"));
  EXPECT_EQ(lire(d + "vrai/partie.ivd"), "nouveau");
  EXPECT_EQ(mode(d + "vrai/partie.ivd"), 0600u);
  struct stat s{};
  ::stat((d + "vrai/partie.ivd").c_str(), &s);
  if (root) {
    EXPECT_EQ(s.st_uid, 65534u);
  }
  EXPECT_EQ(noms(d + "vrai"), std::set<std::string>{"partie.ivd"});

  // A name as long as a folder entry may be still has room for its temporary file.
  const std::string long_ = d + std::string(251, 'p') + ".ivd";
  ASSERT_EQ(fichiers::remplacer(long_, "long"), Ecriture::reussie);
  EXPECT_EQ(lire(long_), "long");
}

TEST(Fichiers, UneCibleRefuseeOuUneEcritureQuiEchoueGardeLAncienFichierEtNeLaisseRien) {
  const std::string d = test::dossierTemporaire();
  ecrire(d + "protege", "garde");
  ::chmod((d + "protege").c_str(), 0444);  // read-only for everyone, the superuser included
  fs::create_directory(d + "dossier");
  ASSERT_EQ(::mkfifo((d + "tube").c_str(), 0600), 0);
  const fichiers::Ecrivain moitie = [](int fd, std::string_view o) {
    (void)!::write(fd, o.data(), o.size() / 2);
    return false;
  };
  EXPECT_EQ(fichiers::remplacer(d + "protege", "perdu"), Ecriture::lectureSeule);
  EXPECT_EQ(fichiers::remplacer(d + "dossier", "x"), Ecriture::pasUnFichier);
  EXPECT_EQ(fichiers::remplacer(d + "tube", "x"), Ecriture::pasUnFichier);
  EXPECT_EQ(fichiers::remplacer(d + "absent/x", "x"), Ecriture::temporaire);
  EXPECT_EQ(fichiers::remplacer("", "x"), Ecriture::temporaire);
  ::chmod((d + "protege").c_str(), 0644);
  EXPECT_EQ(fichiers::remplacer(d + "protege", "perdu", moitie), Ecriture::ecriture);
  // Beyond the size limit of the process (ulimit -f), the write fails as on a
  // full disk instead of the signal killing the program.
  const int statut = test::dansUnEnfant([&] {
    std::signal(SIGXFSZ, SIG_DFL);
    rlimit r{1000, RLIM_INFINITY};
    if (::setrlimit(RLIMIT_FSIZE, &r) != 0) return 3;
    return static_cast<int>(fichiers::remplacer(d + "protege", std::string(5000, 'x')));
  });
  EXPECT_EQ(statut, static_cast<int>(Ecriture::ecriture));
  EXPECT_EQ(lire(d + "protege"), "garde");
  EXPECT_EQ(noms(d), (std::set<std::string>{"dossier", "protege", "tube"}));

  // A user who may write the file but not its folder: no temporary file can
  // be made, and the file stays whole; the settings go to the user's own
  // file. A file of someone else is read-only. The superuser acts as
  // "nobody", to whom the folder is not writable; any other user makes it
  // read-only for himself.
  const std::string programme = d + "programme/", chezLui = d + "nobody/Irvad.ini";
  fs::create_directory(programme);
  fs::create_directory(d + "nobody");
  ::chmod((d + "nobody").c_str(), 0777);
  ecrire(programme + "Irvad.ini", "[Automate]\r\n");
  ::chmod((programme + "Irvad.ini").c_str(), 0666);
  ecrire(programme + "autre", "autre");
  ::chmod((programme + "autre").c_str(), 0644);
  const bool root = ::geteuid() == 0;
  if (!root) ::chmod(programme.c_str(), 0555);
  const int enfant = test::dansUnEnfant(
      [&] {
        if (fichiers::remplacer(programme + "Irvad.ini", "x") != Ecriture::temporaire) return 1;
        if (root && fichiers::remplacer(programme + "autre", "x") != Ecriture::lectureSeule) return 2;
        Parametres p(programme + "Irvad.ini", chezLui);
        p.pause = 4;
        if (p.chemin() != chezLui || !p.enregistrer().empty()) return 3;
        return Parametres(programme + "Irvad.ini", chezLui).pause == 4 ? 0 : 4;
      },
      true);
  ::chmod(programme.c_str(), 0755);
  EXPECT_EQ(enfant, 0);
  EXPECT_EQ(lire(programme + "Irvad.ini"), "[Automate]\r\n");
  EXPECT_EQ(lire(programme + "autre"), "autre");
}

TEST(Fichiers, LesTemporairesDUnProgrammeTueSontRetiresPasCeuxDUnEcrivainVivant) {
  const std::string d = test::dossierTemporaire();
  const std::string cible = d + "partie.ivd";
  ecrire(cible, "ancien");
  // A run killed in the middle of its write leaves its temporary file.
  const int statut = test::dansUnEnfant([&] {
    return static_cast<int>(fichiers::remplacer(cible, "nouveau", [](int fd, std::string_view o) {
      (void)!::write(fd, o.data(), 3);
      ::raise(SIGKILL);
      return true;
    }));
  });
  ASSERT_EQ(statut, 128 + SIGKILL);
  EXPECT_EQ(lire(cible), "ancien");
  const std::string prefixe = fichiers::prefixeTemporaire(cible);
  const std::string nomPrefixe = fs::path(prefixe).filename().string();
  int restes = 0;
  for (const std::string& n : noms(d)) restes += n.rfind(nomPrefixe, 0) == 0;
  ASSERT_EQ(restes, 1);

  // Another run is writing the same file right now: its file is locked.
  ecrire(prefixe + "Vivant", "en cours");
  const int vivant = ::open((prefixe + "Vivant").c_str(), O_RDONLY);
  ASSERT_EQ(::flock(vivant, LOCK_EX), 0);
  // Names of the user's that only look alike.
  ecrire(prefixe + "court", "x");
  ecrire(d + "partie.ivd.bak", "x");

  ASSERT_EQ(fichiers::remplacer(cible, "nouveau"), Ecriture::reussie);
  ::close(vivant);
  EXPECT_EQ(lire(cible), "nouveau");
  EXPECT_EQ(noms(d), (std::set<std::string>{"partie.ivd", "partie.ivd.bak", nomPrefixe + "Vivant",
                                            nomPrefixe + "court"}));
}

TEST(Fichiers, SeulsLesFichiersOrdinairesSeLisentEtAucunLecteurNAttendNiNeSArrete) {
  const std::string d = test::dossierTemporaire();
  ecrire(d + "octets", std::string("a\0b\r\n", 5));
  fs::create_directory(d + "dossier");
  ASSERT_EQ(::mkfifo((d + "tube").c_str(), 0600), 0);
  fs::create_directories(d + "config/Irvad/Irvad.ini");
  ecrire(d + "grand", "");
  fs::resize_file(d + "grand", 4096);
  ecrire(d + "secret", "x");
  ::chmod((d + "secret").c_str(), 0600);
  // In a child with an alarm: a reader that waits fails the test instead of
  // holding it, one that aborts shows as a signal.
  const int statut = test::dansUnEnfant([&] {
    ::alarm(20);
    std::string t;
    if (fichiers::lire(d + "octets", t, 5) != Lecture::reussie || t != std::string("a\0b\r\n", 5)) return 1;
    if (fichiers::lire(d + "absent", t, 5) != Lecture::absent || !t.empty()) return 2;
    if (fichiers::lire(d + "octets/x", t, 5) != Lecture::absent) return 3;
    if (fichiers::lire(d + "grand", t, 4095) != Lecture::tropGrand || !t.empty()) return 4;
    if (fichiers::lire(d + "grand", t, 4096) != Lecture::reussie || t.size() != 4096) return 5;
    for (const std::string& chemin : {d + "tube", d + "dossier", std::string("/dev/zero")}) {
      if (fichiers::lire(chemin, t, 5) != Lecture::pasUnFichier) return 10;
      test::EcranEnregistreur ecran;
      ecran.enregistrerAppels = false;
      Jeu jeu(ecran);
      if (jeu.chargerPartie(chemin)) return 11;
      if (ecran.statut != "Impossible de lire le fichier source " + chemin + ".") return 16;
      if (jeu.dico.charger(chemin, &ecran) != Dico::Resultat::ErreurLecture) return 12;
      if (journal::lire(chemin).erreur != journal::Erreur::lecture) return 13;
      ListeMots listes;
      std::string erreur;
      if (lireDico(chemin, listes, erreur) || erreur != chemin + " n'est pas un fichier") return 14;
      // The settings, beside the program or in the user's folder, read as their defaults.
      for (const auto& [programme, utilisateur] :
           {std::pair{chemin, d + "config/Irvad/Irvad.ini"}, std::pair{d + "config/Irvad/Irvad.ini", chemin}}) {
        Parametres p(programme, utilisateur);
        if (p.pause != 3 || p.tailleMaxParDefaut != 5 || !p.interruption || !p.enregistrerMessages()) return 15;
      }
    }
    return 0;
  });
  EXPECT_EQ(statut, 0);
  // Someone else's file that may not be read.
  const int secret = test::dansUnEnfant(
      [&] {
        std::string t;
        return fichiers::lire(d + "secret", t, 5) == Lecture::ouverture ? 0 : 1;
      },
      true);
  if (::geteuid() == 0) {
    EXPECT_EQ(secret, 0);
  }
}

}  // namespace
}  // namespace irvad
