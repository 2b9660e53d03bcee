// Any bytes as the word list file, then lookups. The first byte chooses the
// file: even, the bytes alone (cut short, so a read error); odd, the bytes
// followed by the rest of a sound list, so that a complete file with damaged
// blocks loads. Whatever the letters, no lookup reads outside its block; in a
// block that is in order every word is found; the loading dialog shows the
// failure or closes; the letters of a block cut short end in zeros.
#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "Commun.h"
#include "Dico.h"
#include "Ecran.h"
#include "Textes.h"

namespace {

using namespace irvad;

class EcranEssai : public EcranNul {
 public:
  int progressions = 0;
  bool ferme = false;
  std::string statut;
  void dicoProgression(int32_t) override { ++progressions; }
  void dicoStatut(const std::string& t) override { statut = t; }
  void dicoFermer() override { ferme = true; }
};

const std::string& listeSaine() {
  static const std::string octets = [] {
    (void)fuzz::petiteListe();
    return fuzz::lireFichier(fuzz::dossier() + "L23456789");
  }();
  return octets;
}

constexpr std::array<std::size_t, 9> limites = {0, 100, 1220, 7404, 31352, 96936, 235122, 470370, 798090};

bool enOrdre(const Dico& d, int L) {
  for (int32_t k = 1; k < d.nombreMots(L); ++k)
    if (std::memcmp(d.mot(L, k - 1), d.mot(L, k), static_cast<std::size_t>(L)) > 0) return false;
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* octets, std::size_t taille) {
  if (taille == 0 || taille > limites[8]) return 0;
  const bool complet = octets[0] % 2 == 1;
  std::string fichier(fuzz::texte(octets + 1, taille - 1));
  if (complet && fichier.size() < listeSaine().size()) fichier += listeSaine().substr(fichier.size());
  const std::string chemin = fuzz::fichier("liste", fichier);

  EcranEssai ecran;
  Dico dico;
  const Dico::Resultat r = dico.charger(chemin, &ecran);
  const std::size_t blocsLus =
      static_cast<std::size_t>(std::upper_bound(limites.begin(), limites.end(), fichier.size()) - limites.begin()) - 1;
  if (fichier.size() >= limites[8]) {
    fuzz::verifier(r == Dico::Resultat::Ok && ecran.ferme && ecran.statut.empty(), "liste complete refusee");
  } else {
    fuzz::verifier(r == Dico::Resultat::ErreurLecture, "liste coupee acceptee");
    fuzz::verifier(ecran.statut == textes::dicoErreurLecture && !ecran.ferme, "message de la liste coupee");
    // The letters after the last whole value read stay zero.
    const std::size_t valeurs = (fichier.size() - limites[blocsLus]) / 2;
    const std::size_t fin = static_cast<std::size_t>(dico.debuts[blocsLus]) + 3 * valeurs;
    for (std::size_t i = std::min<std::size_t>(fin, Dico::totalLettres); i < dico.texte.size(); ++i)
      if (dico.texte[i] != 0) fuzz::echec("lettre au-dela de la lecture");
  }
  fuzz::verifier(ecran.progressions == static_cast<int>(std::min<std::size_t>(blocsLus, 8)), "pas de la jauge");

  // Words made of the input's bytes, of every length, zeros and all.
  char mot[10] = {};
  std::memcpy(mot, octets, std::min<std::size_t>(taille, 9));
  for (int L = 0; L <= 10; ++L) (void)dico.contient(mot, L);
  (void)dico.contient(nullptr, 5);

  // In a block in order, every word is found. The blocks the input reaches are
  // checked word by word, the others at both ends.
  for (int L = 2; L <= 9; ++L) {
    if (!enOrdre(dico, L)) continue;
    const int32_t n = dico.nombreMots(L);
    const bool touche = static_cast<std::size_t>(dico.debut(L)) * 2 / 3 < taille;
    for (int32_t k = 0; k < n; k += (touche || k == n - 1) ? 1 : std::max(1, n - 1 - k)) {
      std::string m(dico.mot(L, k), static_cast<std::size_t>(L));
      if (m.find('\0') != std::string::npos) continue;  // a zero ends the comparison early
      if (!dico.contient(m.c_str(), L))
        fuzz::echec("mot " + std::to_string(k) + " de " + std::to_string(L) + " lettres introuvable dans un bloc en ordre");
    }
  }
  return 0;
}
