// Undo and redo. The engine keeps the position at every point where a turn
// starts (and after each harvest of a player, and at the end of a game),
// with the log lines written since the point before. Undo puts an earlier
// position back and takes its later lines out of the log; redo puts a later
// one back and writes its lines again, exactly as they were: no play is
// searched or scored again, so records and the random generator stay as
// they are.
#include <numeric>

#include "Jeu.h"

namespace irvad {

// ---------------------------------------------------------------- the log

void Jeu::journal(const std::string& texte) {
  lignes_.push_back(texte);
  ecran.ajouterMessage(texte, false);
}

void Jeu::journalEtAttendre(const std::string& texte) {
  lignes_.push_back(texte);
  ecran.ajouterMessageEtAttendre(texte, false);
}

// As the messages window does it: n times, the line before the last one.
void Jeu::retirerDuJournal(int32_t n) {
  for (int32_t i = 0; i < n && lignes_.size() >= 2; ++i) lignes_.erase(lignes_.end() - 2);
  ecran.retirerMessages(n);
}

void Jeu::viderJournal() {
  lignes_.clear();
  ecran.viderMessages();
}

// ---------------------------------------------------------------- points of the history

void Jeu::nouvelHistorique() {
  historique_.clear();
  lignes_.clear();
  ici_ = 0;
  jalon(true);
}

void Jeu::jalon(bool debutDeTour) {
  ++changements_;
  if (!historique_.empty()) historique_.resize(ici_ + 1);  // what could be redone goes
  Jalon j{position(), std::move(lignes_), debutDeTour};
  lignes_.clear();
  // A letter in hand (a harvest made while holding one) is kept in the stock.
  Position& p = j.position;
  if (p.lettreEnMain != 0) {
    joueur& courant = p.joueurs[p.joueurCourant % nbJoueursMax];
    courant.lettres[static_cast<std::size_t>(p.lettreEnMain - 64)] += 1;
    courant.lettres[0] += 1;
    p.lettreEnMain = 0;
  }
  historique_.push_back(std::move(j));
  ici_ = historique_.size() - 1;
}

bool Jeu::siegeHumain(const Jalon& j) const {
  return j.position.enCours && !joueurs[j.position.joueurCourant % nbJoueursMax].automate;
}

// Undo in the window goes back to the start of a human player's turn; with no
// human seat, to the start of the computer's turn before.
std::size_t Jeu::cibleArriere(Retour retour) const {
  const std::size_t aucune = historique_.size();
  if (historique_.empty() || ici_ == 0) return aucune;
  if (retour == Retour::Action) return ici_ - 1;
  bool humain = false;
  for (uint32_t i = 0; i < nbJoueurs && i < nbJoueursMax; ++i) humain = humain || !joueurs[i].automate;
  for (std::size_t k = ici_; k-- > 0;)
    if (historique_[k].debutDeTour && (!humain || siegeHumain(historique_[k]))) return k;
  return aucune;
}

// Redo goes as far as undo came from: the next start of a human turn, or the
// last point kept.
std::size_t Jeu::cibleAvant(Retour retour) const {
  const std::size_t aucune = historique_.size();
  if (ici_ + 1 >= historique_.size()) return aucune;
  if (retour == Retour::Action) return ici_ + 1;
  bool humain = false;
  for (uint32_t i = 0; i < nbJoueurs && i < nbJoueursMax; ++i) humain = humain || !joueurs[i].automate;
  for (std::size_t k = ici_ + 1; k < historique_.size(); ++k)
    if (historique_[k].debutDeTour && (!humain || siegeHumain(historique_[k]))) return k;
  return historique_.size() - 1;
}

bool Jeu::peutAnnuler(Retour retour) const { return cibleArriere(retour) < historique_.size(); }
bool Jeu::peutRetablir(Retour retour) const { return cibleAvant(retour) < historique_.size(); }

Verdict Jeu::annuler(Retour retour) {
  const std::size_t cible = cibleArriere(retour);
  if (cible >= historique_.size()) return refus::rienAAnnuler();
  revenirA(cible);
  return {};
}

Verdict Jeu::retablir(Retour retour) {
  const std::size_t cible = cibleAvant(retour);
  if (cible >= historique_.size()) return refus::rienARetablir();
  revenirA(cible);
  return {};
}

void Jeu::revenirA(std::size_t cible) {
  // The log: the lines of the current turn go, then those of the points left
  // behind, or those of the points reached are written again.
  auto compte = [](std::size_t total, const Jalon& j) { return total + j.lignes.size(); };
  if (cible < ici_) {
    const std::size_t n = std::accumulate(historique_.begin() + static_cast<std::ptrdiff_t>(cible) + 1,
                                          historique_.begin() + static_cast<std::ptrdiff_t>(ici_) + 1,
                                          lignes_.size(), compte);
    ecran.retirerDerniersMessages(static_cast<int32_t>(n));
  } else {
    ecran.retirerDerniersMessages(static_cast<int32_t>(lignes_.size()));
    for (std::size_t k = ici_ + 1; k <= cible; ++k)
      for (const std::string& ligne : historique_[k].lignes) ecran.ajouterMessage(ligne, false);
  }
  lignes_.clear();

  // The position, but the time each player has spent thinking and the seats'
  // settings stay as they are now.
  arreterChrono();
  std::array<joueur, nbJoueursMax> maintenant = joueurs;
  static_cast<Position&>(*this) = historique_[cible].position;
  for (std::size_t i = 0; i < nbJoueursMax; ++i) {
    joueur& j = joueurs[i];
    j.temps = maintenant[i].temps;
    j.nom = maintenant[i].nom;
    j.automate = maintenant[i].automate;
    j.deplacements = maintenant[i].deplacements;
    j.tailleMax = maintenant[i].tailleMax;
    j.niveau = maintenant[i].niveau;
  }
  plateau.chronoActif = false;
  plateau.chronoDebut = 0;
  ici_ = cible;
  ++changements_;

  ecran.activerContinuer(enCours);
  ecran.activerPasserSonTour(enCours && !courant().automate);
  ecran.dessinerPlateau();
  ecran.dessinerReserve(courant());
  mettreAJourScores();
  if (!enCours) return;
  // A human plays at once; a computer's turn waits for "Continuer", as after a load.
  if (!courant().automate) demarrerChrono();
  ecran.demarrerTour();
}

}  // namespace irvad
