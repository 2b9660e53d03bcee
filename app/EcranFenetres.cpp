#include "EcranFenetres.h"

#include <QMessageBox>

#include "Cp1252.h"
#include "TfrmDico.h"
#include "TfrmMessages.h"
#include "TfrmPlateau.h"
#include "TfrmRecords.h"
#include "TfrmScores.h"

namespace irvad {

namespace {
QString texte(const std::string& s) { return QString::fromStdString(cp1252::versUtf8(s)); }
}  // namespace

void EcranFenetres::dessinerPlateau() {
  if (plateau) plateau->dessinerPlateau();
}
void EcranFenetres::dessinerCellule(int r, int c, Couleur couleur) {
  if (plateau) plateau->dessinerCellule(r, c, couleur);
}
void EcranFenetres::dessinerReserve(const joueur& j) {
  if (plateau) plateau->dessinerReserve(j);
}
void EcranFenetres::texteStatut(const std::string& t) {
  if (plateau) plateau->texteStatut(t);
}
void EcranFenetres::curseurStandard() {
  if (plateau) plateau->curseurStandard();
}

void EcranFenetres::ajouterMessage(const std::string& t, bool effacer) {
  if (messages) messages->ajouterMessage(t, effacer);
}
void EcranFenetres::ajouterMessageEtAttendre(const std::string& t, bool effacer) {
  if (messages) messages->ajouterMessageEtAttendre(t, effacer);
}
void EcranFenetres::retirerMessages(int32_t n) {
  if (messages) messages->retirerMessages(n);
}
void EcranFenetres::retirerDerniersMessages(int32_t n) {
  if (messages) messages->retirerDerniersMessages(n);
}
void EcranFenetres::viderMessages() {
  if (messages) messages->viderMessages();
}
void EcranFenetres::definirLegende(const std::string& t) {
  if (messages) messages->definirLegende(t);
}
void EcranFenetres::sauverMessagesSous() {
  if (messages) messages->sauverMessagesSous();
}

void EcranFenetres::mettreAJourScores() {
  if (scores) scores->mettreAJourScores();
}
void EcranFenetres::mettreAJourTemps() {
  if (scores) scores->mettreAJourTemps();
}

void EcranFenetres::mettreAJourRecords(const std::string& nom, const std::string& mot, int32_t score,
                                       int32_t pointsPris, int32_t lettresPrises) {
  if (records) records->mettreAJourRecords(nom, mot, score, pointsPris, lettresPrises);
}

void EcranFenetres::activerPasserSonTour(bool actif) {
  if (plateau) plateau->activerPasserSonTour(actif);
}
void EcranFenetres::activerContinuer(bool actif) {
  if (plateau) plateau->activerContinuer(actif);
}

Reponse EcranFenetres::boiteMessage(const std::string& t, const std::string& titre, Icone icone, Boutons boutons) {
  if (repondre) return repondre(t, titre, icone, boutons);
  QMessageBox boite(plateau);
  boite.setWindowTitle(texte(titre));
  boite.setText(texte(t));
  boite.setIcon(icone == Icone::Question ? QMessageBox::Question
                : icone == Icone::Erreur ? QMessageBox::Critical
                                         : QMessageBox::Information);
  if (boutons == Boutons::OuiNon) {
    boite.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    boite.setDefaultButton(QMessageBox::Yes);
  } else {
    boite.setStandardButtons(QMessageBox::Ok);
  }
  const int choix = boite.exec();
  if (boutons == Boutons::Ok) return Reponse::Ok;
  return choix == QMessageBox::Yes ? Reponse::Oui : Reponse::Non;
}

void EcranFenetres::demarrerTour() {
  if (plateau) plateau->demarrerTour();
}
void EcranFenetres::coupCompte() {
  if (plateau) plateau->coupCompte();
}

// The loading dialog appears only when the list takes long to read, or to
// say why it could not be read: a load of a few milliseconds shows nothing.
void EcranFenetres::dicoOuvrir(int32_t maximum) {
  dicoMaximum_ = maximum;
  dicoPas_ = 0;
  dicoDebut_.start();
  if (dico) dico->dicoOuvrir(maximum);
}
void EcranFenetres::montrerDialogueDico() {
  if (dico) return;
  dico = new TfrmDico();
  dico->dicoOuvrir(dicoMaximum_);
  if (dicoPas_ > 0) dico->dicoProgression(dicoPas_);
}
void EcranFenetres::dicoProgression(int32_t n) {
  dicoPas_ = n;
  if (!dico && dicoDebut_.isValid() && dicoDebut_.elapsed() >= delaiDialogueDicoMs) montrerDialogueDico();
  if (dico) dico->dicoProgression(n);
}
void EcranFenetres::dicoStatut(const std::string& t) {
  montrerDialogueDico();
  dico->dicoStatut(t);
}
void EcranFenetres::dicoFermer() {
  dicoDebut_.invalidate();
  if (!dico) return;
  dico->dicoFermer();
  delete dico.data();
}

}  // namespace irvad
