// The board window's drawing and the mouse play of a human turn.
#include "TfrmPlateau.h"

#include <QEvent>
#include <QFontMetrics>
#include <QLayout>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPolygon>
#include <cstdlib>

#include "Cp1252.h"

namespace irvad {

namespace {

// The prompts of the status strip.
const char* const textePlacer = "Cliquez gauche sur la lettre à placer sur le plateau de jeu.";
const char* const texteSommet =
    "Vous devez placer une lettre au sommet du plateau correspondant à votre couleur.";
const char* const texteDeplacer = "Cliquez gauche sur la lettre à déplacer sur le plateau de jeu.";
const char* const texteJeton =
    "Cliquez gauche sur la lettre à déplacer ou cliquez droit sur la lettre pour incrémenter son "
    "compte dans votre jeu (curseur +1).";
const char* const texteDestination =
    "Cliquez gauche sur la case où vous souhaitez placer la lettre ou cliquez droit pour annuler "
    "(choisir une autre lettre).";
const char* const texteDecompte =
    "Décompte des points : appuyez sur le bouton Continuer de la boîte de dialogue sous les scores "
    "pour continuer...";

bool estLettre(int lettre) { return lettre >= 'A' && lettre <= 'Z'; }
bool dansGrille(int v) { return v >= 0 && v <= 10; }

// The box one hexagon covers at anchor (x, y).
QRect boiteHexagone(int x, int y) { return QRect(x - 10, y, 39, 33); }

}  // namespace

const std::array<QColor, 7> TfrmPlateau::couleursClaires = {
    QColor(192, 192, 192), QColor(0, 0, 255),   QColor(0, 255, 0),   QColor(0, 255, 255),
    QColor(255, 0, 0),     QColor(255, 0, 255), QColor(255, 255, 0)};
const std::array<QColor, 7> TfrmPlateau::couleursFoncees = {
    QColor(128, 128, 128), QColor(0, 0, 128), QColor(0, 128, 0),  QColor(0, 128, 128),
    QColor(128, 0, 0),     QColor(128, 0, 128), QColor(128, 128, 0)};
const QColor TfrmPlateau::couleurFond(128, 128, 128);

// ---------------------------------------------------------------- window

namespace {

// A font by its face name and character height in pixels. The faces the
// board was drawn with are looked up first (fontconfig gives their nearest
// replacement), then a face of the same kind that is always installed.
QFont police(const QString& face, const QString& remplacement, int pixels) {
  QFont f;
  f.setFamilies({face, remplacement});
  f.setPixelSize(pixels);
  f.setStyleStrategy(QFont::NoAntialias);
  return f;
}

}  // namespace

TfrmPlateau::TfrmPlateau(Jeu& j, QWidget* parent)
    : QMainWindow(parent),
      jeu(j),
      image_(largeur, hauteur, QImage::Format_RGB32),
      policeLettres_(police(QStringLiteral("Comic Sans MS"), QStringLiteral("Comic Neue"), 19)),
      policeNombres_(police(QStringLiteral("Small Fonts"), QStringLiteral("Liberation Sans"), 9)),
      policeStatut_(police(QStringLiteral("Small Fonts"), QStringLiteral("Liberation Sans"), 9)) {
  setObjectName(QStringLiteral("frmPlateau"));
  // A fixed border with a system menu and a minimise button, nothing to resize or maximise.
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
  image_.fill(couleurFond);

  surface = new SurfacePlateau(*this);
  surface->setObjectName(QStringLiteral("surface"));
  setCentralWidget(surface);
  surface->installEventFilter(this);

  // The 29 cursors are drawn once, now.
  for (int n = 1; n <= curseurDP1; ++n) curseurNumero(n);

  creerMenus();

  // The client area stays 640 x 500 below the menu bar.
  layout()->setSizeConstraint(QLayout::SetFixedSize);
  layout()->activate();
  move(0, 0);

  dessinerPlateau();
  dessinerStatut();
}

TfrmPlateau::~TfrmPlateau() {
  if (surface != nullptr) surface->removeEventFilter(this);
}

bool TfrmPlateau::eventFilter(QObject* objet, QEvent* evenement) {
  if (objet == surface && evenement->type() == QEvent::Show) dessinerPlateau();
  return QMainWindow::eventFilter(objet, evenement);
}

// ---------------------------------------------------------------- surface

SurfacePlateau::SurfacePlateau(TfrmPlateau& fenetre) : QWidget(&fenetre), fenetre_(fenetre) {
  setFixedSize(TfrmPlateau::largeur, TfrmPlateau::hauteur);
  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void SurfacePlateau::paintEvent(QPaintEvent* evenement) {
  // Everything is already drawn in the image: only copy what is asked for.
  QPainter p(this);
  for (const QRect& r : evenement->region()) p.drawImage(r, fenetre_.image_, r);
}

void SurfacePlateau::mouseMoveEvent(QMouseEvent* evenement) {
  const QPoint pt = evenement->position().toPoint();
  fenetre_.FormMouseMove(pt.x(), pt.y());
}

void SurfacePlateau::mouseReleaseEvent(QMouseEvent* evenement) { fenetre_.FormMouseUp(evenement->button()); }

// ---------------------------------------------------------------- drawing

void TfrmPlateau::miseAJour(const QRect& boite) {
  if (surface != nullptr) surface->update(boite);
}

void TfrmPlateau::hexagone(int x, int y, int k) {
  if (k < 0 || k > 6) k = 0;
  QPainter p(&image_);
  const QColor& c = couleursClaires[static_cast<std::size_t>(k)];
  p.setPen(QPen(c, 1, Qt::SolidLine));
  p.setBrush(QBrush(c, Qt::SolidPattern));
  const QPolygon coins({QPoint(x, y), QPoint(x + 18, y), QPoint(x + 28, y + 16), QPoint(x + 18, y + 32),
                        QPoint(x, y + 32), QPoint(x - 10, y + 16)});
  p.drawPolygon(coins);
  miseAJour(boiteHexagone(x, y));
}

void TfrmPlateau::lettreHexagone(int x, int y, char lettre, int32_t nombre, int k, QColor texte) {
  if (k < 0 || k > 6) k = 0;
  const QColor& fond = couleursClaires[static_cast<std::size_t>(k)];
  QPainter p(&image_);
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
  if (!jeu.position().plateau.valide(r, c)) return;
  const QPoint a = ancreCellule(r, c);
  const cellule& cel = jeu.position().plateau.cases[r][c];
  const int k = cel.proprietaire >= 0 && cel.proprietaire <= 6 ? cel.proprietaire : 0;
  hexagone(a.x(), a.y(), k);
  if (!estLettre(cel.lettre)) return;
  QColor couleur(Qt::black);
  if (texte != 0) {
    couleur = QColor::fromRgb(static_cast<QRgb>(texte));
  } else if (static_cast<uint32_t>(cel.valeur) >= static_cast<uint32_t>(jeu.position().plateau.poids[cel.lettre - 64])) {
    couleur = couleursFoncees[static_cast<std::size_t>(k)];
  }
  lettreHexagone(a.x(), a.y(), static_cast<char>(cel.lettre), cel.valeur, k, couleur);
}

void TfrmPlateau::dessinerCoordonnees() {
  QPainter p(&image_);
  p.setFont(policeNombres_);
  const QFontMetrics m = p.fontMetrics();
  for (int i = 0; i <= 10; ++i) {
    const int mi = std::min(i, 5), d = i == 10 ? 1 : 0;
    const int yi = i <= 5 ? 17 * i + 53 : 34 * i - 32;
    const int xi = 301 - 30 * mi - 4 * d;
    const QString s = QString::number(i);
    const int w = m.horizontalAdvance(s), h = m.height();
    const QRect ligne(xi, yi, w, h), colonne(646 - xi - 8 * d, yi, w, h);
    p.fillRect(ligne, couleurFond);
    p.setPen(QColor(0, 0, 255));
    p.drawText(ligne, Qt::AlignLeft | Qt::AlignTop, s);
    p.fillRect(colonne, couleurFond);
    p.setPen(QColor(128, 0, 0));
    p.drawText(colonne, Qt::AlignLeft | Qt::AlignTop, s);
    miseAJour(ligne);
    miseAJour(colonne);
  }
}

void TfrmPlateau::dessinerPoids() {
  for (int l = 0; l < 26; ++l) {
    const QPoint a = ancrePoids(l);
    hexagone(a.x(), a.y(), 0);
    lettreHexagone(a.x(), a.y(), static_cast<char>('A' + l), jeu.position().plateau.poids[static_cast<std::size_t>(l + 1)], 0,
                   Qt::black);
  }
}

void TfrmPlateau::dessinerReserve(const joueur& j) {
  for (int l = 0; l < 26; ++l) {
    const int32_t n = j.lettres[static_cast<std::size_t>(l + 1)];
    const int k = n > 0 ? j.numero + 1 : 0;
    const QPoint a = ancreReserve(l);
    hexagone(a.x(), a.y(), k);
    lettreHexagone(a.x(), a.y(), static_cast<char>('A' + l), n, k, Qt::black);
  }
}

void TfrmPlateau::dessinerPlateau() {
  for (int r = 0; r <= 10; ++r)
    for (int c = jeu.position().plateau.ligneMin[static_cast<std::size_t>(r)]; c <= jeu.position().plateau.ligneMax[static_cast<std::size_t>(r)];
         ++c)
      dessinerCellule(r, c, 0);
  dessinerCoordonnees();
  dessinerPoids();
  dessinerReserve(jeu.position().joueurs[jeu.position().joueurCourant % nbJoueursMax]);
}

void TfrmPlateau::dessinerStatut() {
  QPainter p(&image_);
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
  if (surface != nullptr && surface->isVisible())
    surface->repaint(QRect(0, hautStatut, largeur, hauteur - hautStatut));
}

// ---------------------------------------------------------------- cursors

namespace {

constexpr int tailleCurseur = 32;

// A text outline filled with one colour and edged with the other, centred on (cx, cy).
void texteCurseur(QPainter& p, const QString& texte, int pixels, QPointF centre, const QColor& interieur,
                  const QColor& bord) {
  QFont f;
  f.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
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

QImage imageCurseur(int numero) {
  QImage image(tailleCurseur, tailleCurseur, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  QPainter p(&image);
  // Drawn without smoothing, so that every pixel is black, white or clear.
  p.setRenderHint(QPainter::Antialiasing, false);
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

QCursor TfrmPlateau::curseurNumero(int numero) {
  if (numero < 1 || numero > curseurDP1) return QCursor(Qt::ArrowCursor);
  // Built once and kept until the program ends.
  static auto* const curseurs = [] {
    auto* c = new std::array<QCursor, curseurDP1>();
    for (int n = 1; n <= curseurDP1; ++n)
      (*c)[static_cast<std::size_t>(n - 1)] =
          QCursor(QPixmap::fromImage(imageCurseur(n)), tailleCurseur / 2, tailleCurseur / 2);
    return c;
  }();
  return (*curseurs)[static_cast<std::size_t>(numero - 1)];
}

void TfrmPlateau::montrerCurseur(int numero) {
  if (numero < 1 || numero > curseurDP1) numero = 0;
  if (numero == curseur_) return;  // only assigned when it changes
  curseur_ = numero;
  if (numero == 0)
    surface->unsetCursor();
  else
    surface->setCursor(curseurNumero(numero));
}

void TfrmPlateau::curseurStandard() { montrerCurseur(0); }

// ---------------------------------------------------------------- hit-tests

std::optional<int> TfrmPlateau::toucheReserve(int X, int Y) {
  if (X < 575 || X > 634) return std::nullopt;
  const int i = X < 605 ? 1 : 0;
  if (Y < 12 + 17 * i || Y > 453 + 17 * i) return std::nullopt;
  return ((Y - 12 - 17 * i) / 34) * 2 + i;
}

std::optional<std::pair<int, int>> TfrmPlateau::toucheCellule(int X, int Y) {
  if (!(X > 160 && X < 479 && Y > 53 && Y < 426)) return std::nullopt;
  const int k = (X - 161) / 30, j = (Y - 54) / 17, a = std::abs(k - 5);
  if (j < a || j > 21 - a) return std::nullopt;
  const int m = (j - a) / 2;
  return std::make_pair(m + std::max(0, 5 - k), m + std::max(0, k - 5));
}

// ---------------------------------------------------------------- mouse play

bool TfrmPlateau::automateAuTrait() const { return jeu.position().joueurs[jeu.position().joueurCourant % nbJoueursMax].automate; }

// The mouse plays only in steps 1 and 2 of a human turn of a game in
// progress: not during a computer's turn, not while a play is being scored,
// and not once the game is over (the last turn may have left step 1).
bool TfrmPlateau::joueurHumainAuTrait() const {
  return jeu.position().enCours && jeu.position().joueurCourant < nbJoueursMax && !occupe() && !automateAuTrait() &&
         (etape == 1 || etape == 2);
}

void TfrmPlateau::effacerLettreChoisie(bool garder) {
  if (estLettre(lettreChoisie)) {
    const int l = lettreChoisie - 'A';
    const int32_t n = jeu.position().courant().lettres[static_cast<std::size_t>(l + 1)];
    const int k = n > 0 ? static_cast<int>(jeu.position().joueurCourant) + 1 : 0;
    const QPoint a = ancreReserve(l);
    hexagone(a.x(), a.y(), k);
    lettreHexagone(a.x(), a.y(), lettreChoisie, n, k, Qt::black);
  }
  if (!garder) lettreChoisie = 0;
}

void TfrmPlateau::effacerSurvol(bool garder) {
  if (dansGrille(survolX) && dansGrille(survolY)) dessinerCellule(survolX, survolY, 0);
  if (garder) return;
  survolX = survolY = destX = destY = -1;
  if (etape == 1)
    montrerCurseur(0);
  else if (etape == 2)
    montrerCurseur((action == 1 ? lettreChoisie : lettreDeplacee) - 64);
}

void TfrmPlateau::ChangerEtape(int e) {
  switch (e) {
    case 1:
      if (automateAuTrait()) {
        demarrerAutomate();
      } else {
        lettreDeplacee = lettreChoisie = 0;
        survolX = survolY = destX = destY = sourceX = sourceY = -1;
        texteStatut(cp1252::depuisUtf8(textePlacer));
      }
      break;
    case 2:
      texteStatut(cp1252::depuisUtf8(texteDestination));
      montrerCurseur((action == 1 ? lettreChoisie : lettreDeplacee) - 64);
      break;
    case 3:
      texteStatut(cp1252::depuisUtf8(texteDecompte));
      montrerCurseur(0);
      break;
    default:
      return;
  }
  if (etape == 1)
    effacerLettreChoisie(true);
  else if (etape == 2)
    montrerCurseur(0);
  etape = static_cast<uint8_t>(e);
}

void TfrmPlateau::FormMouseMove(int X, int Y) {
  if (!joueurHumainAuTrait()) return;
  const int32_t moi = static_cast<int32_t>(jeu.position().joueurCourant) + 1;

  const joueur& j = jeu.position().courant();
  if (etape == 1) {
    if (const auto l = toucheReserve(X, Y)) {
      texteStatut(cp1252::depuisUtf8(textePlacer));
      const char L = static_cast<char>('A' + *l);
      if (lettreChoisie == L) return;
      if (jeu.lettrePrenable(L)) {
        effacerLettreChoisie(false);
        const QPoint a = ancreReserve(*l);
        lettreHexagone(a.x(), a.y(), L, j.lettres[static_cast<std::size_t>(*l + 1)], moi, couleursClaires[0]);
        lettreChoisie = L;
        lettreDeplacee = 0;
      } else {
        effacerLettreChoisie(false);
      }
      return;
    }
    texteStatut(cp1252::depuisUtf8(jeu.position().tour == 0 ? texteSommet : texteDeplacer));
    effacerLettreChoisie(false);
    const auto cel = toucheCellule(X, Y);
    if (!cel) {
      effacerSurvol(false);
      return;
    }
    const auto [r, c] = *cel;
    if (r == survolX && c == survolY) return;
    const cellule& k = jeu.position().plateau.cases[r][c];
    if (k.proprietaire == moi && k.valeur > 0) {
      const int v = (jeu.recoltable(r, c) ? 1 : 0) + (jeu.deplacable(r, c) ? 2 : 0);
      if (v == 0) {
        effacerSurvol(false);
      } else {
        montrerCurseur(26 + v);
        survolX = r;
        survolY = c;
        if (v >= 2) {
          lettreDeplacee = static_cast<char>(k.lettre);
          lettreChoisie = 0;
        }
      }
      texteStatut(cp1252::depuisUtf8(texteJeton));
    } else {
      effacerSurvol(false);
    }
    return;
  }

  // Step 2: looking for where the letter in hand may go.
  const auto cel = toucheCellule(X, Y);
  if (!cel) {
    effacerSurvol(false);
    return;
  }
  const auto [r, c] = *cel;
  if (r == survolX && c == survolY) return;
  effacerSurvol(true);
  bool ok = false;
  const QPoint a = ancreCellule(r, c);
  if (action == 1) {
    ok = jeu.destinationPermise(r, c);
    if (ok) {
      destX = r;
      destY = c;
      hexagone(a.x(), a.y(), moi);
      montrerCurseur(lettreChoisie - 64);
    } else {
      destX = destY = -1;
    }
  } else if (action == 2) {
    ok = static_cast<bool>(jeu.cheminLibre(sourceX, sourceY, r, c));
    if (ok) {
      destX = r;
      destY = c;
      hexagone(a.x(), a.y(), moi);
      montrerCurseur(lettreDeplacee - 64);
    } else {
      destX = destY = -1;
    }
  }
  if (jeu.recoltable(r, c)) {
    montrerCurseur(curseurP1);
    texteStatut(cp1252::depuisUtf8(texteJeton));
  } else if (!ok) {
    texteStatut(cp1252::depuisUtf8(texteDestination));
    montrerCurseur(0);
  }
  survolX = r;
  survolY = c;
}

void TfrmPlateau::FormMouseUp(Qt::MouseButton bouton) {
  if (!joueurHumainAuTrait()) return;
  const bool survolValide = dansGrille(survolX) && dansGrille(survolY);

  if (etape == 1) {
    if (estLettre(lettreChoisie) && jeu.prendre(lettreChoisie)) {
      action = 1;
      ChangerEtape(2);
      return;
    }
    if (!survolValide) return;
    if (bouton == Qt::LeftButton) {
      if (jeu.deplacable(survolX, survolY)) {
        sourceX = destX = survolX;
        sourceY = destY = survolY;
        action = 2;
        ChangerEtape(2);
      }
    } else if (bouton == Qt::RightButton) {
      if (jeu.recoltable(survolX, survolY)) {
        const Occupation o(*this);
        jeu.recolter(survolX, survolY);
        survolX = survolY = -1;
      }
    }
    return;
  }

  // Step 2. A play that counts ends the turn from inside the engine
  // (coupCompte, then the next turn); one that forms no word leaves the
  // letter in hand.
  if (bouton == Qt::LeftButton) {
    if (!dansGrille(destX) || !dansGrille(destY)) return;
    const Occupation o(*this);
    if (action == 1) {
      if (!jeu.poser(destX, destY)) {
        survolX = survolY = destX = destY = -1;
        dessinerReserve(jeu.position().courant());
      }
    } else if (action == 2) {
      jeu.deplacer(sourceX, sourceY, destX, destY);
    }
    return;
  }
  if (bouton != Qt::RightButton) return;

  if (survolValide && jeu.recoltable(survolX, survolY)) {
    {
      const Occupation o(*this);
      jeu.recolter(survolX, survolY);
    }
    if (action == 2 && survolX == sourceX && survolY == sourceY) {
      dessinerCellule(survolX, survolY, 0);
      action = 0;
      ChangerEtape(1);
    }
    survolX = survolY = -1;
    return;
  }
  if (action == 1) {
    if (survolX != -1 && survolY != -1) dessinerCellule(survolX, survolY, 0);
    jeu.rendre();
    action = 0;
    ChangerEtape(1);
  } else if (action == 2) {
    if (survolX != -1 && survolY != -1) dessinerCellule(survolX, survolY, 0);
    action = 0;
    ChangerEtape(1);
  }
}

void TfrmPlateau::coupCompte() {
  action = 0;
  ChangerEtape(3);
}

}  // namespace irvad
