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
    journal(textes::ligneVide);
    journal(textes::ligneTour(tour));
    mettreAJourScores();
  }
  journal(textes::ligneVide);
  journal(textes::ligneJoueur(static_cast<int>(joueurCourant), courant().nom));
  ecran.dessinerReserve(courant());
  if (!courant().automate) demarrerChrono();
  jalon(true);
  ecran.demarrerTour();
}

void Jeu::finDePartie() {
  enCours = false;
  const uint32_t q = qualifies();
  ecran.activerContinuer(false);
  journal(textes::ligneVide);
  journal(textes::finDeJeu);
  journal(textes::ligneVide);
  journal(textes::enteteQualifies);
  journal(textes::filetQualifies);
  for (uint32_t k = 0; k < q; ++k) {
    const int32_t p = classement[k];
    if (p < 0 || p >= nbJoueursMax) continue;
    journal(textes::ligneQualifie(joueurs[p].nom, joueurs[p].score, jetons[p], pointsJetons[p]));
  }
  journalEtAttendre(textes::filetQualifies);

  if (ecran.boiteMessage(textes::questionSauvegarde, textes::titreFinJeu, Icone::Question, Boutons::OuiNon) ==
      Reponse::Oui)
    ecran.sauverMessagesSous();
  // The end of the game is a point of the history: undo can take its last
  // play back.
  const char* question = q == 3 ? textes::questionDemiFinale : textes::questionFinale;
  if (q <= 1 ||
      ecran.boiteMessage(question, textes::titreFinJeu, Icone::Question, Boutons::OuiNon) != Reponse::Oui) {
    jalon(false);
    return;
  }

  // Every qualifier's settings are copied before any record changes: the best
  // player becomes player 0, and so on.
  struct Reglage {
    std::string nom;
    bool automate, deplacements;
    int32_t tailleMax;
    Niveau niveau;
  };
  std::vector<Reglage> copies;
  for (uint32_t k = 0; k < q; ++k) {
    const int32_t p = classement[k];
    const joueur& j = joueurs[p >= 0 && p < nbJoueursMax ? p : k];
    copies.push_back({j.nom, j.automate, j.deplacements, j.tailleMax, j.niveau});
  }
  plateau.viderPlateau();
  for (uint32_t k = 0; k < q; ++k) {
    const auto [x, y] = sommets[(6 * k) / q];
    joueurs[k].placerSommet(x, y);
    joueurs[k].reinitialiser(copies[k].nom, copies[k].automate, copies[k].deplacements, copies[k].tailleMax);
    joueurs[k].niveau = copies[k].niveau;
  }
  nbJoueurs = q;
  joueurCourant = 0;
  tour = 0;
  enCours = true;
  lettreEnMain = 0;
  viderJournal();
  ecran.dessinerPlateau();
  ecran.dessinerReserve(joueurs[0]);
  mettreAJourScores();
  debuterPartie();
}

}  // namespace irvad
