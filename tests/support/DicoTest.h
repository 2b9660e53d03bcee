#pragma once
// Small word lists for the tests: the given words plus vowel-less filler up to
// the fixed block sizes, written to a temporary file and loaded.
#include <string>
#include <vector>

#include "Dico.h"

namespace irvad::test {

// Writes the list to a file of the test's temporary folder and returns its path.
std::string fichierDico(const std::vector<std::string>& mots);

// Loads a list holding `mots` into `dico`; fails the current test on error.
void chargerMots(Dico& dico, const std::vector<std::string>& mots);

// A folder of its own for the current test, emptied first.
std::string dossierTemporaire();

}  // namespace irvad::test
