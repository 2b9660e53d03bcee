// The log file: how a text splits into lines, the exact bytes written, and
// the files that must be refused or survive a failed write. Any bytes split
// and written back are fuzz_journal's; a folder or a pipe read, test_fichiers'.
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

TEST(JournalDecoupage, EveryLineEndAndTheUnterminatedLastLine) {
  struct Cas {
    std::string texte;
    Lignes lignes;
  };
  const std::vector<Cas> cas = {
      {"", {}},
      {"A", {"A"}},
      {"A\r\nB\r\n", {"A", "B"}},
      {"A\r\nB", {"A", "B"}},
      {"A\rB\nC", {"A", "B", "C"}},
      {"\r\n\r\n", {"", ""}},
      {"\n\r", {"", ""}},          // LF then a lone CR: two empty lines
      {"A\r\r\nB", {"A", "", "B"}},  // lone CR, then CR LF
      {"\r", {""}},
      {std::string("a\0b\r\n", 5), {std::string("a\0b", 3)}},
  };
  for (const auto& c : cas) EXPECT_EQ(journal::decouper(c.texte), c.lignes) << testing::PrintToString(c.texte);
}

TEST(Journal, RoundTripIsByteExactInWindows1252WithCrLf) {
  const std::string dossier = test::dossierTemporaire(), fichier = dossier + "partie.ivd.txt";
  const Lignes lignes = {
      "Tour n\xB0" "1",          // Tour n°1
      "BLEU: Joueur 1",
      "D\xE9pl.E (3,4)",         // Dépl.E (3,4)
      "     ->(4,4)",
      "",
      "Qualifi\xE9 Pts j. p.",   // Qualifié
      "Recherche d'un d\xE9placement (case+jeton) ||\xB7\xB7",
      std::string("\x81\x8D\x8F\x90\x9D\0end", 9),
  };
  ASSERT_EQ(journal::ecrire(fichier, lignes), journal::Erreur::aucune);

  std::string attendu;
  for (const auto& l : lignes) attendu += l + "\r\n";
  EXPECT_EQ(lire(fichier), attendu);

  const journal::Lecture relu = journal::lire(fichier);
  EXPECT_TRUE(relu.reussie() && relu.existe);
  EXPECT_EQ(relu.lignes, lignes);

  // An empty log writes an empty file, which reads back as no line.
  ASSERT_EQ(journal::ecrire(fichier, {}), journal::Erreur::aucune);
  EXPECT_EQ(lire(fichier), "");
  const journal::Lecture vide = journal::lire(fichier);
  EXPECT_TRUE(vide.reussie() && vide.existe && vide.lignes.empty());
  EXPECT_EQ(noms(dossier), std::set<std::string>{"partie.ivd.txt"});
}

TEST(Journal, MissingFileIsNoFailureButATooLargeOneIs) {
  const std::string dossier = test::dossierTemporaire();
  for (const std::string& absent : {dossier + "absent.txt", dossier + "absent.txt/x.txt"}) {
    const journal::Lecture l = journal::lire(absent);
    EXPECT_TRUE(l.reussie() && !l.existe && l.lignes.empty()) << absent;
  }
  // Too large: refused without being read into memory.
  const std::string enorme = dossier + "enorme.txt";
  test::ecrire(enorme, "A\r\n");
  fs::resize_file(enorme, journal::tailleMax + 1);
  const journal::Lecture grand = journal::lire(enorme);
  EXPECT_EQ(grand.erreur, journal::Erreur::tropGrand);
  EXPECT_TRUE(grand.lignes.empty());
  // Cut down to a small size, the same file reads: a line and the NUL bytes of its tail.
  fs::resize_file(enorme, 1024);
  const journal::Lecture petit = journal::lire(enorme);
  EXPECT_TRUE(petit.reussie());
  EXPECT_EQ(petit.lignes, (Lignes{"A", std::string(1021, '\0')}));
}

TEST(Journal, EachFailedWriteKeepsTheOldFileAndSaysWhy) {
  const std::string dossier = test::dossierTemporaire(), fichier = dossier + "partie.ivd.txt";
  test::ecrire(fichier, "ancien\r\n");

  // The disk fills up halfway through.
  const fichiers::Ecrivain moitie = [](int fd, std::string_view octets) {
    (void)!::write(fd, octets.data(), octets.size() / 2);
    return false;
  };
  EXPECT_EQ(journal::ecrire(fichier, {"nouveau", "texte"}, moitie), journal::Erreur::ecriture);
  // A read-only log is not replaced, not even by the superuser.
  fs::permissions(fichier, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  EXPECT_EQ(journal::ecrire(fichier, {"nouveau"}), journal::Erreur::remplacement);
  EXPECT_EQ(lire(fichier), "ancien\r\n");

  // A folder in the target's place is never replaced; no folder to put it in.
  fs::create_directory(dossier + "dossier.txt");
  EXPECT_EQ(journal::ecrire(dossier + "dossier.txt", {"A"}), journal::Erreur::remplacement);
  EXPECT_EQ(journal::ecrire(dossier + "absent/x.txt", {"A"}), journal::Erreur::creation);
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
