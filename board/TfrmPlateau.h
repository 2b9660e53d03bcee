#pragma once
// The main window: the board of 91 hexagons with its numbers, the weight
// legend on the left, the current player's stock on the right and the status
// strip at the bottom; the play of a human turn with the mouse or the
// keyboard; the menus, the pause logic and the start of every turn.
//
// Everything is drawn into a backing image of the client area at the moment
// the game changes; the paint event only copies that image. Drawing and
// hit-tests work in the client's own units (640 x 500); at a zoom above
// 100 % the image is that many times larger and drawn at its own size, with
// smoothed text, not enlarged from the small one.
#include <QColor>
#include <QCursor>
#include <QFont>
#include <QImage>
#include <QMainWindow>
#include <QString>
#include <QTimer>
#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "Ecran.h"
#include "Jeu.h"

class QAction;
class QApplication;
class QKeyEvent;
class QPainter;
class QFileDialog;
class QMenu;

namespace irvad {

class Parametres;
class TfrmConseils;
class TfrmPlateau;

// Installs the French texts of Qt's own dialogs (qtbase_fr from Qt's
// translations folder); false when they cannot be found.
bool installerTraductionQt(QApplication& application);

// The client area: shows the backing image and hands the mouse and the keys
// to the window, in client units.
class SurfacePlateau : public QWidget {
  Q_OBJECT
 public:
  explicit SurfacePlateau(TfrmPlateau& fenetre);

 protected:
  void paintEvent(QPaintEvent* evenement) override;
  void mousePressEvent(QMouseEvent* evenement) override;
  void mouseMoveEvent(QMouseEvent* evenement) override;
  void mouseReleaseEvent(QMouseEvent* evenement) override;
  void keyPressEvent(QKeyEvent* evenement) override;
  bool focusNextPrevChild(bool suivant) override;

 private:
  QPoint client(const QMouseEvent* evenement) const;
  TfrmPlateau& fenetre_;
};

class TfrmPlateau : public QMainWindow {
  Q_OBJECT

 public:
  static constexpr int largeur = 640, hauteur = 500;
  static constexpr int hautStatut = 483;  // the status strip: y 483..499

  // The seven colour pairs, by owner number 0..6.
  static const std::array<QColor, 7> couleursClaires;
  static const std::array<QColor, 7> couleursFoncees;
  static const QColor couleurFond;  // the grey background

  // Cursor numbers: 1..26 the letters A..Z, then these three.
  static constexpr int curseurP1 = 27, curseurDepl = 28, curseurDP1 = 29;

  explicit TfrmPlateau(Jeu& jeu, QWidget* parent = nullptr);
  ~TfrmPlateau() override;

  Jeu& jeu;
  // The settings object (pause, interruption, log-saving option); without
  // one the defaults apply and nothing is written.
  Parametres* parametres = nullptr;

  // ---- What the other windows provide; the program's start-up wires them.
  // The player set-up dialog; the argument is true before a new game (the
  // number may change, the defaults are offered, and the seats chosen are
  // given back for the new game). Empty when cancelled.
  std::function<std::optional<Tablee>(bool avantNouvellePartie)> ouvrirJoueurs;
  std::function<void()> ouvrirAutomates;
  std::function<void()> ouvrirRecords;
  std::function<void()> ouvrirAide;
  std::function<void()> ouvrirAPropos;
  // Shows the scores or the messages window again after it was closed.
  std::function<void()> montrerScores;
  std::function<void()> montrerMessages;
  // The zoom or the contrast changed: the side windows follow.
  std::function<void()> affichageChange;
  // The game waits for "Continuer", with the words to say so; an empty text
  // when the wait is over.
  std::function<void(const QString& invite)> attenteContinuer;
  // Run once, when the board has first been painted on the screen.
  std::function<void()> premierePeinture;
  // The messages log beside a saved game (file name given in UTF-8).
  std::function<void(const QString& fichier)> chargerMessages;
  std::function<void(const QString& fichier)> sauverMessages;
  // Shows an error text (Windows-1252) of the settings file; a message box
  // when not wired.
  std::function<void(const std::string& erreur)> signalerErreur;
  // The saved game named on the command line, opened when the window is
  // first shown.
  QString partieACharger;
  // Where a game in progress is kept when the window closes, and offered
  // again when it is next shown; empty: nothing is kept.
  QString fichierReprise;
  // Answers a yes/no question (tests); a message box when not set.
  std::function<bool(const QString& question)> repondre;

  // ---- The screen operations the engine calls (engine texts are Windows-1252).
  void dessinerPlateau();
  void dessinerCellule(int r, int c, Couleur texte);
  void dessinerReserve(const joueur& j);
  void dessinerCoordonnees();
  void dessinerPoids();
  void texteStatut(const std::string& texte);
  void curseurStandard();
  void activerPasserSonTour(bool actif);
  void activerContinuer(bool actif);
  // Nothing in hand, then the first step of the next turn.
  void demarrerTour();
  // A play has been scored: the scoring step until the turn ends.
  void coupCompte();

  // ---- Drawing primitives at an anchor point.
  void hexagone(int x, int y, int k);
  void lettreHexagone(int x, int y, char lettre, int32_t nombre, int k, QColor texte);
  static QPoint ancreCellule(int r, int c) { return {30 * (c - r) + 316, 17 * (r + c) + 54}; }
  static QPoint ancreReserve(int l) { return {610 - 30 * (l % 2), 17 * l + 12}; }
  static QPoint ancrePoids(int l) { return {11 + 30 * (l % 2), 17 * l + 12}; }

  // ---- Hit-tests in client pixels: letter number 0..25, board cell (row, column).
  static std::optional<int> toucheReserve(int X, int Y);
  static std::optional<std::pair<int, int>> toucheCellule(int X, int Y);

  // ---- Mouse play of a human turn.
  void FormMouseMove(int X, int Y);
  void FormMouseUp(Qt::MouseButton bouton);
  void ChangerEtape(int e);
  void effacerLettreChoisie(bool garder);
  void effacerSurvol(bool garder);
  // A press of the left button: a stock letter or a token carried from
  // there to a cell and released plays as the two clicks would.
  void FormMouseDown(int X, int Y);

  // ---- The same play with the keyboard: a focus moves over the stock and
  // the board (arrows, Tab between them); Enter or Space takes the focused
  // letter, picks up the focused token or puts the one in hand down; a
  // letter key takes that letter; "+" harvests; Escape gives the letter back.
  // True when the key was used.
  bool touche(int cle, Qt::KeyboardModifiers modificateurs, const QString& texte);
  // Where the keyboard focus stands: on the stock (letter 0..25) or the board.
  struct Focus {
    bool surReserve = true;
    int lettre = 0;
    int r = 5, c = 5;
    bool operator==(const Focus&) const = default;
  };
  std::optional<Focus> focusClavier() const { return focus_; }

  // ---- Display options (menu "&Affichage"), kept in Irvad.ini.
  static constexpr std::array<int, 4> zooms = {100, 150, 200, 300};
  void definirZoom(int pourcent);
  int zoom() const { return zoom_; }
  void definirContraste(bool renforce);
  bool contraste() const { return contraste_; }

  // ---- Commands.
  void MenuPartieClick();
  void MenuOptionsClick();
  void RubriqueNouvelleClick();
  void RubriqueOuvrirClick();
  void RubriqueEnregistrerClick();
  void RubriqueEnregistrerSousClick();
  void RubriquePasserSonTourClick();
  void RubriqueContinuerClick();
  void RubriqueInterrompreClick();
  void RubriqueAnnulerClick();
  void RubriqueRetablirClick();
  void RubriqueConseilClick();
  // A hint shown on the board, or taken away: drawn over the cells, nothing played.
  void montrerConseil(const Conseil& c);
  void effacerConseil();
  // The hints' window, made when first asked for (null before).
  TfrmConseils* conseils() const { return conseils_; }
  void RubriqueQuitterClick();
  void RubriqueJoueursClick();
  void RubriqueAutomatesClick();
  void RubriqueEnregistrerMessagesClick();
  void RubriqueRecordsClick();
  void RubriqueAideClick();
  void RubriqueAProposClick();
  void RubriqueZoomClick(int pourcent);
  void RubriqueContrasteClick();
  void TimerTimer();
  // Opens a saved game (file name in UTF-8); the command line's file too.
  bool ouvrirPartie(const QString& fichier);

  // ---- State of the mouse play (see ChangerEtape).
  uint8_t etape = 0;   // 0 no game yet, 1 choose, 2 destination, 3 scoring
  uint8_t action = 0;  // 0 nothing in hand, 1 a stock letter, 2 a token to move
  int32_t survolX = -1, survolY = -1;
  int32_t destX = -1, destY = -1;
  int32_t sourceX = -1, sourceY = -1;
  char lettreChoisie = 0;
  char lettreDeplacee = 0;
  bool enregistrerMessages = true;

  // ---- Components, public for the program and its tests.
  SurfacePlateau* surface = nullptr;
  QMenu* MenuPartie = nullptr;
  QMenu* MenuOptions = nullptr;
  QMenu* MenuAffichage = nullptr;
  QMenu* MenuAide = nullptr;
  QAction* RubriqueNouvelle = nullptr;
  QAction* RubriqueOuvrir = nullptr;
  QAction* RubriqueEnregistrer = nullptr;
  QAction* RubriqueEnregistrerSous = nullptr;
  QAction* RubriquePasserSonTour = nullptr;
  QAction* RubriqueContinuer = nullptr;
  QAction* RubriqueInterrompre = nullptr;
  QAction* RubriqueAnnuler = nullptr;
  QAction* RubriqueRetablir = nullptr;
  QAction* RubriqueConseil = nullptr;
  QAction* RubriqueQuitter = nullptr;
  QAction* RubriqueJoueurs = nullptr;
  QAction* RubriqueAutomates = nullptr;
  QAction* RubriqueEnregistrerMessages = nullptr;
  QAction* RubriqueRecords = nullptr;
  QAction* RubriqueAide = nullptr;
  QAction* RubriqueAPropos = nullptr;
  std::array<QAction*, 4> RubriquesZoom{};
  QAction* RubriqueZoomAvant = nullptr;
  QAction* RubriqueZoomArriere = nullptr;
  QAction* RubriqueContraste = nullptr;
  QAction* RubriqueScores = nullptr;
  QAction* RubriqueMessages = nullptr;
  // The open and save dialogs, built when first used and then kept with
  // their folder.
  QFileDialog& OpenDialog();
  QFileDialog& SaveDialog();
  // Runs the open or save dialog and gives the file chosen, empty when
  // cancelled; tests put their own choice in its place.
  std::function<QString(QFileDialog& dialogue)> executerDialogue;
  QTimer Timer;

  const QImage& image() const { return image_; }
  QString statut() const { return statut_; }
  // The cursor number shown over the board, 0 for the standard arrow.
  int curseurActuel() const { return curseur_; }
  // The cursor of a number 1..29 (the standard arrow for any other) at a
  // zoom; each image is drawn once, when first asked for, and kept for the
  // whole run.
  static QCursor curseurNumero(int numero, int zoom = 100);
  // The file "&Enregistrer" writes to: the game last opened or saved (empty
  // before); the caption names it.
  QString fichierSauvegarde() const { return fichierSauvegarde_; }

 protected:
  void showEvent(QShowEvent* evenement) override;
  void closeEvent(QCloseEvent* evenement) override;
  // The surface shown again (first showing, restored from the task bar):
  // the whole board is drawn again, which takes any highlight away.
  bool eventFilter(QObject* objet, QEvent* evenement) override;

 private:
  friend class SurfacePlateau;
  void creerMenus();
  void FormShow();
  void ecrireAffichage(const char* cle, const std::string& valeur);
  // "Irvad" or "Irvad [PAUSE]", then the name of the game's file.
  void afficherTitre(bool pause);
  bool garderPartieInterrompue();
  void proposerReprise();
  bool demander(const QString& question);
  void signalerAttente(const char* invite);
  void dessinerStatut();
  // A painter on the backing image, in client units at the zoom in use.
  void preparer(QPainter& p) const;
  // The text colour readable on the light colour k, and the ring of a ripe
  // token, when the contrast is raised.
  QColor encreSur(int k) const;
  void anneauMur(int x, int y, int k);
  void dessinerFocus();
  void dessinerFocusSiSur(int r, int c);
  void effacerFocus();
  void placerFocus(const Focus& f);
  // The pointer's path to a focused item: its hover, as a mouse would give it.
  void survolerFocus();
  void poserFocusSurPlateau();
  std::pair<int, int> voisinFleche(int r, int c, int cle);
  void annulerEnMain();
  void direPourquoi(const Verdict& v, int x, int y);
  void surlignerLettre(int l, int32_t n, int k);
  // A hexagon filled with a dark colour, its letter and number in white.
  void caseSombre(int x, int y, char lettre, int32_t nombre, const QColor& fond);
  void montrerCurseur(int numero);
  void miseAJour(const QRect& boite);
  bool automateAuTrait() const;
  bool joueurHumainAuTrait() const;
  void demarrerAutomate();
  // The letter or token in hand goes back where it came from, and the
  // highlights go away; used before a command restarts or ends the turn.
  void lacherEnMain();
  // The game's own work (a play being scored, a computer turn) is running:
  // commands that would start or end a turn wait until it is done.
  bool occupe() const { return occupe_ > 0; }
  // Marks the window busy for the time of an engine action.
  class Occupation {
   public:
    explicit Occupation(TfrmPlateau& f) : f_(f) {
      ++f_.occupe_;
      f_.actualiserAnnuler();
    }
    ~Occupation() {
      --f_.occupe_;
      f_.actualiserAnnuler();
    }
    Occupation(const Occupation&) = delete;
    Occupation& operator=(const Occupation&) = delete;

   private:
    TfrmPlateau& f_;
  };
  // Undo and redo are offered when the game is not busy and there is something to take back or play again.
  void actualiserAnnuler();

  QImage image_;
  QFont policeLettres_;
  QFont policeNombres_;
  QFont policeStatut_;
  int zoom_ = 100;
  bool contraste_ = false;
  std::optional<Focus> focus_;
  Focus dernierFocus_;
  std::pair<int, int> dernierPlateau_{5, 5};
  int focusY_ = -1;  // the screen height a row of left or right moves keeps to
  // A left press on a stock letter or a token, and whether it is being carried.
  bool appui_ = false;
  QPoint pointAppui_;
  bool glisse_ = false;
  QString statut_;
  int curseur_ = 0;
  int occupe_ = 0;
  bool premierAffichage_ = true;
  bool surfaceMontree_ = false;
  QString fichierSauvegarde_;
  uint64_t changementsEnregistres_ = 0;
  bool titrePauseAffiche_ = false;
  TfrmConseils* conseils_ = nullptr;
  std::optional<Conseil> conseilMontre_;
  QFileDialog* dialogueOuvrir_ = nullptr;
  QFileDialog* dialogueEnregistrer_ = nullptr;
};

}  // namespace irvad
