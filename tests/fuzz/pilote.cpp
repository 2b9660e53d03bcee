// Replays inputs through a fuzz target's entry function, for the builds
// without libFuzzer: every file named, and every file of every folder named,
// in name order. A broken rule aborts, which fails the test.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* octets, std::size_t taille);

int main(int argc, char** argv) {
  namespace fs = std::filesystem;
  std::vector<fs::path> fichiers;
  for (int i = 1; i < argc; ++i) {
    const fs::path p(argv[i]);
    if (fs::is_directory(p)) {
      for (const auto& e : fs::directory_iterator(p))
        if (e.is_regular_file()) fichiers.push_back(e.path());
    } else if (fs::is_regular_file(p)) {
      fichiers.push_back(p);
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
  for (const auto& f : fichiers) {
    std::ifstream entree(f, std::ios::binary);
    const std::vector<uint8_t> octets((std::istreambuf_iterator<char>(entree)), {});
    std::printf("%s (%zu octets)\n", f.string().c_str(), octets.size());
    std::fflush(stdout);
    LLVMFuzzerTestOneInput(octets.data(), octets.size());
  }
  std::printf("%zu entrees rejouees\n", fichiers.size());
  return 0;
}
