// The log file: how a text splits into lines, the exact bytes written, and
// the files that must be refused or survive a failed write.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "Journal.h"

namespace irvad {
namespace {

namespace fs = std::filesystem;
using Lignes = std::vector<std::string>;

std::string lireOctets(const fs::path& chemin) {
  std::ifstream f(chemin, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(f), {});
}

void ecrireOctets(const fs::path& chemin, const std::string& octets) {
  std::ofstream f(chemin, std::ios::binary | std::ios::trunc);
  f << octets;
}

// A fresh folder of its own for each test.
class Journal : public ::testing::Test {
 protected:
  fs::path dossier;
  void SetUp() override {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    dossier = fs::temp_directory_path() / ("irvad-journal-" + std::to_string(::getpid()) + "-" + info->name());
    fs::remove_all(dossier);
    fs::create_directories(dossier);
  }
  void TearDown() override {
    std::error_code e;
    fs::permissions(dossier, fs::perms::owner_all, fs::perm_options::add, e);
    fs::remove_all(dossier, e);
  }
  // The names in the folder, to see that no temporary file is left behind.
  std::vector<std::string> contenuDossier() const {
    std::vector<std::string> noms;
    for (const auto& e : fs::directory_iterator(dossier)) noms.push_back(e.path().filename().string());
    std::sort(noms.begin(), noms.end());
    return noms;
  }
};

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

TEST(JournalDecoupage, AnyBytesGiveLinesWithoutLineEndsAndNothingLost) {
  std::mt19937 alea(20261207);
  const char frequents[] = {'\r', '\n', 'A', '\0', '\xE9', '\xB7'};
  for (int essai = 0; essai < 500; ++essai) {
    std::string texte(alea() % 300, ' ');
    for (char& c : texte)
      c = alea() % 2 ? frequents[alea() % sizeof frequents] : static_cast<char>(alea() % 256);
    const Lignes lignes = journal::decouper(texte);

    std::string sansFins, joint;
    std::size_t fins = 0;
    for (std::size_t i = 0; i < texte.size(); ++i) {
      if (texte[i] != '\r' && texte[i] != '\n') {
        sansFins += texte[i];
      } else if (!(texte[i] == '\n' && i > 0 && texte[i - 1] == '\r')) {
        ++fins;
      }
    }
    const bool derniereOuverte = !texte.empty() && texte.back() != '\r' && texte.back() != '\n';
    ASSERT_EQ(lignes.size(), fins + (derniereOuverte ? 1 : 0)) << testing::PrintToString(texte);
    for (const auto& l : lignes) {
      ASSERT_EQ(l.find_first_of("\r\n"), std::string::npos);
      joint += l;
    }
    ASSERT_EQ(joint, sansFins);
    // Written and split again, the lines come back unchanged.
    ASSERT_EQ(journal::decouper(journal::assembler(lignes)), lignes);
  }
}

TEST_F(Journal, RoundTripIsByteExactInWindows1252WithCrLf) {
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
  const fs::path fichier = dossier / "partie.ivd.txt";
  ASSERT_EQ(journal::ecrire(fichier.string(), lignes), journal::Erreur::aucune);

  std::string attendu;
  for (const auto& l : lignes) attendu += l + "\r\n";
  EXPECT_EQ(lireOctets(fichier), attendu);

  const journal::Lecture relu = journal::lire(fichier.string());
  EXPECT_TRUE(relu.reussie());
  EXPECT_TRUE(relu.existe);
  EXPECT_EQ(relu.lignes, lignes);

  // An empty log writes an empty file, which reads back as no line.
  ASSERT_EQ(journal::ecrire(fichier.string(), {}), journal::Erreur::aucune);
  EXPECT_EQ(lireOctets(fichier), "");
  const journal::Lecture vide = journal::lire(fichier.string());
  EXPECT_TRUE(vide.reussie());
  EXPECT_TRUE(vide.existe);
  EXPECT_TRUE(vide.lignes.empty());
  EXPECT_EQ(contenuDossier(), std::vector<std::string>{"partie.ivd.txt"});
}

TEST_F(Journal, MissingFileIsNoFailureButUnreadableOnesAre) {
  const journal::Lecture absent = journal::lire((dossier / "absent.txt").string());
  EXPECT_TRUE(absent.reussie());
  EXPECT_FALSE(absent.existe);
  EXPECT_TRUE(absent.lignes.empty());

  const journal::Lecture sousUnFichier = journal::lire((dossier / "absent.txt" / "x.txt").string());
  EXPECT_TRUE(sousUnFichier.reussie());
  EXPECT_FALSE(sousUnFichier.existe);

  fs::create_directory(dossier / "un dossier.txt");
  const journal::Lecture repertoire = journal::lire((dossier / "un dossier.txt").string());
  EXPECT_EQ(repertoire.erreur, journal::Erreur::lecture);
  EXPECT_TRUE(repertoire.lignes.empty());

  // A named pipe nobody writes into is refused at once instead of waiting.
  const fs::path tube = dossier / "tube.txt";
  ASSERT_EQ(::mkfifo(tube.c_str(), 0600), 0);
  EXPECT_EQ(journal::lire(tube.string()).erreur, journal::Erreur::lecture);

  // Too large: refused without being read into memory.
  const fs::path enorme = dossier / "enorme.txt";
  ecrireOctets(enorme, "A\r\n");
  fs::resize_file(enorme, journal::tailleMax + 1);
  const journal::Lecture grand = journal::lire(enorme.string());
  EXPECT_EQ(grand.erreur, journal::Erreur::tropGrand);
  EXPECT_TRUE(grand.lignes.empty());
  // Cut down to a small size, the same file reads: a line and the NUL bytes of its tail.
  fs::resize_file(enorme, 1024);
  const journal::Lecture petit = journal::lire(enorme.string());
  EXPECT_TRUE(petit.reussie());
  ASSERT_EQ(petit.lignes.size(), 2u);
  EXPECT_EQ(petit.lignes[0], "A");
  EXPECT_EQ(petit.lignes[1], std::string(1021, '\0'));
}

TEST_F(Journal, EachFailedWriteKeepsTheOldFileAndSaysWhy) {
  const fs::path fichier = dossier / "partie.ivd.txt";
  ecrireOctets(fichier, "ancien\r\n");

  // The disk fills up halfway through.
  const fichiers::Ecrivain moitie = [](int fd, std::string_view octets) {
    (void)!::write(fd, octets.data(), octets.size() / 2);
    return false;
  };
  EXPECT_EQ(journal::ecrire(fichier.string(), {"nouveau", "texte"}, moitie), journal::Erreur::ecriture);
  // A read-only log is not replaced, not even by the superuser.
  fs::permissions(fichier, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  EXPECT_EQ(journal::ecrire(fichier.string(), {"nouveau"}), journal::Erreur::remplacement);
  EXPECT_EQ(lireOctets(fichier), "ancien\r\n");

  // A folder in the target's place is never replaced; no folder to put it in.
  fs::create_directory(dossier / "dossier.txt");
  EXPECT_EQ(journal::ecrire((dossier / "dossier.txt").string(), {"A"}), journal::Erreur::remplacement);
  EXPECT_EQ(journal::ecrire((dossier / "absent" / "x.txt").string(), {"A"}), journal::Erreur::creation);
  EXPECT_EQ(contenuDossier(), (std::vector<std::string>{"dossier.txt", "partie.ivd.txt"}));

  EXPECT_EQ(journal::texteErreur(journal::Erreur::creation, "/tmp/\xC3\xA9t\xC3\xA9.txt"),
            "Impossible de cr\xE9" "er le fichier /tmp/\xE9t\xE9.txt");
  EXPECT_EQ(journal::texteErreur(journal::Erreur::aucune, "x"), "");
}

}  // namespace
}  // namespace irvad
