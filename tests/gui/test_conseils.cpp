// Hints in the window: F5 lists the engine's best plays, the one chosen is
// drawn on the board and taken away again, and nothing of the game changes;
// a computer seat's level chosen in the set-up dialog.
#include <QCheckBox>
#include <QListWidget>
#include <QTest>

#include "Banc.h"
#include "TfrmConseils.h"
#include "TfrmNomJoueurs.h"

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

  void leNiveauDUnAutomateSeChoisitAvecLui() {
    test::EcranRelais ecran;
    Jeu jeu(ecran);
    Parametres parametres;
    QVERIFY(jeu.nouvellePartie(Tablee{2, {{"Ana", false, true, 5}, {"Bob", true, true, 5, Niveau::Expert}}}));
    TfrmNomJoueurs d(jeu, parametres);
    d.nombreModifiable = false;
    d.defautsParametres = false;
    d.show();
    auto* automate1 = d.findChild<QCheckBox*>(QStringLiteral("CheckBox1A"));
    auto* expert1 = d.findChild<QCheckBox*>(QStringLiteral("CheckBox1E"));
    auto* expert2 = d.findChild<QCheckBox*>(QStringLiteral("CheckBox2E"));
    QVERIFY(expert2->isEnabled() && expert2->isChecked() && !expert1->isEnabled());
    automate1->setChecked(true);
    QVERIFY(expert1->isEnabled());
    expert1->setChecked(true);
    expert2->setChecked(false);
    const Tablee t = d.choix();
    QCOMPARE(t.sieges[0].niveau, Niveau::Expert);
    QCOMPARE(t.sieges[1].niveau, Niveau::Standard);
    // A human seat has no level, whatever its box said.
    automate1->setChecked(false);
    QCOMPARE(d.choix().sieges[0].niveau, Niveau::Standard);
  }
};

QTEST_MAIN(TestConseils)
#include "test_conseils.moc"
