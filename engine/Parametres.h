#pragma once
// The program's settings and their file Irvad.ini: the computer players'
// pause, interruption and defaults, and the option that saves the log with
// each saved game. The file keeps the Windows initialisation-file format
// (sections in brackets, key=value lines, CR LF), read and written key by key
// so that every change reaches the file at once and unknown lines are kept.
#include <cstdint>
#include <optional>
#include <string>
#include <utility>

namespace irvad {

// One initialisation file, read and written a key at a time. Section and key
// names compare without regard to case; values are Windows-1252 bytes.
class FichierIni {
 public:
  FichierIni() = default;
  explicit FichierIni(std::string chemin) : chemin_(std::move(chemin)) {}

  const std::string& chemin() const { return chemin_; }

  // The value of a key (spaces around it removed, one pair of enclosing
  // quotes taken away), or nothing when the file, the section or the key is
  // missing.
  std::optional<std::string> lire(const std::string& section, const std::string& cle) const;

  // Replaces the key's line, adds it at the end of its section, or adds the
  // section at the end of the file. Every other byte of the file stays as it
  // was. The whole file is written through the engine's safe writer, so that
  // a failed write never leaves half a file; a file that exists but cannot be
  // read is never replaced. Creates the file's folder when it is missing.
  // False on failure: a folder that refuses new files makes the settings
  // move to the user's own file (Parametres::ecrire).
  bool ecrire(const std::string& section, const std::string& cle, const std::string& valeur);

  // Whether a write could succeed here, judged without writing: the file is
  // missing or writable, and its folder (or the nearest existing parent
  // folder) takes new files.
  bool inscriptible() const;

 private:
  std::string chemin_;
};

// A whole decimal integer with an optional sign, spaces around allowed;
// nothing for any other text or a number beyond 32 bits.
std::optional<int32_t> entierIni(const std::string& texte);

class Parametres {
 public:
  static constexpr const char* nomFichier = "Irvad.ini";
  static constexpr int32_t pauseMin = 0, pauseMax = 5, pauseParDefaut = 3;
  static constexpr int32_t tailleMin = 5, tailleMax = 9, tailleParDefaut = 5;

  // The settings in use. chargerParametres brings them into range.
  int32_t pause = pauseParDefaut;                // seconds, 0..5
  int32_t tailleMaxParDefaut = tailleParDefaut;  // 5..9
  bool interruption = true;
  bool deplacementsParDefaut = true;

  // The file beside the program, or the user's own when that folder cannot
  // be written; then reads the settings.
  Parametres();
  // The same choice between two given paths (either may be empty).
  Parametres(const std::string& cheminProgramme, const std::string& cheminUtilisateur);

  // repertoireProgramme() + "Irvad.ini"; empty when the folder is unknown.
  static std::string cheminProgramme();
  // $XDG_CONFIG_HOME/Irvad/Irvad.ini, ~/.config/Irvad/Irvad.ini without it.
  static std::string cheminUtilisateur();

  // The file read first and written to.
  const std::string& chemin() const { return fichier_.chemin(); }

  // Reads the section "Automate": missing keys and texts that are not
  // numbers give the defaults, numbers out of range their nearest bound, and
  // a flag is true exactly when its text is "O".
  void chargerParametres();

  // Writes "Pause", "TailleMax", "Interruption", "Deplacements" to section
  // "Automate", in this order. Returns the empty text on success, else
  // "Impossible d'écrire dans " and the file's path (Windows-1252); the keys
  // after the failing one are not written and the fields keep their values.
  std::string enregistrer();

  // False after enregistrer failed: the file then holds older values than
  // the ones in use, and the dialog shows the ones in use instead of
  // reading the file again.
  bool fichierAJour() const { return fichierAJour_; }

  // The board window's option "Enregistrer les &messages" (section
  // "Partie", key "EnregistrerMessages", default "O").
  bool enregistrerMessages() const;
  std::string ecrireEnregistrerMessages(bool valeur);

  // The interval of the delay timers: pause x 1000 ms, 1 ms for a pause of 0.
  int32_t intervalleMs() const { return pause == 0 ? 1 : pause * 1000; }

  // A key read from the file in use, else from the program's own file when
  // the user's file is in use, else nothing.
  std::optional<std::string> lire(const std::string& section, const std::string& cle) const;
  // Writes a key; when the program's folder refuses it, moves to the user's
  // file and writes there. Returns the error text as enregistrer does.
  std::string ecrire(const std::string& section, const std::string& cle, const std::string& valeur);

  static std::string texteErreur(const std::string& chemin);

 private:
  FichierIni fichier_;    // read first, written to
  FichierIni secours_;    // the program's own file, read when fichier_ lacks a key
  std::string utilisateur_;  // where to go when the program's folder refuses a write
  bool fichierAJour_ = true;
};

}  // namespace irvad
