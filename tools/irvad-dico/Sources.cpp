#include "Sources.h"

#include <algorithm>
#include <bit>
#include <fstream>
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

bool estMajuscule(char32_t c) {
  if (c >= 'A' && c <= 'Z') return true;
  if (c >= 0xC0 && c <= 0xDE) return c != 0xD7;  // À..Þ without ×
  if (c >= 0x100 && c <= 0x137) return c % 2 == 0;  // Āā .. Ķķ
  if (c >= 0x139 && c <= 0x148) return c % 2 == 1;  // Ĺĺ .. Ňň
  if (c >= 0x14A && c <= 0x177) return c % 2 == 0;  // Ŋŋ .. Ŷŷ (Œœ among them)
  if (c >= 0x179 && c <= 0x17E) return c % 2 == 1;  // Źź .. Žž
  return c == 0x178;                                // Ÿ
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

// True when the entry gives plain words (see lireHunspell).
bool motPlein(const hunspell::Entree& e, const hunspell::Affixes& affixes) {
  if (hunspell::contient(e.drapeaux, affixes.keepcase())) return false;
  const auto cats = categories(e.morphologie);
  bool toutLocution = !cats.empty();
  for (std::string_view c : cats) {
    if (c == "symb" || c == "abr" || c == "sfx" || c == "sign" || c == "ponc" || c == "npr" || c == "prn" ||
        c == "patr" || c == "nbro" || c == "err" || c == "pfx")
      return false;
    if (!c.starts_with("loc.")) toutLocution = false;
  }
  return !toutLocution;
}

Classe classe(const std::vector<std::string_view>& cats) {
  bool verbe = false;
  for (std::string_view c : cats) {
    if (c == "nom" || c == "adj") return Classe::nomOuAdjectif;
    if (c.size() >= 2 && c[0] == 'v' && c[1] >= '0' && c[1] <= '9') verbe = true;
  }
  return verbe ? Classe::verbe : Classe::autre;
}

// Where a written word goes: a plain word to its candidate, and its welded
// candidate when it is hyphenated; any other form that folds, to presents.
void ranger(std::string_view ecrit, bool plein, std::vector<std::string>& mots, std::vector<std::string>& soudes,
            std::vector<std::string>& presents) {
  if (std::string m = plein ? candidat(ecrit) : std::string(); !m.empty()) {
    mots.push_back(std::move(m));
  } else if (auto plie = plierMot(ecrit); plie && plie->size() >= std::size_t(dicoLongueurMin) &&
                                          plie->size() <= std::size_t(dicoLongueurMax)) {
    presents.push_back(std::move(*plie));
  }
  if (plein && ecrit.find('-') != std::string_view::npos) {
    std::string sans;
    for (char c : ecrit)
      if (c != '-') sans += c;
    if (std::string m = candidat(sans); !m.empty()) soudes.push_back(std::move(m));
  }
}

}  // namespace

int nombreDeFamilles(Familles f) { return std::popcount(static_cast<unsigned>(f)); }

bool aUneMajuscule(std::string_view motUtf8) {
  std::size_t pos = 0;
  char32_t c;
  while (lireUtf8(motUtf8, pos, c))
    if (estMajuscule(c)) return true;
  return false;
}

std::string candidat(std::string_view motUtf8) {
  if (aUneMajuscule(motUtf8)) return {};
  auto plie = plierMot(motUtf8);
  if (!plie || plie->size() < std::size_t(dicoLongueurMin) || plie->size() > std::size_t(dicoLongueurMax))
    return {};
  if (plie->find_first_of("AEIOUY") == std::string::npos) return {};
  return std::move(*plie);
}

bool lireListe(const std::string& chemin, SourceLue& source, std::string& erreur) {
  std::string contenu;
  if (!lireFichier(chemin, contenu, erreur)) return false;
  source.mots.clear();
  source.soudes.clear();
  source.presents.clear();
  source.lemmes.clear();
  std::size_t pos = 0;
  while (pos < contenu.size()) {
    const std::size_t debut = contenu.find_first_not_of(" \t\r\n", pos);
    if (debut == std::string::npos) break;
    std::size_t fin = contenu.find_first_of(" \t\r\n", debut);
    if (fin == std::string::npos) fin = contenu.size();
    ranger(std::string_view(contenu).substr(debut, fin - debut), true, source.mots, source.soudes, source.presents);
    pos = fin;
  }
  trier(source.mots);
  trier(source.soudes);
  trier(source.presents);
  return true;
}

bool lireHunspell(const std::string& cheminAff, const std::string& cheminDic, bool avecLemmes, SourceLue& source,
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

  source.mots.clear();
  source.soudes.clear();
  source.presents.clear();
  source.lemmes.clear();
  std::vector<std::string> formes;
  std::string utf8;
  for (const hunspell::Entree& e : entrees) {
    const bool plein = motPlein(e, affixes);
    formes.clear();
    affixes.developper(e, [&](const std::u32string& forme) {
      utf8.clear();
      for (char32_t c : forme) ecrireUtf8(utf8, c);
      ranger(utf8, plein, formes, source.soudes, source.presents);
    });
    if (formes.empty()) continue;
    source.mots.insert(source.mots.end(), formes.begin(), formes.end());
    if (!avecLemmes) continue;
    Lemme l;
    for (char32_t c : e.mot) ecrireUtf8(l.mot, c);
    const auto cats = categories(e.morphologie);
    for (std::string_view c : cats) {
      if (!l.categorie.empty()) l.categorie += ' ';
      l.categorie += c;
    }
    l.classe = classe(cats);
    trier(formes);
    l.formes = formes;
    source.lemmes.push_back(std::move(l));
  }
  trier(source.mots);
  trier(source.soudes);
  trier(source.presents);
  return true;
}

bool lireSource(const std::string& dossier, const DescriptionSource& d, SourceLue& source, std::string& erreur) {
  source.nom = d.nom;
  source.famille = d.famille;
  const std::string base = dossier + "/" + std::string(d.nom);
  return d.hunspell ? lireHunspell(base + ".aff", base + ".dic", d.lemmes, source, erreur)
                    : lireListe(base + ".txt", source, erreur);
}

}  // namespace irvad::dico
