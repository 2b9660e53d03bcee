#pragma once
// The dialog "À propos d'Irvad": the name of the game spelled in board
// tiles that light up one after the other in the players' colours, the
// version and credits, links to the home page and to write to the project,
// and a two-tile VU button that closes it. Each animation step also stirs
// the game's random generator.
//
// The tiles are drawn into an image of the client area as the timer goes
// on; the paint event shows that image.
#include <QColor>
#include <QDialog>
#include <QImage>
#include <QTimer>
#include <QUrl>
#include <array>
#include <cstdint>
#include <functional>

class QAction;
class QLabel;
class QMenu;

namespace irvad {

class Jeu;

class TfrmAPropos : public QDialog {
  Q_OBJECT

 public:
  static constexpr int largeur = 345, hauteur = 348;
  static constexpr int intervalleMs = 200;
  // The banner: two blank tiles, the five letters, two blank tiles.
  static constexpr const char* banniere = "  IRVAD  ";
  static constexpr int nbTuiles = 9;
  // The VU button: two tiles at (158, 282) and (170, 282).
  static constexpr int boutonGauche = 144, boutonDroite = 184, boutonHaut = 282, boutonBas = 314;
  // The light colours of the board, by colour index 0 (nobody) .. 6.
  static const std::array<QColor, 7> couleurs;
  static const QColor couleurFond;

  // `jeu` gives the random generator the animation stirs and the Escape key
  // reseeds; without it the dialog leaves the generator alone.
  explicit TfrmAPropos(QWidget* parent = nullptr, Jeu* jeu = nullptr);

  // One animation step: the next tile of the banner, then a stir of the
  // random generator.
  void TimerTimer();
  // Hover of the VU button (client pixels): its letters turn white inside
  // it, black outside, redrawn only when that changes.
  void FormMouseMove(int X, int Y);
  // A button released on the VU button closes the dialog (result OK).
  void FormMouseUp(int X, int Y);
  // "&Fermer" of the context menu, or Escape: reseeds the random generator
  // with the clock, then closes (result OK).
  void RubriqueFermerClick();
  // The links, handed to ouvrirLien.
  void LabelUrlClick();
  void LabelEMailClick();

  static bool dansBouton(int X, int Y);
  // The anchor of banner tile i (0..8), zigzagging like neighbouring cells.
  static QPoint ancreTuile(int i) { return {43 + 30 * i, i % 2 == 0 ? 20 : 37}; }

  // Opens a link with the desktop's default handler unless replaced.
  std::function<void(const QUrl&)> ouvrirLien;

  // The animation step: the number of tiles drawn since the dialog opened.
  int32_t etape() const { return etape_; }
  bool survol() const { return survol_; }
  // How many times the VU button was drawn.
  int dessinsBouton() const { return dessinsBouton_; }
  const QImage& image() const { return image_; }

  QLabel* Panel1;
  QLabel* Panel2;
  QLabel* Panel3;
  QLabel* LabelUrl;
  QLabel* LabelEMail;
  QMenu* PopupMenu;
  QAction* RubriqueFermer;
  QTimer Timer;

 protected:
  void showEvent(QShowEvent* evenement) override;
  void paintEvent(QPaintEvent* evenement) override;
  void mouseMoveEvent(QMouseEvent* evenement) override;
  void mouseReleaseEvent(QMouseEvent* evenement) override;
  void leaveEvent(QEvent* evenement) override;
  void contextMenuEvent(QContextMenuEvent* evenement) override;
  bool eventFilter(QObject* objet, QEvent* evenement) override;

 private:
  void tuile(int x, int y, int k);
  void lettreTuile(int x, int y, char lettre, int k, const QColor& texte);
  void dessinerBouton();

  Jeu* jeu_;
  QImage image_;
  int32_t etape_ = 0;
  bool survol_ = false;
  int dessinsBouton_ = 0;
};

}  // namespace irvad
