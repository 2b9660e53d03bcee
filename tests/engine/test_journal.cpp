// The log file: the files that must be refused or survive a failed write.
// How any bytes split into lines, are written back and read again is
// fuzz_journal's; a folder or a pipe read, test_fichiers'.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

#include "DicoTest.h"
#include "Journal.h"

namespace irvad {
namespace {

namespace fs = std::filesystem;
using Lignes = std::vector<std::string>;
using test::lire, test::noms;

// The bytes written, kept and read back, empty logs included, are fuzz_journal's.
TEST(Journal, UnFichierAbsentNEstPasUneErreurEtUnTropGrandNEstPasLu) {
  const std::string dossier = test::dossierTemporaire(), fichier = dossier + "partie.ivd.txt";
  journal::Lecture relu;
  for (const std::string& absent : {dossier + "absent.txt", dossier + "absent.txt/x.txt"}) {
    relu = journal::lire(absent);
    EXPECT_TRUE(relu.reussie() && !relu.existe && relu.lignes.empty()) << absent;
  }

  // Too large: refused without being read into memory. Cut down to a small
  // size, the same file reads: a line and the NUL bytes of its tail.
  test::ecrire(fichier, "A\r\n");
  fs::resize_file(fichier, journal::tailleMax + 1);
  relu = journal::lire(fichier);
  EXPECT_TRUE(relu.erreur == journal::Erreur::tropGrand && relu.lignes.empty());
  fs::resize_file(fichier, 1024);
  relu = journal::lire(fichier);
  EXPECT_TRUE(relu.reussie());
  EXPECT_EQ(relu.lignes, (Lignes{"A", std::string(1021, '\0')}));
}

TEST(Journal, UneEcritureQuiEchoueGardeLAncienFichierEtDitPourquoi) {
  const std::string dossier = test::dossierTemporaire(), fichier = dossier + "partie.ivd.txt";
  test::ecrire(fichier, "ancien\r\n");
  // The disk fills up halfway through.
  const fichiers::Ecrivain moitie = [](int fd, std::string_view octets) {
    (void)!::write(fd, octets.data(), octets.size() / 2);
    return false;
  };
  EXPECT_EQ(journal::ecrire(fichier, {"nouveau", "texte"}, moitie), journal::Erreur::ecriture);
  // A read-only log or a folder is not replaced, not even by the superuser;
  // a missing folder takes no file.
  fs::permissions(fichier, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  EXPECT_EQ(journal::ecrire(fichier, {"nouveau"}), journal::Erreur::remplacement);
  fs::create_directory(dossier + "dossier.txt");
  EXPECT_EQ(journal::ecrire(dossier + "dossier.txt", {"A"}), journal::Erreur::remplacement);
  EXPECT_EQ(journal::ecrire(dossier + "absent/x.txt", {"A"}), journal::Erreur::creation);
  EXPECT_EQ(lire(fichier), "ancien\r\n");
  EXPECT_EQ(noms(dossier), (std::set<std::string>{"dossier.txt", "partie.ivd.txt"}));

  EXPECT_EQ(journal::texteErreur(journal::Erreur::creation, "/tmp/\xC3\xA9t\xC3\xA9.txt"),
            "Impossible de cr\xE9" "er le fichier /tmp/\xE9t\xE9.txt");
  EXPECT_EQ(journal::texteErreur(journal::Erreur::aucune, "x"), "");
}

TEST(Journal, OldUnlockedTemporaryFilesOfEarlierVersionsGoAtTheNextWrite) {
  const std::string dossier = test::dossierTemporaire();
  for (const char* nom : {".journal.ab12CD", ".journal.recent", ".journal.trop_long", "journal.Zz9zz9"})
    test::ecrire(dossier + nom, "x");
  const auto vieux = fs::file_time_type::clock::now() - std::chrono::hours(1);
  for (const char* nom : {".journal.ab12CD", ".journal.trop_long", "journal.Zz9zz9"})
    fs::last_write_time(dossier + nom, vieux);
  ASSERT_EQ(journal::ecrire(dossier + "p.txt", {"A"}), journal::Erreur::aucune);
  // Gone: the old one of the six-character pattern; a recent one may still be written.
  EXPECT_EQ(noms(dossier), (std::set<std::string>{".journal.recent", ".journal.trop_long", "journal.Zz9zz9", "p.txt"}));
}

}  // namespace
}  // namespace irvad
