// irvad-dico: builds the word list file L23456789.
//
//   irvad-dico --sources DOSSIER --sortie FICHIER
//       from the six French word lists that the preparation script put in
//       DOSSIER (preparer-sources.sh);
//   irvad-dico --mots FICHIER --sortie FICHIER [--remplir]
//       from one plain UTF-8 list of words, one a line; with --remplir the
//       blocks are filled up with filler words of consonants only;
//   irvad-dico --verifier FICHIER [MOT...]
//       checks that FICHIER is a sound word list, and tells for each MOT
//       whether the list holds it.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <algorithm>
#include <string>
#include <unordered_map>
#include <vector>

#include "Cp1252.h"
#include "DicoEcriture.h"
#include "Pliage.h"
#include "Selection.h"
#include "Sources.h"

namespace {

using namespace irvad;

constexpr const char* usage =
    "usage : irvad-dico --sources DOSSIER --sortie FICHIER\n"
    "        irvad-dico --mots FICHIER --sortie FICHIER [--remplir]\n"
    "        irvad-dico --verifier FICHIER [MOT...]\n";

int echec(const std::string& texte) {
  std::cerr << "irvad-dico : " << texte << '\n';
  return 1;
}

// The engine's texts are Windows-1252; the terminal wants UTF-8.
int echecMoteur(const std::string& texte) { return echec(cp1252::versUtf8(texte)); }

std::string colonnes(const std::array<std::size_t, dicoNbLongueurs>& n) {
  std::string ligne;
  std::size_t total = 0;
  char tampon[16];
  for (std::size_t v : n) {
    std::snprintf(tampon, sizeof tampon, "%8zu", v);
    ligne += tampon;
    total += v;
  }
  std::snprintf(tampon, sizeof tampon, "%10zu", total);
  return ligne + tampon;
}

std::array<std::size_t, dicoNbLongueurs> parLongueur(const std::vector<std::string>& mots) {
  std::array<std::size_t, dicoNbLongueurs> n{};
  for (const std::string& m : mots) ++n[m.size() - dicoLongueurMin];
  return n;
}

void entete(const char* titre) {
  std::printf("%-28s", titre);
  for (int l = dicoLongueurMin; l <= dicoLongueurMax; ++l) std::printf("%8d", l);
  std::printf("%10s\n", "total");
}

// Writes through a temporary file, so that a failed run never leaves a
// truncated list where a good one was.
int ecrire(const ListeMots& listes, const std::string& sortie) {
  const std::string temporaire = sortie + ".tmp";
  std::string erreur;
  if (!ecrireDico(listes, temporaire, erreur)) return echecMoteur(erreur);
  std::error_code ec;
  std::filesystem::rename(temporaire, sortie, ec);
  if (ec) return echec("impossible de remplacer " + sortie + " : " + ec.message());
  std::printf("%s : %zu octets\n", sortie.c_str(), tailleFichierDico);
  return 0;
}

int construireComplet(const std::string& dossier, const std::string& sortie) {
  std::vector<dico::SourceLue> sources;
  std::string erreur;
  for (const auto& d : dico::sourcesCompletes) {
    dico::SourceLue s;
    if (!dico::lireSource(dossier, d, s, erreur))
      return echec(erreur + " (lancer preparer-sources.sh " + dossier + ")");
    sources.push_back(std::move(s));
  }

  // how many sources hold each word; the symbols of any source stay out
  std::unordered_map<std::string, int> nombre;
  std::vector<std::string> symboles;
  for (const auto& s : sources) {
    for (const std::string& m : s.mots) ++nombre[m];
    symboles.insert(symboles.end(), s.symboles.begin(), s.symboles.end());
  }
  std::sort(symboles.begin(), symboles.end());
  symboles.erase(std::unique(symboles.begin(), symboles.end()), symboles.end());

  std::array<std::vector<dico::Candidat>, dicoNbLongueurs> candidats;
  std::vector<std::string> ecartes;
  for (auto& [mot, n] : nombre) {
    if (std::binary_search(symboles.begin(), symboles.end(), mot)) {
      ecartes.push_back(mot);
      continue;
    }
    candidats[mot.size() - dicoLongueurMin].push_back({mot, n});
  }
  std::sort(ecartes.begin(), ecartes.end());

  std::printf("Candidats par source et par longueur :\n");
  entete("source");
  for (const auto& s : sources) std::printf("%-28s%s\n", s.nom.c_str(), colonnes(parLongueur(s.mots)).c_str());
  std::array<std::size_t, dicoNbLongueurs> nCandidats{}, nPlaces{};
  for (std::size_t i = 0; i < dicoNbLongueurs; ++i) {
    nCandidats[i] = candidats[i].size();
    nPlaces[i] = motsParLongueur[i];
  }
  std::printf("%-28s%s\n", "candidats (toutes sources)", colonnes(nCandidats).c_str());
  std::printf("%-28s%s\n", "places", colonnes(nPlaces).c_str());
  for (std::size_t k = sources.size(); k >= 1; --k) {
    std::array<std::size_t, dicoNbLongueurs> n{};
    for (std::size_t i = 0; i < dicoNbLongueurs; ++i)
      for (const auto& c : candidats[i]) n[i] += std::size_t(c.sources) == k;
    std::printf("  dans %zu source%s%*s%s\n", k, k > 1 ? "s" : " ", 16, "", colonnes(n).c_str());
  }
  std::printf("Symboles et abr\xC3\xA9viations \xC3\xA9""cart\xC3\xA9s : %zu (", ecartes.size());
  for (std::size_t k = 0; k < ecartes.size() && k < 12; ++k) std::printf("%s%s", k ? " " : "", ecartes[k].c_str());
  std::printf("%s)\n", ecartes.size() > 12 ? " ..." : "");

  ListeMots listes;
  if (!dico::choisirListes(candidats, listes, erreur)) return echec(erreur);
  return ecrire(listes, sortie);
}

int construireDepuisMots(const std::string& fichierMots, const std::string& sortie, bool remplir) {
  std::ifstream entree(fichierMots);
  if (!entree) return echec("impossible d'ouvrir " + fichierMots);
  std::vector<std::string> mots;
  std::vector<std::string> refuses;
  std::string ligne;
  while (std::getline(entree, ligne)) {
    if (!ligne.empty() && ligne.back() == '\r') ligne.pop_back();
    const auto debut = ligne.find_first_not_of(" \t");
    if (debut == std::string::npos) continue;
    const auto fin = ligne.find_last_not_of(" \t");
    const std::string_view ecrit = std::string_view(ligne).substr(debut, fin - debut + 1);
    auto plie = plierMot(oterElision(ecrit));
    if (plie && plie->size() >= std::size_t(dicoLongueurMin) && plie->size() <= std::size_t(dicoLongueurMax))
      mots.push_back(std::move(*plie));
    else
      refuses.emplace_back(ecrit);
  }
  if (!refuses.empty()) {
    std::fprintf(stderr, "irvad-dico : %zu mot(s) ignor\xC3\xA9(s), pas de 2 \xC3\xA0 9 lettres :", refuses.size());
    for (std::size_t k = 0; k < refuses.size() && k < 10; ++k) std::fprintf(stderr, " %s", refuses[k].c_str());
    std::fprintf(stderr, "%s\n", refuses.size() > 10 ? " ..." : "");
  }
  std::sort(mots.begin(), mots.end());
  mots.erase(std::unique(mots.begin(), mots.end()), mots.end());
  entete("");
  std::printf("%-28s%s\n", "mots lus", colonnes(parLongueur(mots)).c_str());

  ListeMots listes;
  std::string erreur;
  if (remplir) {
    if (!remplirListes(mots, listes, erreur)) return echecMoteur(erreur);
  } else {
    std::array<std::vector<dico::Candidat>, dicoNbLongueurs> candidats;
    for (std::string& m : mots) candidats[m.size() - dicoLongueurMin].push_back({std::move(m), 1});
    if (!dico::choisirListes(candidats, listes, erreur)) return echec(erreur);
  }
  return ecrire(listes, sortie);
}

int verifier(const std::string& fichier, const std::vector<std::string>& mots) {
  ListeMots listes;
  std::string erreur;
  if (!lireDico(fichier, listes, erreur)) return echecMoteur(erreur);
  if (auto defaut = defautListes(listes)) return echecMoteur(*defaut);
  std::printf("%s : %zu octets, 8 blocs en ordre strictement croissant\n", fichier.c_str(), tailleFichierDico);
  for (const std::string& ecrit : mots) {
    auto plie = plierMot(ecrit);
    bool present = false;
    if (plie && plie->size() >= std::size_t(dicoLongueurMin) && plie->size() <= std::size_t(dicoLongueurMax)) {
      const auto& bloc = listes[plie->size() - dicoLongueurMin];
      present = std::binary_search(bloc.begin(), bloc.end(), *plie);
    }
    std::printf("%s %s\n", plie ? plie->c_str() : ecrit.c_str(), present ? "pr\xC3\xA9sent" : "absent");
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  std::string sources, mots, sortie, aVerifier;
  std::vector<std::string> motsVerifies;
  bool remplir = false;
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    auto valeur = [&](std::string& v) {
      if (i + 1 >= argc) return false;
      v = argv[++i];
      return true;
    };
    if (a == "--sources") {
      if (!valeur(sources)) return echec("--sources sans dossier\n" + std::string(usage));
    } else if (a == "--mots") {
      if (!valeur(mots)) return echec("--mots sans fichier\n" + std::string(usage));
    } else if (a == "--sortie") {
      if (!valeur(sortie)) return echec("--sortie sans fichier\n" + std::string(usage));
    } else if (a == "--verifier") {
      if (!valeur(aVerifier)) return echec("--verifier sans fichier\n" + std::string(usage));
    } else if (a == "--remplir") {
      remplir = true;
    } else if (a == "--aide" || a == "--help" || a == "-h") {
      std::fputs(usage, stdout);
      return 0;
    } else if (!aVerifier.empty() && !a.starts_with("--")) {
      motsVerifies.push_back(a);
    } else {
      return echec("argument inconnu : " + a + "\n" + usage);
    }
  }
  const int modes = !sources.empty() + !mots.empty() + !aVerifier.empty();
  if (modes != 1) return echec(std::string("choisir un seul de --sources, --mots, --verifier\n") + usage);
  if (!aVerifier.empty()) {
    if (!sortie.empty() || remplir) return echec(std::string("--verifier va seul\n") + usage);
    return verifier(aVerifier, motsVerifies);
  }
  if (sortie.empty()) return echec(std::string("--sortie manque\n") + usage);
  if (!sources.empty()) {
    if (remplir) return echec(std::string("--remplir ne va qu'avec --mots\n") + usage);
    return construireComplet(sources, sortie);
  }
  return construireDepuisMots(mots, sortie, remplir);
}
