#include "Journal.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>

#include "Cp1252.h"

namespace irvad::journal {

namespace fs = std::filesystem;

namespace {

// The file a name designates once its symbolic links are followed; the name
// itself when it is no link (or the links loop).
fs::path suivreLiens(const fs::path& chemin) {
  fs::path courant = chemin;
  for (int i = 0; i < 40; ++i) {
    std::error_code erreur;
    if (!fs::is_symlink(fs::symlink_status(courant, erreur))) return courant;
    const fs::path cible = fs::read_symlink(courant, erreur);
    if (erreur) return courant;
    courant = cible.is_absolute() ? cible : courant.parent_path() / cible;
  }
  return chemin;
}

struct Descripteur {
  int fd = -1;
  ~Descripteur() {
    if (fd >= 0) ::close(fd);
  }
};

}  // namespace

std::vector<std::string> decouper(std::string_view contenu) {
  std::vector<std::string> lignes;
  std::size_t debut = 0;
  std::size_t i = 0;
  while (i < contenu.size()) {
    const char c = contenu[i];
    if (c == '\r' || c == '\n') {
      lignes.emplace_back(contenu.substr(debut, i - debut));
      i += (c == '\r' && i + 1 < contenu.size() && contenu[i + 1] == '\n') ? 2 : 1;
      debut = i;
    } else {
      ++i;
    }
  }
  if (debut < contenu.size()) lignes.emplace_back(contenu.substr(debut));
  return lignes;
}

std::string assembler(const std::vector<std::string>& lignes) {
  std::size_t taille = 0;
  for (const auto& l : lignes) taille += l.size() + 2;
  std::string texte;
  texte.reserve(taille);
  for (const auto& l : lignes) {
    texte += l;
    texte += "\r\n";
  }
  return texte;
}

Lecture lire(const std::string& chemin) {
  Lecture resultat;
  if (chemin.empty()) return resultat;
  std::error_code erreur;
  const fs::file_status etat = fs::status(chemin, erreur);
  if (!fs::exists(etat)) {
    // A name that cannot even be looked at (a file in its path, no right to
    // its folder) is a failure; a name that is simply not there is not.
    if (erreur && erreur != std::errc::no_such_file_or_directory && erreur != std::errc::not_a_directory)
      resultat.erreur = Erreur::ouverture;
    return resultat;
  }
  resultat.existe = true;
  // Without O_NONBLOCK a named pipe would hold the program until someone
  // writes into it; it is refused below like any file that is not a plain one.
  Descripteur f{::open(chemin.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK)};
  if (f.fd < 0) {
    resultat.erreur = Erreur::ouverture;
    return resultat;
  }
  struct stat infos{};
  if (::fstat(f.fd, &infos) != 0 || !S_ISREG(infos.st_mode)) {
    resultat.erreur = Erreur::lecture;
    return resultat;
  }
  if (static_cast<std::uintmax_t>(infos.st_size) > tailleMax) {
    resultat.erreur = Erreur::tropGrand;
    return resultat;
  }
  std::string contenu;
  contenu.resize(static_cast<std::size_t>(infos.st_size) + 1);
  std::size_t lu = 0;
  for (;;) {
    if (lu == contenu.size()) {
      // The file grew while being read.
      if (contenu.size() > tailleMax) {
        resultat.erreur = Erreur::tropGrand;
        return resultat;
      }
      contenu.resize(std::min<std::size_t>(contenu.size() * 2, tailleMax + 1));
    }
    const ssize_t n = ::read(f.fd, contenu.data() + lu, contenu.size() - lu);
    if (n < 0) {
      if (errno == EINTR || errno == EAGAIN) continue;
      resultat.erreur = Erreur::lecture;
      return resultat;
    }
    if (n == 0) break;
    lu += static_cast<std::size_t>(n);
  }
  contenu.resize(lu);
  resultat.lignes = decouper(contenu);
  return resultat;
}

bool ecrireDescripteur(int descripteur, std::string_view octets) {
  std::size_t fait = 0;
  while (fait < octets.size()) {
    const ssize_t n = ::write(descripteur, octets.data() + fait, octets.size() - fait);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    fait += static_cast<std::size_t>(n);
  }
  return ::fsync(descripteur) == 0;
}

Erreur ecrire(const std::string& chemin, const std::vector<std::string>& lignes) {
  return ecrire(chemin, lignes, ecrireDescripteur);
}

Erreur ecrire(const std::string& chemin, const std::vector<std::string>& lignes, const Ecrivain& ecrivain) {
  if (chemin.empty()) return Erreur::creation;
  const fs::path cible = suivreLiens(fs::path(chemin));

  struct stat infos{};
  const bool existe = ::stat(cible.c_str(), &infos) == 0;
  // Never put a file in the place of a folder, a device or a pipe.
  if (existe && !S_ISREG(infos.st_mode)) return Erreur::remplacement;

  // A short name of its own, so that a target whose name is already as long
  // as the system allows still gets its temporary file.
  const fs::path dossier = cible.has_parent_path() ? cible.parent_path() : fs::path(".");
  std::string modele = (dossier / ".journal.XXXXXX").string();
  const int fd = ::mkstemp(modele.data());
  if (fd < 0) return Erreur::creation;
  ::fchmod(fd, existe ? (infos.st_mode & 07777) : 0644);

  const std::string contenu = assembler(lignes);
  const bool ecrit = ecrivain(fd, contenu);
  const bool ferme = ::close(fd) == 0;
  if (!ecrit || !ferme) {
    ::unlink(modele.c_str());
    return Erreur::ecriture;
  }
  if (::rename(modele.c_str(), cible.c_str()) != 0) {
    ::unlink(modele.c_str());
    return Erreur::remplacement;
  }
  return Erreur::aucune;
}

std::string texteErreur(Erreur erreur, const std::string& chemin) {
  const std::string nom = cp1252::depuisUtf8(chemin);
  switch (erreur) {
    case Erreur::aucune:
      return {};
    case Erreur::ouverture:
      return "Impossible d'ouvrir le fichier " + nom;
    case Erreur::lecture:
      return "Erreur de lecture du fichier " + nom;
    case Erreur::tropGrand:
      return "Fichier trop grand pour un journal : " + nom;
    case Erreur::creation:
      return "Impossible de cr\xE9" "er le fichier " + nom;  // créer
    case Erreur::ecriture:
      return "Erreur d'\xE9" "criture dans le fichier " + nom;  // d'écriture
    case Erreur::remplacement:
      return "Impossible de remplacer le fichier " + nom;
  }
  return {};
}

}  // namespace irvad::journal
