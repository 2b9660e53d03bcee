// The windows beside the board: messages (lines taken back, the wait that
// holds the game, the log file), scores (the ranking, the running time) and
// records: the store is created on first use, only a strictly better figure
// replaces a record (in red, written at once, with a pop-up), records outlive
// the window and are read afresh before each comparison; each record stands
// alone when another is damaged; a store that cannot be read or written is
// reported without stopping the game; and the store's text is the one
// QSettings reads and writes (every check of the store reads it through
// QSettings).
#include <sys/stat.h>

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSettings>
#include <QTest>
#include <QTimer>

#include "Banc.h"
#include "MagasinRecords.h"
#include "TfrmRecords.h"

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

const QString ici = QStringLiteral("05/12/2001 21:07");  // the windows' clock, French separators

// What the window shows: each record as "value name date", '*' before a value in red.
QStringList vue(const TfrmRecords& w) {
  QStringList r;
  for (std::size_t i = 0; i < 4; ++i) {
    const QLabel* v = w.labelValeur(static_cast<int>(i));
    r << (v->palette().color(QPalette::WindowText) == QColor(255, 0, 0) ? "*" : "") + v->text() + " " +
             w.LabelNom[i]->text() + " " + w.LabelDate[i]->text();
  }
  return r;
}

}  // namespace

class TestFenetres : public QObject {
  Q_OBJECT

  QTemporaryDir dossier;
  int64_t maintenant = 1'700'000'000;
  QStringList erreurs_;  // "title: text" of each failure reported

  QString fichierStore() const { return dossier.filePath(QStringLiteral("Tavo/Irvad.conf")); }
  QByteArray octets() const { return lire(fichierStore()); }
  void ecrireStore(const QByteArray& texte) {
    QDir().mkpath(dossier.filePath(QStringLiteral("Tavo")));
    test::ecrire(fichierStore(), texte);
  }
  // The four records as QSettings reads them in the store, as vue() shows them.
  // Read from a copy of its own: QSettings keeps a file's text while its size
  // and time stay, and two writes within a clock tick may keep both.
  QStringList store() const {
    static int lectures = 0;
    const QString copie = dossier.filePath(QStringLiteral("lu%1.conf").arg(++lectures));
    QFile::copy(fichierStore(), copie);
    QSettings s(copie, QSettings::IniFormat);
    QStringList r;
    for (const char* cle : TfrmRecords::cles) {
      const QString g = QStringLiteral("Records/") + QLatin1String(cle) + "/";
      r << s.value(g + "Record").toString() + " " + s.value(g + "Nom").toString() + " " +
               s.value(g + "Date").toString();
    }
    return r;
  }
  // A records window on the test's store, with errors collected, a fixed clock and French separators.
  std::unique_ptr<TfrmRecords> fenetreRecords(QDateTime moment = QDateTime(QDate(2001, 12, 5), QTime(21, 7))) {
    auto w = std::make_unique<TfrmRecords>();
    w->cheminStore = fichierStore();
    w->signalerErreur = [this](const QString& titre, const QString& texte) { erreurs_ << titre + ": " + texte; };
    w->maintenant = [moment] { return moment; };
    w->locale = QLocale(QLocale::French, QLocale::France);
    return w;
  }

 private slots:
  void initTestCase() {
    // The store is where QSettings keeps the user's Tavo/Irvad settings.
    qputenv("XDG_CONFIG_HOME", dossier.path().toUtf8());
    QCOMPARE(TfrmRecords::cheminParDefaut(),
             QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Tavo"), QStringLiteral("Irvad"))
                 .fileName());
    // Day first and hours 00 to 23, with the separators of the user's locale.
    const QDateTime moment(QDate(2001, 12, 5), QTime(21, 7, 59)), tot(QDate(987, 3, 4), QTime(0, 5));
    QCOMPARE(QStringList({TfrmRecords::texteDate(moment, QLocale(QLocale::French, QLocale::France)),
                          TfrmRecords::texteDate(moment, QLocale(QLocale::German, QLocale::Germany)),
                          TfrmRecords::texteDate(tot, QLocale(QLocale::English, QLocale::UnitedStates))}),
             QStringList({ici, "05.12.2001 21:07", "04/03/0987 00:05"}));
  }
  void init() {
    erreurs_.clear();
    ::chmod(QFile::encodeName(fichierStore()).constData(), 0644);
    if (QFileInfo(fichierStore()).isDir())
      QDir(fichierStore()).removeRecursively();
    else
      QFile::remove(fichierStore());
  }

  void seulUnChiffreStrictementMeilleurBatUnRecordQuiSurvitALaFenetre() {
    auto w = fenetreRecords(QDateTime(QDate(2020, 1, 2), QTime(3, 4)));
    QVERIFY(w->chargerRecords());
    QCOMPARE(store(), QStringList({"  ", "0  ", "0  ", "0  "}));  // created empty
    QCOMPARE(QSettings(fichierStore(), QSettings::IniFormat).allKeys().size(), 12);
    // The first play: word and score beaten, in red, written at once; 0 is not above 0.
    w->mettreAJourRecords("Zo\xE9", "LAC", 5, 0, 0);  // Zoé
    const QString zoe = QStringLiteral(" Zoé 02/01/2020 03:04"), bob = " Bob " + ici;
    QCOMPARE(vue(*w), QStringList({"*LAC" + zoe, "*5" + zoe, "0  ", "0  "}));
    QVERIFY(w->isVisible() && w->Timer.isActive());
    QCOMPARE(store(), QStringList({"LAC" + zoe, "5" + zoe, "0  ", "0  "}));
    // The pop-up's end: black again, hidden.
    w->TimerTimer();
    QVERIFY(!w->isVisible() && !w->Timer.isActive() && !vue(*w).join(' ').contains('*'));

    // Another run's window. As many letters, the same score: nothing shows, nothing is written.
    const QByteArray avant = octets();
    auto autre = fenetreRecords();
    autre->mettreAJourRecords("Bob", "LES", 5, 0, 0);
    QVERIFY(autre->nouveauxRecords == 0 && !autre->isVisible());
    QCOMPARE(octets(), avant);
    // A longer word, a lower score, more points and letters: three records; the score keeps its holder.
    autre->mettreAJourRecords("Bob", "LACS", 4, 3, 2);
    QCOMPARE(vue(*autre), QStringList({"*LACS" + bob, "5" + zoe, "*3" + bob, "*2" + bob}));
    QCOMPARE(store(), QStringList({"LACS" + bob, "5" + zoe, "3" + bob, "2" + bob}));
    // The first window reads the store before it compares: only the score is beaten.
    w->mettreAJourRecords("Cyl", "OR", 20, 3, 2);
    QCOMPARE(w->nouveauxRecords, TfrmRecords::recordScore);
    QCOMPARE(store(), QStringList({"LACS" + bob, "20 Cyl 02/01/2020 03:04", "3" + bob, "2" + bob}));
    QVERIFY(erreurs_.isEmpty());

    // Opened from the menu while its pop-up is on screen: the pop-up ends,
    // the records are read afresh and shown in black.
    bool vu = false;
    QTimer::singleShot(0, autre.get(), [&] {
      vu = autre->isModal() && !autre->Timer.isActive() && vue(*autre) == store();
      autre->reject();
    });
    autre->exec();
    QVERIFY(vu);

    // Every text shows whole, a name of 8 letters and three-digit figures
    // included, and no caption runs into its value.
    w->LabelNom[1]->setText(QStringLiteral("WWWWWWWW"));
    w->LabelScore->setText(QStringLiteral("999"));
    for (const QLabel* l : w->findChildren<QLabel*>())
      QVERIFY2(l->fontMetrics().horizontalAdvance(l->text()) <= l->width() && l->x() >= 0 &&
                   l->geometry().right() < w->width(),
               qPrintable(l->text()));
    for (int i = 1; i <= 4; ++i) {
      const QLabel* libelle = w->findChild<QLabel*>(QStringLiteral("Label%1").arg(i));
      const QLabel* valeur = w->labelValeur(i - 1);
      QVERIFY2(libelle->x() + libelle->fontMetrics().horizontalAdvance(libelle->text()) <
                   valeur->geometry().right() - valeur->fontMetrics().horizontalAdvance(QStringLiteral("999")),
               qPrintable(libelle->text()));
    }
  }

  void unRecordEndommageEstSignaleEtRemisAZeroLesAutresRestent() {
    ecrireStore(
        "[Records]\n"
        "; written by hand\n"
        "LettresPrises\\Record=a, b\n"
        "Mot\\Date=01/01/2020 10:00\nMot\\Nom=Ana\nMot\\Record=ARBRE\n"
        "PointsPris\\Date=02/01/2020 10:00\nPointsPris\\Nom=\"Lou, dite \\\"la\\\" Grande\"\nPointsPris\\Record=7\n"
        "Score\\Nom=<b>Cyl</b>\nScore\\Record=abc\n");
    auto w = fenetreRecords();
    QVERIFY(!w->chargerRecords());
    // One message for both damaged records, naming each, in plain text.
    QVERIFY(erreurs_.size() == 1 && erreurs_[0].startsWith(TfrmRecords::titreErreurLecture));
    for (const char* defaut :
         {"Records\\Score : Score\\Record=abc", "Records\\LettresPrises : LettresPrises\\Record=a, b"})
      QVERIFY2(erreurs_[0].contains(QString::fromUtf8(defaut)), defaut);
    // The sound ones as they were, the damaged ones empty, in the store too,
    // so that the next read says nothing.
    QCOMPARE(vue(*w), QStringList({"ARBRE Ana 01/01/2020 10:00", "0  ",
                                   "7 Lou, dite \"la\" Grande 02/01/2020 10:00", "0  "}));
    QCOMPARE(store(), vue(*w));
    erreurs_.clear();
    QVERIFY(w->chargerRecords() && erreurs_.isEmpty());

    // A play beats the score: only the score is written, every other line of the store stays byte for byte.
    QByteArray attendu = octets();
    w->mettreAJourRecords("Bob", "OR", 3, 0, 0);
    attendu.replace("Score\\Date=\n", "Score\\Date=05/12/2001 21:07\n")
        .replace("Score\\Nom=\n", "Score\\Nom=Bob\n")
        .replace("Score\\Record=0\n", "Score\\Record=3\n");
    QCOMPARE(octets(), attendu);
  }

  void unStoreIllisibleEstSignaleLeJeuContinueEtRienNEstEcritDessus() {
    // The store's file is a folder, then a named pipe: refused at once, yet
    // the players see their records, and the pop-up does not read the store again.
    for (bool tube : {false, true}) {
      init();
      QVERIFY(QDir().mkpath(tube ? dossier.filePath(QStringLiteral("Tavo")) : fichierStore()));
      if (tube) QCOMPARE(::mkfifo(QFile::encodeName(fichierStore()).constData(), 0600), 0);
      auto w = fenetreRecords();
      QVERIFY(!w->chargerRecords() && erreurs_.size() == 1);
      QVERIFY(erreurs_[0].startsWith(TfrmRecords::titreErreurLecture) &&
              erreurs_[0].contains(QDir::toNativeSeparators(fichierStore())));
      w->mettreAJourRecords("Ana", "MOT", 2, 0, 0);
      QVERIFY(erreurs_.size() == 3 && erreurs_[2].startsWith(TfrmRecords::titreErreurEcriture));
      QCOMPARE(vue(*w).mid(0, 2), QStringList({"*MOT Ana " + ici, "*2 Ana " + ici}));
      QVERIFY(w->isVisible() && !QFileInfo(fichierStore()).isFile());
    }

    // A read-only store is read but not written.
    init();
    fenetreRecords()->mettreAJourRecords("Ana", "ARBRE", 4, 4, 4);
    QVERIFY(::chmod(QFile::encodeName(fichierStore()).constData(), 0444) == 0);
    const QByteArray avant = octets();
    auto w = fenetreRecords();
    w->mettreAJourRecords("Bob", "OR", 9, 0, 0);
    QVERIFY(erreurs_.size() == 1 && erreurs_[0].startsWith(TfrmRecords::titreErreurEcriture));
    QCOMPARE(vue(*w).mid(0, 2), QStringList({"ARBRE Ana " + ici, "*9 Bob " + ici}));
    QVERIFY(w->isVisible() && octets() == avant);
  }

  void leTexteDuStoreEstCeluiDeQSettings() {
    const QStringList noms = {"Zoé", "a,b", "a;b", " a", "a ", "a\"b", "@x", "@@y", "a=b", "a\\b", "#x", "[x]",
                              "\t1", "x\x01" "1", "€ Œ", "", "'q'", "\\x41"};
    // QSettings writes, the store reads the same names, and quotes them as
    // QSettings does, byte for byte (the records' layout: store()).
    {
      QSettings store(fichierStore(), QSettings::IniFormat);
      for (int i = 0; i < noms.size(); ++i) store.setValue(QStringLiteral("Records/K%1/Nom").arg(i), noms[i]);
    }
    const QList<QByteArray> lignes = octets().split('\n');
    for (int i = 0; i < noms.size(); ++i) {
      const QByteArray debut = QStringLiteral("K%1\\Nom=").arg(i).toLatin1();
      const auto ligne =
          std::find_if(lignes.begin(), lignes.end(), [&](const QByteArray& l) { return l.startsWith(debut); });
      QVERIFY(ligne != lignes.end());
      const QByteArray valeur = ligne->mid(debut.size());
      QCOMPARE(QString::fromStdString(records::texteLu(valeur.toStdString()).value_or("?")), noms[i]);
      QCOMPARE(QByteArray::fromStdString(records::echapper(noms[i].toStdString())), valeur);
    }

  }

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

    // Saved through the save dialog's stand-in, under a name that is not
    // ASCII, each line as the game wrote it; a cancel writes nothing. (The
    // file's format, a missing or refused file: test_journal; the failure
    // told on the board: test_demarrage.)
    const Lignes journal = {"Tour n\xB0" "1", "", "\x80\xB7\xFF"};
    for (const auto& l : journal) w.ajouterMessage(l, false);
    QString choisi = dossier.filePath("partie été.ivd.txt");
    const QString fichier = choisi;
    w.demanderFichier = [&choisi] { return choisi; };
    QVERIFY(w.sauverMessagesSous());
    QCOMPARE(lire(fichier), QByteArray("Tour n\xB0" "1\r\n\r\n\x80\xB7\xFF\r\n"));
    choisi.clear();
    QVERIFY(!w.sauverMessagesSous());
    // Read back in place of what the log held.
    TfrmMessages autre;
    autre.ajouterMessage("ancienne", false);
    QVERIFY(autre.chargerMessages(fichier) && autre.lignes() == journal && statuts.isEmpty());
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
      QVERIFY(tenue && w.isVisible() && w.windowModality() == Qt::NonModal && !w.Button->isEnabled() &&
              !w.Timer.isActive());
    }
    // A wait asked for during a wait adds its line and leaves the holding to the first.
    Fin interieure = Fin::Continuer;
    const auto agir = [&w, &interieure] {
      interieure = w.ajouterMessageEtAttendre("C", false);
      w.Button->click();
    };
    QCOMPARE(std::pair(attendre(w, "B", agir), interieure), std::pair(Fin::Continuer, Fin::Interrompue));
    // A pause of 0: the wait ends at the first tick, not on an Escape pressed before it.
    QTest::keyClick(&w, Qt::Key_Escape);
    w.definirIntervalle(0);
    QCOMPARE(std::pair(w.intervalle(), attendre(w, "A", [] {})), std::pair(1, Fin::Minuterie));
    QVERIFY(!w.Timer.isActive() && !w.Button->isEnabled() && w.lignes().size() == 7);
  }

  void lesScoresSuiventLeClassementEtLeTemps() {
    test::EcranRelais ecran;
    Jeu jeu(ecran);
    TfrmScores w(jeu);
    ecran.scores = &w;
    commencer(jeu, 6);
    QVERIFY(w.isVisible() && w.nbLignes() == 7);
    // The rows follow the engine's ranking (its rules: test_tours), each
    // "name score cells value" in its player's colour, redrawn as it changes.
    Position p = jeu.position();
    for (int j = 0; j < 6; ++j) p.joueurs[j].score = std::array{10, 30, 20, 30, 0, 20}[j];
    p.poserJeton(3, 2, 'A', 1, 4);
    p.poserJeton(3, 3, 'A', 2, 4);
    p.tour = 12;
    QVERIFY(jeu.installer(p));
    const auto lignes = [&w, &jeu] {
      QStringList r;
      for (int l = 1; l < w.nbLignes(); ++l) {
        if (w.joueurDeLigne(l) != jeu.position().classement[l - 1]) r << "?";
        for (int c = 0; c < 4; ++c) r << w.texteCellule(c, l);
      }
      return r.join(' ');
    };
    QCOMPARE(lignes(), QStringLiteral("Denis 030 02 03 Bruno 030 00 00 Hélène 020 00 00 François 020 00 00 "
                                      "Anne 010 00 00 Eve 000 00 00"));
    QCOMPARE(w.windowTitle(), QStringLiteral("Scores - Tour n°12"));
    p.joueurs[4].score = 31;
    QVERIFY(jeu.installer(p));
    QVERIFY(lignes().startsWith(QStringLiteral("Eve 031 00 00 Denis")));
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
    QVERIFY(jeu.installer(p) && jeu.continuer());
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
