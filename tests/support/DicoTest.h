#pragma once
// Small word lists for the tests: the given words plus vowel-less filler up to
// the fixed block sizes, written to a temporary file. And the files of a
// test: a folder of its own, bytes read and written.
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "Dico.h"

namespace irvad::test {

// Writes the list to a file of the test's temporary folder and returns its path.
std::string fichierDico(const std::vector<std::string>& mots);

// A folder of its own for the current test, emptied first; its path ends in '/'.
std::string dossierTemporaire();

// A file's bytes (empty when it cannot be read); a file written whole; the
// names in a folder.
std::string lire(const std::string& chemin);
void ecrire(const std::string& chemin, const std::string& octets);
std::set<std::string> noms(const std::string& dossier);

// In a test of the real word list: skipped when the build made none, failed
// when it made one that is missing.
#define IRVAD_EXIGER_LISTE()                                                       \
  if (!std::filesystem::exists(IRVAD_LISTE)) {                                     \
    if (IRVAD_LISTE_CONSTRUITE) FAIL() << "liste de mots absente : " << IRVAD_LISTE; \
    GTEST_SKIP() << "liste de mots non construite (IRVAD_DICO=OFF)";               \
  }

}  // namespace irvad::test
