#pragma once
// The running program: the engine object, its screen and every window that
// lives for the whole run, created and wired in the start-up order.
#include <QPoint>
#include <QString>
#include <memory>
#include <optional>

#include "EcranFenetres.h"
#include "Jeu.h"
#include "Parametres.h"

class QApplication;

namespace irvad {

class TfrmPlateau;
class TfrmScores;
class TfrmMessages;
class TfrmRecords;

// Application name, organisation (the records' store), version and the
// French translation of Qt's own dialogs.
void preparerApplication(QApplication& application);

class Programme {
 public:
  Programme();
  ~Programme();
  Programme(const Programme&) = delete;
  Programme& operator=(const Programme&) = delete;

  // Loads the word list, creates the windows, registers the saved-game file
  // type when asked (never in tests or captures) and shows the board window,
  // which opens `partie` (when not empty) as it is first shown.
  void demarrer(const QString& partie, bool enregistrerType);

  // The same up to the board window's first showing, which is left to the
  // caller; `parametres` replaces the settings file (tests). With
  // `differer`, the word list, the records window and the file type wait
  // for finirDemarrage, which demarrer runs once the board is painted.
  void creer(std::optional<Parametres> parametres, bool enregistrerType, bool differer = false);
  void finirDemarrage(bool enregistrerType);

  EcranFenetres ecran;
  Jeu jeu{ecran};
  std::optional<Parametres> parametres;
  std::unique_ptr<TfrmPlateau> plateau;
  // Owned by the board window.
  TfrmScores* scores = nullptr;
  TfrmMessages* messages = nullptr;
  TfrmRecords* records = nullptr;

 private:
  void enregistrerType_();
  void creerRecords();
  void relier();
  void appliquerIntervalle();
  void placerAnnexes();
  // No settings file yet: the first set-up offers two players, one of them
  // the computer, and the status strip tells how to begin.
  bool premierDemarrage_ = false;
  // Where placerAnnexes last put the scores and messages windows.
  QPoint placeScores_, placeMessages_;
};

}  // namespace irvad
