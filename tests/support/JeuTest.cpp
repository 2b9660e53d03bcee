#include "JeuTest.h"

namespace irvad::test {

void JeuTest::partie(uint32_t n, uint32_t tour, uint32_t courant, std::initializer_list<Jeton> jetons,
                     std::vector<bool> automates) {
  Tablee t{n, {}};
  for (uint32_t i = 0; i < nbJoueursMax; ++i)
    t.sieges.push_back({"Joueur " + std::to_string(i + 1), i < automates.size() && automates[i], true, 5});
  ASSERT_TRUE(jeu.nouvellePartie(t));
  Position p = jeu.position();
  p.tour = tour;
  p.joueurCourant = courant;
  for (const Jeton& j : jetons) p.poserJeton(j.x, j.y, j.lettre, j.valeur, j.proprietaire);
  const Verdict v = jeu.installer(p);
  ASSERT_TRUE(v) << v.raison();
  ecran.oublier();
}

void JeuTest::changer(const std::function<void(Position&)>& f) {
  Position p = jeu.position();
  f(p);
  const Verdict v = jeu.installer(p);
  ASSERT_TRUE(v) << v.raison();
}

void JeuTest::stock(uint32_t j, std::initializer_list<std::pair<char, int32_t>> lettres) {
  changer([&](Position& p) {
    for (int32_t l = 'A'; l <= 'Z'; ++l) p.fixerStock(j, l, 0);
    for (auto [l, n] : lettres) p.fixerStock(j, l, n);
  });
}

}  // namespace irvad::test
