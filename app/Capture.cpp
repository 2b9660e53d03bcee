#include "Capture.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QPixmap>

#include "Demarrage.h"
#include "TfrmMessages.h"
#include "TfrmPlateau.h"
#include "TfrmScores.h"

namespace irvad {

QString capturerFenetres(const QString& dossier, const QString& partie, int zoom) {
  if (!QDir().mkpath(dossier)) return QStringLiteral("impossible de créer le dossier %1").arg(dossier);
  Programme programme;
  programme.creer(std::nullopt, /*enregistrerType=*/false);
  TfrmPlateau& plateau = *programme.plateau;
  plateau.show();
  // The zoom asked for, whatever the settings hold.
  plateau.definirZoom(zoom);
  QApplication::processEvents();
  if (!partie.isEmpty()) {
    if (!plateau.ouvrirPartie(partie))
      return QStringLiteral("partie illisible : %1 (%2)").arg(partie, plateau.statut());
  } else {
    programme.jeu.nouvellePartie();
  }
  programme.messages->show();
  QApplication::processEvents();

  const QDir cible(dossier);
  const struct {
    const char* nom;
    QImage image;
  } images[] = {
      {"plateau.png", plateau.image()},
      {"scores.png", programme.scores->grab().toImage()},
      {"messages.png", programme.messages->grab().toImage()},
  };
  for (const auto& i : images)
    if (!i.image.save(cible.filePath(QString::fromLatin1(i.nom))))
      return QStringLiteral("impossible d'écrire %1").arg(cible.filePath(QString::fromLatin1(i.nom)));
  return {};
}

}  // namespace irvad
