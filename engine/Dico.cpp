#include "Dico.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <system_error>

#include "Ecran.h"
#include "Fichiers.h"
#include "Textes.h"

namespace irvad {

Dico::Dico() : texte(totalLettres + 1), graphe_(GrapheMots::vide()) {
  debuts[0] = 0;
  for (int i = 1; i < 9; ++i) debuts[i] = debuts[i - 1] + tailles[i - 1];
}

Dico::Resultat Dico::charger(const std::string& chemin, Ecran* ecran) {
  std::fill(texte.begin(), texte.end(), 0);
  graphe_ = GrapheMots::vide();
  if (ecran) ecran->dicoOuvrir(totalLettres);
  // A folder, a device or a named pipe of that name is refused at once, as
  // a list that cannot be read.
  const fichiers::Ouverture fichier = fichiers::ouvrir(chemin);
  if (fichier.etat == fichiers::Lecture::absent || fichier.etat == fichiers::Lecture::ouverture) {
    if (ecran) ecran->dicoStatut(textes::dicoIntrouvable);
    return Resultat::Introuvable;
  }
  if (fichier.etat != fichiers::Lecture::reussie) {
    if (ecran) ecran->dicoStatut(textes::dicoErreurLecture);
    return Resultat::ErreurLecture;
  }
  // A value of three letters may end one word and start the next; the filler of
  // the last value of a block falls on the start of the next block, which
  // overwrites it. The extra room after the end takes the last block's filler
  // would there be any.
  std::vector<char> lettres(totalLettres + 3, 0);
  std::vector<unsigned char> octets;
  for (int l = 2; l <= 9; ++l) {
    const int32_t nbValeurs = (tailles[l - 2] + 2) / 3;
    octets.resize(static_cast<std::size_t>(nbValeurs) * 2);
    // A read error stops short like the end of the file: what came before stays.
    std::size_t lus = 0;
    (void)fichiers::lireAuPlus(fichier.fichier.fd(), reinterpret_cast<char*>(octets.data()), octets.size(), lus);
    const int32_t valeursLues = static_cast<int32_t>(lus / 2);
    for (int32_t k = 0; k < valeursLues; ++k) {
      const unsigned v = octets[2 * k] | (octets[2 * k + 1] << 8);
      char* p = lettres.data() + debuts[l - 2] + 3 * k;
      // A value above 17575 gives a first character past 'Z', which no lookup matches.
      p[0] = static_cast<char>('A' + v / 676);
      p[1] = static_cast<char>('A' + (v % 676) / 26);
      p[2] = static_cast<char>('A' + v % 26);
    }
    if (valeursLues < nbValeurs) {
      // Keep what was read, up to the end of this block only.
      const int32_t fin = std::min(debuts[l - 2] + 3 * valeursLues, totalLettres);
      std::copy(lettres.begin(), lettres.begin() + fin, texte.begin());
      graphe_ = std::make_shared<const GrapheMots>(*this);
      if (ecran) ecran->dicoStatut(textes::dicoErreurLecture);
      return Resultat::ErreurLecture;
    }
    if (ecran) ecran->dicoProgression(debuts[l - 1]);
  }
  std::copy(lettres.begin(), lettres.begin() + totalLettres, texte.begin());
  texte[totalLettres] = 0;
  graphe_ = std::make_shared<const GrapheMots>(*this);
  if (ecran) ecran->dicoFermer();
  return Resultat::Ok;
}

namespace {

// Compares a word of the list with `mot` over `n` characters as unsigned bytes,
// stopping early at a zero byte.
inline int comparer(const char* liste, const char* mot, int n) {
  for (int i = 0; i < n; ++i) {
    const auto a = static_cast<unsigned char>(liste[i]);
    const auto b = static_cast<unsigned char>(mot[i]);
    if (a != b) return a < b ? -1 : 1;
    if (a == 0) return 0;
  }
  return 0;
}

}  // namespace

bool Dico::contient(const char* mot, int longueur) const {
  if (longueur < 2 || longueur > 9 || mot == nullptr) return false;
  const int32_t n = tailles[longueur - 2] / longueur;
  const char* bloc = texte.data() + debuts[longueur - 2];
  int32_t lo = 0;
  int32_t hi = n - 1;
  int32_t mid = (lo + hi) / 2;
  int c = comparer(bloc + mid * longueur, mot, longueur);
  while (c != 0 && hi > lo) {
    if (hi - lo == 1) lo = hi;
    else if (c > 0) hi = mid;
    else lo = mid;
    mid = (lo + hi) / 2;
    c = comparer(bloc + mid * longueur, mot, longueur);
  }
  return c == 0;
}

std::string repertoireProgramme() {
  std::error_code erreur;
  const auto chemin = std::filesystem::canonical("/proc/self/exe", erreur);
  if (erreur) return {};
  std::string dossier = chemin.parent_path().string();
  if (dossier.empty() || dossier.back() != '/') dossier += '/';
  return dossier;
}

}  // namespace irvad
