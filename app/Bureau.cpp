#include "Bureau.h"

#include <QCoreApplication>
#include <algorithm>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QStringList>
#include <string>
#include <string_view>

#include "Fichiers.h"

namespace irvad {

namespace {

const QString typeMime = QStringLiteral("application/x-irvad");
const QString nomEntree = QStringLiteral("irvad.desktop");

QString variableOu(const char* nom, const QString& defaut) {
  const QString valeur = qEnvironmentVariable(nom);
  // Desktop folders given as relative paths are ignored, as every desktop does.
  return valeur.startsWith(QLatin1Char('/')) ? valeur : defaut;
}

QString donneesUtilisateur() {
  return variableOu("XDG_DATA_HOME", QDir::homePath() + QStringLiteral("/.local/share"));
}

QString configurationUtilisateur() {
  return variableOu("XDG_CONFIG_HOME", QDir::homePath() + QStringLiteral("/.config"));
}

QStringList donneesSysteme() {
  QStringList dossiers;
  // Unset or empty, the variable means the usual two folders.
  QString liste = qEnvironmentVariable("XDG_DATA_DIRS");
  if (liste.isEmpty()) liste = QStringLiteral("/usr/local/share:/usr/share");
  for (const QString& d : liste.split(QLatin1Char(':'), Qt::SkipEmptyParts))
    if (d.startsWith(QLatin1Char('/'))) dossiers << d;
  return dossiers;
}

// The desktop's files are read with the program's own reader, so that a
// folder, a named pipe or a huge file in their place is skipped at once
// instead of holding the start; the program's resources through Qt.
QByteArray lire(const QString& chemin) {
  if (chemin.startsWith(QLatin1Char(':'))) {
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  }
  std::string contenu;
  if (fichiers::lire(QFile::encodeName(chemin).toStdString(), contenu, 4u << 20) != fichiers::Lecture::reussie)
    return {};
  return QByteArray::fromStdString(contenu);
}

// Whether a MIME type other than ours claims *.ivd, in the compiled
// databases or in a type description not yet compiled.
bool ivdAUnAutre(const QStringList& dossiersMime) {
  for (const QString& dossier : dossiersMime) {
    for (const QString& nom : {QStringLiteral("globs2"), QStringLiteral("globs")}) {
      for (const QByteArray& ligne : lire(dossier + QLatin1Char('/') + nom).split('\n')) {
        if (ligne.startsWith('#')) continue;
        const QList<QByteArray> champs = ligne.split(':');
        // globs2: weight:type:pattern[:flags]; globs: type:pattern
        const bool deux = nom == QLatin1String("globs2");
        if (champs.size() < (deux ? 3 : 2)) continue;
        const QByteArray type = champs[deux ? 1 : 0];
        const QByteArray motif = champs[deux ? 2 : 1].trimmed().toLower();
        if (motif == "*.ivd" && type != typeMime.toLatin1()) return true;
      }
    }
    const QDir paquets(dossier + QStringLiteral("/packages"));
    for (const QString& fichier : paquets.entryList({QStringLiteral("*.xml")}, QDir::Files)) {
      const QByteArray texte = lire(paquets.filePath(fichier)).toLower();
      if (fichier != QLatin1String("irvad.xml") && (texte.contains("\"*.ivd\"") || texte.contains("'*.ivd'")))
        return true;
    }
  }
  return false;
}

bool ecrire(const QString& chemin, const QByteArray& contenu, QString& erreur) {
  QDir().mkpath(QFileInfo(chemin).absolutePath());
  const std::string_view octets(contenu.constData(), static_cast<std::size_t>(contenu.size()));
  if (fichiers::remplacer(QFile::encodeName(chemin).toStdString(), octets) == fichiers::Ecriture::reussie) return true;
  erreur = QStringLiteral("Impossible d'écrire dans %1").arg(chemin);
  return false;
}

// The program's path as an argument of Exec: quoted, with the characters
// the desktop entry format reserves escaped twice (quoting, then string).
QString argumentExec(const QString& programme) {
  QString quote;
  for (const QChar c : programme) {
    if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') || c == QLatin1Char('\\'))
      quote += QLatin1Char('\\');
    quote += c;
  }
  quote.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
  quote.replace(QLatin1Char('%'), QStringLiteral("%%"));
  return QLatin1Char('"') + quote + QLatin1Char('"');
}

QByteArray entreeBureau(const QString& programme) {
  const QString texte = QStringLiteral(
                            "[Desktop Entry]\n"
                            "Type=Application\n"
                            "Name=Irvad\n"
                            "GenericName=Jeu de lettres\n"
                            "Comment=Jeu de mots pour 2, 3 ou 6 joueurs sur un plateau hexagonal\n"
                            "Exec=%1 %f\n"
                            "Icon=irvad\n"
                            "Terminal=false\n"
                            "Categories=Game;BoardGame;\n"
                            "MimeType=application/x-irvad;\n")
                            .arg(argumentExec(programme));
  return texte.toUtf8();
}

const char* const descriptionMime =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
    "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
    "  <mime-type type=\"application/x-irvad\">\n"
    "    <comment>Partie d'Irvad</comment>\n"
    "    <comment xml:lang=\"fr\">Partie d'Irvad</comment>\n"
    "    <generic-icon name=\"irvad\"/>\n"
    "    <glob pattern=\"*.ivd\"/>\n"
    "  </mime-type>\n"
    "</mime-info>\n";

// Adds "application/x-irvad=irvad.desktop" to [Default Applications] of
// mimeapps.list unless the type already has a default there. Every other
// line stays as it was. False when the file could not be written.
bool ajouterParDefaut(const QString& chemin, QString& erreur) {
  const QString section = QStringLiteral("[Default Applications]");
  QStringList lignes = QString::fromUtf8(lire(chemin)).split(QLatin1Char('\n'));
  if (!lignes.isEmpty() && lignes.last().isEmpty()) lignes.removeLast();
  int debut = -1, insertion = -1;
  for (int i = 0; i < lignes.size(); ++i) {
    const QString t = lignes[i].trimmed();
    if (t.startsWith(QLatin1Char('['))) {
      if (debut >= 0) break;
      if (t == section) debut = insertion = i;
      continue;
    }
    if (debut < 0) continue;
    if (!t.isEmpty()) insertion = i;
    if (t.section(QLatin1Char('='), 0, 0).trimmed() == typeMime) return true;  // someone chose already
  }
  const QString cle = typeMime + QLatin1Char('=') + nomEntree;
  if (debut >= 0) {
    lignes.insert(insertion + 1, cle);
  } else {
    if (!lignes.isEmpty() && !lignes.last().trimmed().isEmpty()) lignes << QString();
    lignes << section << cle;
  }
  return ecrire(chemin, (lignes.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8(), erreur);
}

void lancer(const QString& outil, const QString& dossier) {
  const QString chemin = QStandardPaths::findExecutable(outil);
  if (chemin.isEmpty()) return;
  QProcess processus;
  processus.setProcessChannelMode(QProcess::ForwardedErrorChannel);
  processus.setStandardOutputFile(QProcess::nullDevice());
  processus.start(chemin, {dossier});
  if (!processus.waitForFinished(15000)) processus.kill();
  processus.waitForFinished(1000);
}

}  // namespace

QString enregistrerTypeDeFichier(const QString& programmeDemande) {
  const QString programme = programmeDemande.isEmpty() ? QCoreApplication::applicationFilePath() : programmeDemande;
  if (programme.isEmpty()) return QStringLiteral("Chemin du programme introuvable");
  // A line break in the path would end the Exec line and add keys of its own
  // to the entry; such a path cannot be written as one argument.
  if (std::any_of(programme.begin(), programme.end(), [](QChar c) { return c.category() == QChar::Other_Control; }))
    return QStringLiteral("Chemin du programme impossible à inscrire dans une entrée de bureau : %1").arg(programme);
  const QString donnees = donneesUtilisateur();

  QStringList dossiersMime{donnees + QStringLiteral("/mime")};
  QStringList entreesExistantes{donnees + QStringLiteral("/applications/") + nomEntree};
  for (const QString& d : donneesSysteme()) {
    dossiersMime << d + QStringLiteral("/mime");
    entreesExistantes << d + QStringLiteral("/applications/") + nomEntree;
  }
  // Another program owns *.ivd: nothing of ours goes in its way.
  if (ivdAUnAutre(dossiersMime)) return {};

  QString erreur;
  bool mimeNeuf = false, entreeNeuve = false;
  // The type described by an installed program, or by an earlier run, stays.
  const QString mime = donnees + QStringLiteral("/mime/packages/irvad.xml");
  const bool mimePresent = std::any_of(dossiersMime.begin(), dossiersMime.end(), [](const QString& d) {
    return QFileInfo::exists(d + QStringLiteral("/packages/irvad.xml"));
  });
  if (!mimePresent) {
    if (!ecrire(mime, descriptionMime, erreur)) return erreur;
    mimeNeuf = true;
  }
  // An entry of an installed program, or one written by an earlier run, stays.
  const bool entreePresente = std::any_of(entreesExistantes.begin(), entreesExistantes.end(),
                                          [](const QString& c) { return QFileInfo::exists(c); });
  if (!entreePresente) {
    if (!ecrire(entreesExistantes.first(), entreeBureau(programme), erreur)) return erreur;
    entreeNeuve = true;
  }
  // The icon the entry and the type name, for a program run from its build folder.
  const QString icone = donnees + QStringLiteral("/icons/hicolor/scalable/apps/irvad.svg");
  bool iconeInstallee = QFileInfo::exists(icone);
  for (const QString& d : donneesSysteme())
    iconeInstallee = iconeInstallee || QFileInfo::exists(d + QStringLiteral("/icons/hicolor/scalable/apps/irvad.svg"));
  if (!iconeInstallee) {
    const QByteArray svg = lire(QStringLiteral(":/icone/irvad.svg"));
    if (!svg.isEmpty() && !ecrire(icone, svg, erreur)) return erreur;
  }
  if (!ajouterParDefaut(configurationUtilisateur() + QStringLiteral("/mimeapps.list"), erreur)) return erreur;

  if (mimeNeuf) lancer(QStringLiteral("update-mime-database"), donnees + QStringLiteral("/mime"));
  if (entreeNeuve) lancer(QStringLiteral("update-desktop-database"), donnees + QStringLiteral("/applications"));
  return {};
}

}  // namespace irvad
