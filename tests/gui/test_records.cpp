// The records window: the store is created on first use, only a strictly
// better figure replaces a record (in red, written at once, with a pop-up),
// records outlive the window and are read afresh before each comparison,
// and a store that cannot be read or written is reported without stopping
// the game.
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <memory>

#include "TfrmRecords.h"

using irvad::TfrmRecords;

namespace {

// A store whose reads give four records and whose writes always fail.
bool lireQuatreRecords(QIODevice&, QSettings::SettingsMap& valeurs) {
  for (const char* cle : TfrmRecords::cles) {
    const QString groupe = QStringLiteral("Records/") + QString::fromLatin1(cle) + QLatin1Char('/');
    valeurs.insert(groupe + QStringLiteral("Record"), QString::fromLatin1(cle) == QLatin1String("Mot")
                                                          ? QVariant(QStringLiteral("ARBRE"))
                                                          : QVariant(4));
    valeurs.insert(groupe + QStringLiteral("Nom"), QStringLiteral("Ana"));
    valeurs.insert(groupe + QStringLiteral("Date"), QStringLiteral("01/01/2020 10:00"));
  }
  return true;
}
bool ecritureImpossible(QIODevice&, const QSettings::SettingsMap&) { return false; }

}  // namespace

class TestRecords : public QObject {
  Q_OBJECT

  QTemporaryDir dossier_;
  struct Erreur {
    QString titre, texte;
  };
  QList<Erreur> erreurs_;

  QString fichierStore() const {
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Tavo"), QStringLiteral("Irvad"))
        .fileName();
  }
  QVariant lu(const QString& cle) const {
    QSettings store(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Tavo"), QStringLiteral("Irvad"));
    return store.value(cle);
  }
  // A window on the test's store, with errors collected, a fixed clock and
  // French separators.
  std::unique_ptr<TfrmRecords> fenetre(QDateTime moment = QDateTime(QDate(2001, 12, 5), QTime(21, 7))) {
    auto w = std::make_unique<TfrmRecords>();
    w->signalerErreur = [this](const QString& titre, const QString& texte) { erreurs_.append({titre, texte}); };
    w->maintenant = [moment] { return moment; };
    w->locale = QLocale(QLocale::French, QLocale::France);
    return w;
  }
  static QColor couleur(const QLabel* l) { return l->palette().color(QPalette::WindowText); }
  static const QColor rouge, noir;

 private slots:
  void initTestCase() {
    QVERIFY(dossier_.isValid());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dossier_.path());
    QVERIFY(fichierStore().startsWith(dossier_.path()));
  }
  void init() {
    erreurs_.clear();
    const QString f = fichierStore();
    QFileInfo info(f);
    if (info.isDir()) QDir(f).removeRecursively();
    else QFile::remove(f);
  }

  void premierLancementCreeLesRecordsEtLePremierCoupLesBat() {
    auto w = fenetre();
    QVERIFY(!w->isVisible());
    QVERIFY(w->chargerRecords());
    QVERIFY(erreurs_.isEmpty());
    QVERIFY(QFile::exists(fichierStore()));
    QCOMPARE(lu("Records/Mot/Record").toString(), QString());
    for (const char* cle : {"Score", "PointsPris", "LettresPrises"}) {
      const QString groupe = QStringLiteral("Records/") + QLatin1String(cle);
      QCOMPARE(lu(groupe + "/Record").toInt(), 0);
      QVERIFY(lu(groupe + "/Record").isValid());
      QCOMPARE(lu(groupe + "/Nom").toString(), QString());
      QCOMPARE(lu(groupe + "/Date").toString(), QString());
    }
    QCOMPARE(w->LabelMot->text(), QString());
    QCOMPARE(w->LabelScore->text(), QStringLiteral("0"));

    // The first play with a word: the word and the score are beaten; no
    // points and no letters taken beat nothing (0 is not above 0).
    w->mettreAJourRecords("Zo\xE9", "MOT", 5, 0, 0);  // Zoé
    QCOMPARE(w->nouveauxRecords, uint8_t(TfrmRecords::recordMot | TfrmRecords::recordScore));
    QCOMPARE(w->LabelMot->text(), QStringLiteral("MOT"));
    QCOMPARE(w->LabelScore->text(), QStringLiteral("5"));
    QCOMPARE(w->LabelNom[0]->text(), QStringLiteral("Zoé"));
    QCOMPARE(w->LabelDate[1]->text(), QStringLiteral("05/12/2001 21:07"));
    QCOMPARE(w->LabelNom[2]->text(), QString());
    QCOMPARE(couleur(w->LabelMot), rouge);
    QCOMPARE(couleur(w->LabelScore), rouge);
    QCOMPARE(couleur(w->LabelPointsPris), noir);
    QCOMPARE(couleur(w->LabelLettresPrises), noir);
    QVERIFY(w->isVisible());
    QVERIFY(w->Timer.isActive());
    QCOMPARE(w->Timer.interval(), 3000);
    // Written at once, with the number as a number.
    QCOMPARE(lu("Records/Mot/Record").toString(), QStringLiteral("MOT"));
    QCOMPARE(lu("Records/Mot/Nom").toString(), QStringLiteral("Zoé"));
    QCOMPARE(lu("Records/Score/Record").toInt(), 5);
    QCOMPARE(lu("Records/Score/Date").toString(), QStringLiteral("05/12/2001 21:07"));
    QCOMPARE(lu("Records/PointsPris/Record").toInt(), 0);
    QVERIFY(erreurs_.isEmpty());

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
      const int debutValeur = valeur->geometry().right() - valeur->fontMetrics().horizontalAdvance(QStringLiteral("999"));
      QVERIFY2(libelle->x() + libelle->fontMetrics().horizontalAdvance(libelle->text()) < debutValeur,
               qPrintable(libelle->text()));
    }
  }

  void seulUnChiffreStrictementMeilleurRemplaceLeRecord() {
    {
      auto w = fenetre(QDateTime(QDate(2020, 1, 2), QTime(3, 4)));
      w->mettreAJourRecords("Ana", "LAC", 5, 2, 1);
      QCOMPARE(w->nouveauxRecords, uint8_t(15));
    }
    const QByteArray avant = [this] {
      QFile f(fichierStore());
      return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }();
    auto w = fenetre();
    // As many letters, the same score, as many points and letters taken:
    // nothing changes, nothing shows, nothing is written.
    w->mettreAJourRecords("Bob", "LES", 5, 2, 1);
    QCOMPARE(w->nouveauxRecords, uint8_t(0));
    QVERIFY(!w->isVisible());
    QVERIFY(!w->Timer.isActive());
    QCOMPARE(w->LabelMot->text(), QStringLiteral("LAC"));
    for (int i = 0; i < 4; ++i) {
      QCOMPARE(w->LabelNom[static_cast<std::size_t>(i)]->text(), QStringLiteral("Ana"));
      QCOMPARE(w->LabelDate[static_cast<std::size_t>(i)]->text(), QStringLiteral("02/01/2020 03:04"));
      QCOMPARE(couleur(w->labelValeur(i)), noir);
    }
    QFile f(fichierStore());
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), avant);

    // A longer word, a lower score, more points and letters: three records,
    // all three red; the score keeps its holder.
    w->mettreAJourRecords("Bob", "LACS", 4, 3, 2);
    QCOMPARE(w->nouveauxRecords, uint8_t(1 | 4 | 8));
    QCOMPARE(w->LabelMot->text(), QStringLiteral("LACS"));
    QCOMPARE(w->LabelScore->text(), QStringLiteral("5"));
    QCOMPARE(w->LabelNom[1]->text(), QStringLiteral("Ana"));
    QCOMPARE(couleur(w->LabelScore), noir);
    for (int i : {0, 2, 3}) {
      QCOMPARE(couleur(w->labelValeur(i)), rouge);
      QCOMPARE(w->LabelNom[static_cast<std::size_t>(i)]->text(), QStringLiteral("Bob"));
    }
    QCOMPARE(w->LabelPointsPris->text(), QStringLiteral("3"));
    QCOMPARE(lu("Records/LettresPrises/Record").toInt(), 2);
    QCOMPARE(lu("Records/Score/Nom").toString(), QStringLiteral("Ana"));
  }

  void lesRecordsSurviventALaFenetreEtSontRelusAvantChaqueComparaison() {
    auto premiere = fenetre();
    premiere->mettreAJourRecords("Ana", "ARBRES", 12, 3, 1);
    premiere->TimerTimer();

    // A new window (another run) shows them as soon as it is shown.
    auto seconde = fenetre();
    QCOMPARE(seconde->LabelScore->text(), QStringLiteral("0"));
    seconde->show();
    QCOMPARE(seconde->LabelMot->text(), QStringLiteral("ARBRES"));
    QCOMPARE(seconde->LabelScore->text(), QStringLiteral("12"));
    QCOMPARE(seconde->LabelNom[3]->text(), QStringLiteral("Ana"));
    QCOMPARE(seconde->LabelDate[0]->text(), QStringLiteral("05/12/2001 21:07"));
    // That run beats the score.
    seconde->mettreAJourRecords("Bob", "OR", 20, 0, 0);
    QCOMPARE(seconde->nouveauxRecords, TfrmRecords::recordScore);

    // The first window still shows 12, but reads the store before it
    // compares: 15 beats nothing, and Bob's 20 stays.
    QCOMPARE(premiere->LabelScore->text(), QStringLiteral("12"));
    premiere->mettreAJourRecords("Cyl", "OR", 15, 0, 0);
    QCOMPARE(premiere->nouveauxRecords, uint8_t(0));
    QCOMPARE(premiere->LabelScore->text(), QStringLiteral("20"));
    QCOMPARE(lu("Records/Score/Record").toInt(), 20);
    QCOMPARE(lu("Records/Score/Nom").toString(), QStringLiteral("Bob"));
    QVERIFY(erreurs_.isEmpty());
  }

  void laFinDuPopUpRendLeNoirEtCacheLaFenetre() {
    auto w = fenetre();
    w->mettreAJourRecords("Ana", "MOT", 3, 1, 1);
    QVERIFY(w->isVisible());
    w->TimerTimer();
    QCOMPARE(w->nouveauxRecords, uint8_t(0));
    QVERIFY(!w->Timer.isActive());
    QVERIFY(!w->isVisible());
    for (int i = 0; i < 4; ++i) QCOMPARE(couleur(w->labelValeur(i)), noir);

    // Opening from the menu while a pop-up is still on screen ends the
    // pop-up first, then shows the records in black.
    w->mettreAJourRecords("Bob", "MOTS", 3, 1, 1);
    QCOMPARE(couleur(w->LabelMot), rouge);
    bool vu = false;
    QTimer::singleShot(0, w.get(), [&] {
      vu = w->isVisible() && w->isModal() && !w->Timer.isActive() && couleur(w->LabelMot) == noir &&
           w->LabelMot->text() == QStringLiteral("MOTS");
      w->reject();
    });
    w->exec();
    QVERIFY(vu);
  }

  void unStoreInaccessibleEstSignaleEtLeJeuContinue() {
    // The store's file is a folder: it can be neither read nor written.
    QVERIFY(QDir().mkpath(fichierStore()));
    auto w = fenetre();
    QVERIFY(!w->chargerRecords());
    QCOMPARE(erreurs_.size(), 1);
    QCOMPARE(erreurs_[0].titre, QStringLiteral("Une erreur s'est produite lors de l'accès aux records"));
    QVERIFY(erreurs_[0].texte.contains(QDir::toNativeSeparators(fichierStore())));

    erreurs_.clear();
    w->mettreAJourRecords("Ana", "MOT", 2, 0, 0);
    QCOMPARE(erreurs_.size(), 2);
    QCOMPARE(erreurs_[0].titre, TfrmRecords::titreErreurLecture);
    QCOMPARE(erreurs_[1].titre, QStringLiteral("Une erreur s'est produite lors de l'enregistrement des records"));
    // The players still see their records.
    QCOMPARE(w->nouveauxRecords, uint8_t(3));
    QCOMPARE(w->LabelMot->text(), QStringLiteral("MOT"));
    QCOMPARE(couleur(w->LabelMot), rouge);
    QVERIFY(w->isVisible());
    QVERIFY(w->Timer.isActive());
    // Showing the pop-up did not read the store again (no third message).
    QCOMPARE(erreurs_.size(), 2);
  }

  void uneValeurEndommageeArreteLaLectureSansPerdreLaSuite() {
    {
      QSettings store(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Tavo"),
                      QStringLiteral("Irvad"));
      store.setValue("Records/Mot/Record", "ARBRE");
      store.setValue("Records/Mot/Nom", "Ana");
      store.setValue("Records/Mot/Date", "01/01/2020 10:00");
      store.setValue("Records/Score/Record", "beaucoup");
      store.setValue("Records/PointsPris/Record", 7);
      store.setValue("Records/PointsPris/Nom", "Ana");
      store.setValue("Records/PointsPris/Date", "01/01/2020 10:00");
    }
    auto w = fenetre();
    QVERIFY(!w->chargerRecords());
    QCOMPARE(erreurs_.size(), 1);
    QCOMPARE(erreurs_[0].titre, TfrmRecords::titreErreurLecture);
    QVERIFY(erreurs_[0].texte.contains(QStringLiteral("Score")));
    // Read up to the damaged record, then abandoned.
    QCOMPARE(w->LabelMot->text(), QStringLiteral("ARBRE"));
    QCOMPARE(w->LabelScore->text(), QStringLiteral("0"));
    QCOMPARE(w->LabelPointsPris->text(), QStringLiteral("0"));
    // Nothing was created over the other records.
    QCOMPARE(lu("Records/PointsPris/Record").toInt(), 7);
    QVERIFY(!lu("Records/LettresPrises/Record").isValid());

    // The game goes on; a play's score is a new record and replaces the
    // damaged value.
    w->mettreAJourRecords("Bob", "OR", 3, 0, 0);
    QCOMPARE(w->nouveauxRecords, TfrmRecords::recordScore);
    QCOMPARE(lu("Records/Score/Record").toInt(), 3);
    QCOMPARE(lu("Records/Mot/Record").toString(), QStringLiteral("ARBRE"));
  }

  void uneEcritureRefuseeEstSignaleeAvecSonTitre() {
    const QSettings::Format format = QSettings::registerFormat(QStringLiteral("echec"), lireQuatreRecords,
                                                               ecritureImpossible);
    QVERIFY(format != QSettings::InvalidFormat);
    const QString chemin = dossier_.filePath(QStringLiteral("refus.echec"));
    {
      // An empty file would not be read at all.
      QFile f(chemin);
      QVERIFY(f.open(QIODevice::WriteOnly));
      f.write("-");
    }
    auto w = fenetre();
    w->ouvrirStore = [chemin, format] { return std::make_unique<QSettings>(chemin, format); };
    QVERIFY(w->chargerRecords());
    QVERIFY(erreurs_.isEmpty());
    QCOMPARE(w->LabelMot->text(), QStringLiteral("ARBRE"));
    QCOMPARE(w->LabelLettresPrises->text(), QStringLiteral("4"));

    w->mettreAJourRecords("Bob", "OR", 9, 0, 0);
    QCOMPARE(erreurs_.size(), 1);
    QCOMPARE(erreurs_[0].titre, TfrmRecords::titreErreurEcriture);
    QCOMPARE(w->LabelScore->text(), QStringLiteral("9"));
    QCOMPARE(couleur(w->LabelScore), rouge);
    QVERIFY(w->isVisible());
    QVERIFY(!w->enregistrerRecords());
  }

  void laDateSuitLesSeparateursDeLUtilisateur() {
    const QDateTime moment(QDate(2001, 12, 5), QTime(21, 7, 59));
    QCOMPARE(TfrmRecords::texteDate(moment, QLocale(QLocale::French, QLocale::France)),
             QStringLiteral("05/12/2001 21:07"));
    QCOMPARE(TfrmRecords::texteDate(moment, QLocale(QLocale::German, QLocale::Germany)),
             QStringLiteral("05.12.2001 21:07"));
    // Day first and hours 00 to 23 whatever the locale's own order.
    QCOMPARE(TfrmRecords::texteDate(QDateTime(QDate(987, 3, 4), QTime(0, 5)), QLocale(QLocale::English,
                                                                                         QLocale::UnitedStates)),
             QStringLiteral("04/03/0987 00:05"));
  }
};

const QColor TestRecords::rouge(255, 0, 0);
const QColor TestRecords::noir(0, 0, 0);

QTEST_MAIN(TestRecords)
#include "test_records.moc"
