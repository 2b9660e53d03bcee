#include "TfrmAPropos.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QDesktopServices>
#include <QFontMetrics>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPolygon>
#include <cstring>

#include "Etat.h"
#include "Jeu.h"
#include "Projet.h"

namespace irvad {

const std::array<QColor, 7> TfrmAPropos::couleurs = {
    QColor(192, 192, 192), QColor(0, 0, 255),   QColor(0, 255, 0),   QColor(0, 255, 255),
    QColor(255, 0, 0),     QColor(255, 0, 255), QColor(255, 255, 0)};
const QColor TfrmAPropos::couleurFond(128, 128, 128);

namespace {

QFont policePixels(const char* famille, int pixels, bool souligne = false) {
  QFont police(QString::fromLatin1(famille));
  police.setPixelSize(pixels);
  police.setUnderline(souligne);
  return police;
}

QLabel* panneau(QWidget* parent, const char* nom, const QString& texte, int top) {
  auto* p = new QLabel(texte, parent);
  p->setObjectName(QString::fromLatin1(nom));
  p->setGeometry(80, top, 185, 41);
  p->setFrameStyle(QFrame::Panel | QFrame::Raised);
  p->setLineWidth(1);
  p->setAlignment(Qt::AlignCenter);
  p->setTextFormat(Qt::PlainText);
  p->setAutoFillBackground(true);
  QPalette couleurs = p->palette();
  couleurs.setColor(QPalette::Window, couleurs.color(QPalette::Button));
  p->setPalette(couleurs);
  return p;
}

QLabel* lien(QWidget* parent, const char* nom, const QString& texte, int left, int top) {
  auto* l = new QLabel(texte, parent);
  l->setObjectName(QString::fromLatin1(nom));
  l->setTextFormat(Qt::PlainText);
  QFont police(QStringLiteral("Comic Sans MS"));
  police.setPointSize(8);
  police.setUnderline(true);
  l->setFont(police);
  QPalette couleurs = l->palette();
  couleurs.setColor(QPalette::WindowText, QColor(0, 255, 255));
  l->setPalette(couleurs);
  l->setCursor(Qt::PointingHandCursor);
  l->move(left, top);
  l->adjustSize();
  return l;
}

}  // namespace

TfrmAPropos::TfrmAPropos(QWidget* parent, Jeu* jeu)
    : QDialog(parent), jeu_(jeu), image_(largeur, hauteur, QImage::Format_RGB32) {
  setObjectName(QStringLiteral("frmAPropos"));
  setWindowTitle(QStringLiteral("À propos d'Irvad"));
  // A dialog frame with a caption and no buttons in it.
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
  setFixedSize(largeur, hauteur);
  setFont(policePixels("Comic Sans MS", 19));
  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent);
  image_.fill(couleurFond);

  Panel1 = panneau(this, "Panel1", QStringLiteral("Version ") + QString::fromUtf8(projet::version), 94);
  Panel2 = panneau(this, "Panel2", QStringLiteral("Idée & Programme"), 135);
  Panel3 = panneau(this, "Panel3", QString::fromUtf8(projet::credit), 176);
  LabelUrl = lien(this, "LabelUrl", QString::fromUtf8(projet::pageAccueil), 69, 224);
  LabelEMail = lien(this, "LabelEMail", QString::fromUtf8(projet::courriel), 111, 240);
  LabelUrl->installEventFilter(this);
  LabelEMail->installEventFilter(this);

  PopupMenu = new QMenu(this);
  PopupMenu->setObjectName(QStringLiteral("PopupMenu"));
  RubriqueFermer = PopupMenu->addAction(QStringLiteral("&Fermer"));
  RubriqueFermer->setObjectName(QStringLiteral("RubriqueFermer"));
  RubriqueFermer->setShortcut(QKeySequence(Qt::Key_Escape));
  RubriqueFermer->setShortcutContext(Qt::WindowShortcut);
  PopupMenu->setDefaultAction(RubriqueFermer);
  // The shortcut works without the menu open.
  addAction(RubriqueFermer);
  connect(RubriqueFermer, &QAction::triggered, this, &TfrmAPropos::RubriqueFermerClick);

  ouvrirLien = [](const QUrl& url) { QDesktopServices::openUrl(url); };

  dessinerBouton();
  Timer.setInterval(intervalleMs);
  connect(&Timer, &QTimer::timeout, this, &TfrmAPropos::TimerTimer);
  Timer.start();
}

bool TfrmAPropos::dansBouton(int X, int Y) {
  return X >= boutonGauche && X < boutonDroite && Y >= boutonHaut && Y < boutonBas;
}

void TfrmAPropos::tuile(int x, int y, int k) {
  const QColor& c = couleurs[static_cast<std::size_t>(k)];
  QPainter p(&image_);
  p.setPen(QPen(c, 1, Qt::SolidLine));
  p.setBrush(QBrush(c, Qt::SolidPattern));
  p.drawPolygon(QPolygon({QPoint(x, y), QPoint(x + 18, y), QPoint(x + 28, y + 16), QPoint(x + 18, y + 32),
                          QPoint(x, y + 32), QPoint(x - 10, y + 16)}));
  update(x - 10, y, 39, 33);
}

void TfrmAPropos::lettreTuile(int x, int y, char lettre, int k, const QColor& texte) {
  const QColor& fond = couleurs[static_cast<std::size_t>(k)];
  QPainter p(&image_);
  p.setPen(texte);
  auto ecrire = [&](const QFont& police, const QString& s, int milieu, int bas) {
    p.setFont(police);
    const QFontMetrics m(police);
    const int w = m.horizontalAdvance(s), h = m.height();
    const QRect boite(milieu - w / 2, bas - h, w, h);
    p.fillRect(boite, fond);  // opaque text on the tile's colour
    p.drawText(boite, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, s);
    update(boite);
  };
  ecrire(policePixels("Comic Sans MS", 19), QString(QChar::fromLatin1(lettre)), x + 9, y + 26);
  ecrire(policePixels("Small Fonts", 9), QString::number(poidsLettres[static_cast<std::size_t>(lettre - 'A' + 1)]),
         x + 8, y + 32);
}

void TfrmAPropos::dessinerBouton() {
  const QColor texte = survol_ ? QColor(255, 255, 255) : QColor(0, 0, 0);
  // Both tiles before either letter: the second tile overlaps the first one
  // where its V stands.
  tuile(158, 282, 0);
  tuile(170, 282, 0);
  lettreTuile(158, 282, 'V', 0, texte);
  lettreTuile(170, 282, 'U', 0, texte);
  ++dessinsBouton_;
}

void TfrmAPropos::TimerTimer() {
  const int i = etape_ % nbTuiles;
  const int c = (etape_ / nbTuiles) % 6 + 1;
  const char lettre = banniere[i];
  const QPoint a = ancreTuile(i);
  tuile(a.x(), a.y(), c);
  if (lettre >= 'A' && lettre <= 'Z')
    lettreTuile(a.x(), a.y(), lettre, c, c == 1 ? QColor(255, 255, 255) : QColor(0, 0, 0));
  // The counter wraps only after some 13 years of animation.
  if (etape_ < INT32_MAX) ++etape_;
  else etape_ = 0;
  if (jeu_) jeu_->brasser();
}

void TfrmAPropos::FormMouseMove(int X, int Y) {
  const bool dedans = dansBouton(X, Y);
  if (dedans == survol_) return;
  survol_ = dedans;
  dessinerBouton();
}

void TfrmAPropos::FormMouseUp(int X, int Y) {
  if (dansBouton(X, Y)) accept();
}

void TfrmAPropos::RubriqueFermerClick() {
  if (jeu_) jeu_->graine(static_cast<uint32_t>(jeu_->horloge()));
  accept();
}

void TfrmAPropos::LabelUrlClick() {
  if (ouvrirLien) ouvrirLien(QUrl(LabelUrl->text()));
}

void TfrmAPropos::LabelEMailClick() {
  if (ouvrirLien) ouvrirLien(QUrl(QStringLiteral("Mailto:") + LabelEMail->text() + QStringLiteral("?subject=Irvad")));
}

void TfrmAPropos::showEvent(QShowEvent* evenement) {
  if (const QWidget* plateau = parentWidget()) {
    const QPoint coin = plateau->window()->frameGeometry().topLeft();
    move(coin.x() + 153, coin.y() + 95);
  }
  QDialog::showEvent(evenement);
}

void TfrmAPropos::paintEvent(QPaintEvent* evenement) {
  QPainter p(this);
  const QRect zone = evenement->rect();
  p.drawImage(zone, image_, zone);
}

void TfrmAPropos::mouseMoveEvent(QMouseEvent* evenement) {
  const QPoint point = evenement->position().toPoint();
  FormMouseMove(point.x(), point.y());
}

void TfrmAPropos::mouseReleaseEvent(QMouseEvent* evenement) {
  // The right button is the context menu's.
  if (evenement->button() == Qt::RightButton) return;
  const QPoint point = evenement->position().toPoint();
  FormMouseUp(point.x(), point.y());
}

void TfrmAPropos::leaveEvent(QEvent* evenement) {
  // A pointer that leaves the window at speed gave no move outside the button.
  FormMouseMove(-1, -1);
  QDialog::leaveEvent(evenement);
}

void TfrmAPropos::contextMenuEvent(QContextMenuEvent* evenement) { PopupMenu->popup(evenement->globalPos()); }

bool TfrmAPropos::eventFilter(QObject* objet, QEvent* evenement) {
  if ((objet == LabelUrl || objet == LabelEMail) && evenement->type() == QEvent::MouseButtonRelease) {
    auto* souris = static_cast<QMouseEvent*>(evenement);
    auto* label = static_cast<QLabel*>(objet);
    if (souris->button() == Qt::LeftButton && label->rect().contains(souris->position().toPoint())) {
      if (objet == LabelUrl) LabelUrlClick();
      else LabelEMailClick();
      return true;
    }
  }
  return QDialog::eventFilter(objet, evenement);
}

}  // namespace irvad
