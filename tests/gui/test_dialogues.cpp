// The dialogs: the player set-up (its choices before and during a game, the
// computer seats' level), the computer settings (Irvad.ini read and written)
// and About (its links, the generator reseeded). The word list's loading
// dialog is test_demarrage's.
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMessageBox>
#include <QRadioButton>
#include <QSlider>
#include <QTest>
#include <QTimer>

#include "Banc.h"
#include "Projet.h"
#include "TfrmAPropos.h"
#include "TfrmNomJoueurs.h"
#include "TfrmParametresAutomates.h"

using namespace irvad;
using test::lire, test::ecrire;

namespace {

template <class T = QWidget>
T* element(QWidget* w, const QString& nom) {
  T* e = w->findChild<T*>(nom);
  if (!e) qFatal("missing %s", qPrintable(nom));
  return e;
}
// Shown at its fixed size, the dialog squeezes nothing: its layout asks for
// no more (wrapped notes ask for less height the wider they may be).
void rienNEstSerre(QWidget& d) {
  d.show();
  const QLayout* l = d.layout();
  const int hauteur = l->hasHeightForWidth() ? l->heightForWidth(d.width()) : l->sizeHint().height();
  QVERIFY2(l->sizeHint().width() <= d.width() && hauteur <= d.height(), qPrintable(d.objectName()));
}
// Runs `action` on the modal dialog about to open.
void ensuite(const std::function<void(QWidget*)>& action) {
  QTimer::singleShot(0, [action] { action(QApplication::activeModalWidget()); });
}

}  // namespace

class TestDialogues : public QObject {
  Q_OBJECT

  QTemporaryDir dossier;
  Parametres parametres{dossier.filePath("Irvad.ini").toStdString(), {}};

 private slots:
  void lesChoixDesJoueursAvantEtPendantUnePartie() {
    test::EcranRelais ecran;
    Jeu jeu(ecran);
    parametres.tailleMaxParDefaut = 6;
    parametres.deplacementsParDefaut = true;
    QVERIFY(jeu.nouvellePartie(Tablee{2, {{"Ana", false, false, 9}, {"Bob", true, true, 5, Niveau::Expert}}}));
    const Position avant = jeu.position();
    rienNEstSerre(*std::make_unique<TfrmNomJoueurs>(jeu, parametres));

    // Before a new game: rows for the number chosen, the defaults offered, a
    // level for computer seats only; the seats given back and nothing written.
    ensuite([](QWidget* d) {
      for (const char* coche : {"RadioButton16", "CheckBox1D", "CheckBox2A", "CheckBox2E"})
        QVERIFY2(element<QAbstractButton>(d, coche)->isChecked(), coche);
      QVERIFY(!element(d, "CheckBox1E")->isEnabled());
      element<QRadioButton>(d, "RadioJoueurs3")->click();
      for (int s = 1; s <= 6; ++s)
        QCOMPARE(std::pair(element(d, QStringLiteral("Edit%1").arg(s))->isEnabled(),
                           element(d, QStringLiteral("Image%1").arg(s))->isVisible()),
                 std::pair(s <= 3, s <= 3));
      auto* nom = element<QLineEdit>(d, "Edit1");
      nom->clear();
      QTest::keyClicks(nom, "Bernadette");  // 10 letters, 8 kept
      element<QLineEdit>(d, "Edit2")->setText(QStringLiteral("Éloïse"));
      element<QLineEdit>(d, "Edit3")->clear();
      element<QLineEdit>(d, "Edit5")->setText(QStringLiteral("Horsjeu"));  // beyond the 3 seats
      // Bob played by a human keeps no level, whatever its box still says.
      for (const char* clic : {"CheckBox2A", "RadioButton29", "CheckBox3A", "CheckBox3E", "CheckBox3D", "Button1"})
        QTest::mouseClick(element(d, clic), Qt::LeftButton);
    });
    const auto t = TfrmNomJoueurs::executer(jeu, parametres, nullptr, true);
    QVERIFY(t && t->nombre == 3 && jeu.position() == avant);
    using Vu = std::tuple<std::string, bool, bool, int, bool>;
    std::vector<Vu> sieges;
    for (const Siege& s : t->sieges)
      sieges.emplace_back(s.nom, s.automate, s.deplacements, s.tailleMax, s.niveau == Niveau::Expert);
    QCOMPARE(sieges, (std::vector<Vu>{{"Bernadet", false, true, 6, false}, {"\xC9lo\xEFse", false, true, 9, false},
                                      {"", true, false, 6, true}}));
    // Each seat's picture marks the vertex it will get.
    for (uint32_t n : {2u, 3u, 6u})
      for (uint32_t s = 0; s < n; ++s) {
        const int coin[9] = {0, 1, 2, 3, 4, 5, 2, 4, 3};
        QCOMPARE(Jeu::sommets[coin[TfrmNomJoueurs::numeroImage(int(n), int(s) + 1)]], Jeu::sommetDe(s, n));
      }

    // During the game: the players' own values, the number fixed; OK writes them.
    ensuite([](QWidget* d) {
      QVERIFY(!element(d, "RadioGroupJoueurs")->isEnabled() && element<QRadioButton>(d, "RadioButton19")->isChecked() &&
              !element<QCheckBox>(d, "CheckBox1D")->isChecked());
      element<QLineEdit>(d, "Edit2")->setText(QStringLiteral("Robert"));
      for (const char* clic : {"RadioButton27", "CheckBox2E", "Button1"})
        QTest::mouseClick(element(d, clic), Qt::LeftButton);
    });
    QVERIFY(TfrmNomJoueurs::executer(jeu, parametres, nullptr, false));
    const joueur& bob = jeu.position().joueurs[1];
    QCOMPARE(std::make_tuple(bob.nom, bob.automate, bob.tailleMax, bob.niveau == Niveau::Expert,
                             jeu.position().joueurs[0].tailleMax),
             std::make_tuple(std::string("Robert"), true, 7, false, 9));

    // Cancelled, by its button or by Escape: nothing given, nothing written.
    const Position apres = jeu.position();
    for (bool avantPartie : {true, false}) {
      ensuite([](QWidget* d) {
        element<QLineEdit>(d, "Edit1")->setText("Autre");
        QTest::mouseClick(element(d, "Button2"), Qt::LeftButton);
      });
      QVERIFY(!TfrmNomJoueurs::executer(jeu, parametres, nullptr, avantPartie));
      ensuite([](QWidget* d) { QTest::keyClick(d, Qt::Key_Escape); });
      QVERIFY(!TfrmNomJoueurs::executer(jeu, parametres, nullptr, avantPartie));
    }
    QVERIFY(jeu.position() == apres);
  }

  void lesReglagesDesAutomatesDansIrvadIni() {
    const QString ini = dossier.filePath("automates.ini");
    // A hand-edited file, out-of-range values brought back to their bounds.
    ecrire(ini, "[Automate]\r\nPause=12\r\nTailleMax=2\r\nInterruption=o\r\n");
    Parametres reglages(ini.toStdString(), dossier.filePath("u/Irvad.ini").toStdString());
    TfrmParametresAutomates dialogue(reglages);
    rienNEstSerre(dialogue);
    auto* pause = element<QSlider>(&dialogue, "TrackBar1");
    auto* taille = element<QSlider>(&dialogue, "TrackBar2");
    auto* interruption = element<QCheckBox>(&dialogue, "CheckBoxInterruption");
    QVERIFY(pause->value() == 5 && taille->value() == 0 && !interruption->isChecked());
    // Cancelled: nothing applied, the file as it was.
    const QByteArray avant = lire(ini);
    pause->setValue(1);
    QTest::mouseClick(element(&dialogue, "ButtonAnnuler"), Qt::LeftButton);
    QVERIFY(reglages.pause == 5 && lire(ini) == avant);
    // The next visit shows the file as edited meanwhile; a confirm writes it,
    // each key where the file had it.
    ecrire(ini, "[Automate]\r\nPause=2\r\nTailleMax=7\r\nDeplacements=N\r\n");
    dialogue.show();
    QVERIFY(taille->value() == 2 && interruption->isChecked() &&
            !element<QCheckBox>(&dialogue, "CheckBoxAutorisation")->isChecked());
    pause->setFocus();
    QTest::keyClick(pause, Qt::Key_Home);
    taille->setValue(taille->maximum());
    interruption->click();
    QTest::mouseClick(element(&dialogue, "ButtonValider"), Qt::LeftButton);
    QVERIFY(reglages.intervalleMs() == 1 && reglages.tailleMaxParDefaut == 9 && !reglages.interruption &&
            !reglages.deplacementsParDefaut);
    QCOMPARE(lire(ini), QByteArray("[Automate]\r\nPause=0\r\nTailleMax=9\r\nDeplacements=N\r\nInterruption=N\r\n"));

    // No file can be written (both folders lie below a plain file): told, the values kept.
    ecrire(dossier.filePath("fichier"), "x");
    const QString utilisateur = dossier.filePath("fichier/config/Irvad.ini");
    Parametres bloques(dossier.filePath("fichier/Irvad.ini").toStdString(), utilisateur.toStdString());
    TfrmParametresAutomates autre(bloques);
    autre.show();
    QString erreur;
    ensuite([&](QWidget* boite) { erreur = static_cast<QMessageBox*>(boite)->text(), boite->close(); });
    element<QSlider>(&autre, "TrackBar1")->setValue(1);
    QTest::mouseClick(element(&autre, "ButtonValider"), Qt::LeftButton);
    autre.show();
    QCOMPARE(erreur, QStringLiteral("Impossible d'écrire dans ") + utilisateur);
    QVERIFY(bloques.pause == 1 && element<QSlider>(&autre, "TrackBar1")->value() == 1);
  }

  void aProposSesLiensEtLeHasard() {
    EcranNul nul;
    Jeu jeu(nul), temoin(nul);
    jeu.horloge = [] { return int64_t{1234}; };
    temoin.graine(1234);
    TfrmAPropos dialogue(nullptr, &jeu);
    QList<QUrl> ouverts;
    dialogue.ouvrirLien = [&](const QUrl& url) { ouverts.append(url); };
    dialogue.show();
    dialogue.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&dialogue));
    // The U's tile leaves the V whole: about as much ink on each side of x = 173.
    auto encre = [&](const QRect& boite) {
      int n = 0;
      for (int y = boite.top(); y <= boite.bottom(); ++y)
        for (int x = boite.left(); x <= boite.right(); ++x) n += dialogue.image().pixelColor(x, y).value() < 128;
      return n;
    };
    const int encreV = encre(QRect(150, 284, 23, 28)), encreU = encre(QRect(173, 284, 17, 28));
    QVERIFY2(encreV * 2 > encreU, qPrintable(QStringLiteral("V %1, U %2").arg(encreV).arg(encreU)));
    QTest::mouseClick(dialogue.LabelUrl, Qt::LeftButton);
    QTest::mouseClick(dialogue.LabelEMail, Qt::LeftButton);
    QTest::mouseClick(dialogue.LabelUrl, Qt::RightButton);  // opens nothing
    QCOMPARE(ouverts, QList<QUrl>({QUrl(QString::fromUtf8(projet::pageAccueil)),
                                   QUrl("mailto:" + QString::fromUtf8(projet::courriel) + "?subject=Irvad")}));
    // Escape closes it accepted, the game's generator seeded from the clock.
    QTest::keyClick(&dialogue, Qt::Key_Escape);
    QVERIFY(!dialogue.isVisible() && dialogue.result() == QDialog::Accepted);
    QCOMPARE(jeu.tirer(), temoin.tirer());
  }
};

QTEST_MAIN(TestDialogues)
#include "test_dialogues.moc"
