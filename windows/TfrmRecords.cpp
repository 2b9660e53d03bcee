#include "TfrmRecords.h"

#include <QDir>
#include <QFontMetrics>
#include <QLabel>
#include <QMessageBox>
#include <QPalette>
#include <QSettings>
#include <QShowEvent>

#include <algorithm>

#include "Apparence.h"
#include "Cp1252.h"

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

// The failure's own text for a store that could not be read or written.
QString texteEchec(const QSettings& store) {
  const QString fichier = QDir::toNativeSeparators(store.fileName());
  switch (store.status()) {
    case QSettings::AccessError:
      return QStringLiteral("Accès impossible à %1").arg(fichier);
    case QSettings::FormatError:
      return QStringLiteral("Format incorrect dans %1").arg(fichier);
    case QSettings::NoError:
      break;
  }
  return {};
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
  mot.setFamilies({QStringLiteral("Comic Sans MS"), QStringLiteral("Comic Neue")});
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

  ouvrirStore = [] {
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                       QString::fromLatin1(organisation), QString::fromLatin1(application));
  };
  signalerErreur = [this](const QString& titre, const QString& texte) {
    QWidget* parent = isVisible() ? this : parentWidget();
    QMessageBox boite(QMessageBox::Critical, titre, texte, QMessageBox::Ok, parent);
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

bool TfrmRecords::chargerRecords() {
  const std::unique_ptr<QSettings> store = ouvrirStore();
  if (store->status() != QSettings::NoError) {
    signalerErreur(titreErreurLecture, texteEchec(*store));
    return false;
  }
  bool cree = false;
  for (int i = 0; i < 4; ++i) {
    store->beginGroup(QStringLiteral("Records/") + QString::fromLatin1(cles[static_cast<std::size_t>(i)]));
    if (!store->contains(QStringLiteral("Record"))) {
      // A record never set: its entry is created, its labels stay.
      store->setValue(QStringLiteral("Record"), i == 0 ? QVariant(QString()) : QVariant(int32_t{0}));
      store->setValue(QStringLiteral("Nom"), QString());
      store->setValue(QStringLiteral("Date"), QString());
      cree = true;
    } else {
      const QVariant record = store->value(QStringLiteral("Record"));
      QString texte;
      if (i == 0) {
        texte = record.toString();
      } else {
        // A number record must read as a 32-bit integer; anything else is a
        // damaged store, not a record of 0.
        bool nombre = false;
        const int32_t n = record.canConvert<QString>() ? record.toString().trimmed().toInt(&nombre) : 0;
        if (!nombre) {
          store->endGroup();
          signalerErreur(titreErreurLecture,
                         QStringLiteral("Valeur incorrecte : Records\\%1\\Record = %2")
                             .arg(QString::fromLatin1(cles[static_cast<std::size_t>(i)]), record.toString()));
          return false;
        }
        texte = QString::number(n);
      }
      labelValeur(i)->setText(texte);
      LabelNom[static_cast<std::size_t>(i)]->setText(store->value(QStringLiteral("Nom")).toString());
      LabelDate[static_cast<std::size_t>(i)]->setText(store->value(QStringLiteral("Date")).toString());
    }
    store->endGroup();
  }
  if (cree) {
    store->sync();
    if (store->status() != QSettings::NoError) {
      signalerErreur(titreErreurLecture, texteEchec(*store));
      return false;
    }
  }
  return true;
}

bool TfrmRecords::enregistrerRecords() {
  const std::unique_ptr<QSettings> store = ouvrirStore();
  if (store->status() != QSettings::NoError) {
    signalerErreur(titreErreurEcriture, texteEchec(*store));
    return false;
  }
  for (int i = 0; i < 4; ++i) {
    store->beginGroup(QStringLiteral("Records/") + QString::fromLatin1(cles[static_cast<std::size_t>(i)]));
    const QString texte = labelValeur(i)->text();
    store->setValue(QStringLiteral("Record"), i == 0 ? QVariant(texte) : QVariant(int32_t{texte.toInt()}));
    store->setValue(QStringLiteral("Nom"), LabelNom[static_cast<std::size_t>(i)]->text());
    store->setValue(QStringLiteral("Date"), LabelDate[static_cast<std::size_t>(i)]->text());
    store->endGroup();
  }
  store->sync();
  if (store->status() != QSettings::NoError) {
    signalerErreur(titreErreurEcriture, texteEchec(*store));
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
  // Even when the write fails the players see their record.
  enregistrerRecords();
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
