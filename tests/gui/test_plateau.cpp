// The board window: the drawing and the hit-tests at their anchors, human
// turns played with the mouse on the board surface, prompt and cursor at each
// step; then what the window adds for its players: the keyboard's play,
// letters carried by the mouse, the zoom and the raised contrast kept in
// Irvad.ini, a game kept when the window closes, and the hints.
#include <QFile>
#include <QListWidget>
#include <QTest>

#include "Banc.h"
#include "TfrmConseils.h"

using namespace irvad;
using namespace irvad::test;

namespace {

// The prompt of the status strip at each step, by the words that tell them apart.
bool dit(const TfrmPlateau& f, const char* mots) { return f.statut().contains(QString::fromUtf8(mots)); }
// Whether colour c shows in the letter and number area of the hexagon at anchor a.
bool montre(const QImage& i, QPoint a, const QColor& c) {
  for (int y = a.y() + 2; y < a.y() + 32; ++y)
    for (int x = a.x() - 6; x < a.x() + 24; ++x)
      if (px(i, {x, y}) == rgb(c)) return true;
  return false;
}
QPoint ancre(int r, int c) { return TfrmPlateau::ancreCellule(r, c); }
QPoint reserve(char l) { return TfrmPlateau::ancreReserve(l - 'A'); }
QPoint centre(int r, int c) { return ancre(r, c) + QPoint(9, 16); }
// The background of a cell's hexagon, as the board shows it now.
QRgb fond(const Banc& b, int r, int c) { return px(b.fenetre->image(), ancre(r, c) + bord); }
// Keys typed on the board, where the window's focus stands.
void taper(Banc& b, const char* touches) {
  for (const char* t = touches; *t != '\0'; ++t) QTest::keyClick(b.fenetre->surface, *t);
}
void cle(Banc& b, Qt::Key k) { QTest::keyClick(b.fenetre->surface, k); }

}  // namespace

class TestPlateau : public QObject {
  Q_OBJECT

 private slots:
  void leDessinEtLesTestsDeTouche() {
    Banc b(false);
    b.installer(
        [](Position& p) {
          p.poserJeton(5, 5, 'B', 1, 1);
          p.poserJeton(10, 10, 'B', 1, 6);
          p.poserJeton(3, 3, 'A', 5, 2);  // ripe: value >= weight of A (5)
          p.poserJeton(3, 4, 'A', 4, 2);
          p.fixerStock(0, 'K', 0);
        },
        false);
    const QImage& i = b.fenetre->image();
    const QColor foncee = TfrmPlateau::couleursFoncees[2];
    // Owners in their light colour; a ripe token's text dark, an unripe one
    // black; a text colour given by the engine wins. Player 1's stock in
    // blue, a letter it lacks in silver; the weight legend's text black.
    QCOMPARE(std::vector<QRgb>({fond(b, 5, 5), fond(b, 10, 10), fond(b, 0, 0), px(i, reserve('Z') + bord),
                                px(i, reserve('K') + bord)}),
             std::vector<QRgb>({rgb(claire(1)), rgb(claire(6)), rgb(claire(0)), rgb(claire(1)), rgb(claire(0))}));
    QVERIFY(montre(i, ancre(3, 3), foncee) && !montre(i, ancre(3, 3), Qt::black));
    QVERIFY(!montre(i, ancre(3, 4), foncee) && montre(i, ancre(3, 4), Qt::black));
    b.fenetre->dessinerCellule(3, 3, couleurBlanc);
    QVERIFY(montre(i, ancre(3, 3), Qt::white) && !montre(i, ancre(3, 3), foncee));
    QVERIFY(montre(i, TfrmPlateau::ancrePoids(0), Qt::black));

    // Each stock letter and each cell is hit from its anchor, and only there.
    for (int l = 0; l < 26; ++l) {
      const QPoint a = TfrmPlateau::ancreReserve(l) + QPoint(5, 5);
      QCOMPARE(TfrmPlateau::toucheReserve(a.x(), a.y()), std::optional<int>(l));
    }
    QCOMPARE(TfrmPlateau::toucheReserve(100, 300), std::nullopt);
    using C = std::optional<std::pair<int, int>>;
    const Plateau& p = b.position().plateau;
    for (int r = 0; r <= 10; ++r)
      for (int c = p.ligneMin[r]; c <= p.ligneMax[r]; ++c) {
        QCOMPARE(TfrmPlateau::toucheCellule(ancre(r, c).x() - 5, ancre(r, c).y()), C({r, c}));
        QVERIFY(TfrmPlateau::toucheCellule(ancre(r, c).x() + 25, ancre(r, c).y()) != C({r, c}));
      }
  }

  // The opening's rules are the scenarios'; here what the player sees of them.
  void uneOuvertureEtUnTourEntierALaSouris() {
    Banc b;
    TfrmPlateau& f = *b.fenetre;
    const QImage& i = f.image();
    b.touche(Qt::Key_F4);
    QVERIFY(dit(f, "lettre à placer"));
    // A stock letter under the pointer lights up in silver; off the stock it goes dark again.
    b.survoler(reserve('E') + QPoint(5, 5));
    QVERIFY(montre(i, reserve('E'), claire(0)));
    b.survoler({100, 300});
    QVERIFY(dit(f, "au sommet du plateau") && !montre(i, reserve('E'), claire(0)));
    // Any button takes it; over a cell that may not take it no highlight,
    // the letter in hand still in sight; over the vertex, the highlight.
    b.prendre('E', Qt::MiddleButton);
    QVERIFY(f.etape == 2 && b.stock(0, 'E') == 0 && dit(f, "la case où"));
    b.poser(1, 1);
    QVERIFY(f.etape == 2 && f.curseurActuel() == 'E' - 64 && fond(b, 1, 1) == rgb(claire(0)));
    b.survoler(ancre(0, 0) + QPoint(5, 5));
    QVERIFY(fond(b, 0, 0) == rgb(claire(1)) && f.curseurActuel() == 'E' - 64);
    b.cliquer();
    QVERIFY(b.position().caseEn(0, 0).lettre == 'E' && b.ecran.appelsDe("ajouterMessageEtAttendre").empty());
    b.prendre('A');
    b.poser(10, 10);
    QCOMPARE(b.position().tour, 1u);

    // Given back with the right button: the highlight goes, the count comes back.
    b.prendre('A');
    b.survoler(ancre(0, 1) + QPoint(5, 5));
    QCOMPARE(fond(b, 0, 1), rgb(claire(1)));
    b.cliquer(Qt::RightButton);
    QVERIFY(f.etape == 1 && b.stock(0, 'A') == 1 && f.curseurActuel() == 0 && fond(b, 0, 1) == rgb(claire(0)));
    // No word: the letter comes off the board, stays in hand, and the status says why.
    b.prendre('X');
    b.poser(0, 1);
    QVERIFY(b.position().caseEn(0, 1).proprietaire == 0 && f.etape == 2 && f.curseurActuel() == 'X' - 64);
    QVERIFY(f.statut().startsWith(QStringLiteral("Aucun mot formé avec X en (0,1)")));
    b.cliquer(Qt::RightButton);
    QCOMPARE(b.stock(0, 'X'), 1);
    // A word: while the messages window holds it, its cells are lit and the
    // window takes no command; then it is scored and the turn passes.
    QImage pendant;
    b.ecran.pendantAttente = [&] {
      pendant = i.copy();
      b.cliquer(Qt::RightButton);  // no give-back now
    };
    b.prendre('S');
    b.poser(0, 1);
    QVERIFY(!pendant.isNull() && montre(pendant, ancre(0, 0), Qt::white) && montre(pendant, ancre(0, 1), claire(0)));
    QVERIFY(!montre(i, ancre(0, 0), Qt::white));
    QVERIFY(b.position().caseEn(0, 1).lettre == 'S' && b.position().joueurCourant == 1 && f.etape == 1);
    QCOMPARE(b.ecran.appelsDe("mettreAJourRecords").size(), std::size_t{1});
    QVERIFY(dit(f, "lettre à placer"));
  }

  // Harvest and move with the mouse, by the cursor shown over a token (the
  // rules of both: the scenarios prise and deplacement).
  void recolteEtDeplacementALaSouris() {
    Banc b;
    TfrmPlateau& f = *b.fenetre;
    b.touche(Qt::Key_F4);
    b.installer([](Position& p) {
      p.tour = 1;
      p.poserJeton(5, 1, 'S', 11, 1);  // S weighs 4: ripe twice over
      p.poserJeton(5, 5, 'E', 1, 2);
      p.poserJeton(2, 2, 'A', 0, 1);  // spent
    });
    const auto sur = [&](int r, int c) {
      b.survoler(ancre(r, c) + QPoint(5, 5));
      return f.curseurActuel();
    };
    // A spent token is offered for nothing; a ripe token that can move
    // shows "+1" and the right button harvests it.
    QCOMPARE(sur(2, 2), 0);
    QCOMPARE(sur(5, 1), TfrmPlateau::curseurDP1);
    QVERIFY(dit(f, "lettre à déplacer"));
    b.cliquer(Qt::RightButton);
    QVERIFY(b.stock(0, 'S') == 2 && b.position().caseEn(5, 1).valeur == 7 && f.etape == 1);
    // The left button takes it to move; back over its cell, harvesting it again abandons the move.
    b.survoler(ancre(5, 1) + QPoint(6, 6));
    b.cliquer();
    QVERIFY(f.etape == 2 && f.curseurActuel() == 'S' - 64);
    sur(0, 5);
    QCOMPARE(sur(5, 1), TfrmPlateau::curseurP1);
    b.cliquer(Qt::RightButton);
    QVERIFY(b.stock(0, 'S') == 3 && b.position().caseEn(5, 1).valeur == 3 && f.etape == 1);
    // Value 3 now: moving only; put beside the E it forms "SE", and the turn passes.
    b.survoler(ancre(5, 1) + QPoint(6, 6));
    QCOMPARE(f.curseurActuel(), TfrmPlateau::curseurDepl);
    b.cliquer();
    QCOMPARE(sur(5, 4), 'S' - 64);
    b.cliquer();
    QVERIFY(b.position().caseEn(5, 1).proprietaire == 0 && b.position().caseEn(5, 4).lettre == 'S');
    QCOMPARE(b.position().joueurCourant, 1u);
  }

  // Every step of a turn without the mouse: a letter typed is taken and the
  // focus goes where it may be put; arrows, Enter, Escape, "+" and Tab.
  void unePartieAuClavier() {
    Banc b;
    TfrmPlateau& f = *b.fenetre;
    b.touche(Qt::Key_F4);
    taper(b, "e");
    QVERIFY(f.etape == 2 && f.focusClavier()->r == 0);  // Ana's vertex
    cle(b, Qt::Key_Return);
    taper(b, "a");
    cle(b, Qt::Key_Return);
    QCOMPARE(b.position().tour, 1u);
    // S taken, then given back; taken again it goes to (0, 1), the first
    // cell where it may, and forms SE.
    taper(b, "s");
    QCOMPARE(b.stock(0, 'S'), 0);
    // The letter in hand shows on the focused cell, in the player's ink
    // (white on blue), away from the focus frame; it leaves with the letter.
    const auto lettreAuMilieu = [&] {
      const QImage milieu = f.image().copy(QRect(centre(0, 1) - QPoint(6, 7), QSize(12, 14)));
      for (int y = 0; y < milieu.height(); ++y)
        for (int x = 0; x < milieu.width(); ++x)
          if (px(milieu, {x, y}) == rgb(Qt::white)) return true;
      return false;
    };
    QVERIFY(lettreAuMilieu());
    cle(b, Qt::Key_Escape);
    QVERIFY(b.stock(0, 'S') == 1 && f.etape == 1);
    QVERIFY(f.focusClavier() == (TfrmPlateau::Focus{false, 0, 0, 1}) && !lettreAuMilieu());
    taper(b, "s");
    QVERIFY(f.focusClavier() == (TfrmPlateau::Focus{false, 0, 0, 1}));
    // Down leads to (1, 2), where S touches nothing of Ana's: Enter says why.
    cle(b, Qt::Key_Down);
    cle(b, Qt::Key_Return);
    QVERIFY(b.statut().contains(QStringLiteral("ne touche aucun jeton")));
    cle(b, Qt::Key_Up);
    cle(b, Qt::Key_Return);
    QVERIFY(b.position().caseEn(0, 1).lettre == 'S' && b.position().joueurCourant == 1);

    // Tab moves the focus between the stock and the board; "+" harvests
    // the focused ripe token of the player.
    b.installer([](Position& p) { p.poserJeton(9, 9, 'L', 3, 2); });
    QVERIFY(!f.focusClavier()->surReserve);
    cle(b, Qt::Key_Tab);
    QVERIFY(f.focusClavier()->surReserve);
    cle(b, Qt::Key_Tab);
    for (int i = 0; i < 12 && f.focusClavier() != TfrmPlateau::Focus{false, 0, 9, 9}; ++i) {
      const auto o = *f.focusClavier();
      cle(b, o.r < 9 ? Qt::Key_Down : o.c < 9 ? Qt::Key_Right : Qt::Key_Left);
    }
    QVERIFY(f.focusClavier() == (TfrmPlateau::Focus{false, 0, 9, 9}));
    cle(b, Qt::Key_Plus);
    QVERIFY(b.position().caseEn(9, 9).valeur == 0 && b.stock(1, 'L') == 2);
  }

  // At 200 % the board is drawn at twice its size; a letter pressed on the
  // stock, carried and released over a cell, is played as the two clicks
  // would. The zoom and the raised contrast are kept for the next start.
  void lettrePorteeZoomEtContraste() {
    Banc b;
    QWidget* s = b.fenetre->surface;
    b.touche(Qt::Key_F4);
    b.ouverture();
    b.touche(Qt::Key_Equal, Qt::ControlModifier);
    b.touche(Qt::Key_Equal, Qt::ControlModifier);
    QCOMPARE(b.fenetre->zoom(), 200);
    QCOMPARE(std::pair(b.fenetre->image().size(), s->size()), std::pair(QSize(1280, 1000), QSize(1280, 1000)));
    QTest::mousePress(s, Qt::LeftButton, {}, (reserve('S') + QPoint(5, 5)) * 2);
    QTest::mouseMove(s, (reserve('S') + QPoint(-20, 5)) * 2);
    QCOMPARE(b.fenetre->etape, uint8_t{2});
    QTest::mouseMove(s, centre(0, 1) * 2);
    QTest::mouseRelease(s, Qt::LeftButton, {}, centre(0, 1) * 2);
    QCOMPARE(b.position().caseEn(0, 1).lettre, int32_t{'S'});

    // Raised contrast: Ana's blue tokens read in white; her ripe E (value
    // 5) carries a frame in that white along its hexagon.
    b.fenetre->RubriqueContraste->trigger();
    b.touche(Qt::Key_Minus, Qt::ControlModifier);
    b.installer([](Position& p) { p.poserJeton(0, 0, 'E', 5, 1); });
    const QPoint a = ancre(0, 0) * 3 / 2;
    bool blanc = false;
    for (int x = a.x() - 12; x < a.x() - 2; ++x) blanc = blanc || px(b.fenetre->image(), {x, a.y() + 24}) == 0xFFFFFF;
    QVERIFY(blanc);

    Banc suite(true, &b);
    QVERIFY(suite.fenetre->zoom() == 150 && suite.fenetre->contraste());
  }

  // A game in progress is kept when the window closes; the next start
  // offers it: yes takes it up, no deletes it.
  void unePartieInterrompueEstProposeeAuDemarrageSuivant() {
    QTemporaryDir dossier;
    const QString reprise = dossier.filePath(QStringLiteral("Irvad/partie-interrompue.ivd"));
    const QString copie = dossier.filePath(QStringLiteral("copie.ivd"));
    Position avant;
    {
      Banc b;
      b.fenetre->fichierReprise = reprise;
      b.touche(Qt::Key_F4);
      b.ouverture();
      avant = b.position();
      QVERIFY(b.fenetre->close() && QFile::copy(reprise, copie));
    }
    for (const bool oui : {true, false}) {
      if (!oui) QFile::copy(copie, reprise);
      Banc b(false);
      b.fenetre->fichierReprise = reprise;
      QStringList questions;
      b.fenetre->repondre = [&](const QString& q) {
        questions << q;
        return oui;
      };
      b.montrer();
      QTRY_COMPARE(questions, QStringList{QStringLiteral("Reprendre la partie interrompue ?")});
      QVERIFY(!QFile::exists(reprise));
      QCOMPARE(b.position().plateau.cases[10][10].lettre, oui ? int32_t{'A'} : 0);
      QCOMPARE(b.position().joueurs[0].lettres, (oui ? avant : Position()).joueurs[0].lettres);
    }
  }

  // F5 lists the engine's best plays; the one chosen is drawn on the board
  // and taken away again, and nothing of the game changes.
  void leConseilSeMontreSansRienJouer() {
    Banc b;
    b.touche(Qt::Key_F4);
    b.ouverture();
    const Position avant = b.position();
    const std::vector<Conseil> attendus = b.jeu.conseils(5);
    QVERIFY(attendus.size() >= 2);
    b.touche(Qt::Key_F5);
    TfrmConseils* c = b.fenetre->conseils();
    QVERIFY(c != nullptr && c->isVisible());
    QCOMPARE(c->Liste->count(), static_cast<int>(attendus.size()));
    QCOMPARE(c->Liste->item(0)->text(), TfrmConseils::texte(attendus[0]));
    // The first play shows on the board in Ana's blue; the second one moves it.
    const auto [x0, y0] = std::pair(attendus[0].x, attendus[0].y);
    const auto [x1, y1] = std::pair(attendus[1].x, attendus[1].y);
    QCOMPARE(fond(b, x0, y0), rgb(claire(1)));
    c->Liste->setCurrentRow(1);
    QCOMPARE(fond(b, x1, y1), rgb(claire(1)));
    if (std::pair(x0, y0) != std::pair(x1, y1)) QCOMPARE(fond(b, x0, y0), rgb(claire(0)));
    c->hide();
    QVERIFY(fond(b, x1, y1) == rgb(claire(0)) && b.position() == avant);
    // The turn over, the window goes.
    c->show();
    b.touche(Qt::Key_P, Qt::AltModifier);
    QVERIFY(!c->isVisible());
  }
};

QTEST_MAIN(TestPlateau)
#include "test_plateau.moc"
