// The board window's menus and commands: captions, keys and enabling, the
// pause before a computer player's turn (delay, Continue, Interrupt, the
// menus that interrupt), new games played to their end by the timer, passing,
// saving and opening through the file dialogs, and the log-saving option.
#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QFile>
#include <QFileDialog>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "Cp1252.h"
#include "DicoTest.h"
#include "EcranEnregistreur.h"
#include "Jeu.h"
#include "Parametres.h"
#include "Textes.h"
#include "TfrmPlateau.h"

using namespace irvad;

namespace {

const QString promptInterrompre = QString::fromUtf8(
    "Choisissez la rubrique \"Partie\" | \"Interrompre\" ou appuyez sur Alt+I pour faire une pause.");
const QString promptContinuer = QString::fromUtf8(
    "Choisissez la rubrique \"Partie\" | \"Continuer\" ou appuyez sur Alt+C pour poursuivre le jeu.");

// The engine's screen: records every call and hands the board's own calls to
// the window, as the program's screen does.
class EcranTest : public test::EcranEnregistreur {
 public:
  TfrmPlateau* fenetre = nullptr;
  // Run at each wait of the log (a word found), the way a key pressed
  // during that wait would run.
  std::function<void()> pendantAttente;

  void dessinerPlateau() override {
    EcranEnregistreur::dessinerPlateau();
    if (fenetre) fenetre->dessinerPlateau();
  }
  void dessinerCellule(int r, int c, Couleur t) override {
    EcranEnregistreur::dessinerCellule(r, c, t);
    if (fenetre) fenetre->dessinerCellule(r, c, t);
  }
  void dessinerReserve(const joueur& j) override {
    EcranEnregistreur::dessinerReserve(j);
    if (fenetre) fenetre->dessinerReserve(j);
  }
  void texteStatut(const std::string& t) override {
    EcranEnregistreur::texteStatut(t);
    if (fenetre) fenetre->texteStatut(t);
  }
  void curseurStandard() override {
    EcranEnregistreur::curseurStandard();
    if (fenetre) fenetre->curseurStandard();
  }
  void activerPasserSonTour(bool a) override {
    EcranEnregistreur::activerPasserSonTour(a);
    if (fenetre) fenetre->activerPasserSonTour(a);
  }
  void activerContinuer(bool a) override {
    EcranEnregistreur::activerContinuer(a);
    if (fenetre) fenetre->activerContinuer(a);
  }
  void demarrerTour() override {
    EcranEnregistreur::demarrerTour();
    if (fenetre) fenetre->demarrerTour();
  }
  void ajouterMessageEtAttendre(const std::string& t, bool effacer) override {
    EcranEnregistreur::ajouterMessageEtAttendre(t, effacer);
    if (pendantAttente) pendantAttente();
  }
};

// One window over one game, with its settings file in a folder of its own.
struct Banc {
  QTemporaryDir dossier;
  EcranTest ecran;
  Jeu jeu{ecran};
  std::unique_ptr<Parametres> parametres;
  std::unique_ptr<TfrmPlateau> fenetre;
  // The players of the next new game: name and whether the computer plays it.
  std::vector<std::pair<std::string, bool>> sieges = {{"Ana", false}, {"Bob", false}};
  int dialoguesJoueurs = 0;
  std::vector<QFileDialog*> dialoguesFichier;
  QString choix;  // what the file dialog answers
  std::vector<QString> messagesCharges, messagesSauves;

  explicit Banc(bool montrer = true, std::function<void(Banc&)> avantAffichage = {}) {
    const std::string liste = test::fichierDico({"LA", "LE", "LES", "AS", "ES", "SA", "SE", "ET", "TE", "TA",
                                                 "TES", "SEL", "SET", "ART", "RAT", "TAS", "EST", "OSE", "SOT", "AI", "IL", "NI", "ON", "OR",
                                                 "DE", "DU", "UN", "NU", "MA", "ME", "MI", "PA", "PI", "RE", "CE",
                                                 "VA", "BU", "FA", "GO", "HA", "JE", "KA", "OS", "OU", "SI", "TU",
                                                 "XI", "YA", "WU"});
    if (jeu.dico.charger(liste, nullptr) != Dico::Resultat::Ok) qFatal("word list not loaded");
    jeu.horloge = [] { return int64_t{1'000'000}; };
    parametres = std::make_unique<Parametres>(chemin("Irvad.ini"), chemin("u/Irvad.ini"));
    fenetre = std::make_unique<TfrmPlateau>(jeu);
    ecran.fenetre = fenetre.get();
    fenetre->parametres = parametres.get();
    fenetre->ouvrirJoueurs = [this](bool avant) {
      ++dialoguesJoueurs;
      if (!avant) return true;
      jeu.nbJoueurs = static_cast<uint32_t>(sieges.size());
      for (uint32_t i = 0; i < jeu.nbJoueurs; ++i) {
        const auto [x, y] = Jeu::sommetDe(i, jeu.nbJoueurs);
        jeu.joueurs[i].placerSommet(x, y);
        jeu.joueurs[i].reinitialiser(sieges[i].first, sieges[i].second, false, 5);
      }
      return true;
    };
    fenetre->executerDialogue = [this](QFileDialog& d) {
      dialoguesFichier.push_back(&d);
      return choix;
    };
    fenetre->chargerMessages = [this](const QString& f) { messagesCharges.push_back(f); };
    fenetre->sauverMessages = [this](const QString& f) { messagesSauves.push_back(f); };
    if (avantAffichage) avantAffichage(*this);
    if (montrer) {
      fenetre->show();
      fenetre->activateWindow();
      if (!QTest::qWaitForWindowActive(fenetre.get())) qWarning("window not active");
    }
  }
  ~Banc() { ecran.fenetre = nullptr; }

  std::string chemin(const char* nom) const { return dossier.filePath(QString::fromLatin1(nom)).toStdString(); }
  void touche(Qt::Key k, Qt::KeyboardModifiers m = Qt::NoModifier) { QTest::keyClick(fenetre.get(), k, m); }
  QString statut() const { return fenetre->statut(); }

  // The player lines of the log ("BLEU: Ana"...), in order.
  std::vector<std::string> lignesJoueurs() const {
    std::vector<std::string> r;
    for (const auto& m : ecran.messages)
      for (const char* c : {"BLEU: ", "VERT: ", "CIEL: ", "ROUGE: ", "MAGENTA: ", "JAUNE: "})
        if (m.rfind(c, 0) == 0) r.push_back(m);
    return r;
  }
  int compte(const std::string& ligne) const {
    int n = 0;
    for (const auto& m : ecran.messages) n += m == ligne ? 1 : 0;
    return n;
  }
};

}  // namespace

class TestCommandes : public QObject {
  Q_OBJECT

 private slots:
  void lesMenusOntLeursTextesTouchesEtEtatsDeDepart() {
    Banc b;
    TfrmPlateau& f = *b.fenetre;
    QCOMPARE(f.windowTitle(), QStringLiteral("Irvad"));
    const QList<QAction*> menus = f.menuBar()->actions();
    QCOMPARE(menus.size(), 3);
    QCOMPARE(menus[0]->text(), QStringLiteral("&Partie"));
    QCOMPARE(menus[1]->text(), QStringLiteral("&Options"));
    QCOMPARE(menus[2]->text(), QStringLiteral("&?"));

    struct Attendu {
      QAction* rubrique;
      const char* texte;
      QKeySequence touche;
      bool actif;
    };
    const std::vector<Attendu> attendus = {
        {f.RubriqueNouvelle, "&Nouvelle", QKeySequence(Qt::Key_F4), true},
        {f.RubriqueOuvrir, "&Ouvrir", QKeySequence(Qt::Key_F3), true},
        {f.RubriqueEnregistrer, "&Enregistrer", QKeySequence(Qt::Key_F2), true},
        {f.RubriqueEnregistrerSous, "En&registrer sous...", QKeySequence(Qt::SHIFT | Qt::Key_F2), true},
        {f.RubriquePasserSonTour, "&Passer son tour", QKeySequence(Qt::ALT | Qt::Key_P), true},
        {f.RubriqueContinuer, "&Continuer", QKeySequence(Qt::ALT | Qt::Key_C), false},
        {f.RubriqueInterrompre, "&Interrompre", QKeySequence(Qt::ALT | Qt::Key_I), false},
        {f.RubriqueQuitter, "&Quitter", QKeySequence(Qt::ALT | Qt::Key_F4), true},
        {f.RubriqueJoueurs, "&Joueurs...", QKeySequence(Qt::ALT | Qt::Key_J), true},
        {f.RubriqueAutomates, "&Automates...", QKeySequence(Qt::ALT | Qt::Key_A), true},
        {f.RubriqueEnregistrerMessages, "Enregistrer les &messages", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F2),
         true},
        {f.RubriqueRecords, "&Records...", QKeySequence(Qt::CTRL | Qt::Key_R), true},
        {f.RubriqueAide, "&Aide", QKeySequence(Qt::Key_F1), true},
        {f.RubriqueAPropos, "À &propos...", QKeySequence(Qt::SHIFT | Qt::Key_F1), true},
    };
    for (const Attendu& a : attendus) {
      QVERIFY(a.rubrique != nullptr);
      QCOMPARE(a.rubrique->text(), QString::fromUtf8(a.texte));
      QCOMPARE(a.rubrique->shortcut(), a.touche);
      QCOMPARE(a.rubrique->isEnabled(), a.actif);
    }
    QVERIFY(f.RubriqueEnregistrerMessages->isCheckable());
    QVERIFY(f.RubriqueEnregistrerMessages->isChecked());
    QVERIFY(!f.Timer.isActive());

    // The items in their menus, with the separators where they belong.
    auto textes = [](QMenu* m) {
      QStringList r;
      for (QAction* a : m->actions()) r << (a->isSeparator() ? QStringLiteral("-") : a->text());
      return r;
    };
    QCOMPARE(textes(f.MenuPartie), QStringList({"&Nouvelle", "&Ouvrir", "-", "&Enregistrer", "En&registrer sous...",
                                                "-", "&Passer son tour", "&Continuer", "&Interrompre", "-",
                                                "&Quitter"}));
    QCOMPARE(textes(f.MenuOptions), QStringList({"&Joueurs...", "&Automates...", "-", "Enregistrer les &messages"}));
    QCOMPARE(textes(f.MenuAide),
             QStringList({"&Records...", "-", "&Aide", QString::fromUtf8("À &propos...")}));

    // The file dialogs: saved games or all files, the suffix added, no question before replacing.
    QVERIFY(f.OpenDialog != nullptr && f.SaveDialog != nullptr);
    QCOMPARE(f.OpenDialog->windowTitle(), QString::fromUtf8("Ouvrir une partie sauvegardée"));
    for (QFileDialog* d : {f.OpenDialog, f.SaveDialog}) {
      QCOMPARE(d->nameFilters(), QStringList({"Parties (*.ivd)", "Tous fichiers (*)"}));
      QCOMPARE(d->defaultSuffix(), QStringLiteral("ivd"));
    }
    QCOMPARE(f.OpenDialog->fileMode(), QFileDialog::ExistingFile);
    QCOMPARE(f.SaveDialog->acceptMode(), QFileDialog::AcceptSave);
    QVERIFY(f.SaveDialog->testOption(QFileDialog::DontConfirmOverwrite));
  }

  void lesCommandesAnnexesOuvrentLeurFenetre() {
    Banc b;
    std::vector<std::string> ouvertes;
    b.fenetre->ouvrirAutomates = [&] { ouvertes.push_back("automates"); };
    b.fenetre->ouvrirRecords = [&] { ouvertes.push_back("records"); };
    b.fenetre->ouvrirAide = [&] { ouvertes.push_back("aide"); };
    b.fenetre->ouvrirAPropos = [&] { ouvertes.push_back("apropos"); };
    b.touche(Qt::Key_A, Qt::AltModifier);
    b.touche(Qt::Key_R, Qt::ControlModifier);
    b.touche(Qt::Key_F1);
    b.touche(Qt::Key_F1, Qt::ShiftModifier);
    QCOMPARE(ouvertes, (std::vector<std::string>{"automates", "records", "aide", "apropos"}));
    // "Joueurs" during a game: the dialog without a new game.
    b.touche(Qt::Key_J, Qt::AltModifier);
    QCOMPARE(b.dialoguesJoueurs, 1);
    QVERIFY(!b.jeu.enCours);
    // "Quitter" closes the window at once.
    b.touche(Qt::Key_F4, Qt::AltModifier);
    QVERIFY(!b.fenetre->isVisible());
  }

  void uneNouvellePartieHumaineCommenceAuPremierJoueur() {
    Banc b;
    b.ecran.oublier();
    b.touche(Qt::Key_F4);
    QCOMPARE(b.dialoguesJoueurs, 1);
    QVERIFY(b.jeu.enCours);
    QCOMPARE(b.jeu.joueurCourant, 0u);
    QCOMPARE(b.fenetre->etape, uint8_t{1});
    QVERIFY(b.jeu.plateau.chronoActif);
    QVERIFY(b.fenetre->RubriquePasserSonTour->isEnabled());
    QCOMPARE(b.statut(), QString::fromUtf8("Cliquez gauche sur la lettre à placer sur le plateau de jeu."));
    QCOMPARE(b.ecran.messages, (std::vector<std::string>{"Tour n°0", "", "BLEU: Ana"}));

    // A cancelled dialog changes nothing.
    b.fenetre->ouvrirJoueurs = [](bool) { return false; };
    b.jeu.tour = 4;
    b.touche(Qt::Key_F4);
    QCOMPARE(b.jeu.tour, 4u);
    QCOMPARE(b.ecran.messages.size(), std::size_t{3});
  }

  void unePartieDesAutomatesVaJusquAuBoutParLeDelai() {
    Banc b;
    b.sieges = {{"Ordi1", true}, {"Ordi2", true}};
    b.parametres->interruption = false;
    b.fenetre->Timer.setInterval(1);
    QSignalSpy delais(&b.fenetre->Timer, &QTimer::timeout);
    b.fenetre->RubriqueNouvelle->trigger();
    // The first computer player played at once; the second waits for the delay.
    QCOMPARE(b.jeu.joueurCourant, 1u);
    QVERIFY(b.jeu.plateau.cases[0][0].lettre != 0);
    QVERIFY(!b.fenetre->RubriquePasserSonTour->isEnabled());
    QVERIFY(b.fenetre->Timer.isActive());
    QVERIFY(b.fenetre->RubriqueInterrompre->isEnabled());
    QVERIFY(b.fenetre->RubriqueContinuer->isEnabled());
    QCOMPARE(b.statut(), promptInterrompre);
    QCOMPARE(delais.count(), 0);

    QTRY_VERIFY_WITH_TIMEOUT(!b.jeu.enCours, 120000);
    QCOMPARE(b.compte("*** FIN DE JEU ***"), 1);
    QVERIFY(!b.fenetre->RubriqueContinuer->isEnabled());
    QVERIFY(!b.fenetre->Timer.isActive());
    // Each turn once, in turn order: every turn but the first began with the delay.
    const auto lignes = b.lignesJoueurs();
    QVERIFY(lignes.size() >= 4);
    for (std::size_t i = 0; i < lignes.size(); ++i)
      QCOMPARE(lignes[i], std::string(i % 2 == 0 ? "BLEU: Ordi1" : "VERT: Ordi2"));
    QCOMPARE(static_cast<std::size_t>(delais.count()), lignes.size() - 1);
    QVERIFY(b.jeu.joueurs[0].score + b.jeu.joueurs[1].score > 0);
    // Nothing restarts after the end.
    QTest::qWait(20);
    QCOMPARE(b.lignesJoueurs().size(), lignes.size());
  }

  void avecInterruptionChaqueAutomateAttendContinuer() {
    Banc b;
    b.sieges = {{"Ordi1", true}, {"Ordi2", true}};
    b.fenetre->Timer.setInterval(1);
    b.touche(Qt::Key_F4);
    QCOMPARE(b.jeu.joueurCourant, 1u);
    QVERIFY(!b.fenetre->Timer.isActive());
    QVERIFY(b.fenetre->RubriqueContinuer->isEnabled());
    QVERIFY(!b.fenetre->RubriqueInterrompre->isEnabled());
    QCOMPARE(b.statut(), promptContinuer);
    QCOMPARE(b.fenetre->windowTitle(), QStringLiteral("Irvad"));
    QTest::qWait(30);
    QCOMPARE(b.jeu.joueurCourant, 1u);

    b.touche(Qt::Key_C, Qt::AltModifier);
    QCOMPARE(b.jeu.joueurCourant, 0u);
    QCOMPARE(b.jeu.tour, 1u);
    QVERIFY(b.jeu.plateau.cases[10][10].lettre != 0);
    QCOMPARE(b.statut(), promptContinuer);
    QCOMPARE(b.lignesJoueurs().size(), std::size_t{3});
  }

  void interrompreEtOuvrirUnMenuArretentLeDelai() {
    Banc b;
    b.sieges = {{"Ordi1", true}, {"Ordi2", true}};
    b.parametres->interruption = false;
    b.fenetre->Timer.setInterval(60000);
    b.touche(Qt::Key_F4);
    QVERIFY(b.fenetre->Timer.isActive());

    b.touche(Qt::Key_I, Qt::AltModifier);
    QCOMPARE(b.fenetre->windowTitle(), QStringLiteral("Irvad [PAUSE]"));
    QVERIFY(!b.fenetre->Timer.isActive());
    QVERIFY(!b.fenetre->RubriqueInterrompre->isEnabled());
    QVERIFY(b.fenetre->RubriqueContinuer->isEnabled());
    QCOMPARE(b.statut(), promptContinuer);
    QCOMPARE(b.jeu.joueurCourant, 1u);

    // Continue: the caption comes back, the computer plays, the next one waits again.
    b.touche(Qt::Key_C, Qt::AltModifier);
    QCOMPARE(b.fenetre->windowTitle(), QStringLiteral("Irvad"));
    QCOMPARE(b.jeu.joueurCourant, 0u);
    QVERIFY(b.fenetre->Timer.isActive());
    QCOMPARE(b.statut(), promptInterrompre);

    // Opening "Options" with its access key interrupts the same way.
    b.touche(Qt::Key_O, Qt::AltModifier);
    QTRY_VERIFY(b.fenetre->MenuOptions->isVisible());
    QCOMPARE(b.fenetre->windowTitle(), QStringLiteral("Irvad [PAUSE]"));
    QVERIFY(!b.fenetre->Timer.isActive());
    b.fenetre->MenuOptions->hide();

    // Continue, then the menu "Partie" with Alt+P: "Passer son tour" is off
    // during a computer's turn, so the key opens the menu, which interrupts.
    b.touche(Qt::Key_C, Qt::AltModifier);
    QCOMPARE(b.jeu.joueurCourant, 1u);
    QVERIFY(b.fenetre->Timer.isActive());
    b.touche(Qt::Key_P, Qt::AltModifier);
    QTRY_VERIFY(b.fenetre->MenuPartie->isVisible());
    QCOMPARE(b.fenetre->windowTitle(), QStringLiteral("Irvad [PAUSE]"));
    QVERIFY(!b.fenetre->Timer.isActive());
    b.fenetre->MenuPartie->hide();

    // The menu "?" does not interrupt.
    b.touche(Qt::Key_C, Qt::AltModifier);
    QVERIFY(b.fenetre->Timer.isActive());
    b.fenetre->MenuAide->popup(QPoint(0, 0));
    QTRY_VERIFY(b.fenetre->MenuAide->isVisible());
    QVERIFY(b.fenetre->Timer.isActive());
    b.fenetre->MenuAide->hide();

    // A new game during the delay ends that delay: the new game does not start by itself.
    b.sieges = {{"Ana", false}, {"Ordi2", true}};
    b.touche(Qt::Key_F4);
    QVERIFY(!b.fenetre->Timer.isActive());
    QCOMPARE(b.jeu.joueurCourant, 0u);
    QCOMPARE(b.jeu.tour, 0u);
  }

  void lesMenusSOuvrentAuClavierQuandAltPPasseLeTour() {
    Banc b;
    b.touche(Qt::Key_F4);
    b.jeu.tour = 1;
    auto fermer = [&](QMenu* m) {
      m->hide();
      QTRY_VERIFY(!m->isVisible());
    };
    // Alt released alone, then P: the menu "Partie", and no pass.
    b.touche(Qt::Key_Alt);
    b.touche(Qt::Key_P);
    QTRY_VERIFY(b.fenetre->MenuPartie->isVisible());
    QCOMPARE(b.jeu.joueurCourant, 0u);
    QCOMPARE(b.jeu.plateau.nbPasses, 0);
    fermer(b.fenetre->MenuPartie);
    // F10 then O: the menu "Options"; F10 then Return: the first menu; F10 then ?: the last.
    b.touche(Qt::Key_F10);
    b.touche(Qt::Key_O);
    QTRY_VERIFY(b.fenetre->MenuOptions->isVisible());
    fermer(b.fenetre->MenuOptions);
    b.touche(Qt::Key_F10);
    b.touche(Qt::Key_Return);
    QTRY_VERIFY(b.fenetre->MenuPartie->isVisible());
    fermer(b.fenetre->MenuPartie);
    b.touche(Qt::Key_F10);
    b.touche(Qt::Key_Question, Qt::ShiftModifier);
    QTRY_VERIFY(b.fenetre->MenuAide->isVisible());
    fermer(b.fenetre->MenuAide);
    // A key that opens no menu disarms the bar: the P after it is only a P.
    b.touche(Qt::Key_Alt);
    b.touche(Qt::Key_X);
    b.touche(Qt::Key_P);
    QTest::qWait(20);
    QVERIFY(!b.fenetre->MenuPartie->isVisible());
    // And Alt+P itself still passes the turn.
    b.touche(Qt::Key_P, Qt::AltModifier);
    QCOMPARE(b.jeu.joueurCourant, 1u);
    QCOMPARE(b.jeu.plateau.nbPasses, 1);
    QVERIFY(!b.fenetre->MenuPartie->isVisible());
  }

  void continuerALaMainPendantLeDelaiFinitCeDelai() {
    Banc b;
    b.sieges = {{"Ordi1", true}, {"Ana", false}};
    b.parametres->interruption = false;
    b.fenetre->Timer.setInterval(1);
    b.touche(Qt::Key_F4);
    QCOMPARE(b.jeu.joueurCourant, 1u);
    b.jeu.tour = 1;
    b.touche(Qt::Key_P, Qt::AltModifier);
    QCOMPARE(b.jeu.joueurCourant, 0u);
    QVERIFY(b.fenetre->Timer.isActive());
    // Alt+C before the delay is over: the computer plays now, then Ana's turn.
    b.touche(Qt::Key_C, Qt::AltModifier);
    QCOMPARE(b.jeu.joueurCourant, 1u);
    QVERIFY(b.fenetre->RubriquePasserSonTour->isEnabled());
    b.jeu.horloge = [] { return int64_t{1'000'070}; };
    b.jeu.prendreLettre(b.jeu.courant(), 'A');
    b.fenetre->lettreChoisie = 'A';
    b.fenetre->action = 1;
    b.fenetre->etape = 2;
    // The delay that was cut short never fires into Ana's turn.
    QTest::qWait(30);
    QCOMPARE(b.fenetre->etape, uint8_t{2});
    QCOMPARE(b.fenetre->lettreChoisie, 'A');
    QCOMPARE(b.jeu.plateau.chronoDebut, int64_t{1'000'000});
    QCOMPARE(b.jeu.joueurCourant, 1u);
    QVERIFY(!b.fenetre->RubriqueInterrompre->isEnabled());
  }

  void passerSonTour() {
    Banc b;
    b.touche(Qt::Key_F4);
    // The first round: Alt+P does nothing.
    b.touche(Qt::Key_P, Qt::AltModifier);
    QCOMPARE(b.jeu.joueurCourant, 0u);
    QCOMPARE(b.jeu.plateau.nbPasses, 0);
    QVERIFY(!b.fenetre->MenuPartie->isVisible());

    // Later on, with a letter taken from the stock: the letter goes back, the turn ends.
    b.jeu.tour = 1;
    b.jeu.prendreLettre(b.jeu.courant(), 'E');
    b.fenetre->lettreChoisie = 'E';
    b.fenetre->action = 1;
    b.fenetre->etape = 2;
    b.touche(Qt::Key_P, Qt::AltModifier);
    QVERIFY(!b.fenetre->MenuPartie->isVisible());
    QCOMPARE(b.jeu.joueurs[0].lettres[5], 1);
    QCOMPARE(b.jeu.joueurs[0].lettres[0], 26);
    QCOMPARE(b.jeu.joueurCourant, 1u);
    QCOMPARE(b.jeu.plateau.nbPasses, 1);
    QCOMPARE(b.fenetre->etape, uint8_t{1});
    QCOMPARE(b.fenetre->action, uint8_t{0});

    // The second pass of the round ends the game; passing again does nothing.
    b.fenetre->RubriquePasserSonTour->trigger();
    QVERIFY(!b.jeu.enCours);
    QCOMPARE(b.ecran.appelsDe("boiteMessage(Tous les joueurs").size(), std::size_t{1});
    const auto joueurs = b.lignesJoueurs().size();
    b.fenetre->RubriquePasserSonTourClick();
    QCOMPARE(b.lignesJoueurs().size(), joueurs);
    QCOMPARE(b.jeu.plateau.nbPasses, 2);
  }

  void continuerPendantUnTourHumainLeReprendDuDebut() {
    Banc b;
    b.touche(Qt::Key_F4);
    b.jeu.tour = 1;
    b.jeu.horloge = [] { return int64_t{1'000'050}; };
    b.jeu.prendreLettre(b.jeu.courant(), 'S');
    b.fenetre->lettreChoisie = 'S';
    b.fenetre->action = 1;
    b.fenetre->etape = 2;
    b.fenetre->RubriqueContinuer->setEnabled(true);
    b.touche(Qt::Key_C, Qt::AltModifier);
    QCOMPARE(b.jeu.plateau.chronoDebut, int64_t{1'000'050});
    QCOMPARE(b.jeu.joueurCourant, 0u);
    QCOMPARE(b.fenetre->etape, uint8_t{1});
    QCOMPARE(b.fenetre->lettreChoisie, char{0});
    QCOMPARE(b.jeu.joueurs[0].lettres[19], 1);
    QCOMPARE(b.jeu.joueurs[0].lettres[0], 26);
  }

  void enregistrerPuisOuvrirRendLaPartie() {
    Banc b;
    b.touche(Qt::Key_F4);
    b.jeu.tour = 3;
    b.jeu.joueurs[1].score = 17;
    b.jeu.joueurs[0].lettres[1] = 0;
    b.jeu.joueurs[0].lettres[0] = 25;
    const QString partie = b.dossier.filePath("partie.ivd");

    // "Enregistrer" before any name: the save dialog. A cancel saves nothing.
    b.choix.clear();
    b.touche(Qt::Key_F2);
    QCOMPARE(b.dialoguesFichier, std::vector<QFileDialog*>{b.fenetre->SaveDialog});
    QVERIFY(b.fenetre->fichierSauvegarde().isEmpty());
    QVERIFY(b.messagesSauves.empty());
    b.choix = partie;
    b.touche(Qt::Key_F2);
    QCOMPARE(b.dialoguesFichier.size(), std::size_t{2});
    QCOMPARE(b.fenetre->fichierSauvegarde(), partie);
    QVERIFY(QFile::exists(partie));
    QCOMPARE(b.messagesSauves, std::vector<QString>{partie + ".txt"});

    // With the option off, a later save asks nothing and writes no log.
    b.touche(Qt::Key_F2, Qt::ControlModifier | Qt::ShiftModifier);
    QVERIFY(!b.fenetre->enregistrerMessages);
    b.jeu.joueurs[1].score = 21;
    b.touche(Qt::Key_F2);
    QCOMPARE(b.dialoguesFichier.size(), std::size_t{2});
    QCOMPARE(b.messagesSauves.size(), std::size_t{1});

    // The game goes on, then the saved one comes back.
    b.fenetre->RubriquePasserSonTourClick();
    b.jeu.joueurs[1].score = 99;
    QCOMPARE(b.jeu.joueurCourant, 1u);
    b.fenetre->RubriqueContinuer->setEnabled(false);
    b.touche(Qt::Key_F3);
    QCOMPARE(b.dialoguesFichier.back(), b.fenetre->OpenDialog);
    QCOMPARE(b.jeu.joueurCourant, 0u);
    QCOMPARE(b.jeu.tour, 3u);
    QCOMPARE(b.jeu.joueurs[1].score, 21);
    QCOMPARE(b.jeu.joueurs[0].lettres[1], 0);
    QCOMPARE(b.jeu.joueurs[0].lettres[0], 25);
    QCOMPARE(b.messagesCharges, std::vector<QString>{partie + ".txt"});
    QVERIFY(b.fenetre->RubriqueContinuer->isEnabled());
    QVERIFY(b.fenetre->RubriquePasserSonTour->isEnabled());
    QVERIFY(!b.jeu.plateau.chronoActif);
    QCOMPARE(b.jeu.plateau.chronoDebut, int64_t{0});
    QCOMPARE(b.statut(), QString::fromStdString(cp1252::versUtf8(textes::chargementTermine)));
    // Opening does not change the name the next save uses.
    QCOMPARE(b.fenetre->fichierSauvegarde(), partie);

    // A letter in hand is saved in the stock it came from.
    b.touche(Qt::Key_C, Qt::AltModifier);
    b.jeu.prendreLettre(b.jeu.courant(), 'Z');
    b.fenetre->lettreChoisie = 'Z';
    b.fenetre->action = 1;
    b.fenetre->etape = 2;
    b.touche(Qt::Key_F2);
    QCOMPARE(b.jeu.joueurs[0].lettres[26], 0);
    QCOMPARE(b.jeu.joueurs[0].lettres[0], 24);
    Banc autre(false);
    QVERIFY(autre.jeu.chargerPartie(partie.toStdString()));
    QCOMPARE(autre.jeu.joueurs[0].lettres[26], 1);
    QCOMPARE(autre.jeu.joueurs[0].lettres[0], 25);
  }

  void unFichierIlisibleLaisseLaPartieEtLaFenetre() {
    Banc b;
    b.touche(Qt::Key_F4);
    b.jeu.tour = 2;
    b.jeu.joueurs[0].score = 5;
    const QString absent = b.dossier.filePath("absente.ivd");
    b.choix = absent;
    b.touche(Qt::Key_F3);
    QVERIFY(b.fenetre->isVisible());
    QVERIFY(b.statut().startsWith(QStringLiteral("Impossible de lire le fichier source")));
    QVERIFY(b.jeu.enCours);
    QCOMPARE(b.jeu.tour, 2u);
    QCOMPARE(b.jeu.joueurs[0].score, 5);
    QVERIFY(b.messagesCharges.empty());
    // A cancelled dialog does nothing at all.
    b.choix.clear();
    b.touche(Qt::Key_F3);
    QVERIFY(b.statut().startsWith(QStringLiteral("Impossible de lire le fichier source")));
  }

  void laPartieDeLaLigneDeCommandeSOuvreAuPremierAffichage() {
    QTemporaryDir dossier;
    const QString partie = dossier.filePath("depart.ivd");
    {
      Banc avant(false);
      avant.fenetre->RubriqueNouvelleClick();
      avant.jeu.tour = 6;
      QVERIFY(avant.jeu.enregistrerPartie(partie.toStdString()));
    }
    Banc b(true, [&](Banc& x) { x.fenetre->partieACharger = partie; });
    QCOMPARE(b.jeu.tour, 6u);
    QVERIFY(b.jeu.enCours);
    QVERIFY(b.fenetre->RubriqueContinuer->isEnabled());
    QCOMPARE(b.messagesCharges, std::vector<QString>{partie + ".txt"});
    // Before Continue the mouse does nothing: no turn has started.
    QCOMPARE(b.fenetre->etape, uint8_t{0});
    b.touche(Qt::Key_C, Qt::AltModifier);
    QCOMPARE(b.fenetre->etape, uint8_t{1});
    QVERIFY(b.jeu.plateau.chronoActif);
  }

  void lOptionDesMessagesVaAuFichierEtRevientAuDemarrage() {
    QTemporaryDir dossier;
    const std::string ini = dossier.filePath("Irvad.ini").toStdString();
    {
      Banc b;
      b.parametres = std::make_unique<Parametres>(ini, dossier.filePath("u/Irvad.ini").toStdString());
      b.fenetre->parametres = b.parametres.get();
      b.touche(Qt::Key_F2, Qt::ControlModifier | Qt::ShiftModifier);
      QVERIFY(!b.fenetre->RubriqueEnregistrerMessages->isChecked());
      QVERIFY(!b.fenetre->enregistrerMessages);
      QCOMPARE(b.parametres->lire("Partie", "EnregistrerMessages"), std::optional<std::string>("N"));
      // From the menu item itself, the other way.
      b.fenetre->RubriqueEnregistrerMessages->trigger();
      QVERIFY(b.fenetre->RubriqueEnregistrerMessages->isChecked());
      QCOMPARE(b.parametres->lire("Partie", "EnregistrerMessages"), std::optional<std::string>("O"));
      b.fenetre->RubriqueEnregistrerMessagesClick();
      QCOMPARE(b.parametres->lire("Partie", "EnregistrerMessages"), std::optional<std::string>("N"));
    }
    // The next start reads it when the window is first shown.
    Banc b(true, [&](Banc& x) {
      x.parametres = std::make_unique<Parametres>(ini, dossier.filePath("u/Irvad.ini").toStdString());
      x.fenetre->parametres = x.parametres.get();
      QVERIFY(x.fenetre->RubriqueEnregistrerMessages->isChecked());
    });
    QVERIFY(!b.fenetre->RubriqueEnregistrerMessages->isChecked());
    QVERIFY(!b.fenetre->enregistrerMessages);
  }

  void lesCommandesAttendentLaFinDUnCoupEnCours() {
    Banc b;
    b.sieges = {{"Ordi1", true}, {"Ordi2", true}};
    b.choix = b.dossier.filePath("pendant.ivd");
    int attentes = 0;
    uint32_t joueurPendant = 99;
    std::size_t lignesPendant = 0;
    // During the log's waits of a computer play, every command that would start
    // or end a turn, load or save is pressed.
    bool delaiGarde = false;
    b.ecran.pendantAttente = [&] {
      ++attentes;
      joueurPendant = b.jeu.joueurCourant;
      lignesPendant = b.lignesJoueurs().size();
      // A delay that runs out now waits for the play's end.
      if (attentes == 1) {
        b.fenetre->Timer.start();
        QTest::qWait(50);
        delaiGarde = b.fenetre->Timer.isActive();
      }
      b.fenetre->RubriqueContinuerClick();
      b.fenetre->RubriqueNouvelleClick();
      b.fenetre->RubriqueOuvrirClick();
      b.fenetre->RubriqueEnregistrerSousClick();
      b.fenetre->RubriquePasserSonTourClick();
      QCOMPARE(b.jeu.joueurCourant, joueurPendant);
      QCOMPARE(b.lignesJoueurs().size(), lignesPendant);
    };
    b.fenetre->Timer.setInterval(1);
    b.touche(Qt::Key_F4);
    for (int i = 0; i < 40 && attentes == 0 && b.jeu.enCours; ++i) b.touche(Qt::Key_C, Qt::AltModifier);
    QVERIFY(attentes > 0);
    QVERIFY(delaiGarde);
    QCOMPARE(b.dialoguesJoueurs, 1);
    QVERIFY(b.dialoguesFichier.empty());
    QVERIFY(!QFile::exists(b.choix));
  }

  void lesTextesDeQtSontEnFrancais() {
    QVERIFY(installerTraductionQt(*qApp));
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Annuler"));
  }
};

QTEST_MAIN(TestCommandes)
#include "test_commandes.moc"
