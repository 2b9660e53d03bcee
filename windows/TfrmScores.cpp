#include "TfrmScores.h"

#include <QFont>
#include <QFontMetrics>
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>

#include "Apparence.h"
#include "Cp1252.h"

namespace irvad {

const std::array<QColor, 7> TfrmScores::couleursClaires = {
    QColor(192, 192, 192), QColor(0, 0, 255),   QColor(0, 255, 0),   QColor(0, 255, 255),
    QColor(255, 0, 0),     QColor(255, 0, 255), QColor(255, 255, 0)};

const std::array<QString, 5> TfrmScores::entetes = {QStringLiteral("Joueur"), QStringLiteral("pts"),
                                                    QStringLiteral("jtn"), QStringLiteral("p-j"),
                                                    QStringLiteral("temps")};

GrilleScores::GrilleScores(TfrmScores& fenetre) : QWidget(&fenetre), fenetre_(fenetre) {
  setObjectName(QStringLiteral("StringGrid"));
  // Nothing in the grid can be selected or focused.
  setEnabled(false);
  setFocusPolicy(Qt::NoFocus);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void GrilleScores::paintEvent(QPaintEvent* evenement) {
  QPainter p(this);
  p.setClipRegion(evenement->region());
  // Drawn in its own units, larger at a higher zoom.
  const qreal z = fenetre_.zoom() / 100.0;
  p.scale(z, z);
  const int largeurGrille = fenetre_.largeur(), hauteurGrille = TfrmScores::hauteurClient(fenetre_.nbLignes() - 1);
  const QRect tout(0, 0, largeurGrille, hauteurGrille);
  // The frame, sunken, then the grid lines showing between the cells.
  p.fillRect(tout, QColor(212, 208, 200));
  p.setPen(QColor(128, 128, 128));
  p.drawLine(0, 0, largeurGrille - 1, 0);
  p.drawLine(0, 0, 0, hauteurGrille - 1);
  p.setPen(QColor(64, 64, 64));
  p.drawLine(1, 1, largeurGrille - 2, 1);
  p.drawLine(1, 1, 1, hauteurGrille - 2);
  p.setPen(Qt::white);
  p.drawLine(0, hauteurGrille - 1, largeurGrille - 1, hauteurGrille - 1);
  p.drawLine(largeurGrille - 1, 0, largeurGrille - 1, hauteurGrille - 1);
  const int b = TfrmScores::bord;
  p.fillRect(QRect(b, b, largeurGrille - 2 * b, hauteurGrille - 2 * b), QColor(128, 128, 128));
  p.setFont(fenetre_.font());
  for (int ligne = 0; ligne < fenetre_.nbLignes(); ++ligne)
    for (int colonne = 0; colonne < 5; ++colonne) {
      const QRect r = fenetre_.rectCellule(colonne, ligne);
      // Column 4 may overflow to its left: draw it whenever its row is dirty.
      if (colonne == 4 || evenement->region().intersects(fenetre_.versEcran(r)))
        fenetre_.StringGridDrawCell(p, colonne, ligne, r);
    }
}

TfrmScores::TfrmScores(Jeu& jeu, QWidget* parent) : QWidget(parent), jeu_(jeu) {
  setObjectName(QStringLiteral("frmScores"));
  setWindowTitle(QStringLiteral("Scores"));
  // A tool window with a caption and no buttons in it, above the board; it
  // never takes the keyboard from the board window.
  setWindowFlags(Qt::Tool | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
  setAttribute(Qt::WA_ShowWithoutActivating);
  // Where the face is missing, one of the same metrics: the narrow columns
  // are cut for it.
  setFont(policeSansSerif(8));
  move(646, 0);
  secondesAffichees_.fill(-1);

  StringGrid = new GrilleScores(*this);
  nbLignes_ = nbJoueursMax + 1;
  setFixedSize(largeur_, hauteurClient(nbJoueursMax));
  StringGrid->setGeometry(0, 0, largeur_, hauteurClient(nbJoueursMax));

  Timer.setInterval(intervalleTemps);
  connect(&Timer, &QTimer::timeout, this, &TfrmScores::TimerTimer);
  Timer.start();
}

uint32_t TfrmScores::joueursEnJeu() const { return std::min<uint32_t>(jeu_.position().nbJoueurs, nbJoueursMax); }

void TfrmScores::ajusterLignes() {
  const int lignes = static_cast<int>(joueursEnJeu()) + 1;
  const QRect taille = versEcran(QRect(0, 0, largeur_, hauteurClient(lignes - 1)));
  if (lignes == nbLignes_ && size() == taille.size()) return;
  nbLignes_ = lignes;
  setFixedSize(taille.size());
  StringGrid->setGeometry(taille);
}

QRect TfrmScores::versEcran(const QRect& r) const {
  if (zoom_ == 100) return r;
  return QRect(r.x() * zoom_ / 100, r.y() * zoom_ / 100, (r.right() + 1) * zoom_ / 100 - r.x() * zoom_ / 100,
               (r.bottom() + 1) * zoom_ / 100 - r.y() * zoom_ / 100);
}

void TfrmScores::definirZoom(int pourcent) {
  if (pourcent == zoom_) return;
  zoom_ = pourcent;
  nbLignes_ = 0;
  ajusterLignes();
  StringGrid->update();
}

void TfrmScores::setVisible(bool visible) {
  // Wide enough for the caption of a three-digit round; measured at the
  // first showing, as its face need not be loaded before, and before the
  // window exists, so that its place stays that of its frame.
  if (visible && !largeurMesuree_) {
    largeurMesuree_ = true;
    largeur_ = std::max(largeurClient, largeurPourTitre(QStringLiteral("Scores - Tour n°888")));
    nbLignes_ = 0;
    ajusterLignes();
  }
  QWidget::setVisible(visible);
}

void TfrmScores::showEvent(QShowEvent* evenement) {
  QWidget::showEvent(evenement);
  FormShow();
}

void TfrmScores::FormShow() {
  jeu_.classer();
  ajusterLignes();
  StringGrid->update();
  setWindowTitle(QStringLiteral("Scores - Tour n°%1").arg(jeu_.position().tour));
}

void TfrmScores::mettreAJourScores() {
  jeu_.classer();
  ajusterLignes();
  if (!isVisible()) {
    show();
    raise();
  }
  StringGrid->update();
  setWindowTitle(QStringLiteral("Scores - Tour n°%1").arg(jeu_.position().tour));
}

QRect TfrmScores::rectCellule(int colonne, int ligne) const {
  if (colonne < 0 || colonne >= 5 || ligne < 0 || ligne >= nbLignes_) return {};
  const auto largeurColonne = [this](int c) {
    return largeurs[static_cast<std::size_t>(c)] + (c == 0 ? largeur_ - largeurClient : 0);
  };
  int x = bord;
  for (int c = 0; c < colonne; ++c) x += largeurColonne(c) + 1;
  return {x, bord + ligne * pasLigne, largeurColonne(colonne), hauteurCellule};
}

int TfrmScores::joueurDeLigne(int ligne) const {
  if (ligne < 1 || ligne >= nbLignes_ || ligne > nbJoueursMax) return -1;
  const int32_t p = jeu_.position().classement[static_cast<std::size_t>(ligne - 1)];
  return p >= 0 && static_cast<uint32_t>(p) < joueursEnJeu() ? p : -1;
}

long long TfrmScores::secondesDe(uint32_t p) const {
  double t = jeu_.position().joueurs[p].temps;
  if (p == jeu_.position().joueurCourant && jeu_.position().plateau.chronoDebut != 0)
    t += static_cast<double>(jeu_.horloge() - jeu_.position().plateau.chronoDebut);
  return static_cast<long long>(t);
}

QString TfrmScores::texteCellule(int colonne, int ligne) const {
  if (colonne < 0 || colonne >= 5 || ligne < 0 || ligne >= nbLignes_) return {};
  if (ligne == 0) return entetes[static_cast<std::size_t>(colonne)];
  const int p = joueurDeLigne(ligne);
  if (p < 0) return {};
  const auto i = static_cast<std::size_t>(p);
  switch (colonne) {
    case 0:
      return QString::fromStdString(cp1252::versUtf8(jeu_.position().joueurs[i].nom));
    case 1:
      return QString::asprintf("%3.3d", jeu_.position().joueurs[i].score);
    case 2:
      return QString::asprintf("%2.2d", jeu_.position().jetons[i]);
    case 3:
      return QString::asprintf("%2.2d", jeu_.position().pointsJetons[i]);
    default:
      return QString::fromStdString(jeu_.texteTemps(static_cast<uint32_t>(p)));
  }
}

QString TfrmScores::tempsAffiche(int ligne) const {
  if (ligne < 0 || ligne > nbJoueursMax) return {};
  return tempsAffiches_[static_cast<std::size_t>(ligne)];
}

void TfrmScores::StringGridDrawCell(QPainter& p, int colonne, int ligne, const QRect& rect) {
  const int joueur = joueurDeLigne(ligne);
  const QString texte = texteCellule(colonne, ligne);
  const QColor fond = ligne >= 1 && joueur >= 0 ? couleursClaires[static_cast<std::size_t>(joueur) + 1]
                                                : couleursClaires[0];
  p.fillRect(rect, fond);
  p.setPen(ligne >= 1 && joueur == 0 ? Qt::white : Qt::black);
  const QFontMetrics mesure(p.font());
  if (colonne == 0) {
    p.save();
    p.setClipRect(rect, Qt::IntersectClip);
    p.drawText(rect.left() + 2, rect.top() + 2 + mesure.ascent(), texte);
    p.restore();
  } else {
    // Centred, each halving truncated toward zero; a text wider than its
    // column (a time of 100 minutes or more) overflows on both sides.
    const int x = rect.left() + (rect.width() - mesure.horizontalAdvance(texte)) / 2;
    const int y = rect.top() + (rect.height() - mesure.height()) / 2;
    p.drawText(x, y + mesure.ascent(), texte);
  }
  if (colonne == 4 && ligne >= 1 && ligne <= nbJoueursMax) {
    const auto l = static_cast<std::size_t>(ligne);
    tempsAffiches_[l] = texte;
    secondesAffichees_[l] = joueur >= 0 ? secondesDe(static_cast<uint32_t>(joueur)) : -1;
  }
}

void TfrmScores::mettreAJourTemps() {
  // Between turns the clock is stopped and nothing moves.
  if (!jeu_.position().plateau.chronoActif) return;
  const uint32_t courant = jeu_.position().joueurCourant;
  if (courant >= joueursEnJeu()) return;
  // The row of rang[courant], unless the ranking was changed behind the grid.
  int ligne = jeu_.position().rang[courant] + 1;
  if (joueurDeLigne(ligne) != static_cast<int>(courant)) {
    ligne = 0;
    for (int l = 1; l < nbLignes_; ++l)
      if (joueurDeLigne(l) == static_cast<int>(courant)) ligne = l;
    if (ligne == 0) return;
  }
  // Compared in whole seconds first: the word search calls this at every
  // trial, and the text changes about once a second.
  if (secondesDe(courant) == secondesAffichees_[static_cast<std::size_t>(ligne)]) return;
  if (!isVisible()) return;
  // Drawn at once: during the computer's search no event is processed, and
  // the clock must still be seen to run. The whole row, because a long time
  // overflows into its neighbour.
  const QRect r = rectCellule(0, ligne).united(rectCellule(4, ligne));
  StringGrid->repaint(versEcran(r));
}

void TfrmScores::TimerTimer() { mettreAJourTemps(); }

}  // namespace irvad
