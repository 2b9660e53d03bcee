#include "Fichiers.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <limits>
#include <system_error>

namespace irvad::fichiers {

namespace fs = std::filesystem;

namespace {

// How many characters of the target's name its temporary files show.
constexpr std::size_t debutNom = 64;
// The characters mkstemp puts in place of XXXXXX.
constexpr std::size_t longueurUnique = 6;

uint64_t hacher(std::string_view texte) {
  uint64_t h = 0xcbf29ce484222325u;  // FNV-1a
  for (unsigned char c : texte) {
    h ^= c;
    h *= 0x100000001b3u;
  }
  return h;
}

std::string dossierDe(const std::string& chemin) {
  const fs::path p(chemin);
  return p.has_parent_path() ? p.parent_path().string() : std::string(".");
}

// Removes the files "dossier/debut" + six letters or digits, last changed
// before `avant`, that no writer holds any more. A writer keeps its temporary
// file locked until the rename, so a file whose lock can be taken was left by
// a run that died.
void nettoyer(const std::string& dossier, const std::string& debut, time_t avant) {
  DIR* d = ::opendir(dossier.c_str());
  if (d == nullptr) return;
  while (const dirent* e = ::readdir(d)) {
    const std::string_view nom(e->d_name);
    if (nom.size() != debut.size() + longueurUnique || nom.substr(0, debut.size()) != debut) continue;
    bool unique = true;
    for (char c : nom.substr(debut.size())) unique = unique && std::isalnum(static_cast<unsigned char>(c));
    if (!unique) continue;
    const std::string chemin = dossier + "/" + std::string(nom);
    Descripteur f(::open(chemin.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY));
    struct stat infos{};
    if (!f.ouvert() || ::fstat(f.fd(), &infos) != 0 || !S_ISREG(infos.st_mode)) continue;
    if (infos.st_mtime >= avant) continue;
    if (::flock(f.fd(), LOCK_EX | LOCK_NB) == 0) ::unlink(chemin.c_str());
  }
  ::closedir(d);
}

// While it lives, a write beyond the size limit of the process (ulimit -f)
// fails with an error instead of killing the program with SIGXFSZ.
class SansSignalTaille {
 public:
  SansSignalTaille() {
    sigemptyset(&signal_);
    sigaddset(&signal_, SIGXFSZ);
    ::pthread_sigmask(SIG_BLOCK, &signal_, &ancien_);
    sigset_t enAttente;
    sigemptyset(&enAttente);
    ::sigpending(&enAttente);
    dejaEnAttente_ = sigismember(&enAttente, SIGXFSZ) == 1;
  }
  ~SansSignalTaille() {
    if (!dejaEnAttente_) {
      const timespec zero{};
      while (::sigtimedwait(&signal_, nullptr, &zero) == SIGXFSZ) {
      }
    }
    ::pthread_sigmask(SIG_SETMASK, &ancien_, nullptr);
  }
  SansSignalTaille(const SansSignalTaille&) = delete;
  SansSignalTaille& operator=(const SansSignalTaille&) = delete;

 private:
  sigset_t signal_{};
  sigset_t ancien_{};
  bool dejaEnAttente_ = false;
};

// Flushes a folder's entries (the rename) to the disk. File systems that
// cannot flush a folder say so with EINVAL; that is no failure.
bool synchroniserDossier(const std::string& dossier) {
  Descripteur d(::open(dossier.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (!d.ouvert()) return true;
  return ::fsync(d.fd()) == 0 || errno == EINVAL || errno == EROFS || errno == ENOTSUP;
}

}  // namespace

Descripteur& Descripteur::operator=(Descripteur&& autre) noexcept {
  if (this != &autre) {
    if (fd_ >= 0) ::close(fd_);
    fd_ = autre.fd_;
    autre.fd_ = -1;
  }
  return *this;
}

Descripteur::~Descripteur() { fermer(); }

bool Descripteur::fermer() {
  if (fd_ < 0) return true;
  const int fd = fd_;
  fd_ = -1;
  return ::close(fd) == 0;
}

Ouverture ouvrir(const std::string& chemin) {
  Ouverture o;
  if (chemin.empty()) return o;
  // A device is not even opened (opening some has effects); a name that
  // changes kind after this look is caught on the descriptor below.
  struct stat infos{};
  if (::stat(chemin.c_str(), &infos) != 0) {
    o.etat = errno == ENOENT || errno == ENOTDIR ? Lecture::absent : Lecture::ouverture;
    return o;
  }
  if (!S_ISREG(infos.st_mode)) {
    o.etat = Lecture::pasUnFichier;
    return o;
  }
  // Without O_NONBLOCK a named pipe would hold the program until someone
  // writes into it.
  Descripteur f(::open(chemin.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
  if (!f.ouvert()) {
    o.etat = errno == ENOENT || errno == ENOTDIR ? Lecture::absent : Lecture::ouverture;
    return o;
  }
  if (::fstat(f.fd(), &infos) != 0 || !S_ISREG(infos.st_mode)) {
    o.etat = Lecture::pasUnFichier;
    return o;
  }
  o.etat = Lecture::reussie;
  o.taille = static_cast<std::uintmax_t>(infos.st_size);
  o.fichier = std::move(f);
  return o;
}

bool lireAuPlus(int fd, char* tampon, std::size_t n, std::size_t& lus) {
  lus = 0;
  while (lus < n) {
    const ssize_t k = ::read(fd, tampon + lus, n - lus);
    if (k < 0) {
      if (errno == EINTR || errno == EAGAIN) continue;
      return false;
    }
    if (k == 0) break;
    lus += static_cast<std::size_t>(k);
  }
  return true;
}

Lecture lire(const std::string& chemin, std::string& contenu, std::size_t tailleMax) {
  contenu.clear();
  Ouverture o = ouvrir(chemin);
  if (o.etat != Lecture::reussie) return o.etat;
  if (o.taille > tailleMax) return Lecture::tropGrand;
  // One byte more than allowed, to notice a file that grew since it was opened.
  std::string octets(static_cast<std::size_t>(o.taille) + 1, '\0');
  std::size_t lus = 0;
  for (;;) {
    std::size_t k = 0;
    if (!lireAuPlus(o.fichier.fd(), octets.data() + lus, octets.size() - lus, k)) return Lecture::lecture;
    lus += k;
    if (lus < octets.size()) break;
    if (octets.size() > tailleMax) return Lecture::tropGrand;
    octets.resize(std::min(2 * octets.size(), tailleMax + 1));
  }
  octets.resize(lus);
  contenu = std::move(octets);
  return Lecture::reussie;
}

bool ecrireEtSynchroniser(int descripteur, std::string_view octets) {
  std::size_t fait = 0;
  while (fait < octets.size()) {
    const ssize_t n = ::write(descripteur, octets.data() + fait, octets.size() - fait);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    fait += static_cast<std::size_t>(n);
  }
  return ::fsync(descripteur) == 0;
}

std::string cible(const std::string& chemin) {
  fs::path courant(chemin);
  for (int i = 0; i < 40; ++i) {
    std::error_code erreur;
    if (!fs::is_symlink(fs::symlink_status(courant, erreur))) return courant.string();
    const fs::path suivant = fs::read_symlink(courant, erreur);
    if (erreur) return courant.string();
    courant = suivant.is_absolute() ? suivant : courant.parent_path() / suivant;
  }
  return chemin;
}

void nettoyerAnciens(const std::string& dossier, const std::string& debut, int secondes) {
  nettoyer(dossier, debut, ::time(nullptr) - secondes);
}

std::string prefixeTemporaire(const std::string& cible) {
  const std::string nom = fs::path(cible).filename().string();
  char hache[17];
  std::snprintf(hache, sizeof hache, "%016llx", static_cast<unsigned long long>(hacher(nom)));
  return dossierDe(cible) + "/." + nom.substr(0, debutNom) + "~" + hache + ".";
}

Ecriture remplacer(const std::string& chemin, std::string_view contenu) {
  return remplacer(chemin, contenu, ecrireEtSynchroniser);
}

Ecriture remplacer(const std::string& chemin, std::string_view contenu, const Ecrivain& ecrivain) {
  if (chemin.empty()) return Ecriture::temporaire;
  const std::string vrai = cible(chemin);
  struct stat infos{};
  const bool existe = ::stat(vrai.c_str(), &infos) == 0;
  if (existe && !S_ISREG(infos.st_mode)) return Ecriture::pasUnFichier;
  // A file nobody may write is read-only for every user, the superuser too.
  if (existe && ((infos.st_mode & 0222) == 0 || ::access(vrai.c_str(), W_OK) != 0)) return Ecriture::lectureSeule;

  const std::string prefixe = prefixeTemporaire(vrai);
  nettoyer(dossierDe(prefixe), fs::path(prefixe).filename().string(), std::numeric_limits<time_t>::max());
  std::string temporaire = prefixe + std::string(longueurUnique, 'X');
  Descripteur f(::mkostemp(temporaire.data(), O_CLOEXEC));
  if (!f.ouvert()) return Ecriture::temporaire;
  // The lock lives on a descriptor of its own, so that it is held until the
  // rename while the written one is closed and checked before it.
  Descripteur verrou(::open(temporaire.c_str(), O_RDONLY | O_CLOEXEC));
  if (verrou.ouvert()) ::flock(verrou.fd(), LOCK_EX | LOCK_NB);
  auto abandonner = [&](Ecriture e) {
    ::unlink(temporaire.c_str());
    return e;
  };

  mode_t mode;
  if (existe) {
    // Only the superuser can give the file back to its owner; for anyone
    // else the file already is theirs, or keeps their group when allowed.
    if (::fchown(f.fd(), infos.st_uid, infos.st_gid) != 0) (void)::fchown(f.fd(), static_cast<uid_t>(-1), infos.st_gid);
    mode = infos.st_mode & 07777;
  } else {
    const mode_t masque = ::umask(0);
    ::umask(masque);
    mode = 0666 & ~masque;
  }
  if (::fchmod(f.fd(), mode) != 0) return abandonner(Ecriture::temporaire);

  bool ecrit;
  {
    const SansSignalTaille garde;
    ecrit = ecrivain(f.fd(), contenu);
  }
  const bool ferme = f.fermer();
  if (!ecrit || !ferme) return abandonner(Ecriture::ecriture);
  if (::rename(temporaire.c_str(), vrai.c_str()) != 0) return abandonner(Ecriture::remplacement);
  if (!synchroniserDossier(dossierDe(vrai))) return Ecriture::ecriture;
  return Ecriture::reussie;
}

}  // namespace irvad::fichiers
