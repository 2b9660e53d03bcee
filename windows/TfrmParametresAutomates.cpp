#include "TfrmParametresAutomates.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSlider>
#include <QVBoxLayout>

#include <algorithm>

#include "Apparence.h"
#include "Cp1252.h"

namespace irvad {

namespace {

QSlider* reglette(int maximum, const char* nom, QWidget* parent) {
  auto* barre = new QSlider(Qt::Horizontal, parent);
  barre->setObjectName(QString::fromLatin1(nom));
  barre->setRange(0, maximum);
  barre->setSingleStep(1);
  barre->setPageStep(1);
  barre->setTickInterval(1);
  barre->setTickPosition(QSlider::TicksAbove);
  return barre;
}

// A track bar with its scale labels right under it, spread from end to end.
QVBoxLayout* avecEchelle(QSlider* barre, const QStringList& graduations) {
  auto* colonne = new QVBoxLayout;
  colonne->setSpacing(0);
  colonne->addWidget(barre);
  auto* echelle = new QHBoxLayout;
  for (int i = 0; i < graduations.size(); ++i) {
    if (i > 0) echelle->addStretch();
    echelle->addWidget(new QLabel(graduations[i], barre->parentWidget()));
  }
  colonne->addLayout(echelle);
  return colonne;
}

}  // namespace

TfrmParametresAutomates::TfrmParametresAutomates(Parametres& p, QWidget* parent)
    : QDialog(parent), parametres(p) {
  setWindowTitle(QStringLiteral("Paramétrage des automates"));
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
  setModal(true);
  setFont(policeSansSerif(8));

  auto* principal = new QVBoxLayout(this);
  principal->setContentsMargins(0, 0, 0, 0);
  principal->setSpacing(0);
  auto* corps = new QVBoxLayout;
  corps->setContentsMargins(10, 6, 10, 4);
  corps->setSpacing(3);
  principal->addLayout(corps);

  auto* labelPause = new QLabel(QStringLiteral("&Pause à chaque étape d'automate :"), this);
  TrackBar1 = reglette(Parametres::pauseMax, "TrackBar1", this);
  labelPause->setBuddy(TrackBar1);
  corps->addWidget(labelPause);
  corps->addLayout(avecEchelle(TrackBar1, {QStringLiteral("0"), QStringLiteral("5 s")}));

  CheckBoxInterruption =
      new QCheckBox(QStringLiteral("&Interrompre le jeu avant chaque tour d'automate"), this);
  CheckBoxInterruption->setObjectName(QStringLiteral("CheckBoxInterruption"));
  corps->addWidget(CheckBoxInterruption);

  auto* groupe = new QGroupBox(QStringLiteral(" Paramètres par défaut "), this);
  auto* dansGroupe = new QVBoxLayout(groupe);
  dansGroupe->setContentsMargins(8, 2, 8, 2);
  dansGroupe->setSpacing(0);
  auto* labelTaille = new QLabel(QStringLiteral("&Taille max.* par défaut des mots à chercher :"), groupe);
  TrackBar2 = reglette(Parametres::tailleMax - Parametres::tailleMin, "TrackBar2", groupe);
  labelTaille->setBuddy(TrackBar2);
  dansGroupe->addWidget(labelTaille);
  dansGroupe->addLayout(avecEchelle(TrackBar2, {QStringLiteral("5"), QStringLiteral("7"), QStringLiteral("9")}));
  CheckBoxAutorisation = new QCheckBox(QStringLiteral("Autoriser les déplacements"), groupe);
  CheckBoxAutorisation->setObjectName(QStringLiteral("CheckBoxAutorisation"));
  dansGroupe->addWidget(CheckBoxAutorisation);
  corps->addWidget(groupe);

  auto* note = new QLabel(QStringLiteral("(*) La taille limite des mots recherchés n'implique pas la même taille "
                                         "limite des mots trouvés. Cela permet surtout de limiter le temps de "
                                         "recherche."),
                          this);
  note->setWordWrap(true);
  note->setFont(policeSansSerif(7));
  corps->addWidget(note);

  auto* boutons = new QHBoxLayout;
  boutons->addStretch();
  auto* valider = new QPushButton(QStringLiteral("&Vu && appliqué"), this);
  valider->setObjectName(QStringLiteral("ButtonValider"));
  valider->setDefault(true);
  auto* annuler = new QPushButton(QStringLiteral("Annuler"), this);
  annuler->setObjectName(QStringLiteral("ButtonAnnuler"));
  boutons->addWidget(valider);
  boutons->addWidget(annuler);
  corps->addLayout(boutons);

  StatusBar = new BarreEtat(this);
  principal->addWidget(StatusBar);

  connect(valider, &QPushButton::clicked, this, &TfrmParametresAutomates::ButtonValiderClick);
  connect(annuler, &QPushButton::clicked, this, &QDialog::reject);

  setFixedSize(largeur, hauteur);
  chargerParametres();
}

void TfrmParametresAutomates::chargerParametres() {
  // After a failed write the file is behind the settings in use: keep these.
  if (parametres.fichierAJour()) parametres.chargerParametres();
  TrackBar1->setValue(std::clamp(parametres.pause, Parametres::pauseMin, Parametres::pauseMax));
  TrackBar2->setValue(std::clamp(parametres.tailleMaxParDefaut, Parametres::tailleMin, Parametres::tailleMax) -
                      Parametres::tailleMin);
  CheckBoxInterruption->setChecked(parametres.interruption);
  CheckBoxAutorisation->setChecked(parametres.deplacementsParDefaut);
}

void TfrmParametresAutomates::showEvent(QShowEvent* evenement) {
  QDialog::showEvent(evenement);
  chargerParametres();
  TrackBar1->setFocus();
}

void TfrmParametresAutomates::ButtonValiderClick() {
  parametres.pause = TrackBar1->value();
  parametres.tailleMaxParDefaut = TrackBar2->value() + Parametres::tailleMin;
  parametres.interruption = CheckBoxInterruption->isChecked();
  parametres.deplacementsParDefaut = CheckBoxAutorisation->isChecked();
  // The new values are in use from now on, whether the file takes them or not.
  emit parametresAppliques();
  accept();
  signalerErreur(parentWidget(), parametres.enregistrer());
}

void TfrmParametresAutomates::signalerErreur(QWidget* parent, const std::string& erreur) {
  if (erreur.empty()) return;
  QMessageBox::critical(parent, QStringLiteral("Irvad"), QString::fromStdString(cp1252::versUtf8(erreur)));
}

}  // namespace irvad
