#include "Sources.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <sstream>

#include "DicoEcriture.h"
#include "Hunspell.h"
#include "Pliage.h"

namespace irvad::dico {
namespace {

bool lireFichier(const std::string& chemin, std::string& contenu, std::string& erreur) {
  std::ifstream fichier(chemin, std::ios::binary);
  if (!fichier) {
    erreur = "source introuvable : " + chemin;
    return false;
  }
  std::ostringstream tampon;
  tampon << fichier.rdbuf();
  if (fichier.bad()) {
    erreur = "erreur de lecture : " + chemin;
    return false;
  }
  contenu = std::move(tampon).str();
  return true;
}

void trier(std::vector<std::string>& mots) {
  std::sort(mots.begin(), mots.end());
  mots.erase(std::unique(mots.begin(), mots.end()), mots.end());
}

bool estMinuscule(char32_t c) {
  if (c >= 'a' && c <= 'z') return true;
  if (c >= 0xDF && c <= 0xFF) return c != 0xF7;  // ß..ÿ without ÷
  if (c >= 0x100 && c <= 0x137) return c % 2 == 1;  // Āā .. Ķķ
  if (c >= 0x139 && c <= 0x148) return c % 2 == 0;  // Ĺĺ .. Ňň
  if (c >= 0x14A && c <= 0x177) return c % 2 == 1;  // Ŋŋ .. Ŷŷ (Œœ among them)
  if (c >= 0x179 && c <= 0x17E) return c % 2 == 0;  // Źź .. Žž
  return c == 0x138 || c == 0x149 || c == 0x17F;   // ĸ ŉ ſ
}

// The po: fields of a morphology, without the "po:".
std::vector<std::string_view> categories(std::string_view morphologie) {
  std::vector<std::string_view> resultat;
  std::size_t pos = 0;
  while ((pos = morphologie.find("po:", pos)) != std::string_view::npos) {
    if (pos > 0 && morphologie[pos - 1] != ' ' && morphologie[pos - 1] != '\t') {
      pos += 3;
      continue;
    }
    const std::size_t debut = pos + 3;
    std::size_t fin = debut;
    while (fin < morphologie.size() && morphologie[fin] != ' ' && morphologie[fin] != '\t') ++fin;
    resultat.push_back(morphologie.substr(debut, fin - debut));
    pos = fin;
  }
  return resultat;
}

enum class Nature { mot, exclu, symbole };

Nature nature(const hunspell::Entree& e, const hunspell::Affixes& affixes) {
  if (hunspell::contient(e.drapeaux, affixes.keepcase())) return Nature::symbole;
  const auto cats = categories(e.morphologie);
  bool toutLocution = !cats.empty();
  for (std::string_view c : cats) {
    if (c == "symb" || c == "abr" || c == "sfx" || c == "sign" || c == "ponc") return Nature::symbole;
    if (c == "npr" || c == "prn" || c == "patr" || c == "nbro" || c == "err" || c == "pfx")
      return Nature::exclu;
    if (!c.starts_with("loc.")) toutLocution = false;
  }
  return toutLocution ? Nature::exclu : Nature::mot;
}

}  // namespace

bool commenceParMinuscule(std::string_view motUtf8) {
  std::size_t pos = 0;
  char32_t c;
  return lireUtf8(motUtf8, pos, c) && estMinuscule(c);
}

std::string candidat(std::string_view motUtf8) {
  const std::string_view mot = oterElision(motUtf8);
  if (!commenceParMinuscule(mot)) return {};
  auto plie = plierMot(mot);
  if (!plie || plie->size() < std::size_t(dicoLongueurMin) || plie->size() > std::size_t(dicoLongueurMax))
    return {};
  if (plie->find_first_of("AEIOUY") == std::string::npos) return {};
  return std::move(*plie);
}

bool lireListe(const std::string& chemin, SourceLue& source, std::string& erreur) {
  std::string contenu;
  if (!lireFichier(chemin, contenu, erreur)) return false;
  source.mots.clear();
  source.symboles.clear();
  std::size_t pos = 0;
  while (pos < contenu.size()) {
    const std::size_t debut = contenu.find_first_not_of(" \t\r\n", pos);
    if (debut == std::string::npos) break;
    std::size_t fin = contenu.find_first_of(" \t\r\n", debut);
    if (fin == std::string::npos) fin = contenu.size();
    std::string mot = candidat(std::string_view(contenu).substr(debut, fin - debut));
    if (!mot.empty()) source.mots.push_back(std::move(mot));
    pos = fin;
  }
  trier(source.mots);
  return true;
}

bool lireHunspell(const std::string& cheminAff, const std::string& cheminDic, SourceLue& source,
                  std::string& erreur) {
  std::string aff, dic;
  if (!lireFichier(cheminAff, aff, erreur) || !lireFichier(cheminDic, dic, erreur)) return false;
  hunspell::Affixes affixes;
  if (!affixes.lire(aff, erreur)) {
    erreur = cheminAff + " : " + erreur;
    return false;
  }
  std::vector<hunspell::Entree> entrees;
  if (!affixes.lireDic(dic, entrees, erreur)) {
    erreur = cheminDic + " : " + erreur;
    return false;
  }
  dic.clear();

  std::vector<std::string> mots, symboles;
  std::string utf8;
  for (const hunspell::Entree& e : entrees) {
    const Nature n = nature(e, affixes);
    if (n == Nature::exclu) continue;
    auto& destination = n == Nature::symbole ? symboles : mots;
    affixes.developper(e, [&](const std::u32string& forme) {
      utf8.clear();
      for (char32_t c : forme) ecrireUtf8(utf8, c);
      std::string mot = candidat(utf8);
      if (!mot.empty()) destination.push_back(std::move(mot));
    });
  }
  trier(mots);
  trier(symboles);
  // a symbol that the dictionary also gives as a plain word is a word
  source.symboles.clear();
  std::set_difference(symboles.begin(), symboles.end(), mots.begin(), mots.end(),
                      std::back_inserter(source.symboles));
  source.mots = std::move(mots);
  return true;
}

bool lireSource(const std::string& dossier, const DescriptionSource& d, SourceLue& source, std::string& erreur) {
  source.nom = d.nom;
  const std::string base = dossier + "/" + std::string(d.nom);
  return d.hunspell ? lireHunspell(base + ".aff", base + ".dic", source, erreur)
                    : lireListe(base + ".txt", source, erreur);
}

}  // namespace irvad::dico
