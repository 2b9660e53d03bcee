#include "Parametres.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstdlib>
#include <filesystem>
#include <vector>

#include "Cp1252.h"
#include "Dico.h"
#include "Fichiers.h"

namespace irvad {

namespace {

namespace fs = std::filesystem;

// A line of the file: its text and the end-of-line bytes it came with.
struct Ligne {
  std::string texte;
  std::string fin;
};

std::vector<Ligne> decouper(const std::string& contenu) {
  std::vector<Ligne> lignes;
  std::size_t debut = 0;
  while (debut < contenu.size()) {
    const std::size_t lf = contenu.find('\n', debut);
    if (lf == std::string::npos) {
      lignes.push_back({contenu.substr(debut), {}});
      break;
    }
    std::size_t finTexte = lf;
    if (finTexte > debut && contenu[finTexte - 1] == '\r') --finTexte;
    lignes.push_back({contenu.substr(debut, finTexte - debut), contenu.substr(finTexte, lf + 1 - finTexte)});
    debut = lf + 1;
  }
  return lignes;
}

std::string rogner(const std::string& texte) {
  auto blanc = [](unsigned char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
  std::size_t a = 0, b = texte.size();
  while (a < b && blanc(static_cast<unsigned char>(texte[a]))) ++a;
  while (b > a && blanc(static_cast<unsigned char>(texte[b - 1]))) --b;
  return texte.substr(a, b - a);
}

bool memeNom(const std::string& a, const std::string& b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
         });
}

// The section named by a line "[name]", or nothing for any other line.
std::optional<std::string> nomSection(const std::string& texte) {
  const std::string t = rogner(texte);
  if (t.empty() || t.front() != '[') return std::nullopt;
  const std::size_t fin = t.find(']');
  return rogner(t.substr(1, fin == std::string::npos ? std::string::npos : fin - 1));
}

// The key and value of a line "key=value"; nothing for comments and others.
std::optional<std::pair<std::string, std::string>> cleValeur(const std::string& texte) {
  const std::string t = rogner(texte);
  if (t.empty() || t.front() == ';') return std::nullopt;
  const std::size_t egal = t.find('=');
  if (egal == std::string::npos) return std::nullopt;
  return std::make_pair(rogner(t.substr(0, egal)), rogner(t.substr(egal + 1)));
}

// A settings file is a few hundred bytes; a larger one than this is not
// read, and so never replaced either.
constexpr std::size_t tailleMaxIni = std::size_t{16} << 20;

// The whole file; nothing when it is missing or cannot be read (a folder, a
// pipe, no right to read it), which never holds the program up.
std::optional<std::string> lireTout(const std::string& chemin, bool& absent) {
  std::string contenu;
  const fichiers::Lecture lu = fichiers::lire(chemin, contenu, tailleMaxIni);
  absent = lu == fichiers::Lecture::absent;
  if (lu != fichiers::Lecture::reussie) return std::nullopt;
  return contenu;
}

}  // namespace

std::optional<int32_t> entierIni(const std::string& texte) {
  std::string t = rogner(texte);
  if (!t.empty() && t.front() == '+') t.erase(0, 1);
  if (t.empty() || t.front() == '+') return std::nullopt;
  int32_t valeur = 0;
  const auto [fin, erreur] = std::from_chars(t.data(), t.data() + t.size(), valeur);
  if (erreur != std::errc() || fin != t.data() + t.size()) return std::nullopt;
  return valeur;
}

std::optional<std::string> FichierIni::lire(const std::string& section, const std::string& cle) const {
  if (chemin_.empty()) return std::nullopt;
  bool absent = false;
  const auto contenu = lireTout(chemin_, absent);
  if (!contenu) return std::nullopt;
  // Only the first section of that name counts, as for a write.
  bool dedans = false;
  for (const Ligne& ligne : decouper(*contenu)) {
    if (const auto nom = nomSection(ligne.texte)) {
      if (dedans) break;
      dedans = memeNom(*nom, section);
      continue;
    }
    if (!dedans) continue;
    const auto paire = cleValeur(ligne.texte);
    if (!paire || !memeNom(paire->first, cle)) continue;
    std::string valeur = paire->second;
    if (valeur.size() >= 2 && (valeur.front() == '"' || valeur.front() == '\'') && valeur.back() == valeur.front())
      valeur = valeur.substr(1, valeur.size() - 2);
    return valeur;
  }
  return std::nullopt;
}

bool FichierIni::ecrire(const std::string& section, const std::string& cle, const std::string& valeur) {
  if (chemin_.empty()) return false;
  bool absent = false;
  auto lu = lireTout(chemin_, absent);
  if (!lu && !absent) return false;  // never replace a file that could not be read
  const std::string contenu = lu ? std::move(*lu) : std::string();
  std::vector<Ligne> lignes = decouper(contenu);
  const std::string nouvelle = cle + "=" + valeur;
  const std::string crlf = "\r\n";

  // The key's line when its section holds it; otherwise the section's last
  // non-blank line, after which the key goes.
  bool dedans = false, remplacee = false;
  std::optional<std::size_t> derniere;
  for (std::size_t i = 0; i < lignes.size() && !remplacee; ++i) {
    if (const auto nom = nomSection(lignes[i].texte)) {
      if (derniere) break;  // the end of the first section of that name
      dedans = memeNom(*nom, section);
      if (dedans) derniere = i;
      continue;
    }
    if (!dedans) continue;
    if (!rogner(lignes[i].texte).empty()) derniere = i;
    const auto paire = cleValeur(lignes[i].texte);
    if (paire && memeNom(paire->first, cle)) {
      lignes[i] = {nouvelle, crlf};
      remplacee = true;
    }
  }
  if (!remplacee && derniere) {
    if (lignes[*derniere].fin.empty()) lignes[*derniere].fin = crlf;
    lignes.insert(lignes.begin() + static_cast<std::ptrdiff_t>(*derniere) + 1, Ligne{nouvelle, crlf});
  } else if (!remplacee) {
    if (!lignes.empty() && lignes.back().fin.empty()) lignes.back().fin = crlf;
    lignes.push_back({"[" + section + "]", crlf});
    lignes.push_back({nouvelle, crlf});
  }
  std::string sortie;
  for (const Ligne& l : lignes) sortie += l.texte + l.fin;
  const fs::path dossier = fs::path(fichiers::cible(chemin_)).parent_path();
  std::error_code erreur;
  if (!dossier.empty() && !fs::exists(dossier, erreur)) fs::create_directories(dossier, erreur);
  return fichiers::remplacer(chemin_, sortie) == fichiers::Ecriture::reussie;
}

bool FichierIni::inscriptible() const {
  if (chemin_.empty()) return false;
  const std::string vrai = fichiers::cible(chemin_);
  fs::path p(vrai);
  std::error_code erreur;
  struct stat infos{};
  if (::stat(vrai.c_str(), &infos) == 0) {
    // The new content is written beside the file, then takes its place: the
    // folder must take a new file, and the file must not be read-only.
    if (!S_ISREG(infos.st_mode) || (infos.st_mode & 0222) == 0 || ::access(vrai.c_str(), W_OK) != 0) return false;
    p = p.parent_path();
  } else {
    p = p.parent_path();
    while (!p.empty() && !fs::exists(p, erreur)) {
      if (p == p.parent_path()) return false;
      p = p.parent_path();
    }
  }
  if (p.empty()) p = ".";
  return fs::is_directory(p, erreur) && ::access(p.c_str(), W_OK | X_OK) == 0;
}

Parametres::Parametres() : Parametres(cheminProgramme(), cheminUtilisateur()) {}

Parametres::Parametres(const std::string& programme, const std::string& utilisateur) {
  if (!programme.empty() && (FichierIni(programme).inscriptible() || utilisateur.empty())) {
    fichier_ = FichierIni(programme);
    utilisateur_ = utilisateur;
  } else {
    // An installed program: the user's own file, with the one beside the
    // program (if any) still read for the keys the user's file lacks.
    fichier_ = FichierIni(utilisateur);
    secours_ = FichierIni(programme);
  }
  chargerParametres();
}

std::string Parametres::cheminProgramme() {
  const std::string dossier = repertoireProgramme();
  return dossier.empty() ? std::string() : dossier + nomFichier;
}

std::string Parametres::cheminUtilisateur() {
  std::string base;
  if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && xdg[0] == '/') {
    base = xdg;
  } else {
    const char* maison = std::getenv("HOME");
    if (!maison || !*maison) {
      const passwd* compte = ::getpwuid(::getuid());
      maison = compte ? compte->pw_dir : nullptr;
    }
    if (!maison || !*maison) return {};
    base = std::string(maison) + "/.config";
  }
  if (base.back() == '/') base.pop_back();
  return base + "/Irvad/" + nomFichier;
}

std::optional<std::string> Parametres::lire(const std::string& section, const std::string& cle) const {
  if (auto valeur = fichier_.lire(section, cle)) return valeur;
  return secours_.lire(section, cle);
}

std::string Parametres::ecrire(const std::string& section, const std::string& cle, const std::string& valeur) {
  if (fichier_.ecrire(section, cle, valeur)) return {};
  if (!utilisateur_.empty() && utilisateur_ != fichier_.chemin()) {
    secours_ = fichier_;
    fichier_ = FichierIni(utilisateur_);
    utilisateur_.clear();
    if (fichier_.ecrire(section, cle, valeur)) return {};
  }
  return texteErreur(fichier_.chemin());
}

std::string Parametres::texteErreur(const std::string& chemin) {
  return "Impossible d'\xE9" "crire dans " + cp1252::depuisUtf8(chemin);  // Impossible d'écrire dans
}

void Parametres::chargerParametres() {
  auto entier = [&](const char* cle, int32_t defaut, int32_t min, int32_t max) {
    const auto texte = lire("Automate", cle);
    const int32_t valeur = texte ? entierIni(*texte).value_or(defaut) : defaut;
    return std::clamp(valeur, min, max);
  };
  auto drapeau = [&](const char* cle) { return lire("Automate", cle).value_or("O") == "O"; };
  pause = entier("Pause", pauseParDefaut, pauseMin, pauseMax);
  tailleMaxParDefaut = entier("TailleMax", tailleParDefaut, tailleMin, tailleMax);
  interruption = drapeau("Interruption");
  deplacementsParDefaut = drapeau("Deplacements");
}

std::string Parametres::enregistrer() {
  const std::pair<const char*, std::string> cles[] = {
      {"Pause", std::to_string(pause)},
      {"TailleMax", std::to_string(tailleMaxParDefaut)},
      {"Interruption", interruption ? "O" : "N"},
      {"Deplacements", deplacementsParDefaut ? "O" : "N"},
  };
  for (const auto& [cle, valeur] : cles)
    if (std::string erreur = ecrire("Automate", cle, valeur); !erreur.empty()) {
      fichierAJour_ = false;
      return erreur;
    }
  fichierAJour_ = true;
  return {};
}

bool Parametres::enregistrerMessages() const {
  return lire("Partie", "EnregistrerMessages").value_or("O") == "O";
}

std::string Parametres::ecrireEnregistrerMessages(bool valeur) {
  return ecrire("Partie", "EnregistrerMessages", valeur ? "O" : "N");
}

}  // namespace irvad
