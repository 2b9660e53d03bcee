// The records window: the store is created on first use, only a strictly
// better figure replaces a record (in red, written at once, with a pop-up),
// records outlive the window and are read afresh before each comparison;
// each record stands alone when another is damaged; a store that cannot be
// read or written is reported without stopping the game; and the store's
// text is the one QSettings reads and writes.
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <memory>

#include "MagasinRecords.h"
#include "TfrmRecords.h"

using irvad::TfrmRecords;

namespace {

const QColor rouge(255, 0, 0);
const QString ici = QStringLiteral("05/12/2001 21:07");  // the windows' clock, French separators
bool enRouge(const QLabel* l) { return l->palette().color(QPalette::WindowText) == rouge; }

// What the window shows: each record as "value name date", '*' before a value in red.
QStringList vue(const TfrmRecords& w) {
  QStringList r;
  for (std::size_t i = 0; i < 4; ++i) {
    const QLabel* v = w.labelValeur(static_cast<int>(i));
    r << (enRouge(v) ? "*" : "") + v->text() + " " + w.LabelNom[i]->text() + " " + w.LabelDate[i]->text();
  }
  return r;
}

}  // namespace

class TestRecords : public QObject {
  Q_OBJECT

  QTemporaryDir dossier_;
  struct Erreur {
    QString titre, texte;
  };
  QList<Erreur> erreurs_;

  QString fichierStore() const { return dossier_.filePath(QStringLiteral("Tavo/Irvad.conf")); }
  QByteArray octets() const {
    QFile f(fichierStore());
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  }
  void ecrireStore(const QByteArray& texte) {
    QDir().mkpath(dossier_.filePath(QStringLiteral("Tavo")));
    QFile f(fichierStore());
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(texte);
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
  // A window on the test's store, with errors collected, a fixed clock and
  // French separators.
  std::unique_ptr<TfrmRecords> fenetre(QDateTime moment = QDateTime(QDate(2001, 12, 5), QTime(21, 7))) {
    auto w = std::make_unique<TfrmRecords>();
    w->cheminStore = fichierStore();
    w->signalerErreur = [this](const QString& titre, const QString& texte) { erreurs_.append({titre, texte}); };
    w->maintenant = [moment] { return moment; };
    w->locale = QLocale(QLocale::French, QLocale::France);
    return w;
  }

 private slots:
  void initTestCase() {
    QVERIFY(dossier_.isValid());
    // The store is where QSettings keeps the user's Tavo/Irvad settings.
    qputenv("XDG_CONFIG_HOME", dossier_.path().toUtf8());
    QCOMPARE(TfrmRecords::cheminParDefaut(),
             QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Tavo"), QStringLiteral("Irvad"))
                 .fileName());
    QCOMPARE(TfrmRecords::cheminParDefaut(), fichierStore());
  }
  void init() {
    erreurs_.clear();
    const QFileInfo info(fichierStore());
    ::chmod(QFile::encodeName(fichierStore()).constData(), 0644);
    if (info.isDir()) QDir(fichierStore()).removeRecursively();
    else QFile::remove(fichierStore());
  }

  void premierLancementCreeLesRecordsEtLePremierCoupLesBat() {
    auto w = fenetre();
    QVERIFY(!w->isVisible());
    QVERIFY(w->chargerRecords());
    // Created empty, each record with its value, name and date.
    QCOMPARE(store(), QStringList({"  ", "0  ", "0  ", "0  "}));
    QCOMPARE(QSettings(fichierStore(), QSettings::IniFormat).allKeys().size(), 12);
    QCOMPARE(vue(*w), store());

    // The first play with a word: the word and the score are beaten, in red,
    // written at once; no points and no letters taken beat nothing (0 is not above 0).
    w->mettreAJourRecords("Zo\xE9", "MOT", 5, 0, 0);  // Zoé
    QCOMPARE(vue(*w), QStringList({"*MOT Zoé " + ici, "*5 Zoé " + ici, "0  ", "0  "}));
    QVERIFY(w->isVisible() && w->Timer.isActive());
    QCOMPARE(store(), QStringList({"MOT Zoé " + ici, "5 Zoé " + ici, "0  ", "0  "}));
    QVERIFY(erreurs_.isEmpty());
  }

  void chaqueTexteSAfficheEnEntier() {
    auto w = fenetre();
    QVERIFY(w->chargerRecords());
    // Every text shows whole, a name of 8 letters and three-digit figures
    // included, and no caption runs into its value.
    w->LabelNom[1]->setText(QStringLiteral("WWWWWWWW"));
    w->LabelScore->setText(QStringLiteral("999"));
    for (const QLabel* l : w->findChildren<QLabel*>()) {
      const int largeur = l->fontMetrics().horizontalAdvance(l->text());
      QVERIFY2(largeur <= l->width() && l->x() >= 0 && l->geometry().right() < w->width(), qPrintable(l->text()));
    }
    for (int i = 1; i <= 4; ++i) {
      const QLabel* libelle = w->findChild<QLabel*>(QStringLiteral("Label%1").arg(i));
      const QLabel* valeur = w->labelValeur(i - 1);
      const int debut = valeur->geometry().right() - valeur->fontMetrics().horizontalAdvance(QStringLiteral("999"));
      QVERIFY2(libelle->x() + libelle->fontMetrics().horizontalAdvance(libelle->text()) < debut,
               qPrintable(libelle->text()));
    }
  }

  void seulUnChiffreStrictementMeilleurRemplaceLeRecord() {
    fenetre(QDateTime(QDate(2020, 1, 2), QTime(3, 4)))->mettreAJourRecords("Ana", "LAC", 5, 2, 1);
    const QByteArray avant = octets();
    auto w = fenetre();
    // As many letters, the same score, as many points and letters taken:
    // nothing changes, nothing shows, nothing is written.
    w->mettreAJourRecords("Bob", "LES", 5, 2, 1);
    const QString ana = QStringLiteral(" Ana 02/01/2020 03:04"), bob = " Bob " + ici;
    QCOMPARE(vue(*w), QStringList({"LAC" + ana, "5" + ana, "2" + ana, "1" + ana}));
    QVERIFY(w->nouveauxRecords == 0 && !w->isVisible());
    QCOMPARE(octets(), avant);
    // A longer word, a lower score, more points and letters: three records,
    // all three red; the score keeps its holder.
    w->mettreAJourRecords("Bob", "LACS", 4, 3, 2);
    QCOMPARE(vue(*w), QStringList({"*LACS" + bob, "5" + ana, "*3" + bob, "*2" + bob}));
    QCOMPARE(store(), QStringList({"LACS" + bob, "5" + ana, "3" + bob, "2" + bob}));
  }

  void lesRecordsSurviventALaFenetreEtSontRelusAvantChaqueComparaison() {
    auto premiere = fenetre();
    premiere->mettreAJourRecords("Ana", "ARBRES", 12, 3, 1);
    premiere->TimerTimer();

    // A new window (another run) shows them as soon as it is shown.
    auto seconde = fenetre();
    QCOMPARE(seconde->LabelScore->text(), QStringLiteral("0"));
    seconde->show();
    const QString ana = " Ana " + ici;
    QCOMPARE(vue(*seconde), QStringList({"ARBRES" + ana, "12" + ana, "3" + ana, "1" + ana}));
    // That run beats the score.
    seconde->mettreAJourRecords("Bob", "OR", 20, 0, 0);
    QCOMPARE(seconde->nouveauxRecords, TfrmRecords::recordScore);

    // The first window still shows 12, but reads the store before it
    // compares: 15 beats nothing, and Bob's 20 stays.
    premiere->mettreAJourRecords("Cyl", "OR", 15, 0, 0);
    QCOMPARE(premiere->nouveauxRecords, uint8_t(0));
    QCOMPARE(premiere->LabelScore->text(), QStringLiteral("20"));
    QCOMPARE(store()[1], "20 Bob " + ici);
    QVERIFY(erreurs_.isEmpty());
  }

  void laFinDuPopUpRendLeNoirEtCacheLaFenetre() {
    auto w = fenetre();
    w->mettreAJourRecords("Ana", "MOT", 3, 1, 1);
    QVERIFY(w->isVisible());
    w->TimerTimer();
    QVERIFY(w->nouveauxRecords == 0 && !w->Timer.isActive() && !w->isVisible());
    QVERIFY(!vue(*w).join(' ').contains('*'));

    // Opening from the menu while a pop-up is still on screen ends the
    // pop-up first, then shows the records in black.
    w->mettreAJourRecords("Bob", "MOTS", 3, 1, 1);
    QVERIFY(enRouge(w->LabelMot));
    bool vu = false;
    QTimer::singleShot(0, w.get(), [&] {
      vu = w->isVisible() && w->isModal() && !w->Timer.isActive() && vue(*w)[0] == "MOTS Bob " + ici;
      w->reject();
    });
    w->exec();
    QVERIFY(vu);
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
    QCOMPARE(erreurs_[0].titre, TfrmRecords::titreErreurLecture);
    QVERIFY(erreurs_[0].texte.contains(QStringLiteral("Records\\Score : Score\\Record=abc")));
    QVERIFY(erreurs_[0].texte.contains(QStringLiteral("Records\\LettresPrises : LettresPrises\\Record=a, b")));
    // The sound ones as they were, the damaged ones empty, in the store too,
    // so that the next read says nothing.
    QCOMPARE(vue(*w), QStringList({"ARBRE Ana 01/01/2020 10:00", "0  ",
                                   "7 Lou, dite \"la\" Grande 02/01/2020 10:00", "0  "}));
    QCOMPARE(store(), vue(*w));
    erreurs_.clear();
    QVERIFY(w->chargerRecords());
    QVERIFY(erreurs_.isEmpty());

    // A play beats the score: only the score is written, every other line
    // of the store stays byte for byte.
    const QByteArray avant = octets();
    w->mettreAJourRecords("Bob", "OR", 3, 0, 0);
    QCOMPARE(w->nouveauxRecords, TfrmRecords::recordScore);
    QByteArray attendu = avant;
    attendu.replace("Score\\Date=\n", "Score\\Date=05/12/2001 21:07\n")
        .replace("Score\\Nom=\n", "Score\\Nom=Bob\n")
        .replace("Score\\Record=0\n", "Score\\Record=3\n");
    QCOMPARE(octets(), attendu);
  }

  void unStoreIllisibleEstSignaleLeJeuContinueEtRienNEstEcritDessus() {
    // The store's file is a folder, then a named pipe: refused at once.
    for (bool tube : {false, true}) {
      erreurs_.clear();
      init();
      QVERIFY(QDir().mkpath(tube ? dossier_.filePath(QStringLiteral("Tavo")) : fichierStore()));
      if (tube) QCOMPARE(::mkfifo(QFile::encodeName(fichierStore()).constData(), 0600), 0);
      auto w = fenetre();
      QVERIFY(!w->chargerRecords());
      QCOMPARE(erreurs_.size(), 1);
      QCOMPARE(erreurs_[0].titre, QStringLiteral("Une erreur s'est produite lors de l'accès aux records"));
      QVERIFY(erreurs_[0].texte.contains(QDir::toNativeSeparators(fichierStore())));

      // The players still see their records; showing the pop-up did not
      // read the store again.
      erreurs_.clear();
      w->mettreAJourRecords("Ana", "MOT", 2, 0, 0);
      QCOMPARE(erreurs_.size(), 2);
      QCOMPARE(erreurs_[0].titre, TfrmRecords::titreErreurLecture);
      QCOMPARE(erreurs_[1].titre, QStringLiteral("Une erreur s'est produite lors de l'enregistrement des records"));
      QCOMPARE(vue(*w).mid(0, 2), QStringList({"*MOT Ana " + ici, "*2 Ana " + ici}));
      QVERIFY(w->isVisible());
      QVERIFY(!QFileInfo(fichierStore()).isFile());
    }
    init();

    // A read-only store is read but not written.
    fenetre()->mettreAJourRecords("Ana", "ARBRE", 4, 4, 4);
    QVERIFY(::chmod(QFile::encodeName(fichierStore()).constData(), 0444) == 0);
    const QByteArray avant = octets();
    erreurs_.clear();
    auto w = fenetre();
    w->mettreAJourRecords("Bob", "OR", 9, 0, 0);
    QCOMPARE(erreurs_.size(), 1);
    QCOMPARE(erreurs_[0].titre, TfrmRecords::titreErreurEcriture);
    QCOMPARE(vue(*w).mid(0, 2), QStringList({"ARBRE Ana " + ici, "*9 Bob " + ici}));
    QVERIFY(w->isVisible());
    QCOMPARE(octets(), avant);
  }

  void leTexteDuStoreEstCeluiDeQSettings() {
    const QStringList noms = {QStringLiteral("Zoé"),   QStringLiteral("a,b"),  QStringLiteral("a;b"),
                              QStringLiteral(" a"),    QStringLiteral("a "),   QStringLiteral("a\"b"),
                              QStringLiteral("@x"),    QStringLiteral("@@y"),  QStringLiteral("a=b"),
                              QStringLiteral("a\\b"),  QStringLiteral("#x"),   QStringLiteral("[x]"),
                              QStringLiteral("\t1"),   QStringLiteral("x\x01" "1"), QStringLiteral("€ Œ"),
                              QString(),               QStringLiteral("'q'"), QStringLiteral("\\x41")};
    // QSettings writes, the store reads: the same names.
    {
      QSettings store(fichierStore(), QSettings::IniFormat);
      for (int i = 0; i < noms.size(); ++i) store.setValue(QStringLiteral("Records/K%1/Nom").arg(i), noms[i]);
    }
    const QList<QByteArray> lignes = octets().split('\n');
    for (int i = 0; i < noms.size(); ++i) {
      const QByteArray debut = QStringLiteral("K%1\\Nom=").arg(i).toLatin1();
      QByteArray ligne;
      for (const QByteArray& l : lignes)
        if (l.startsWith(debut)) ligne = l.mid(debut.size());
      const auto lu = irvad::records::texteLu(ligne.toStdString());
      QVERIFY(lu.has_value());
      QCOMPARE(QString::fromStdString(*lu), noms[i]);
      // And the store quotes them as QSettings does, byte for byte.
      QCOMPARE(QByteArray::fromStdString(irvad::records::echapper(noms[i].toStdString())), ligne);
    }

    // The store writes, QSettings reads: the same records.
    irvad::records::Quatre quatre;
    QStringList attendu;
    for (int i = 0; i < 4; ++i) {
      const QString nom = noms[(5 * i + 1) % noms.size()], date = noms[(5 * i + 2) % noms.size()];
      quatre[static_cast<std::size_t>(i)] = {i == 0 ? "ARBRE" : std::to_string(10 + i), nom.toStdString(),
                                              date.toStdString()};
      attendu << QString::fromStdString(quatre[static_cast<std::size_t>(i)].valeur) + " " + nom + " " + date;
    }
    ecrireStore(QByteArray::fromStdString(irvad::records::ecrire("", quatre, 15)));
    QCOMPARE(QSettings(fichierStore(), QSettings::IniFormat).status(), QSettings::NoError);
    QCOMPARE(store(), attendu);
  }

  void laDateSuitLesSeparateursDeLUtilisateur() {
    const QDateTime moment(QDate(2001, 12, 5), QTime(21, 7, 59));
    QCOMPARE(TfrmRecords::texteDate(moment, QLocale(QLocale::French, QLocale::France)), ici);
    QCOMPARE(TfrmRecords::texteDate(moment, QLocale(QLocale::German, QLocale::Germany)),
             QStringLiteral("05.12.2001 21:07"));
    // Day first and hours 00 to 23 whatever the locale's own order.
    QCOMPARE(TfrmRecords::texteDate(QDateTime(QDate(987, 3, 4), QTime(0, 5)),
                                    QLocale(QLocale::English, QLocale::UnitedStates)),
             QStringLiteral("04/03/0987 00:05"));
  }
};

QTEST_MAIN(TestRecords)
#include "test_records.moc"
