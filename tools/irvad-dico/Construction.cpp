#include "Construction.h"

#include <algorithm>
#include <map>
#include <optional>
#include <unordered_map>
#include <unordered_set>

#include "Pliage.h"

namespace irvad::dico {
namespace {

// A lemma of the hunspell dictionaries, the same entry of both builds merged.
struct LemmeFusionne {
  const Lemme* lemme = nullptr;
  std::string cle;  // its word folded, hyphens dropped: what twins are compared on
  bool classique = false;
  int soutien = 0;
};

// The families that hold each candidate, or each welded word.
std::unordered_map<std::string, Familles> tableFamilles(const std::vector<SourceLue>& sources, bool soudes) {
  std::unordered_map<std::string, Familles> table;
  for (const SourceLue& s : sources)
    for (const std::string& m : soudes ? s.soudes : s.mots) table[m] |= s.famille;
  return table;
}

bool dans(const std::vector<std::string>& bloc, const std::string& mot) {
  return std::binary_search(bloc.begin(), bloc.end(), mot);
}

}  // namespace

std::size_t distance(const std::string& a, const std::string& b, std::size_t limite) {
  if ((a.size() > b.size() ? a.size() - b.size() : b.size() - a.size()) > limite) return limite + 1;
  std::vector<std::size_t> ligne(b.size() + 1), suivante(b.size() + 1);
  for (std::size_t j = 0; j <= b.size(); ++j) ligne[j] = j;
  for (std::size_t i = 1; i <= a.size(); ++i) {
    suivante[0] = i;
    std::size_t minimum = i;
    for (std::size_t j = 1; j <= b.size(); ++j) {
      suivante[j] = std::min({ligne[j] + 1, suivante[j - 1] + 1, ligne[j - 1] + (a[i - 1] != b[j - 1])});
      minimum = std::min(minimum, suivante[j]);
    }
    if (minimum > limite) return limite + 1;
    std::swap(ligne, suivante);
  }
  return std::min(ligne[b.size()], limite + 1);
}

std::vector<Groupe> groupesLongs(const std::vector<SourceLue>& sources, std::size_t& lemmesVus, std::size_t& jumeaux) {
  const auto familles = tableFamilles(sources, false), soudes = tableFamilles(sources, true);
  auto soutienDe = [&](const std::unordered_map<std::string, Familles>& table, const std::string& mot) {
    const auto it = table.find(mot);
    return it == table.end() ? 0 : nombreDeFamilles(it->second);
  };
  jumeaux = 0;
  std::vector<Groupe> groupes;
  // The lemmas, one per entry (word and po: fields) of either build.
  std::map<std::pair<std::string, std::string>, LemmeFusionne> parEntree;
  for (const SourceLue& s : sources)
    for (const Lemme& l : s.lemmes) {
      LemmeFusionne& f = parEntree[{l.mot, l.categorie}];
      if (f.lemme == nullptr || f.lemme->formes.size() < l.formes.size()) f.lemme = &l;
      f.classique = f.classique || s.nom == sourceClassique;
    }
  std::vector<LemmeFusionne> lemmes;
  lemmes.reserve(parEntree.size());
  for (auto& [entree, f] : parEntree) {
    std::string sansTirets;
    for (char ch : entree.first)
      if (ch != '-') sansTirets += ch;
    f.cle = plierMot(sansTirets).value_or(std::string());
    for (const std::string& forme : f.lemme->formes) f.soutien = std::max(f.soutien, soutienDe(familles, forme));
    lemmes.push_back(std::move(f));
  }
  lemmesVus = lemmes.size();

  // A reformed spelling ranks with its classical twin.
  std::map<std::pair<std::string_view, char>, std::vector<const LemmeFusionne*>> classiques;
  for (const LemmeFusionne& l : lemmes)
    if (l.classique && !l.cle.empty()) classiques[{l.lemme->categorie, l.cle[0]}].push_back(&l);
  std::vector<int> soutiens(lemmes.size());
  for (std::size_t i = 0; i < lemmes.size(); ++i) soutiens[i] = lemmes[i].soutien;
  for (std::size_t i = 0; i < lemmes.size(); ++i) {
    LemmeFusionne& l = lemmes[i];
    if (l.classique || l.cle.empty()) continue;
    int soude = 0;
    for (const std::string& forme : l.lemme->formes) soude = std::max(soude, soutienDe(soudes, forme));
    const LemmeFusionne* jumeau = nullptr;
    std::size_t meilleure = 3;
    if (const auto it = classiques.find({l.lemme->categorie, l.cle[0]}); it != classiques.end())
      for (const LemmeFusionne* autre : it->second) {
        const std::size_t d = distance(l.cle, autre->cle, 2);
        if (d < meilleure || (d == meilleure && jumeau != nullptr && autre->cle < jumeau->cle)) {
          meilleure = d;
          jumeau = autre;
        }
      }
    if (soude == 0 && jumeau == nullptr) continue;
    ++jumeaux;
    l.classique = true;
    soutiens[i] = std::max({l.soutien, soude, jumeau != nullptr ? jumeau->soutien : 0});
  }

  std::unordered_set<std::string> dansUnLemme;
  for (std::size_t i = 0; i < lemmes.size(); ++i) {
    const LemmeFusionne& l = lemmes[i];
    Groupe g;
    for (const std::string& forme : l.lemme->formes) {
      dansUnLemme.insert(forme);
      if (forme.size() >= 6) g.formes.push_back(forme);
    }
    if (g.formes.empty()) continue;
    const bool verbeRare = soutiens[i] == 1 && l.lemme->classe == Classe::verbe;
    g.rang = {-soutiens[i], 0, verbeRare ? 1 : 0, l.classique ? 0 : 1};
    g.nom = l.cle + '\t' + l.lemme->mot + '\t' + l.lemme->categorie;
    groupes.push_back(std::move(g));
  }
  for (const auto& [mot, f] : familles)
    if (mot.size() >= 6 && !dansUnLemme.contains(mot)) groupes.push_back({{mot}, {-nombreDeFamilles(f), 1, 0, 1}, mot});

  return groupes;
}

bool construire(const std::vector<SourceLue>& sources, const Decisions& decisions, bool essai, Construction& c,
                std::string& erreur) {
  c = {};
  const auto familles = tableFamilles(sources, false);
  std::array<std::vector<MotCourt>, 4> courts;
  for (const auto& [mot, f] : familles) {
    ++c.candidats[mot.size() - dicoLongueurMin];
    if (mot.size() <= 5) courts[mot.size() - 2].push_back({mot, f});
  }

  // Decided words that the sources only write in a form the filters drop.
  for (const auto& [mot, d] : decisions.tous()) {
    if (familles.contains(mot)) continue;
    const bool present = std::any_of(sources.begin(), sources.end(), [&](const SourceLue& s) {
      return std::binary_search(s.presents.begin(), s.presents.end(), mot);
    });
    if (present && mot.size() <= 5)
      courts[mot.size() - 2].push_back({mot, 0});
    else if (!present)
      c.absents.push_back(mot);
  }
  std::sort(c.absents.begin(), c.absents.end());
  for (std::size_t i = 0; i < courts.size(); ++i) {
    std::sort(courts[i].begin(), courts[i].end(), [](const MotCourt& a, const MotCourt& b) { return a.mot < b.mot; });
    if (!choisirCourts(courts[i], decisions, motsParLongueur[i], essai, c.courts[i])) {
      erreur = "pas assez de mots de " + std::to_string(i + 2) + " lettres";
      return false;
    }
    c.listes[i] = c.courts[i].mots;
  }

  std::vector<Groupe> groupes = groupesLongs(sources, c.lemmes, c.jumeaux);
  ChoixLongs longs;
  std::array<std::size_t, 4> places;
  for (std::size_t i = 0; i < 4; ++i) places[i] = motsParLongueur[i + 4];
  if (!choisirLongs(std::move(groupes), places, longs)) {
    erreur = "pas assez de mots de 6 \xC3\xA0 9 lettres";
    return false;
  }
  for (std::size_t i = 0; i < 4; ++i) c.listes[i + 4] = std::move(longs.mots[i]);
  c.groupesCoupes = longs.groupesCoupes;

  for (const auto& [mot, f] : familles) {
    if (mot.size() < 5 || mot.size() > 8 || !familles.contains(mot + 'S')) continue;
    const std::size_t i = mot.size() - dicoLongueurMin;
    if (dans(c.listes[i], mot) != dans(c.listes[i + 1], mot + 'S')) ++c.pairesCoupees;
  }
  return true;
}

}  // namespace irvad::dico
