// The board window itself: its fonts, its surface and the events the
// surface hands on, and the display options (zoom, contrast).
#include "TfrmPlateau.h"

#include <QApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QLayout>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "Apparence.h"

namespace irvad {

namespace {

// A font by its face name and character height in pixels. The faces the
// board was drawn with are looked up first (fontconfig gives their nearest
// replacement), then a face of the same kind that is always installed. At
// 100 % the text is drawn without smoothing, pixel for pixel as the board
// always was; larger, it is smoothed at its own size.
QFont police(const QString& face, const QString& remplacement, int pixels, int zoom) {
  QFont f;
  f.setFamilies(famillesInstallees({face, remplacement}));
  f.setPixelSize(pixels);
  f.setStyleStrategy(zoom == 100 ? QFont::NoAntialias : QFont::PreferAntialias);
  return f;
}

}  // namespace

TfrmPlateau::TfrmPlateau(Jeu& j, QWidget* parent) : QMainWindow(parent), jeu(j) {
  setObjectName(QStringLiteral("frmPlateau"));
  // A fixed border with a system menu and a minimise button, nothing to resize or maximise.
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);

  surface = new SurfacePlateau(*this);
  surface->setObjectName(QStringLiteral("surface"));
  setCentralWidget(surface);
  surface->installEventFilter(this);

  creerMenus();

  // The client area keeps its size below the menu bar.
  layout()->setSizeConstraint(QLayout::SetFixedSize);
  move(0, 0);
  definirZoom(100);
}

TfrmPlateau::~TfrmPlateau() {
  if (surface != nullptr) surface->removeEventFilter(this);
}

bool TfrmPlateau::eventFilter(QObject* objet, QEvent* evenement) {
  // Shown again (restored from the task bar): the whole board is drawn
  // again, which takes any highlight away. The first showing finds it drawn.
  if (objet == surface && evenement->type() == QEvent::Show) {
    if (surfaceMontree_)
      dessinerPlateau();
    else
      surfaceMontree_ = true;
  }
  return QMainWindow::eventFilter(objet, evenement);
}

// ---------------------------------------------------------------- display options

void TfrmPlateau::definirZoom(int pourcent) {
  if (std::find(zooms.begin(), zooms.end(), pourcent) == zooms.end()) pourcent = 100;
  const bool premiere = image_.isNull();
  if (!premiere && pourcent == zoom_) return;
  zoom_ = pourcent;
  policeLettres_ = police(QStringLiteral("Comic Sans MS"), QStringLiteral("Comic Neue"), 19, zoom_);
  policeNombres_ = police(QStringLiteral("Small Fonts"), QStringLiteral("Liberation Sans"), 9, zoom_);
  policeStatut_ = police(QStringLiteral("Small Fonts"), QStringLiteral("Liberation Sans"), 9, zoom_);
  image_ = QImage(largeur * zoom_ / 100, hauteur * zoom_ / 100, QImage::Format_RGB32);
  image_.fill(couleurFond);
  surface->setFixedSize(image_.size());
  layout()->activate();
  adjustSize();
  for (std::size_t i = 0; i < zooms.size(); ++i)
    if (RubriquesZoom[i] != nullptr) RubriquesZoom[i]->setChecked(zooms[i] == zoom_);
  if (RubriqueZoomAvant != nullptr) {
    RubriqueZoomAvant->setEnabled(zoom_ != zooms.back());
    RubriqueZoomArriere->setEnabled(zoom_ != zooms.front());
  }
  dessinerPlateau();
  dessinerStatut();
  // The cursor in use, drawn again at the new size.
  const int curseur = curseur_;
  curseur_ = 0;
  montrerCurseur(curseur);
  surface->update();
  if (!premiere && affichageChange) affichageChange();
}

void TfrmPlateau::definirContraste(bool renforce) {
  if (renforce == contraste_) return;
  contraste_ = renforce;
  if (RubriqueContraste != nullptr) RubriqueContraste->setChecked(contraste_);
  image_.fill(couleurFond);
  dessinerPlateau();
  dessinerStatut();
  surface->update();
  if (affichageChange) affichageChange();
}

// ---------------------------------------------------------------- surface

SurfacePlateau::SurfacePlateau(TfrmPlateau& fenetre) : QWidget(&fenetre), fenetre_(fenetre) {
  setFixedSize(TfrmPlateau::largeur, TfrmPlateau::hauteur);
  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent);
  // The keys of the board's own play reach it without a click first.
  setFocusPolicy(Qt::StrongFocus);
}

void SurfacePlateau::paintEvent(QPaintEvent* evenement) {
  // Everything is already drawn in the image: only copy what is asked for.
  QPainter p(this);
  for (const QRect& r : evenement->region()) p.drawImage(r, fenetre_.image_, r);
  if (fenetre_.premierePeinture) {
    const auto signaler = std::move(fenetre_.premierePeinture);
    fenetre_.premierePeinture = nullptr;
    signaler();
  }
}

// The pointer in client units: the image is drawn larger at a higher zoom.
QPoint SurfacePlateau::client(const QMouseEvent* evenement) const {
  const QPointF pt = evenement->position();
  const qreal z = fenetre_.zoom() / 100.0;
  return {static_cast<int>(std::floor(pt.x() / z)), static_cast<int>(std::floor(pt.y() / z))};
}

void SurfacePlateau::mousePressEvent(QMouseEvent* evenement) {
  if (evenement->button() != Qt::LeftButton) return;
  const QPoint pt = client(evenement);
  fenetre_.FormMouseDown(pt.x(), pt.y());
}

void SurfacePlateau::mouseMoveEvent(QMouseEvent* evenement) {
  // The pointer takes over from the keyboard's focus.
  if (fenetre_.focus_) fenetre_.effacerFocus();
  const QPoint pt = client(evenement);
  if (fenetre_.appui_ && !fenetre_.glisse_ && (evenement->buttons() & Qt::LeftButton) &&
      (pt - fenetre_.pointAppui_).manhattanLength() * fenetre_.zoom() / 100 >= QApplication::startDragDistance()) {
    // Carried away from where it was pressed: the letter or the token is
    // taken now, before the pointer leaves it.
    fenetre_.appui_ = false;
    if (fenetre_.etape == 1) fenetre_.FormMouseUp(Qt::LeftButton);
    fenetre_.glisse_ = fenetre_.etape == 2;
  }
  fenetre_.FormMouseMove(pt.x(), pt.y());
}

void SurfacePlateau::mouseReleaseEvent(QMouseEvent* evenement) {
  fenetre_.appui_ = false;
  if (fenetre_.glisse_) {
    // Dropped: put down where the pointer is, when it may go there.
    fenetre_.glisse_ = false;
    if (evenement->button() == Qt::LeftButton && fenetre_.etape == 2) fenetre_.FormMouseUp(Qt::LeftButton);
    return;
  }
  fenetre_.FormMouseUp(evenement->button());
}

void SurfacePlateau::keyPressEvent(QKeyEvent* evenement) {
  if (!fenetre_.touche(evenement->key(), evenement->modifiers(), evenement->text())) QWidget::keyPressEvent(evenement);
}

// Tab moves the focus between the stock and the board, not to another widget.
bool SurfacePlateau::focusNextPrevChild(bool) { return false; }

}  // namespace irvad
