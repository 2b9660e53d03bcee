#pragma once
// The window "Messages": the game's running log, one line per event of the
// game in a fixed-pitch font, and the pause that holds the game on a word
// line until the player presses "&Continuer" (or Enter, or Escape) or the
// wait timer fires. The log can be read from and written to a text file in
// Windows-1252 with CR LF line ends.
//
// The lines are kept as the engine wrote them (Windows-1252 bytes); the text
// box only shows them, so that a file read and written again keeps every byte.
#include <QDialog>
#include <QString>
#include <QTimer>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class QEventLoop;
class QPlainTextEdit;
class QPushButton;
class QStatusBar;
class QWidget;

namespace irvad {

class TfrmMessages : public QDialog {
  Q_OBJECT

 public:
  // How a wait ended.
  enum class FinAttente {
    Continuer,   // the button, Enter, Escape or the window being closed
    Minuterie,   // the wait timer fired
    Interrompue, // no wait of its own: one was already running (the line is
                 // added and that wait holds the game), or the program quit
  };

  static constexpr int intervalleCreation = 3000;
  // The client area; wider when the caption needs it.
  static constexpr int largeurClient = 148, hauteurClient = 370;

  explicit TfrmMessages(QWidget* parent = nullptr);
  ~TfrmMessages() override;

  // ---- The log (texts in Windows-1252).
  // Removes every line first when `effacer`, then appends the text; a text
  // holding line ends gives several lines.
  void ajouterMessage(const std::string& texte, bool effacer);
  // The same, then holds the caller until the wait ends; other windows take
  // no input meanwhile, their timers and painting go on.
  FinAttente ajouterMessageEtAttendre(const std::string& texte, bool effacer);
  // n times: removes the line just before the last one. Nothing happens once
  // fewer than two lines remain, nor for n <= 0.
  void retirerMessages(int32_t n);
  // The last n lines go (undo takes back the lines of the turns it undoes).
  void retirerDerniersMessages(int32_t n);
  void viderMessages();
  // The hint of the log (the legend of the word lines' columns).
  void definirLegende(const std::string& texte);
  const std::vector<std::string>& lignes() const { return lignes_; }

  // ---- The log file (names in UTF-8). Failures are told through `statut`
  // and give false; the lines stay as they were (chargerMessages has already
  // emptied the log). A missing file is no failure: the log stays empty.
  bool chargerMessages(const QString& fichier);
  bool sauverMessages(const QString& fichier);
  // Asks for a file name, then writes the log there. False when the player
  // cancels or the write fails.
  bool sauverMessagesSous();

  // The wait timer: the pause in milliseconds (at least 1).
  void definirIntervalle(int ms);
  int intervalle() const { return Timer.interval(); }

  bool enAttente() const { return boucle_ != nullptr; }

  // The game waits for "Continuer" (a computer's turn, a pause, a loaded
  // game): the window shows, its status strip says so, and its button goes
  // on with the game through `continuer`. Outside such a wait the button
  // only serves the waits of the log.
  void attendreContinuer(const QString& invite, std::function<void()> continuer);
  void finAttenteContinuer();
  bool attendContinuer() const { return static_cast<bool>(continuer_); }

  // The board's zoom, in percent: the window and its text grow with it.
  void definirZoom(int pourcent);

  // Where failure texts go (the board window's status strip).
  std::function<void(const QString& texte)> statut;
  // Asks for the file of sauverMessagesSous; empty when cancelled. The save
  // dialog unless replaced (tests replace it).
  std::function<QString()> demanderFichier;

  // ---- Handlers.
  void ButtonClick();
  void TimerTimer();

  // ---- Components.
  QPlainTextEdit* Memo;
  QPushButton* Button;
  QStatusBar* StatusBar;
  QTimer Timer;

  void setVisible(bool visible) override;

  static const QString filtreFichiers;

 protected:
  // Escape, and a close asked for by the window manager, during a wait
  // continue the game as the button does; outside a wait Escape does nothing.
  void reject() override;
  void closeEvent(QCloseEvent* evenement) override;

 private:
  void ajouterLignes(const std::string& texte);
  void afficherTout();
  // The size, the log's face and the button's at the zoom.
  void mettreALEchelle();
  void terminerAttente(FinAttente fin);
  QString demanderFichierParDialogue();

  std::vector<std::string> lignes_;
  QWidget* panel_ = nullptr;
  std::function<void()> continuer_;
  int zoom_ = 100;
  bool aLEchelle_ = false;
  QEventLoop* boucle_ = nullptr;
  FinAttente fin_ = FinAttente::Continuer;
};

}  // namespace irvad
