// Undo and redo: the positions and the log lines they take back and give
// again, how far each goes, and what they leave as it is.
#include <string>
#include <vector>

#include "JeuTest.h"

namespace irvad {
namespace {

using Lignes = std::vector<std::string>;

class Historique : public test::JeuTest {
 protected:
  void SetUp() override { mots({"LA", "AS", "ES", "SE", "ET", "TE"}); }
};

TEST_F(Historique, UneActionAnnuleeRendLaPositionEtLeJournalExactementEtSeRetablitALIdentique) {
  partie(2, 1, 0, {{0, 0, 'A', 0, 1}, {10, 10, 'E', 0, 2}});
  const Position debut = pos();
  ASSERT_TRUE(jeu.prendre('L'));
  ASSERT_TRUE(jeu.poser(0, 1));  // LA
  const Position apresLA = pos();
  const Lignes lignesLA = ecran.messages;
  ASSERT_TRUE(jeu.passer());
  ASSERT_TRUE(jeu.prendre('S'));
  ASSERT_TRUE(jeu.poser(1, 0));  // AS, down from the A
  const Position fin = pos();
  const Lignes tout = ecran.messages;

  ASSERT_TRUE(jeu.annuler(Retour::Action));
  ASSERT_TRUE(jeu.annuler(Retour::Action));
  EXPECT_TRUE(pos().plateau == apresLA.plateau);
  EXPECT_EQ(ecran.messages, lignesLA);
  ASSERT_TRUE(jeu.annuler(Retour::Action));
  EXPECT_TRUE(pos().plateau == debut.plateau);
  EXPECT_EQ(pos().joueurs[0].lettres, debut.joueurs[0].lettres);
  EXPECT_TRUE(ecran.messages.empty());
  EXPECT_EQ(jeu.annuler(Retour::Action).refus(), Refus::RienAAnnuler);

  // Redo writes the same lines again and reaches the same position, with no
  // search, score or record made again.
  ecran.oublier();
  while (jeu.peutRetablir(Retour::Action)) ASSERT_TRUE(jeu.retablir(Retour::Action));
  EXPECT_EQ(ecran.messages, tout);
  EXPECT_TRUE(pos().plateau == fin.plateau);
  EXPECT_EQ(pos().joueurs[0].score, fin.joueurs[0].score);
  EXPECT_TRUE(ecran.appelsDe("mettreAJourRecords").empty());
  EXPECT_TRUE(ecran.appelsDe("ajouterMessageEtAttendre").empty());

  // A new play after an undo drops what could be redone.
  ASSERT_TRUE(jeu.annuler(Retour::Action));
  ASSERT_TRUE(jeu.passer());
  EXPECT_FALSE(jeu.peutRetablir(Retour::Action));
}

TEST_F(Historique, DansLaFenetreAnnulerRevientAuDebutDuTourHumainAvecLesCoupsDeLOrdinateur) {
  // Player 1 human, player 2 the computer, in round 1 after the opening.
  partie(2, 1, 0, {{0, 0, 'A', 0, 1}, {10, 10, 'E', 0, 2}}, {false, true});
  ASSERT_TRUE(jeu.continuer());
  const Position debut = pos();
  heure += 30;
  ASSERT_TRUE(jeu.prendre('L'));
  ASSERT_TRUE(jeu.poser(0, 1));
  ASSERT_TRUE(jeu.tourAutomate());
  const Position secondTour = pos();
  const Lignes lignes = ecran.messages;
  ASSERT_TRUE(jeu.prendre('S'));  // a letter in hand is given back by the undo
  EXPECT_FALSE(jeu.peutRetablir(Retour::TourHumain));

  ASSERT_TRUE(jeu.annuler(Retour::TourHumain));
  EXPECT_TRUE(pos().plateau.cases[0][1] == cellule{});
  EXPECT_EQ(pos().joueurCourant, 0u);
  EXPECT_EQ(pos().lettreEnMain, 0);
  EXPECT_EQ(pos().joueurs[0].lettres, debut.joueurs[0].lettres);
  EXPECT_EQ(pos().joueurs[1].lettres, debut.joueurs[1].lettres);
  EXPECT_TRUE(ecran.messages.empty());
  // Its turn starts again, timed from now; the time already spent stays.
  EXPECT_TRUE(pos().plateau.chronoActif);
  EXPECT_EQ(pos().plateau.chronoDebut, heure);
  EXPECT_EQ(pos().joueurs[0].temps, 30.0);
  EXPECT_EQ(ecran.appels.back(), "demarrerTour()");
  EXPECT_FALSE(jeu.peutAnnuler(Retour::TourHumain));

  ASSERT_TRUE(jeu.retablir(Retour::TourHumain));
  EXPECT_TRUE(pos().plateau == secondTour.plateau);
  EXPECT_EQ(ecran.messages, lignes);
  EXPECT_EQ(pos().joueurCourant, 0u);
  EXPECT_EQ(pos().tour, 2u);
}

TEST_F(Historique, SansSiegeHumainAnnulerReprendUnTourDeLOrdinateurQuiAttendContinuer) {
  partie(2, 1, 0, {{0, 0, 'A', 0, 1}, {10, 10, 'E', 0, 2}}, {true, true});
  jeu.graine(3);
  ASSERT_TRUE(jeu.tourAutomate());
  ASSERT_TRUE(jeu.tourAutomate());
  ASSERT_TRUE(jeu.annuler(Retour::TourHumain));
  EXPECT_EQ(pos().joueurCourant, 1u);
  EXPECT_FALSE(pos().plateau.chronoActif);  // the computer's turn waits
  EXPECT_TRUE(ecran.continuerActif);
}

TEST_F(Historique, LaFinDePartieSAnnuleEtUnChargementRepartDeZero) {
  partie(2, 1, 1, {{0, 0, 'A', 0, 1}, {10, 10, 'E', 0, 2}});
  changer([](Position& p) { p.plateau.nbPasses = 1; });
  ASSERT_TRUE(jeu.passer());
  EXPECT_FALSE(pos().enCours);
  ASSERT_TRUE(jeu.annuler(Retour::TourHumain));
  EXPECT_TRUE(pos().enCours);
  EXPECT_EQ(pos().joueurCourant, 1u);
  EXPECT_TRUE(ecran.messages.empty());
  ASSERT_TRUE(jeu.retablir(Retour::TourHumain));
  EXPECT_FALSE(pos().enCours);
  EXPECT_EQ(ecran.messages.at(1), "*** FIN DE JEU ***");

  const std::string fichier = test::dossierTemporaire() + "partie.ivd";
  ASSERT_TRUE(jeu.annuler(Retour::TourHumain));
  ASSERT_TRUE(jeu.enregistrerPartie(fichier));
  ASSERT_TRUE(jeu.chargerPartie(fichier));
  EXPECT_FALSE(jeu.peutAnnuler(Retour::Action));
  EXPECT_FALSE(jeu.peutRetablir(Retour::Action));
}

}  // namespace
}  // namespace irvad
