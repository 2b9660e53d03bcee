// The Expert computer player: along whole seeded games with the real word
// list, every turn it takes is a sequence of actions a human player could
// take (its harvests, then its play, or a pass only when no play is left or
// when the pass ends the game with it ahead); that a seed gives one game is
// pinned by the scenarios duel.txt and jouer_niveaux.txt. Its level is a
// setting of the seat, never written into a saved game.
#include <gtest/gtest.h>

#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "Controles.h"
#include "JeuTest.h"

namespace irvad {
namespace {

struct Table {
  uint32_t joueurs;
  std::vector<Niveau> niveaux;
  std::vector<int32_t> tailles;
  std::vector<bool> deplacements;
  uint32_t graine;
};

class ExpertParties : public ::testing::Test {
 protected:
  void SetUp() override { IRVAD_EXIGER_LISTE(); }

  static void commencer(Jeu& jeu, const Table& t) {
    jeu.horloge = [] { return int64_t{1'700'000'000}; };
    Tablee tablee{t.joueurs, {}};
    for (uint32_t i = 0; i < nbJoueursMax; ++i) {
      const std::size_t k = i % t.joueurs;
      tablee.sieges.push_back({"Auto" + std::to_string(i + 1), true, t.deplacements[k], t.tailles[k], t.niveaux[k]});
    }
    jeu.graine(t.graine);
    ASSERT_TRUE(jeu.nouvellePartie(tablee));
  }

  // Plays the lines of one Expert turn (harvests, then a placement or a move,
  // or a pass) through the actions on `twin`, from `avant`; the first refusal,
  // "" for a play or a pass with no play left, "passe" for a pass while plays
  // were left.
  static std::string rejouer(Jeu& twin, const Position& avant, const std::vector<std::string>& lignes) {
    if (!twin.installer(avant)) return "position refusee";
    bool joue = false;
    for (std::size_t i = 0; i < lignes.size(); ++i) {
      const std::string& l = lignes[i];
      char lettre = 0;
      int x = 0, y = 0, xd = 0, yd = 0;
      Verdict v;
      if (std::sscanf(l.c_str(), "Gain %c (%d,%d)", &lettre, &x, &y) == 3) {
        v = twin.recolter(x, y);
      } else if (std::sscanf(l.c_str(), "Pose %c (%d,%d)", &lettre, &x, &y) == 3) {
        v = twin.prendre(lettre);
        if (v) v = twin.poser(x, y);
        joue = true;
      } else if (std::sscanf(l.c_str(), "D\xC3\xA9pl.%c (%d,%d)", &lettre, &x, &y) == 3 && i + 1 < lignes.size() &&
                 std::sscanf(lignes[i + 1].c_str(), "     ->(%d,%d)", &xd, &yd) == 2) {
        v = twin.deplacer(x, y, xd, yd);
        joue = true;
        ++i;
      } else {
        continue;
      }
      if (!v) return l + " : " + v.raison();
      if (joue) return {};
    }
    // No play: a pass, allowed only when no play is left to the Expert or
    // when it ends the game with the Expert ahead.
    const Position apresRecolte = twin.position();
    const std::vector<Conseil> coups = twin.conseils(10'000);
    const joueur& moi = apresRecolte.courant();
    bool reste = false;
    for (const Conseil& c : coups)
      reste = reste || !c.deplacement || (moi.deplacements && apresRecolte.tour >= 2);
    if (Verdict v = twin.passer(); !v) return "passe : " + v.raison();
    return reste ? "passe" : "";
  }
};

TEST_F(ExpertParties, ChaqueTourEstUnCoupPermis) {
  const std::vector<Table> tables = {
      {2, {Niveau::Expert, Niveau::Standard}, {9, 9}, {true, true}, 5},
      {2, {Niveau::Standard, Niveau::Expert}, {9, 9}, {true, true}, 6},
      {3, {Niveau::Expert, Niveau::Standard, Niveau::Expert}, {7, 9, 5}, {true, true, false}, 7},
      {6,
       {Niveau::Standard, Niveau::Expert, Niveau::Standard, Niveau::Standard, Niveau::Expert, Niveau::Standard},
       {5, 9, 5, 5, 6, 5},
       {true, true, false, true, true, true},
       8},
  };
  EcranNul nul;
  Jeu twin{nul};
  ASSERT_EQ(twin.chargerDico(IRVAD_LISTE), Dico::Resultat::Ok);
  twin.horloge = [] { return int64_t{1'700'000'000}; };

  std::size_t tours = 0, deplacements = 0, passesGagnantes = 0;
  for (const Table& t : tables) {
    SCOPED_TRACE(std::to_string(t.joueurs) + " joueurs, graine " + std::to_string(t.graine));
    test::EcranEnregistreur ecran;
    ecran.enregistrerAppels = false;
    Jeu jeu{ecran};
    jeu.dico = twin.dico;
    commencer(jeu, t);
    // A game is followed for 150 rounds at most: tokens may move to and fro
    // for ever. A pass while plays are left must end the game, the others
    // passing too, with the Expert ahead.
    std::optional<uint32_t> passeGagnante;
    while (jeu.position().enCours && jeu.position().tour < 150) {
      const Position avant = jeu.position();
      ASSERT_NE(passeGagnante, avant.joueurCourant) << "la partie continue apres une passe avec des coups jouables";
      const std::size_t deja = ecran.messages.size();
      jeu.tourAutomate();
      if (avant.courant().niveau != Niveau::Expert) continue;
      SCOPED_TRACE("tour " + std::to_string(avant.tour) + ", joueur " + std::to_string(avant.joueurCourant + 1));
      const std::vector<std::string> lignes(ecran.messages.begin() + static_cast<std::ptrdiff_t>(deja),
                                            ecran.messages.end());
      const std::string r = rejouer(twin, avant, lignes);
      if (r == "passe")
        passeGagnante = avant.joueurCourant;
      else
        ASSERT_EQ(r, "");
      ASSERT_EQ(controle::etat(twin.position()), controle::etat(jeu.position()));
      ++tours;
      for (const std::string& l : lignes) deplacements += l.rfind("     ->", 0) == 0;
    }
    EXPECT_FALSE(jeu.position().enCours);
    if (passeGagnante) {
      const Position& q = jeu.position();
      for (uint32_t i = 0; i < q.nbJoueurs; ++i)
        EXPECT_TRUE(i == *passeGagnante || q.joueurs[i].score < q.joueurs[*passeGagnante].score) << i;
      ++passesGagnantes;
    }
  }
  EXPECT_GT(tours, 100u);
  EXPECT_GT(deplacements, 0u);
  EXPECT_GT(passesGagnantes, 0u);
}

// The level goes with the seat's settings: the set-up gives it, undo and loads
// keep the one the seat has, and a saved game is the same byte for byte
// whatever the levels.
class NiveauDuSiege : public test::JeuTest {};

TEST_F(NiveauDuSiege, ReglageDuSiegeHorsDeLaPartieEnregistree) {
  mots({"AR", "RA", "ART"});
  partie(2, 2, 0, {{5, 5, 'A', 2, 1}, {5, 6, 'R', 1, 2}}, {false, true});
  Tablee t = jeu.tablee();
  t.sieges[1].niveau = Niveau::Expert;
  ASSERT_TRUE(jeu.reglerJoueurs(t));
  EXPECT_EQ(joueurNo(1).niveau, Niveau::Expert);

  const std::string dossier = test::dossierTemporaire();
  ASSERT_TRUE(jeu.enregistrerPartie(dossier + "expert.ivd"));
  t.sieges[1].niveau = Niveau::Standard;
  ASSERT_TRUE(jeu.reglerJoueurs(t));
  ASSERT_TRUE(jeu.enregistrerPartie(dossier + "standard.ivd"));
  EXPECT_EQ(test::lire(dossier + "expert.ivd"), test::lire(dossier + "standard.ivd"));

  // A load keeps the seat's level.
  t.sieges[1].niveau = Niveau::Expert;
  ASSERT_TRUE(jeu.reglerJoueurs(t));
  ASSERT_TRUE(jeu.chargerPartie(dossier + "standard.ivd"));
  EXPECT_EQ(joueurNo(1).niveau, Niveau::Expert);

  // Undo keeps the level the seat has now.
  ASSERT_TRUE(jeu.continuer());
  ASSERT_TRUE(jeu.passer());
  t.sieges[1].niveau = Niveau::Standard;
  ASSERT_TRUE(jeu.reglerJoueurs(t));
  ASSERT_TRUE(jeu.annuler(Retour::Action));
  EXPECT_EQ(std::pair(pos().joueurCourant, joueurNo(1).niveau), std::pair(0u, Niveau::Standard));
}

// Player 1 has passed: a pass of the Expert ends the game. It passes when that
// leaves it ahead, and plays its word (LE) when it is behind.
TEST_F(NiveauDuSiege, LExpertNeFinitLaPartieEnPassantQueDevant) {
  mots({"LE", "EL"});
  for (const bool devant : {true, false}) {
    SCOPED_TRACE(devant ? "devant" : "derriere");
    partie(2, 3, 1, {{0, 0, 'A', 1, 1}, {5, 5, 'E', 1, 2}}, {false, true});
    Tablee t = jeu.tablee();
    t.sieges[1].niveau = Niveau::Expert;
    ASSERT_TRUE(jeu.reglerJoueurs(t));
    changer([devant](Position& p) {
      p.plateau.nbPasses = 1;
      p.joueurs[devant ? 1 : 0].score = 10;
    });
    ASSERT_TRUE(jeu.tourAutomate());
    EXPECT_EQ(pos().enCours, !devant);
    EXPECT_EQ(joueurNo(1).score, devant ? 10 : 2);
  }
}

}  // namespace
}  // namespace irvad
