// The reference for bench_demarrage: a bare Qt main window with one menu,
// which reports its first painting the way `irvad --premier-affichage`
// does. What irvad takes beyond it is the program's own start-up.
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>

#include "PremierAffichage.h"

namespace {

class Fenetre : public QMainWindow {
 protected:
  void paintEvent(QPaintEvent* evenement) override {
    QMainWindow::paintEvent(evenement);
    irvad::signalerPremierAffichage();
  }
};

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  Fenetre fenetre;
  fenetre.menuBar()->addMenu(QStringLiteral("&Partie"))->addAction(QStringLiteral("&Nouvelle"));
  fenetre.resize(560, 520);
  fenetre.show();
  return application.exec();
}
