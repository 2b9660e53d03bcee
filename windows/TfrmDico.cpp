#include "TfrmDico.h"

#include <QApplication>
#include <QProgressBar>
#include <QScreen>
#include <algorithm>

#include "Apparence.h"
#include "Cp1252.h"

namespace irvad {

TfrmDico::TfrmDico(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("frmDico"));
  setWindowTitle(QStringLiteral("Chargement du dictionnaire"));
  // A dialog frame with a caption and no buttons in it.
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
  setFixedSize(216, 51);
  // After a failed load the window stays on screen with its message; it must
  // not keep the program running once the board window is closed.
  setAttribute(Qt::WA_QuitOnClose, false);
  setFont(policeSansSerif(8));

  CGauge = new QProgressBar(this);
  CGauge->setObjectName(QStringLiteral("CGauge"));
  CGauge->setGeometry(8, 8, 200, 17);
  CGauge->setOrientation(Qt::Horizontal);
  CGauge->setMinimum(0);
  CGauge->setMaximum(100);
  CGauge->setValue(0);
  CGauge->setTextVisible(true);
  CGauge->setFormat(QStringLiteral("0%"));
  CGauge->setAlignment(Qt::AlignCenter);

  StatusBar = new BarreEtat(this);
  StatusBar->setGeometry(0, 51 - BarreEtat::hauteur, 216, BarreEtat::hauteur);
}

void TfrmDico::dicoOuvrir(int32_t maximum) {
  // A maximum of 0 or less would make the gauge busy-looking, not empty.
  CGauge->setMaximum(maximum > 0 ? maximum : 1);
  montrerProgression(0);
  StatusBar->clearMessage();
  if (const QScreen* ecran = screen() ? screen() : QGuiApplication::primaryScreen()) {
    const QRect zone = ecran->availableGeometry();
    move(zone.center() - rect().center());
  }
  show();
  // Lets the window system map the window before the loader takes over.
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void TfrmDico::montrerProgression(int32_t n) {
  n = std::clamp(n, CGauge->minimum(), CGauge->maximum());
  CGauge->setValue(n);
  // The whole percentage done, never rounded up to 100 before the end.
  const auto pourcent = static_cast<int64_t>(n) * 100 / CGauge->maximum();
  CGauge->setFormat(QString::number(pourcent) + QLatin1Char('%'));
}

void TfrmDico::dicoProgression(int32_t n) {
  montrerProgression(n);
  CGauge->repaint();
}

void TfrmDico::dicoStatut(const std::string& texte) {
  StatusBar->showMessage(QString::fromStdString(cp1252::versUtf8(texte)));
  StatusBar->repaint();
}

void TfrmDico::dicoFermer() { close(); }

void TfrmDico::garderAuDessusDe(QWidget* fenetre) {
  const QPoint position = pos();
  const bool visible = isVisible();
  // A new parent hides the window; shown again, it is tied to the board.
  setParent(fenetre, windowFlags());
  move(position);
  if (visible) show();
}

}  // namespace irvad
