// The turn sequence: rounds and the turn timer, a new game, the ends of a
// game, the ranking lines and the play-offs. The log lines of a new turn and
// a new round are in every scenario; passes counted within their round are
// passes.txt.
#include <set>
#include <string>
#include <vector>

#include "JeuTest.h"

namespace irvad {
namespace {

using Lignes = std::vector<std::string>;

class Tours : public test::JeuTest {
 protected:
  // Names, scores and extra tokens for the position in place.
  void regler(const std::vector<std::string>& noms, const std::vector<int32_t>& scores,
              std::initializer_list<test::Jeton> jetons = {}) {
    Tablee t = jeu.tablee();
    for (std::size_t i = 0; i < noms.size(); ++i) t.sieges[i].nom = noms[i];
    ASSERT_TRUE(jeu.reglerJoueurs(t));
    changer([&](Position& p) {
      for (std::size_t i = 0; i < scores.size(); ++i) p.joueurs[i].score = scores[i];
      for (const auto& j : jetons) p.poserJeton(j.x, j.y, j.lettre, j.valeur, j.proprietaire);
    });
    ecran.oublier();
  }
};

TEST_F(Tours, UnTourSeTermineParLesLignesDuJoueurSuivantEtDonneSonTempsAuJoueurQuiFinit) {
  partie(6, 3, 2, {}, {false, false, false, false, true});
  ASSERT_TRUE(jeu.continuer());
  EXPECT_EQ(pos().plateau.chronoDebut, heure);
  heure += 7;
  EXPECT_EQ(jeu.texteTemps(2), "00:07");  // the running turn shows
  EXPECT_EQ(jeu.texteTemps(1), "00:00");
  EXPECT_EQ(jeu.texteTemps(9), "00:00");  // no such player
  ecran.oublier();
  ASSERT_TRUE(jeu.passer());
  EXPECT_EQ(std::tuple(joueurNo(2).temps, pos().joueurCourant, pos().tour), std::tuple(7.0, 3u, 3u));
  EXPECT_EQ(ecran.appelsDe("dessinerReserve"), (Lignes{"dessinerReserve(3)"}));
  // A human's clock starts at once.
  EXPECT_TRUE(ecran.passerActif && pos().plateau.chronoActif);
  EXPECT_EQ(pos().plateau.chronoDebut, heure);
  EXPECT_EQ(ecran.appels.back(), "demarrerTour()");

  // The next one is a computer: its clock waits for its turn to be played.
  ASSERT_TRUE(jeu.passer());
  EXPECT_FALSE(ecran.passerActif || pos().plateau.chronoActif);
  // With no word to form it passes; the last player of the round wraps to
  // player 1 with the round line.
  ASSERT_TRUE(jeu.tourAutomate());
  ecran.oublier();
  ASSERT_TRUE(jeu.passer());
  EXPECT_EQ(std::tuple(pos().tour, pos().joueurCourant, pos().plateau.nbPasses), std::tuple(4u, 0u, 0));
  EXPECT_EQ(ecran.appelsDe("mettreAJourScores").size(), 1u);

  // A loaded game is not timed until it goes on, and the time before the
  // load is not counted.
  const std::string fichier = test::dossierTemporaire() + "partie.ivd";
  ASSERT_TRUE(jeu.enregistrerPartie(fichier));
  heure += 100;
  ASSERT_TRUE(jeu.chargerPartie(fichier));
  EXPECT_FALSE(pos().plateau.chronoActif);
  heure += 100;
  ASSERT_TRUE(jeu.passer());
  EXPECT_EQ(joueurNo(0).temps, 0.0);
  changer([](Position& p) { p.joueurs[1].temps = 100 * 60 + 5.9; });
  EXPECT_EQ(jeu.texteTemps(1), "100:05");  // minutes past 99, seconds cut
}

TEST_F(Tours, UneNouvellePartieGardeLesReglagesEtRemetLesStocks) {
  Tablee t{3, {}};
  for (int i = 0; i < 6; ++i) t.sieges.push_back({"N" + std::to_string(i), i % 2 == 1, i % 3 == 0, 5 + i % 5});
  ASSERT_TRUE(jeu.nouvellePartie(t));
  changer([](Position& p) {
    p.poserJeton(5, 5, 'E', 4, 2);
    p.joueurs[1].score = 41;
    p.fixerStock(1, 'E', 0);
    p.plateau.nbPasses = 2;
    p.tour = 7;
  });
  ecran.oublier();
  ASSERT_TRUE(jeu.nouvellePartie());
  EXPECT_EQ(std::tuple(pos().nbJoueurs, pos().tour, pos().plateau.casesLibres, pos().plateau.nbPasses),
            std::tuple(3u, 0u, 91, 0));
  for (int i = 0; i < 6; ++i) {
    const joueur& j = joueurNo(i);
    EXPECT_EQ(std::tuple(j.nom, j.automate, j.deplacements, j.tailleMax, j.score, j.lettres[0]),
              std::tuple("N" + std::to_string(i), i % 2 == 1, i % 3 == 0, 5 + i % 5, 0, 26));
  }
  EXPECT_EQ(std::pair(joueurNo(2).sommetX, joueurNo(2).sommetY), Jeu::sommetDe(2, 3));
  EXPECT_EQ(Jeu::sommetDe(7, 6), Jeu::sommets[0]);  // no such seat
  EXPECT_EQ(ecran.messages, (Lignes{"Tour n°0", "", "BLEU: N0"}));
  EXPECT_FALSE(ecran.appelsDe("dessinerPlateau").empty());
  EXPECT_EQ(ecran.appels.back(), "demarrerTour()");

  // The seats' settings are checked before anything changes (a name too
  // long is erreurs.txt's).
  t.nombre = 4;
  EXPECT_EQ(jeu.nouvellePartie(t).refus(), Refus::NombreDeJoueurs);
  t.nombre = 2;
  EXPECT_EQ(jeu.reglerJoueurs(t).refus(), Refus::NombreFixe);  // not during a game
  ASSERT_TRUE(jeu.nouvellePartie(t));
  EXPECT_EQ(pos().nbJoueurs, 2u);
  // Seats the set-up leaves unnamed still open at vertices of their own.
  ASSERT_TRUE(jeu.nouvellePartie(Tablee{6, {}}));
  std::set<std::pair<int32_t, int32_t>> sommets;
  for (int i = 0; i < 6; ++i) sommets.insert({joueurNo(i).sommetX, joueurNo(i).sommetY});
  EXPECT_EQ(sommets.size(), 6u);
}

TEST_F(Tours, UnPlateauPleinFinitLaPartieSansLeMessageDesPasses) {
  partie(2, 9, 0);
  changer([](Position& p) {
    for (int x = 0; x < tailleGrille; ++x)
      for (int y = p.plateau.ligneMin[x]; y <= p.plateau.ligneMax[x]; ++y) p.poserJeton(x, y, 'E', 1, 1 + (x + y) % 2);
  });
  EXPECT_EQ(pos().plateau.casesLibres, 0);
  ecran.oublier();
  ASSERT_TRUE(jeu.passer());
  EXPECT_FALSE(ecran.appelsDe("ajouterMessage(*** FIN DE JEU ***").empty());
  EXPECT_TRUE(ecran.appelsDe("boiteMessage(Tous les joueurs").empty());
  EXPECT_TRUE(ecran.appelsDe("demarrerTour").empty());
  EXPECT_EQ(jeu.passer().refus(), Refus::PartieFinie);
}

// The log of a game of two that ends is jouer_2.txt's; here, what the windows get.
TEST_F(Tours, DeuxJoueursDonnentUneSeuleQuestion) {
  partie(2, 1, 0);
  ecran.reponses = {Reponse::Oui};
  ASSERT_TRUE(jeu.passer());
  ASSERT_TRUE(jeu.passer());
  EXPECT_EQ(ecran.appelsDe("ajouterMessageEtAttendre"), (Lignes{"ajouterMessageEtAttendre(------------------)"}));
  EXPECT_EQ(ecran.appelsDe("boiteMessage"),
            (Lignes{"boiteMessage(Tous les joueurs ont passé leur tour !,FIN DE JEU)",
                    "boiteMessage(Voulez-vous sauvegarder le déroulement de la fin de partie ?,Fin de jeu)"}));
  EXPECT_EQ(ecran.appelsDe("sauverMessagesSous").size(), 1u);
  EXPECT_EQ(ecran.appelsDe("activerContinuer"), (Lignes{"activerContinuer(0)"}));
  EXPECT_FALSE(pos().enCours);
}

TEST_F(Tours, SixJoueursClassesParScoreJetonsPuisValeursVontEnDemiFinalePuisEnFinale) {
  partie(6, 4, 5, {}, {false, false, false, true});
  Tablee t = jeu.tablee();
  t.sieges[3].tailleMax = 8;
  t.sieges[3].deplacements = false;
  ASSERT_TRUE(jeu.reglerJoueurs(t));
  // Players 2, 4 and 6 share the best score; 4 and 6 have two tokens, 6's
  // worth more; players 1 and 3 tie on everything and stay in seat order.
  regler({"Ja", "Jb", "Jc", "Jd", "Je", "Jf"}, {0, 20, 0, 20, 0, 20},
         {{1, 1, 'A', 1, 4}, {1, 2, 'A', 1, 4}, {2, 1, 'E', 2, 6}, {2, 2, 'E', 2, 6}, {3, 3, 'S', 9, 2}});
  EXPECT_EQ(pos().classement, (std::array<int32_t, 6>{5, 3, 1, 0, 2, 4}));
  changer([](Position& p) { p.plateau.nbPasses = 5; });
  ecran.reponses = {Reponse::Non, Reponse::Oui};
  ecran.oublier();
  ASSERT_TRUE(jeu.passer());
  // The log of the game's end, before the play-off clears it.
  const Lignes fin = ecran.appelsDe("ajouterMessage(");
  ASSERT_GE(fin.size(), 8u);
  EXPECT_EQ(Lignes(fin.begin() + 5, fin.begin() + 8),
            (Lignes{"ajouterMessage(Jf       020 02 04)", "ajouterMessage(Jd       020 02 02)",
                    "ajouterMessage(Jb       020 01 09)"}));
  EXPECT_EQ(ecran.appelsDe("boiteMessage(Voulez-vous faire la ½ finale ?,Fin de jeu)").size(), 1u);
  EXPECT_EQ(ecran.appelsDe("sauverMessagesSous").size(), 0u);

  // The semi-final: the three best in ranking order, on vertices 0, 2 and 4,
  // with their settings; the log starts again. A play-off is a game of its own.
  EXPECT_EQ(std::tuple(pos().nbJoueurs, pos().joueurCourant, pos().tour, pos().plateau.casesLibres),
            std::tuple(3u, 0u, 0u, 91));
  const std::tuple<std::string, int32_t, int32_t> qualifies[] = {{"Jf", 0, 0}, {"Jd", 10, 5}, {"Jb", 5, 10}};
  for (int k = 0; k < 3; ++k) {
    const joueur& j = joueurNo(k);
    EXPECT_EQ(std::tuple(j.nom, j.sommetX, j.sommetY), qualifies[k]);
    EXPECT_EQ(std::pair(j.score, j.lettres[0]), std::pair(0, 26));
  }
  EXPECT_EQ(std::tuple(joueurNo(1).automate, joueurNo(1).tailleMax, joueurNo(1).deplacements),
            std::tuple(true, 8, false));
  EXPECT_EQ(ecran.messages, (Lignes{"Tour n°0", "", "BLEU: Jf"}));
  EXPECT_TRUE(pos().enCours && pos().plateau.chronoActif && !jeu.peutAnnuler(Retour::Action));
  EXPECT_EQ(ecran.appels.back(), "demarrerTour()");

  // It ends with two qualifiers and the question of the final: refused, the
  // game stays over; accepted, the final starts.
  Position p = pos();
  p.tour = 3;
  p.joueurCourant = 2;
  p.plateau.nbPasses = 2;
  p.joueurs[2].score = 5;
  ASSERT_TRUE(jeu.installer(p));
  ecran.reponses = {Reponse::Non, Reponse::Non};
  ecran.oublier();
  ASSERT_TRUE(jeu.passer());
  EXPECT_EQ(ecran.appelsDe("boiteMessage(Voulez-vous faire la finale ?,Fin de jeu)").size(), 1u);
  EXPECT_FALSE(pos().enCours);
  EXPECT_TRUE(ecran.appelsDe("demarrerTour").empty());

  ASSERT_TRUE(jeu.installer(p));
  ecran.reponses = {Reponse::Non, Reponse::Oui};
  ASSERT_TRUE(jeu.passer());
  EXPECT_EQ(pos().nbJoueurs, 2u);
  EXPECT_EQ(std::tuple(joueurNo(0).nom, joueurNo(1).nom, joueurNo(1).sommetX, joueurNo(1).sommetY),
            std::tuple("Jb", "Jf", 10, 10));
}

}  // namespace
}  // namespace irvad
