// The board window's drawing: hexagons, letters and numbers at their
// anchors, the panels, the status strip, the keyboard focus and the cursors.
// Everything is drawn in client units on the backing image, scaled by the
// zoom in use.
#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPolygon>
#include <cmath>
#include <map>
#include <tuple>

#include "Apparence.h"
#include "Cp1252.h"
#include "TfrmPlateau.h"

namespace irvad {

namespace {

bool estLettre(int lettre) { return lettre >= 'A' && lettre <= 'Z'; }

// The box one hexagon covers at anchor (x, y).
QRect boiteHexagone(int x, int y) { return QRect(x - 10, y, 39, 33); }

QPolygon coinsHexagone(int x, int y) {
  return QPolygon({QPoint(x, y), QPoint(x + 18, y), QPoint(x + 28, y + 16), QPoint(x + 18, y + 32), QPoint(x, y + 32),
                   QPoint(x - 10, y + 16)});
}

}  // namespace

const std::array<QColor, 7> TfrmPlateau::couleursClaires = {
    QColor(192, 192, 192), QColor(0, 0, 255),   QColor(0, 255, 0),   QColor(0, 255, 255),
    QColor(255, 0, 0),     QColor(255, 0, 255), QColor(255, 255, 0)};
const std::array<QColor, 7> TfrmPlateau::couleursFoncees = {
    QColor(128, 128, 128), QColor(0, 0, 128), QColor(0, 128, 0),  QColor(0, 128, 128),
    QColor(128, 0, 0),     QColor(128, 0, 128), QColor(128, 128, 0)};
const QColor TfrmPlateau::couleurFond(128, 128, 128);

void TfrmPlateau::preparer(QPainter& p) const {
  if (zoom_ == 100) return;
  p.scale(zoom_ / 100.0, zoom_ / 100.0);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
}

void TfrmPlateau::miseAJour(const QRect& boite) {
  if (surface == nullptr) return;
  if (zoom_ == 100) {
    surface->update(boite);
    return;
  }
  const qreal z = zoom_ / 100.0;
  surface->update(QRectF(boite.x() * z, boite.y() * z, boite.width() * z, boite.height() * z)
                      .toAlignedRect()
                      .adjusted(-1, -1, 1, 1));
}

// With the contrast raised, every text reads at 4.5:1 or better on its
// background: white on blue, black on the other light colours and on grey.
QColor TfrmPlateau::encreSur(int k) const { return k == 1 ? QColor(Qt::white) : QColor(Qt::black); }

void TfrmPlateau::hexagone(int x, int y, int k) {
  if (k < 0 || k > 6) k = 0;
  QPainter p(&image_);
  preparer(p);
  const QColor& c = couleursClaires[static_cast<std::size_t>(k)];
  p.setPen(QPen(c, 1, Qt::SolidLine));
  p.setBrush(QBrush(c, Qt::SolidPattern));
  p.drawPolygon(coinsHexagone(x, y));
  miseAJour(boiteHexagone(x, y));
}

// A ripe token, with the contrast raised: a frame along five sides of its
// hexagon, in the colour of its text, tells it apart at a glance (the
// bottom side is left open for its value).
void TfrmPlateau::anneauMur(int x, int y, int k) {
  QPainter p(&image_);
  preparer(p);
  p.setPen(QPen(encreSur(k), 2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
  p.setBrush(Qt::NoBrush);
  p.drawPolyline(QPolygon({QPoint(x + 1, y + 29), QPoint(x - 8, y + 16), QPoint(x + 1, y + 2), QPoint(x + 17, y + 2),
                           QPoint(x + 26, y + 16), QPoint(x + 17, y + 29)}));
  miseAJour(boiteHexagone(x, y));
}

void TfrmPlateau::lettreHexagone(int x, int y, char lettre, int32_t nombre, int k, QColor texte) {
  if (k < 0 || k > 6) k = 0;
  const QColor& fond = couleursClaires[static_cast<std::size_t>(k)];
  QPainter p(&image_);
  preparer(p);
  p.setPen(texte);
  auto ecrire = [&](const QFont& police, const QString& s, int cx, int bas) {
    p.setFont(police);
    const QFontMetrics m = p.fontMetrics();
    const int w = m.horizontalAdvance(s), h = m.height();
    const QRect boite(cx - w / 2, bas - h, w, h);
    p.fillRect(boite, fond);  // opaque text
    p.drawText(boite, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, s);
    miseAJour(boite);
  };
  ecrire(policeLettres_, QString(QChar::fromLatin1(lettre)), x + 9, y + 26);
  ecrire(policeNombres_, QString::number(nombre), x + 8, y + 32);
}

void TfrmPlateau::dessinerCellule(int r, int c, Couleur texte) {
  const Position& pos = jeu.position();
  if (!pos.plateau.valide(r, c)) return;
  const QPoint a = ancreCellule(r, c);
  const cellule& cel = pos.plateau.cases[r][c];
  const int k = cel.proprietaire >= 0 && cel.proprietaire <= 6 ? cel.proprietaire : 0;
  hexagone(a.x(), a.y(), k);
  if (estLettre(cel.lettre)) {
    const bool mur =
        static_cast<uint32_t>(cel.valeur) >= static_cast<uint32_t>(pos.plateau.poids[cel.lettre - 64]);
    QColor couleur(Qt::black);
    if (contraste_) {
      // A word being scored is marked by the cell itself, dark, its text
      // white: the played cell a little lighter than the others.
      if (texte != 0) {
        caseSombre(a.x(), a.y(), static_cast<char>(cel.lettre), cel.valeur,
                   texte == couleurArgent ? QColor(64, 64, 64) : QColor(Qt::black));
        dessinerFocusSiSur(r, c);
        return;
      }
      couleur = encreSur(k);
    } else if (texte != 0) {
      couleur = QColor::fromRgb(static_cast<QRgb>(texte));
    } else if (mur) {
      couleur = couleursFoncees[static_cast<std::size_t>(k)];
    }
    lettreHexagone(a.x(), a.y(), static_cast<char>(cel.lettre), cel.valeur, k, couleur);
    if (contraste_ && mur) anneauMur(a.x(), a.y(), k);
  }
  dessinerFocusSiSur(r, c);
}

void TfrmPlateau::caseSombre(int x, int y, char lettre, int32_t nombre, const QColor& fond) {
  QPainter p(&image_);
  preparer(p);
  p.setPen(QPen(fond, 1));
  p.setBrush(fond);
  p.drawPolygon(coinsHexagone(x, y));
  p.setPen(Qt::white);
  for (const auto& [police, s, cx, bas] : {std::tuple{policeLettres_, QString(QChar::fromLatin1(lettre)), x + 9, y + 26},
                                           std::tuple{policeNombres_, QString::number(nombre), x + 8, y + 32}}) {
    p.setFont(police);
    const QFontMetrics m = p.fontMetrics();
    const int w = m.horizontalAdvance(s), h = m.height();
    p.drawText(QRect(cx - w / 2, bas - h, w, h), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, s);
  }
  miseAJour(boiteHexagone(x, y));
}

void TfrmPlateau::dessinerCoordonnees() {
  QPainter p(&image_);
  preparer(p);
  p.setFont(policeNombres_);
  const QFontMetrics m = p.fontMetrics();
  for (int i = 0; i <= 10; ++i) {
    const int mi = std::min(i, 5), d = i == 10 ? 1 : 0;
    const int yi = i <= 5 ? 17 * i + 53 : 34 * i - 32;
    const int xi = 301 - 30 * mi - 4 * d;
    const QString s = QString::number(i);
    const int w = m.horizontalAdvance(s), h = m.height();
    const QRect ligne(xi, yi, w, h), colonne(646 - xi - 8 * d, yi, w, h);
    // Blue and maroon read poorly on the grey: black with the contrast raised.
    p.fillRect(ligne, couleurFond);
    p.setPen(contraste_ ? QColor(Qt::black) : QColor(0, 0, 255));
    p.drawText(ligne, Qt::AlignLeft | Qt::AlignTop, s);
    p.fillRect(colonne, couleurFond);
    p.setPen(contraste_ ? QColor(Qt::black) : QColor(128, 0, 0));
    p.drawText(colonne, Qt::AlignLeft | Qt::AlignTop, s);
    miseAJour(ligne);
    miseAJour(colonne);
  }
}

void TfrmPlateau::dessinerPoids() {
  for (int l = 0; l < 26; ++l) {
    const QPoint a = ancrePoids(l);
    hexagone(a.x(), a.y(), 0);
    lettreHexagone(a.x(), a.y(), static_cast<char>('A' + l),
                   jeu.position().plateau.poids[static_cast<std::size_t>(l + 1)], 0, Qt::black);
  }
}

void TfrmPlateau::dessinerReserve(const joueur& j) {
  for (int l = 0; l < 26; ++l) {
    const int32_t n = j.lettres[static_cast<std::size_t>(l + 1)];
    const int k = n > 0 ? j.numero + 1 : 0;
    const QPoint a = ancreReserve(l);
    hexagone(a.x(), a.y(), k);
    lettreHexagone(a.x(), a.y(), static_cast<char>('A' + l), n, k, contraste_ ? encreSur(k) : QColor(Qt::black));
    if (focus_ && focus_->surReserve && focus_->lettre == l) dessinerFocus();
  }
}

void TfrmPlateau::dessinerPlateau() {
  const Position& pos = jeu.position();
  if (zoom_ != 100 || contraste_) image_.fill(couleurFond);
  for (int r = 0; r <= 10; ++r)
    for (int c = pos.plateau.ligneMin[static_cast<std::size_t>(r)]; c <= pos.plateau.ligneMax[static_cast<std::size_t>(r)];
         ++c)
      dessinerCellule(r, c, 0);
  dessinerCoordonnees();
  dessinerPoids();
  dessinerReserve(pos.joueurs[pos.joueurCourant % nbJoueursMax]);
  if (zoom_ != 100) dessinerStatut();
}

void TfrmPlateau::dessinerStatut() {
  QPainter p(&image_);
  preparer(p);
  const QRect bande(0, hautStatut, largeur, hauteur - hautStatut);
  p.fillRect(bande, QColor(212, 208, 200));
  p.setPen(QColor(128, 128, 128));
  p.drawLine(0, hautStatut, largeur - 1, hautStatut);
  p.setPen(Qt::black);
  p.setFont(policeStatut_);
  p.drawText(bande.adjusted(3, 1, -3, 0), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, statut_);
  miseAJour(bande);
}

void TfrmPlateau::texteStatut(const std::string& texte) {
  statut_ = QString::fromStdString(cp1252::versUtf8(texte));
  dessinerStatut();
  // Shown at once, also while a long computation holds the event loop.
  if (surface != nullptr && surface->isVisible()) {
    const int z = zoom_;
    surface->repaint(QRect(0, hautStatut * z / 100, largeur * z / 100, (hauteur - hautStatut) * z / 100 + 1));
  }
}

// ---------------------------------------------------------------- hints

// The letter of a hint on its stock hexagon, and the cell it goes to in the
// player's colour with the letter and the points it would score; a move's
// token lit on its cell. In silver, or white on black with the contrast raised.
void TfrmPlateau::montrerConseil(const Conseil& c) {
  effacerConseil();
  conseilMontre_ = c;
  const Position& pos = jeu.position();
  const int moi = static_cast<int>(pos.joueurCourant) + 1;
  const char lettre = static_cast<char>(c.lettre);
  auto allumer = [&](int r, int col, int32_t nombre) {
    const QPoint a = ancreCellule(r, col);
    if (contraste_) {
      caseSombre(a.x(), a.y(), lettre, nombre, QColor(Qt::black));
      return;
    }
    hexagone(a.x(), a.y(), moi);
    lettreHexagone(a.x(), a.y(), lettre, nombre, moi, couleursClaires[0]);
  };
  if (c.deplacement) {
    allumer(c.xs, c.ys, pos.caseEn(c.xs, c.ys).valeur);
  } else if (lettre >= 'A' && lettre <= 'Z') {
    const int l = lettre - 'A';
    surlignerLettre(l, pos.courant().lettres[static_cast<std::size_t>(l + 1)], moi);
  }
  allumer(c.x, c.y, c.points);
}

void TfrmPlateau::effacerConseil() {
  if (!conseilMontre_) return;
  const Conseil c = *conseilMontre_;
  conseilMontre_.reset();
  dessinerCellule(c.x, c.y, 0);
  if (c.deplacement) dessinerCellule(c.xs, c.ys, 0);
  dessinerReserve(jeu.position().courant());
}

// ---------------------------------------------------------------- keyboard focus

namespace {
// The hexagon grown by two pixels: the frame of the keyboard focus.
QPolygon cadreFocus(int x, int y) {
  return QPolygon({QPoint(x - 1, y - 2), QPoint(x + 19, y - 2), QPoint(x + 30, y + 16), QPoint(x + 19, y + 34),
                   QPoint(x - 1, y + 34), QPoint(x - 12, y + 16)});
}
}  // namespace

// The focused hexagon gets a frame of two lines, white outside and black
// inside, in the gap around it: it shows on every colour.
void TfrmPlateau::dessinerFocus() {
  if (!focus_) return;
  const QPoint a = focus_->surReserve ? ancreReserve(focus_->lettre) : ancreCellule(focus_->r, focus_->c);
  QPainter p(&image_);
  preparer(p);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(Qt::white, 2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
  p.drawPolygon(cadreFocus(a.x(), a.y()));
  p.setPen(QPen(Qt::black, 1, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
  p.drawPolygon(coinsHexagone(a.x(), a.y()));
  // The letter in hand, or the token carried, shows on the focused cell:
  // with the keyboard the mouse's cursor, which carries it, is elsewhere.
  // Where it may go the cell has the player's colour; an empty cell where
  // it may not keeps its own; a token already there is left to be seen.
  const char enMain = action == 2 ? lettreDeplacee : lettreChoisie;
  if (!focus_->surReserve && etape == 2 && survolX == focus_->r && survolY == focus_->c && estLettre(enMain)) {
    const bool permise = destX == focus_->r && destY == focus_->c;
    if (permise || jeu.position().caseEn(focus_->r, focus_->c).proprietaire == 0) {
      p.setFont(policeLettres_);
      p.setPen(encreSur(permise ? static_cast<int>(jeu.position().joueurCourant) + 1 : 0));
      p.drawText(boiteHexagone(a.x(), a.y()), Qt::AlignCenter | Qt::TextSingleLine, QString(QChar::fromLatin1(enMain)));
    }
  }
  miseAJour(boiteHexagone(a.x(), a.y()).adjusted(-3, -3, 3, 3));
}

void TfrmPlateau::dessinerFocusSiSur(int r, int c) {
  if (focus_ && !focus_->surReserve && focus_->r == r && focus_->c == c) dessinerFocus();
}

// The frame goes: the gap around the hexagon is grey again, then the
// hexagon and its neighbours, which the frame may have touched, are drawn
// again as they stand.
void TfrmPlateau::effacerFocus() {
  if (!focus_) return;
  const Focus f = *focus_;
  focus_.reset();
  const QPoint a = f.surReserve ? ancreReserve(f.lettre) : ancreCellule(f.r, f.c);
  {
    QPainter p(&image_);
    preparer(p);
    p.setPen(QPen(couleurFond, 3, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(couleurFond);
    p.drawPolygon(cadreFocus(a.x(), a.y()));
  }
  miseAJour(boiteHexagone(a.x(), a.y()).adjusted(-3, -3, 3, 3));
  const Position& pos = jeu.position();
  if (f.surReserve) {
    const joueur& j = pos.courant();
    for (int l = f.lettre - 2; l <= f.lettre + 2; ++l) {
      if (l < 0 || l > 25) continue;
      const int32_t n = j.lettres[static_cast<std::size_t>(l + 1)];
      const int k = n > 0 ? j.numero + 1 : 0;
      const QPoint b = ancreReserve(l);
      hexagone(b.x(), b.y(), k);
      lettreHexagone(b.x(), b.y(), static_cast<char>('A' + l), n, k, contraste_ ? encreSur(k) : QColor(Qt::black));
    }
    return;
  }
  dessinerCellule(f.r, f.c, 0);
  for (int d = 0; d < 6; ++d) dessinerCellule(f.r + pos.plateau.dx[d], f.c + pos.plateau.dy[d], 0);
  // Near the board's edges the frame may reach the numbers around it.
  dessinerCoordonnees();
}

// ---------------------------------------------------------------- cursors

namespace {

constexpr int tailleCurseur = 32;

// A text outline filled with one colour and edged with the other, centred on (cx, cy).
void texteCurseur(QPainter& p, const QString& texte, int pixels, QPointF centre, const QColor& interieur,
                  const QColor& bord) {
  QFont f;
  f.setFamilies(famillesInstallees({QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")}));
  f.setPixelSize(pixels);
  f.setBold(true);
  f.setStyleStrategy(QFont::NoAntialias);
  QPainterPath chemin;
  chemin.addText(0, 0, f, texte);
  const QRectF b = chemin.boundingRect();
  chemin.translate(centre.x() - b.center().x(), centre.y() - b.center().y());
  p.strokePath(chemin, QPen(bord, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.fillPath(chemin, interieur);
}

// A line drawn black over a white edge, visible on any colour.
void traitCurseur(QPainter& p, const QPolygon& trait) {
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(Qt::white, 3, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
  p.drawPolyline(trait);
  p.setPen(QPen(Qt::black, 1, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
  p.drawPolyline(trait);
}

// The hexagon of a token to move, with arrows towards the four sides.
void hexagoneCurseur(QPainter& p) {
  traitCurseur(p, QPolygon({QPoint(11, 10), QPoint(21, 10), QPoint(26, 16), QPoint(21, 22), QPoint(11, 22),
                            QPoint(6, 16), QPoint(11, 10)}));
  traitCurseur(p, QPolygon({QPoint(16, 8), QPoint(16, 2)}));
  traitCurseur(p, QPolygon({QPoint(13, 5), QPoint(16, 2), QPoint(19, 5)}));
  traitCurseur(p, QPolygon({QPoint(16, 24), QPoint(16, 30)}));
  traitCurseur(p, QPolygon({QPoint(13, 27), QPoint(16, 30), QPoint(19, 27)}));
  traitCurseur(p, QPolygon({QPoint(4, 16), QPoint(1, 16)}));
  traitCurseur(p, QPolygon({QPoint(4, 13), QPoint(1, 16), QPoint(4, 19)}));
  traitCurseur(p, QPolygon({QPoint(28, 16), QPoint(30, 16)}));
  traitCurseur(p, QPolygon({QPoint(27, 13), QPoint(30, 16), QPoint(27, 19)}));
}

QImage imageCurseur(int numero, int zoom) {
  const int cote = tailleCurseur * zoom / 100;
  QImage image(cote, cote, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  QPainter p(&image);
  // At 100 % without smoothing, so that every pixel is black, white or clear;
  // larger, drawn at its own size and smoothed.
  p.setRenderHint(QPainter::Antialiasing, zoom != 100);
  p.scale(zoom / 100.0, zoom / 100.0);
  if (numero >= 1 && numero <= 26) {
    // The capital letter, white with a black outline.
    texteCurseur(p, QString(QChar(u'A' + (numero - 1))), 24, QPointF(16, 16), Qt::white, Qt::black);
  } else if (numero == TfrmPlateau::curseurP1) {
    // A plus sign beside the digit 1.
    texteCurseur(p, QStringLiteral("+"), 20, QPointF(9, 16), Qt::black, Qt::white);
    texteCurseur(p, QStringLiteral("1"), 22, QPointF(22, 16), Qt::black, Qt::white);
  } else {
    // The pixels under a cursor cannot be inverted on every system: the
    // hexagon is drawn black on a white edge instead.
    hexagoneCurseur(p);
    if (numero == TfrmPlateau::curseurDP1)
      texteCurseur(p, QStringLiteral("+1"), 10, QPointF(16, 16), Qt::black, Qt::white);
  }
  p.end();
  return image;
}

}  // namespace

QCursor TfrmPlateau::curseurNumero(int numero, int zoom) {
  if (numero < 1 || numero > curseurDP1) return QCursor(Qt::ArrowCursor);
  // Each one drawn the first time it is shown, at that zoom, and kept until
  // the program ends: drawing all 29 would hold up the start for nothing.
  static auto* const curseurs = new std::map<std::pair<int, int>, QCursor>();
  const auto cle = std::pair(zoom, numero);
  auto it = curseurs->find(cle);
  if (it == curseurs->end()) {
    const int centre = tailleCurseur * zoom / 100 / 2;
    it = curseurs->emplace(cle, QCursor(QPixmap::fromImage(imageCurseur(numero, zoom)), centre, centre)).first;
  }
  return it->second;
}

void TfrmPlateau::montrerCurseur(int numero) {
  if (numero < 1 || numero > curseurDP1) numero = 0;
  if (numero == curseur_) return;  // only assigned when it changes
  curseur_ = numero;
  if (numero == 0)
    surface->unsetCursor();
  else
    surface->setCursor(curseurNumero(numero, zoom_));
}

void TfrmPlateau::curseurStandard() { montrerCurseur(0); }

}  // namespace irvad
