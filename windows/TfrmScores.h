#pragma once
// The window "Scores": one row per player, best first, in the player's
// colour, with the name, the score, the number of board cells the player
// owns, their summed value and the playing time; the caption carries the
// turn number. It stays on top of the board window and refreshes the
// running time of the player on turn every 100 ms.
//
// The ranking (rang, classement, jetons, pointsJetons) lives in the Jeu,
// which the end of game reads; this window recomputes it on every update and
// changes nothing else in the game.
#include <QColor>
#include <QRect>
#include <QString>
#include <QTimer>
#include <QWidget>
#include <array>
#include <cstdint>

#include "Jeu.h"

class QPainter;

namespace irvad {

class TfrmScores;

// The grid: a header row and one row per player, every cell drawn by the
// window; it takes no mouse or keyboard.
class GrilleScores : public QWidget {
  Q_OBJECT
 public:
  explicit GrilleScores(TfrmScores& fenetre);

 protected:
  void paintEvent(QPaintEvent* evenement) override;

 private:
  TfrmScores& fenetre_;
};

class TfrmScores : public QWidget {
  Q_OBJECT

 public:
  // The light colours of the players, by owner number 0..6 (0: the header).
  static const std::array<QColor, 7> couleursClaires;
  static constexpr std::array<int, 5> largeurs = {56, 21, 15, 15, 31};
  static constexpr int hauteurCellule = 17;
  static constexpr int pasLigne = hauteurCellule + 1;  // a cell and its grid line
  static constexpr int bord = 2;                       // the grid's frame
  // The grid's width at its columns' widths. The window is wider when its
  // caption needs it, the names' column taking the difference.
  static constexpr int largeurClient = 147;
  static constexpr int intervalleTemps = 100;  // ms
  // The client area holds the header and one row per player inside the
  // frame: 18 x players + 22 (58 for 2 players, 76 for 3, 130 for 6); with a
  // tool window's caption of 22 pixels the window is 18 x players + 44 high.
  static constexpr int hauteurClient(int nbJoueurs) { return pasLigne * (nbJoueurs + 1) + 2 * bord; }

  explicit TfrmScores(Jeu& jeu, QWidget* parent = nullptr);

  // Recomputes the ranking, resizes the grid to the number of players, shows
  // the window when hidden, redraws every cell and sets the caption. Called
  // whenever a score, the board or the players change.
  void mettreAJourScores();
  // Redraws the time of the player on turn when its text changed; nothing
  // while the turn timer is stopped. Cheap enough for the word search to call
  // it at every trial.
  void mettreAJourTemps();
  void TimerTimer();

  // What the grid shows in a cell: the header texts on row 0; for row r the
  // player classement[r - 1]: name (UTF-8), "%3.3d" score, "%2.2d" cells,
  // "%2.2d" value, "mm:ss" time. Empty outside the grid.
  QString texteCellule(int colonne, int ligne) const;
  // The player shown on a row (1..), -1 for none.
  int joueurDeLigne(int ligne) const;
  // The time text last drawn on a row (empty before its first drawing).
  QString tempsAffiche(int ligne) const;
  int nbLignes() const { return nbLignes_; }
  // The board's zoom, in percent: the window grows with it, its text too.
  void definirZoom(int pourcent);
  int zoom() const { return zoom_; }
  // A rectangle of the grid's own units on the screen, at the zoom.
  QRect versEcran(const QRect& r) const;
  int largeur() const { return largeur_; }
  QRect rectCellule(int colonne, int ligne) const;

  static const std::array<QString, 5> entetes;

  GrilleScores* StringGrid;
  QTimer Timer;

  void setVisible(bool visible) override;

 protected:
  void showEvent(QShowEvent* evenement) override;

 private:
  friend class GrilleScores;
  void FormShow();
  void ajusterLignes();
  void StringGridDrawCell(QPainter& p, int colonne, int ligne, const QRect& rect);
  // The whole seconds the time column shows for player p.
  long long secondesDe(uint32_t p) const;
  uint32_t joueursEnJeu() const;

  Jeu& jeu_;
  int nbLignes_ = 0;
  int largeur_ = largeurClient;
  bool largeurMesuree_ = false;
  int zoom_ = 100;
  // The time text last drawn on each row, and its seconds (-1: not drawn).
  std::array<QString, nbJoueursMax + 1> tempsAffiches_{};
  std::array<long long, nbJoueursMax + 1> secondesAffichees_{};
};

}  // namespace irvad
