// The program's start-up and its screen: the windows created in their order
// and wired to the engine, their titles as they are given, the settings
// applied to the delay timers, the saved game of the command line, the
// pictures of --capture.
#include <QAction>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include "Apparence.h"
#include "Capture.h"
#include "Cp1252.h"
#include "Demarrage.h"
#include "TfrmDico.h"
#include "TfrmMessages.h"
#include "TfrmPlateau.h"
#include "TfrmScores.h"

using namespace irvad;

namespace {

// Settings read from a folder of the test, with the given pause.
Parametres reglages(const QTemporaryDir& dossier, int pause) {
  const std::string chemin = dossier.filePath(QStringLiteral("Irvad.ini")).toStdString();
  QFile f(QString::fromStdString(chemin));
  f.open(QIODevice::WriteOnly);
  f.write(QByteArray("[Automate]\r\nPause=") + QByteArray::number(pause) + "\r\nInterruption=O\r\n");
  f.close();
  return Parametres(chemin, dossier.filePath(QStringLiteral("utilisateur/Irvad.ini")).toStdString());
}

// A saved game of three players after a few letters, with its log beside it.
QString partieSauvee(const QTemporaryDir& dossier) {
  EcranNul ecran;
  Jeu jeu(ecran);
  jeu.nbJoueurs = 3;
  jeu.nouvellePartie();
  const auto poser = [&](int x, int y, char l, int p) {
    cellule& c = jeu.caseEn(x, y);
    c.lettre = l;
    c.valeur = 1;
    c.proprietaire = p;
    --jeu.plateau.casesLibres;
  };
  poser(0, 0, 'E', 1);
  poser(10, 5, 'S', 2);
  poser(5, 10, 'A', 3);
  jeu.joueurs[1].score = 12;
  jeu.tour = 1;
  jeu.joueurCourant = 2;
  const QString fichier = dossier.filePath(QStringLiteral("partie.ivd"));
  if (!jeu.enregistrerPartie(fichier.toStdString())) return {};
  QFile log(fichier + QStringLiteral(".txt"));
  log.open(QIODevice::WriteOnly);
  log.write("Tour n\xB0" "0\r\n\r\nBLEU: Joueur 1\r\n");
  return fichier;
}

}  // namespace

class TestDemarrage : public QObject {
  Q_OBJECT

 private slots:
  void lesFenetresSontCreeesEtReliees() {
    QTemporaryDir dossier;
    Programme programme;
    programme.creer(reglages(dossier, 0), false);
    QVERIFY(programme.plateau);
    QCOMPARE(programme.ecran.plateau, programme.plateau.get());
    QVERIFY(programme.scores && programme.messages && programme.records);
    // Both delay timers take the pause of the settings: 1 ms for a pause of 0.
    QCOMPARE(programme.plateau->Timer.interval(), 1);
    QCOMPARE(programme.messages->intervalle(), 1);
    // The side windows wait for the game before they show.
    QVERIFY(!programme.scores->isVisible());
    QVERIFY(!programme.messages->isVisible());
    QCOMPARE(programme.plateau->parametres, &*programme.parametres);
    // The engine's screen reaches the windows.
    programme.ecran.ajouterMessage("D\xE9pl.E (1,2)", false);
    QCOMPARE(programme.messages->lignes().back(), std::string("D\xE9pl.E (1,2)"));
    programme.ecran.texteStatut("Recherche d'un d\xE9placement ");
    QCOMPARE(programme.plateau->statut(), QStringLiteral("Recherche d'un déplacement "));
    programme.jeu.nouvellePartie();
    QVERIFY(programme.scores->isVisible());
    // A failure of the log file goes to the status strip.
    QVERIFY(!programme.messages->sauverMessages(dossier.filePath(QStringLiteral("absent/x.txt"))));
    QVERIFY(!programme.plateau->statut().isEmpty());
  }

  void lesTitresSontCeuxDesFenetresEtTiennentDansLeurCadre() {
    // Once a display name is set, Qt adds it to every title ("Messages — Irvad").
    preparerApplication(*qApp);
    QApplication::setApplicationName(QStringLiteral("autre"));
    QCOMPARE(QApplication::applicationDisplayName(), QStringLiteral("autre"));
    QApplication::setApplicationName(QStringLiteral("Irvad"));
    // The side windows: room for their captions beside the title bar's
    // buttons, and a fixed size that no window manager offers to maximise.
    QTemporaryDir dossier;
    Programme programme;
    programme.creer(reglages(dossier, 0), false);
    const std::pair<QWidget*, QString> fenetres[] = {{programme.scores, QStringLiteral("Scores - Tour n°999")},
                                                    {programme.messages, QStringLiteral("Messages")}};
    for (const auto& [fenetre, titre] : fenetres) {
      QVERIFY2(fenetre->width() >= largeurPourTitre(titre), qPrintable(titre));
      QCOMPARE(fenetre->minimumSize(), fenetre->maximumSize());
    }
    QCOMPARE(programme.messages->Button->width(), programme.messages->width() - 2);
  }

  void leDialogueDeLaListeDisparaitApresUnChargementReussi() {
    // The dialog deletes itself with the last step of a load, or stays with
    // the reason; in both cases the program goes on.
    EcranFenetres ecran;
    ecran.dicoOuvrir(1197131);
    QVERIFY(ecran.dico);
    QPointer<TfrmDico> dialogue = ecran.dico.data();
    ecran.dicoProgression(1197131);
    ecran.dicoFermer();
    QVERIFY(!dialogue);
    ecran.dicoProgression(5);  // no dialog any more: nothing happens
    ecran.dicoOuvrir(10);
    ecran.dicoStatut("Fichier L23456789 introuvable !");
    QVERIFY(ecran.dico);
    delete ecran.dico.data();
  }

  void lesQuestionsDuJeuPassentParLaBoite() {
    EcranFenetres ecran;
    std::string titreVu;
    ecran.repondre = [&](const std::string&, const std::string& titre, Icone, Boutons b) {
      titreVu = titre;
      return b == Boutons::OuiNon ? Reponse::Oui : Reponse::Ok;
    };
    QCOMPARE(ecran.boiteMessage("Voulez-vous faire la finale ?", "Fin de jeu", Icone::Question, Boutons::OuiNon),
             Reponse::Oui);
    QCOMPARE(titreVu, std::string("Fin de jeu"));
    // Without a window every drawing call is harmless.
    ecran.dessinerPlateau();
    ecran.mettreAJourScores();
    ecran.mettreAJourRecords("Joueur 1", "MOT", 3, 0, 0);
  }

  void laPartieDeLaLigneDeCommandeSOuvreAuPremierAffichage() {
    QTemporaryDir dossier;
    const QString fichier = partieSauvee(dossier);
    QVERIFY(!fichier.isEmpty());
    Programme programme;
    programme.creer(reglages(dossier, 3), false);
    QCOMPARE(programme.plateau->Timer.interval(), 3000);
    programme.plateau->partieACharger = fichier;
    programme.plateau->show();
    QApplication::processEvents();
    const Jeu& jeu = programme.jeu;
    QCOMPARE(jeu.nbJoueurs, 3u);
    QCOMPARE(jeu.joueurCourant, 2u);
    QCOMPARE(jeu.joueurs[1].score, 12);
    QCOMPARE(jeu.plateau.cases[10][5].lettre, int32_t('S'));
    QCOMPARE(programme.messages->lignes().size(), std::size_t(3));
    QVERIFY(programme.plateau->RubriqueContinuer->isEnabled());
    QVERIFY(programme.scores->isVisible());
    QVERIFY(!jeu.plateau.chronoActif);
  }

  void unePartieIlliblesurLaLigneDeCommandeLaisseLeProgrammeOuvert() {
    QTemporaryDir dossier;
    const QString fichier = dossier.filePath(QStringLiteral("abime.ivd"));
    QFile f(fichier);
    f.open(QIODevice::WriteOnly);
    f.write(QByteArray(100, 'x'));
    f.close();
    Programme programme;
    programme.creer(reglages(dossier, 3), false);
    programme.plateau->partieACharger = fichier;
    programme.plateau->show();
    QApplication::processEvents();
    QVERIFY(programme.plateau->isVisible());
    QVERIFY(!programme.plateau->statut().isEmpty());
    QVERIFY(!programme.jeu.enCours);
    QVERIFY(!programme.plateau->RubriqueContinuer->isEnabled());
  }

  void laCaptureEcritLesTroisImagesAuxTaillesReelles() {
    QTemporaryDir dossier;
    const QString fichier = partieSauvee(dossier);
    const QString cible = dossier.filePath(QStringLiteral("images"));
    QCOMPARE(capturerFenetres(cible, fichier), QString());
    const QImage plateau(cible + QStringLiteral("/plateau.png"));
    QCOMPARE(plateau.size(), QSize(TfrmPlateau::largeur, TfrmPlateau::hauteur));
    // The vertex (0,0) holds a token of player 1: its fill is player 1's light colour.
    const QPoint ancre = TfrmPlateau::ancreCellule(0, 0);
    QCOMPARE(plateau.pixelColor(ancre + QPoint(2, 1)), TfrmPlateau::couleursClaires[1]);
    const QImage scores(cible + QStringLiteral("/scores.png"));
    QCOMPARE(scores.height(), TfrmScores::hauteurClient(3));
    QVERIFY(!QImage(cible + QStringLiteral("/messages.png")).isNull());
    // A game that cannot be read gives the reason and no picture.
    QVERIFY(!capturerFenetres(dossier.filePath(QStringLiteral("autres")), fichier + QStringLiteral(".txt")).isEmpty());
  }
};

QTEST_MAIN(TestDemarrage)
#include "test_demarrage.moc"
