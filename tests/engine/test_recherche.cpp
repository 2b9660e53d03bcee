// The computer player's fast search against the plain one, with the real word
// list: on the saved positions of bench/corpus and along whole seeded games,
// the same plays in the same order with the same keys, the same board and memo
// left behind, hence the same draw and the same play. The graph of words that
// the fast search reads holds exactly the real list's words.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "DicoTest.h"
#include "EcranEnregistreur.h"
#include "Jeu.h"

namespace irvad {
namespace {

std::string texte(const Candidat& c) {
  std::ostringstream o;
  o << "(" << c.x << "," << c.y << ") lettre " << c.lettre;
  if (c.xs >= 0) o << " depuis (" << c.xs << "," << c.ys << ") d=" << c.d;
  return o.str();
}

// The first difference between two search results, or "" when they agree.
std::string difference(const Recherche& simple, const Recherche& rapide) {
  std::ostringstream o;
  const Cle& a = simple.meilleure;
  const Cle& b = rapide.meilleure;
  if (a != b)
    o << "meilleure cle " << a.points << "/" << a.bonus << "/" << a.pris << " contre " << b.points << "/" << b.bonus
      << "/" << b.pris << "; ";
  if (simple.dernierPlacement != rapide.dernierPlacement)
    o << "dernier placement " << simple.dernierPlacement << " contre " << rapide.dernierPlacement << "; ";
  const std::size_t n = std::min(simple.candidats.size(), rapide.candidats.size());
  for (std::size_t i = 0; i < n; ++i)
    if (!(simple.candidats[i] == rapide.candidats[i])) {
      o << "candidat " << i << " : " << texte(simple.candidats[i]) << " contre " << texte(rapide.candidats[i]);
      return o.str();
    }
  if (simple.candidats.size() != rapide.candidats.size())
    o << simple.candidats.size() << " candidats contre " << rapide.candidats.size();
  return o.str();
}

// The first cell, memo included, where two boards differ, or "".
std::string differencePlateau(const Plateau& a, const Plateau& b) {
  for (int x = 0; x < tailleGrille; ++x)
    for (int y = 0; y < tailleGrille; ++y) {
      const cellule& c = a.cases[x][y];
      const cellule& d = b.cases[x][y];
      if (c.lettre != d.lettre || c.valeur != d.valeur || c.proprietaire != d.proprietaire || c.visite != d.visite ||
          c.distance != d.distance)
        return "case (" + std::to_string(x) + "," + std::to_string(y) + ")";
    }
  if (a.cibleX != b.cibleX || a.cibleY != b.cibleY) return "cible du chemin";
  if (a.distancesValides != b.distancesValides) return "distancesValides";
  if (a.casesLibres != b.casesLibres || a.nbPasses != b.nbPasses) return "compteurs";
  return {};
}

// The tokens only (the memo aside).
bool memesJetons(const Plateau& a, const Plateau& b) {
  for (int x = 0; x < tailleGrille; ++x)
    for (int y = 0; y < tailleGrille; ++y) {
      const cellule& c = a.cases[x][y];
      const cellule& d = b.cases[x][y];
      if (c.lettre != d.lettre || c.valeur != d.valeur || c.proprietaire != d.proprietaire) return false;
    }
  return true;
}

std::string differenceJoueurs(const Position& a, const Position& b) {
  for (uint32_t i = 0; i < a.nbJoueurs; ++i) {
    if (a.joueurs[i].score != b.joueurs[i].score) return "score du joueur " + std::to_string(i + 1);
    if (a.joueurs[i].lettres != b.joueurs[i].lettres) return "stock du joueur " + std::to_string(i + 1);
  }
  if (a.joueurCourant != b.joueurCourant || a.tour != b.tour || a.enCours != b.enCours) return "tour";
  return {};
}

class RechercheRapide : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!std::filesystem::exists(IRVAD_LISTE)) {
      if (IRVAD_LISTE_CONSTRUITE) {
        FAIL() << "liste de mots absente : " << IRVAD_LISTE;
      }
      GTEST_SKIP() << "liste de mots non construite (IRVAD_DICO=OFF)";
    }
  }

  // A game object with the real list and a fixed clock.
  static void preparer(Jeu& jeu) {
    ASSERT_EQ(jeu.chargerDico(IRVAD_LISTE), Dico::Resultat::Ok);
    jeu.horloge = [] { return int64_t{1'700'000'000}; };
  }

  // Both searches from the same state; the first difference in the plays or in
  // the board they leave, or "".
  static std::string comparerRecherches(Jeu& jeu) {
    const Position avant = jeu.position();
    const Recherche simple = jeu.rechercher(false);
    if (!memesJetons(jeu.position().plateau, avant.plateau)) return "la recherche simple a change le plateau";
    const Plateau apresSimple = jeu.position().plateau;
    jeu.installer(avant);
    const Recherche rapide = jeu.rechercher(true);
    const Plateau apresRapide = jeu.position().plateau;
    jeu.installer(avant);
    if (const auto d = difference(simple, rapide); !d.empty()) return d;
    if (const auto d = differencePlateau(apresSimple, apresRapide); !d.empty()) return "apres recherche : " + d;
    return {};
  }

  // One turn of the computer player on both games, the first with the fast
  // search, the second with the plain one; the first difference in what the
  // turn showed and changed, or "".
  static std::string comparerTours(Jeu& rapide, test::EcranEnregistreur& er, Jeu& simple,
                                   test::EcranEnregistreur& es) {
    er.oublier();
    es.oublier();
    rapide.tourAutomate();
    simple.tourAutomate();
    if (er.appels != es.appels) {
      const auto [a, b] = std::mismatch(er.appels.begin(), er.appels.end(), es.appels.begin(), es.appels.end());
      return "ecran : " + (a == er.appels.end() ? std::string("(fin)") : *a) + " contre " +
             (b == es.appels.end() ? std::string("(fin)") : *b);
    }
    if (const auto d = differencePlateau(rapide.position().plateau, simple.position().plateau); !d.empty())
      return "plateau : " + d;
    return differenceJoueurs(rapide.position(), simple.position());
  }
};

std::vector<std::filesystem::path> positions() {
  std::vector<std::filesystem::path> r;
  for (const auto& e : std::filesystem::directory_iterator(IRVAD_CORPUS))
    if (e.path().extension() == ".ivd") r.push_back(e.path());
  std::sort(r.begin(), r.end());
  return r;
}

TEST_F(RechercheRapide, LeGrapheLitExactementLesMotsDeLaListe) {
  test::EcranEnregistreur ecran;
  Jeu jeu{ecran};
  preparer(jeu);
  const GrapheMots& g = jeu.dico.graphe();
  int32_t mots = 0;
  for (int L = 2; L <= 9; ++L)
    for (int32_t k = 0; k < jeu.dico.nombreMots(L); ++k, ++mots) {
      std::string m(jeu.dico.mot(L, k), static_cast<std::size_t>(L));
      ASSERT_TRUE(g.contient(m.c_str(), L)) << m;
      // Each letter in turn changed: words and not words alike.
      char& c = m[static_cast<std::size_t>(k % L)];
      c = static_cast<char>('A' + (c - 'A' + 1 + k % 25) % 26);
      ASSERT_EQ(g.contient(m.c_str(), L), jeu.dico.contient(m.c_str(), L)) << m;
    }
  EXPECT_EQ(mots, 154874);
  EXPECT_LT(g.octets(), std::size_t{4} << 20);
}

TEST_F(RechercheRapide, MemesCoupsSurLesPositionsDuCorpus) {
  const auto fichiers = positions();
  ASSERT_GE(fichiers.size(), 20u) << "corpus incomplet dans " << IRVAD_CORPUS;
  test::EcranEnregistreur ecran, ecranSimple;
  ecran.enregistrerAppels = false;
  Jeu jeu{ecran};
  preparer(jeu);
  Jeu jumeau{ecranSimple};
  preparer(jumeau);
  jumeau.automateRapide = false;

  // The corpus must reach what the fast search does differently.
  std::size_t avecDeplacement = 0, exAequo = 0;
  for (const auto& f : fichiers)
    for (const int32_t taille : {5, 9})
      for (const bool deplacements : {false, true}) {
        const std::string cas = f.filename().string() + " taille " + std::to_string(taille) +
                                (deplacements ? " avec" : " sans") + " deplacements";
        SCOPED_TRACE(cas);
        ASSERT_TRUE(jeu.chargerPartie(f.string()));
        Tablee t = jeu.tablee();
        t.sieges[jeu.position().joueurCourant].tailleMax = taille;
        t.sieges[jeu.position().joueurCourant].deplacements = deplacements;
        ASSERT_TRUE(jeu.reglerJoueurs(t));
        ASSERT_EQ(comparerRecherches(jeu), "");
        const Recherche r = jeu.rechercher(true);
        if (r.dernierPlacement + 1 < static_cast<int32_t>(r.candidats.size())) ++avecDeplacement;
        if (r.candidats.size() >= 2) ++exAequo;

        // The same draw and the same play, from the same position and seed.
        ASSERT_TRUE(jumeau.installer(jeu.position()));
        ASSERT_TRUE(jumeau.reglerJoueurs(jeu.tablee()));
        jeu.graine(1234);
        jumeau.graine(1234);
        ecran.enregistrerAppels = ecranSimple.enregistrerAppels = true;
        ASSERT_EQ(comparerTours(jeu, ecran, jumeau, ecranSimple), "");
        ecran.enregistrerAppels = false;
      }
  EXPECT_GT(avecDeplacement, 0u);
  EXPECT_GT(exAequo, 0u);
}

// Whole games of 2, 3 and 6 computer players with mixed settings, played side by
// side with each search: at every turn both searches agree, and both games show
// and do the same.
TEST_F(RechercheRapide, MemesPartiesDuDebutALaFin) {
  std::mt19937 reglages(20260407);
  for (const uint32_t n : {2u, 3u, 6u})
    for (uint32_t graine = 1; graine <= 4; ++graine) {
      test::EcranEnregistreur er, es;
      Jeu rapide{er}, simple{es};
      preparer(rapide);
      preparer(simple);
      simple.automateRapide = false;
      Tablee t{n, {}};
      for (uint32_t i = 0; i < nbJoueursMax; ++i) {
        const int32_t taille = 5 + static_cast<int32_t>(reglages() % 5);
        const bool deplacements = reglages() % 4 != 0;
        t.sieges.push_back({"Auto" + std::to_string(i + 1), true, deplacements, taille});
      }
      rapide.nouvellePartie(t);
      simple.nouvellePartie(t);
      rapide.graine(graine * 7919);
      simple.graine(graine * 7919);
      int tours = 0;
      // Tokens may move to and fro for ever once the stocks are empty: a game is
      // followed for 400 turns at most.
      for (; rapide.position().enCours && tours < 400; ++tours) {
        SCOPED_TRACE(std::to_string(n) + " joueurs, graine " + std::to_string(graine) + ", tour " +
                     std::to_string(rapide.position().tour) + ", joueur " +
                     std::to_string(rapide.position().joueurCourant + 1));
        if (rapide.position().tour >= 1) {
          ASSERT_EQ(comparerRecherches(rapide), "");
        }
        ASSERT_EQ(comparerTours(rapide, er, simple, es), "");
      }
      EXPECT_GT(tours, static_cast<int>(3 * n));
    }
}

// Small lists and hand-made boards, without the real list.
class RechercheListes : public ::testing::Test {
 protected:
  test::EcranEnregistreur ecran;
  Jeu jeu{ecran};

  // Two players in round 2, player 1 to play, tokens around (5,5).
  void position(Jeu& j) {
    Tablee t{2, {}};
    for (uint32_t i = 0; i < 2; ++i) t.sieges.push_back({"J" + std::to_string(i + 1), true, true, 9});
    j.nouvellePartie(t);
    Position p = j.position();
    p.tour = 2;
    p.joueurCourant = 0;
    const std::vector<std::tuple<int, int, char, int32_t, int32_t>> jetons = {
        {5, 5, 'A', 3, 1}, {5, 6, 'R', 1, 2}, {4, 4, 'T', 2, 1}, {6, 5, 'E', 1, 1}, {5, 3, 'S', 4, 2}};
    for (const auto& [x, y, l, v, q] : jetons) p.poserJeton(x, y, l, v, q);
    ASSERT_TRUE(j.installer(p));
  }

  static std::string comparer(Jeu& j) {
    const Position avant = j.position();
    const Recherche simple = j.rechercher(false);
    const Plateau apresSimple = j.position().plateau;
    j.installer(avant);
    const Recherche rapide = j.rechercher(true);
    const Plateau apresRapide = j.position().plateau;
    j.installer(avant);
    if (simple.candidats.empty()) return "aucun coup : le cas ne montre rien";
    if (const auto d = difference(simple, rapide); !d.empty()) return d;
    return differencePlateau(apresSimple, apresRapide);
  }
};

// The graph built from one list must not answer for the next one, loaded into
// the same object; another object loaded with the same letters finds the same plays.
TEST_F(RechercheListes, LeGrapheSuitLaListeChargee) {
  const std::vector<std::string> premiers = {"CAR", "ARC", "RAT", "TA", "ES", "ART", "ETAT"};
  const std::vector<std::string> seconds = {"AU", "RUE", "ARE", "SUR", "TAS", "TE", "USE"};
  test::chargerMots(jeu.dico, premiers);
  position(jeu);
  ASSERT_EQ(comparer(jeu), "");
  const std::vector<Candidat> avec1 = jeu.rechercher(true).candidats;

  test::chargerMots(jeu.dico, seconds);
  ASSERT_EQ(comparer(jeu), "");
  EXPECT_NE(jeu.rechercher(true).candidats, avec1);

  test::EcranEnregistreur autreEcran;
  Jeu autre{autreEcran};
  ASSERT_EQ(autre.dico.charger(test::fichierDico(premiers), nullptr), Dico::Resultat::Ok);
  position(autre);
  ASSERT_EQ(comparer(autre), "");
  EXPECT_EQ(autre.rechercher(true).candidats, avec1);
}

// A list cut short, whose search by halving no longer finds the words it still
// holds, is read by the fast search exactly as by the plain one.
TEST_F(RechercheListes, ListeTronquee) {
  const std::vector<std::string> mots = {"AR", "TA", "ES", "RAT", "ART", "TAS", "ARTS"};
  const std::string chemin = test::fichierDico(mots);
  std::filesystem::resize_file(chemin, 40);  // 30 words of two letters, then nothing
  ASSERT_EQ(jeu.dico.charger(chemin, nullptr), Dico::Resultat::ErreurLecture);
  ASSERT_EQ(std::string(jeu.dico.mot(2, 0), 2), "AR");
  ASSERT_FALSE(jeu.dico.contient("AR", 2));
  position(jeu);
  const Position avant = jeu.position();
  const Recherche simple = jeu.rechercher(false);
  jeu.installer(avant);
  EXPECT_EQ(difference(simple, jeu.rechercher(true)), "");
}

}  // namespace
}  // namespace irvad
