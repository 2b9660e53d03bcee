#pragma once
// The one way the engine reaches the screen. The Qt windows implement it; the
// command line and the tests put their own in its place. Every text is
// Windows-1252, like the rest of the engine.
#include <cstdint>
#include <string>

namespace irvad {

struct joueur;

// A colour as 0xRRGGBB. As a text colour of a cell, 0 means "no override".
using Couleur = uint32_t;
constexpr Couleur couleurArgent = 0xC0C0C0;  // the cell just played, in a word found
constexpr Couleur couleurBlanc = 0xFFFFFF;   // the other cells of a word found

enum class Icone { Information, Question, Erreur };
enum class Boutons { Ok, OuiNon };
enum class Reponse { Ok, Oui, Non };

class Ecran {
 public:
  virtual ~Ecran() = default;

  // Board window: drawing, status strip, cursor.
  virtual void dessinerPlateau() = 0;
  virtual void dessinerCellule(int r, int c, Couleur texte) = 0;
  virtual void dessinerReserve(const joueur& j) = 0;
  virtual void texteStatut(const std::string& texte) = 0;  // shown and repainted at once
  virtual void curseurStandard() = 0;

  // Messages window: the game log.
  virtual void ajouterMessage(const std::string& texte, bool effacer) = 0;
  virtual void ajouterMessageEtAttendre(const std::string& texte, bool effacer) = 0;
  virtual void retirerMessages(int32_t n) = 0;
  // Takes the last n lines away (undo).
  virtual void retirerDerniersMessages(int32_t n) = 0;
  virtual void viderMessages() = 0;
  virtual void definirLegende(const std::string& texte) = 0;
  virtual void sauverMessagesSous() = 0;

  // Scores window. The engine computes the ranking before it calls this.
  virtual void mettreAJourScores() = 0;
  virtual void mettreAJourTemps() = 0;

  // Records of a single play.
  virtual void mettreAJourRecords(const std::string& nom, const std::string& mot, int32_t score,
                                  int32_t pointsPris, int32_t lettresPrises) = 0;

  // Menu commands "&Passer son tour" and "&Continuer".
  virtual void activerPasserSonTour(bool actif) = 0;
  virtual void activerContinuer(bool actif) = 0;

  // A modal message box.
  virtual Reponse boiteMessage(const std::string& texte, const std::string& titre, Icone icone,
                               Boutons boutons) = 0;

  // The turn driver: nothing in hand, then the first step of the next turn.
  virtual void demarrerTour() = 0;
  // A player's play has formed a word and been scored: its turn ends now.
  virtual void coupCompte() {}

  // The word list's loading dialog.
  virtual void dicoOuvrir(int32_t maximum) = 0;
  virtual void dicoProgression(int32_t n) = 0;
  virtual void dicoStatut(const std::string& texte) = 0;
  virtual void dicoFermer() = 0;
};

// A screen that shows nothing and answers No to every question; for the
// command line's searches and for benchmarks.
class EcranNul : public Ecran {
 public:
  void dessinerPlateau() override {}
  void dessinerCellule(int, int, Couleur) override {}
  void dessinerReserve(const joueur&) override {}
  void texteStatut(const std::string&) override {}
  void curseurStandard() override {}
  void ajouterMessage(const std::string&, bool) override {}
  void ajouterMessageEtAttendre(const std::string&, bool) override {}
  void retirerMessages(int32_t) override {}
  void retirerDerniersMessages(int32_t) override {}
  void viderMessages() override {}
  void definirLegende(const std::string&) override {}
  void sauverMessagesSous() override {}
  void mettreAJourScores() override {}
  void mettreAJourTemps() override {}
  void mettreAJourRecords(const std::string&, const std::string&, int32_t, int32_t, int32_t) override {}
  void activerPasserSonTour(bool) override {}
  void activerContinuer(bool) override {}
  Reponse boiteMessage(const std::string&, const std::string&, Icone, Boutons b) override {
    return b == Boutons::Ok ? Reponse::Ok : Reponse::Non;
  }
  void demarrerTour() override {}
  void dicoOuvrir(int32_t) override {}
  void dicoProgression(int32_t) override {}
  void dicoStatut(const std::string&) override {}
  void dicoFermer() override {}
};

}  // namespace irvad
