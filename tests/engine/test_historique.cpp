// Undo and redo: the positions and the log lines they take back and give
// again, how far each goes, and what they leave as it is. One action at a
// time through irvad-cli is the scenario annuler.txt.
#include <string>
#include <vector>

#include "JeuTest.h"

namespace irvad {
namespace {

using Lignes = std::vector<std::string>;

class Historique : public test::JeuTest {
 protected:
  void SetUp() override { mots({"LA", "AS", "ES", "SE", "ET", "TE"}); }
  // Round 1 after the opening, player `courant` to play.
  void ouverture(uint32_t courant, std::vector<bool> automates = {}) {
    partie(2, 1, courant, {{0, 0, 'A', 0, 1}, {10, 10, 'E', 0, 2}}, automates);
  }
};

TEST_F(Historique, UneActionAnnuleeRendLaPositionEtLeJournalExactementEtSeRetablitALIdentique) {
  ouverture(0);
  std::vector<std::pair<Position, Lignes>> etapes = {{pos(), {}}};
  ASSERT_TRUE(jeu.prendre('L') && jeu.poser(0, 1));  // LA
  etapes.push_back({pos(), ecran.messages});
  ASSERT_TRUE(jeu.passer());
  etapes.push_back({pos(), ecran.messages});
  ASSERT_TRUE(jeu.prendre('S') && jeu.poser(1, 0));  // AS, down from the A
  const Position fin = pos();
  const Lignes tout = ecran.messages;
  for (int k = 2; k >= 0; --k) {
    ASSERT_TRUE(jeu.annuler(Retour::Action));
    EXPECT_TRUE(pos() == etapes[k].first) << k;
    EXPECT_EQ(ecran.messages, etapes[k].second) << k;
  }
  EXPECT_EQ(jeu.annuler(Retour::Action).refus(), Refus::RienAAnnuler);

  // Redo writes the same lines again and reaches the same position, with no
  // search, score or record made again.
  ecran.oublier();
  while (jeu.peutRetablir(Retour::Action)) ASSERT_TRUE(jeu.retablir(Retour::Action));
  EXPECT_EQ(ecran.messages, tout);
  EXPECT_TRUE(pos() == fin);
  EXPECT_TRUE(ecran.appelsDe("mettreAJourRecords").empty());
  EXPECT_TRUE(ecran.appelsDe("ajouterMessageEtAttendre").empty());
}

TEST_F(Historique, DansLaFenetreAnnulerRevientAuDebutDuTourHumainAvecLesCoupsDeLOrdinateur) {
  // Player 1 human, player 2 the computer.
  ouverture(0, {false, true});
  ASSERT_TRUE(jeu.continuer());
  const Position debut = pos();
  heure += 30;
  ASSERT_TRUE(jeu.prendre('L') && jeu.poser(0, 1));
  ASSERT_TRUE(jeu.tourAutomate());
  const Position secondTour = pos();
  const Lignes lignes = ecran.messages;
  ASSERT_TRUE(jeu.prendre('S'));  // a letter in hand is given back by the undo
  EXPECT_FALSE(jeu.peutRetablir(Retour::TourHumain));

  // The position of the turn's start, with no letter in hand; its turn
  // starts again, timed from now, and the time already spent stays.
  ASSERT_TRUE(jeu.annuler(Retour::TourHumain));
  Position attendue = debut;
  attendue.plateau.chronoDebut = heure;
  attendue.joueurs[0].temps = 30.0;
  EXPECT_TRUE(pos() == attendue);
  EXPECT_TRUE(ecran.messages.empty());
  EXPECT_EQ(ecran.appels.back(), "demarrerTour()");
  EXPECT_FALSE(jeu.peutAnnuler(Retour::TourHumain));

  ASSERT_TRUE(jeu.retablir(Retour::TourHumain));
  EXPECT_TRUE(pos().plateau == secondTour.plateau);
  EXPECT_EQ(ecran.messages, lignes);
  EXPECT_EQ(std::pair(pos().joueurCourant, pos().tour), std::pair(0u, 2u));

  // A new play after an undo drops what could be redone.
  ASSERT_TRUE(jeu.annuler(Retour::Action));
  ASSERT_TRUE(jeu.passer());
  EXPECT_FALSE(jeu.peutRetablir(Retour::Action));
}

TEST_F(Historique, SansSiegeHumainLaFinDePartieSAnnuleEtUnChargementRepartDeZero) {
  // Without a human seat, undo takes back one computer turn, which then waits.
  ouverture(0, {true, true});
  jeu.graine(3);
  ASSERT_TRUE(jeu.tourAutomate());
  ASSERT_TRUE(jeu.tourAutomate());
  ASSERT_TRUE(jeu.annuler(Retour::TourHumain));
  EXPECT_EQ(pos().joueurCourant, 1u);
  EXPECT_FALSE(pos().plateau.chronoActif);
  EXPECT_TRUE(ecran.continuerActif);

  ouverture(1);
  changer([](Position& p) { p.plateau.nbPasses = 1; });
  ASSERT_TRUE(jeu.passer());
  EXPECT_FALSE(pos().enCours);
  ASSERT_TRUE(jeu.annuler(Retour::TourHumain));
  EXPECT_TRUE(pos().enCours && pos().joueurCourant == 1u && ecran.messages.empty());
  ASSERT_TRUE(jeu.retablir(Retour::TourHumain));
  EXPECT_FALSE(pos().enCours);
  EXPECT_EQ(ecran.messages.at(1), "*** FIN DE JEU ***");

  const std::string fichier = test::dossierTemporaire() + "partie.ivd";
  ASSERT_TRUE(jeu.annuler(Retour::TourHumain));
  ASSERT_TRUE(jeu.enregistrerPartie(fichier));
  ASSERT_TRUE(jeu.chargerPartie(fichier));
  EXPECT_FALSE(jeu.peutAnnuler(Retour::Action) || jeu.peutRetablir(Retour::Action));
}

}  // namespace
}  // namespace irvad
