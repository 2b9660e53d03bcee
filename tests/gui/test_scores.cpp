// The scores window: the rows in ranking order with their texts for 2, 3
// and 6 players, before and after the ranking changes; the window's size and
// caption; the row colours; the running time, beyond 99 minutes too, and a
// stopped clock that draws nothing.
#include <QApplication>
#include <QImage>
#include <QTest>
#include <QVector>

#include <algorithm>
#include <memory>

#include "EcranEnregistreur.h"
#include "Jeu.h"
#include "TfrmScores.h"

using namespace irvad;

namespace {

// n written with at least `chiffres` digits.
QString zeros(int n, int chiffres) { return QString::number(n).rightJustified(chiffres, QLatin1Char('0')); }

// Pixels of text, whatever the smoothing of its edges: near white, or near black.
int pixelsClairs(const QImage& image, const QRect& zone, bool blanc) {
  int n = 0;
  for (int y = zone.top(); y <= zone.bottom(); ++y)
    for (int x = zone.left(); x <= zone.right(); ++x) {
      const QColor c = image.pixelColor(x, y);
      const int plus = std::min({c.red(), c.green(), c.blue()}), moins = std::max({c.red(), c.green(), c.blue()});
      if (blanc ? plus > 200 : moins < 80) ++n;
    }
  return n;
}

}  // namespace

class TestScores : public QObject {
  Q_OBJECT

  test::EcranEnregistreur ecran;
  std::unique_ptr<Jeu> jeu;
  int64_t maintenant = 1'700'000'000;

  // Gives player p `n` free cells, the first holding `valeur` - (n - 1) and
  // the others 1 each, so that their values add up to `valeur`.
  void donnerCases(int p, int n, int valeur) {
    const int premiere = valeur - (n - 1);
    bool premier = true;
    for (int x = 0; x < tailleGrille && n > 0; ++x)
      for (int y = jeu->plateau.ligneMin[x]; y <= jeu->plateau.ligneMax[x] && n > 0; ++y) {
        cellule& c = jeu->plateau.cases[x][y];
        if (c.proprietaire != 0) continue;
        c.lettre = 'A';
        c.proprietaire = p + 1;
        c.valeur = premier ? premiere : 1;
        premier = false;
        --n;
      }
  }

  void nouvellePartie(int joueurs) {
    jeu->nbJoueurs = static_cast<uint32_t>(joueurs);
    const char* noms[6] = {"Anne", "Bruno", "H\xE9l\xE8ne", "Denis", "Eve", "Fran\xE7ois"};  // Hélène, François
    for (int i = 0; i < 6; ++i) jeu->joueurs[static_cast<std::size_t>(i)].nom = noms[i];
    jeu->nouvellePartie();
  }

  // Checks every row against the players' figures, in the order given.
  void verifierLignes(const TfrmScores& w, const QVector<int>& ordre, const QVector<int>& cases,
                      const QVector<int>& valeurs) {
    const QString noms[6] = {"Anne", "Bruno", "Hélène", "Denis", "Eve", "François"};
    QCOMPARE(w.nbLignes(), ordre.size() + 1);
    QCOMPARE(w.texteCellule(0, 0), QStringLiteral("Joueur"));
    QCOMPARE(w.texteCellule(4, 0), QStringLiteral("temps"));
    for (int r = 1; r <= ordre.size(); ++r) {
      const int p = ordre[r - 1];
      QCOMPARE(w.joueurDeLigne(r), p);
      QCOMPARE(w.texteCellule(0, r), noms[p]);
      QCOMPARE(w.texteCellule(1, r), zeros(jeu->joueurs[static_cast<std::size_t>(p)].score, 3));
      QCOMPARE(w.texteCellule(2, r), zeros(cases[p], 2));
      QCOMPARE(w.texteCellule(3, r), zeros(valeurs[p], 2));
      QCOMPARE(w.texteCellule(4, r), QStringLiteral("00:00"));
    }
    QVERIFY(w.texteCellule(0, ordre.size() + 1).isEmpty());
  }

 private slots:
  void init() {
    jeu = std::make_unique<Jeu>(ecran);
    jeu->horloge = [this] { return maintenant; };
  }

  void lesLignesSuiventLeClassement_data() {
    QTest::addColumn<int>("joueurs");
    QTest::addColumn<QVector<int>>("scores");
    QTest::addColumn<QVector<int>>("cases");
    QTest::addColumn<QVector<int>>("valeurs");
    QTest::addColumn<QVector<int>>("ordre");
    QTest::addColumn<int>("gagnant");  // then gets this many points more than the leader
    QTest::addColumn<QVector<int>>("ordreApres");
    QTest::addColumn<int>("hauteur");
    // 2 points and no cell beat 1 point and 20 cells.
    QTest::newRow("2 joueurs") << 2 << QVector<int>{1, 2} << QVector<int>{20, 0} << QVector<int>{20, 0}
                               << QVector<int>{1, 0} << 0 << QVector<int>{0, 1} << 58;
    // Equal in everything: player order.
    QTest::newRow("3 joueurs") << 3 << QVector<int>{5, 5, 5} << QVector<int>{2, 2, 2} << QVector<int>{3, 3, 3}
                               << QVector<int>{0, 1, 2} << 2 << QVector<int>{2, 0, 1} << 76;
    // Equal scores: more cells first; equal scores and cells: player order.
    QTest::newRow("6 joueurs") << 6 << QVector<int>{10, 30, 20, 30, 0, 20} << QVector<int>{0, 1, 0, 2, 5, 0}
                               << QVector<int>{0, 1, 0, 2, 9, 0} << QVector<int>{3, 1, 2, 5, 0, 4} << 4
                               << QVector<int>{4, 3, 1, 2, 5, 0} << 130;
  }

  void lesLignesSuiventLeClassement() {
    QFETCH(int, joueurs);
    QFETCH(QVector<int>, scores);
    QFETCH(QVector<int>, cases);
    QFETCH(QVector<int>, valeurs);
    QFETCH(QVector<int>, ordre);
    QFETCH(int, gagnant);
    QFETCH(QVector<int>, ordreApres);
    QFETCH(int, hauteur);

    TfrmScores w(*jeu);
    QVERIFY(!w.isVisible());
    QCOMPARE(w.windowTitle(), QStringLiteral("Scores"));

    // A new game: zeros everywhere, in player order.
    nouvellePartie(joueurs);
    w.mettreAJourScores();
    QVERIFY(w.isVisible());
    QVector<int> enOrdre, rien(joueurs, 0);
    for (int p = 0; p < joueurs; ++p) enOrdre << p;
    verifierLignes(w, enOrdre, rien, rien);
    QCOMPARE(w.texteCellule(1, 1), QStringLiteral("000"));
    QCOMPARE(w.height(), hauteur);
    // The names' column takes the width the caption adds; the others keep theirs.
    QCOMPARE(w.rectCellule(4, 0).right(), w.width() - 4);
    for (int c = 1; c < 5; ++c) QCOMPARE(w.rectCellule(c, 0).width(), TfrmScores::largeurs[static_cast<std::size_t>(c)]);
    QCOMPARE(w.windowTitle(), QStringLiteral("Scores - Tour n°0"));

    for (int p = 0; p < joueurs; ++p) {
      jeu->joueurs[static_cast<std::size_t>(p)].score = scores[p];
      donnerCases(p, cases[p], valeurs[p]);
    }
    jeu->tour = 12;
    w.mettreAJourScores();
    verifierLignes(w, ordre, cases, valeurs);
    QCOMPARE(w.windowTitle(), QStringLiteral("Scores - Tour n°12"));

    // The ranking changes: one player moves to the top.
    jeu->joueurs[static_cast<std::size_t>(gagnant)].score = *std::max_element(scores.begin(), scores.end()) + 1;
    w.mettreAJourScores();
    verifierLignes(w, ordreApres, cases, valeurs);
    // The end of game reads the ranking the window left.
    for (int place = 0; place < joueurs; ++place) QCOMPARE(jeu->classement[place], ordreApres[place]);
  }

  void leNombreDeJoueursChangeLaGrille() {
    TfrmScores w(*jeu);
    nouvellePartie(6);
    w.mettreAJourScores();
    QCOMPARE(w.nbLignes(), 7);
    QCOMPARE(w.height(), 130);
    // Fewer players while the window is shown (a loaded game, the set-up dialog).
    nouvellePartie(2);
    w.mettreAJourScores();
    QCOMPARE(w.nbLignes(), 3);
    QCOMPARE(w.height(), 58);
    QCOMPARE(w.StringGrid->height(), 58);
    QVERIFY(w.texteCellule(0, 3).isEmpty());
    nouvellePartie(3);
    w.mettreAJourScores();
    QCOMPARE(w.nbLignes(), 4);
    QCOMPARE(w.height(), 76);
  }

  void chaqueLigneALaCouleurDeSonJoueur() {
    TfrmScores w(*jeu);
    nouvellePartie(3);
    jeu->joueurs[0].score = 2;
    jeu->joueurs[1].score = 1;
    jeu->joueurs[2].score = 3;
    w.mettreAJourScores();
    QApplication::processEvents();
    const QImage image = w.StringGrid->grab().toImage();
    const int ordre[3] = {2, 0, 1};
    // Inside a cell, off its centred text.
    auto fond = [&](int colonne, int ligne) {
      const QRect r = w.rectCellule(colonne, ligne);
      return image.pixelColor(r.left() + 1, r.bottom() - 1);
    };
    for (int c = 0; c < 5; ++c) QCOMPARE(fond(c, 0), QColor(192, 192, 192));
    for (int r = 1; r <= 3; ++r) {
      QCOMPARE(fond(0, r), TfrmScores::couleursClaires[static_cast<std::size_t>(ordre[r - 1]) + 1]);
      QCOMPARE(fond(4, r), TfrmScores::couleursClaires[static_cast<std::size_t>(ordre[r - 1]) + 1]);
    }
    QCOMPARE(fond(0, 2), QColor(0, 0, 255));
    // White letters on player 0's blue row only, black ones elsewhere.
    for (int r = 0; r <= 3; ++r) {
      const QRect nom = w.rectCellule(0, r);
      const bool premier = r == 2;
      QCOMPARE(pixelsClairs(image, nom, true) > 0, premier);
      QCOMPARE(pixelsClairs(image, nom, false) > 0, !premier);
    }
  }

  void leTempsCourtPourLeJoueurAuTrait() {
    TfrmScores w(*jeu);
    nouvellePartie(3);
    jeu->joueurs[0].temps = 5999.4;  // 99:59
    jeu->joueurs[1].temps = 6000.0;  // 100:00, not on turn
    jeu->joueurs[2].temps = 359999.9;
    jeu->joueurCourant = 0;
    jeu->demarrerChrono();
    w.mettreAJourScores();
    QApplication::processEvents();
    QCOMPARE(w.joueurDeLigne(1), 0);
    QCOMPARE(w.tempsAffiche(1), QStringLiteral("99:59"));
    QCOMPARE(w.tempsAffiche(2), QStringLiteral("100:00"));
    QCOMPARE(w.tempsAffiche(3), QStringLiteral("5999:59"));

    // The timer's tick redraws the running time at once, past 99 minutes.
    maintenant += 1;
    w.TimerTimer();
    QCOMPARE(w.tempsAffiche(1), QStringLiteral("100:00"));
    maintenant += 125;
    w.mettreAJourTemps();
    QCOMPARE(w.tempsAffiche(1), QStringLiteral("102:05"));
    QCOMPARE(w.tempsAffiche(2), QStringLiteral("100:00"));
    QVERIFY(w.Timer.isActive());
    QCOMPARE(w.Timer.interval(), 100);

    // Between turns the clock is stopped: the time stays, and an update of
    // the time draws nothing even when the figures behind it change.
    jeu->arreterChrono();
    QCOMPARE(jeu->joueurs[0].temps, 5999.4 + 126);
    maintenant += 50;
    jeu->joueurs[0].temps += 600;
    w.TimerTimer();
    QCOMPARE(w.tempsAffiche(1), QStringLiteral("102:05"));
    QCOMPARE(w.texteCellule(4, 1), QStringLiteral("112:05"));
    // A full update shows it.
    w.mettreAJourScores();
    QApplication::processEvents();
    QCOMPARE(w.tempsAffiche(1), QStringLiteral("112:05"));

    // The next player's turn: its row runs, the others stay.
    jeu->joueurCourant = 2;
    jeu->demarrerChrono();
    maintenant += 61;
    w.mettreAJourTemps();
    QCOMPARE(w.joueurDeLigne(3), 2);
    QCOMPARE(w.tempsAffiche(3), QStringLiteral("6001:00"));
    QCOMPARE(w.tempsAffiche(1), QStringLiteral("112:05"));
  }
};

QTEST_MAIN(TestScores)
#include "test_scores.moc"
