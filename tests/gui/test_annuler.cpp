// Undo and redo in the board window, as a player tries them in a game against
// the computer: each undo takes back Ana's last play with the computer's
// answer, board, scores and log as they were, Ana at the start of her turn;
// redo plays them again exactly; a new play drops what could be redone; and
// neither is offered while a play is being scored or when there is nothing
// to take back or play again.
#include <QTest>

#include "Banc.h"
#include "TfrmMessages.h"
#include "TfrmScores.h"

using namespace irvad;
using test::Banc;

namespace {

// What the player sees of the game.
struct Cliche {
  Position position;
  QImage plateau;
  std::vector<std::string> journal;
  QStringList scores;
};

}  // namespace

class TestAnnuler : public QObject {
  Q_OBJECT

  std::unique_ptr<Banc> b;
  std::unique_ptr<TfrmMessages> journal;
  std::unique_ptr<TfrmScores> scores;
  int attentes = 0;
  bool offertPendantAttente = false;

  Cliche cliche() const {
    Cliche c{b->position(), b->fenetre->image().copy(), journal->lignes(), {scores->windowTitle()}};
    for (int ligne = 1; ligne < scores->nbLignes(); ++ligne)
      for (int colonne = 0; colonne < 4; ++colonne) c.scores << scores->texteCellule(colonne, ligne);
    return c;
  }
  void comparer(const Cliche& attendu) {
    const Cliche c = cliche();
    QVERIFY(c.position == attendu.position);
    QCOMPARE(c.journal, attendu.journal);
    QCOMPARE(c.scores, attendu.scores);
    QVERIFY(c.plateau == attendu.plateau);
    // Ana at the start of her turn, her time running.
    QCOMPARE(b->fenetre->etape, uint8_t{1});
    QCOMPARE(b->fenetre->curseurActuel(), 0);
    QVERIFY(b->position().plateau.chronoActif);
  }
  bool auTraitDAna() const {
    return b->position().joueurCourant == 0 && b->fenetre->etape == 1 && !b->fenetre->Timer.isActive();
  }
  // Ana plays with the mouse the first placement the computer's own search
  // finds for her; the computer answers after its delay.
  void jouer() {
    const Recherche r = b->jeu.rechercher();
    QVERIFY(r.dernierPlacement >= 0);
    const Candidat& c = r.candidats[0];
    b->prendre(static_cast<char>('A' + c.lettre - 1));
    b->poser(c.x, c.y);
    QTRY_VERIFY(auTraitDAna());
    b->montrer();
  }
  void touche(Qt::Key k) { b->touche(k, Qt::ControlModifier); }

 private slots:
  void cleanup() {
    scores.reset();
    journal.reset();
    b.reset();
  }

  void annulerEtRetablirDansUnePartieContreLAutomate() {
    b = std::make_unique<Banc>();
    journal = std::make_unique<TfrmMessages>();
    journal->definirIntervalle(1);
    scores = std::make_unique<TfrmScores>(b->jeu);
    b->ecran.journal = journal.get();
    b->ecran.scores = scores.get();
    TfrmPlateau& f = *b->fenetre;
    b->sieges({"Ana", "*Ordi"});
    b->parametres->interruption = false;
    f.Timer.setInterval(1);
    b->ecran.pendantAttente = [this, &f] {
      ++attentes;
      offertPendantAttente = offertPendantAttente || f.RubriqueAnnuler->isEnabled() || f.RubriqueRetablir->isEnabled();
      f.RubriqueAnnuler->trigger();
    };
    b->touche(Qt::Key_F4);
    QVERIFY(!f.RubriqueAnnuler->isEnabled() && !f.RubriqueRetablir->isEnabled());
    const Cliche debut = cliche();
    b->prendre('E');
    b->poser(0, 0);
    QTRY_VERIFY(auTraitDAna());
    const Cliche tour1 = cliche();
    jouer();
    const Cliche tour2 = cliche();
    jouer();
    const Cliche tour3 = cliche();
    QVERIFY(attentes >= 2);
    QVERIFY(!offertPendantAttente);
    QCOMPARE(b->ecran.appelsDe("coupCompte").size(), std::size_t{3});
    QVERIFY(tour3.journal.size() > tour2.journal.size() && tour2.journal.size() > tour1.journal.size());
    QVERIFY(tour3.plateau != tour2.plateau && tour2.plateau != tour1.plateau);
    QVERIFY(tour3.position.joueurs[0].score > tour2.position.joueurs[0].score);
    QVERIFY(f.RubriqueAnnuler->isEnabled() && !f.RubriqueRetablir->isEnabled());

    // Undo with a letter in hand over a cell it may go to: the letter goes
    // back, the highlight goes, and Ana's last play and the answer to it go.
    const Recherche r = b->jeu.rechercher();
    b->prendre(static_cast<char>('A' + r.candidats[0].lettre - 1));
    b->survoler(TfrmPlateau::ancreCellule(r.candidats[0].x, r.candidats[0].y) + QPoint(5, 5));
    touche(Qt::Key_Z);
    comparer(tour2);
    QVERIFY(f.RubriqueAnnuler->isEnabled() && f.RubriqueRetablir->isEnabled());
    touche(Qt::Key_Z);
    comparer(tour1);
    // Back to the first turn of the game; there it stops.
    touche(Qt::Key_Z);
    comparer(debut);
    QVERIFY(!f.RubriqueAnnuler->isEnabled());
    touche(Qt::Key_Z);
    comparer(debut);

    // Redo plays the same plays again, to where undo came from.
    for (const Cliche* c : {&tour1, &tour2, &tour3}) {
      touche(Qt::Key_Y);
      comparer(*c);
    }
    QVERIFY(!f.RubriqueRetablir->isEnabled());
    touche(Qt::Key_Y);
    comparer(tour3);

    // A new play after an undo: nothing to redo any more.
    touche(Qt::Key_Z);
    comparer(tour2);
    jouer();
    QVERIFY(f.RubriqueAnnuler->isEnabled() && !f.RubriqueRetablir->isEnabled());
    QCOMPARE(b->position().tour, 3u);
    touche(Qt::Key_Z);
    comparer(tour2);
  }
};

QTEST_MAIN(TestAnnuler)
#include "test_annuler.moc"
