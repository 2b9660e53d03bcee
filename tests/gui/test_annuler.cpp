// Undo and redo in the board window, as a player tries them in a game against
// the computer: each undo takes back Ana's last play with the computer's
// answer, board, scores and log as they were, Ana at the start of her turn;
// redo plays them again exactly; a new play drops what could be redone; and
// neither is offered while a play is being scored or when there is nothing
// to take back or play again.
#include <QTest>

#include "Banc.h"

using namespace irvad;

namespace {

// What the player sees of the game: position, board, log, scores.
struct Cliche {
  Position position;
  QImage plateau;
  std::vector<std::string> journal;
  QStringList scores;
};

// Ana (human) against the computer, with the messages and scores windows.
struct Partie : test::Banc {
  TfrmMessages messages;
  TfrmScores scores{jeu};
  Partie() {
    messages.definirIntervalle(1);
    ecran.journal = &messages;
    ecran.scores = &scores;
    sieges({"Ana", "*Ordi"});
    parametres->interruption = false;
    fenetre->Timer.setInterval(1);
  }
  ~Partie() {
    ecran.journal = nullptr;
    ecran.scores = nullptr;
  }
  Cliche cliche() const {
    Cliche c{position(), fenetre->image().copy(), messages.lignes(), {scores.windowTitle()}};
    for (int ligne = 1; ligne < scores.nbLignes(); ++ligne)
      for (int colonne = 0; colonne < 4; ++colonne) c.scores << scores.texteCellule(colonne, ligne);
    return c;
  }
  bool auTraitDAna() const {
    return position().joueurCourant == 0 && fenetre->etape == 1 && !fenetre->Timer.isActive();
  }
  // Ana plays with the mouse the first placement the computer's own search
  // finds for her; the computer answers after its delay.
  void jouer() {
    const Candidat c = jeu.rechercher().candidats.at(0);
    prendre(static_cast<char>('A' + c.lettre - 1));
    poser(c.x, c.y);
    QTRY_VERIFY(auTraitDAna());
    montrer();
  }
  using Banc::touche;
  void touche(Qt::Key k) { Banc::touche(k, Qt::ControlModifier); }
  // The game as it was, Ana at the start of her turn, her time running.
  void comparer(const Cliche& attendu) {
    const Cliche c = cliche();
    QVERIFY(c.position == attendu.position);
    QCOMPARE(c.journal, attendu.journal);
    QCOMPARE(c.scores, attendu.scores);
    QVERIFY(c.plateau == attendu.plateau);
    QCOMPARE(fenetre->etape, uint8_t{1});
    QCOMPARE(fenetre->curseurActuel(), 0);
    QVERIFY(position().plateau.chronoActif);
  }
};

}  // namespace

class TestAnnuler : public QObject {
  Q_OBJECT

 private slots:
  void annulerEtRetablirDansUnePartieContreLAutomate() {
    Partie p;
    TfrmPlateau& f = *p.fenetre;
    int attentes = 0;
    bool offert = false;
    p.ecran.pendantAttente = [&] {
      ++attentes;
      offert = offert || f.RubriqueAnnuler->isEnabled() || f.RubriqueRetablir->isEnabled();
      f.RubriqueAnnuler->trigger();
    };
    p.touche(Qt::Key_F4, Qt::NoModifier);
    QVERIFY(!f.RubriqueAnnuler->isEnabled() && !f.RubriqueRetablir->isEnabled());
    const Cliche debut = p.cliche();
    p.prendre('E');
    p.poser(0, 0);
    QTRY_VERIFY(p.auTraitDAna());
    const Cliche tour1 = p.cliche();
    p.jouer();
    const Cliche tour2 = p.cliche();
    p.jouer();
    const Cliche tour3 = p.cliche();
    // Ana's plays and the computer's answers were scored, neither item offered meanwhile.
    QVERIFY(attentes >= 4 && !offert);
    QCOMPARE(p.ecran.appelsDe("coupCompte").size(), std::size_t{3});
    QVERIFY(tour3.position.joueurs[0].score > tour2.position.joueurs[0].score);
    QVERIFY(tour3.journal.size() > tour2.journal.size() && tour3.plateau != tour2.plateau);
    QVERIFY(f.RubriqueAnnuler->isEnabled() && !f.RubriqueRetablir->isEnabled());

    // Undo with a letter in hand over a cell it may go to: the letter goes
    // back, the highlight goes, and Ana's last play and the answer to it go.
    const Candidat c = p.jeu.rechercher().candidats.at(0);
    p.prendre(static_cast<char>('A' + c.lettre - 1));
    p.survoler(TfrmPlateau::ancreCellule(c.x, c.y) + QPoint(5, 5));
    p.touche(Qt::Key_Z);
    p.comparer(tour2);
    QVERIFY(f.RubriqueAnnuler->isEnabled() && f.RubriqueRetablir->isEnabled());
    p.touche(Qt::Key_Z);
    p.comparer(tour1);
    // Back to the first turn of the game; there it stops.
    p.touche(Qt::Key_Z);
    p.comparer(debut);
    QVERIFY(!f.RubriqueAnnuler->isEnabled());
    p.touche(Qt::Key_Z);
    p.comparer(debut);

    // Redo plays the same plays again, to where undo came from.
    for (const Cliche* c : {&tour1, &tour2, &tour3}) {
      p.touche(Qt::Key_Y);
      p.comparer(*c);
    }
    QVERIFY(!f.RubriqueRetablir->isEnabled());
    p.touche(Qt::Key_Y);
    p.comparer(tour3);

    // A new play after an undo: nothing to redo any more.
    p.touche(Qt::Key_Z);
    p.jouer();
    QVERIFY(f.RubriqueAnnuler->isEnabled() && !f.RubriqueRetablir->isEnabled());
    QCOMPARE(p.position().tour, 3u);
    p.touche(Qt::Key_Z);
    p.comparer(tour2);
  }
};

QTEST_MAIN(TestAnnuler)
#include "test_annuler.moc"
