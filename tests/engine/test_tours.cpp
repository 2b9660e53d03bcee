// The turn sequence: rounds, passes across rounds, the two ends of a game, the
// ranking lines and the play-offs.
#include <gtest/gtest.h>

#include "EcranEnregistreur.h"
#include "Jeu.h"

namespace irvad {
namespace {

using Lignes = std::vector<std::string>;

class Tours : public ::testing::Test {
 protected:
  test::EcranEnregistreur ecran;
  Jeu jeu{ecran};
  int64_t maintenant = 1'700'000'000;

  void SetUp() override { jeu.horloge = [this] { return maintenant; }; }

  void partie(uint32_t n) {
    jeu.nbJoueurs = n;
    for (uint32_t i = 0; i < n; ++i) {
      auto [x, y] = Jeu::sommetDe(i, n);
      jeu.joueurs[i].placerSommet(x, y);
    }
    jeu.nouvellePartie();
    ecran.oublier();
  }
  // The current player passes, as the menu command or the automaton does.
  void passer() {
    jeu.plateau.nbPasses += 1;
    jeu.finDeTour();
  }
  bool finAnnoncee() const { return !ecran.appelsDe("boiteMessage(Tous les joueurs").empty(); }
  bool partieFinie() const { return !ecran.appelsDe("ajouterMessage(*** FIN DE JEU ***").empty(); }
};

TEST_F(Tours, UnTourSeTermineParLesLignesDuTourEtDuJoueurSuivant) {
  partie(6);
  jeu.joueurs[3].nom = "Joueur 4";
  jeu.joueurs[4].automate = true;
  jeu.joueurCourant = 2;
  jeu.tour = 3;
  jeu.demarrerChrono();
  maintenant += 7;
  jeu.finDeTour();
  EXPECT_EQ(jeu.joueurs[2].temps, 7.0);
  EXPECT_EQ(jeu.joueurCourant, 3u);
  EXPECT_EQ(jeu.tour, 3u);
  EXPECT_EQ(ecran.messages, (Lignes{"", "ROUGE: Joueur 4"}));
  EXPECT_TRUE(ecran.passerActif);
  EXPECT_TRUE(jeu.plateau.chronoActif);  // a human's clock starts at once
  EXPECT_EQ(ecran.appels.back(), "demarrerTour()");
  EXPECT_EQ(ecran.appelsDe("dessinerReserve"), (Lignes{"dessinerReserve(3)"}));

  // The next one is a computer: its clock waits for its search.
  ecran.oublier();
  jeu.finDeTour();
  EXPECT_FALSE(ecran.passerActif);
  EXPECT_FALSE(jeu.plateau.chronoActif);
  EXPECT_EQ(ecran.messages, (Lignes{"", "MAGENTA: Joueur 5"}));

  // The last player of a round wraps to player 0 with the round line.
  jeu.joueurCourant = 5;
  jeu.plateau.nbPasses = 2;
  ecran.oublier();
  jeu.finDeTour();
  EXPECT_EQ(jeu.tour, 4u);
  EXPECT_EQ(jeu.joueurCourant, 0u);
  EXPECT_EQ(jeu.plateau.nbPasses, 0);
  EXPECT_EQ(ecran.messages, (Lignes{"", "Tour n°4", "", "BLEU: Joueur 1"}));
  EXPECT_EQ(ecran.appelsDe("mettreAJourScores").size(), 1u);
}

TEST_F(Tours, LesPassesNeComptentQueDansLeurTour) {
  partie(3);
  jeu.tour = 1;
  jeu.joueurCourant = 2;
  passer();  // the last of round 1
  EXPECT_EQ(jeu.tour, 2u);
  passer();
  passer();  // two passes at the start of round 2: three in a row, but over two rounds
  EXPECT_FALSE(partieFinie());
  EXPECT_EQ(jeu.joueurCourant, 2u);
  EXPECT_EQ(jeu.plateau.nbPasses, 2);
  ecran.oublier();
  passer();  // the third pass of round 2
  EXPECT_TRUE(finAnnoncee());
  EXPECT_TRUE(partieFinie());
  EXPECT_EQ(jeu.tour, 2u);
  EXPECT_EQ(jeu.joueurCourant, 2u);
  EXPECT_EQ(ecran.appelsDe("demarrerTour").size(), 0u);
}

TEST_F(Tours, UnPlateauPleinFinitLaPartieSansLeMessageDesPasses) {
  partie(2);
  jeu.tour = 9;
  jeu.joueurCourant = 0;
  jeu.plateau.casesLibres = 0;
  jeu.finDeTour();
  EXPECT_TRUE(partieFinie());
  EXPECT_FALSE(finAnnoncee());
  EXPECT_EQ(jeu.joueurCourant, 0u);
}

TEST_F(Tours, DeuxJoueursDonnentUnQualifieEtUneSeuleQuestion) {
  partie(2);
  jeu.joueurs[1].nom = "Zo\xE9";  // Zoé
  jeu.joueurs[1].score = 7;
  jeu.caseEn(5, 5) = {0, 0, 'A', 4, 2};
  jeu.caseEn(5, 6) = {0, 0, 'B', 8, 2};
  jeu.caseEn(0, 0) = {0, 0, 'C', 1, 1};
  jeu.mettreAJourScores();
  ecran.reponses = {Reponse::Oui};
  ecran.oublier();
  jeu.plateau.nbPasses = 2;
  jeu.joueurCourant = 1;
  jeu.finDeTour();
  EXPECT_EQ(ecran.messages, (Lignes{"", "*** FIN DE JEU ***", "", "Qualifié Pts j. p.", "------------------",
                                    "Zoé      007 02 12", "------------------"}));
  EXPECT_EQ(ecran.appelsDe("ajouterMessageEtAttendre"), (Lignes{"ajouterMessageEtAttendre(------------------)"}));
  EXPECT_EQ(ecran.appelsDe("boiteMessage"),
            (Lignes{"boiteMessage(Tous les joueurs ont passé leur tour !,FIN DE JEU)",
                    "boiteMessage(Voulez-vous sauvegarder le déroulement de la fin de partie ?,Fin de jeu)"}));
  EXPECT_EQ(ecran.appelsDe("sauverMessagesSous").size(), 1u);
  EXPECT_EQ(ecran.appelsDe("activerContinuer"), (Lignes{"activerContinuer(0)"}));
  EXPECT_EQ(jeu.nbJoueurs, 2u);
  EXPECT_FALSE(jeu.enCours);
}

TEST_F(Tours, SixJoueursClassesParScoreJetonsPuisValeursVontEnDemiFinale) {
  partie(6);
  for (int i = 0; i < 6; ++i) jeu.joueurs[i].nom = std::string("J") + static_cast<char>('a' + i);
  jeu.joueurs[3].automate = true;
  jeu.joueurs[3].tailleMax = 8;
  jeu.joueurs[3].deplacements = false;
  // Players 1, 3 and 5 share the best score; 3 and 5 have two tokens, 5's worth more;
  // players 0 and 2 tie on everything and stay in index order.
  for (int i : {1, 3, 5}) jeu.joueurs[i].score = 20;
  jeu.caseEn(1, 1) = {0, 0, 'A', 1, 4};
  jeu.caseEn(1, 2) = {0, 0, 'A', 1, 4};
  jeu.caseEn(2, 1) = {0, 0, 'E', 2, 6};
  jeu.caseEn(2, 2) = {0, 0, 'E', 2, 6};
  jeu.caseEn(3, 3) = {0, 0, 'S', 9, 2};
  jeu.plateau.casesLibres = 86;
  jeu.mettreAJourScores();
  ecran.reponses = {Reponse::Non, Reponse::Oui};
  ecran.oublier();
  jeu.joueurCourant = 5;
  jeu.plateau.nbPasses = 6;
  jeu.finDeTour();

  const auto& appels = ecran.appels;
  auto position = [&](const std::string& debut) {
    for (std::size_t i = 0; i < appels.size(); ++i)
      if (appels[i].rfind(debut, 0) == 0) return i;
    return appels.size();
  };
  EXPECT_LT(position("ajouterMessage(Jf       020 02 04)"), position("ajouterMessage(Jd       020 02 02)"));
  EXPECT_LT(position("ajouterMessage(Jd       020 02 02)"), position("ajouterMessage(Jb       020 01 09)"));
  EXPECT_EQ(position("ajouterMessage(Ja"), appels.size());
  EXPECT_EQ(ecran.appelsDe("boiteMessage(Voulez-vous faire la ½ finale ?,Fin de jeu)").size(), 1u);
  EXPECT_EQ(ecran.appelsDe("sauverMessagesSous").size(), 0u);

  // The semi-final: the three best in ranking order, on vertices 0, 2 and 4.
  EXPECT_EQ(jeu.nbJoueurs, 3u);
  EXPECT_EQ(jeu.joueurCourant, 0u);
  EXPECT_EQ(jeu.tour, 0u);
  EXPECT_TRUE(jeu.enCours);
  const std::pair<int, int> attendus[] = {{0, 0}, {10, 5}, {5, 10}};
  const char* noms[] = {"Jf", "Jd", "Jb"};
  for (int k = 0; k < 3; ++k) {
    const joueur& j = jeu.joueurs[k];
    EXPECT_EQ(j.nom, noms[k]);
    EXPECT_EQ(std::pair(j.sommetX, j.sommetY), attendus[k]);
    EXPECT_EQ(j.score, 0);
    EXPECT_EQ(j.lettres[0], 26);
    EXPECT_EQ(j.temps, 0.0);
  }
  EXPECT_TRUE(jeu.joueurs[1].automate);
  EXPECT_EQ(jeu.joueurs[1].tailleMax, 8);
  EXPECT_FALSE(jeu.joueurs[1].deplacements);
  EXPECT_EQ(jeu.plateau.casesLibres, 91);
  EXPECT_EQ(jeu.caseEn(3, 3).proprietaire, 0);
  EXPECT_EQ(ecran.messages, (Lignes{"Tour n°0", "", "BLEU: Jf"}));
  EXPECT_TRUE(ecran.passerActif);
  EXPECT_TRUE(jeu.plateau.chronoActif);
  EXPECT_EQ(ecran.appels.back(), "demarrerTour()");

  // The semi-final ends in its turn: two qualifiers, the question of the final.
  ecran.reponses = {Reponse::Non, Reponse::Oui};
  jeu.joueurs[2].score = 5;
  jeu.mettreAJourScores();
  ecran.oublier();
  jeu.plateau.casesLibres = 0;
  jeu.finDeTour();
  EXPECT_EQ(ecran.appelsDe("boiteMessage(Voulez-vous faire la finale ?,Fin de jeu)").size(), 1u);
  EXPECT_EQ(jeu.nbJoueurs, 2u);
  EXPECT_EQ(jeu.joueurs[0].nom, "Jb");
  EXPECT_EQ(jeu.joueurs[1].nom, "Jf");
  EXPECT_EQ(std::pair(jeu.joueurs[1].sommetX, jeu.joueurs[1].sommetY), (std::pair{10, 10}));
}

TEST_F(Tours, UnRefusDeLaFinaleLaisseLaPartieFinie) {
  partie(3);
  jeu.joueurs[2].score = 3;
  jeu.mettreAJourScores();
  ecran.reponses = {Reponse::Non, Reponse::Non};
  jeu.plateau.casesLibres = 0;
  jeu.joueurCourant = 1;
  jeu.finDeTour();
  EXPECT_EQ(ecran.appelsDe("boiteMessage(Voulez-vous faire la finale ?").size(), 1u);
  EXPECT_EQ(jeu.nbJoueurs, 3u);
  EXPECT_EQ(jeu.joueurs[2].score, 3);
  EXPECT_EQ(ecran.appelsDe("demarrerTour").size(), 0u);
  // Two qualifiers listed, the best first.
  EXPECT_EQ(ecran.messages.at(5), "Joueur 3 003 00 00");
  EXPECT_EQ(ecran.messages.at(6), "Joueur 1 000 00 00");
}

}  // namespace
}  // namespace irvad
