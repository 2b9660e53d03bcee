// irvad-dico: builds the word list file L23456789.
//
//   irvad-dico --sources DOSSIER --decisions FICHIER --sortie FICHIER [--essai]
//       from the six French word lists that the preparation script put in
//       DOSSIER (preparer-sources.sh) and the reviewed decisions on short
//       words (mots-courts.txt); then plays the measuring games on it;
//   irvad-dico --mots FICHIER --sortie FICHIER [--remplir]
//       from one plain UTF-8 list of words, one a line; with --remplir the
//       blocks are filled up with filler words of consonants only;
//   irvad-dico --verifier FICHIER [MOT...]
//       checks that FICHIER is a sound word list, and tells for each MOT
//       whether the list holds it;
//   irvad-dico --mesurer FICHIER --decisions FICHIER [--graines A-B]
//       plays seeded games of computer players on the list FICHIER and
//       counts the words they form that the decisions refuse.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <algorithm>
#include <string>
#include <unordered_map>
#include <vector>

#include "Construction.h"
#include "Cp1252.h"
#include "DicoEcriture.h"
#include "Mesure.h"
#include "Pliage.h"
#include "Selection.h"
#include "Sources.h"

namespace {

using namespace irvad;

constexpr const char* usage =
    "usage : irvad-dico --sources DOSSIER --decisions FICHIER --sortie FICHIER [--essai]\n"
    "        irvad-dico --mots FICHIER --sortie FICHIER [--remplir]\n"
    "        irvad-dico --verifier FICHIER [MOT...]\n"
    "        irvad-dico --mesurer FICHIER --decisions FICHIER [--graines A-B]\n";

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

// Up to `nombre` words of a list, then " ..." when there are more.
std::string extrait(const std::vector<std::string>& mots, std::size_t nombre) {
  std::string texte;
  for (std::size_t k = 0; k < mots.size() && k < nombre; ++k) texte += (k ? " " : "") + mots[k];
  return texte + (mots.size() > nombre ? " ..." : "");
}

// Plays the measuring games on a list and prints the share of junk.
// With detail, every refused word formed, as MOT times/games.
int afficherMesure(const std::string& liste, const dico::Decisions& decisions, std::uint32_t premiere,
                   std::uint32_t graines, bool detail) {
  dico::Mesure m;
  std::string erreur;
  if (!dico::mesurer(liste, decisions, premiere, graines, m, erreur)) return echec(erreur);
  std::vector<std::string> pires;  // MOT times/games
  for (const auto& r : m.rebutParMot)
    pires.push_back(r.mot + " " + std::to_string(r.fois) + "/" + std::to_string(r.parties));
  const auto part = [](std::size_t a, std::size_t b) { return b ? 100.0 * double(a) / double(b) : 0.0; };
  std::printf("Rebut : %zu des %zu mots form\xC3\xA9s en %zu parties (graines %u \xC3\xA0 %u ; 2, 3 et 6 joueurs), "
              "%.2f %%%s%s\n",
              m.rebut, m.mots, m.parties, premiere, premiere + graines - 1, part(m.rebut, m.mots),
              pires.empty() ? "" : " ; fois/parties : ",
              extrait(pires, detail ? pires.size() : 12).c_str());
  return 0;
}

int construireComplet(const std::string& dossier, const std::string& fichierDecisions, const std::string& sortie,
                      bool essai) {
  std::string erreur;
  dico::Decisions decisions;
  if (!decisions.lireFichier(fichierDecisions, erreur)) return echec(erreur);
  std::vector<dico::SourceLue> sources;
  for (const auto& d : dico::sourcesCompletes) {
    dico::SourceLue s;
    if (!dico::lireSource(dossier, d, s, erreur))
      return echec(erreur + " (lancer sh scripts/paquets.sh, qui pr\xC3\xA9pare les sources)");
    sources.push_back(std::move(s));
  }
  dico::Construction c;
  if (!dico::construire(sources, decisions, essai, c, erreur)) return echec(erreur);

  std::printf("Candidats par source et par longueur :\n");
  entete("source");
  for (const auto& s : sources) std::printf("%-28s%s\n", s.nom.c_str(), colonnes(parLongueur(s.mots)).c_str());
  std::array<std::size_t, dicoNbLongueurs> nPlaces{};
  for (std::size_t i = 0; i < dicoNbLongueurs; ++i) nPlaces[i] = motsParLongueur[i];
  std::printf("%-28s%s\n", "candidats (toutes sources)", colonnes(c.candidats).c_str());
  std::printf("%-28s%s\n", "places", colonnes(nPlaces).c_str());
  std::printf("Lemmes des dictionnaires hunspell : %zu, dont %zu graphies de 1990 class\xC3\xA9""es avec leur "
              "jumelle classique\n",
              c.lemmes, c.jumeaux);
  for (std::size_t i = 0; i < c.courts.size(); ++i) {
    const auto& choix = c.courts[i];
    if (!choix.bouchons.empty())
      std::printf("%zu lettres : %zu mot(s) refus\xC3\xA9(s) bouchent les derni\xC3\xA8res places : %s\n", i + 2,
                  choix.bouchons.size(), extrait(choix.bouchons, 100).c_str());
    if (!choix.aRevoir.empty())
      std::printf("%zu lettres : %zu candidat(s) sans d\xC3\xA9""cision \xC3\xA0 revoir : %s\n", i + 2,
                  choix.aRevoir.size(), extrait(choix.aRevoir, 30).c_str());
  }
  if (!c.absents.empty())
    std::printf("D\xC3\xA9""cisions sur des mots qu'aucune source n'\xC3\xA9""crit (sans effet) : %s\n",
                extrait(c.absents, 30).c_str());
  std::printf("6 \xC3\xA0 9 lettres : %zu lemme(s) coup\xC3\xA9(s) ; paires MOT/MOTS coup\xC3\xA9""es : %zu\n",
              c.groupesCoupes, c.pairesCoupees);
  if (const int r = ecrire(c.listes, sortie)) return r;
  return afficherMesure(sortie, decisions, 1, 150, false);
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
    // more words than places: taken spread over the alphabet
    std::string manques;
    for (std::size_t i = 0; i < dicoNbLongueurs; ++i) {
      std::vector<std::string> bloc;
      for (const std::string& m : mots)
        if (m.size() == i + dicoLongueurMin) bloc.push_back(m);
      if (bloc.size() < motsParLongueur[i])
        manques += (manques.empty() ? "" : ", ") + std::to_string(i + dicoLongueurMin) + " lettres : " +
                   std::to_string(bloc.size()) + " mots pour " + std::to_string(motsParLongueur[i]);
      listes[i] = dico::etaler(bloc, motsParLongueur[i]);
    }
    if (!manques.empty()) return echec("pas assez de mots : " + manques);
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
  std::string sources, mots, sortie, aVerifier, aMesurer, decisions, graines = "1-150";
  std::vector<std::string> motsVerifies;
  bool remplir = false, essai = false;
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
    } else if (a == "--mesurer") {
      if (!valeur(aMesurer)) return echec("--mesurer sans fichier\n" + std::string(usage));
    } else if (a == "--decisions") {
      if (!valeur(decisions)) return echec("--decisions sans fichier\n" + std::string(usage));
    } else if (a == "--graines") {
      if (!valeur(graines)) return echec("--graines sans valeurs\n" + std::string(usage));
    } else if (a == "--remplir") {
      remplir = true;
    } else if (a == "--essai") {
      essai = true;
    } else if (a == "--aide" || a == "--help" || a == "-h") {
      std::fputs(usage, stdout);
      return 0;
    } else if (!aVerifier.empty() && !a.starts_with("--")) {
      motsVerifies.push_back(a);
    } else {
      return echec("argument inconnu : " + a + "\n" + usage);
    }
  }
  const int modes = !sources.empty() + !mots.empty() + !aVerifier.empty() + !aMesurer.empty();
  if (modes != 1) return echec(std::string("choisir un seul de --sources, --mots, --verifier, --mesurer\n") + usage);
  if (!aVerifier.empty()) {
    if (!sortie.empty() || remplir || essai || !decisions.empty())
      return echec(std::string("--verifier va seul\n") + usage);
    return verifier(aVerifier, motsVerifies);
  }
  if (!aMesurer.empty()) {
    unsigned premiere = 0, derniere = 0;
    char fin = 0;
    if (std::sscanf(graines.c_str(), "%u-%u%c", &premiere, &derniere, &fin) != 2 || derniere < premiere)
      return echec("--graines A-B attendu, A <= B\n" + std::string(usage));
    if (decisions.empty()) return echec(std::string("--decisions manque\n") + usage);
    dico::Decisions d;
    std::string erreur;
    if (!d.lireFichier(decisions, erreur)) return echec(erreur);
    return afficherMesure(aMesurer, d, premiere, derniere - premiere + 1, true);
  }
  if (sortie.empty()) return echec(std::string("--sortie manque\n") + usage);
  if (!sources.empty()) {
    if (remplir) return echec(std::string("--remplir ne va qu'avec --mots\n") + usage);
    if (decisions.empty()) return echec(std::string("--decisions manque\n") + usage);
    return construireComplet(sources, decisions, sortie, essai);
  }
  if (essai || !decisions.empty()) return echec(std::string("--mots va sans --essai ni --decisions\n") + usage);
  return construireDepuisMots(mots, sortie, remplir);
}
