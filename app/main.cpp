// The game's entry: the word list is loaded while its dialog shows the
// progress, then the windows are created in their order (board, scores,
// messages, settings, records), the board window is shown and the event loop
// runs. `irvad --capture DOSSIER [PARTIE.ivd]` instead draws the windows on
// a game (or a new board) without a screen, writes their pictures and exits.
#include <QApplication>
#include <cstdio>
#include <cstring>

#include "Capture.h"
#include "Demarrage.h"

int main(int argc, char** argv) {
  // A capture needs no screen: it draws on the offscreen platform unless
  // the caller chose another.
  const bool capture = argc >= 3 && std::strcmp(argv[1], "--capture") == 0;
  if (capture && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");

  QApplication application(argc, argv);
  irvad::preparerApplication(application);

  if (capture) {
    const QString dossier = QString::fromLocal8Bit(argv[2]);
    const QString partie = argc >= 4 ? QString::fromLocal8Bit(argv[3]) : QString();
    const QString erreur = irvad::capturerFenetres(dossier, partie);
    if (!erreur.isEmpty()) {
      std::fprintf(stderr, "irvad: %s\n", erreur.toLocal8Bit().constData());
      return 1;
    }
    return 0;
  }

  // Only the first argument counts: the saved game to open.
  const QString partie = argc >= 2 ? QString::fromLocal8Bit(argv[1]) : QString();
  irvad::Programme programme;
  programme.demarrer(partie, /*enregistrerType=*/true);
  return application.exec();
}
