#include "TfrmConseils.h"

#include <QHideEvent>
#include <QListWidget>
#include <QVBoxLayout>

#include "Apparence.h"

namespace irvad {

TfrmConseils::TfrmConseils(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("frmConseils"));
  setWindowTitle(QStringLiteral("Conseils"));
  // Beside the board, which keeps the keyboard and the mouse.
  setWindowFlags(Qt::Tool | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowCloseButtonHint);
  setFont(policeSansSerif(8));
  auto* disposition = new QVBoxLayout(this);
  disposition->setContentsMargins(2, 2, 2, 2);
  Liste = new QListWidget(this);
  Liste->setObjectName(QStringLiteral("Liste"));
  disposition->addWidget(Liste);
  const int largeur = std::max(260, largeurPourTitre(windowTitle()));
  resize(largeur, 120);
  connect(Liste, &QListWidget::currentRowChanged, this, [this](int ligne) {
    if (ligne >= 0 && static_cast<std::size_t>(ligne) < conseils_.size() && choisi)
      choisi(conseils_[static_cast<std::size_t>(ligne)]);
  });
}

QString TfrmConseils::texte(const Conseil& c) {
  const QString points = c.points > 1 ? QStringLiteral("%1 points").arg(c.points) : QStringLiteral("1 point");
  if (c.deplacement)
    return QStringLiteral("Déplacer %1 de (%2,%3) en (%4,%5) : %6")
        .arg(QChar::fromLatin1(static_cast<char>(c.lettre)))
        .arg(c.xs)
        .arg(c.ys)
        .arg(c.x)
        .arg(c.y)
        .arg(points);
  return QStringLiteral("Poser %1 en (%2,%3) : %4")
      .arg(QChar::fromLatin1(static_cast<char>(c.lettre)))
      .arg(c.x)
      .arg(c.y)
      .arg(points);
}

void TfrmConseils::montrer(const std::vector<Conseil>& conseils) {
  conseils_ = conseils;
  const QSignalBlocker bloque(Liste);
  Liste->clear();
  for (const Conseil& c : conseils_) Liste->addItem(texte(c));
  if (conseils_.empty()) {
    Liste->addItem(QStringLiteral("Aucun coup ne forme de mot."));
    Liste->item(0)->setFlags(Qt::NoItemFlags);
  }
  show();
  raise();
  if (!conseils_.empty()) {
    Liste->setCurrentRow(0);
    if (choisi) choisi(conseils_.front());
  }
}

void TfrmConseils::hideEvent(QHideEvent* evenement) {
  QDialog::hideEvent(evenement);
  if (ferme) ferme();
}

}  // namespace irvad
