#pragma once
// A dialog shown at its client area with nothing squeezed in it, and its
// empty status strip, 19 pixels high, along its whole foot.
#include <QLayout>
#include <QStatusBar>
#include <QTest>
#include <QWidget>

inline void verifierDisposition(QWidget& dialogue, QSize taille) {
  dialogue.show();
  QCOMPARE(dialogue.size(), taille);
  // Wrapped notes ask for less height the wider they may be.
  QLayout* disposition = dialogue.layout();
  const QSize voulue(disposition->sizeHint().width(), disposition->hasHeightForWidth()
                                                          ? disposition->heightForWidth(taille.width())
                                                          : disposition->sizeHint().height());
  QVERIFY2(voulue.width() <= taille.width() && voulue.height() <= taille.height(),
           qPrintable(QStringLiteral("%1 x %2").arg(voulue.width()).arg(voulue.height())));
  auto* barre = dialogue.findChild<QStatusBar*>(QStringLiteral("StatusBar"));
  QVERIFY(barre && barre->isVisible());
  QCOMPARE(barre->geometry(), QRect(0, taille.height() - 19, taille.width(), 19));
  QVERIFY(barre->currentMessage().isEmpty());
}
