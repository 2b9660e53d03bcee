#include "Coherence.h"

namespace irvad {

namespace {

std::string nombre(int64_t n) { return std::to_string(n); }

// The opening round: the players before the current one have each put one
// letter of their stock on their own vertex; the others have not played yet,
// so their vertex is empty and their stock whole. Nobody passes in it.
std::string incoherenceOuverture(const VuePosition& p) {
  if (p.nbPasses != 0) return "passes " + nombre(p.nbPasses) + " au tour 0";
  for (uint32_t i = 0; i < p.nbJoueurs; ++i) {
    const joueur& j = p.joueurs[i];
    const std::string qui = "joueur " + nombre(i + 1) + " au tour 0 : ";
    for (uint32_t k = 0; k < i; ++k)
      if (p.joueurs[k].sommetX == j.sommetX && p.joueurs[k].sommetY == j.sommetY)
        return qui + "meme sommet que le joueur " + nombre(k + 1);
    const cellule& s = p.cases[j.sommetX][j.sommetY];
    const bool aJoue = i < p.joueurCourant;
    if (!aJoue && s.lettre != 0) return qui + "sommet deja pris";
    if (aJoue && s.proprietaire != static_cast<int32_t>(i) + 1) return qui + "sommet sans sa lettre";
    for (int l = 1; l <= 26; ++l) {
      const int32_t attendu = aJoue && s.lettre == l + 64 ? 0 : 1;
      if (j.lettres[l] != attendu)
        return qui + "stock de " + std::string(1, static_cast<char>(l + 64)) + " " + nombre(j.lettres[l]) +
               (aJoue ? " apres sa premiere lettre" : " avant sa premiere lettre");
    }
  }
  return {};
}

}  // namespace

std::string incoherence(const VuePosition& p) {
  const uint32_t n = p.nbJoueurs;
  if (n != 2 && n != 3 && n != 6) return "nombre de joueurs " + nombre(n);
  if (p.joueurs.size() < n || p.cases == nullptr) return "position incomplete";
  if (p.joueurCourant >= n) return "joueur courant " + nombre(p.joueurCourant);
  // The passes of the round in progress: at most one per player who has
  // played in it, or all of them in a game that ended because everyone
  // passed (the last player is still the current one).
  const bool tousOntPasse = p.joueurCourant + 1 == n && p.nbPasses == static_cast<int32_t>(n);
  if (p.nbPasses < 0 || (p.nbPasses > static_cast<int32_t>(p.joueurCourant) && !tousOntPasse))
    return "passes " + nombre(p.nbPasses) + " avant le joueur " + nombre(p.joueurCourant + 1);

  static const Plateau plateau;
  for (uint32_t i = 0; i < n; ++i) {
    const joueur& j = p.joueurs[i];
    const std::string qui = "joueur " + nombre(i + 1) + " : ";
    int64_t somme = 0;
    for (int k = 1; k <= 26; ++k) {
      if (j.lettres[k] < 0) return qui + "stock negatif";
      somme += j.lettres[k];
    }
    if (somme != j.lettres[0])
      return qui + "total du stock " + nombre(j.lettres[0]) + " pour " + nombre(somme) + " lettres";
    if (!plateau.valide(j.sommetX, j.sommetY)) return qui + "sommet hors du plateau";
    if (j.tailleMax < 2 || j.tailleMax > 9) return qui + "taille " + nombre(j.tailleMax);
    if (j.nom.size() > 9) return qui + "nom de " + nombre(static_cast<int64_t>(j.nom.size())) + " caracteres";
  }

  int32_t libres = 0;
  for (int x = 0; x < tailleGrille; ++x)
    for (int y = 0; y < tailleGrille; ++y) {
      const cellule& k = p.cases[x][y];
      const std::string ou = "case " + nombre(x) + "," + nombre(y) + " : ";
      if (!plateau.valide(x, y)) {
        if (k.lettre != 0 || k.proprietaire != 0 || k.valeur != 0) return ou + "jeton hors de l'hexagone";
        continue;
      }
      if (k.lettre != 0 && (k.lettre < 'A' || k.lettre > 'Z')) return ou + "lettre " + nombre(k.lettre);
      if (k.proprietaire < 0 || k.proprietaire > static_cast<int32_t>(n))
        return ou + "proprietaire " + nombre(k.proprietaire);
      if ((k.lettre == 0) != (k.proprietaire == 0)) return ou + "lettre et proprietaire ne vont pas ensemble";
      if (k.valeur < 0 || (k.lettre == 0 && k.valeur != 0)) return ou + "valeur " + nombre(k.valeur);
      libres += k.lettre == 0;
    }
  if (libres != p.casesLibres)
    return "cases libres " + nombre(p.casesLibres) + " pour " + nombre(libres) + " cases vides";

  if (p.tour == 0) return incoherenceOuverture(p);
  return {};
}

std::string incoherence(const Position& p) {
  return incoherence(VuePosition{p.nbJoueurs, p.joueurCourant, p.tour, p.joueurs, p.plateau.cases,
                                 p.plateau.casesLibres, p.plateau.nbPasses});
}

}  // namespace irvad
