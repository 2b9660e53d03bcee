// Saved games (.ivd): the counters, the records of the players in the game and
// the whole grid, little-endian, no header. 2440 + 143 bytes per player.
//
// A save goes through the engine's safe writer, so a failed or interrupted
// save never destroys the previous game. A load reads into a copy, checks
// every field that indexes a table and every rule of play the position must
// keep, and only then replaces the running game.
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "Coherence.h"
#include "Fichiers.h"
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
  std::string octets;
  void u32(uint32_t v) {
    for (int i = 0; i < 4; ++i) octets.push_back(static_cast<char>(v >> (8 * i)));
  }
  void i32(int32_t v) { u32(static_cast<uint32_t>(v)); }
  void octet(uint8_t v) { octets.push_back(static_cast<char>(v)); }
  void reel(double v) {
    uint64_t bits;
    static_assert(sizeof bits == sizeof v);
    std::memcpy(&bits, &v, sizeof bits);
    for (int i = 0; i < 8; ++i) octets.push_back(static_cast<char>(bits >> (8 * i)));
  }
};

class Lecteur {
 public:
  explicit Lecteur(std::string_view o) : octets_(o) {}
  bool ok() const { return ok_; }
  bool fini() const { return pos_ == octets_.size(); }
  uint32_t u32() {
    if (!reste(4)) return 0;
    uint32_t v = 0;
    for (int i = 0; i < 4; ++i) v |= static_cast<uint32_t>(static_cast<unsigned char>(octets_[pos_++])) << (8 * i);
    return v;
  }
  int32_t i32() { return static_cast<int32_t>(u32()); }
  uint8_t octet() { return reste(1) ? static_cast<uint8_t>(octets_[pos_++]) : 0; }
  double reel() {
    if (!reste(8)) return 0.0;
    uint64_t bits = 0;
    for (int i = 0; i < 8; ++i) bits |= static_cast<uint64_t>(static_cast<unsigned char>(octets_[pos_++])) << (8 * i);
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
  std::string_view octets_;
  std::size_t pos_ = 0;
  bool ok_ = true;
};

// A position as a file holds it, kept apart from the running game.
struct Contenu {
  uint32_t nbJoueurs = 0, joueurCourant = 0, tour = 0;
  std::vector<joueur> joueurs;
  cellule cases[tailleGrille][tailleGrille]{};
  int32_t casesLibres = 0, nbPasses = 0;

  VuePosition vue() const {
    return VuePosition{nbJoueurs, joueurCourant, tour, joueurs, cases, casesLibres, nbPasses};
  }
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
// Rounds: far beyond any game, and far from the wrap of the counter back to
// the opening round.
constexpr uint32_t tourMax = 100'000'000;

std::string encoder(const Contenu& c) {
  Ecrivain e;
  e.u32(c.nbJoueurs);
  e.u32(c.joueurCourant);
  e.u32(c.tour);
  for (const joueur& j : c.joueurs) {
    char nom[tailleNom] = {};
    std::memcpy(nom, j.nom.data(), std::min<std::size_t>(j.nom.size(), tailleNom - 1));
    for (char o : nom) e.octet(static_cast<uint8_t>(o));
    e.i32(j.sommetX);
    e.i32(j.sommetY);
    for (int32_t v : j.lettres) e.i32(v);
    e.octet(j.automate ? 1 : 0);
    e.octet(j.deplacements ? 1 : 0);
    e.i32(j.score);
    e.i32(j.tailleMax);
    e.reel(j.temps);
  }
  for (const auto& rangee : c.cases)
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
  e.i32(c.casesLibres);
  e.i32(c.nbPasses);
  return std::move(e.octets);
}

// Reads the whole file and checks every field that indexes a table or counts
// the players, and that scores, values, stocks and times stay within the
// bounds above; then the rules of play the position must keep.
bool decoder(std::string_view octets, Contenu& c) {
  static const Plateau plateau;
  Lecteur l(octets);
  c.nbJoueurs = l.u32();
  c.joueurCourant = l.u32();
  c.tour = l.u32();
  if (!l.ok() || (c.nbJoueurs != 2 && c.nbJoueurs != 3 && c.nbJoueurs != 6) || c.joueurCourant >= c.nbJoueurs ||
      c.tour > tourMax)
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
    c.joueurs.push_back(std::move(j));
  }
  for (auto& rangee : c.cases)
    for (cellule& k : rangee) {
      k.visite = l.octet();
      l.sauter(3);
      k.distance = l.i32();
      k.lettre = l.i32();
      k.valeur = l.i32();
      k.proprietaire = l.i32();
      if (!lettreOuVide(k.lettre) || k.valeur > valeurMax) return false;
    }
  c.casesLibres = l.i32();
  c.nbPasses = l.i32();
  return l.ok() && l.fini() && incoherence(c.vue()).empty();
}

}  // namespace

bool Jeu::enregistrerPartie(const std::string& chemin) {
  if (chemin.empty()) return false;
  Contenu c;
  c.nbJoueurs = std::min<uint32_t>(nbJoueurs, nbJoueursMax);
  c.joueurCourant = joueurCourant;
  c.tour = tour;
  c.joueurs.assign(joueurs.begin(), joueurs.begin() + c.nbJoueurs);
  // A letter taken from the stock and not yet put down is saved in the stock.
  if (joueurCourant < c.nbJoueurs && lettreEnMain >= 'A' && lettreEnMain <= 'Z') {
    c.joueurs[joueurCourant].lettres[static_cast<std::size_t>(lettreEnMain - 64)] += 1;
    c.joueurs[joueurCourant].lettres[0] += 1;
  }
  std::memcpy(static_cast<void*>(c.cases), plateau.cases, sizeof c.cases);
  c.casesLibres = plateau.casesLibres;
  c.nbPasses = plateau.nbPasses;

  // The temporary file of earlier versions of the program, left by a save
  // that was cut short.
  ::unlink((chemin + ".tmp~").c_str());
  switch (fichiers::remplacer(chemin, encoder(c))) {
    case fichiers::Ecriture::reussie:
      ecran.texteStatut(textes::enregistrementEffectue);
      return true;
    case fichiers::Ecriture::lectureSeule:
    case fichiers::Ecriture::pasUnFichier:
    case fichiers::Ecriture::temporaire:
      ecran.texteStatut(textes::ecritureImpossible);
      return false;
    case fichiers::Ecriture::ecriture:
    case fichiers::Ecriture::remplacement:
      break;
  }
  ecran.texteStatut(textes::erreurEcriture);
  return false;
}

bool Jeu::chargerPartie(const std::string& chemin) {
  if (chemin.empty()) return false;
  // A game file is at most 3298 bytes.
  std::string octets;
  switch (fichiers::lire(chemin, octets, tailleFixe + tailleJoueur * nbJoueursMax)) {
    case fichiers::Lecture::reussie:
      break;
    case fichiers::Lecture::absent:
    case fichiers::Lecture::ouverture:
    case fichiers::Lecture::pasUnFichier:
      ecran.texteStatut(textes::lectureImpossible(chemin));
      return false;
    case fichiers::Lecture::lecture:
    case fichiers::Lecture::tropGrand:
      ecran.texteStatut(textes::erreurLecture(chemin));
      return false;
  }
  Contenu c;
  if (!decoder(octets, c)) {
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
