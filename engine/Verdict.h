#pragma once
// The answer of every action of the engine: accepted, or refused with the
// reason, as a kind that callers can test and a French text (Windows-1252)
// that they can show.
#include <cstdint>
#include <string>

namespace irvad {

enum class Refus : uint8_t {
  Aucun,              // accepted
  PasDePartie,        // no game has started
  PartieFinie,        // the game is over
  LettreEnMain,       // a letter is already in hand
  RienEnMain,         // no letter in hand
  LettreAbsente,      // not in the player's stock
  OuvertureQZ,        // neither Q nor Z in the opening round
  SommetPris,         // the letter is on an earlier player's vertex
  HorsPlateau,        // not a cell of the hexagon
  CaseOccupee,
  SommetObligatoire,  // the opening letter goes on the player's vertex
  CaseIsolee,         // next to none of the player's tokens
  AucunMot,           // the play forms no word
  PasDeJeton,         // no movable token of the player there
  JetonBloque,        // no empty cell around the token
  ArriveeOccupee,
  AucunChemin,
  CheminTropLong,     // longer than the token's value
  PasDeJetonMur,      // nothing to harvest there
  PasseAuTour0,
  RienAAnnuler,
  RienARetablir,
  NombreDeJoueurs,
  NombreFixe,         // a game in progress keeps its number of players
  NomTropLong,
  PositionInvalide,   // a set-up position outside what the rules play on
  Occupe,             // the engine is in the middle of a search
};

class Verdict {
 public:
  Verdict() = default;  // accepted
  Verdict(Refus refus, std::string raison) : refus_(refus), raison_(std::move(raison)) {}
  explicit operator bool() const { return refus_ == Refus::Aucun; }
  Refus refus() const { return refus_; }
  const std::string& raison() const { return raison_; }

 private:
  Refus refus_ = Refus::Aucun;
  std::string raison_;
};

// The refusals with their texts; x, y are a cell, p a player index 0..5,
// lettre a character code 'A'..'Z'.
namespace refus {
Verdict pasDePartie();
Verdict partieFinie();
Verdict lettreEnMain();
Verdict rienEnMain();
Verdict lettreAbsente(uint32_t p, int32_t lettre);
Verdict ouvertureQZ(int32_t lettre);
Verdict sommetPris(int32_t lettre);
Verdict horsPlateau(int x, int y);
Verdict caseOccupee(int x, int y);
Verdict sommetObligatoire(int x, int y);
Verdict caseIsolee(int x, int y, uint32_t p);
Verdict aucunMot();
Verdict pasDeJeton(int x, int y);
Verdict jetonBloque();
Verdict arriveeOccupee();
Verdict aucunChemin();
Verdict cheminTropLong(int32_t longueur);
Verdict pasDeJetonMur(int x, int y);
Verdict passeAuTour0();
Verdict rienAAnnuler();
Verdict rienARetablir();
Verdict nombreDeJoueurs(uint32_t n);
Verdict nombreFixe(uint32_t n);
Verdict nomTropLong(const std::string& nom);
Verdict positionInvalide(const std::string& quoi);
Verdict occupe();
}  // namespace refus

}  // namespace irvad
