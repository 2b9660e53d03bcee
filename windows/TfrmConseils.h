#pragma once
// The window "Conseils": the best plays open to the player on turn, at most
// five, each with the points it would score, best first. Choosing one shows
// it on the board (the board window draws it); nothing is played.
#include <QDialog>
#include <functional>
#include <vector>

#include "Jeu.h"

class QListWidget;

namespace irvad {

class TfrmConseils : public QDialog {
  Q_OBJECT

 public:
  explicit TfrmConseils(QWidget* parent = nullptr);

  // Fills the list (a line saying there is none when it is empty) and shows
  // the window, the best play chosen.
  void montrer(const std::vector<Conseil>& conseils);
  // "Poser E en (5,5) : 6 points", "Déplacer S de (3,4) en (4,6) : 4 points".
  static QString texte(const Conseil& c);

  // A play chosen in the list (click, arrows); the window hidden.
  std::function<void(const Conseil&)> choisi;
  std::function<void()> ferme;

  QListWidget* Liste;

 protected:
  void hideEvent(QHideEvent* evenement) override;

 private:
  std::vector<Conseil> conseils_;
};

}  // namespace irvad
