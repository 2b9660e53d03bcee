#pragma once
// Pictures of the windows for the documentation: the board, scores and
// messages windows drawn on a saved game (or a new board), written as
// plateau.png, scores.png and messages.png at their real sizes, at a zoom of
// 100, 150, 200 or 300 %.
#include <QString>

namespace irvad {

// Returns the empty text on success, else what failed.
QString capturerFenetres(const QString& dossier, const QString& partie, int zoom = 100);

}  // namespace irvad
