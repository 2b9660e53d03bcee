// The texts of the refusals, in Windows-1252 like every text of the engine.
#include "Verdict.h"

namespace irvad::refus {

namespace {
std::string texteCase(int x, int y) { return "(" + std::to_string(x) + "," + std::to_string(y) + ")"; }
std::string lettreTexte(int32_t lettre) { return std::string(1, static_cast<char>(lettre)); }
}  // namespace

Verdict pasDePartie() { return {Refus::PasDePartie, "aucune partie en cours"}; }
Verdict partieFinie() { return {Refus::PartieFinie, "la partie est finie"}; }
Verdict lettreEnMain() { return {Refus::LettreEnMain, "une lettre est d\xE9j\xE0 en main"}; }
Verdict rienEnMain() { return {Refus::RienEnMain, "aucune lettre en main"}; }
Verdict lettreAbsente(uint32_t p, int32_t lettre) {
  return {Refus::LettreAbsente, "le joueur " + std::to_string(p + 1) + " n'a pas de " + lettreTexte(lettre)};
}
Verdict ouvertureQZ(int32_t lettre) { return {Refus::OuvertureQZ, "au tour 0, ni Q ni Z : " + lettreTexte(lettre)}; }
Verdict sommetPris(int32_t lettre) {
  return {Refus::SommetPris,
          "au tour 0, " + lettreTexte(lettre) + " est d\xE9j\xE0 sur le sommet d'un joueur pr\xE9" "c\xE9" "dent"};
}
Verdict horsPlateau(int x, int y) { return {Refus::HorsPlateau, texteCase(x, y) + " n'est pas une case du plateau"}; }
Verdict caseOccupee(int x, int y) { return {Refus::CaseOccupee, "la case " + texteCase(x, y) + " est occup\xE9" "e"}; }
Verdict sommetObligatoire(int x, int y) {
  return {Refus::SommetObligatoire, "au tour 0, la lettre se pose sur le sommet " + texteCase(x, y)};
}
Verdict caseIsolee(int x, int y, uint32_t p) {
  return {Refus::CaseIsolee,
          "la case " + texteCase(x, y) + " ne touche aucun jeton du joueur " + std::to_string(p + 1)};
}
Verdict aucunMot() { return {Refus::AucunMot, "aucun mot form\xE9"}; }
Verdict pasDeJeton(int x, int y) {
  return {Refus::PasDeJeton, "pas de jeton d\xE9pla\xE7" "able du joueur en " + texteCase(x, y)};
}
Verdict jetonBloque() { return {Refus::JetonBloque, "le jeton est bloqu\xE9"}; }
Verdict arriveeOccupee() { return {Refus::ArriveeOccupee, "la case d'arriv\xE9" "e est occup\xE9" "e"}; }
Verdict aucunChemin() { return {Refus::AucunChemin, "aucun chemin libre"}; }
Verdict cheminTropLong(int32_t longueur) {
  return {Refus::CheminTropLong,
          "chemin de " + std::to_string(longueur) + " cases, plus long que la valeur du jeton"};
}
Verdict pasDeJetonMur(int x, int y) {
  return {Refus::PasDeJetonMur, "aucun jeton m\xFBr du joueur en " + texteCase(x, y)};
}
Verdict passeAuTour0() { return {Refus::PasseAuTour0, "on ne passe pas au tour 0"}; }
Verdict rienAAnnuler() { return {Refus::RienAAnnuler, "rien \xE0 annuler"}; }
Verdict rienARetablir() { return {Refus::RienARetablir, "rien \xE0 r\xE9tablir"}; }
Verdict nombreDeJoueurs(uint32_t n) {
  return {Refus::NombreDeJoueurs, "nombre de joueurs 2, 3 ou 6 attendu : " + std::to_string(n)};
}
Verdict nombreFixe(uint32_t n) {
  return {Refus::NombreFixe, "la partie en cours garde ses " + std::to_string(n) + " joueurs"};
}
Verdict nomTropLong(const std::string& nom) {
  return {Refus::NomTropLong, "un nom a au plus 8 caract\xE8res : " + nom};
}
Verdict positionInvalide(const std::string& quoi) { return {Refus::PositionInvalide, "position impossible : " + quoi}; }
Verdict occupe() { return {Refus::Occupe, "une recherche est en cours"}; }

}  // namespace irvad::refus
