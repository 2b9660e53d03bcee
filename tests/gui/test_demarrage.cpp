// The program's start-up: the windows created and wired to the engine, the
// settings applied to the delay timers, the saved game of the command line
// opened at the first showing.
#include <QPlainTextEdit>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <QWindow>

#include "Apparence.h"
#include "Banc.h"
#include "Cp1252.h"
#include "Demarrage.h"
#include "EcranFenetres.h"
#include "Textes.h"
#include "TfrmDico.h"

using namespace irvad;

namespace {

// Settings read from a folder of the test, with the given pause.
Parametres reglages(const QTemporaryDir& dossier, int pause) {
  const QString ini = dossier.filePath("Irvad.ini");
  test::ecrire(ini, "[Automate]\r\nPause=" + QByteArray::number(pause) + "\r\nInterruption=O\r\n");
  return Parametres(ini.toStdString(), dossier.filePath("u/Irvad.ini").toStdString());
}

}  // namespace

class TestDemarrage : public QObject {
  Q_OBJECT

 private slots:
  void lesFenetresSontCreeesRelieesEtTitrees() {
    // Once a display name is set, Qt adds it to every title ("Messages — Irvad").
    preparerApplication(*qApp);
    QApplication::setApplicationName(QStringLiteral("autre"));
    QCOMPARE(QApplication::applicationDisplayName(), QStringLiteral("autre"));
    QApplication::setApplicationName(QStringLiteral("Irvad"));
    QTemporaryDir dossier;
    Programme programme;
    programme.creer(reglages(dossier, 0), false);
    // Both delay timers take the pause of the settings: 1 ms for a pause of 0.
    QVERIFY(programme.plateau->Timer.interval() == 1 && programme.messages->intervalle() == 1);
    QVERIFY(!programme.scores->isVisible() && !programme.messages->isVisible());
    // The engine's screen reaches the windows (its status texts: the loaded
    // game's below); a new game shows the scores.
    QVERIFY(programme.jeu.nouvellePartie() && programme.scores->isVisible());
    // Shown, the side windows have room for their captions beside the title
    // bar's buttons, and a fixed size that no window manager offers to maximise.
    programme.messages->show();
    const std::pair<QWidget*, QString> fenetres[] = {{programme.scores, QStringLiteral("Scores - Tour n°999")},
                                                    {programme.messages, QStringLiteral("Messages")}};
    for (const auto& [fenetre, titre] : fenetres) {
      QVERIFY2(fenetre->width() >= largeurPourTitre(titre), qPrintable(titre));
      QCOMPARE(fenetre->minimumSize(), fenetre->maximumSize());
    }
    QCOMPARE(programme.messages->lignes().back(), std::string("BLEU: Joueur 1"));
    // A failure of the log file goes to the board's status strip.
    QVERIFY(!programme.messages->sauverMessages(dossier.filePath("absent/x.txt")));
    QVERIFY(programme.plateau->statut().startsWith(QStringLiteral("Impossible")));
    // Qt's own dialogs speak French.
    QVERIFY(installerTraductionQt(*qApp));
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Annuler"));
  }

  // A computer's turn that waits for "Continuer" shows in the messages
  // window, whose button plays it; the side windows follow the board's zoom.
  void lAttenteSeVoitEtLesFenetresSuiventLeZoom() {
    QTemporaryDir dossier;
    Programme programme;
    programme.creer(reglages(dossier, 3), false);
    programme.plateau->show();
    Jeu& jeu = programme.jeu;
    QVERIFY(jeu.nouvellePartie(Tablee{2, {{"Ana", false, true, 5}, {"Ordi", true, true, 5}}}));
    QVERIFY(jeu.prendre('E') && jeu.poser(0, 0));
    TfrmMessages& messages = *programme.messages;
    QVERIFY(messages.isVisible() && messages.attendContinuer() && messages.Button->isEnabled() &&
            !messages.StatusBar->currentMessage().isEmpty());
    QTest::mouseClick(messages.Button, Qt::LeftButton);
    QVERIFY(jeu.position().joueurCourant == 0 && jeu.position().tour == 1);
    QVERIFY(!messages.attendContinuer() && !messages.Button->isEnabled());

    const QSize scores = programme.scores->size(), journal = programme.messages->size();
    programme.plateau->definirZoom(200);
    QCOMPARE(programme.scores->width(), scores.width() * 2);
    QVERIFY(programme.messages->width() >= journal.width() * 2 - 1 &&
            programme.messages->Memo->font().pointSize() == 16);
  }

  void leDialogueDeLaListeNeParaitQuePourUnChargementLentOuUnEchec() {
    // A quick load shows nothing; a slow one shows the whole percentage
    // done, never rounded up, and deletes its dialog at the end.
    EcranFenetres ecran;
    ecran.dicoOuvrir(1000);
    ecran.dicoProgression(500);
    QVERIFY(!ecran.dico);
    QTest::qWait(EcranFenetres::delaiDialogueDicoMs + 20);
    ecran.dicoProgression(999);
    QVERIFY(ecran.dico && ecran.dico->isVisible() && ecran.dico->CGauge->text() == QStringLiteral("99%"));
    QPointer<TfrmDico> dialogue = ecran.dico.data();
    ecran.dicoFermer();
    QVERIFY(dialogue.isNull());
    // A failure: the dialog stays with the reason, not modal.
    ecran.dicoOuvrir(10);
    ecran.dicoStatut("Fichier L23456789 introuvable !");
    QVERIFY(ecran.dico && ecran.dico->isVisible() && !ecran.dico->isModal());
    QCOMPARE(ecran.dico->StatusBar->currentMessage(), QStringLiteral("Fichier L23456789 introuvable !"));
    // The board shown after it keeps it above itself, where it stood, and
    // closing the board still ends the program (the loop ends with 1 after a while otherwise).
    QWidget plateau;
    plateau.show();
    QVERIFY(QTest::qWaitForWindowExposed(&plateau));
    const QPoint place = ecran.dico->pos();
    ecran.dico->garderAuDessusDe(&plateau);
    QVERIFY(ecran.dico->isVisible() && ecran.dico->isWindow() && ecran.dico->pos() == place);
    QCOMPARE(ecran.dico->windowHandle()->transientParent(), plateau.windowHandle());
    QTimer::singleShot(0, &plateau, [&] { plateau.close(); });
    QTimer::singleShot(10000, qApp, [] { QCoreApplication::exit(1); });
    QCOMPARE(QCoreApplication::exec(), 0);
  }

  void laPartieDeLaLigneDeCommandeSOuvreAuPremierAffichage() {
    // A game of three saved at the second player's turn, its log beside it.
    QTemporaryDir dossier;
    const QString fichier = dossier.filePath("partie.ivd");
    {
      EcranNul ecran;
      Jeu jeu(ecran);
      const Tablee t{3, std::vector<Siege>(3, Siege{"Ana", false, true, 5})};
      QVERIFY(jeu.nouvellePartie(t) && jeu.prendre('E') && jeu.poser(0, 0));
      QVERIFY(jeu.enregistrerPartie(fichier.toStdString()));
      test::ecrire(fichier + ".txt", "Tour n\xB0" "0\r\n\r\nBLEU: Joueur 1\r\n");
    }
    // At the first showing the game is opened and waits for Continue; a
    // damaged file is refused with its reason, and the program stays open.
    test::ecrire(dossier.filePath("abime.ivd"), QByteArray(100, 'x'));
    for (const char* nom : {"partie.ivd", "abime.ivd"}) {
      Programme programme;
      programme.creer(reglages(dossier, 3), false);
      QCOMPARE(programme.plateau->Timer.interval(), 3000);
      programme.plateau->partieACharger = dossier.filePath(nom);
      programme.plateau->show();
      QVERIFY(QTest::qWaitForWindowActive(programme.plateau.get()) && programme.plateau->isVisible());
      const Position& p = programme.jeu.position();
      const bool sain = nom == std::string("partie.ivd");
      QCOMPARE(std::make_tuple(p.enCours && p.joueurCourant == 1 && p.caseEn(0, 0).lettre == 'E',
                               programme.messages->lignes().size(), programme.scores->isVisible(),
                               programme.plateau->RubriqueContinuer->isEnabled()),
               std::make_tuple(sain, std::size_t(sain ? 3 : 0), sain, sain));
      QVERIFY(!p.plateau.chronoActif && programme.plateau->etape == 0);
      const std::string attendu =
          sain ? textes::chargementTermine : textes::erreurLecture(dossier.filePath(nom).toStdString());
      QCOMPARE(programme.plateau->statut(), QString::fromStdString(cp1252::versUtf8(attendu)));
    }
  }
};

QTEST_MAIN(TestDemarrage)
#include "test_demarrage.moc"
