// The windows beside the board: messages (lines taken back, the wait that
// holds the game, the log file) and scores (the ranking, the running time).
#include <QApplication>
#include <QDir>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "Banc.h"

using namespace irvad;
using test::lire;
using Lignes = std::vector<std::string>;
using Fin = TfrmMessages::FinAttente;

namespace {

// Holds a wait and runs `action` from inside it; a click after 10 s keeps a
// broken wait from hanging the test. `tenue` tells whether the window was
// shown, modal, with its button and timer on during the wait.
Fin attendre(TfrmMessages& w, const std::string& texte, const std::function<void()>& action, bool* tenue = nullptr) {
  QTimer::singleShot(0, &w, [&w, action, tenue] {
    if (tenue)
      *tenue = w.isVisible() && QApplication::activeModalWidget() == &w && w.Button->isEnabled() && w.Timer.isActive();
    action();
  });
  QTimer secours;
  QObject::connect(&secours, &QTimer::timeout, &w, [&w] { w.ButtonClick(); });
  secours.start(10000);
  return w.ajouterMessageEtAttendre(texte, false);
}

// A game of n human players, started.
void commencer(Jeu& jeu, uint32_t n) {
  Tablee t{n, {}};
  for (const char* nom : {"Anne", "Bruno", "H\xE9l\xE8ne", "Denis", "Eve", "Fran\xE7ois"})
    t.sieges.push_back(Siege{nom, false, true, 5});
  QVERIFY(jeu.nouvellePartie(t));
}

}  // namespace

class TestFenetres : public QObject {
  Q_OBJECT

  QTemporaryDir dossier;
  int64_t maintenant = 1'700'000'000;

 private slots:
  void lesMessagesSAjoutentSeRetirentEtSEnregistrent() {
    TfrmMessages w;
    QStringList statuts;
    w.statut = [&statuts](const QString& t) { statuts << t; };
    // A refused placement takes back the lines before the last one.
    for (const char* l : {"A", "B", "C", "D"}) w.ajouterMessage(l, false);
    w.retirerMessages(2);
    QCOMPARE(w.lignes(), (Lignes{"A", "D"}));
    w.retirerMessages(5);
    QCOMPARE(w.lignes(), Lignes{"D"});
    // Undo takes back the last ones, never more than there are; a text with
    // a line end is two lines.
    w.ajouterMessage("D\xE9pl.E (3,4)\r\nQualifi\xE9", false);
    w.retirerDerniersMessages(1);
    QCOMPARE(w.Memo->toPlainText(), QStringLiteral("D\nDépl.E (3,4)"));
    w.retirerDerniersMessages(7);
    QVERIFY(w.lignes().empty() && w.Memo->toPlainText().isEmpty());

    // Saved through the save dialog's stand-in, each line as the game wrote
    // it (the file's bytes: test_journal); a cancel writes nothing.
    const Lignes journal = {"Tour n\xB0" "1", "", "\x80\xB7\xFF"};
    for (const auto& l : journal) w.ajouterMessage(l, false);
    QString choisi = dossier.filePath("partie été.ivd.txt");
    const QString fichier = choisi;
    w.demanderFichier = [&choisi] { return choisi; };
    QVERIFY(w.sauverMessagesSous());
    QCOMPARE(lire(fichier), QByteArray("Tour n\xB0" "1\r\n\r\n\x80\xB7\xFF\r\n"));
    choisi.clear();
    QVERIFY(!w.sauverMessagesSous());
    // Read back in place of what the log held; a missing file is an empty log.
    TfrmMessages autre;
    autre.ajouterMessage("ancienne", false);
    QVERIFY(autre.chargerMessages(fichier));
    QCOMPARE(autre.lignes(), journal);
    QVERIFY(autre.chargerMessages(dossier.filePath("absent.ivd.txt")));
    QVERIFY(autre.lignes().empty() && statuts.isEmpty());
    // A folder in the file's place: refused and told.
    const QString repertoire = dossier.filePath("dossier.txt");
    QVERIFY(QDir().mkpath(repertoire));
    QVERIFY(!w.sauverMessages(repertoire));
    QCOMPARE(statuts, QStringList{QStringLiteral("Impossible de remplacer le fichier ") + repertoire});
  }

  void lAttenteTientLeJeuJusquAuJoueurOuALaMinuterie() {
    TfrmMessages w;
    w.definirIntervalle(600000);
    for (int maniere = 0; maniere < 4; ++maniere) {
      bool tenue = false;
      const auto agir = [&w, maniere] {
        if (maniere == 0) w.Button->click();
        if (maniere == 1) QTest::keyClick(&w, Qt::Key_Return);
        if (maniere == 2) QTest::keyClick(&w, Qt::Key_Escape);
        if (maniere == 3) w.close();
      };
      QCOMPARE(attendre(w, "ETE      03 00 00", agir, &tenue), Fin::Continuer);
      QVERIFY(tenue);
      QVERIFY(w.isVisible() && w.windowModality() == Qt::NonModal && !w.Button->isEnabled() && !w.Timer.isActive());
    }
    // A wait asked for during a wait adds its line and leaves the holding to the first.
    Fin interieure = Fin::Continuer;
    const auto agir = [&w, &interieure] {
      interieure = w.ajouterMessageEtAttendre("C", false);
      w.Button->click();
    };
    QCOMPARE(attendre(w, "B", agir), Fin::Continuer);
    QCOMPARE(interieure, Fin::Interrompue);
    // A pause of 0: the wait ends at the first tick, not on an Escape pressed before it.
    QTest::keyClick(&w, Qt::Key_Escape);
    w.definirIntervalle(0);
    QCOMPARE(w.intervalle(), 1);
    QCOMPARE(attendre(w, "A", [] {}), Fin::Minuterie);
    QVERIFY(!w.Timer.isActive() && !w.Button->isEnabled());
    QCOMPARE(w.lignes().size(), std::size_t{7});
  }

  void lesScoresSuiventLeClassementEtLeTemps() {
    test::EcranRelais ecran;
    Jeu jeu(ecran);
    TfrmScores w(jeu);
    ecran.scores = &w;
    commencer(jeu, 6);
    QVERIFY(w.isVisible());
    QCOMPARE(w.nbLignes(), 7);
    // Scores first, then more cells, then player order. Player j gets n[j]
    // cells whose values add up to v[j].
    const int scores[6] = {10, 30, 20, 30, 0, 20}, n[6] = {0, 1, 0, 2, 5, 0}, v[6] = {0, 1, 0, 2, 9, 0};
    Position p = jeu.position();
    int libre = 0;
    for (int j = 0; j < 6; ++j) {
      p.joueurs[j].score = scores[j];
      for (int k = 0; k < n[j]; ++k, ++libre)
        p.poserJeton(3 + libre / 5, 2 + libre % 5, 'A', k == 0 ? v[j] - n[j] + 1 : 1, j + 1);
    }
    p.tour = 12;
    QVERIFY(jeu.installer(p));
    const QString noms[6] = {"Anne", "Bruno", "Hélène", "Denis", "Eve", "François"};
    auto verifier = [&](std::vector<int> ordre) {
      for (int r = 1; r <= 6; ++r) {
        const int j = ordre[r - 1];
        QCOMPARE(w.joueurDeLigne(r), j);
        QCOMPARE(jeu.position().classement[r - 1], j);  // what the end of game reads
        QStringList ligne;
        for (int c = 0; c < 4; ++c) ligne << w.texteCellule(c, r);
        const int32_t points = jeu.position().joueurs[j].score;
        QCOMPARE(ligne.join(' '), QString::asprintf("%s %03d %02d %02d", qPrintable(noms[j]), points, n[j], v[j]));
      }
    };
    verifier({3, 1, 2, 5, 0, 4});
    QCOMPARE(w.windowTitle(), QStringLiteral("Scores - Tour n°12"));
    p.joueurs[4].score = 31;
    QVERIFY(jeu.installer(p));
    verifier({4, 3, 1, 2, 5, 0});
    // Each row in its player's colour.
    const QImage image = w.StringGrid->grab().toImage();
    for (int r = 1; r <= 6; ++r)
      QCOMPARE(image.pixelColor(w.rectCellule(0, r).bottomLeft() + QPoint(1, -1)),
               TfrmScores::couleursClaires[w.joueurDeLigne(r) + 1]);

    // Fewer players, fewer rows. The running time of the player on turn is
    // drawn at once at each tick; the turn passed, the next one's runs.
    commencer(jeu, 3);
    QCOMPARE(w.nbLignes(), 4);
    jeu.horloge = [this] { return maintenant; };
    p = jeu.position();
    p.tour = 1;
    p.joueurs[0].temps = 5999.4;
    p.joueurs[1].temps = 6000.0;
    QVERIFY(jeu.installer(p));
    QVERIFY(jeu.continuer());
    QApplication::processEvents();
    QCOMPARE(QStringList({w.tempsAffiche(1), w.tempsAffiche(2)}), QStringList({"99:59", "100:00"}));
    maintenant += 1;
    w.TimerTimer();
    QCOMPARE(w.tempsAffiche(1), QStringLiteral("100:00"));
    QVERIFY(jeu.passer());
    maintenant += 61;
    w.mettreAJourTemps();
    QCOMPARE(QStringList({w.tempsAffiche(1), w.tempsAffiche(2)}), QStringList({"100:00", "101:01"}));
  }
};

QTEST_MAIN(TestFenetres)
#include "test_fenetres.moc"
