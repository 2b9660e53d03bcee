#pragma once
// Whole files read and written safely, for every file the program keeps: the
// saved game, its log, the settings and the word list.
//
// Reading opens regular files only and never waits: a folder, a device or a
// named pipe is refused at once, judged on the opened descriptor so that the
// name cannot change kind between the check and the read.
//
// Writing never leaves a half-written file in the target's place: the new
// content goes to a temporary file in the target's folder, is flushed to the
// disk, then renamed over the target in one step, and the folder itself is
// flushed so that the rename survives a power cut. The target keeps its
// permissions and owner; a symbolic link is written through, so that the file
// it names is replaced and the link stays. The temporary file's name is made
// from the target's ("." + the name's start + "~" + a hash of the name + "." +
// six characters), short enough for a target of the longest name the system
// allows; it stays locked while it is written, and the ones that no run holds
// any more (left by a run that was killed) are removed the next time the same
// target is written.
#include <sys/types.h>

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace irvad::fichiers {

// ---- Reading

enum class Lecture {
  reussie,
  absent,        // no such file (or a folder of its path is missing)
  ouverture,     // the file exists but cannot be opened (no right to read it)
  pasUnFichier,  // a folder, a device or a named pipe
  lecture,       // reading failed (a device error)
  tropGrand,     // larger than the caller allows
};

// A file opened for reading; closed with the object.
class Descripteur {
 public:
  Descripteur() = default;
  explicit Descripteur(int fd) : fd_(fd) {}
  Descripteur(Descripteur&& autre) noexcept : fd_(autre.fd_) { autre.fd_ = -1; }
  Descripteur& operator=(Descripteur&& autre) noexcept;
  Descripteur(const Descripteur&) = delete;
  Descripteur& operator=(const Descripteur&) = delete;
  ~Descripteur();
  int fd() const { return fd_; }
  bool ouvert() const { return fd_ >= 0; }
  // Closes now; false when the system reports an error (a write that failed late).
  bool fermer();

 private:
  int fd_ = -1;
};

// Opens a regular file for reading, without waiting on a named pipe. The size
// is the one the file had when opened.
struct Ouverture {
  Lecture etat = Lecture::absent;
  Descripteur fichier;
  std::uintmax_t taille = 0;
};
Ouverture ouvrir(const std::string& chemin);

// Reads up to n bytes, fewer only at the end of the file; false on an error.
bool lireAuPlus(int fd, char* tampon, std::size_t n, std::size_t& lus);

// The whole content of a regular file of at most tailleMax bytes. On any
// other result `contenu` is left empty.
Lecture lire(const std::string& chemin, std::string& contenu, std::size_t tailleMax);

// ---- Writing

enum class Ecriture {
  reussie,
  lectureSeule,  // the target may not be written: no write permission for anyone, or not for this user
  pasUnFichier,  // the target is a folder, a device or a named pipe
  temporaire,    // no file can be made in the target's folder (missing folder, no right to write there)
  ecriture,      // writing or flushing the temporary file failed (disk full, file size limit)
  remplacement,  // the temporary file could not take the target's place
};

// Writes all the bytes to the descriptor; false when any could not be
// written. The default one also flushes the file to the disk.
using Ecrivain = std::function<bool(int descripteur, std::string_view octets)>;
bool ecrireEtSynchroniser(int descripteur, std::string_view octets);

// Replaces the file `chemin` by `contenu` as told above. On any failure the
// old file is untouched and no temporary file is left behind.
Ecriture remplacer(const std::string& chemin, std::string_view contenu);
Ecriture remplacer(const std::string& chemin, std::string_view contenu, const Ecrivain& ecrivain);

// The file a name designates once its symbolic links are followed; the name
// itself when it is no link or the links loop.
std::string cible(const std::string& chemin);

// The name of the temporary files of a target, without the six characters
// that make each one unique: "dossier/.nom~0123456789abcdef.".
std::string prefixeTemporaire(const std::string& cible);

// Removes the temporary files "dossier/debut" + six letters or digits that
// no writer holds and that have not changed for `secondes`: those left by a
// writer that named its temporary files otherwise and did not lock them.
void nettoyerAnciens(const std::string& dossier, const std::string& debut, int secondes);

}  // namespace irvad::fichiers
