#include "Decisions.h"

#include <fstream>
#include <sstream>
#include <vector>

#include "DicoEcriture.h"

namespace irvad::dico {
namespace {

std::vector<std::string_view> morceaux(std::string_view ligne) {
  std::vector<std::string_view> m;
  std::size_t i = 0;
  while (i < ligne.size()) {
    while (i < ligne.size() && (ligne[i] == ' ' || ligne[i] == '\t')) ++i;
    const std::size_t debut = i;
    while (i < ligne.size() && ligne[i] != ' ' && ligne[i] != '\t') ++i;
    if (i > debut) m.push_back(ligne.substr(debut, i - debut));
  }
  return m;
}

bool motValide(std::string_view mot) {
  if (mot.size() < std::size_t(dicoLongueurMin) || mot.size() > std::size_t(dicoLongueurMax)) return false;
  for (char c : mot)
    if (c < 'A' || c > 'Z') return false;
  return true;
}

}  // namespace

bool Decisions::lire(std::string_view texte, std::string& erreur) {
  std::unordered_map<std::string, Decision> lus;
  std::size_t debut = 0, numero = 0;
  while (debut < texte.size()) {
    std::size_t fin = texte.find('\n', debut);
    if (fin == std::string_view::npos) fin = texte.size();
    std::string_view ligne = texte.substr(debut, fin - debut);
    debut = fin + 1;
    ++numero;
    if (const auto diese = ligne.find('#'); diese != std::string_view::npos) ligne = ligne.substr(0, diese);
    if (!ligne.empty() && ligne.back() == '\r') ligne.remove_suffix(1);
    const auto m = morceaux(ligne);
    if (m.empty()) continue;
    auto echec = [&](const std::string& quoi) {
      erreur = "d\xC3\xA9" "cisions, ligne " + std::to_string(numero) + " : " + quoi;
      return false;
    };
    if (!motValide(m[0])) return echec("mot de 2 \xC3\xA0 9 lettres A-Z attendu : " + std::string(m[0]));
    Decision d;
    if (m.size() == 2 && m[1] == "oui") {
      d.accepte = true;
    } else if (m.size() == 3 && m[1] == "non") {
      d.raison = m[2];
    } else {
      return echec("\xC2\xAB MOT oui \xC2\xBB ou \xC2\xAB MOT non RAISON \xC2\xBB attendu");
    }
    d.rang = lus.size();
    if (!lus.emplace(std::string(m[0]), std::move(d)).second) return echec(std::string(m[0]) + " d\xC3\xA9j\xC3\xA0 d\xC3\xA9" "cid\xC3\xA9");
  }
  mots_ = std::move(lus);
  return true;
}

bool Decisions::lireFichier(const std::string& chemin, std::string& erreur) {
  std::ifstream fichier(chemin, std::ios::binary);
  if (!fichier) {
    erreur = "d\xC3\xA9" "cisions introuvables : " + chemin;
    return false;
  }
  std::ostringstream tampon;
  tampon << fichier.rdbuf();
  return lire(tampon.str(), erreur);
}

const Decision* Decisions::trouver(const std::string& mot) const {
  const auto it = mots_.find(mot);
  return it == mots_.end() ? nullptr : &it->second;
}

}  // namespace irvad::dico
