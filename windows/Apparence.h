#pragma once
// What the side windows share in their look: the faces they name with
// installed faces of the same metrics in their place, the empty status strip
// at the foot of a dialog, and the width a window needs for its caption.
#include <QStatusBar>
#include <QString>
#include <QStringList>

class QFont;
class QPaintEvent;

namespace irvad {

// The faces of `familles` that are installed, in their order; all of them
// when none is (fontconfig then picks the nearest). A face that is not
// installed would make Qt ask fontconfig for its whole list of substitutes,
// the dearest step of a window's first painting, for the face that comes
// next in the list anyway.
QStringList famillesInstallees(const QStringList& familles);

// "MS Sans Serif" at `points`, else a face of the same widths (Microsoft
// Sans Serif, Arial, Liberation Sans), so that texts laid out for it fit.
QFont policeSansSerif(int points);
// "Courier New" at `points`, else Liberation Mono, of the same widths.
QFont policeFixe(int points);

// A status strip 19 pixels high along the foot of a window: a sunken panel
// across its width, no size grip. Empty unless a text is shown in it.
class BarreEtat : public QStatusBar {
  Q_OBJECT
 public:
  static constexpr int hauteur = 19;
  explicit BarreEtat(QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* evenement) override;
};

// The least width of a window whose caption reads `titre`: the text in a
// bold face a little larger than the title bars' usual one, and room for the
// icon and the three buttons most window managers put beside it.
int largeurPourTitre(const QString& titre);

}  // namespace irvad
