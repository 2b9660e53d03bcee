#pragma once
// The saved-game file type on the Linux desktop: a desktop entry for the
// program, the MIME type application/x-irvad ("Partie d'Irvad", *.ivd) and
// the program as its default opener, written once for the current user.
#include <QString>

namespace irvad {

// Run at start. Writes what is missing under $XDG_DATA_HOME (applications,
// mime/packages, icons) and $XDG_CONFIG_HOME/mimeapps.list, then refreshes
// the MIME and desktop databases when their tools are installed. Leaves
// everything alone where another program already claims *.ivd, and keeps
// every file that exists. `programme` is the executable's real path (the
// running one when empty). Returns the empty text on success or when there
// was nothing to do, else a French text saying what failed; a failure never
// stops the program.
QString enregistrerTypeDeFichier(const QString& programme = QString());

}  // namespace irvad
