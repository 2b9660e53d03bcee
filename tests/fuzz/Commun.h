#pragma once
// What the fuzz targets share: a folder of their own for the files they write,
// a small word list, and a check that stops the run with a message, so that a
// broken rule counts as a crash for libFuzzer and as a failure for the driver
// that replays the inputs in the normal tests.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

#include "DicoEcriture.h"
#include "Dico.h"

namespace irvad::fuzz {

[[noreturn]] inline void echec(const std::string& quoi) {
  std::fprintf(stderr, "ECHEC : %s\n", quoi.c_str());
  std::fflush(stderr);
  std::abort();
}

inline void verifier(bool condition, const std::string& quoi) {
  if (!condition) echec(quoi);
}

// Set by the replay driver for the inputs of a target that must be refused.
inline bool refusAttendu = false;

// A folder made once per process and removed at its end: the targets only
// ever write a few files in it, always under the same names. In memory when
// the system offers it, since the settings writer syncs every file.
inline const std::string& dossier() {
  struct Dossier {
    std::string chemin;
    Dossier() {
      std::error_code e;
      const std::filesystem::path base =
          std::filesystem::is_directory("/dev/shm", e) ? "/dev/shm" : std::filesystem::temp_directory_path();
      std::string modele = (base / "irvad-fuzz-XXXXXX").string();
      if (::mkdtemp(modele.data()) == nullptr) echec("dossier temporaire impossible");
      chemin = modele + "/";
    }
    ~Dossier() {
      std::error_code e;
      std::filesystem::remove_all(chemin, e);
    }
  };
  static const Dossier d;
  return d.chemin;
}

// The input's bytes as text; written whole to the file `nom` of the folder, whose path it returns.
inline std::string_view texte(const uint8_t* octets, std::size_t taille) {
  return {reinterpret_cast<const char*>(octets), taille};
}
inline std::string fichier(const std::string& nom, std::string_view octets) {
  const std::string chemin = dossier() + nom;
  std::ofstream f(chemin, std::ios::binary | std::ios::trunc);
  f.write(octets.data(), static_cast<std::streamsize>(octets.size()));
  f.close();
  verifier(static_cast<bool>(f), "ecriture de " + chemin);
  return chemin;
}

inline std::string lireFichier(const std::string& chemin) {
  std::ifstream f(chemin, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(f), {});
}

// A list where these words, and consonant-only filler, are the only words.
inline const Dico& petiteListe() {
  static const Dico dico = [] {
    const std::vector<std::string> mots = {"EU",    "AI",     "OU",     "LA",     "LE",    "RUE",  "SEL",
                                           "ELU",   "AMI",    "MER",    "TAS",    "RASE",  "MARE", "SOLE",
                                           "SALE",  "TOILE",  "ARMES",  "RESTE",  "AIMER", "SALON",
                                           "MAISON", "ETOILES", "ORANGES", "TARTINES"};
    ListeMots listes;
    std::string erreur;
    verifier(remplirListes(mots, listes, erreur), erreur);
    const std::string chemin = dossier() + "L23456789";
    verifier(ecrireDico(listes, chemin, erreur), erreur);
    Dico d;
    verifier(d.charger(chemin, nullptr) == Dico::Resultat::Ok, "chargement de la petite liste");
    return d;
  }();
  return dico;
}

}  // namespace irvad::fuzz
