#pragma once
// The window "Records de tour de jeu": the four all-time records of a single
// play (longest word, best score, points and letters taken from opponents),
// kept per user in the store Tavo/Irvad.conf of the user's configuration
// folder under Records/Mot, Records/Score, Records/PointsPris and
// Records/LettresPrises, each with the values "Record", "Nom" and "Date"
// (MagasinRecords.h). The value, name and date labels are the only copy in
// memory: an update reads the store afresh, compares against the labels and
// writes back the records it beat.
//
// Each record stands alone: a damaged one is reported, reset and written
// back empty, and the others are kept as they are.
//
// The window lives as long as the program. It pops up for three seconds
// when a play beats a record, with the new values in red, and the board
// window's menu shows it modally.
#include <QDateTime>
#include <QDialog>
#include <QLocale>
#include <QString>
#include <QTimer>
#include <array>
#include <cstdint>
#include <functional>
#include <string>

class QLabel;

namespace irvad {

class TfrmRecords : public QDialog {
  Q_OBJECT

 public:
  // Where the records live: organisation and application of the store.
  static constexpr const char* organisation = "Tavo";
  static constexpr const char* application = "Irvad";
  // The keys under "Records", in display order.
  static constexpr std::array<const char*, 4> cles = {"Mot", "Score", "PointsPris", "LettresPrises"};

  // Bits of nouveauxRecords.
  static constexpr uint8_t recordMot = 1, recordScore = 2, recordPointsPris = 4, recordLettresPrises = 8;

  static constexpr int dureePopUpMs = 3000;

  explicit TfrmRecords(QWidget* parent = nullptr);
  ~TfrmRecords() override;

  // After a real play that formed words: the current player's name and the
  // longest word found (both Windows-1252), the play's points, the points
  // and the letters taken from opponents. A strictly better figure replaces
  // its record, is written at once and pops the window up in red.
  void mettreAJourRecords(const std::string& nom, const std::string& mot, int32_t score, int32_t pointsPris,
                          int32_t lettresPrises);

  // Reads the four records into the labels; a record not yet in the store is
  // created there (empty word, 0, empty name and date) and its labels stay;
  // a damaged one is reported, and reset in the labels and in the store.
  // False when the store could not be read or written, or held a damaged
  // record (the user was told).
  bool chargerRecords();
  // Writes the records of `quels` (bits as nouveauxRecords, all four by
  // default) from the labels, leaving the others in the store as they are.
  // Nothing is written over a store that cannot be read. False when the
  // store could not be written (the user was told).
  bool enregistrerRecords(uint8_t quels = 15);

  // The end of the pop-up: values black again, window hidden.
  void TimerTimer();

  // The modal showing from the menu; a pop-up still on screen ends first.
  int exec() override;

  // "dd/mm/yyyy hh:nn" with the separators of `locale` (a slash and a colon
  // on a French system).
  static QString texteDate(const QDateTime& moment, const QLocale& locale);

  // The store's file: Tavo/Irvad.conf in the user's configuration folder
  // ($XDG_CONFIG_HOME, ~/.config without it), where QSettings keeps it.
  QString cheminStore;
  static QString cheminParDefaut();
  // Reports a failure of the store: caption and the failure's own text.
  // A modal error box unless replaced (tests replace it).
  std::function<void(const QString& titre, const QString& texte)> signalerErreur;
  // The moment a record is set; the local clock unless replaced.
  std::function<QDateTime()> maintenant;
  // The user's date and time separators come from here.
  QLocale locale = QLocale::system();

  uint8_t nouveauxRecords = 0;

  QLabel* LabelMot;
  QLabel* LabelScore;
  QLabel* LabelPointsPris;
  QLabel* LabelLettresPrises;
  std::array<QLabel*, 4> LabelNom{};
  std::array<QLabel*, 4> LabelDate{};
  QTimer Timer;

  // The value label of record i (0..3, display order).
  QLabel* labelValeur(int i) const;

  static const QString titreErreurLecture;
  static const QString titreErreurEcriture;

 protected:
  void showEvent(QShowEvent* evenement) override;

 private:
  void colorer(QLabel* label, bool rouge);
  // Set while the window shows itself for a pop-up: the labels already hold
  // what it must show, and must not be read back from the store (after a
  // failed write that would bring back the beaten records).
  bool enPopUp_ = false;
};

}  // namespace irvad
