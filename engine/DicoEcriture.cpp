#include "DicoEcriture.h"

#include <algorithm>
#include <iterator>
#include <set>

#include "Fichiers.h"

namespace irvad {
namespace {

constexpr unsigned valeurMax = 25 * 676 + 25 * 26 + 25;

// Consonants from the rarest in French words to the most common: the filler
// words take the first letters of this list that they need.
constexpr std::string_view consonnesRares = "WKZXJQHFVBGPMDCLTNRS";

std::string texteLongueur(std::size_t i) {
  return std::to_string(i + dicoLongueurMin) + " lettres";
}

bool motValide(std::string_view mot, std::size_t longueur) {
  return mot.size() == longueur &&
         std::all_of(mot.begin(), mot.end(), [](char c) { return c >= 'A' && c <= 'Z'; });
}

// Finds a word of listes[i] that does not have i + 2 letters A-Z.
std::optional<std::string> motInvalide(const std::vector<std::string>& mots, std::size_t i) {
  for (const std::string& mot : mots)
    if (!motValide(mot, i + dicoLongueurMin))
      return "mot \"" + mot + "\" invalide parmi les mots de " + texteLongueur(i);
  return std::nullopt;
}

// The words of length longueur over the first k letters of consonnesRares, in
// counting order, that are not in exclus, until n have been found. Returns
// fewer than n only when the k letters do not give enough.
std::vector<std::string> bourrage(std::size_t longueur, std::size_t k, std::size_t n,
                                  const std::vector<std::string>& exclus) {
  std::vector<std::string> mots;
  std::vector<std::size_t> chiffres(longueur, 0);
  std::string mot(longueur, consonnesRares[0]);
  while (mots.size() < n) {
    if (!std::binary_search(exclus.begin(), exclus.end(), mot)) mots.push_back(mot);
    // next word: add one to the last place, carrying to the left
    std::size_t place = longueur;
    while (place > 0) {
      --place;
      if (++chiffres[place] < k) {
        mot[place] = consonnesRares[chiffres[place]];
        break;
      }
      chiffres[place] = 0;
      mot[place] = consonnesRares[0];
      if (place == 0) return mots;  // every word over k letters was seen
    }
  }
  return mots;
}

}  // namespace

std::optional<std::string> defautListes(const ListeMots& listes) {
  for (std::size_t i = 0; i < dicoNbLongueurs; ++i) {
    const auto& mots = listes[i];
    if (mots.size() != motsParLongueur[i])
      return "mots de " + texteLongueur(i) + " : " + std::to_string(mots.size()) + " au lieu de " +
             std::to_string(motsParLongueur[i]);
    if (auto defaut = motInvalide(mots, i)) return defaut;
    for (std::size_t k = 1; k < mots.size(); ++k)
      if (!(mots[k - 1] < mots[k]))
        return "mots de " + texteLongueur(i) + " pas en ordre strictement croissant : \"" +
               mots[k - 1] + "\" puis \"" + mots[k] + "\"";
  }
  return std::nullopt;
}

bool encoderDico(const ListeMots& listes, std::vector<std::uint8_t>& octets, std::string& erreur) {
  octets.clear();
  if (auto defaut = defautListes(listes)) {
    erreur = *defaut;
    return false;
  }
  octets.reserve(tailleFichierDico);
  std::string lettres;
  for (const auto& mots : listes) {
    lettres.clear();
    for (const std::string& mot : mots) lettres += mot;
    // the last value of a block whose letter count is not a multiple of 3
    // is filled up with 'A' (0)
    while (lettres.size() % 3 != 0) lettres += 'A';
    for (std::size_t k = 0; k < lettres.size(); k += 3) {
      const unsigned valeur = 676u * unsigned(lettres[k] - 'A') + 26u * unsigned(lettres[k + 1] - 'A') +
                              unsigned(lettres[k + 2] - 'A');
      octets.push_back(static_cast<std::uint8_t>(valeur & 0xFF));
      octets.push_back(static_cast<std::uint8_t>(valeur >> 8));
    }
  }
  return true;
}

bool decoderDico(std::span<const std::uint8_t> octets, ListeMots& listes, std::string& erreur) {
  if (octets.size() != tailleFichierDico) {
    erreur = "taille " + std::to_string(octets.size()) + " octets au lieu de " +
             std::to_string(tailleFichierDico);
    return false;
  }
  ListeMots lu;
  std::size_t pos = 0;
  std::string lettres;
  for (std::size_t i = 0; i < dicoNbLongueurs; ++i) {
    const std::size_t longueur = i + dicoLongueurMin;
    const std::size_t nbLettres = motsParLongueur[i] * longueur;
    lettres.clear();
    while (lettres.size() < nbLettres) {
      const unsigned valeur = unsigned(octets[pos]) | (unsigned(octets[pos + 1]) << 8);
      if (valeur > valeurMax) {
        erreur = "valeur " + std::to_string(valeur) + " hors limites " "\xE0" /* à */
                 " l'octet " + std::to_string(pos);
        return false;
      }
      pos += 2;
      lettres += static_cast<char>('A' + valeur / 676);
      lettres += static_cast<char>('A' + valeur % 676 / 26);
      lettres += static_cast<char>('A' + valeur % 26);
    }
    lettres.resize(nbLettres);  // drops the padding of the last value
    lu[i].reserve(motsParLongueur[i]);
    for (std::size_t k = 0; k < nbLettres; k += longueur) lu[i].push_back(lettres.substr(k, longueur));
  }
  listes = std::move(lu);
  return true;
}

bool ecrireDico(const ListeMots& listes, const std::string& chemin, std::string& erreur) {
  std::vector<std::uint8_t> octets;
  if (!encoderDico(listes, octets, erreur)) return false;
  const std::string_view contenu(reinterpret_cast<const char*>(octets.data()), octets.size());
  if (fichiers::remplacer(chemin, contenu) != fichiers::Ecriture::reussie) {
    erreur = "impossible d'" "\xE9" /* é */ "crire " + chemin;
    return false;
  }
  return true;
}

bool lireDico(const std::string& chemin, ListeMots& listes, std::string& erreur) {
  std::string contenu;
  switch (fichiers::lire(chemin, contenu, tailleFichierDico)) {
    case fichiers::Lecture::reussie:
      break;
    case fichiers::Lecture::absent:
    case fichiers::Lecture::ouverture:
      erreur = "impossible d'ouvrir " + chemin;
      return false;
    case fichiers::Lecture::pasUnFichier:
      erreur = chemin + " n'est pas un fichier";
      return false;
    case fichiers::Lecture::lecture:
      erreur = "erreur de lecture de " + chemin;
      return false;
    case fichiers::Lecture::tropGrand:
      erreur = "taille de " + chemin + " au-del" "\xE0" /* à */ " de " + std::to_string(tailleFichierDico) + " octets";
      return false;
  }
  const auto* debut = reinterpret_cast<const std::uint8_t*>(contenu.data());
  return decoderDico(std::span<const std::uint8_t>(debut, contenu.size()), listes, erreur);
}

bool completerListes(ListeMots& listes, std::string& erreur) {
  ListeMots complet = listes;
  for (std::size_t i = 0; i < dicoNbLongueurs; ++i) {
    auto& mots = complet[i];
    if (auto defaut = motInvalide(mots, i)) {
      erreur = *defaut;
      return false;
    }
    std::sort(mots.begin(), mots.end());
    mots.erase(std::unique(mots.begin(), mots.end()), mots.end());
    if (mots.size() > motsParLongueur[i]) {
      erreur = "trop de mots de " + texteLongueur(i) + " : " + std::to_string(mots.size()) +
               " pour " + std::to_string(motsParLongueur[i]) + " places";
      return false;
    }
    const std::size_t longueur = i + dicoLongueurMin;
    const std::size_t manque = motsParLongueur[i] - mots.size();
    // as few letters as give enough fillers besides the real words
    std::vector<std::string> ajout;
    for (std::size_t k = 1; k <= consonnesRares.size() && ajout.size() < manque; ++k)
      ajout = bourrage(longueur, k, manque, mots);
    std::vector<std::string> fusion;
    fusion.reserve(motsParLongueur[i]);
    std::sort(ajout.begin(), ajout.end());
    std::merge(mots.begin(), mots.end(), ajout.begin(), ajout.end(), std::back_inserter(fusion));
    mots = std::move(fusion);
  }
  listes = std::move(complet);
  return true;
}

bool remplirListes(std::span<const std::string> mots, ListeMots& listes, std::string& erreur) {
  ListeMots parLongueur;
  for (const std::string& mot : mots) {
    if (mot.size() < std::size_t(dicoLongueurMin) || mot.size() > std::size_t(dicoLongueurMax) ||
        !motValide(mot, mot.size())) {
      erreur = "mot \"" + mot + "\" invalide : il faut de 2 " "\xE0" /* à */ " 9 lettres A-Z";
      return false;
    }
    parLongueur[mot.size() - dicoLongueurMin].push_back(mot);
  }
  if (!completerListes(parLongueur, erreur)) return false;
  listes = std::move(parLongueur);
  return true;
}

bool remplirListes(std::initializer_list<std::string_view> mots, ListeMots& listes,
                   std::string& erreur) {
  std::vector<std::string> copie(mots.begin(), mots.end());
  return remplirListes(copie, listes, erreur);
}

}  // namespace irvad
