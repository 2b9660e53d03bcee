// The board window's commands: a new game, passing and the end of a game,
// the keyboard's way to the menus; the pause before a computer player's turn
// (delay, Continue, Interrupt, the menus that interrupt); saving and opening,
// with the log-saving option; the commands held while a play is scored; undo
// and redo.
#include <QFile>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>

#include "Banc.h"
#include "Cp1252.h"
#include "Textes.h"

using namespace irvad;
using test::Banc;

namespace {

// The prompts of the pause, told apart by their key; the title of a pause.
bool offreInterrompre(const Banc& b) { return b.statut().contains(QStringLiteral("Alt+I")); }
bool offreContinuer(const Banc& b) { return b.statut().contains(QStringLiteral("Alt+C")); }
bool enPause(const TfrmPlateau& f) { return f.windowTitle().contains(QStringLiteral("[PAUSE]")); }

// What the player sees of the game: position, board, log, scores.
struct Cliche {
  Position position;
  QImage plateau;
  std::vector<std::string> journal;
  QStringList scores;
};

// Ana (human) against the computer, with the messages and scores windows.
struct Partie : Banc {
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

class TestCommandes : public QObject {
  Q_OBJECT

 private slots:
  void nouvellePartieMenusPasseEtFinDePartie() {
    Banc b;
    TfrmPlateau& f = *b.fenetre;
    b.touche(Qt::Key_F4);
    QCOMPARE(b.ecran.messages, (std::vector<std::string>{"Tour n\xC2\xB0" "0", "", "BLEU: Ana"}));
    QVERIFY(b.position().plateau.chronoActif);
    // No pass in the opening round: Alt+P does nothing at all.
    b.touche(Qt::Key_P, Qt::AltModifier);
    QVERIFY(b.position().joueurCourant == 0 && !f.MenuPartie->isVisible());
    b.ouverture();
    // Alt released alone, or F10, then a menu's key opens that menu (Return the first): no pass.
    for (const auto& [armer, touche, menu] : std::vector<std::tuple<Qt::Key, Qt::Key, QMenu*>>{
             {Qt::Key_Alt, Qt::Key_P, f.MenuPartie}, {Qt::Key_F10, Qt::Key_O, f.MenuOptions},
             {Qt::Key_F10, Qt::Key_Return, f.MenuPartie}, {Qt::Key_F10, Qt::Key_Question, f.MenuAide}}) {
      b.touche(armer);
      b.touche(touche, touche == Qt::Key_Question ? Qt::ShiftModifier : Qt::NoModifier);
      QTRY_VERIFY(menu->isVisible());
      menu->hide();
      QTRY_VERIFY(!menu->isVisible());
    }
    b.montrer();
    // A key that opens no menu disarms the bar: the P after it is only a P.
    b.touche(Qt::Key_Alt);
    b.touche(Qt::Key_X);
    b.touche(Qt::Key_P);
    QTest::qWait(20);
    QVERIFY(!f.MenuPartie->isVisible() && b.position().joueurCourant == 0);
    // Alt+P with a letter in hand: the letter goes back, the turn passes.
    b.prendre('T');
    b.touche(Qt::Key_P, Qt::AltModifier);
    QVERIFY(!f.MenuPartie->isVisible() && f.curseurActuel() == 0);
    QVERIFY(b.stock(0, 'T') == 1 && b.position().joueurCourant == 1);
    // Everybody passed: the game ends once (its rules: the scenario passes),
    // and then neither the menu nor the mouse plays; a cancelled set-up starts nothing.
    f.RubriquePasserSonTour->trigger();
    QVERIFY(!b.position().enCours);
    const auto lignes = b.ecran.messages;
    QCOMPARE(std::count(lignes.begin(), lignes.end(), "*** FIN DE JEU ***"), 1);
    f.RubriquePasserSonTourClick();
    b.prendre('T');
    b.tablee.reset();
    b.touche(Qt::Key_F4);
    QVERIFY(b.stock(1, 'T') == 1 && b.dialoguesJoueurs == 2 && !b.position().enCours && b.ecran.messages == lignes);
  }

  void laPauseAvantLeTourDUnAutomate() {
    Banc b;
    TfrmPlateau& f = *b.fenetre;
    b.sieges({"*Ordi1", "*Ordi2"});
    f.Timer.setInterval(1);
    // With "Interrompre" set, each computer's turn waits for Continue.
    b.touche(Qt::Key_F4);
    QVERIFY(f.RubriqueContinuer->isEnabled() && !f.RubriqueInterrompre->isEnabled() && offreContinuer(b));
    QTest::qWait(30);
    QCOMPARE(b.position().joueurCourant, 1u);
    b.touche(Qt::Key_C, Qt::AltModifier);
    QVERIFY(b.position().tour == 1 && offreContinuer(b));
    // Without it, the delay runs; Alt+I pauses.
    b.parametres->interruption = false;
    f.Timer.setInterval(60000);
    b.touche(Qt::Key_C, Qt::AltModifier);
    QVERIFY(f.Timer.isActive() && offreInterrompre(b));
    b.touche(Qt::Key_I, Qt::AltModifier);
    QVERIFY(enPause(f) && !f.Timer.isActive() && !f.RubriqueInterrompre->isEnabled() &&
            f.RubriqueContinuer->isEnabled() && offreContinuer(b));
    b.touche(Qt::Key_C, Qt::AltModifier);
    QVERIFY(!enPause(f) && f.Timer.isActive());
    // Opening "Options", or "Partie" with Alt+P (no pass for a computer), pauses too; "?" does not.
    for (auto [touche, menu] : {std::pair{Qt::Key_O, f.MenuOptions}, std::pair{Qt::Key_P, f.MenuPartie}}) {
      b.touche(touche, Qt::AltModifier);
      QTRY_VERIFY(menu->isVisible());
      QVERIFY(enPause(f) && !f.Timer.isActive());
      menu->hide();
      b.touche(Qt::Key_C, Qt::AltModifier);
      QVERIFY(f.Timer.isActive());
    }
    f.MenuAide->popup(QPoint(0, 0));
    QTRY_VERIFY(f.MenuAide->isVisible() && f.Timer.isActive());
    f.MenuAide->hide();
    b.montrer();
    // A new game during the delay ends that delay.
    b.sieges({"*Ordi1", "Ana"});
    b.touche(Qt::Key_F4);
    QVERIFY(!f.Timer.isActive() && b.position().joueurCourant == 1);
    // Ana's opening; during the computer's delay the mouse takes nothing.
    b.prendre(b.position().caseEn(0, 0).lettre == 'B' ? 'C' : 'B');
    b.poser(10, 10);
    b.prendre('X');
    QVERIFY(f.Timer.isActive() && b.stock(1, 'X') == 1);
    // Continue before the delay is over: the computer plays now, and the delay is over.
    b.touche(Qt::Key_C, Qt::AltModifier);
    QVERIFY(b.position().joueurCourant == 1 && !f.Timer.isActive() && !f.RubriqueInterrompre->isEnabled());
    b.prendre('X');
    QCOMPARE(f.etape, uint8_t{2});
  }

  void enregistrerOuvrirEtContinuer() {
    Banc b;
    TfrmPlateau& f = *b.fenetre;
    b.touche(Qt::Key_F4);
    b.ouverture();
    const QString a = b.dossier.filePath("a.ivd"), autre = b.dossier.filePath("b.ivd");
    // "Enregistrer" before any name asks for one; a cancel saves nothing.
    b.touche(Qt::Key_F2);
    QVERIFY(b.dialoguesFichier == std::vector<QFileDialog*>{&f.SaveDialog()} && f.fichierSauvegarde().isEmpty() &&
            b.messagesSauves.empty());
    b.choix = a;
    b.touche(Qt::Key_F2);
    QCOMPARE(b.messagesSauves, std::vector<QString>{a + ".txt"});
    const Position sauvee = b.position();
    // The game goes on and is saved elsewhere, without its log once the option is off.
    b.touche(Qt::Key_P, Qt::AltModifier);
    b.touche(Qt::Key_F2, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(b.parametres->lire("Partie", "EnregistrerMessages"), std::optional<std::string>("N"));
    b.choix = autre;
    b.touche(Qt::Key_F2, Qt::ShiftModifier);
    const QByteArray autreAvant = test::lire(autre);
    QVERIFY(b.messagesSauves.size() == 1 && !autreAvant.isEmpty());
    // The first one opened again as it was saved; it waits for Continue, the mouse idle.
    b.choix = a;
    b.touche(Qt::Key_F3);
    QVERIFY(b.dialoguesFichier.back() == &f.OpenDialog() && b.messagesCharges == std::vector<QString>{a + ".txt"});
    QVERIFY(b.position().joueurs == sauvee.joueurs && b.position().joueurCourant == 0 &&
            b.position().caseEn(10, 10).lettre == 'A');
    QVERIFY(f.RubriqueContinuer->isEnabled() && !b.position().plateau.chronoActif);
    QCOMPARE(b.statut(), QString::fromStdString(cp1252::versUtf8(textes::chargementTermine)));
    b.prendre('Z');
    b.touche(Qt::Key_C, Qt::AltModifier);
    QVERIFY(b.stock(0, 'Z') == 1 && b.position().plateau.chronoActif);
    // "Enregistrer" now writes the game opened, a letter in hand in its stock.
    b.prendre('Z');
    b.touche(Qt::Key_F2);
    EcranNul nul;
    Jeu relu(nul);
    QVERIFY(test::lire(autre) == autreAvant && relu.chargerPartie(a.toStdString()));
    QCOMPARE(relu.position().joueurs[0].lettres[26], 1);
    // Continue during a human turn starts it again, the letter back in the stock.
    b.touche(Qt::Key_C, Qt::AltModifier);
    QVERIFY(f.etape == 1 && b.stock(0, 'Z') == 1);
    // A file that cannot be read leaves the game and says why; a cancel does nothing.
    b.choix = b.dossier.filePath("absente.ivd");
    b.touche(Qt::Key_F3);
    QVERIFY(b.statut().startsWith(QStringLiteral("Impossible de lire le fichier source")));
    b.choix.clear();
    b.touche(Qt::Key_F3);
    QVERIFY(b.position().enCours && b.messagesCharges.size() == 1 && b.dialoguesFichier.size() == 6);
    // The log option, from its menu item too, is kept in Irvad.ini for the next start.
    f.RubriqueEnregistrerMessages->trigger();
    QCOMPARE(b.parametres->lire("Partie", "EnregistrerMessages"), std::optional<std::string>("O"));
    f.RubriqueEnregistrerMessagesClick();
    Banc suivant(true, &b);
    QVERIFY(!suivant.fenetre->RubriqueEnregistrerMessages->isChecked() && !suivant.fenetre->enregistrerMessages);
  }

  // Without "Interrompre", the first computer plays at once, and each turn
  // after it starts from the delay, once, in turn order, to the game's end.
  // During the waits of a computer's play, every command that would start or
  // end a turn, load or save is tried, and does nothing; a delay that runs
  // out meanwhile waits for the play's end.
  void lesAutomatesJouentParLeDelaiEtLesCommandesAttendentLaFinDUnCoup() {
    Banc b;
    TfrmPlateau& f = *b.fenetre;
    b.sieges({"*Ordi1", "*Ordi2"});
    b.parametres->interruption = false;
    b.choix = b.dossier.filePath("pendant.ivd");
    int attentes = 0, forces = 0;  // forces: the delays of the timer started by hand
    QSignalSpy delais(&f.Timer, &QTimer::timeout);
    bool delaiGarde = false;
    b.ecran.pendantAttente = [&] {
      const uint32_t joueur = b.position().joueurCourant;
      const std::size_t lignes = b.lignesJoueurs().size();
      if (++attentes == 1) {
        const int avant = delais.count();
        f.Timer.start();
        QTest::qWait(50);
        delaiGarde = f.Timer.isActive();
        forces = delais.count() - avant;
      }
      f.RubriqueContinuerClick();
      f.RubriqueNouvelleClick();
      f.RubriqueOuvrirClick();
      f.RubriqueEnregistrerSousClick();
      f.RubriquePasserSonTourClick();
      f.RubriqueAnnulerClick();
      QCOMPARE(b.position().joueurCourant, joueur);
      QCOMPARE(b.lignesJoueurs().size(), lignes);
    };
    f.Timer.setInterval(1);
    b.touche(Qt::Key_F4);
    QVERIFY(b.position().joueurCourant == 1 && f.Timer.isActive() && offreInterrompre(b) &&
            !f.RubriquePasserSonTour->isEnabled());
    QTRY_VERIFY_WITH_TIMEOUT(!b.position().enCours, 120000);
    QVERIFY(!f.RubriqueContinuer->isEnabled() && !f.Timer.isActive());
    QVERIFY(attentes > 0 && delaiGarde && b.dialoguesJoueurs == 1 && b.dialoguesFichier.empty());
    const auto lignes = b.lignesJoueurs();
    QVERIFY(lignes.size() >= 4);
    for (std::size_t i = 0; i < lignes.size(); ++i)
      QCOMPARE(lignes[i], std::string(i % 2 == 0 ? "BLEU: Ordi1" : "VERT: Ordi2"));
    QCOMPARE(static_cast<std::size_t>(delais.count() - forces), lignes.size() - 1);
  }

  // Undo and redo, as a player tries them in a game against the computer:
  // each undo takes back Ana's last play with the computer's answer, board,
  // scores and log as they were, Ana at the start of her turn; redo plays
  // them again exactly; a new play drops what could be redone; and neither
  // is offered while a play is being scored or when there is nothing to
  // take back or play again.
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
    QVERIFY(attentes >= 4 && !offert && p.ecran.appelsDe("coupCompte").size() == 3);
    QVERIFY(tour3.position.joueurs[0].score > tour2.position.joueurs[0].score && tour3.plateau != tour2.plateau);
    QVERIFY(f.RubriqueAnnuler->isEnabled() && !f.RubriqueRetablir->isEnabled());

    // Undo with a letter in hand over a cell it may go to: the letter goes
    // back, the highlight goes, and Ana's last play and the answer to it go.
    const Candidat c = p.jeu.rechercher().candidats.at(0);
    p.prendre(static_cast<char>('A' + c.lettre - 1));
    p.survoler(TfrmPlateau::ancreCellule(c.x, c.y) + QPoint(5, 5));
    // Back to the first turn of the game, where it stops; redo plays the
    // same plays again, to where undo came from, and stops there.
    for (const auto& [touche, c] : std::vector<std::pair<Qt::Key, const Cliche*>>{
             {Qt::Key_Z, &tour2}, {Qt::Key_Z, &tour1}, {Qt::Key_Z, &debut}, {Qt::Key_Z, &debut},
             {Qt::Key_Y, &tour1}, {Qt::Key_Y, &tour2}, {Qt::Key_Y, &tour3}, {Qt::Key_Y, &tour3}}) {
      p.touche(touche);
      p.comparer(*c);
      QCOMPARE(std::pair(f.RubriqueAnnuler->isEnabled(), f.RubriqueRetablir->isEnabled()),
               std::pair(c != &debut, c != &tour3));
    }

    // A new play after an undo: nothing to redo any more.
    p.touche(Qt::Key_Z);
    p.jouer();
    QVERIFY(f.RubriqueAnnuler->isEnabled() && !f.RubriqueRetablir->isEnabled() && p.position().tour == 3);
    p.touche(Qt::Key_Z);
    p.comparer(tour2);
  }
};

QTEST_MAIN(TestCommandes)
#include "test_commandes.moc"
