// Any bytes as a log file. The file read gives the lines the text splits
// into, and writing them back and reading again gives the same lines; the
// written file is the lines, each followed by CR LF, every other byte kept as
// it was (the log is Windows-1252, never converted).
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "Commun.h"
#include "Journal.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* octets, std::size_t taille) {
  using namespace irvad;
  if (taille > 65536) return 0;
  const std::string_view texte = fuzz::texte(octets, taille);
  const std::string chemin = fuzz::fichier("partie.ivd.txt", texte);

  // The lines, split the plain way: CR LF ends one line, a lone CR or LF one
  // each, and an unended last line counts.
  std::vector<std::string> attendues;
  std::string ligne;
  for (std::size_t i = 0; i < taille; ++i) {
    if (texte[i] != '\r' && texte[i] != '\n') {
      ligne += texte[i];
      continue;
    }
    if (texte[i] == '\r' && i + 1 < taille && texte[i + 1] == '\n') ++i;
    attendues.push_back(std::exchange(ligne, {}));
  }
  if (!ligne.empty()) attendues.push_back(ligne);
  const journal::Lecture lu = journal::lire(chemin);
  fuzz::verifier(lu.reussie() && lu.existe, "lecture refusee");
  fuzz::verifier(lu.lignes == attendues && journal::decouper(texte) == attendues, "lignes lues");

  const std::string copie = fuzz::dossier() + "copie.txt";
  fuzz::verifier(journal::ecrire(copie, lu.lignes) == journal::Erreur::aucune, "ecriture refusee");
  std::string attendu;
  for (const std::string& l : lu.lignes) attendu += l + "\r\n";
  fuzz::verifier(fuzz::lireFichier(copie) == attendu, "fichier ecrit different");
  const journal::Lecture relu = journal::lire(copie);
  fuzz::verifier(relu.reussie() && relu.lignes == lu.lignes, "lignes relues differentes");
  return 0;
}
