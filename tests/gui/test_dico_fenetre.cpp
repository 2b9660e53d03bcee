// The word list's loading dialog, driven by the real loader: eight steps to
// 100% then gone on success; with no file or a short one, the window stays
// with the reason, above the board, and the game object is usable all the
// same.
#include <QFile>
#include <QPointer>
#include <QProgressBar>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include "Dico.h"
#include "Jeu.h"
#include "TfrmDico.h"

using irvad::Dico;
using irvad::Jeu;
using irvad::TfrmDico;

namespace {

// Routes the loader's calls to the dialog as the program does, and notes the
// gauge as the loader leaves it after each block.
class EcranDico : public irvad::EcranNul {
 public:
  QPointer<TfrmDico> dico;
  QStringList textes;
  QList<int> valeurs;
  QStringList statuts;
  bool visibleEnChemin = true;

  void dicoOuvrir(int32_t maximum) override {
    if (!dico) dico = new TfrmDico();
    dico->dicoOuvrir(maximum);
  }
  void dicoProgression(int32_t n) override {
    if (!dico) return;
    dico->dicoProgression(n);
    valeurs.append(dico->CGauge->value());
    textes.append(dico->CGauge->text());
    statuts.append(dico->StatusBar->currentMessage());
    visibleEnChemin = visibleEnChemin && dico->isVisible();
  }
  void dicoStatut(const std::string& texte) override {
    if (dico) dico->dicoStatut(texte);
  }
  void dicoFermer() override {
    if (!dico) return;
    dico->dicoFermer();
    delete dico.data();
  }
  ~EcranDico() override { delete dico.data(); }
};

// A file of the word list's size (every value 0, so every word AAA...), cut
// after `octets` bytes when given.
QString fichierListe(const QTemporaryDir& dossier, qint64 octets = -1) {
  qint64 taille = 0;
  for (int32_t lettres : Dico::tailles) taille += (lettres + 2) / 3 * 2;
  const QString chemin = dossier.filePath(QStringLiteral("L23456789"));
  QFile f(chemin);
  if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) return {};
  f.write(QByteArray(static_cast<int>(octets >= 0 ? octets : taille), '\0'));
  return chemin;
}

}  // namespace

class TestDicoFenetre : public QObject {
  Q_OBJECT

 private slots:
  void unChargementReussiAvanceEnHuitEtapesPuisDisparait() {
    QTemporaryDir dossier;
    EcranDico ecran;
    Jeu jeu(ecran);
    QCOMPARE(jeu.chargerDico(fichierListe(dossier).toStdString()), Dico::Resultat::Ok);
    QCOMPARE(ecran.valeurs.size(), 8);
    QCOMPARE(ecran.valeurs.back(), Dico::totalLettres);
    for (int i = 1; i < 8; ++i) QVERIFY(ecran.valeurs[i] > ecran.valeurs[i - 1]);
    QCOMPARE(ecran.valeurs[0], Dico::tailles[0]);
    // Whole percentages done, never rounded up.
    QCOMPARE(ecran.textes, QStringList({"0%", "0%", "0%", "3%", "12%", "29%", "58%", "100%"}));
    QVERIFY(ecran.visibleEnChemin);
    // No trace left of the window.
    QVERIFY(ecran.dico.isNull());
    QVERIFY(jeu.dico.contient("AA", 2));
  }

  void sansFichierLaFenetreResteAvecLeMessage() {
    QTemporaryDir dossier;
    EcranDico ecran;
    Jeu jeu(ecran);
    QCOMPARE(jeu.chargerDico(dossier.filePath(QStringLiteral("absent/L23456789")).toStdString()),
             Dico::Resultat::Introuvable);
    QVERIFY(!ecran.dico.isNull());
    QVERIFY(ecran.dico->isVisible());
    QVERIFY(!ecran.dico->isModal());
    QCOMPARE(ecran.dico->StatusBar->currentMessage(), QStringLiteral("Fichier L23456789 introuvable !"));
    QCOMPARE(ecran.dico->CGauge->value(), 0);
    QCOMPARE(ecran.dico->CGauge->text(), QStringLiteral("0%"));
    QVERIFY(ecran.valeurs.isEmpty());
    // The game goes on with an empty list, and closing the game's window
    // still ends the program although this one stays.
    QVERIFY(!jeu.dico.contient("AA", 2));
    QWidget plateau;
    plateau.show();
    QVERIFY(QTest::qWaitForWindowExposed(&plateau));
    // The board shown after it keeps it above itself, where it stood.
    const QPoint position = ecran.dico->pos();
    ecran.dico->garderAuDessusDe(&plateau);
    QVERIFY(ecran.dico->isVisible() && ecran.dico->isWindow());
    QCOMPARE(ecran.dico->windowHandle()->transientParent(), plateau.windowHandle());
    QCOMPARE(ecran.dico->pos(), position);
    QCOMPARE(ecran.dico->StatusBar->currentMessage(), QStringLiteral("Fichier L23456789 introuvable !"));
    QTimer::singleShot(0, &plateau, [&] { plateau.close(); });
    // Should the loop not end with the last window, it ends with 1 after a
    // while instead of hanging the test.
    QTimer::singleShot(10000, qApp, [] { QCoreApplication::exit(1); });
    QCOMPARE(QCoreApplication::exec(), 0);

    // A second load (the same window is reused) empties the bar and the
    // strip before it starts.
    QCOMPARE(jeu.chargerDico(fichierListe(dossier).toStdString()), Dico::Resultat::Ok);
    QCOMPARE(ecran.textes.first(), QStringLiteral("0%"));
    QCOMPARE(ecran.statuts, QStringList(8, QString()));
    QVERIFY(ecran.dico.isNull());
  }

  void unFichierCourtLaisseLaBarreOuElleEnEtait() {
    QTemporaryDir dossier;
    EcranDico ecran;
    Jeu jeu(ecran);
    // The blocks of 2, 3 and 4 letters whole, then half of the next.
    qint64 octets = 0;
    for (int i = 0; i < 3; ++i) octets += (Dico::tailles[static_cast<std::size_t>(i)] + 2) / 3 * 2;
    octets += (Dico::tailles[3] + 2) / 3;
    QCOMPARE(jeu.chargerDico(fichierListe(dossier, octets).toStdString()), Dico::Resultat::ErreurLecture);
    QCOMPARE(ecran.valeurs.size(), 3);
    QVERIFY(ecran.dico->isVisible());
    QCOMPARE(ecran.dico->StatusBar->currentMessage(), QStringLiteral("Erreur de lecture"));
    QCOMPARE(ecran.dico->CGauge->value(), jeu.dico.debut(5));
    QCOMPARE(ecran.dico->CGauge->text(), QStringLiteral("0%"));
    // What was read stays.
    QVERIFY(jeu.dico.contient("AAAA", 4));
  }

  void uneProgressionHorsBornesResteDansLaBarre() {
    TfrmDico fenetre;
    fenetre.dicoOuvrir(0);
    fenetre.dicoProgression(5);
    QCOMPARE(fenetre.CGauge->text(), QStringLiteral("100%"));
    fenetre.dicoOuvrir(1000);
    fenetre.dicoProgression(-3);
    QCOMPARE(fenetre.CGauge->value(), 0);
    fenetre.dicoProgression(2000);
    QCOMPARE(fenetre.CGauge->value(), 1000);
    QCOMPARE(fenetre.CGauge->text(), QStringLiteral("100%"));
    fenetre.dicoFermer();
    QVERIFY(!fenetre.isVisible());
  }
};

QTEST_MAIN(TestDicoFenetre)
#include "test_dico_fenetre.moc"
