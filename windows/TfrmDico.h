#pragma once
// The window "Chargement du dictionnaire": the progress of the word list's
// loading at start, and the reason when it fails. The loader drives it
// through the screen: open with the gauge's maximum, then one progress per
// block of words and a close at the end, or a status text on failure, in
// which case the window stays on screen with the message and the program
// starts all the same.
#include <QDialog>
#include <cstdint>
#include <string>

class QProgressBar;
class QStatusBar;

namespace irvad {

class TfrmDico : public QDialog {
  Q_OBJECT

 public:
  explicit TfrmDico(QWidget* parent = nullptr);

  // Sets the gauge's maximum (a count of letters), empties it and shows the
  // window centred on the screen.
  void dicoOuvrir(int32_t maximum);
  // Moves the gauge to n and repaints it at once: the loader holds the event
  // loop, so nothing would show otherwise.
  void dicoProgression(int32_t n);
  // The failure message (Windows-1252) in the status strip, shown at once.
  void dicoStatut(const std::string& texte);
  // The load is over: the window goes away (its owner destroys it).
  void dicoFermer();
  // After a failed load, once `fenetre` (the board window) is shown: the
  // window becomes a dialog of it, kept above it where it stands, so that
  // the board never hides the reason. Its owner is then `fenetre`.
  void garderAuDessusDe(QWidget* fenetre);

  QProgressBar* CGauge;
  QStatusBar* StatusBar;

 private:
  void montrerProgression(int32_t n);
};

}  // namespace irvad
