// The board window's menus and commands, and the turn driver: the pause
// before a computer player's turn, its delay timer, Continue and Interrupt,
// new games, saved games and the side windows.
#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QEvent>
#include <QFile>
#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLibraryInfo>
#include <QMenuBar>
#include <QMessageBox>
#include <QShowEvent>
#include <QTimer>
#include <QTranslator>

#include "Cp1252.h"
#include "Parametres.h"
#include "Textes.h"
#include "TfrmConseils.h"
#include "TfrmPlateau.h"

namespace irvad {

namespace {

const char* const texteInterrompre =
    "Choisissez la rubrique \"Partie\" | \"Interrompre\" ou appuyez sur Alt+I pour faire une pause.";
// What the messages window shows while the game waits: short enough for its
// status strip at its narrowest.
const char* const texteAttente = "Le jeu attend : Continuer.";
const char* const texteAttenteDelai = "Reprise seule, ou Continuer.";
const char* const texteContinuer =
    "Choisissez la rubrique \"Partie\" | \"Continuer\" ou appuyez sur Alt+C pour poursuivre le jeu.";

const QString titreNormal = QStringLiteral("Irvad");
// Where Irvad.ini keeps the display options.
const char* const cleAffichage = "Affichage";
const char* const cleZoom = "Zoom";
const char* const cleContraste = "Contraste";
const QString titrePause = QStringLiteral("Irvad [PAUSE]");

bool dansGrille(int v) { return v >= 0 && v <= 10; }

// A file name as the engine's file functions take it (the system's 8-bit form).
std::string nomSysteme(const QString& fichier) { return QFile::encodeName(fichier).toStdString(); }

// The keyboard's way to the menus besides the access keys. Alt+P is both the
// shortcut of "Passer son tour" and the access key of the menu "Partie":
// while the command is enabled the shortcut wins; while it is disabled (a
// computer player's turn, where opening the menu pauses the game) Alt+P opens
// the menu. The menu bar is also reached as on the desktop the game comes
// from: Alt pressed and released alone, or F10, arms it, and the next key
// opens the menu of that access key (Return or Down the first menu).
class ClavierMenus : public QObject {
 public:
  explicit ClavierMenus(TfrmPlateau& fenetre) : QObject(&fenetre), fenetre_(fenetre) {}

 protected:
  bool eventFilter(QObject* objet, QEvent* evenement) override {
    const QEvent::Type t = evenement->type();
    if (t == QEvent::MouseButtonPress || t == QEvent::WindowDeactivate) {
      altSeul_ = arme_ = false;
      return false;
    }
    if (t != QEvent::ShortcutOverride && t != QEvent::KeyPress && t != QEvent::KeyRelease) return false;
    auto* w = qobject_cast<QWidget*>(objet);
    if (w == nullptr || w->window() != &fenetre_) return false;
    auto* touche = static_cast<QKeyEvent*>(evenement);
    const Qt::KeyboardModifiers mods = touche->modifiers() & ~Qt::KeypadModifier;
    const int k = touche->key();

    // The same key event visits the receiver's parents too: every step below
    // gives the same result when repeated.
    if (t == QEvent::KeyRelease) {
      if (k == Qt::Key_Alt && altSeul_) arme_ = true;
      altSeul_ = false;
      return false;
    }
    // A key that a shortcut takes (Alt+C) comes as a shortcut override only:
    // Alt was not alone, and its release must not arm the menu bar.
    if (t == QEvent::ShortcutOverride && k != Qt::Key_Alt) altSeul_ = false;
    if (t == QEvent::KeyPress) {
      if (k == Qt::Key_Alt && (mods & ~Qt::AltModifier) == Qt::NoModifier) {
        altSeul_ = true;
        return false;
      }
      altSeul_ = false;
      // Shift and the like come before the character they make ('?' on a French keyboard).
      const bool modificateur =
          k == Qt::Key_Shift || k == Qt::Key_Control || k == Qt::Key_Meta || k == Qt::Key_AltGr;
      if (arme_ && !modificateur) {
        arme_ = false;
        if (QMenu* m = menuDeLaTouche(k, mods)) {
          fenetre_.menuBar()->setActiveAction(m->menuAction());
          return true;
        }
        if (k == Qt::Key_Escape) return true;
      }
      if (k == Qt::Key_F10 && mods == Qt::NoModifier) {
        arme_ = true;
        return true;
      }
    }
    if (k != Qt::Key_P || mods != Qt::AltModifier) return false;
    QAction* passer = fenetre_.RubriquePasserSonTour;
    if (passer == nullptr || !passer->isEnabled()) return false;
    if (t == QEvent::ShortcutOverride) {
      // Taken from the shortcut map; the key press that follows runs the command.
      touche->accept();
      return true;
    }
    passer->trigger();
    return true;
  }

 private:
  QMenu* menuDeLaTouche(int k, Qt::KeyboardModifiers mods) const {
    if (k == Qt::Key_Return || k == Qt::Key_Enter || k == Qt::Key_Down) return fenetre_.MenuPartie;
    if ((mods & ~Qt::ShiftModifier) != Qt::NoModifier) return nullptr;
    for (QMenu* m : {fenetre_.MenuPartie, fenetre_.MenuOptions, fenetre_.MenuAffichage, fenetre_.MenuAide}) {
      if (m == nullptr) continue;
      // The character after the ampersand of the title ("&?" gives '?').
      const QString titre = m->title();
      const qsizetype i = titre.indexOf(QLatin1Char('&'));
      if (i >= 0 && i + 1 < titre.size() && static_cast<int>(titre.at(i + 1).toUpper().unicode()) == k) return m;
    }
    return nullptr;
  }

  TfrmPlateau& fenetre_;
  bool altSeul_ = false;  // Alt is down and no other key came with it
  bool arme_ = false;     // the next key chooses a menu
};

}  // namespace

bool installerTraductionQt(QApplication& application) {
  auto* traduction = new QTranslator(&application);
  if (!traduction->load(QStringLiteral("qtbase_fr"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    delete traduction;
    return false;
  }
  return QApplication::installTranslator(traduction);
}

// ---------------------------------------------------------------- menus

void TfrmPlateau::creerMenus() {
  QMenuBar* barre = menuBar();
  auto rubrique = [this](QMenu* menu, const char* nom, const char* texte, const QKeySequence& raccourci,
                         void (TfrmPlateau::*commande)()) {
    auto* a = menu->addAction(QString::fromUtf8(texte));
    a->setObjectName(QString::fromLatin1(nom));
    a->setShortcut(raccourci);
    a->setShortcutContext(Qt::WindowShortcut);
    connect(a, &QAction::triggered, this, commande);
    return a;
  };

  MenuPartie = barre->addMenu(QStringLiteral("&Partie"));
  MenuPartie->setObjectName(QStringLiteral("MenuPartie"));
  connect(MenuPartie, &QMenu::aboutToShow, this, &TfrmPlateau::MenuPartieClick);
  RubriqueNouvelle = rubrique(MenuPartie, "RubriqueNouvelle", "&Nouvelle", QKeySequence(Qt::Key_F4),
                              &TfrmPlateau::RubriqueNouvelleClick);
  RubriqueOuvrir = rubrique(MenuPartie, "RubriqueOuvrir", "&Ouvrir", QKeySequence(Qt::Key_F3),
                            &TfrmPlateau::RubriqueOuvrirClick);
  MenuPartie->addSeparator();
  RubriqueEnregistrer = rubrique(MenuPartie, "RubriqueEnregistrer", "&Enregistrer", QKeySequence(Qt::Key_F2),
                                 &TfrmPlateau::RubriqueEnregistrerClick);
  RubriqueEnregistrerSous =
      rubrique(MenuPartie, "RubriqueEnregistrerSous", "En&registrer sous...", QKeySequence(Qt::SHIFT | Qt::Key_F2),
               &TfrmPlateau::RubriqueEnregistrerSousClick);
  MenuPartie->addSeparator();
  RubriquePasserSonTour = rubrique(MenuPartie, "RubriquePasserSonTour", "&Passer son tour",
                                   QKeySequence(Qt::ALT | Qt::Key_P), &TfrmPlateau::RubriquePasserSonTourClick);
  RubriqueContinuer = rubrique(MenuPartie, "RubriqueContinuer", "&Continuer", QKeySequence(Qt::ALT | Qt::Key_C),
                               &TfrmPlateau::RubriqueContinuerClick);
  RubriqueContinuer->setEnabled(false);
  RubriqueInterrompre = rubrique(MenuPartie, "RubriqueInterrompre", "&Interrompre",
                                 QKeySequence(Qt::ALT | Qt::Key_I), &TfrmPlateau::RubriqueInterrompreClick);
  RubriqueInterrompre->setEnabled(false);
  MenuPartie->addSeparator();
  RubriqueAnnuler = rubrique(MenuPartie, "RubriqueAnnuler", "&Annuler le coup", QKeySequence(Qt::CTRL | Qt::Key_Z),
                             &TfrmPlateau::RubriqueAnnulerClick);
  RubriqueRetablir = rubrique(MenuPartie, "RubriqueRetablir", "&Rétablir", QKeySequence(Qt::CTRL | Qt::Key_Y),
                              &TfrmPlateau::RubriqueRetablirClick);
  RubriqueAnnuler->setEnabled(false);
  RubriqueRetablir->setEnabled(false);
  RubriqueConseil = rubrique(MenuPartie, "RubriqueConseil", "&Conseil", QKeySequence(Qt::Key_F5),
                             &TfrmPlateau::RubriqueConseilClick);
  MenuPartie->addSeparator();
  RubriqueQuitter = rubrique(MenuPartie, "RubriqueQuitter", "&Quitter", QKeySequence(Qt::ALT | Qt::Key_F4),
                             &TfrmPlateau::RubriqueQuitterClick);

  MenuOptions = barre->addMenu(QStringLiteral("&Options"));
  MenuOptions->setObjectName(QStringLiteral("MenuOptions"));
  connect(MenuOptions, &QMenu::aboutToShow, this, &TfrmPlateau::MenuOptionsClick);
  RubriqueJoueurs = rubrique(MenuOptions, "RubriqueJoueurs", "&Joueurs...", QKeySequence(Qt::ALT | Qt::Key_J),
                             &TfrmPlateau::RubriqueJoueursClick);
  RubriqueAutomates = rubrique(MenuOptions, "RubriqueAutomates", "&Automates...",
                               QKeySequence(Qt::ALT | Qt::Key_A), &TfrmPlateau::RubriqueAutomatesClick);
  MenuOptions->addSeparator();
  RubriqueEnregistrerMessages =
      rubrique(MenuOptions, "RubriqueEnregistrerMessages", "Enregistrer les &messages",
               QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F2), &TfrmPlateau::RubriqueEnregistrerMessagesClick);
  RubriqueEnregistrerMessages->setCheckable(true);
  RubriqueEnregistrerMessages->setChecked(enregistrerMessages);

  MenuAffichage = barre->addMenu(QStringLiteral("&Affichage"));
  MenuAffichage->setObjectName(QStringLiteral("MenuAffichage"));
  auto* groupeZoom = new QActionGroup(this);
  for (std::size_t i = 0; i < zooms.size(); ++i) {
    const int z = zooms[i];
    auto* a = MenuAffichage->addAction(QStringLiteral("Zoom &%1 %").arg(z));
    a->setObjectName(QStringLiteral("RubriqueZoom%1").arg(z));
    a->setCheckable(true);
    a->setChecked(z == zoom_);
    groupeZoom->addAction(a);
    connect(a, &QAction::triggered, this, [this, z] { RubriqueZoomClick(z); });
    RubriquesZoom[i] = a;
  }
  RubriqueZoomAvant = MenuAffichage->addAction(QStringLiteral("Zoom a&vant"));
  RubriqueZoomAvant->setObjectName(QStringLiteral("RubriqueZoomAvant"));
  RubriqueZoomAvant->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)});
  RubriqueZoomAvant->setShortcutContext(Qt::WindowShortcut);
  connect(RubriqueZoomAvant, &QAction::triggered, this, [this] {
    const auto suivant = std::upper_bound(zooms.begin(), zooms.end(), zoom_);
    if (suivant != zooms.end()) RubriqueZoomClick(*suivant);
  });
  RubriqueZoomArriere = MenuAffichage->addAction(QStringLiteral("Zoom a&rrière"));
  RubriqueZoomArriere->setObjectName(QStringLiteral("RubriqueZoomArriere"));
  RubriqueZoomArriere->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Minus));
  RubriqueZoomArriere->setShortcutContext(Qt::WindowShortcut);
  connect(RubriqueZoomArriere, &QAction::triggered, this, [this] {
    const auto avant = std::lower_bound(zooms.begin(), zooms.end(), zoom_);
    if (avant != zooms.begin()) RubriqueZoomClick(*std::prev(avant));
  });
  MenuAffichage->addSeparator();
  RubriqueContraste = rubrique(MenuAffichage, "RubriqueContraste", "&Contraste renforcé", QKeySequence(),
                               &TfrmPlateau::RubriqueContrasteClick);
  RubriqueContraste->setCheckable(true);
  MenuAffichage->addSeparator();
  RubriqueScores = MenuAffichage->addAction(QStringLiteral("Fenêtre des &scores"));
  RubriqueScores->setObjectName(QStringLiteral("RubriqueScores"));
  connect(RubriqueScores, &QAction::triggered, this, [this] {
    if (montrerScores) montrerScores();
  });
  RubriqueMessages = MenuAffichage->addAction(QStringLiteral("Fenêtre des &messages"));
  RubriqueMessages->setObjectName(QStringLiteral("RubriqueMessages"));
  connect(RubriqueMessages, &QAction::triggered, this, [this] {
    if (montrerMessages) montrerMessages();
  });

  MenuAide = barre->addMenu(QStringLiteral("&?"));
  MenuAide->setObjectName(QStringLiteral("MenuAide"));
  RubriqueRecords = rubrique(MenuAide, "RubriqueRecords", "&Records...", QKeySequence(Qt::CTRL | Qt::Key_R),
                             &TfrmPlateau::RubriqueRecordsClick);
  MenuAide->addSeparator();
  RubriqueAide = rubrique(MenuAide, "RubriqueAide", "&Aide", QKeySequence(Qt::Key_F1), &TfrmPlateau::RubriqueAideClick);
  RubriqueAPropos = rubrique(MenuAide, "RubriqueAPropos", "À &propos...", QKeySequence(Qt::SHIFT | Qt::Key_F1),
                             &TfrmPlateau::RubriqueAProposClick);

  qApp->installEventFilter(new ClavierMenus(*this));

  if (!executerDialogue) {
    executerDialogue = [](QFileDialog& dialogue) {
      if (dialogue.exec() != QDialog::Accepted || dialogue.selectedFiles().isEmpty()) return QString();
      return dialogue.selectedFiles().constFirst();
    };
  }

  // The delay before a computer player's turn.
  Timer.setSingleShot(false);
  if (Timer.interval() <= 0) Timer.setInterval(3000);
  connect(&Timer, &QTimer::timeout, this, &TfrmPlateau::TimerTimer, Qt::UniqueConnection);
  afficherTitre(false);
}

QFileDialog& TfrmPlateau::OpenDialog() {
  if (dialogueOuvrir_ == nullptr) {
    dialogueOuvrir_ = new QFileDialog(this, QStringLiteral("Ouvrir une partie sauvegardée"));
    dialogueOuvrir_->setObjectName(QStringLiteral("OpenDialog"));
    dialogueOuvrir_->setOption(QFileDialog::DontUseNativeDialog);
    dialogueOuvrir_->setAcceptMode(QFileDialog::AcceptOpen);
    dialogueOuvrir_->setFileMode(QFileDialog::ExistingFile);
    dialogueOuvrir_->setNameFilters({QStringLiteral("Parties (*.ivd)"), QStringLiteral("Tous fichiers (*)")});
    dialogueOuvrir_->setDefaultSuffix(QStringLiteral("ivd"));
  }
  return *dialogueOuvrir_;
}

QFileDialog& TfrmPlateau::SaveDialog() {
  if (dialogueEnregistrer_ == nullptr) {
    dialogueEnregistrer_ = new QFileDialog(this);
    dialogueEnregistrer_->setObjectName(QStringLiteral("SaveDialog"));
    dialogueEnregistrer_->setOption(QFileDialog::DontUseNativeDialog);
    dialogueEnregistrer_->setOption(QFileDialog::DontConfirmOverwrite);
    dialogueEnregistrer_->setAcceptMode(QFileDialog::AcceptSave);
    dialogueEnregistrer_->setFileMode(QFileDialog::AnyFile);
    dialogueEnregistrer_->setNameFilters({QStringLiteral("Parties (*.ivd)"), QStringLiteral("Tous fichiers (*)")});
    dialogueEnregistrer_->setDefaultSuffix(QStringLiteral("ivd"));
  }
  return *dialogueEnregistrer_;
}

void TfrmPlateau::actualiserAnnuler() {
  if (RubriqueAnnuler == nullptr) return;
  RubriqueAnnuler->setEnabled(!occupe() && jeu.peutAnnuler(Retour::TourHumain));
  RubriqueRetablir->setEnabled(!occupe() && jeu.peutRetablir(Retour::TourHumain));
  RubriqueConseil->setEnabled(joueurHumainAuTrait());
}

// ---------------------------------------------------------------- hints

void TfrmPlateau::RubriqueConseilClick() {
  if (!joueurHumainAuTrait()) return;
  if (conseils_ == nullptr) {
    conseils_ = new TfrmConseils(this);
    conseils_->move(geometry().right() + 2, geometry().bottom() - 160);
    conseils_->choisi = [this](const Conseil& c) { montrerConseil(c); };
    conseils_->ferme = [this] { effacerConseil(); };
  }
  conseils_->montrer(jeu.conseils(5));
}

void TfrmPlateau::activerPasserSonTour(bool actif) {
  if (RubriquePasserSonTour != nullptr) RubriquePasserSonTour->setEnabled(actif);
}

void TfrmPlateau::activerContinuer(bool actif) {
  if (RubriqueContinuer != nullptr) RubriqueContinuer->setEnabled(actif);
}

void TfrmPlateau::MenuPartieClick() {
  actualiserAnnuler();
  if (Timer.isActive()) {
    RubriqueInterrompre->setEnabled(true);
    RubriqueInterrompreClick();
  }
}

void TfrmPlateau::MenuOptionsClick() { MenuPartieClick(); }

// ---------------------------------------------------------------- first showing

void TfrmPlateau::showEvent(QShowEvent* evenement) {
  QMainWindow::showEvent(evenement);
  if (!premierAffichage_) return;
  premierAffichage_ = false;
  FormShow();
}

void TfrmPlateau::FormShow() {
  if (parametres != nullptr) {
    // The display options kept from the last run.
    if (const auto z = parametres->lire(cleAffichage, cleZoom))
      if (const auto n = entierIni(*z)) definirZoom(*n);
    const auto c = parametres->lire(cleAffichage, cleContraste);
    definirContraste(c && *c == "O");
  }
  enregistrerMessages = parametres == nullptr || parametres->enregistrerMessages();
  if (RubriqueEnregistrerMessages != nullptr) RubriqueEnregistrerMessages->setChecked(enregistrerMessages);
  if (!partieACharger.isEmpty())
    ouvrirPartie(partieACharger);
  else
    // Asked once the board is on the screen behind the question.
    QTimer::singleShot(0, this, [this] { proposerReprise(); });
}

// ---------------------------------------------------------------- turn driver

void TfrmPlateau::demarrerTour() {
  // The hints were for the turn that ends.
  if (conseils_ != nullptr) conseils_->hide();
  effacerConseil();
  action = 0;
  ChangerEtape(1);
  actualiserAnnuler();
}

void TfrmPlateau::demarrerAutomate() {
  if (jeu.position().plateau.chronoActif) {
    // The turn has just been started by a command: the computer plays now.
    texteStatut(std::string());
    const Occupation o(*this);
    jeu.tourAutomate();
    return;
  }
  activerContinuer(true);
  if (parametres != nullptr && !parametres->interruption) {
    RubriqueInterrompre->setEnabled(true);
    texteStatut(cp1252::depuisUtf8(texteInterrompre));
    Timer.start();
    signalerAttente(texteAttenteDelai);
  } else {
    afficherTitre(false);
    texteStatut(cp1252::depuisUtf8(texteContinuer));
    signalerAttente(texteAttente);
  }
}

// Besides the status strip, the game's wait shows where a player looks.
void TfrmPlateau::signalerAttente(const char* invite) {
  if (attenteContinuer) attenteContinuer(invite == nullptr ? QString() : QString::fromUtf8(invite));
}

void TfrmPlateau::lacherEnMain() {
  if (jeu.position().lettreEnMain != 0) jeu.rendre();
  if (etape == 1) effacerLettreChoisie(false);
  if (etape == 2) etape = 1;
  action = 0;
  lettreChoisie = lettreDeplacee = 0;
  // The cells it was over are drawn again once nothing is in hand, so that
  // the keyboard's focus no longer shows the letter there.
  const std::pair<int, int> cellules[] = {{survolX, survolY}, {sourceX, sourceY}};
  survolX = survolY = destX = destY = sourceX = sourceY = -1;
  for (const auto& [r, c] : cellules)
    if (dansGrille(r) && dansGrille(c)) dessinerCellule(r, c, 0);
  curseurStandard();
}

void TfrmPlateau::TimerTimer() {
  if (!Timer.isActive()) return;  // already handled
  // While a play is being scored the delay keeps running and ends after it.
  if (occupe()) return;
  Timer.stop();
  jeu.brasser();
  RubriqueContinuerClick();
}

void TfrmPlateau::RubriqueContinuerClick() {
  if (occupe() || !jeu.position().enCours) return;
  signalerAttente(nullptr);
  // The delay, if one was running, is over: it must not start the turn again.
  Timer.stop();
  if (RubriqueInterrompre != nullptr) RubriqueInterrompre->setEnabled(false);
  afficherTitre(false);
  lacherEnMain();
  jeu.continuer();
}

void TfrmPlateau::RubriqueInterrompreClick() {
  if (RubriqueInterrompre == nullptr || !RubriqueInterrompre->isEnabled()) return;
  afficherTitre(true);
  Timer.stop();
  RubriqueInterrompre->setEnabled(false);
  texteStatut(cp1252::depuisUtf8(texteContinuer));
  signalerAttente(texteAttente);
}

// ---------------------------------------------------------------- game commands

void TfrmPlateau::RubriqueNouvelleClick() {
  if (occupe()) return;
  jeu.graine(static_cast<uint32_t>(jeu.horloge()));
  std::optional<Tablee> tablee = jeu.tablee();
  if (ouvrirJoueurs) tablee = ouvrirJoueurs(true);
  if (!tablee) return;
  if (occupe()) return;  // the dialog's own wait let a computer turn start
  lacherEnMain();
  Timer.stop();
  RubriqueInterrompre->setEnabled(false);
  afficherTitre(false);
  signalerAttente(nullptr);
  jeu.nouvellePartie(*tablee);
}

bool TfrmPlateau::ouvrirPartie(const QString& fichier) {
  if (occupe() || fichier.isEmpty()) return false;
  // A letter in hand goes back to the game it was taken from.
  lacherEnMain();
  if (!jeu.chargerPartie(nomSysteme(fichier))) return false;
  // The loaded game waits for Continue; a delay of the game before must not start it,
  // nor may the mouse play in the turn that was on before the load.
  Timer.stop();
  etape = 0;
  RubriqueInterrompre->setEnabled(false);
  if (chargerMessages) chargerMessages(fichier + QStringLiteral(".txt"));
  // "Enregistrer" now writes over the game opened, not over the file last
  // chosen for another game.
  fichierSauvegarde_ = fichier;
  changementsEnregistres_ = jeu.changements();
  afficherTitre(false);
  actualiserAnnuler();
  signalerAttente(texteAttente);
  return true;
}

void TfrmPlateau::RubriqueOuvrirClick() {
  if (occupe()) return;
  const QString fichier = executerDialogue(OpenDialog());
  if (fichier.isEmpty()) return;
  // A file that cannot be read leaves its reason in the status strip and the
  // game in play as it was.
  ouvrirPartie(fichier);
}

void TfrmPlateau::RubriqueEnregistrerClick() {
  if (occupe()) return;
  if (fichierSauvegarde_.isEmpty()) {
    RubriqueEnregistrerSousClick();
    return;
  }
  // A letter taken from the stock and not yet placed is saved in the stock.
  // A game that could not be saved keeps its failure in the status strip:
  // its log is not written over it.
  if (!jeu.enregistrerPartie(nomSysteme(fichierSauvegarde_))) return;
  changementsEnregistres_ = jeu.changements();
  afficherTitre(titrePauseAffiche_);
  if (enregistrerMessages && sauverMessages) sauverMessages(fichierSauvegarde_ + QStringLiteral(".txt"));
}

// ---------------------------------------------------------------- caption, quitting, resuming

void TfrmPlateau::afficherTitre(bool pause) {
  titrePauseAffiche_ = pause;
  QString titre = pause ? titrePause : titreNormal;
  if (!fichierSauvegarde_.isEmpty()) titre += QStringLiteral(" - ") + QFileInfo(fichierSauvegarde_).fileName();
  setWindowTitle(titre);
}

// A game in progress that changed since it was last saved is kept, without
// a question, for the next start to offer it again.
bool TfrmPlateau::garderPartieInterrompue() {
  if (fichierReprise.isEmpty() || !jeu.position().enCours || jeu.changements() == changementsEnregistres_) return true;
  QDir().mkpath(QFileInfo(fichierReprise).absolutePath());
  if (!jeu.enregistrerPartie(nomSysteme(fichierReprise))) return false;
  if (sauverMessages) sauverMessages(fichierReprise + QStringLiteral(".txt"));
  changementsEnregistres_ = jeu.changements();
  return true;
}

void TfrmPlateau::closeEvent(QCloseEvent* evenement) {
  if (!garderPartieInterrompue()) {
    const QString question =
        QStringLiteral("La partie en cours n'a pas pu être gardée (%1). Quitter quand même ?").arg(statut_);
    if (!demander(question)) {
      evenement->ignore();
      return;
    }
  }
  QMainWindow::closeEvent(evenement);
}

bool TfrmPlateau::demander(const QString& question) {
  if (repondre) return repondre(question);
  return QMessageBox::question(this, titreNormal, question, QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes) ==
         QMessageBox::Yes;
}

// At start: the game kept when the program was last closed, offered again.
// Either way the file goes; a game taken up is kept again at the next quit.
void TfrmPlateau::proposerReprise() {
  if (fichierReprise.isEmpty() || !QFileInfo::exists(fichierReprise)) return;
  const bool reprendre = demander(QStringLiteral("Reprendre la partie interrompue ?"));
  if (reprendre && ouvrirPartie(fichierReprise)) {
    fichierSauvegarde_.clear();
    afficherTitre(false);
    changementsEnregistres_ = jeu.changements() - 1;
  }
  QFile::remove(fichierReprise);
  QFile::remove(fichierReprise + QStringLiteral(".txt"));
}

void TfrmPlateau::RubriqueEnregistrerSousClick() {
  if (occupe()) return;
  const QString fichier = executerDialogue(SaveDialog());
  if (fichier.isEmpty()) return;
  fichierSauvegarde_ = fichier;
  RubriqueEnregistrerClick();
}

void TfrmPlateau::RubriquePasserSonTourClick() {
  if (occupe() || automateAuTrait() || !jeu.peutPasser()) return;
  // The letter in hand goes back to the stock before the turn ends.
  lacherEnMain();
  const Occupation o(*this);
  jeu.passer();
}

void TfrmPlateau::RubriqueAnnulerClick() {
  if (occupe() || !jeu.peutAnnuler(Retour::TourHumain)) return;
  // A delay running towards a computer's turn stops with the turn it was for.
  Timer.stop();
  RubriqueInterrompre->setEnabled(false);
  afficherTitre(false);
  lacherEnMain();
  signalerAttente(nullptr);
  const Occupation o(*this);
  jeu.annuler(Retour::TourHumain);
}

void TfrmPlateau::RubriqueRetablirClick() {
  if (occupe() || !jeu.peutRetablir(Retour::TourHumain)) return;
  Timer.stop();
  RubriqueInterrompre->setEnabled(false);
  afficherTitre(false);
  lacherEnMain();
  signalerAttente(nullptr);
  const Occupation o(*this);
  jeu.retablir(Retour::TourHumain);
}

void TfrmPlateau::RubriqueQuitterClick() { close(); }

// ---------------------------------------------------------------- options and side windows

void TfrmPlateau::RubriqueJoueursClick() {
  if (ouvrirJoueurs) ouvrirJoueurs(false);
}

void TfrmPlateau::RubriqueAutomatesClick() {
  if (ouvrirAutomates) ouvrirAutomates();
}

void TfrmPlateau::RubriqueEnregistrerMessagesClick() {
  // Run from the menu, the check mark has already turned; run otherwise, it turns here.
  RubriqueEnregistrerMessages->setChecked(!enregistrerMessages);
  enregistrerMessages = RubriqueEnregistrerMessages->isChecked();
  if (parametres == nullptr) return;
  const std::string erreur = parametres->ecrireEnregistrerMessages(enregistrerMessages);
  if (erreur.empty()) return;
  if (signalerErreur)
    signalerErreur(erreur);
  else
    QMessageBox::critical(this, titreNormal, QString::fromStdString(cp1252::versUtf8(erreur)));
}

void TfrmPlateau::RubriqueZoomClick(int pourcent) {
  definirZoom(pourcent);
  ecrireAffichage(cleZoom, std::to_string(zoom_));
}

void TfrmPlateau::RubriqueContrasteClick() {
  // Run from the menu, the check mark has already turned; run otherwise, it turns here.
  definirContraste(!contraste_);
  ecrireAffichage(cleContraste, contraste_ ? "O" : "N");
}

void TfrmPlateau::ecrireAffichage(const char* cle, const std::string& valeur) {
  if (parametres == nullptr) return;
  const std::string erreur = parametres->ecrire(cleAffichage, cle, valeur);
  if (erreur.empty()) return;
  if (signalerErreur)
    signalerErreur(erreur);
  else
    QMessageBox::critical(this, titreNormal, QString::fromStdString(cp1252::versUtf8(erreur)));
}

void TfrmPlateau::RubriqueRecordsClick() {
  if (ouvrirRecords) ouvrirRecords();
}

void TfrmPlateau::RubriqueAideClick() {
  if (ouvrirAide) ouvrirAide();
}

void TfrmPlateau::RubriqueAProposClick() {
  if (ouvrirAPropos) ouvrirAPropos();
}

}  // namespace irvad
