// The file type on the desktop: written once under a temporary home, never
// over another owner of *.ivd or another default opener, and a failure
// reported without stopping anything.
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include "Bureau.h"

namespace {

QByteArray lire(const QString& chemin) {
  QFile f(chemin);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
void ecrire(const QString& chemin, const QByteArray& octets) {
  QDir().mkpath(QFileInfo(chemin).absolutePath());
  QFile f(chemin);
  QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
  f.write(octets);
}
// The desktop entry passes its validator, when there is one.
bool valide(const QString& entree) {
  return QStandardPaths::findExecutable("desktop-file-validate").isEmpty() ||
         QProcess::execute("desktop-file-validate", {entree}) == 0;
}
const QByteArray notreDefaut = "[Default Applications]\napplication/x-irvad=irvad.desktop\n";

}  // namespace

class TestBureau : public QObject {
  Q_OBJECT

  QTemporaryDir racine;
  QString donnees, configuration, systeme;

  QString entree() const { return donnees + "/applications/irvad.desktop"; }
  QString mime() const { return donnees + "/mime/packages/irvad.xml"; }
  QString mimeapps() const { return configuration + "/mimeapps.list"; }

 private slots:
  void init() {
    // A home of its own for each case, and system folders that hold nothing.
    QDir(racine.path()).removeRecursively();
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
    QCOMPARE(irvad::enregistrerTypeDeFichier("/opt/Jeux de mots/irvad"), QString());
    const QByteArray texte = lire(entree());
    QVERIFY(texte.contains("\nExec=\"/opt/Jeux de mots/irvad\" %f\n") &&
            texte.contains("\nMimeType=application/x-irvad;\n"));
    QVERIFY(valide(entree()) && lire(mimeapps()) == notreDefaut);
    const QByteArray type = lire(mime());
    QVERIFY(type.contains("<glob pattern=\"*.ivd\"/>") && type.contains("<comment>Partie d'Irvad</comment>"));
    QVERIFY(lire(donnees + "/icons/hicolor/scalable/apps/irvad.svg").contains("<svg"));
    if (!QStandardPaths::findExecutable("update-mime-database").isEmpty())
      QVERIFY(lire(donnees + "/mime/globs2").contains("application/x-irvad:*.ivd"));
    if (!QStandardPaths::findExecutable("update-desktop-database").isEmpty())
      QVERIFY(lire(donnees + "/applications/mimeinfo.cache").contains("application/x-irvad=irvad.desktop;"));
    // A copy elsewhere leaves the first registration in place.
    QCOMPARE(irvad::enregistrerTypeDeFichier("/ailleurs/irvad"), QString());
    QVERIFY(lire(entree()) == texte && lire(mimeapps()) == notreDefaut);
  }

  void leCheminDuProgrammeResteUnSeulArgumentOuEstRefuse() {
    QCOMPARE(irvad::enregistrerTypeDeFichier("/tmp/a\"b$c\\d%e/irvad"), QString());
    QVERIFY(lire(entree()).contains("\nExec=\"/tmp/a\\\\\"b\\\\$c\\\\\\\\d%%e/irvad\" %f\n") && valide(entree()));
    // Written as it stands, the second line would become a key of the entry.
    init();
    QVERIFY(!irvad::enregistrerTypeDeFichier("/tmp/x\nTerminal=true/irvad").isEmpty());
    QVERIFY(!QFile::exists(entree()) && !QFile::exists(mime()) && !QFile::exists(mimeapps()));
  }

  void lesFichiersEtLesChoixDAutruiSontGardes() {
    const QByteArray autreChoix =
        "[Added Associations]\ntext/plain=vim.desktop;\n\n[Default Applications]\napplication/x-irvad=autre.desktop\n";
    const QByteArray section = "[Default Applications]\ntext/html=firefox.desktop\n\n[Removed Associations]\n";
    struct Cas {
      QList<QPair<QString, QByteArray>> avant;  // under the home: "s/" the system folder, "d/" the user's data
      bool type, entree;                        // written by the program
      QByteArray liste;                         // mimeapps.list after it
    };
    const QByteArray installee = "[Desktop Entry]\n";
    const Cas cas[] = {
        // Type and entry installed for the whole system: only the user's default is added.
        {{{"s/mime/packages/irvad.xml", "<mime-info/>"}, {"s/applications/irvad.desktop", installee}}, false, false,
         notreDefaut},
        // Another owner of *.ivd, compiled into the database or only described by a package file.
        {{{"s/mime/globs2", "# globs2\n50:application/x-autre:*.ivd\n"}}, false, false, {}},
        {{{"d/mime/packages/autre.xml",
           "<mime-info><mime-type type=\"application/x-autre\"><glob pattern=\"*.IVD\"/></mime-type></mime-info>"}},
         false, false, {}},
        // The user chose another opener: the list stays as it was. An
        // installed program's entry in the system folders counts as ours.
        {{{"c/mimeapps.list", autreChoix}, {"s/applications/irvad.desktop", installee}}, true, false, autreChoix},
        // Without a default yet, ours joins the existing section.
        {{{"c/mimeapps.list", section}}, true, true,
         "[Default Applications]\ntext/html=firefox.desktop\napplication/x-irvad=irvad.desktop\n\n"
         "[Removed Associations]\n"}};
    for (int i = 0; i < std::ssize(cas); ++i) {
      init();
      for (const auto& [ou, octets] : cas[i].avant)
        ecrire((ou[0] == 's' ? systeme : ou[0] == 'd' ? donnees : configuration) + ou.mid(1), octets);
      QCOMPARE(irvad::enregistrerTypeDeFichier("/opt/irvad"), QString());
      // The case's number in the values compared, to tell which one failed.
      QCOMPARE(std::make_tuple(i, QFile::exists(mime()), QFile::exists(entree()), lire(mimeapps())),
               std::make_tuple(i, cas[i].type, cas[i].entree, cas[i].liste));
    }
  }

  void unDossierInterditOuUnTubeDonneUnTexteSansAttendre() {
    ecrire(racine.filePath("fichier"), "x");
    qputenv("XDG_DATA_HOME", racine.filePath("fichier/donnees").toUtf8());
    const QString erreur = irvad::enregistrerTypeDeFichier("/opt/irvad");
    QVERIFY(erreur.startsWith("Impossible d'écrire dans " + racine.filePath("fichier/donnees/")));
    QVERIFY(!QFile::exists(mimeapps()));
    // Named pipes in place of the list and of a MIME database file: opened
    // for reading, either would hold the start until someone writes into it.
    init();
    QVERIFY(QDir().mkpath(configuration) && QDir().mkpath(donnees + "/mime"));
    for (const QString& tube : {mimeapps(), donnees + "/mime/globs2"})
      QCOMPARE(::mkfifo(QFile::encodeName(tube).constData(), 0600), 0);
    QCOMPARE(irvad::enregistrerTypeDeFichier("/opt/irvad"), "Impossible d'écrire dans " + mimeapps());
    struct stat infos{};
    QVERIFY(::stat(QFile::encodeName(mimeapps()).constData(), &infos) == 0 && S_ISFIFO(infos.st_mode));
  }
};

QTEST_GUILESS_MAIN(TestBureau)
#include "test_bureau.moc"
