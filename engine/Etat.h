#pragma once
// The pieces of one game: the cells of the board, the players and the board
// with its constant tables.
#include <array>
#include <cstdint>
#include <string>

namespace irvad {

constexpr int tailleGrille = 11;     // rows and columns 0..10
constexpr int nbCases = 91;          // cells of the hexagon
constexpr int nbJoueursMax = 6;

// One cell of the 11 x 11 grid. A saved game stores it as 20 bytes.
struct cellule {
  uint8_t visite = 0;        // mark of the path search
  int32_t distance = 0;      // memo of the path search, -1 = not yet known
  int32_t lettre = 0;        // 'A'..'Z', 0 = empty
  int32_t valeur = 0;        // value held by the token
  int32_t proprietaire = 0;  // owner = player index + 1, 0 = nobody
  bool operator==(const cellule&) const = default;
};

// The level of a computer seat: Standard plays the play that scores most now;
// Expert weighs each play by what follows it (Expert.cpp). A seat's setting,
// never saved with a game.
enum class Niveau : uint8_t { Standard, Expert };

struct joueur {
  int32_t numero = 0;         // fixed index 0..5, never saved
  std::string nom;            // Windows-1252, at most 8 characters
  int32_t sommetX = 0;
  int32_t sommetY = 0;
  std::array<int32_t, 27> lettres{};  // [0] = total in stock, [1..26] = A..Z
  bool automate = false;
  bool deplacements = true;
  int32_t score = 0;
  int32_t tailleMax = 5;
  double temps = 0.0;         // seconds of thinking time
  Niveau niveau = Niveau::Standard;  // of the computer, when `automate`

  explicit joueur(int32_t indice = 0);
  // A new game for this seat: keeps numero and vertex, gives the fresh stock.
  void reinitialiser(const std::string& nouveauNom, bool estAutomate, bool avecDeplacements,
                     int32_t longueurMax);
  void placerSommet(int32_t x, int32_t y);
  void stockNeuf();  // one of each letter, 26 in all
  bool operator==(const joueur&) const = default;
};

struct Plateau {
  bool essai = false;
  int32_t essaiPplus = 0;
  int32_t essaiPmoins = 0;
  int32_t essaiLmoins = 0;
  int32_t essaiBonus = 0;
  bool chronoActif = false;
  bool distancesValides = false;
  int64_t chronoDebut = 0;   // seconds since 1970, 0 when stopped
  int32_t nbPasses = 0;
  int32_t casesLibres = nbCases;
  std::array<int32_t, 27> poids{};
  cellule cases[tailleGrille][tailleGrille]{};
  int32_t cibleX = 0;
  int32_t cibleY = 0;
  std::array<int32_t, 6> dx{};
  std::array<int32_t, 6> dy{};
  std::array<int32_t, tailleGrille> ligneMin{};
  std::array<int32_t, tailleGrille> ligneMax{};

  Plateau();
  void viderPlateau();
  // Whether (x, y) is one of the 91 cells of the hexagon; safe for any x, y.
  bool valide(int x, int y) const;
  // Weight of a letter code, 0 for anything that is not 'A'..'Z'.
  int32_t poidsDe(int32_t lettre) const;
  bool operator==(const Plateau&) const = default;
};

// The weight of each letter A..Z (index 1..26).
extern const std::array<int32_t, 27> poidsLettres;

}  // namespace irvad
