// The dialog "Paramétrage des automates": the controls show the file, a
// confirm writes it and applies the values, a cancel changes nothing, and a
// file that cannot be written neither stops the dialog nor loses the values.
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "Disposition.h"
#include "Parametres.h"
#include "TfrmParametresAutomates.h"

using irvad::Parametres;
using irvad::TfrmParametresAutomates;

class TestParametres : public QObject {
  Q_OBJECT

  QByteArray lire(const QString& chemin) {
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  }
  void ecrire(const QString& chemin, const QByteArray& octets) {
    QFile f(chemin);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(octets);
  }
  template <class T>
  T* element(QWidget& w, const char* nom) {
    T* e = w.findChild<T*>(QString::fromLatin1(nom));
    if (!e) qFatal("missing %s", nom);
    return e;
  }

 private slots:
  void unConfirmEcritLeFichierEtAppliqueLesValeurs() {
    QTemporaryDir dossier;
    const QString ini = dossier.filePath("Irvad.ini");
    Parametres parametres(ini.toStdString(), dossier.filePath("u/Irvad.ini").toStdString());
    TfrmParametresAutomates dialogue(parametres);
    QSignalSpy appliques(&dialogue, &TfrmParametresAutomates::parametresAppliques);
    dialogue.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialogue));
    auto* pause = element<QSlider>(dialogue, "TrackBar1");
    auto* taille = element<QSlider>(dialogue, "TrackBar2");
    QCOMPARE(pause->value(), 3);
    QCOMPARE(taille->value(), 0);
    QVERIFY(element<QCheckBox>(dialogue, "CheckBoxInterruption")->isChecked());
    QVERIFY(element<QCheckBox>(dialogue, "CheckBoxAutorisation")->isChecked());
    QCOMPARE(QApplication::focusWidget(), pause);

    // The keyboard moves the pause to 0; the word length goes to its right end.
    QTest::keyClick(pause, Qt::Key_Home);
    taille->setValue(taille->maximum());
    element<QCheckBox>(dialogue, "CheckBoxInterruption")->click();
    QTest::mouseClick(element<QPushButton>(dialogue, "ButtonValider"), Qt::LeftButton);

    QCOMPARE(dialogue.result(), int(QDialog::Accepted));
    QCOMPARE(appliques.count(), 1);
    QCOMPARE(parametres.pause, 0);
    QCOMPARE(parametres.intervalleMs(), 1);
    QCOMPARE(parametres.tailleMaxParDefaut, 9);
    QVERIFY(!parametres.interruption);
    QVERIFY(parametres.deplacementsParDefaut);
    QCOMPARE(lire(ini), QByteArray("[Automate]\r\nPause=0\r\nTailleMax=9\r\nInterruption=N\r\nDeplacements=O\r\n"));
  }

  void unAnnulerNeChangeRienEtLaVisiteSuivanteMontreLeFichier() {
    QTemporaryDir dossier;
    const QString ini = dossier.filePath("Irvad.ini");
    // A hand-edited file, with values out of range that come back to their bounds.
    ecrire(ini, "[Automate]\r\nPause=12\r\nTailleMax=2\r\nInterruption=o\r\n");
    const QByteArray avant = lire(ini);
    Parametres parametres(ini.toStdString(), dossier.filePath("u/Irvad.ini").toStdString());
    TfrmParametresAutomates dialogue(parametres);
    QSignalSpy appliques(&dialogue, &TfrmParametresAutomates::parametresAppliques);
    dialogue.show();
    auto* pause = element<QSlider>(dialogue, "TrackBar1");
    auto* taille = element<QSlider>(dialogue, "TrackBar2");
    auto* interruption = element<QCheckBox>(dialogue, "CheckBoxInterruption");
    QCOMPARE(pause->value(), 5);
    QCOMPARE(taille->value(), 0);
    QVERIFY(!interruption->isChecked());

    pause->setValue(1);
    taille->setValue(3);
    interruption->setChecked(true);
    element<QCheckBox>(dialogue, "CheckBoxAutorisation")->setChecked(false);
    QTest::mouseClick(element<QPushButton>(dialogue, "ButtonAnnuler"), Qt::LeftButton);
    QCOMPARE(dialogue.result(), int(QDialog::Rejected));
    QCOMPARE(appliques.count(), 0);
    QCOMPARE(parametres.pause, 5);
    QCOMPARE(parametres.tailleMaxParDefaut, 5);
    QVERIFY(!parametres.interruption);
    QVERIFY(parametres.deplacementsParDefaut);
    QCOMPARE(lire(ini), avant);

    // Escape cancels too; the next visit shows the file again, edited meanwhile.
    ecrire(ini, "[Automate]\r\nPause=2\r\nTailleMax=7\r\nDeplacements=N\r\n");
    dialogue.show();
    QCOMPARE(pause->value(), 2);
    QCOMPARE(taille->value(), 2);
    QVERIFY(interruption->isChecked());
    QVERIFY(!element<QCheckBox>(dialogue, "CheckBoxAutorisation")->isChecked());
    pause->setValue(4);
    QTest::keyClick(&dialogue, Qt::Key_Escape);
    QCOMPARE(parametres.pause, 2);
    QVERIFY(dialogue.isHidden());
  }

  void unFichierQuiNePeutEtreEcritLeDitEtGardeLesValeursEnUsage() {
    QTemporaryDir dossier;
    // Both folders lie below a plain file, so nothing can be created there.
    ecrire(dossier.filePath("fichier"), "x");
    const QString utilisateur = dossier.filePath("fichier/config/Irvad.ini");
    Parametres parametres(dossier.filePath("fichier/Irvad.ini").toStdString(), utilisateur.toStdString());
    TfrmParametresAutomates dialogue(parametres);
    dialogue.show();

    QString texteErreur;
    QTimer::singleShot(0, [&] {
      auto* boite = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (!boite) return;
      texteErreur = boite->text();
      boite->accept();
    });
    element<QSlider>(dialogue, "TrackBar1")->setValue(1);
    element<QSlider>(dialogue, "TrackBar2")->setValue(4);
    QTest::mouseClick(element<QPushButton>(dialogue, "ButtonValider"), Qt::LeftButton);
    QCOMPARE(texteErreur, QStringLiteral("Impossible d'écrire dans ") + utilisateur);
    QCOMPARE(dialogue.result(), int(QDialog::Accepted));
    QCOMPARE(parametres.pause, 1);
    QCOMPARE(parametres.tailleMaxParDefaut, 9);

    // The next visit shows the values in use, not the defaults of the missing file.
    dialogue.show();
    QCOMPARE(element<QSlider>(dialogue, "TrackBar1")->value(), 1);
    QCOMPARE(element<QSlider>(dialogue, "TrackBar2")->value(), 4);
    dialogue.reject();
    QCOMPARE(parametres.pause, 1);
  }

  void leDialogueMontreSesTextes() {
    QTemporaryDir dossier;
    Parametres parametres(dossier.filePath("Irvad.ini").toStdString(), {});
    TfrmParametresAutomates dialogue(parametres);
    QCOMPARE(dialogue.windowTitle(), QStringLiteral("Paramétrage des automates"));
    QStringList textes;
    for (auto* l : dialogue.findChildren<QLabel*>()) textes << l->text();
    for (auto* c : dialogue.findChildren<QCheckBox*>()) textes << c->text();
    for (auto* b : dialogue.findChildren<QPushButton*>()) textes << b->text();
    for (const char* attendu : {"&Pause à chaque étape d'automate :", "5 s",
                                "&Interrompre le jeu avant chaque tour d'automate",
                                "&Taille max.* par défaut des mots à chercher :", "Autoriser les déplacements",
                                "&Vu && appliqué", "Annuler"})
      QVERIFY2(textes.contains(QString::fromUtf8(attendu)), attendu);
    QVERIFY(element<QPushButton>(dialogue, "ButtonValider")->isDefault());
    verifierDisposition(dialogue, QSize(338, 274));
    if (!qEnvironmentVariableIsEmpty("IRVAD_CAPTURES"))
      dialogue.grab().save(qEnvironmentVariable("IRVAD_CAPTURES") + "/parametres.png");
  }
};

QTEST_MAIN(TestParametres)
#include "test_parametres.moc"
