// The file type on the desktop: written once under a temporary home, never
// over another owner of *.ivd or another default opener, and a failure
// reported without stopping anything.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include "Bureau.h"

class TestBureau : public QObject {
  Q_OBJECT

  QTemporaryDir racine;
  QString donnees, configuration, systeme;

  static QByteArray lire(const QString& chemin) {
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  }
  static void ecrire(const QString& chemin, const QByteArray& octets) {
    QDir().mkpath(QFileInfo(chemin).absolutePath());
    QFile f(chemin);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(octets);
  }
  QString entree() const { return donnees + "/applications/irvad.desktop"; }
  QString mime() const { return donnees + "/mime/packages/irvad.xml"; }
  QString mimeapps() const { return configuration + "/mimeapps.list"; }

 private slots:
  void init() {
    // A home of its own for each case, and system folders that hold nothing.
    QDir(racine.path()).removeRecursively();
    QDir().mkpath(racine.path());
    donnees = racine.filePath("donnees");
    configuration = racine.filePath("config");
    systeme = racine.filePath("systeme");
    QDir().mkpath(systeme);
    qputenv("HOME", racine.path().toUtf8());
    qputenv("XDG_DATA_HOME", donnees.toUtf8());
    qputenv("XDG_CONFIG_HOME", configuration.toUtf8());
    qputenv("XDG_DATA_DIRS", systeme.toUtf8());
  }

  void unPremierLancementEcritToutEtLeSuivantRien() {
    const QString programme = "/opt/Jeux de mots/irvad";
    QCOMPARE(irvad::enregistrerTypeDeFichier(programme), QString());
    const QByteArray texte = lire(entree());
    QVERIFY(texte.contains("\nExec=\"/opt/Jeux de mots/irvad\" %f\n"));
    QVERIFY(texte.contains("\nMimeType=application/x-irvad;\n"));
    QVERIFY(lire(mime()).contains("<glob pattern=\"*.ivd\"/>"));
    QVERIFY(lire(mime()).contains("<comment>Partie d'Irvad</comment>"));
    QCOMPARE(lire(mimeapps()), QByteArray("[Default Applications]\napplication/x-irvad=irvad.desktop\n"));
    QVERIFY(lire(donnees + "/icons/hicolor/scalable/apps/irvad.svg").contains("<svg"));
    if (!QStandardPaths::findExecutable("update-mime-database").isEmpty())
      QVERIFY(lire(donnees + "/mime/globs2").contains("application/x-irvad:*.ivd"));
    if (!QStandardPaths::findExecutable("update-desktop-database").isEmpty())
      QVERIFY(lire(donnees + "/applications/mimeinfo.cache").contains("application/x-irvad=irvad.desktop;"));
    if (!QStandardPaths::findExecutable("desktop-file-validate").isEmpty())
      QCOMPARE(QProcess::execute("desktop-file-validate", {entree()}), 0);

    // A copy elsewhere leaves the first registration in place.
    QCOMPARE(irvad::enregistrerTypeDeFichier("/ailleurs/irvad"), QString());
    QCOMPARE(lire(entree()), texte);
    QCOMPARE(lire(mimeapps()), QByteArray("[Default Applications]\napplication/x-irvad=irvad.desktop\n"));
  }

  void unCheminAvecGuillemetsEtDollarsResteUnSeulArgument() {
    QCOMPARE(irvad::enregistrerTypeDeFichier("/tmp/a\"b$c\\d%e/irvad"), QString());
    QVERIFY(lire(entree()).contains("\nExec=\"/tmp/a\\\\\"b\\\\$c\\\\\\\\d%%e/irvad\" %f\n"));
    if (!QStandardPaths::findExecutable("desktop-file-validate").isEmpty())
      QCOMPARE(QProcess::execute("desktop-file-validate", {entree()}), 0);
  }

  void unCheminAvecSautDeLigneEstRefuseSansRienEcrire() {
    // Written as it stands, the second line would become a key of the entry.
    const QString erreur = irvad::enregistrerTypeDeFichier("/tmp/x\nTerminal=true/irvad");
    QVERIFY(!erreur.isEmpty());
    QVERIFY(!QFile::exists(entree()));
    QVERIFY(!QFile::exists(mime()));
    QVERIFY(!QFile::exists(mimeapps()));
  }

  void unJeuInstalleGardeSesFichiersEtRecoitLeChoixParDefaut() {
    // Type and entry installed for the whole system: only the user's default is added.
    ecrire(systeme + "/mime/packages/irvad.xml", "<mime-info/>");
    ecrire(systeme + "/applications/irvad.desktop", "[Desktop Entry]\n");
    QCOMPARE(irvad::enregistrerTypeDeFichier("/opt/irvad"), QString());
    QVERIFY(!QFile::exists(mime()));
    QVERIFY(!QFile::exists(entree()));
    QCOMPARE(lire(mimeapps()), QByteArray("[Default Applications]\napplication/x-irvad=irvad.desktop\n"));
  }

  void unAutreProprietaireDeIvdEstLaisseEnPaix() {
    // Compiled into the user's database, or only described by a package file.
    for (int cas = 0; cas < 2; ++cas) {
      init();
      if (cas == 0)
        ecrire(systeme + "/mime/globs2", "# globs2\n50:application/x-autre:*.ivd\n");
      else
        ecrire(donnees + "/mime/packages/autre.xml",
               "<mime-info><mime-type type=\"application/x-autre\"><glob pattern=\"*.IVD\"/></mime-type></mime-info>");
      QCOMPARE(irvad::enregistrerTypeDeFichier("/opt/irvad"), QString());
      QVERIFY(!QFile::exists(mime()));
      QVERIFY(!QFile::exists(entree()));
      QVERIFY(!QFile::exists(mimeapps()));
    }
  }

  void lesChoixExistantsSontGardes() {
    // The user chose another opener; the list's other lines stay as they were.
    const QByteArray liste = "[Added Associations]\ntext/plain=vim.desktop;\n\n[Default Applications]\n"
                             "application/x-irvad=autre.desktop\n";
    ecrire(mimeapps(), liste);
    // An installed program's entry in the system folders counts as ours.
    ecrire(systeme + "/applications/irvad.desktop", "[Desktop Entry]\n");
    QCOMPARE(irvad::enregistrerTypeDeFichier("/opt/irvad"), QString());
    QCOMPARE(lire(mimeapps()), liste);
    QVERIFY(!QFile::exists(entree()));
    QVERIFY(QFile::exists(mime()));

    // Without a default yet, ours joins the existing section.
    init();
    ecrire(mimeapps(), "[Default Applications]\ntext/html=firefox.desktop\n\n[Removed Associations]\n");
    QCOMPARE(irvad::enregistrerTypeDeFichier("/opt/irvad"), QString());
    QCOMPARE(lire(mimeapps()), QByteArray("[Default Applications]\ntext/html=firefox.desktop\n"
                                          "application/x-irvad=irvad.desktop\n\n[Removed Associations]\n"));
  }

  void unDossierInterditDonneUnTexteEtRienDAutre() {
    ecrire(racine.filePath("fichier"), "x");
    qputenv("XDG_DATA_HOME", racine.filePath("fichier/donnees").toUtf8());
    const QString erreur = irvad::enregistrerTypeDeFichier("/opt/irvad");
    QVERIFY(erreur.startsWith("Impossible d'écrire dans " + racine.filePath("fichier/donnees/")));
    QVERIFY(!QFile::exists(mimeapps()));
  }
};

QTEST_GUILESS_MAIN(TestBureau)
#include "test_bureau.moc"
