// Saved games (.ivd): the counters, the records of the players in the game and
// the whole grid, little-endian, no header. 2440 + 143 bytes per player.
//
// A save writes a temporary file beside the target and renames it over the old
// file only once every byte is written and closed, so a failed save never
// destroys the previous game. A load reads into a copy and checks every field
// that indexes a table before it replaces the running game.
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>
#include <vector>

#include "Jeu.h"
#include "Textes.h"

namespace irvad {

namespace {

constexpr std::size_t tailleNom = 9;
constexpr std::size_t tailleJoueur = 143;
constexpr std::size_t tailleCellule = 20;
constexpr std::size_t tailleFixe = 12 + tailleGrille * tailleGrille * tailleCellule + 8;  // 2440

class Ecrivain {
 public:
  std::vector<unsigned char> octets;
  void u32(uint32_t v) {
    for (int i = 0; i < 4; ++i) octets.push_back(static_cast<unsigned char>(v >> (8 * i)));
  }
  void i32(int32_t v) { u32(static_cast<uint32_t>(v)); }
  void octet(uint8_t v) { octets.push_back(v); }
  void reel(double v) {
    uint64_t bits;
    static_assert(sizeof bits == sizeof v);
    std::memcpy(&bits, &v, sizeof bits);
    for (int i = 0; i < 8; ++i) octets.push_back(static_cast<unsigned char>(bits >> (8 * i)));
  }
};

class Lecteur {
 public:
  explicit Lecteur(const std::vector<unsigned char>& o) : octets_(o) {}
  bool ok() const { return ok_; }
  bool fini() const { return pos_ == octets_.size(); }
  uint32_t u32() {
    if (!reste(4)) return 0;
    uint32_t v = 0;
    for (int i = 0; i < 4; ++i) v |= static_cast<uint32_t>(octets_[pos_++]) << (8 * i);
    return v;
  }
  int32_t i32() { return static_cast<int32_t>(u32()); }
  uint8_t octet() { return reste(1) ? octets_[pos_++] : 0; }
  double reel() {
    if (!reste(8)) return 0.0;
    uint64_t bits = 0;
    for (int i = 0; i < 8; ++i) bits |= static_cast<uint64_t>(octets_[pos_++]) << (8 * i);
    double v;
    std::memcpy(&v, &bits, sizeof v);
    return v;
  }
  void sauter(std::size_t n) {
    if (reste(n)) pos_ += n;
  }

 private:
  bool reste(std::size_t n) {
    if (!ok_ || octets_.size() - pos_ < n) {
      ok_ = false;
      return false;
    }
    return true;
  }
  const std::vector<unsigned char>& octets_;
  std::size_t pos_ = 0;
  bool ok_ = true;
};

// What a file holds, read apart from the running game.
struct Contenu {
  uint32_t nbJoueurs = 0, joueurCourant = 0, tour = 0;
  std::vector<joueur> joueurs;
  cellule cases[tailleGrille][tailleGrille]{};
  int32_t casesLibres = 0, nbPasses = 0;
};

bool lettreOuVide(int32_t l) { return l == 0 || (l >= 'A' && l <= 'Z'); }

// Bounds far beyond any game played, that keep the sums and the increments of
// the rules within 32 bits: a score or a value gains one point per letter of a
// word, the ranking adds up the values of 91 tokens, a stock is shown letter
// by letter.
constexpr int32_t valeurMax = 10'000'000;
constexpr int32_t scoreMax = 1'000'000'000;
constexpr int32_t lettresMax = 10'000;
// Seconds of thinking time, turned into whole seconds for the scores window.
constexpr double tempsMax = 1e12;

// Reads the whole file and checks every field that indexes a table or counts
// the players, and that scores, values, stocks and times stay within the
// bounds above; anything else is kept as it stands.
bool lire(const std::vector<unsigned char>& octets, const Plateau& plateau, Contenu& c) {
  Lecteur l(octets);
  c.nbJoueurs = l.u32();
  c.joueurCourant = l.u32();
  c.tour = l.u32();
  if (!l.ok() || (c.nbJoueurs != 2 && c.nbJoueurs != 3 && c.nbJoueurs != 6) || c.joueurCourant >= c.nbJoueurs)
    return false;
  if (octets.size() != tailleFixe + tailleJoueur * c.nbJoueurs) return false;
  for (uint32_t i = 0; i < c.nbJoueurs; ++i) {
    joueur j(static_cast<int32_t>(i));
    char nom[tailleNom];
    for (char& o : nom) o = static_cast<char>(l.octet());
    j.nom.assign(nom, strnlen(nom, tailleNom));
    j.sommetX = l.i32();
    j.sommetY = l.i32();
    for (auto& n : j.lettres) n = l.i32();
    j.automate = l.octet() != 0;
    j.deplacements = l.octet() != 0;
    j.score = l.i32();
    j.tailleMax = l.i32();
    j.temps = l.reel();
    if (!plateau.valide(j.sommetX, j.sommetY)) return false;
    for (std::size_t k = 1; k < j.lettres.size(); ++k)
      if (j.lettres[k] < 0 || j.lettres[k] > lettresMax) return false;
    if (j.lettres[0] < 0 || j.lettres[0] > 26 * lettresMax) return false;
    if (j.score < 0 || j.score > scoreMax) return false;
    if (!std::isfinite(j.temps) || std::fabs(j.temps) > tempsMax) return false;
    // The search reads words of up to tailleMax letters into 9-letter buffers.
    if (j.tailleMax < 2 || j.tailleMax > 9) return false;
    c.joueurs.push_back(std::move(j));
  }
  for (int x = 0; x < tailleGrille; ++x)
    for (int y = 0; y < tailleGrille; ++y) {
      cellule& k = c.cases[x][y];
      k.visite = l.octet();
      l.sauter(3);
      k.distance = l.i32();
      k.lettre = l.i32();
      k.valeur = l.i32();
      k.proprietaire = l.i32();
      if (!lettreOuVide(k.lettre) || k.proprietaire < 0 ||
          k.proprietaire > static_cast<int32_t>(c.nbJoueurs) || k.valeur < 0 || k.valeur > valeurMax)
        return false;
      // A token has a letter and an owner; an empty cell has neither.
      if ((k.lettre == 0) != (k.proprietaire == 0)) return false;
      if (k.lettre == 0 && k.valeur != 0) return false;
      if (!plateau.valide(x, y) && k.lettre != 0) return false;
    }
  c.casesLibres = l.i32();
  c.nbPasses = l.i32();
  if (!l.ok() || !l.fini()) return false;
  if (c.casesLibres < 0 || c.casesLibres > nbCases) return false;
  if (c.nbPasses < 0 || c.nbPasses > static_cast<int32_t>(c.nbJoueurs)) return false;
  return true;
}

}  // namespace

bool Jeu::enregistrerPartie(const std::string& chemin) {
  if (chemin.empty()) return false;
  const uint32_t n = std::min<uint32_t>(nbJoueurs, nbJoueursMax);
  Ecrivain e;
  e.u32(n);
  e.u32(joueurCourant);
  e.u32(tour);
  for (uint32_t i = 0; i < n; ++i) {
    const joueur& j = joueurs[i];
    char nom[tailleNom] = {};
    std::memcpy(nom, j.nom.data(), std::min<std::size_t>(j.nom.size(), tailleNom - 1));
    for (char o : nom) e.octet(static_cast<uint8_t>(o));
    e.i32(j.sommetX);
    e.i32(j.sommetY);
    // A letter taken from the stock and not yet put down is saved in the stock.
    std::array<int32_t, 27> stock = j.lettres;
    if (i == joueurCourant && lettreEnMain >= 'A' && lettreEnMain <= 'Z') {
      stock[static_cast<std::size_t>(lettreEnMain - 64)] += 1;
      stock[0] += 1;
    }
    for (int32_t v : stock) e.i32(v);
    e.octet(j.automate ? 1 : 0);
    e.octet(j.deplacements ? 1 : 0);
    e.i32(j.score);
    e.i32(j.tailleMax);
    e.reel(j.temps);
  }
  for (const auto& rangee : plateau.cases)
    for (const cellule& k : rangee) {
      e.octet(k.visite);
      e.octet(0);
      e.octet(0);
      e.octet(0);
      e.i32(k.distance);
      e.i32(k.lettre);
      e.i32(k.valeur);
      e.i32(k.proprietaire);
    }
  e.i32(plateau.casesLibres);
  e.i32(plateau.nbPasses);

  // The temporary file sits in the target's folder so that the rename stays on
  // one file system and replaces the old file in one step.
  const std::string temporaire = chemin + ".tmp~";
  // A temporary file left by an interrupted save is removed first, and the
  // new one is created afresh ("x"): a link left under that name is never
  // followed, so no other file is written, and the rename never puts a link
  // in the game's place.
  ::unlink(temporaire.c_str());
  std::FILE* f = std::fopen(temporaire.c_str(), "wbx");
  if (!f) {
    ecran.texteStatut(textes::ecritureImpossible);
    return false;
  }
  const bool ecrit = std::fwrite(e.octets.data(), 1, e.octets.size(), f) == e.octets.size() &&
                     std::fflush(f) == 0;
  const bool ferme = std::fclose(f) == 0;
  if (!ecrit) {
    std::remove(temporaire.c_str());
    ecran.texteStatut(textes::erreurEcriture);
    return false;
  }
  if (!ferme) {
    std::remove(temporaire.c_str());
    return false;
  }
  std::error_code erreur;
  std::filesystem::rename(temporaire, chemin, erreur);
  if (erreur) {
    std::filesystem::remove(temporaire, erreur);
    ecran.texteStatut(textes::erreurEcriture);
    return false;
  }
  ecran.texteStatut(textes::enregistrementEffectue);
  return true;
}

bool Jeu::chargerPartie(const std::string& chemin) {
  if (chemin.empty()) return false;
  std::ifstream f(chemin, std::ios::binary);
  if (!f) {
    ecran.texteStatut(textes::lectureImpossible(chemin));
    return false;
  }
  // A game file is at most 3298 bytes; read one byte more to notice a longer one.
  constexpr std::size_t tailleMax = tailleFixe + tailleJoueur * nbJoueursMax;
  std::vector<unsigned char> octets(tailleMax + 1);
  f.read(reinterpret_cast<char*>(octets.data()), static_cast<std::streamsize>(octets.size()));
  const bool erreurFlux = f.bad();
  octets.resize(static_cast<std::size_t>(f.gcount()));
  f.close();

  Contenu c;
  if (erreurFlux || !lire(octets, plateau, c)) {
    ecran.texteStatut(textes::erreurLecture(chemin));
    return false;
  }

  nbJoueurs = c.nbJoueurs;
  joueurCourant = c.joueurCourant;
  tour = c.tour;
  for (uint32_t i = 0; i < c.nbJoueurs; ++i) {
    joueur& j = joueurs[i];
    const joueur& lu = c.joueurs[i];
    j.nom = lu.nom;
    j.sommetX = lu.sommetX;
    j.sommetY = lu.sommetY;
    j.lettres = lu.lettres;
    j.automate = lu.automate;
    j.deplacements = lu.deplacements;
    j.score = lu.score;
    j.tailleMax = lu.tailleMax;
    j.temps = lu.temps;
  }
  std::memcpy(static_cast<void*>(plateau.cases), c.cases, sizeof plateau.cases);
  plateau.casesLibres = c.casesLibres;
  plateau.nbPasses = c.nbPasses;
  enCours = true;
  apresChargement();
  return true;
}

}  // namespace irvad
