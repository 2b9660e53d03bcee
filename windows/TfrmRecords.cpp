#include "TfrmRecords.h"

#include <QDir>
#include <QFile>
#include <QFontMetrics>
#include <QLabel>
#include <QMessageBox>
#include <QPalette>
#include <QShowEvent>
#include <QStandardPaths>
#include <filesystem>

#include <algorithm>

#include "Apparence.h"
#include "Cp1252.h"
#include "Fichiers.h"
#include "MagasinRecords.h"

namespace irvad {

const QString TfrmRecords::titreErreurLecture =
    QStringLiteral("Une erreur s'est produite lors de l'accès aux records");
const QString TfrmRecords::titreErreurEcriture =
    QStringLiteral("Une erreur s'est produite lors de l'enregistrement des records");

namespace {

QString depuisJeu(const std::string& s) { return QString::fromStdString(cp1252::versUtf8(s)); }

QString deuxChiffres(int n) { return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0')); }

// The first character of a date or time format that is neither a field
// letter nor a quote: the separator the user's locale puts between fields.
QChar separateur(const QString& format, QChar parDefaut) {
  for (const QChar c : format)
    if (!c.isLetter() && c != QLatin1Char('\'') && !c.isSpace()) return c;
  return parDefaut;
}

// A store holds twelve short lines; a larger file than this is refused
// unread, and so never replaced either.
constexpr std::size_t tailleMaxStore = std::size_t{1} << 20;

QString nomAffiche(const QString& fichier) { return QDir::toNativeSeparators(fichier); }

// The failure's own text for a store that could not be read.
QString texteLecture(fichiers::Lecture lu, const QString& fichier) {
  switch (lu) {
    case fichiers::Lecture::pasUnFichier:
      return QStringLiteral("%1 n'est pas un fichier").arg(nomAffiche(fichier));
    case fichiers::Lecture::tropGrand:
      return QStringLiteral("Fichier trop grand : %1").arg(nomAffiche(fichier));
    case fichiers::Lecture::lecture:
      return QStringLiteral("Erreur de lecture dans %1").arg(nomAffiche(fichier));
    default:
      return QStringLiteral("Accès impossible à %1").arg(nomAffiche(fichier));
  }
}

constexpr int hauteurLigne = 13;

}  // namespace

TfrmRecords::TfrmRecords(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("frmRecords"));
  setWindowTitle(QStringLiteral("Records de tour de jeu"));
  // A tool window with a close box only.
  setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
  setFixedSize(365, 54);
  move(0, 466);

  // Faces of the same widths where these are missing, so that every text fits.
  const QFont normale = policeSansSerif(8);
  QFont mot = normale;
  mot.setFamilies(famillesInstallees({QStringLiteral("Comic Sans MS"), QStringLiteral("Comic Neue")}));
  mot.setBold(true);
  QFont nombre = normale;
  nombre.setBold(true);
  const QFont fixe = policeFixe(8);
  // The dates end at x = 359 and take the room of their longest text.
  const int largeurDate = std::max(100, QFontMetrics(fixe).horizontalAdvance(QStringLiteral("00/00/0000 00:00")) + 2);

  const std::array<QString, 4> libelles = {
      QStringLiteral("Mot le plus long :"), QStringLiteral("Meilleur score :"),
      QStringLiteral("Points pris à l'adversaire :"), QStringLiteral("Lettres prises à l'adversaire :")};
  const std::array<const char*, 4> nomsValeurs = {"LabelMot", "LabelScore", "LabelPointsPris",
                                                  "LabelLettresPrises"};
  std::array<QLabel*, 4> valeurs{};
  for (int i = 0; i < 4; ++i) {
    const int y = 1 + hauteurLigne * i;
    auto* libelle = new QLabel(libelles[static_cast<std::size_t>(i)], this);
    libelle->setObjectName(QStringLiteral("Label%1").arg(i + 1));
    libelle->setFont(normale);
    libelle->move(3, y);
    libelle->resize(libelle->sizeHint().width(), hauteurLigne);

    // The values end at x = 169, over the free end of the caption's row.
    auto* valeur = new QLabel(i == 0 ? QString() : QStringLiteral("0"), this);
    valeur->setObjectName(QString::fromLatin1(nomsValeurs[static_cast<std::size_t>(i)]));
    // The texts come from the store and from the players: never markup.
    valeur->setTextFormat(Qt::PlainText);
    valeur->setFont(i == 0 ? mot : nombre);
    valeur->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    valeur->setGeometry(i == 0 ? 89 : 139, y, i == 0 ? 80 : 30, hauteurLigne);
    valeur->setAutoFillBackground(false);
    valeurs[static_cast<std::size_t>(i)] = valeur;

    auto* nom = new QLabel(this);
    nom->setObjectName(QStringLiteral("LabelNom%1").arg(i + 1));
    nom->setTextFormat(Qt::PlainText);
    nom->setFont(fixe);
    nom->setGeometry(183, y, 80, hauteurLigne);
    LabelNom[static_cast<std::size_t>(i)] = nom;

    auto* date = new QLabel(this);
    date->setObjectName(QStringLiteral("LabelDate%1").arg(i + 1));
    date->setTextFormat(Qt::PlainText);
    date->setFont(fixe);
    date->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    date->setGeometry(359 - largeurDate, y, largeurDate, hauteurLigne);
    LabelDate[static_cast<std::size_t>(i)] = date;
  }
  LabelMot = valeurs[0];
  LabelScore = valeurs[1];
  LabelPointsPris = valeurs[2];
  LabelLettresPrises = valeurs[3];
  for (QLabel* v : valeurs) colorer(v, false);

  Timer.setInterval(dureePopUpMs);
  Timer.setSingleShot(false);
  connect(&Timer, &QTimer::timeout, this, &TfrmRecords::TimerTimer);

  cheminStore = cheminParDefaut();
  signalerErreur = [this](const QString& titre, const QString& texte) {
    QWidget* parent = isVisible() ? this : parentWidget();
    QMessageBox boite(QMessageBox::Critical, titre, texte, QMessageBox::Ok, parent);
    // The text may quote a damaged line of the store: never markup.
    boite.setTextFormat(Qt::PlainText);
    boite.exec();
  };
}

TfrmRecords::~TfrmRecords() = default;

QLabel* TfrmRecords::labelValeur(int i) const {
  switch (i) {
    case 0: return LabelMot;
    case 1: return LabelScore;
    case 2: return LabelPointsPris;
    default: return LabelLettresPrises;
  }
}

void TfrmRecords::colorer(QLabel* label, bool rouge) {
  QPalette p = label->palette();
  p.setColor(QPalette::WindowText, rouge ? QColor(255, 0, 0) : QColor(0, 0, 0));
  label->setPalette(p);
}

QString TfrmRecords::texteDate(const QDateTime& moment, const QLocale& locale) {
  const QChar d = separateur(locale.dateFormat(QLocale::ShortFormat), QLatin1Char('/'));
  const QChar h = separateur(locale.timeFormat(QLocale::ShortFormat), QLatin1Char(':'));
  const QDate jour = moment.date();
  const QTime heure = moment.time();
  return deuxChiffres(jour.day()) + d + deuxChiffres(jour.month()) + d +
         QStringLiteral("%1").arg(jour.year(), 4, 10, QLatin1Char('0')) + QLatin1Char(' ') +
         deuxChiffres(heure.hour()) + h + deuxChiffres(heure.minute());
}

QString TfrmRecords::cheminParDefaut() {
  return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QLatin1Char('/') +
         QString::fromLatin1(organisation) + QLatin1Char('/') + QString::fromLatin1(application) +
         QStringLiteral(".conf");
}

namespace {

std::string nomSysteme(const QString& fichier) { return QFile::encodeName(fichier).toStdString(); }

// The store's text; a missing store reads as an empty one.
fichiers::Lecture lireStore(const QString& fichier, std::string& texte) {
  const fichiers::Lecture lu = fichiers::lire(nomSysteme(fichier), texte, tailleMaxStore);
  return lu == fichiers::Lecture::absent ? fichiers::Lecture::reussie : lu;
}

bool ecrireStore(const QString& fichier, const std::string& texte) {
  const std::filesystem::path dossier = std::filesystem::path(nomSysteme(fichier)).parent_path();
  std::error_code erreur;
  if (!dossier.empty()) std::filesystem::create_directories(dossier, erreur);
  return fichiers::remplacer(nomSysteme(fichier), texte) == fichiers::Ecriture::reussie;
}

QString utf8(const std::string& s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

}  // namespace

bool TfrmRecords::chargerRecords() {
  std::string texte;
  const fichiers::Lecture lu = lireStore(cheminStore, texte);
  if (lu != fichiers::Lecture::reussie) {
    signalerErreur(titreErreurLecture, texteLecture(lu, cheminStore));
    return false;
  }
  const records::Lecture l = records::lire(texte);
  uint8_t aEcrire = 0;
  QStringList endommages;
  for (int i = 0; i < 4; ++i) {
    const auto k = static_cast<std::size_t>(i);
    if (l.etats[k] == records::Etat::absent) {
      // A record never set: its entry is created, its labels stay.
      aEcrire |= static_cast<uint8_t>(1u << i);
      continue;
    }
    if (l.etats[k] == records::Etat::endommage) {
      aEcrire |= static_cast<uint8_t>(1u << i);
      endommages.append(QStringLiteral("Records\\%1 : %2").arg(QString::fromLatin1(cles[k]), utf8(l.defauts[k])));
    }
    labelValeur(i)->setText(utf8(l.records[k].valeur));
    LabelNom[k]->setText(utf8(l.records[k].nom));
    LabelDate[k]->setText(utf8(l.records[k].date));
  }
  bool ok = true;
  if (!endommages.isEmpty()) {
    signalerErreur(titreErreurLecture,
                   QStringLiteral("Records endommagés, remis à zéro :\n") + endommages.join(QLatin1Char('\n')));
    ok = false;
  }
  if (aEcrire != 0) {
    records::Quatre vides;
    for (int i = 0; i < 4; ++i) vides[static_cast<std::size_t>(i)] = records::vide(i);
    if (!ecrireStore(cheminStore, records::ecrire(texte, vides, aEcrire))) {
      signalerErreur(titreErreurLecture, QStringLiteral("Écriture impossible dans %1").arg(nomAffiche(cheminStore)));
      ok = false;
    }
  }
  return ok;
}

bool TfrmRecords::enregistrerRecords(uint8_t quels) {
  // Read again just before writing, so that only these records change.
  std::string texte;
  const fichiers::Lecture lu = lireStore(cheminStore, texte);
  if (lu != fichiers::Lecture::reussie) {
    signalerErreur(titreErreurEcriture, texteLecture(lu, cheminStore));
    return false;
  }
  records::Quatre quatre;
  for (int i = 0; i < 4; ++i) {
    const auto k = static_cast<std::size_t>(i);
    quatre[k] = {labelValeur(i)->text().toStdString(), LabelNom[k]->text().toStdString(),
                 LabelDate[k]->text().toStdString()};
  }
  if (!ecrireStore(cheminStore, records::ecrire(texte, quatre, quels))) {
    signalerErreur(titreErreurEcriture, QStringLiteral("Écriture impossible dans %1").arg(nomAffiche(cheminStore)));
    return false;
  }
  return true;
}

void TfrmRecords::mettreAJourRecords(const std::string& nom, const std::string& mot, int32_t score,
                                     int32_t pointsPris, int32_t lettresPrises) {
  const QString date = texteDate(maintenant ? maintenant() : QDateTime::currentDateTime(), locale);
  // Another run of the program may have set a record meanwhile.
  chargerRecords();
  nouveauxRecords = 0;
  const QString leNom = depuisJeu(nom);
  const QString leMot = depuisJeu(mot);
  auto battre = [&](int i, uint8_t bit, const QString& valeur) {
    nouveauxRecords |= bit;
    labelValeur(i)->setText(valeur);
    LabelNom[static_cast<std::size_t>(i)]->setText(leNom);
    LabelDate[static_cast<std::size_t>(i)]->setText(date);
  };
  // Strict comparisons: the first player to reach a figure keeps it.
  if (LabelMot->text().length() < leMot.length()) battre(0, recordMot, leMot);
  if (score > LabelScore->text().toInt()) battre(1, recordScore, QString::number(score));
  if (LabelPointsPris->text().toInt() < pointsPris) battre(2, recordPointsPris, QString::number(pointsPris));
  if (LabelLettresPrises->text().toInt() < lettresPrises)
    battre(3, recordLettresPrises, QString::number(lettresPrises));
  if (nouveauxRecords == 0) return;

  for (int i = 0; i < 4; ++i)
    if (nouveauxRecords & (1u << i)) colorer(labelValeur(i), true);
  // Only the beaten records are written; even when that fails the players
  // see their record.
  enregistrerRecords(nouveauxRecords);
  enPopUp_ = true;
  show();
  enPopUp_ = false;
  raise();
  activateWindow();
  Timer.start();
}

void TfrmRecords::TimerTimer() {
  nouveauxRecords = 0;
  Timer.stop();
  for (int i = 0; i < 4; ++i) colorer(labelValeur(i), false);
  hide();
}

int TfrmRecords::exec() {
  if (Timer.isActive()) TimerTimer();
  return QDialog::exec();
}

void TfrmRecords::showEvent(QShowEvent* evenement) {
  QDialog::showEvent(evenement);
  if (!enPopUp_) chargerRecords();
}

}  // namespace irvad
