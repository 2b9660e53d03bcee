// The play of a human turn on the board window: the hit-tests, the steps
// of a turn with their prompts, highlights and cursors, the mouse, the
// letters carried from the stock to a cell, and the keyboard.
#include <QApplication>
#include <QKeyEvent>
#include <algorithm>
#include <cstdlib>
#include <tuple>

#include "Cp1252.h"
#include "TfrmPlateau.h"

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

}  // namespace

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
        surlignerLettre(*l, j.lettres[static_cast<std::size_t>(*l + 1)], moi);
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
    // The letter in hand stays in sight over a cell where it cannot go.
    texteStatut(cp1252::depuisUtf8(texteDestination));
    montrerCurseur((action == 1 ? lettreChoisie : lettreDeplacee) - 64);
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
  // letter in hand, and the status strip says so.
  if (bouton == Qt::LeftButton) {
    if (!dansGrille(destX) || !dansGrille(destY)) return;
    const int x = destX, y = destY;
    Verdict v;
    {
      const Occupation o(*this);
      if (action == 1) {
        v = jeu.poser(x, y);
        if (!v) {
          survolX = survolY = destX = destY = -1;
          dessinerReserve(jeu.position().courant());
        }
      } else if (action == 2) {
        v = jeu.deplacer(sourceX, sourceY, x, y);
      }
    }
    if (!v) direPourquoi(v, x, y);
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
  if (action == 1 || action == 2) annulerEnMain();
}

void TfrmPlateau::coupCompte() {
  action = 0;
  appui_ = glisse_ = false;
  ChangerEtape(3);
}

// Why the letter in hand did not go down, in the status strip.
void TfrmPlateau::direPourquoi(const Verdict& v, int x, int y) {
  const QString ou = QStringLiteral("(%1,%2)").arg(x).arg(y);
  QString texte;
  if (v.refus() == Refus::AucunMot && action == 1)
    texte = QStringLiteral("Aucun mot formé avec %1 en %2 : la lettre reste en main, choisissez une autre case "
                           "ou cliquez droit pour la reprendre.")
                .arg(QChar::fromLatin1(lettreChoisie), ou);
  else if (v.refus() == Refus::AucunMot)
    texte = QStringLiteral("Aucun mot formé en déplaçant %1 de (%2,%3) en %4 : choisissez une autre case ou "
                           "cliquez droit pour annuler.")
                .arg(QChar::fromLatin1(lettreDeplacee))
                .arg(sourceX)
                .arg(sourceY)
                .arg(ou);
  else
    texte = QString::fromStdString(cp1252::versUtf8(v.raison()));
  texteStatut(cp1252::depuisUtf8(texte.toStdString()));
}

// A stock letter under the pointer: its text in silver, or, with the
// contrast raised, white on a black hexagon.
void TfrmPlateau::surlignerLettre(int l, int32_t n, int k) {
  const QPoint a = ancreReserve(l);
  if (!contraste_) {
    lettreHexagone(a.x(), a.y(), static_cast<char>('A' + l), n, k, couleursClaires[0]);
    return;
  }
  caseSombre(a.x(), a.y(), static_cast<char>('A' + l), n, QColor(Qt::black));
}

// ---------------------------------------------------------------- mouse press

void TfrmPlateau::FormMouseDown(int X, int Y) {
  appui_ = glisse_ = false;
  if (!joueurHumainAuTrait() || etape != 1) return;
  FormMouseMove(X, Y);
  appui_ = estLettre(lettreChoisie) ||
           (dansGrille(survolX) && dansGrille(survolY) && jeu.deplacable(survolX, survolY) && lettreDeplacee != 0);
  pointAppui_ = QPoint(X, Y);
}

// ---------------------------------------------------------------- keyboard

namespace {
// The point a hit-test gives for a stock letter or a board cell.
QPoint centreReserve(int l) { return TfrmPlateau::ancreReserve(l) + QPoint(9, 16); }
QPoint centreCellule(int r, int c) { return TfrmPlateau::ancreCellule(r, c) + QPoint(9, 16); }
}  // namespace

void TfrmPlateau::survolerFocus() {
  if (!focus_) return;
  const QPoint p = focus_->surReserve ? centreReserve(focus_->lettre) : centreCellule(focus_->r, focus_->c);
  FormMouseMove(p.x(), p.y());
  dessinerFocus();
}

void TfrmPlateau::placerFocus(const Focus& f) {
  effacerFocus();
  focus_ = f;
  dernierFocus_ = f;
  if (!f.surReserve) dernierPlateau_ = {f.r, f.c};
  survolerFocus();
}

// After a letter was taken: the focus goes to the board, on the player's
// vertex in the opening round, else where it last stood on the board when the
// letter may go there, else on the first cell where it may.
void TfrmPlateau::poserFocusSurPlateau() {
  const Position& pos = jeu.position();
  Focus f{false, 0, dernierPlateau_.first, dernierPlateau_.second};
  if (pos.tour == 0) {
    f.r = pos.courant().sommetX;
    f.c = pos.courant().sommetY;
  } else if (!jeu.peutPoser(f.r, f.c)) {
    bool trouve = false;
    for (int x = 0; x < tailleGrille && !trouve; ++x)
      for (int y = pos.plateau.ligneMin[x]; y <= pos.plateau.ligneMax[x] && !trouve; ++y)
        if (jeu.peutPoser(x, y)) {
          f.r = x;
          f.c = y;
          trouve = true;
        }
  }
  placerFocus(f);
}

// The letter or the token in hand goes back: the letter to the stock.
void TfrmPlateau::annulerEnMain() {
  // Drawn again as a cell nothing hovers, so that the keyboard's focus no
  // longer shows the letter there.
  const int r = survolX, c = survolY;
  survolX = survolY = -1;
  if (r != -1 && c != -1) dessinerCellule(r, c, 0);
  if (action == 1) jeu.rendre();
  action = 0;
  ChangerEtape(1);
}

// The neighbour the arrow key leads to on the board: up and down along the
// screen column; left and right to the next screen column, the cell nearest
// to the height the focus keeps, so that a row of presses follows a line.
std::pair<int, int> TfrmPlateau::voisinFleche(int r, int c, int cle) {
  const Plateau& p = jeu.position().plateau;
  auto hauteur = [](int x, int y) { return 17 * (x + y); };
  if (cle == Qt::Key_Up || cle == Qt::Key_Down) {
    const int d = cle == Qt::Key_Up ? -1 : 1;
    if (!p.valide(r + d, c + d)) return {r, c};
    focusY_ = hauteur(r + d, c + d);
    return {r + d, c + d};
  }
  if (focusY_ < 0) focusY_ = hauteur(r, c);
  // Left: up-left (r, c - 1) or down-left (r + 1, c); right: up-right (r - 1, c) or down-right (r, c + 1).
  const bool gauche = cle == Qt::Key_Left;
  const std::array<std::pair<int, int>, 2> choix = {gauche ? std::pair{r, c - 1} : std::pair{r - 1, c},
                                                    gauche ? std::pair{r + 1, c} : std::pair{r, c + 1}};
  std::pair<int, int> meilleur{r, c};
  int ecart = -1;
  for (const auto& [x, y] : choix) {
    if (!p.valide(x, y)) continue;
    const int e = std::abs(hauteur(x, y) - focusY_);
    if (ecart < 0 || e < ecart) {
      ecart = e;
      meilleur = {x, y};
    }
  }
  return meilleur;
}

bool TfrmPlateau::touche(int cle, Qt::KeyboardModifiers modificateurs, const QString& texte) {
  if (!joueurHumainAuTrait()) return false;
  modificateurs &= ~(Qt::KeypadModifier | Qt::ShiftModifier);
  if (modificateurs != Qt::NoModifier) return false;  // the menus' keys
  Focus f = focus_.value_or(dernierFocus_);

  // A letter typed: that letter of the stock, taken as a click on it would.
  if (texte.size() == 1 && texte.at(0).toUpper() >= QLatin1Char('A') && texte.at(0).toUpper() <= QLatin1Char('Z')) {
    if (etape != 1) return true;
    placerFocus(Focus{true, texte.at(0).toUpper().unicode() - u'A', f.r, f.c});
    if (estLettre(lettreChoisie)) {
      FormMouseUp(Qt::LeftButton);
      if (etape == 2) poserFocusSurPlateau();
    }
    return true;
  }
  switch (cle) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
      if (focus_) f.surReserve = !f.surReserve;
      placerFocus(f);
      return true;
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Left:
    case Qt::Key_Right:
      if (focus_) {
        if (f.surReserve) {
          const int pas = cle == Qt::Key_Up || cle == Qt::Key_Left ? -1 : 1;
          f.lettre = std::clamp(f.lettre + pas, 0, 25);
        } else {
          std::tie(f.r, f.c) = voisinFleche(f.r, f.c, cle);
        }
      }
      placerFocus(f);
      return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
      if (!focus_) {
        placerFocus(f);
        return true;
      }
      survolerFocus();
      if (etape == 1) {
        FormMouseUp(Qt::LeftButton);
        if (etape == 2 && action == 1) poserFocusSurPlateau();
      } else if (etape == 2 && !f.surReserve) {
        if (dansGrille(destX) && dansGrille(destY)) {
          FormMouseUp(Qt::LeftButton);
        } else {
          // With the keyboard, a cell where the letter cannot go says why.
          const Verdict v = action == 1 ? jeu.peutPoser(f.r, f.c) : jeu.cheminLibre(sourceX, sourceY, f.r, f.c);
          if (!v) texteStatut(v.raison());
        }
      }
      return true;
    case Qt::Key_Plus:
      if (focus_ && !f.surReserve && jeu.recoltable(f.r, f.c)) {
        survolerFocus();
        FormMouseUp(Qt::RightButton);
        survolerFocus();
      }
      return true;
    case Qt::Key_Escape:
      if (etape == 2) annulerEnMain();
      return true;
    default:
      return false;
  }
}

}  // namespace irvad
