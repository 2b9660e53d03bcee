// What the board window adds for its players: the keyboard's play, letters
// carried by the mouse, the zoom and the raised contrast kept in Irvad.ini,
// a game kept when the window closes, and the hints.
#include <QFile>
#include <QListWidget>
#include <QTest>

#include "Banc.h"
#include "TfrmConseils.h"

using namespace irvad;
using namespace irvad::test;

namespace {

QPoint centre(int r, int c) { return TfrmPlateau::ancreCellule(r, c) + QPoint(9, 16); }
// Keys typed on the board, where the window's focus stands.
void taper(Banc& b, const char* touches) {
  for (const char* t = touches; *t != '\0'; ++t) QTest::keyClick(b.fenetre->surface, *t);
}
void cle(Banc& b, Qt::Key k) { QTest::keyClick(b.fenetre->surface, k); }

}  // namespace

class TestAffichage : public QObject {
  Q_OBJECT

 private slots:
  // Every step of a turn without the mouse: a letter typed is taken and the
  // focus goes where it may be put; arrows, Enter, Escape, "+" and Tab.
  void unePartieAuClavier() {
    Banc b;
    b.touche(Qt::Key_F4);
    taper(b, "e");
    QCOMPARE(b.fenetre->etape, uint8_t{2});
    QCOMPARE(b.fenetre->focusClavier()->r, 0);  // Ana's vertex
    cle(b, Qt::Key_Return);
    taper(b, "a");
    cle(b, Qt::Key_Return);
    QCOMPARE(b.position().tour, 1u);

    // S taken, then given back; taken again it goes to (0, 1), the first
    // cell where it may, and forms SE.
    taper(b, "s");
    QCOMPARE(b.stock(0, 'S'), 0);
    cle(b, Qt::Key_Escape);
    QCOMPARE(b.stock(0, 'S'), 1);
    QCOMPARE(b.fenetre->etape, uint8_t{1});
    taper(b, "s");
    QCOMPARE(std::pair(b.fenetre->focusClavier()->r, b.fenetre->focusClavier()->c), (std::pair{0, 1}));
    // Down leads to (1, 2), where S touches nothing of Ana's: Enter says why.
    cle(b, Qt::Key_Down);
    cle(b, Qt::Key_Return);
    QVERIFY(b.statut().contains(QStringLiteral("ne touche aucun jeton")));
    cle(b, Qt::Key_Up);
    cle(b, Qt::Key_Return);
    QCOMPARE(b.position().caseEn(0, 1).lettre, int32_t{'S'});
    QCOMPARE(b.position().joueurCourant, 1u);

    // Tab moves the focus between the stock and the board; "+" harvests
    // the focused ripe token of the player.
    b.installer([](Position& p) { p.poserJeton(9, 9, 'L', 3, 2); });
    QVERIFY(b.fenetre->focusClavier()->surReserve == false);
    cle(b, Qt::Key_Tab);
    QVERIFY(b.fenetre->focusClavier()->surReserve);
    cle(b, Qt::Key_Tab);
    for (int i = 0; i < 12 && b.fenetre->focusClavier() != TfrmPlateau::Focus{false, 0, 9, 9}; ++i) {
      const auto f = *b.fenetre->focusClavier();
      cle(b, f.r < 9 ? Qt::Key_Down : f.c < 9 ? Qt::Key_Right : Qt::Key_Left);
    }
    QVERIFY(b.fenetre->focusClavier() == (TfrmPlateau::Focus{false, 0, 9, 9}));
    cle(b, Qt::Key_Plus);
    QCOMPARE(b.position().caseEn(9, 9).valeur, 0);
    QCOMPARE(b.stock(1, 'L'), 2);
  }

  // Pressed on a stock letter, carried and released over a cell: played as
  // the two clicks would. (A placement with no word: test_plateau.)
  void uneLettrePortee() {
    Banc b;
    b.touche(Qt::Key_F4);
    b.ouverture();
    QWidget* s = b.fenetre->surface;
    QTest::mousePress(s, Qt::LeftButton, {}, TfrmPlateau::ancreReserve('S' - 'A') + QPoint(5, 5));
    QTest::mouseMove(s, TfrmPlateau::ancreReserve('S' - 'A') + QPoint(-20, 5));
    QCOMPARE(b.fenetre->etape, uint8_t{2});
    QTest::mouseMove(s, centre(0, 1));
    QTest::mouseRelease(s, Qt::LeftButton, {}, centre(0, 1));
    QCOMPARE(b.position().caseEn(0, 1).lettre, int32_t{'S'});
  }

  // At 200 % the board is drawn at twice its size and the pointer hits the
  // same cells; the zoom and the contrast are kept for the next start.
  void leZoomEtLeContrasteSontGardes() {
    Banc b;
    b.touche(Qt::Key_F4);
    b.ouverture();
    b.touche(Qt::Key_Equal, Qt::ControlModifier);
    b.touche(Qt::Key_Equal, Qt::ControlModifier);
    QCOMPARE(b.fenetre->zoom(), 200);
    QCOMPARE(b.fenetre->image().size(), QSize(1280, 1000));
    QCOMPARE(b.fenetre->surface->size(), QSize(1280, 1000));
    QWidget* s = b.fenetre->surface;
    QTest::mouseMove(s, (TfrmPlateau::ancreReserve('S' - 'A') + QPoint(5, 5)) * 2);
    QTest::mouseClick(s, Qt::LeftButton, {}, (TfrmPlateau::ancreReserve('S' - 'A') + QPoint(5, 5)) * 2);
    QTest::mouseMove(s, centre(0, 1) * 2);
    QTest::mouseClick(s, Qt::LeftButton, {}, centre(0, 1) * 2);
    QCOMPARE(b.position().caseEn(0, 1).lettre, int32_t{'S'});

    // Raised contrast: Ana's blue tokens read in white; her ripe E (value
    // 5) carries a frame in that white along its hexagon.
    b.fenetre->RubriqueContraste->trigger();
    b.touche(Qt::Key_Minus, Qt::ControlModifier);
    b.installer([](Position& p) { p.poserJeton(0, 0, 'E', 5, 1); });
    const QImage& i = b.fenetre->image();
    const QPoint a = TfrmPlateau::ancreCellule(0, 0) * 3 / 2;
    bool blanc = false;
    for (int x = a.x() - 12; x < a.x() - 2; ++x) blanc = blanc || px(i, {x, a.y() + 24}) == 0xFFFFFF;
    QVERIFY(blanc);

    Banc suite(false);
    suite.parametres = std::make_unique<Parametres>(b.chemin("Irvad.ini"), b.chemin("u/Irvad.ini"));
    suite.fenetre->parametres = suite.parametres.get();
    suite.montrer();
    QCOMPARE(suite.fenetre->zoom(), 150);
    QVERIFY(suite.fenetre->contraste());
  }

  // A game in progress is kept when the window closes; the next start
  // offers it: yes takes it up, no deletes it.
  void unePartieInterrompueEstProposeeAuDemarrageSuivant() {
    QTemporaryDir dossier;
    const QString reprise = dossier.filePath(QStringLiteral("Irvad/partie-interrompue.ivd"));
    Position avant;
    {
      Banc b;
      b.fenetre->fichierReprise = reprise;
      b.touche(Qt::Key_F4);
      b.ouverture();
      avant = b.position();
      QVERIFY(b.fenetre->close());
      QVERIFY(QFile::exists(reprise));
    }
    for (const bool oui : {true, false}) {
      if (!oui) QFile::copy(dossier.filePath(QStringLiteral("copie.ivd")), reprise);
      Banc b(false);
      b.fenetre->fichierReprise = reprise;
      QStringList questions;
      b.fenetre->repondre = [&](const QString& q) {
        questions << q;
        if (oui) QFile::copy(reprise, dossier.filePath(QStringLiteral("copie.ivd")));
        return oui;
      };
      b.montrer();
      QTRY_COMPARE(questions, QStringList{QStringLiteral("Reprendre la partie interrompue ?")});
      QVERIFY(!QFile::exists(reprise));
      QCOMPARE(b.position().plateau.cases[10][10].lettre, oui ? int32_t{'A'} : 0);
      QCOMPARE(b.position().joueurs[0].lettres, oui ? avant.joueurs[0].lettres : Position().joueurs[0].lettres);
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
    const QImage& i = b.fenetre->image();
    const QPoint premier = TfrmPlateau::ancreCellule(attendus[0].x, attendus[0].y) + bord;
    QCOMPARE(px(i, premier), rgb(claire(1)));
    c->Liste->setCurrentRow(1);
    const QPoint second = TfrmPlateau::ancreCellule(attendus[1].x, attendus[1].y) + bord;
    QCOMPARE(px(i, second), rgb(claire(1)));
    if (!(attendus[0].x == attendus[1].x && attendus[0].y == attendus[1].y)) QCOMPARE(px(i, premier), rgb(claire(0)));
    c->hide();
    QCOMPARE(px(i, second), rgb(claire(0)));
    QVERIFY(b.position() == avant);
    // The turn over, the window goes.
    c->show();
    b.touche(Qt::Key_P, Qt::AltModifier);
    QVERIFY(!c->isVisible());
  }
};

QTEST_MAIN(TestAffichage)
#include "test_affichage.moc"
