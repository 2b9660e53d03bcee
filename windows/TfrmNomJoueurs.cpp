#include "TfrmNomJoueurs.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPolygonF>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include <algorithm>

#include "Apparence.h"
#include "Cp1252.h"

namespace irvad {

namespace {

constexpr int nombres[3] = {2, 3, 6};

// Corners of the small board, in the order of the vertex table as the board
// window draws it: top, upper left, lower left, bottom, lower right, upper right.
const QPointF coins[6] = {{12, 5}, {4, 10}, {4, 20}, {12, 25}, {20, 20}, {20, 10}};

QString nomObjet(const char* prefixe, int siege, const char* suffixe = "") {
  return QString::fromLatin1(prefixe) + QString::number(siege) + QString::fromLatin1(suffixe);
}

QLabel* entete(const QString& texte, QWidget* parent) {
  auto* label = new QLabel(texte, parent);
  QFont gras = label->font();
  gras.setBold(true);
  label->setFont(gras);
  label->setAlignment(Qt::AlignCenter);
  label->setWordWrap(true);
  return label;
}

}  // namespace

QPixmap TfrmNomJoueurs::imageSiege(int numero) {
  // Picture -> (player whose colour marks it, corner).
  static const int joueurDe[9] = {0, 1, 2, 3, 4, 5, 1, 2, 1};
  static const int coinDe[9] = {0, 1, 2, 3, 4, 5, 2, 4, 3};
  static const QColor couleurs[6] = {QColor(0, 0, 255),   QColor(0, 255, 0),   QColor(0, 255, 255),
                                     QColor(255, 0, 0),   QColor(255, 0, 255), QColor(255, 255, 0)};
  QPixmap image(24, 30);
  image.fill(Qt::transparent);
  if (numero < 0 || numero > 8) return image;
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(QColor(96, 96, 96), 1));
  p.setBrush(QColor(160, 160, 160));
  p.drawPolygon(QPolygonF(QList<QPointF>(std::begin(coins), std::end(coins))));
  p.setPen(QPen(couleurs[joueurDe[numero]], 2.2));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(coins[coinDe[numero]], 3.2, 3.2);
  return image;
}

int TfrmNomJoueurs::numeroImage(int nbJoueurs, int siege) {
  static const int table[3][6] = {{0, 8, 2, 3, 4, 5}, {0, 6, 7, 3, 4, 5}, {0, 1, 2, 3, 4, 5}};
  const int ligne = nbJoueurs == 2 ? 0 : nbJoueurs == 3 ? 1 : 2;
  return table[ligne][std::clamp(siege, 1, 6) - 1];
}

TfrmNomJoueurs::TfrmNomJoueurs(Jeu& jeu, const Parametres& parametres, QWidget* parent)
    : QDialog(parent), jeu_(jeu), parametres_(parametres) {
  setWindowTitle(QStringLiteral("Noms des joueurs"));
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
  setModal(true);
  setFont(policeSansSerif(8));

  auto* principal = new QVBoxLayout(this);
  principal->setContentsMargins(0, 0, 0, 0);
  principal->setSpacing(0);
  auto* corps = new QVBoxLayout;
  corps->setContentsMargins(8, 4, 8, 4);
  corps->setSpacing(2);
  principal->addLayout(corps);

  RadioGroupJoueurs = new QGroupBox(QStringLiteral(" &Nombre de joueurs "), this);
  RadioGroupJoueurs->setObjectName(QStringLiteral("RadioGroupJoueurs"));
  choixNombre_ = new QButtonGroup(this);
  auto* dansGroupe = new QHBoxLayout(RadioGroupJoueurs);
  dansGroupe->setContentsMargins(8, 0, 8, 2);
  for (int k = 0; k < 3; ++k) {
    auto* bouton = new QRadioButton(QString::number(nombres[k]), RadioGroupJoueurs);
    bouton->setObjectName(nomObjet("RadioJoueurs", nombres[k]));
    choixNombre_->addButton(bouton, nombres[k]);
    dansGroupe->addWidget(bouton, 1);
  }
  // The group box's own access key selects its checked choice.
  connect(choixNombre_, &QButtonGroup::idClicked, this, [this] { RadioGroupJoueursClick(); });
  corps->addWidget(RadioGroupJoueurs);

  auto* grille = new QGridLayout;
  grille->setHorizontalSpacing(5);
  grille->setVerticalSpacing(0);
  grille->addWidget(entete(QStringLiteral("N°"), this), 0, 0);
  grille->addWidget(entete(QStringLiteral("Nom des joueurs"), this), 0, 1);
  grille->addWidget(entete(QStringLiteral("Couleur et position"), this), 0, 2);
  grille->addWidget(entete(QStringLiteral("Automate"), this), 0, 3);
  grille->addWidget(entete(QStringLiteral("Expert"), this), 0, 6);
  auto* tailles = new QVBoxLayout;
  tailles->setSpacing(0);
  auto* titreTailles = entete(QStringLiteral("Taille max. des mots*"), this);
  titreTailles->setWordWrap(false);
  tailles->addWidget(titreTailles);
  tailles->addWidget(entete(QStringLiteral("5    6    7    8    9"), this));
  grille->addLayout(tailles, 0, 4);
  grille->addWidget(entete(QStringLiteral("Recherche de déplacements**"), this), 0, 5);

  for (int s = 1; s <= nbJoueursMax; ++s) {
    Rangee& r = rangees_[s - 1];
    r.label = new QLabel(QStringLiteral("&") + QString::number(s), this);
    r.label->setObjectName(nomObjet("Label", s));
    r.label->setAlignment(Qt::AlignCenter);
    r.edit = new QLineEdit(this);
    r.edit->setObjectName(nomObjet("Edit", s));
    r.edit->setMaxLength(longueurNom);
    r.edit->setText(QStringLiteral("Joueur ") + QString::number(s));
    r.label->setBuddy(r.edit);
    r.image = new QLabel(this);
    r.image->setObjectName(nomObjet("Image", s));
    r.image->setFixedSize(24, 30);
    r.automate = new QCheckBox(this);
    r.automate->setObjectName(nomObjet("CheckBox", s, "A"));
    r.expert = new QCheckBox(this);
    r.expert->setObjectName(nomObjet("CheckBox", s, "E"));
    r.expert->setToolTip(QStringLiteral("L'automate joue au niveau Expert : il regarde les réponses des autres "
                                        "joueurs avant de jouer."));
    // Only a seat the computer plays has a level.
    connect(r.automate, &QCheckBox::toggled, r.expert,
            [this, s](bool automate) { rangees_[s - 1].expert->setEnabled(automate && s <= nombreChoisi()); });
    r.panel = new QWidget(this);
    r.panel->setObjectName(nomObjet("Panel", s));
    auto* dansPanel = new QHBoxLayout(r.panel);
    dansPanel->setContentsMargins(0, 0, 0, 0);
    auto* groupe = new QButtonGroup(r.panel);
    for (int l = 0; l < 5; ++l) {
      auto* bouton = new QRadioButton(r.panel);
      bouton->setObjectName(QStringLiteral("RadioButton") + QString::number(s) + QString::number(l + 5));
      groupe->addButton(bouton, l + 5);
      dansPanel->addWidget(bouton);
      r.longueurs[l] = bouton;
    }
    r.deplacements = new QCheckBox(this);
    r.deplacements->setObjectName(nomObjet("CheckBox", s, "D"));
    grille->addWidget(r.label, s, 0);
    grille->addWidget(r.edit, s, 1);
    grille->addWidget(r.image, s, 2, Qt::AlignCenter);
    grille->addWidget(r.automate, s, 3, Qt::AlignCenter);
    grille->addWidget(r.panel, s, 4, Qt::AlignCenter);
    grille->addWidget(r.deplacements, s, 5, Qt::AlignCenter);
    grille->addWidget(r.expert, s, 6, Qt::AlignCenter);
  }
  corps->addLayout(grille);

  QFont petite;
  petite.setFamilies(famillesInstallees({QStringLiteral("Small Fonts"), QStringLiteral("Liberation Sans")}));
  petite.setPixelSize(9);
  const QString notes[2] = {
      QStringLiteral("(*) La taille max. des mots par défaut est celle définie dans les paramètres de jeu. "
                     "ATTENTION : la taille limite des mots recherchés n'implique pas la même taille limite "
                     "des mots trouvés. Cela permet surtout de limiter le temps de recherche."),
      QStringLiteral("(**) Le paramètre par défaut est celui défini dans les paramètres.")};
  for (const QString& texte : notes) {
    auto* note = new QLabel(texte, this);
    note->setWordWrap(true);
    note->setFont(petite);
    corps->addWidget(note);
  }

  auto* boutons = new QHBoxLayout;
  boutons->addStretch();
  auto* valider = new QPushButton(QStringLiteral("&Vu && appliqué"), this);
  valider->setObjectName(QStringLiteral("Button1"));
  valider->setDefault(true);
  auto* annuler = new QPushButton(QStringLiteral("Annuler"), this);
  annuler->setObjectName(QStringLiteral("Button2"));
  boutons->addWidget(valider);
  boutons->addWidget(annuler);
  corps->addLayout(boutons);

  StatusBar = new BarreEtat(this);
  principal->addWidget(StatusBar);

  connect(valider, &QPushButton::clicked, this, [this] {
    Button1Click();
    accept();
  });
  connect(annuler, &QPushButton::clicked, this, &QDialog::reject);

  setFixedSize(largeur, hauteur);
}

void TfrmNomJoueurs::showEvent(QShowEvent* evenement) {
  QDialog::showEvent(evenement);
  if (!evenement->spontaneous()) FormShow();
}

int TfrmNomJoueurs::nombreChoisi() const {
  const int n = choixNombre_->checkedId();
  return n == 2 || n == 3 ? n : 6;
}

void TfrmNomJoueurs::poserImage(int siege, int n) {
  const int numero = numeroImage(n, siege);
  QLabel* image = rangees_[siege - 1].image;
  image->setPixmap(imageSiege(numero));
  image->setProperty("numeroImage", numero);
}

void TfrmNomJoueurs::FormShow() {
  RadioGroupJoueurs->setEnabled(nombreModifiable);
  const uint32_t nombre = jeu_.position().nbJoueurs;
  const int n = nombre == 2 ? 2 : nombre == 3 ? 3 : 6;
  choixNombre_->button(n)->setChecked(true);
  RadioGroupJoueursClick();
  for (int s = 1; s <= nbJoueursMax; ++s) {
    const joueur& j = jeu_.position().joueurs[static_cast<std::size_t>(s - 1)];
    Rangee& r = rangees_[s - 1];
    r.edit->setText(QString::fromStdString(cp1252::versUtf8(j.nom)));
    r.automate->setChecked(j.automate);
    r.expert->setChecked(j.niveau == Niveau::Expert);
    r.expert->setEnabled(j.automate && s <= n);
    // A value no button stands for (a hand-edited file, a crafted saved
    // game) shows as the nearest length.
    const int longueur = std::clamp(defautsParametres ? parametres_.tailleMaxParDefaut : j.tailleMax,
                                    Parametres::tailleMin, Parametres::tailleMax);
    r.longueurs[longueur - Parametres::tailleMin]->setChecked(true);
    r.deplacements->setChecked(defautsParametres ? parametres_.deplacementsParDefaut : j.deplacements);
    poserImage(s, n);
  }
}

void TfrmNomJoueurs::RadioGroupJoueursClick() {
  const int n = nombreChoisi();
  for (int s = 1; s <= nbJoueursMax; ++s) {
    Rangee& r = rangees_[s - 1];
    const bool actif = s <= n;
    for (QWidget* w : {static_cast<QWidget*>(r.label), static_cast<QWidget*>(r.edit),
                       static_cast<QWidget*>(r.automate), static_cast<QWidget*>(r.deplacements), r.panel})
      w->setEnabled(actif);
    for (QRadioButton* b : r.longueurs) b->setEnabled(actif);
    r.expert->setEnabled(actif && r.automate->isChecked());
    poserImage(s, n);
    r.image->setVisible(actif);
  }
  rangees_[0].edit->setFocus();
}

Tablee TfrmNomJoueurs::choix() const {
  Tablee t{static_cast<uint32_t>(nombreChoisi()), {}};
  for (uint32_t i = 0; i < t.nombre; ++i) {
    const Rangee& r = rangees_[i];
    std::string nom = cp1252::depuisUtf8(r.edit->text().toStdString());
    if (nom.size() > longueurNom) nom.resize(longueurNom);
    Siege s{nom, r.automate->isChecked(), r.deplacements->isChecked(), Parametres::tailleMin};
    s.niveau = s.automate && r.expert->isChecked() ? Niveau::Expert : Niveau::Standard;
    for (int l = 0; l < 5; ++l)
      if (r.longueurs[static_cast<std::size_t>(l)]->isChecked()) s.tailleMax = l + Parametres::tailleMin;
    t.sieges.push_back(s);
  }
  return t;
}

// During a game the choices go to the players now; before a new game the
// board window gives them to the new game.
void TfrmNomJoueurs::Button1Click() {
  if (!nombreModifiable) jeu_.reglerJoueurs(choix());
}

std::optional<Tablee> TfrmNomJoueurs::executer(Jeu& jeu, const Parametres& parametres, QWidget* parent,
                                              bool avantNouvellePartie) {
  TfrmNomJoueurs dialogue(jeu, parametres, parent);
  dialogue.defautsParametres = avantNouvellePartie;
  dialogue.nombreModifiable = avantNouvellePartie;
  if (dialogue.exec() != QDialog::Accepted) return std::nullopt;
  return dialogue.choix();
}

}  // namespace irvad
