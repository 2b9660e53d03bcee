// Hints in the window: F5 lists the engine's best plays, the one chosen is
// drawn on the board and taken away again, and nothing of the game changes.
#include <QListWidget>
#include <QTest>

#include "Banc.h"
#include "TfrmConseils.h"

using namespace irvad;
using test::Banc;

namespace {
QRgb px(const QImage& i, QPoint p) { return i.pixel(p) & 0xFFFFFF; }
QRgb couleur(int k) { return TfrmPlateau::couleursClaires[static_cast<std::size_t>(k)].rgb() & 0xFFFFFF; }
const QPoint bord(-8, 16);  // inside a hexagon, off its letter
}  // namespace

class TestConseils : public QObject {
  Q_OBJECT

 private slots:
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
    QCOMPARE(px(i, premier), couleur(1));
    c->Liste->setCurrentRow(1);
    const QPoint second = TfrmPlateau::ancreCellule(attendus[1].x, attendus[1].y) + bord;
    QCOMPARE(px(i, second), couleur(1));
    if (!(attendus[0].x == attendus[1].x && attendus[0].y == attendus[1].y)) QCOMPARE(px(i, premier), couleur(0));
    c->hide();
    QCOMPARE(px(i, second), couleur(0));
    QVERIFY(b.position() == avant);
    // The turn over, the window goes.
    c->show();
    b.touche(Qt::Key_P, Qt::AltModifier);
    QVERIFY(!c->isVisible());
  }
};

QTEST_MAIN(TestConseils)
#include "test_conseils.moc"
