// Any bytes as a log file. Its lines hold no line end, the file read gives the
// lines the text splits into, and writing them back and reading again gives
// the same lines; the written file is the lines, each followed by CR LF, every
// other byte kept as it was (the log is Windows-1252, never converted).
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "Commun.h"
#include "Journal.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* octets, std::size_t taille) {
  using namespace irvad;
  if (taille > 65536) return 0;
  const std::string_view texte = fuzz::texte(octets, taille);
  const std::string chemin = fuzz::fichier("partie.ivd.txt", texte);

  const journal::Lecture lu = journal::lire(chemin);
  fuzz::verifier(lu.reussie() && lu.existe, "lecture refusee");
  fuzz::verifier(lu.lignes == journal::decouper(texte), "lignes lues differentes du decoupage");
  for (const std::string& l : lu.lignes)
    fuzz::verifier(l.find('\r') == std::string::npos && l.find('\n') == std::string::npos, "fin de ligne dans une ligne");
  // Without its line ends, the text is the lines one after the other; CR LF
  // ends one line, a lone CR or LF one each, and an unended last line counts.
  std::string sansFins;
  std::size_t fins = 0;
  for (std::size_t i = 0; i < taille; ++i) {
    if (texte[i] != '\r' && texte[i] != '\n') sansFins += texte[i];
    else fins += !(texte[i] == '\n' && i > 0 && texte[i - 1] == '\r');
  }
  const bool ouverte = taille > 0 && texte.back() != '\r' && texte.back() != '\n';
  fuzz::verifier(lu.lignes.size() == fins + (ouverte ? 1 : 0), "nombre de lignes");
  std::string jointes;
  for (const std::string& l : lu.lignes) jointes += l;
  fuzz::verifier(jointes == sansFins, "octets perdus ou ajoutes");

  const std::string copie = fuzz::dossier() + "copie.txt";
  fuzz::verifier(journal::ecrire(copie, lu.lignes) == journal::Erreur::aucune, "ecriture refusee");
  std::string attendu;
  for (const std::string& l : lu.lignes) attendu += l + "\r\n";
  fuzz::verifier(fuzz::lireFichier(copie) == attendu, "fichier ecrit different");
  const journal::Lecture relu = journal::lire(copie);
  fuzz::verifier(relu.reussie() && relu.lignes == lu.lignes, "lignes relues differentes");
  return 0;
}
