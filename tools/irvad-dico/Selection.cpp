#include "Selection.h"

#include <algorithm>

namespace irvad::dico {

std::vector<std::size_t> repartir(std::size_t m, std::size_t n) {
  std::vector<std::size_t> places;
  places.reserve(n);
  for (std::size_t i = 0; i < n; ++i) places.push_back((2 * i + 1) * m / (2 * n));
  return places;
}

std::vector<std::string> choisir(std::vector<Candidat> candidats, std::size_t n) {
  // most sources first, then alphabetical
  std::sort(candidats.begin(), candidats.end(), [](const Candidat& a, const Candidat& b) {
    return a.sources != b.sources ? a.sources > b.sources : a.mot < b.mot;
  });
  std::vector<std::string> choix;
  choix.reserve(std::min(n, candidats.size()));
  std::size_t debut = 0;
  while (debut < candidats.size() && choix.size() < n) {
    std::size_t fin = debut;
    while (fin < candidats.size() && candidats[fin].sources == candidats[debut].sources) ++fin;
    const std::size_t taille = fin - debut;
    const std::size_t reste = n - choix.size();
    if (taille <= reste) {
      for (std::size_t k = debut; k < fin; ++k) choix.push_back(std::move(candidats[k].mot));
    } else {
      for (std::size_t place : repartir(taille, reste)) choix.push_back(std::move(candidats[debut + place].mot));
    }
    debut = fin;
  }
  std::sort(choix.begin(), choix.end());
  return choix;
}

bool choisirListes(const std::array<std::vector<Candidat>, dicoNbLongueurs>& candidats, ListeMots& listes,
                   std::string& erreur) {
  ListeMots choix;
  std::string manques;
  for (std::size_t i = 0; i < dicoNbLongueurs; ++i) {
    if (candidats[i].size() < motsParLongueur[i]) {
      if (!manques.empty()) manques += ", ";
      manques += std::to_string(i + dicoLongueurMin) + " lettres : " + std::to_string(candidats[i].size()) +
                 " mots pour " + std::to_string(motsParLongueur[i]) + " (il en manque " +
                 std::to_string(motsParLongueur[i] - candidats[i].size()) + ")";
      continue;
    }
    choix[i] = choisir(candidats[i], motsParLongueur[i]);
  }
  if (!manques.empty()) {
    erreur = "pas assez de mots : " + manques;
    return false;
  }
  listes = std::move(choix);
  return true;
}

}  // namespace irvad::dico
