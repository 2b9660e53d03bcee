#include "DicoTest.h"

#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <unistd.h>

#include "DicoEcriture.h"

namespace irvad::test {

std::string dossierTemporaire() {
  const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
  std::string nom = info ? std::string(info->test_suite_name()) + "." + info->name() : "hors-test";
  for (char& c : nom)
    if (c == '/') c = '_';
  const auto dossier = std::filesystem::temp_directory_path() /
                       ("irvad-test-" + std::to_string(::getpid())) / nom;
  std::filesystem::remove_all(dossier);
  std::filesystem::create_directories(dossier);
  return dossier.string() + "/";
}

std::string fichierDico(const std::vector<std::string>& mots) {
  static std::atomic<int> compteur{0};
  ListeMots listes;
  std::string erreur;
  EXPECT_TRUE(remplirListes(mots, listes, erreur)) << erreur;
  const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
  const std::string nom = info ? std::string(info->test_suite_name()) + "-" + info->name() : "liste";
  auto dossier = std::filesystem::temp_directory_path() / ("irvad-dico-" + std::to_string(::getpid()));
  std::filesystem::create_directories(dossier);
  std::string chemin = (dossier / (nom + "-" + std::to_string(compteur++))).string();
  EXPECT_TRUE(ecrireDico(listes, chemin, erreur)) << erreur;
  return chemin;
}

std::string lire(const std::string& chemin) {
  std::ifstream f(chemin, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(f), {});
}

void ecrire(const std::string& chemin, const std::string& octets) {
  std::ofstream(chemin, std::ios::binary | std::ios::trunc) << octets;
}

std::set<std::string> noms(const std::string& dossier) {
  std::set<std::string> n;
  for (const auto& e : std::filesystem::directory_iterator(dossier)) n.insert(e.path().filename().string());
  return n;
}

}  // namespace irvad::test
