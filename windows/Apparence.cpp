#include "Apparence.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QPainter>
#include <qdrawutil.h>

namespace irvad {

QStringList famillesInstallees(const QStringList& familles) {
  // Looked up once: QFontDatabase::hasFamily would ask fontconfig to resolve
  // each name as an alias, which costs what this saves.
  static const QStringList toutes = QFontDatabase::families();
  QStringList installees;
  for (const QString& f : familles)
    if (toutes.contains(f, Qt::CaseInsensitive)) installees << f;
  return installees.isEmpty() ? familles : installees;
}

QFont policeSansSerif(int points) {
  QFont police;
  police.setFamilies(famillesInstallees({QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
                                         QStringLiteral("Arial"), QStringLiteral("Liberation Sans"),
                                         QStringLiteral("Nimbus Sans")}));
  police.setPointSize(points);
  police.setStyleHint(QFont::SansSerif);
  return police;
}

QFont policeFixe(int points) {
  QFont police;
  police.setFamilies(famillesInstallees({QStringLiteral("Courier New"), QStringLiteral("Liberation Mono"),
                                         QStringLiteral("Nimbus Mono PS"), QStringLiteral("DejaVu Sans Mono")}));
  police.setPointSize(points);
  police.setStyleHint(QFont::Monospace);
  police.setFixedPitch(true);
  return police;
}

BarreEtat::BarreEtat(QWidget* parent) : QStatusBar(parent) {
  setObjectName(QStringLiteral("StatusBar"));
  setSizeGripEnabled(false);
  setFixedHeight(hauteur);
}

void BarreEtat::paintEvent(QPaintEvent* evenement) {
  // The panel first, then the message (if any) over it.
  {
    QPainter p(this);
    qDrawShadePanel(&p, rect().adjusted(0, 2, 0, 0), palette(), true, 1);
  }
  QStatusBar::paintEvent(evenement);
}

int largeurPourTitre(const QString& titre) {
  QFont police = QApplication::font();
  police.setBold(true);
  const QFontMetrics mesure(police);
  // The icon, three buttons and their margins take some 120 pixels beside
  // an 8-point caption in Openbox's usual theme: nine lines of this face.
  return mesure.horizontalAdvance(titre) + 9 * mesure.height();
}

}  // namespace irvad
