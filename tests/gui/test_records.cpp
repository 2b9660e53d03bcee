// The records window: the store is created on first use, only a strictly
// better figure replaces a record (in red, written at once, with a pop-up),
// records outlive the window and are read afresh before each comparison;
// each record stands alone when another is damaged; a store that cannot be
// read or written is reported without stopping the game; and the store's
// text is the one QSettings reads and writes.
#include <sys/stat.h>

#include <QDir>
#include <QLabel>
#include <QSettings>
#include <QTest>
#include <QTimer>
#include <memory>

#include "Banc.h"
#include "MagasinRecords.h"
#include "TfrmRecords.h"

using irvad::TfrmRecords;

namespace {

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

class TestRecords : public QObject {
  Q_OBJECT

  QTemporaryDir dossier_;
  QStringList erreurs_;  // "title: text" of each failure reported

  QString fichierStore() const { return dossier_.filePath(QStringLiteral("Tavo/Irvad.conf")); }
  QByteArray octets() const { return irvad::test::lire(fichierStore()); }
  void ecrireStore(const QByteArray& texte) {
    QDir().mkpath(dossier_.filePath(QStringLiteral("Tavo")));
    irvad::test::ecrire(fichierStore(), texte);
  }
  // The four records as QSettings reads them in the store, as vue() shows them.
  QStringList store() const {
    QSettings s(fichierStore(), QSettings::IniFormat);
    QStringList r;
    for (const char* cle : TfrmRecords::cles) {
      const QString g = QStringLiteral("Records/") + QLatin1String(cle) + "/";
      r << s.value(g + "Record").toString() + " " + s.value(g + "Nom").toString() + " " +
               s.value(g + "Date").toString();
    }
    return r;
  }
  // A window on the test's store, with errors collected, a fixed clock and French separators.
  std::unique_ptr<TfrmRecords> fenetre(QDateTime moment = QDateTime(QDate(2001, 12, 5), QTime(21, 7))) {
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
    qputenv("XDG_CONFIG_HOME", dossier_.path().toUtf8());
    QCOMPARE(TfrmRecords::cheminParDefaut(), fichierStore());
    QCOMPARE(TfrmRecords::cheminParDefaut(),
             QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Tavo"), QStringLiteral("Irvad"))
                 .fileName());
    // Day first and hours 00 to 23, with the separators of the user's locale.
    const QDateTime moment(QDate(2001, 12, 5), QTime(21, 7, 59));
    QCOMPARE(TfrmRecords::texteDate(moment, QLocale(QLocale::French, QLocale::France)), ici);
    QCOMPARE(TfrmRecords::texteDate(moment, QLocale(QLocale::German, QLocale::Germany)),
             QStringLiteral("05.12.2001 21:07"));
    QCOMPARE(TfrmRecords::texteDate(QDateTime(QDate(987, 3, 4), QTime(0, 5)),
                                    QLocale(QLocale::English, QLocale::UnitedStates)),
             QStringLiteral("04/03/0987 00:05"));
  }
  void init() {
    erreurs_.clear();
    ::chmod(QFile::encodeName(fichierStore()).constData(), 0644);
    if (QFileInfo(fichierStore()).isDir()) QDir(fichierStore()).removeRecursively();
    else QFile::remove(fichierStore());
  }

  void seulUnChiffreStrictementMeilleurBatUnRecordQuiSurvitALaFenetre() {
    auto w = fenetre(QDateTime(QDate(2020, 1, 2), QTime(3, 4)));
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
    auto autre = fenetre();
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
    auto w = fenetre();
    QVERIFY(!w->chargerRecords());
    // One message for both damaged records, naming each, in plain text.
    QCOMPARE(erreurs_.size(), 1);
    QVERIFY(erreurs_[0].startsWith(TfrmRecords::titreErreurLecture));
    QVERIFY(erreurs_[0].contains(QStringLiteral("Records\\Score : Score\\Record=abc")));
    QVERIFY(erreurs_[0].contains(QStringLiteral("Records\\LettresPrises : LettresPrises\\Record=a, b")));
    // The sound ones as they were, the damaged ones empty, in the store too,
    // so that the next read says nothing.
    QCOMPARE(vue(*w), QStringList({"ARBRE Ana 01/01/2020 10:00", "0  ",
                                   "7 Lou, dite \"la\" Grande 02/01/2020 10:00", "0  "}));
    QCOMPARE(store(), vue(*w));
    erreurs_.clear();
    QVERIFY(w->chargerRecords());
    QVERIFY(erreurs_.isEmpty());

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
      QVERIFY(QDir().mkpath(tube ? dossier_.filePath(QStringLiteral("Tavo")) : fichierStore()));
      if (tube) QCOMPARE(::mkfifo(QFile::encodeName(fichierStore()).constData(), 0600), 0);
      auto w = fenetre();
      QVERIFY(!w->chargerRecords());
      QCOMPARE(erreurs_.size(), 1);
      QVERIFY(erreurs_[0].startsWith(TfrmRecords::titreErreurLecture));
      QVERIFY(erreurs_[0].contains(QDir::toNativeSeparators(fichierStore())));
      w->mettreAJourRecords("Ana", "MOT", 2, 0, 0);
      QCOMPARE(erreurs_.size(), 3);
      QVERIFY(erreurs_[2].startsWith(TfrmRecords::titreErreurEcriture));
      QCOMPARE(vue(*w).mid(0, 2), QStringList({"*MOT Ana " + ici, "*2 Ana " + ici}));
      QVERIFY(w->isVisible() && !QFileInfo(fichierStore()).isFile());
    }

    // A read-only store is read but not written.
    init();
    fenetre()->mettreAJourRecords("Ana", "ARBRE", 4, 4, 4);
    QVERIFY(::chmod(QFile::encodeName(fichierStore()).constData(), 0444) == 0);
    const QByteArray avant = octets();
    auto w = fenetre();
    w->mettreAJourRecords("Bob", "OR", 9, 0, 0);
    QCOMPARE(erreurs_.size(), 1);
    QVERIFY(erreurs_[0].startsWith(TfrmRecords::titreErreurEcriture));
    QCOMPARE(vue(*w).mid(0, 2), QStringList({"ARBRE Ana " + ici, "*9 Bob " + ici}));
    QVERIFY(w->isVisible());
    QCOMPARE(octets(), avant);
  }

  void leTexteDuStoreEstCeluiDeQSettings() {
    const QStringList noms = {"Zoé", "a,b", "a;b", " a", "a ", "a\"b", "@x", "@@y", "a=b", "a\\b", "#x", "[x]",
                              "\t1", "x\x01" "1", "€ Œ", "", "'q'", "\\x41"};
    // QSettings writes, the store reads the same names; and quotes them as QSettings does, byte for byte.
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
      QCOMPARE(QString::fromStdString(irvad::records::texteLu(valeur.toStdString()).value_or("?")), noms[i]);
      QCOMPARE(QByteArray::fromStdString(irvad::records::echapper(noms[i].toStdString())), valeur);
    }

    // The store writes, QSettings reads the same records.
    irvad::records::Quatre quatre;
    QStringList attendu;
    for (std::size_t i = 0; i < 4; ++i) {
      const QString nom = noms[int(5 * i + 1)], date = noms[int(5 * i + 2)];
      quatre[i] = {i == 0 ? "ARBRE" : std::to_string(10 + i), nom.toStdString(), date.toStdString()};
      attendu << QString::fromStdString(quatre[i].valeur) + " " + nom + " " + date;
    }
    ecrireStore(QByteArray::fromStdString(irvad::records::ecrire("", quatre, 15)));
    QCOMPARE(QSettings(fichierStore(), QSettings::IniFormat).status(), QSettings::NoError);
    QCOMPARE(store(), attendu);
  }
};

QTEST_MAIN(TestRecords)
#include "test_records.moc"
