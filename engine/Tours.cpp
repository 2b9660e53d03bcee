// The turn sequence: end of a turn, rounds and passes, end of a game with its
// ranking, and the play-offs (semi-final of three, final of two).
#include <algorithm>
#include <string>
#include <vector>

#include "Jeu.h"
#include "Textes.h"

namespace irvad {

void Jeu::finDeTour() {
  arreterChrono();
  const bool dernierDuTour = joueurCourant + 1 >= nbJoueurs;
  const bool tousOntPasse = dernierDuTour && plateau.nbPasses == static_cast<int32_t>(nbJoueurs);
  if (plateau.casesLibres == 0 || tousOntPasse) {
    if (plateau.casesLibres != 0)
      ecran.boiteMessage(textes::tousOntPasse, textes::titreFinDeJeu, Icone::Information, Boutons::Ok);
    finDePartie();
    return;
  }
  if (dernierDuTour) ++tour;
  joueurCourant = (joueurCourant + 1) % nbJoueurs;
  ecran.activerPasserSonTour(!courant().automate);
  if (joueurCourant == 0) {
    plateau.nbPasses = 0;
    ecran.ajouterMessage(textes::ligneVide, false);
    ecran.ajouterMessage(textes::ligneTour(tour), false);
    mettreAJourScores();
  }
  ecran.ajouterMessage(textes::ligneVide, false);
  ecran.ajouterMessage(textes::ligneJoueur(static_cast<int>(joueurCourant), courant().nom), false);
  ecran.dessinerReserve(courant());
  if (!courant().automate) demarrerChrono();
  ecran.demarrerTour();
}

void Jeu::finDePartie() {
  enCours = false;
  const uint32_t q = qualifies();
  ecran.activerContinuer(false);
  ecran.ajouterMessage(textes::ligneVide, false);
  ecran.ajouterMessage(textes::finDeJeu, false);
  ecran.ajouterMessage(textes::ligneVide, false);
  ecran.ajouterMessage(textes::enteteQualifies, false);
  ecran.ajouterMessage(textes::filetQualifies, false);
  for (uint32_t k = 0; k < q; ++k) {
    const int32_t p = classement[k];
    if (p < 0 || p >= nbJoueursMax) continue;
    ecran.ajouterMessage(textes::ligneQualifie(joueurs[p].nom, joueurs[p].score, jetons[p], pointsJetons[p]),
                         false);
  }
  ecran.ajouterMessageEtAttendre(textes::filetQualifies, false);

  if (ecran.boiteMessage(textes::questionSauvegarde, textes::titreFinJeu, Icone::Question, Boutons::OuiNon) ==
      Reponse::Oui)
    ecran.sauverMessagesSous();
  if (q <= 1) return;
  const char* question = q == 3 ? textes::questionDemiFinale : textes::questionFinale;
  if (ecran.boiteMessage(question, textes::titreFinJeu, Icone::Question, Boutons::OuiNon) != Reponse::Oui)
    return;

  // Every qualifier's settings are copied before any record changes: the best
  // player becomes player 0, and so on.
  struct Reglage {
    std::string nom;
    bool automate, deplacements;
    int32_t tailleMax;
  };
  std::vector<Reglage> copies;
  for (uint32_t k = 0; k < q; ++k) {
    const int32_t p = classement[k];
    const joueur& j = joueurs[p >= 0 && p < nbJoueursMax ? p : k];
    copies.push_back({j.nom, j.automate, j.deplacements, j.tailleMax});
  }
  plateau.viderPlateau();
  for (uint32_t k = 0; k < q; ++k) {
    const auto [x, y] = sommets[(6 * k) / q];
    joueurs[k].placerSommet(x, y);
    joueurs[k].reinitialiser(copies[k].nom, copies[k].automate, copies[k].deplacements, copies[k].tailleMax);
  }
  nbJoueurs = q;
  joueurCourant = 0;
  tour = 0;
  enCours = true;
  ecran.viderMessages();
  ecran.activerPasserSonTour(!joueurs[0].automate);
  plateau.chronoActif = false;
  ecran.dessinerPlateau();
  ecran.dessinerReserve(joueurs[0]);
  mettreAJourScores();
  ecran.ajouterMessage(textes::ligneTour(0), false);
  ecran.ajouterMessage(textes::ligneVide, false);
  ecran.ajouterMessage(textes::ligneJoueur(0, joueurs[0].nom), false);
  demarrerChrono();
  ecran.demarrerTour();
}

}  // namespace irvad
