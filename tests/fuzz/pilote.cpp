// Replays inputs through a fuzz target's entry function, for the builds
// without libFuzzer: every file named, and every file of every folder named,
// in name order. A broken rule aborts, which fails the test. The inputs named
// after "--refuser" must be refused by the target (fuzz::refusAttendu).
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include "Commun.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* octets, std::size_t taille);

int main(int argc, char** argv) {
  namespace fs = std::filesystem;
  std::vector<std::pair<fs::path, bool>> fichiers;
  bool refuser = false;
  for (int i = 1; i < argc; ++i) {
    const fs::path p(argv[i]);
    if (p == "--refuser") {
      refuser = true;
    } else if (fs::is_directory(p)) {
      for (const auto& e : fs::directory_iterator(p))
        if (e.is_regular_file()) fichiers.emplace_back(e.path(), refuser);
    } else if (fs::is_regular_file(p)) {
      fichiers.emplace_back(p, refuser);
    } else {
      std::fprintf(stderr, "introuvable : %s\n", argv[i]);
      return 2;
    }
  }
  std::sort(fichiers.begin(), fichiers.end());
  if (fichiers.empty()) {
    std::fprintf(stderr, "aucune entree\n");
    return 2;
  }
  for (const auto& [f, refus] : fichiers) {
    std::ifstream entree(f, std::ios::binary);
    const std::vector<uint8_t> octets((std::istreambuf_iterator<char>(entree)), {});
    std::printf("%s (%zu octets)\n", f.string().c_str(), octets.size());
    std::fflush(stdout);
    irvad::fuzz::refusAttendu = refus;
    LLVMFuzzerTestOneInput(octets.data(), octets.size());
  }
  std::printf("%zu entrees rejouees\n", fichiers.size());
  return 0;
}
