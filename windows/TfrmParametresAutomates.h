#pragma once
// The dialog "Paramétrage des automates": the pause at each computer step,
// the stop before each computer turn and the defaults a new game's player
// set-up offers. It lives as long as the program and works on the settings
// object, which keeps Irvad.ini.
#include <QDialog>

#include "Parametres.h"

class QCheckBox;
class QSlider;
class QStatusBar;

namespace irvad {

class TfrmParametresAutomates : public QDialog {
  Q_OBJECT

 public:
  explicit TfrmParametresAutomates(Parametres& parametres, QWidget* parent = nullptr);

  Parametres& parametres;

  // The client area.
  static constexpr int largeur = 338, hauteur = 274;

  // Reads the file into the settings (unless the last write failed, in
  // which case the settings in use stay) and puts them on the controls.
  void chargerParametres();

  // Shows an error text of the settings object (Windows-1252) in an error
  // box; nothing for the empty text. The board window uses it for the
  // option "Enregistrer les &messages".
  static void signalerErreur(QWidget* parent, const std::string& erreur);

 signals:
  // After a confirm: the pause may have changed, so the delay timers of the
  // board and messages windows take parametres.intervalleMs() again.
  void parametresAppliques();

 protected:
  void showEvent(QShowEvent* evenement) override;

 private:
  void ButtonValiderClick();

  QSlider* TrackBar1;
  QSlider* TrackBar2;
  QCheckBox* CheckBoxInterruption;
  QCheckBox* CheckBoxAutorisation;
  QStatusBar* StatusBar;
};

}  // namespace irvad
