#include "Demarrage.h"

#include <QApplication>
#include <QDesktopServices>
#include <QMessageBox>
#include <QScreen>
#include <QStandardPaths>
#include <QTimer>
#include <QUrl>

#include "Bureau.h"
#include "Cp1252.h"
#include "TfrmAPropos.h"
#include "TfrmDico.h"
#include "TfrmMessages.h"
#include "TfrmNomJoueurs.h"
#include "TfrmParametresAutomates.h"
#include "TfrmPlateau.h"
#include "TfrmRecords.h"
#include "TfrmScores.h"

namespace irvad {

void preparerApplication(QApplication& application) {
  QApplication::setApplicationName(QStringLiteral("Irvad"));
  QApplication::setOrganizationName(QStringLiteral("Tavo"));
  QApplication::setApplicationVersion(QStringLiteral(IRVAD_VERSION));
  // No display name: Qt would add it to every window title ("Messages —
  // Irvad"), and each window carries its own title.
  QApplication::setDesktopFileName(QStringLiteral("irvad"));
  installerTraductionQt(application);
}

Programme::Programme() = default;

Programme::~Programme() {
  // The engine may still call the screen while the windows go away.
  ecran.plateau = nullptr;
  ecran.scores = nullptr;
  ecran.messages = nullptr;
  ecran.records = nullptr;
}

void Programme::creer(std::optional<Parametres> reglages, bool enregistrerType, bool differer) {
  // The word list first, with its loading dialog; on failure the dialog
  // stays with the reason and the program starts all the same. Deferred, it
  // comes once the board is on the screen (finirDemarrage).
  if (!differer) jeu.chargerDico();

  plateau = std::make_unique<TfrmPlateau>(jeu);
  ecran.plateau = plateau.get();
  if (enregistrerType && !differer) enregistrerType_();
  scores = new TfrmScores(jeu, plateau.get());
  ecran.scores = scores;
  messages = new TfrmMessages(plateau.get());
  ecran.messages = messages;
  if (reglages)
    parametres.emplace(std::move(*reglages));
  else
    parametres.emplace();
  premierDemarrage_ = !parametres->lire("Automate", "Pause") && !parametres->lire("Partie", "EnregistrerMessages");
  // Each seat's computer level, kept in Irvad.ini (saved games do not hold
  // it): a loaded game's computer seats play at these levels.
  {
    Tablee t = jeu.tablee();
    for (std::size_t i = 0; i < t.sieges.size(); ++i)
      if (const auto v = parametres->lire("Automate", "Niveau" + std::to_string(i + 1)))
        t.sieges[i].niveau = *v == "Expert" ? Niveau::Expert : Niveau::Standard;
    jeu.reglerJoueurs(t);
  }
  if (premierDemarrage_) {
    // A first start offers a game of one player against the computer.
    Tablee t = jeu.tablee();
    t.nombre = 2;
    t.sieges[0].automate = false;
    t.sieges[1].automate = true;
    jeu.reglerJoueurs(t);
  }
  if (!differer) creerRecords();
  relier();
  appliquerIntervalle();
}

void Programme::enregistrerType_() {
  const QString erreur = enregistrerTypeDeFichier();
  // Shown once the event loop runs, so that a failure never holds up the
  // start; the game goes on without the file type.
  if (!erreur.isEmpty())
    QTimer::singleShot(0, plateau.get(), [this, erreur] {
      QMessageBox::critical(plateau.get(), QStringLiteral("Irvad"), erreur);
    });
}

void Programme::creerRecords() {
  if (records != nullptr) return;
  records = new TfrmRecords(plateau.get());
  ecran.records = records;
}

// What the start can leave until the board is painted: the word list (no
// play needs it before the first turn), the records window, the file type.
void Programme::finirDemarrage(bool enregistrerType) {
  jeu.chargerDico();
  // A word list that failed to load leaves its dialog with the reason, above the board.
  if (ecran.dico) ecran.dico->garderAuDessusDe(plateau.get());
  creerRecords();
  if (enregistrerType) enregistrerType_();
}

void Programme::demarrer(const QString& partie, bool enregistrerType) {
  creer(std::nullopt, enregistrerType, /*differer=*/true);
  plateau->premierePeinture = [this, enregistrerType] {
    QTimer::singleShot(0, plateau.get(), [this, enregistrerType] { finirDemarrage(enregistrerType); });
  };
  plateau->partieACharger = partie;
  // $XDG_DATA_HOME/Irvad/, ~/.local/share/Irvad/ without it.
  plateau->fichierReprise = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
                            QStringLiteral("/Irvad/partie-interrompue.ivd");
  plateau->show();
  if (premierDemarrage_ && partie.isEmpty())
    plateau->texteStatut(cp1252::depuisUtf8(
        "Bienvenue ! Pour commencer une partie, appuyez sur F4 ou choisissez « Partie » puis « Nouvelle »."));
}

// Their places are those of a board at 100 %: at a larger zoom the board
// would cover them. A side window over the board, or still where this put
// it (the player did not move it), goes beside the board's right edge, the
// messages below the scores, kept on the screen.
void Programme::placerAnnexes() {
  const QRect cadre = plateau->frameGeometry();
  const QRect bureau = plateau->screen()->availableGeometry();
  auto placer = [&](QWidget* fenetre, QPoint& place, int haut) {
    const QRect actuel = fenetre->frameGeometry();
    if (!actuel.intersects(cadre) && (place.isNull() || actuel.topLeft() != place)) return;
    const int x = std::max(bureau.left(), std::min(cadre.right() + 7, bureau.right() + 1 - actuel.width()));
    const int y = std::max(bureau.top(), std::min(haut, bureau.bottom() + 1 - actuel.height()));
    fenetre->move(x, y);
    place = fenetre->frameGeometry().topLeft();
  };
  placer(scores, placeScores_, cadre.top());
  placer(messages, placeMessages_, std::max(cadre.top() + 152, scores->frameGeometry().bottom() + 7));
}

void Programme::appliquerIntervalle() {
  const int ms = parametres->intervalleMs();
  plateau->Timer.setInterval(ms);
  messages->definirIntervalle(ms);
}

void Programme::relier() {
  TfrmPlateau* fenetre = plateau.get();
  fenetre->parametres = &*parametres;
  messages->statut = [fenetre](const QString& texte) {
    fenetre->texteStatut(cp1252::depuisUtf8(texte.toStdString()));
  };
  fenetre->ouvrirJoueurs = [this, fenetre](bool avant) {
    const std::optional<Tablee> choix = TfrmNomJoueurs::executer(jeu, *parametres, fenetre, avant);
    if (choix)
      for (std::size_t i = 0; i < choix->sieges.size(); ++i) {
        const std::string erreur = parametres->ecrire("Automate", "Niveau" + std::to_string(i + 1),
                                                      choix->sieges[i].niveau == Niveau::Expert ? "Expert" : "Standard");
        if (!erreur.empty()) {
          TfrmParametresAutomates::signalerErreur(fenetre, erreur);
          break;
        }
      }
    return choix;
  };
  fenetre->ouvrirAutomates = [this, fenetre] {
    TfrmParametresAutomates dialogue(*parametres, fenetre);
    QObject::connect(&dialogue, &TfrmParametresAutomates::parametresAppliques, fenetre,
                     [this] { appliquerIntervalle(); });
    dialogue.exec();
    // Showing the dialog reads the file again, which may change the pause.
    appliquerIntervalle();
  };
  fenetre->ouvrirRecords = [this] {
    creerRecords();
    records->exec();
  };
  fenetre->ouvrirAide = [] {
    QDesktopServices::openUrl(
        QUrl::fromLocalFile(QString::fromStdString(cp1252::versUtf8(repertoireProgramme())) +
                            QStringLiteral("Irvad.html")));
  };
  fenetre->ouvrirAPropos = [this, fenetre] {
    TfrmAPropos dialogue(fenetre, &jeu);
    dialogue.exec();
  };
  fenetre->attenteContinuer = [this, fenetre](const QString& invite) {
    if (invite.isEmpty())
      messages->finAttenteContinuer();
    else
      messages->attendreContinuer(invite, [fenetre] { fenetre->RubriqueContinuerClick(); });
  };
  fenetre->affichageChange = [this, fenetre] {
    scores->definirZoom(fenetre->zoom());
    messages->definirZoom(fenetre->zoom());
    placerAnnexes();
  };
  fenetre->montrerScores = [this] {
    scores->show();
    scores->raise();
  };
  fenetre->montrerMessages = [this] {
    messages->show();
    messages->raise();
  };
  fenetre->chargerMessages = [this](const QString& fichier) { messages->chargerMessages(fichier); };
  fenetre->sauverMessages = [this](const QString& fichier) { messages->sauverMessages(fichier); };
  fenetre->signalerErreur = [fenetre](const std::string& erreur) {
    TfrmParametresAutomates::signalerErreur(fenetre, erreur);
  };
}

}  // namespace irvad
