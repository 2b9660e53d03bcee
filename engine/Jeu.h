#pragma once
// The engine object: the one game in play, with its word list, position,
// random generator, clock and history, and every rule that changes them.
// It reaches the screen only through its Ecran.
//
// The front ends (the board window, its dialogs, irvad-cli) drive the game
// only through the actions below: each checks that it is allowed now, does
// the whole sequence of rules it stands for, and answers with a Verdict. They
// read the game through position() and never change it otherwise.
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "Dico.h"
#include "Ecran.h"
#include "Etat.h"
#include "Position.h"
#include "Verdict.h"

namespace irvad {

// One play the computer player may choose (see Automate.cpp).
struct Candidat {
  int32_t x = 0, y = 0;    // destination
  int32_t xs = -1, ys = -1;  // source of a move
  int32_t d = 0;           // path length of a move
  int32_t lettre = 0;      // letter number 1..26
  bool operator==(const Candidat&) const = default;
};

// The ranking key of a trial: points, weight sum, points taken.
struct Cle {
  int32_t points = 0, bonus = 0, pris = 0;
  auto operator<=>(const Cle&) const = default;
};

// What a search found: the equally best plays in search order; entries up to
// dernierPlacement are placements, the others moves.
struct Recherche {
  std::vector<Candidat> candidats;
  int32_t dernierPlacement = -1;
  Cle meilleure;
  bool estDeplacement(std::size_t i) const { return static_cast<int32_t>(i) > dernierPlacement; }
};

class Jeu;

// The computer player's searches (Recherche.cpp) run their trials on the
// engine's own board.
namespace recherche {
class Rapide;
Recherche simple(Jeu& jeu);
Recherche rapide(Jeu& jeu);
}  // namespace recherche

// The settings of one seat, as the player set-up gives them.
struct Siege {
  std::string nom;  // Windows-1252, at most 8 characters
  bool automate = false;
  bool deplacements = true;
  int32_t tailleMax = 5;
  Niveau niveau = Niveau::Standard;  // of the computer player
};

// The seats of a game: how many players, and the settings of the seats (the
// first `nombre` of them at least).
struct Tablee {
  uint32_t nombre = 2;
  std::vector<Siege> sieges;
};

// One play open to the current player (Jeu::conseils), with the points its
// real play scores.
struct Conseil {
  bool deplacement = false;
  int32_t x = 0, y = 0;      // the cell played: where the letter goes, or the move's destination
  int32_t xs = -1, ys = -1;  // source of a move
  int32_t d = 0;             // path length of a move, as deplacer finds it
  int32_t lettre = 0;        // 'A'..'Z': the letter placed or the token moved
  int32_t points = 0;        // P+ plus P-: one point per letter of each word found
  bool operator==(const Conseil&) const = default;
};

// A game of its own on a screen that shows nothing, where hints and the
// Expert try plays out (Expert.h). Made when first needed; a copy of the
// engine makes its own.
class Bac;
class BacPrive {
 public:
  BacPrive();
  BacPrive(const BacPrive&);
  BacPrive& operator=(const BacPrive&);
  ~BacPrive();
  std::unique_ptr<Bac> bac;
};

// How far undo and redo go: one action (a play, a pass, a harvest, a whole
// computer turn), or to the start of a human player's turn, taking every
// computer turn between along (with no human seat, one computer turn).
enum class Retour { Action, TourHumain };

class Jeu : private Position {
 public:
  // Builds the board and the six records; the word list stays empty until
  // chargerDico.
  explicit Jeu(Ecran& ecran);

  Ecran& ecran;
  Dico dico;
  // The clock, in whole seconds since 1970; tests replace it.
  std::function<int64_t()> horloge;
  // The search the computer player runs: the fast one, or the plain one it must match.
  bool automateRapide = true;

  static const std::array<std::pair<int32_t, int32_t>, 6> sommets;
  // The vertex of player i among n players.
  static std::pair<int32_t, int32_t> sommetDe(uint32_t i, uint32_t n);

  // The game as it stands.
  const Position& position() const { return *this; }

  // ---- Word list
  // Loads L23456789 from the program's folder, or from `chemin` when given.
  Dico::Resultat chargerDico(const std::string& chemin = {});

  // ---- Setting up
  // Gives the seats their names and settings and the players their vertices.
  // During a game the number of players stays.
  Verdict reglerJoueurs(const Tablee& tablee);
  // A new game with the seats as they are, or as given: fresh board and
  // stocks, the opening lines of the log, the first player's turn begins.
  Verdict nouvellePartie();
  Verdict nouvellePartie(const Tablee& tablee);
  // The seats as they are now.
  Tablee tablee() const;
  // Puts a position set up by hand in place of the game (the free cells are
  // counted again); refused when a field is outside what the rules play on.
  // The history starts again from it.
  Verdict installer(const Position& position);

  // ---- The actions of the player whose turn it is
  Verdict prendre(int32_t lettre);   // a letter of its stock into its hand
  Verdict poser(int x, int y);       // the letter in hand, scored; the turn ends when it forms a word
  Verdict rendre();                  // the letter in hand back to the stock
  Verdict deplacer(int xs, int ys, int xd, int yd);  // a token, scored; the turn ends
  Verdict recolter(int x, int y);    // a ripe token; the turn goes on
  Verdict passer();                  // the letter in hand goes back first
  Verdict tourAutomate();            // the current seat played by the computer, then the turn ends
  // Resumes a game that waits (loaded, or before a computer's turn): the
  // letter in hand goes back, the turn timer starts, the turn begins.
  Verdict continuer();

  // ---- Undo and redo, on the positions met since the game began (or was
  // loaded). The log loses the lines of the turns taken back and gets them
  // again on redo; thinking times and records are not taken back.
  Verdict annuler(Retour retour);
  Verdict retablir(Retour retour);
  bool peutAnnuler(Retour retour) const;
  bool peutRetablir(Retour retour) const;
  // Grows with every change of the game (an action, an undo, a new game, a
  // load): a front end compares it with the value it saw at its last save.
  uint64_t changements() const { return changements_; }

  // ---- What the rules allow now (nothing changes)
  Verdict peutPrendre(int32_t lettre) const;
  Verdict peutPoser(int x, int y) const;
  Verdict peutPasser() const;
  // Whether the token on (xs, ys) can reach (xd, yd) within its value; the
  // path search leaves its marks on the board, as a move does.
  Verdict cheminLibre(int xs, int ys, int xd, int yd);
  bool lettrePrenable(int32_t lettre) const;      // the stock and opening rules
  bool destinationPermise(int x, int y) const;    // where the current player may put a letter
  bool recoltable(int x, int y) const;
  bool deplacable(int x, int y) const;
  bool isolee(int x, int y) const;
  // The search of the computer player alone, from tour >= 1: trials only,
  // the board left as it was. `rapide` chooses the fast search, which finds
  // the same list.
  Recherche rechercher(bool rapide = true);

  // ---- Hints
  // The best plays open to the current player now, at most n, best first:
  // placements of a letter of its stock (the letter in hand counted) next to
  // its tokens, and moves that `deplacer` accepts, each with the points its
  // real play scores. Equal points list placements first, each kind in the
  // board's row-by-row order (a placement by cell then letter A..Z, a move by
  // destination then source). None in the opening round or outside a game.
  // The plays are tried on a game of their own: nothing of this one changes,
  // and nothing is shown.
  std::vector<Conseil> conseils(std::size_t n) const;

  // ---- Random generator (the computer player draws from it)
  void graine(uint32_t valeur);
  uint32_t tirer();
  // Draws, and while the number drawn mod 100 is 50 or more draws once more and
  // throws that away, then draws again.
  void brasser();

  // ---- Ranking (scores window)
  uint32_t qualifies() const;
  void classer();  // rang, classement, jetons, pointsJetons
  // The playing time of player p as "mm:ss", the running turn included.
  std::string texteTemps(uint32_t p) const;

  // ---- Saved games (the outcome goes to the status strip). A loaded game
  // waits for "Continuer" and starts a new history.
  bool enregistrerPartie(const std::string& chemin);
  bool chargerPartie(const std::string& chemin);

 private:
  friend class recherche::Rapide;
  friend Recherche recherche::simple(Jeu& jeu);
  friend Recherche recherche::rapide(Jeu& jeu);

  Verdict enJeu() const;  // refused when no game is in progress
  // What a load, an undo or a redo leaves: the board drawn again, the
  // scores, the menu commands; the game then waits or its turn begins.
  void apresChargement();
  int32_t longueurChemin(int xs, int ys, int xd, int yd);

  joueur& courant() { return joueurs[joueurCourant % nbJoueursMax]; }
  using Position::courant;

  // ---- Timer
  void demarrerChrono();
  void arreterChrono();

  // ---- Placement, words, scoring, harvest (Regles.cpp)
  bool evaluerCoup(int x, int y);
  void poserLettre(int x, int y, int32_t lettre);
  void retirerLettre(int x, int y);
  void prendreLettre(joueur& j, int32_t lettre);
  void rendreLettre(joueur& j, int32_t lettre);
  void recolterJeton(int x, int y);
  bool lettreSurSommetPrecedent(int32_t lettre) const;
  void ajouterPoints(joueur& j, int32_t n);

  // ---- Moves (Deplacements.cpp)
  void initDistances(int x, int y);
  int32_t distanceVers(int x, int y);
  bool essaiDeplacement(int xs, int ys, int xd, int yd);
  void deplacerLettre(int xs, int ys, int xd, int yd, int32_t d);

  // ---- Computer player, turns and end of game
  void jouerAutomate();
  // Every play the rules allow the current player on this board, as
  // `conseils` describes them, in search order (Conseil.cpp); the board is
  // left as it was but for the path search's marks and the trial totals.
  std::vector<Conseil> coupsPermis(bool placements, bool deplacements);
  // The game to try plays on, holding a copy of this word list (Expert.cpp).
  Jeu& bac() const;
  // The Expert's turn: its opening letter, or its harvest then its play or a pass.
  void jouerExpert();
  int32_t lettreOuvertureExpert() const;
  void finDeTour();
  void finDePartie();
  void mettreAJourScores();  // classer, then the scores window
  void debuterPartie();      // the opening lines and the first turn of a game or play-off
  void placerSommets();      // every seat in play at its vertex

  // ---- The log, as the messages window holds it since the last point of
  // the history (Historique.cpp).
  void journal(const std::string& texte);
  void journalEtAttendre(const std::string& texte);
  void retirerDuJournal(int32_t n);
  void viderJournal();

  // ---- History
  struct Jalon {
    Position position;
    std::vector<std::string> lignes;  // log lines written since the point before
    bool debutDeTour = true;          // a turn starts here (else: after a harvest, or the end)
  };
  void nouvelHistorique();
  void jalon(bool debutDeTour);
  bool siegeHumain(const Jalon& j) const;
  std::size_t cibleArriere(Retour retour) const;  // historique_.size() when none
  std::size_t cibleAvant(Retour retour) const;
  void revenirA(std::size_t cible);

  std::vector<Jalon> historique_;
  std::size_t ici_ = 0;
  uint64_t changements_ = 0;
  std::vector<std::string> lignes_;
  // Whether a game was ever started, loaded or set up in this engine.
  bool partieVue_ = false;

  std::mt19937 alea_;
  mutable BacPrive bac_;
};

}  // namespace irvad
