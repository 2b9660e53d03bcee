// The game's entry: the word list is loaded while its dialog shows the
// progress, then the windows are created in their order (board, scores,
// messages, settings, records), the board window is shown and the event loop
// runs. `irvad --capture DOSSIER [PARTIE.ivd] [--zoom N]` instead draws the windows on
// a game (or a new board) without a screen, writes their pictures and exits.
#include <QApplication>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "Capture.h"
#include "Demarrage.h"
#include "PremierAffichage.h"
#include "TfrmPlateau.h"

int main(int argc, char** argv) {
  // A capture needs no screen: it draws on the offscreen platform unless
  // the caller chose another.
  const bool capture = argc >= 3 && std::strcmp(argv[1], "--capture") == 0;
  if (capture && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");

  QApplication application(argc, argv);
  irvad::preparerApplication(application);

  if (capture) {
    // irvad --capture DOSSIER [PARTIE.ivd] [--zoom N]
    const QString dossier = QString::fromLocal8Bit(argv[2]);
    QString partie;
    int zoom = 100;
    for (int i = 3; i < argc; ++i) {
      if (std::strcmp(argv[i], "--zoom") == 0 && i + 1 < argc) {
        zoom = std::atoi(argv[++i]);
        if (zoom != 100 && zoom != 150 && zoom != 200 && zoom != 300) {
          std::fprintf(stderr, "irvad: --zoom: 100, 150, 200 ou 300\n");
          return 2;
        }
      } else {
        partie = QString::fromLocal8Bit(argv[i]);
      }
    }
    const QString erreur = irvad::capturerFenetres(dossier, partie, zoom);
    if (!erreur.isEmpty()) {
      std::fprintf(stderr, "irvad: %s\n", erreur.toLocal8Bit().constData());
      return 1;
    }
    return 0;
  }

  // `irvad --premier-affichage` starts as usual and, as soon as the board is
  // first painted, prints the milliseconds since its launch (the monotonic
  // nanoseconds given in IRVAD_LANCEMENT_NS by whoever launched it) and
  // leaves: the start-up's length, for bench_demarrage.
  if (argc >= 2 && std::strcmp(argv[1], "--premier-affichage") == 0) {
    irvad::Programme programme;
    programme.demarrer(QString(), /*enregistrerType=*/false);
    programme.plateau->premierePeinture = [] { irvad::signalerPremierAffichage(); };
    return application.exec();
  }

  // Only the first argument counts: the saved game to open.
  const QString partie = argc >= 2 ? QString::fromLocal8Bit(argv[1]) : QString();
  irvad::Programme programme;
  programme.demarrer(partie, /*enregistrerType=*/true);
  return application.exec();
}
