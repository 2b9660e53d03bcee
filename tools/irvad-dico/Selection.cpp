#include "Selection.h"

#include <algorithm>
#include <unordered_set>

namespace irvad::dico {
namespace {

// Puts the elements of each run of equal keys (the vector being sorted by
// key, then by name) in ordreEtale.
template <typename T, typename Cle>
void etalerEgaux(std::vector<T>& v, Cle cle) {
  std::size_t debut = 0;
  while (debut < v.size()) {
    std::size_t fin = debut + 1;
    while (fin < v.size() && cle(v[fin]) == cle(v[debut])) ++fin;
    std::vector<T> run;
    run.reserve(fin - debut);
    for (std::size_t k : ordreEtale(fin - debut)) run.push_back(std::move(v[debut + k]));
    std::move(run.begin(), run.end(), v.begin() + static_cast<std::ptrdiff_t>(debut));
    debut = fin;
  }
}

}  // namespace

std::vector<std::size_t> ordreEtale(std::size_t m) {
  std::vector<std::size_t> ordre;
  ordre.reserve(m);
  int bits = 0;
  while ((std::size_t{1} << bits) < m) ++bits;
  for (std::size_t i = 0; i < (std::size_t{1} << bits); ++i) {
    std::size_t r = 0;
    for (int b = 0; b < bits; ++b)
      if (i >> b & 1) r |= std::size_t{1} << (bits - 1 - b);
    if (r < m) ordre.push_back(r);
  }
  return ordre;
}

std::vector<std::string> etaler(const std::vector<std::string>& mots, std::size_t n) {
  std::vector<std::string> choix;
  for (std::size_t k : ordreEtale(mots.size())) {
    if (choix.size() == n) break;
    choix.push_back(mots[k]);
  }
  std::sort(choix.begin(), choix.end());
  return choix;
}

bool choisirCourts(const std::vector<MotCourt>& candidats, const Decisions& decisions, std::size_t n, bool essai,
                   ChoixCourts& choix) {
  std::vector<MotCourt> reels, sansRaison;
  std::vector<std::pair<std::size_t, std::string>> refuses;
  choix = {};
  for (const MotCourt& c : candidats) {
    const bool hunspell = c.familles & familleHunspell;
    if (const Decision* d = decisions.trouver(c.mot)) {
      if (d->accepte)
        reels.push_back(c);
      else
        refuses.emplace_back(d->rang, c.mot);
      continue;
    }
    if (c.familles == 0) continue;
    const std::size_t l = c.mot.size();
    if (l <= 3 || (l == 4 && (nombreDeFamilles(c.familles) < 3 || !hunspell)) || (l == 5 && !hunspell))
      choix.aRevoir.push_back(c.mot);
    (hunspell ? reels : sansRaison).push_back(c);
  }
  const auto cle = [](const MotCourt& c) {
    return std::pair{-nombreDeFamilles(c.familles), (c.familles & familleHunspell) ? 0 : 1};
  };
  for (auto* v : {&reels, &sansRaison}) {
    std::sort(v->begin(), v->end(), [&](const MotCourt& a, const MotCourt& b) {
      return cle(a) != cle(b) ? cle(a) < cle(b) : a.mot < b.mot;
    });
    etalerEgaux(*v, cle);
  }
  std::sort(refuses.begin(), refuses.end());
  std::sort(choix.aRevoir.begin(), choix.aRevoir.end());

  auto prendre = [&](const std::string& mot, bool refuse) {
    if (choix.mots.size() == n) return;
    choix.mots.push_back(mot);
    if (refuse) choix.bouchons.push_back(mot);
  };
  if (essai)
    for (const auto& [rang, mot] : refuses) prendre(mot, true);
  for (const auto* v : {&reels, &sansRaison})
    for (const MotCourt& c : *v) prendre(c.mot, false);
  if (!essai)
    for (const auto& [rang, mot] : refuses) prendre(mot, true);
  std::sort(choix.mots.begin(), choix.mots.end());
  return choix.mots.size() == n;
}

bool choisirLongs(std::vector<Groupe> groupes, const std::array<std::size_t, 4>& places, ChoixLongs& choix) {
  std::sort(groupes.begin(), groupes.end(), [](const Groupe& a, const Groupe& b) {
    return a.rang != b.rang ? a.rang < b.rang : a.nom < b.nom;
  });
  etalerEgaux(groupes, [](const Groupe& g) { return g.rang; });

  std::array<std::size_t, 4> libres = places;
  std::unordered_set<std::string> pris;
  choix = {};
  auto prendre = [&](const std::string& f) {
    pris.insert(f);
    --libres[f.size() - 6];
    choix.mots[f.size() - 6].push_back(f);
  };
  std::vector<const Groupe*> restes;
  for (const Groupe& g : groupes) {
    std::array<std::size_t, 4> besoin{};
    for (const std::string& f : g.formes)
      if (!pris.contains(f)) ++besoin[f.size() - 6];
    bool tient = true;
    for (std::size_t i = 0; i < 4; ++i) tient = tient && besoin[i] <= libres[i];
    if (!tient) {
      restes.push_back(&g);
      continue;
    }
    for (const std::string& f : g.formes)
      if (!pris.contains(f)) prendre(f);
  }
  for (const Groupe* g : restes) {
    bool entre = false, coupe = false;
    for (const std::string& f : g->formes) {
      if (pris.contains(f)) continue;
      if (libres[f.size() - 6] > 0) {
        prendre(f);
        entre = true;
      } else {
        coupe = true;
      }
    }
    if (entre && coupe) ++choix.groupesCoupes;
  }
  for (auto& bloc : choix.mots) std::sort(bloc.begin(), bloc.end());
  return std::all_of(libres.begin(), libres.end(), [](std::size_t l) { return l == 0; });
}

}  // namespace irvad::dico
