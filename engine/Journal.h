#pragma once
// The game log as a text file: its lines in order, each followed by CR LF,
// the last one included, no header, the bytes as the log holds them
// (Windows-1252). The messages window, the command line and the tests read
// and write it through these functions.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "Fichiers.h"

namespace irvad::journal {

// How a file operation ended.
enum class Erreur {
  aucune,
  ouverture,     // the file exists but cannot be opened
  lecture,       // reading it failed (a folder, a pipe, a device error)
  tropGrand,     // larger than tailleMax: no game writes such a log
  creation,      // the temporary file beside the target cannot be created
  ecriture,      // writing the temporary file failed (disk full...)
  remplacement,  // the target may not be replaced: read-only, a folder, or the rename failed
};

// A log is a few kilobytes; anything beyond this is refused unread rather
// than brought into memory.
constexpr std::uintmax_t tailleMax = std::uintmax_t{64} << 20;

struct Lecture {
  Erreur erreur = Erreur::aucune;
  bool existe = false;  // false: no such file, which is no failure
  std::vector<std::string> lignes;
  bool reussie() const { return erreur == Erreur::aucune; }
};

// Splits a text into lines: CR LF, a lone CR or a lone LF ends a line; a
// final line without terminator is kept; an empty text has no line. Every
// other byte, NUL included, stays in its line.
std::vector<std::string> decouper(std::string_view contenu);

// Each line followed by CR LF.
std::string assembler(const std::vector<std::string>& lignes);

// Reads a log file. A missing file gives no line and no error; a folder, a
// pipe or a device is refused at once.
Lecture lire(const std::string& chemin);

// Writes the lines to the file, replacing it, through the engine's safe
// writer (Fichiers.h): on any failure the old file stays as it was. The
// Ecrivain stands in for the disk in tests.
Erreur ecrire(const std::string& chemin, const std::vector<std::string>& lignes);
Erreur ecrire(const std::string& chemin, const std::vector<std::string>& lignes,
              const fichiers::Ecrivain& ecrivain);

// The French text of a failure for the status strip, with the file's name
// (given in the system's encoding, UTF-8), in Windows-1252. Empty for
// Erreur::aucune.
std::string texteErreur(Erreur erreur, const std::string& chemin);

// The log saved beside a game: the game's full file name followed by ".txt".
inline std::string fichierCompagnon(const std::string& partie) { return partie + ".txt"; }

}  // namespace irvad::journal
