// The reference for bench_demarrage: a bare Qt main window with one menu,
// which reports its first painting the way `irvad --premier-affichage`
// does. What irvad takes beyond it is the program's own start-up.
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace {

class Fenetre : public QMainWindow {
 protected:
  void paintEvent(QPaintEvent* evenement) override {
    QMainWindow::paintEvent(evenement);
    timespec t{};
    ::clock_gettime(CLOCK_MONOTONIC, &t);
    const long long maintenant = static_cast<long long>(t.tv_sec) * 1'000'000'000LL + t.tv_nsec;
    const long long lancement = std::atoll(qgetenv("IRVAD_LANCEMENT_NS").constData());
    std::printf("%.3f\n", lancement > 0 ? (maintenant - lancement) / 1e6 : 0.0);
    std::fflush(stdout);
    std::_Exit(0);
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
