#pragma once
// The dialog "Noms des joueurs": the number of seats (2, 3 or 6) and, for
// each seat, its name, whether the computer plays it, the longest word the
// computer looks for and whether it also looks for moves. "&Vu && appliqué"
// writes the choices into the player records; "Annuler" changes nothing.
#include <QDialog>
#include <QPixmap>
#include <array>
#include <optional>

#include "Jeu.h"
#include "Parametres.h"

class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QStatusBar;
class QWidget;

namespace irvad {

class TfrmNomJoueurs : public QDialog {
  Q_OBJECT

 public:
  TfrmNomJoueurs(Jeu& jeu, const Parametres& parametres, QWidget* parent = nullptr);

  // True: each seat's word length and move search start from the settings'
  // defaults; false: from the player's own values.
  bool defautsParametres = true;
  // True: the number of players may be changed.
  bool nombreModifiable = true;

  // What the board window's commands call. Before a new game ("&Nouvelle")
  // the number may change and the defaults are offered: the seats chosen are
  // given back for the new game. During a game ("&Joueurs...") neither, and
  // the choices go to the players at once. Empty when cancelled.
  static std::optional<Tablee> executer(Jeu& jeu, const Parametres& parametres, QWidget* parent,
                                        bool avantNouvellePartie);

  // The seats as the dialog shows them (OK gives them).
  Tablee choix() const;

  // The nine seat pictures, 24 x 30: a grey hexagon with a ring in a
  // player's colour at one corner (numero 0..8).
  static QPixmap imageSiege(int numero);
  // The picture of seat s (1..6) for n players (2, 3 or 6).
  static int numeroImage(int nbJoueurs, int siege);

  static constexpr int longueurNom = 8;
  // The client area.
  static constexpr int largeur = 549, hauteur = 344;

 protected:
  void showEvent(QShowEvent* evenement) override;

 private:
  struct Rangee {
    QLabel* label = nullptr;
    QLineEdit* edit = nullptr;
    QLabel* image = nullptr;
    QCheckBox* automate = nullptr;
    QCheckBox* expert = nullptr;  // the computer plays it at the Expert level
    QWidget* panel = nullptr;
    std::array<QRadioButton*, 5> longueurs{};
    QCheckBox* deplacements = nullptr;
  };

  void FormShow();
  void RadioGroupJoueursClick();
  void Button1Click();
  int nombreChoisi() const;
  void poserImage(int siege, int n);

  Jeu& jeu_;
  const Parametres& parametres_;
  QGroupBox* RadioGroupJoueurs;
  QButtonGroup* choixNombre_;
  std::array<Rangee, nbJoueursMax> rangees_{};
  QStatusBar* StatusBar;
};

}  // namespace irvad
