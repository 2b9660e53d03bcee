#pragma once
// The engine's screen on the desktop: each call of the engine goes to the
// window that shows it (board, scores, messages, records, loading dialog).
// The windows are created one after the other at start, so each pointer may
// still be null; a call for a window that does not exist yet does nothing.
#include <QElapsedTimer>
#include <QPointer>
#include <functional>
#include <string>

#include "Ecran.h"

class QWidget;

namespace irvad {

class TfrmPlateau;
class TfrmScores;
class TfrmMessages;
class TfrmRecords;
class TfrmDico;

class EcranFenetres : public Ecran {
 public:
  TfrmPlateau* plateau = nullptr;
  TfrmScores* scores = nullptr;
  TfrmMessages* messages = nullptr;
  TfrmRecords* records = nullptr;
  // The loading dialog lives only while a slow load of the word list goes
  // on, or to tell why it failed; it deletes itself when closed, hence the
  // guarded pointer.
  QPointer<TfrmDico> dico;

  // Replaces the modal message box (tests answer without a dialog).
  std::function<Reponse(const std::string& texte, const std::string& titre, Icone, Boutons)> repondre;

  void dessinerPlateau() override;
  void dessinerCellule(int r, int c, Couleur texte) override;
  void dessinerReserve(const joueur& j) override;
  void texteStatut(const std::string& texte) override;
  void curseurStandard() override;
  void ajouterMessage(const std::string& texte, bool effacer) override;
  void ajouterMessageEtAttendre(const std::string& texte, bool effacer) override;
  void retirerMessages(int32_t n) override;
  void retirerDerniersMessages(int32_t n) override;
  void coupCompte() override;
  void viderMessages() override;
  void definirLegende(const std::string& texte) override;
  void sauverMessagesSous() override;
  void mettreAJourScores() override;
  void mettreAJourTemps() override;
  void mettreAJourRecords(const std::string& nom, const std::string& mot, int32_t score, int32_t pointsPris,
                          int32_t lettresPrises) override;
  void activerPasserSonTour(bool actif) override;
  void activerContinuer(bool actif) override;
  Reponse boiteMessage(const std::string& texte, const std::string& titre, Icone icone, Boutons boutons) override;
  void demarrerTour() override;
  void dicoOuvrir(int32_t maximum) override;
  void dicoProgression(int32_t n) override;
  void dicoStatut(const std::string& texte) override;
  void dicoFermer() override;

  // After how long a load of the word list shows its dialog.
  static constexpr int delaiDialogueDicoMs = 200;

 private:
  void montrerDialogueDico();
  QElapsedTimer dicoDebut_;
  int32_t dicoMaximum_ = 0;
  int32_t dicoPas_ = 0;
};

}  // namespace irvad
