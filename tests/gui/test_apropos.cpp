// The About dialog: the banner lights up tile by tile in the players'
// colours and stirs the game's random generator, the VU button lights up
// under the pointer and closes the dialog, Escape reseeds the generator, and
// the links reach the desktop with the right addresses.
#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QRegularExpression>
#include <QTest>

#include "Jeu.h"
#include "Projet.h"
#include "TfrmAPropos.h"

using irvad::Jeu;
using irvad::TfrmAPropos;

namespace {

const QColor blanc(255, 255, 255), noir(0, 0, 0);

// Pixels of `couleur` in a box of the dialog's image.
int compter(const QImage& image, const QRect& boite, const QColor& couleur) {
  int n = 0;
  for (int y = boite.top(); y <= boite.bottom(); ++y)
    for (int x = boite.left(); x <= boite.right(); ++x) n += image.pixelColor(x, y) == couleur;
  return n;
}

// Pixels of a box darker than the grey of the tiles: a letter's ink, its
// smoothed edges included.
int encre(const QImage& image, const QRect& boite) {
  int n = 0;
  for (int y = boite.top(); y <= boite.bottom(); ++y)
    for (int x = boite.left(); x <= boite.right(); ++x) n += image.pixelColor(x, y).value() < 128;
  return n;
}

// The inside of banner tile i, clear of the neighbouring tiles.
QRect interieur(int i) {
  const QPoint a = TfrmAPropos::ancreTuile(i);
  return {a.x(), a.y() + 2, 19, 30};
}

// Where the letters of the VU button are drawn.
const QRect lettresVU(150, 284, 40, 28);

void bouger(QWidget& w, QPoint p) {
  QMouseEvent e(QEvent::MouseMove, p, w.mapToGlobal(p), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
  QCoreApplication::sendEvent(&w, &e);
}

}  // namespace

class TestAPropos : public QObject {
  Q_OBJECT

  irvad::EcranNul ecran_;

 private slots:
  void laFenetreMontreVersionCreditsEtLiens() {
    QWidget plateau;
    plateau.move(100, 50);
    plateau.show();
    TfrmAPropos dialogue(&plateau);
    QVERIFY(!(dialogue.windowFlags() & Qt::WindowCloseButtonHint));
    QVERIFY(QRegularExpression(QStringLiteral("^Version \\d+\\.\\d+$")).match(dialogue.Panel1->text()).hasMatch());
    QCOMPARE(dialogue.Panel2->text(), QStringLiteral("Idée & Programme"));
    QVERIFY(!dialogue.Panel3->text().isEmpty());
    QCOMPARE(dialogue.LabelUrl->text(), QString::fromUtf8(irvad::projet::pageAccueil));
    QCOMPARE(dialogue.LabelEMail->text(), QString::fromUtf8(irvad::projet::courriel));
    QVERIFY(dialogue.LabelUrl->text().startsWith(QStringLiteral("https://")));
    QVERIFY(dialogue.LabelEMail->text().contains(QLatin1Char('@')));
    // The animation runs from creation.
    QVERIFY(dialogue.Timer.isActive());
    QCOMPARE(dialogue.etape(), 0);
    QCOMPARE(dialogue.PopupMenu->defaultAction(), dialogue.RubriqueFermer);
    // Shown beside the board window.
    dialogue.show();
    QCOMPARE(dialogue.pos(), plateau.frameGeometry().topLeft() + QPoint(153, 95));
  }

  void laBanniereSAllumeTuileParTuileEtBrasseLeHasard() {
    Jeu jeu(ecran_), temoin(ecran_);
    jeu.graine(7);
    temoin.graine(7);
    TfrmAPropos dialogue(nullptr, &jeu);
    dialogue.Timer.stop();
    for (int i = 0; i < 9; ++i) dialogue.TimerTimer();
    QCOMPARE(dialogue.etape(), 9);
    // IRVAD in white on blue, between two blank blue tiles at each end.
    const QColor bleu(0, 0, 255), vert(0, 255, 0), jaune(255, 255, 0);
    for (int i = 0; i < 9; ++i) {
      const QRect r = interieur(i);
      const int fond = compter(dialogue.image(), r, bleu);
      const int lettre = compter(dialogue.image(), r, blanc);
      QVERIFY2(fond > 0, qPrintable(QString::number(i)));
      if (i >= 2 && i <= 6) {
        QVERIFY2(lettre > 0, qPrintable(QString::number(i)));
      } else {
        QCOMPARE(fond, r.width() * r.height());
      }
    }
    // Nine draws of the shared generator, at least one number each.
    for (int i = 0; i < 9; ++i) temoin.brasser();
    QCOMPARE(jeu.tirer(), temoin.tirer());

    // The next pass repaints tile by tile in lime, black letters.
    dialogue.TimerTimer();
    QCOMPARE(compter(dialogue.image(), interieur(0), vert), interieur(0).width() * interieur(0).height());
    QVERIFY(compter(dialogue.image(), interieur(1), bleu) > 0);
    dialogue.TimerTimer();
    dialogue.TimerTimer();
    QVERIFY(compter(dialogue.image(), interieur(2), vert) > 0);
    QCOMPARE(compter(dialogue.image(), interieur(2), blanc), 0);
    QVERIFY(compter(dialogue.image(), interieur(2), noir) > 0);
    // Six colours, then blue again: step 54 is tile 0 in blue, step 46 was
    // tile 1 in yellow.
    while (dialogue.etape() < 55) dialogue.TimerTimer();
    QVERIFY(compter(dialogue.image(), interieur(0), bleu) > 0);
    QVERIFY(compter(dialogue.image(), interieur(1), jaune) > 0);
    QCOMPARE(compter(dialogue.image(), interieur(1), bleu), 0);
  }

  void leBoutonVUSAllumeSousLePointeurEtFermeLeDialogue() {
    Jeu jeu(ecran_), temoin(ecran_);
    jeu.horloge = [] { return int64_t{1234}; };
    jeu.graine(3);
    temoin.graine(3);
    TfrmAPropos dialogue(nullptr, &jeu);
    dialogue.Timer.stop();
    dialogue.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialogue));
    QVERIFY(compter(dialogue.image(), lettresVU, noir) > 0);
    QCOMPARE(compter(dialogue.image(), lettresVU, blanc), 0);
    // The U's tile leaves the V whole: about as much ink on each side of x = 173.
    const int encreV = encre(dialogue.image(), QRect(150, 284, 23, 28));
    const int encreU = encre(dialogue.image(), QRect(173, 284, 17, 28));
    QVERIFY2(encreV * 2 > encreU, qPrintable(QStringLiteral("V %1, U %2").arg(encreV).arg(encreU)));
    const int dessins = dialogue.dessinsBouton();

    bouger(dialogue, QPoint(60, 300));
    QCOMPARE(dialogue.dessinsBouton(), dessins);  // outside, as it was
    bouger(dialogue, QPoint(144, 282));
    QVERIFY(dialogue.survol());
    QVERIFY(compter(dialogue.image(), lettresVU, blanc) > 0);
    QCOMPARE(compter(dialogue.image(), lettresVU, noir), 0);
    bouger(dialogue, QPoint(183, 313));
    QCOMPARE(dialogue.dessinsBouton(), dessins + 1);  // no redraw inside
    bouger(dialogue, QPoint(184, 300));
    QVERIFY(!dialogue.survol());
    QVERIFY(compter(dialogue.image(), lettresVU, noir) > 0);
    QCOMPARE(compter(dialogue.image(), lettresVU, blanc), 0);
    QCOMPARE(dialogue.dessinsBouton(), dessins + 2);

    // Released outside the button: nothing; inside: closed with OK, the
    // generator left as it was.
    QTest::mouseClick(&dialogue, Qt::LeftButton, {}, QPoint(140, 300));
    QTest::mouseClick(&dialogue, Qt::LeftButton, {}, QPoint(164, 314));
    QVERIFY(dialogue.isVisible());
    QCOMPARE(dialogue.result(), 0);
    QTest::mouseClick(&dialogue, Qt::LeftButton, {}, QPoint(164, 300));
    QVERIFY(!dialogue.isVisible());
    QCOMPARE(dialogue.result(), int(QDialog::Accepted));
    QCOMPARE(jeu.tirer(), temoin.tirer());
  }

  void echapOuFermerResemeLeHasardAvecLHorloge() {
    Jeu jeu(ecran_), temoin(ecran_);
    jeu.horloge = [] { return int64_t{1234}; };
    jeu.graine(3);
    temoin.graine(1234);
    TfrmAPropos dialogue(nullptr, &jeu);
    dialogue.Timer.stop();
    dialogue.show();
    dialogue.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&dialogue));
    QTest::keyClick(&dialogue, Qt::Key_Escape);
    QVERIFY(!dialogue.isVisible());
    // Accepted, where a plain Escape of a dialog would reject.
    QCOMPARE(dialogue.result(), int(QDialog::Accepted));
    QCOMPARE(jeu.tirer(), temoin.tirer());

    jeu.horloge = [] { return int64_t{99}; };
    temoin.graine(99);
    TfrmAPropos autre(nullptr, &jeu);
    autre.Timer.stop();
    autre.show();
    autre.RubriqueFermer->trigger();
    QCOMPARE(autre.result(), int(QDialog::Accepted));
    QCOMPARE(jeu.tirer(), temoin.tirer());
  }

  void lesLiensPassentParLeBureau() {
    TfrmAPropos dialogue;
    dialogue.Timer.stop();
    QList<QUrl> ouverts;
    dialogue.ouvrirLien = [&](const QUrl& url) { ouverts.append(url); };
    dialogue.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialogue));
    QTest::mouseClick(dialogue.LabelUrl, Qt::LeftButton);
    QTest::mouseClick(dialogue.LabelEMail, Qt::LeftButton);
    // The right button opens nothing.
    QTest::mouseClick(dialogue.LabelUrl, Qt::RightButton);
    QCOMPARE(ouverts.size(), 2);
    QCOMPARE(ouverts[0], QUrl(QString::fromUtf8(irvad::projet::pageAccueil)));
    QCOMPARE(ouverts[1].scheme(), QStringLiteral("mailto"));
    QCOMPARE(ouverts[1].path(), QString::fromUtf8(irvad::projet::courriel));
    QCOMPARE(ouverts[1].query(), QStringLiteral("subject=Irvad"));
    QVERIFY(dialogue.isVisible());
  }
};

QTEST_MAIN(TestAPropos)
#include "test_apropos.moc"
