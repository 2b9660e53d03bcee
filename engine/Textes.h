#pragma once
// The exact lines the game writes to its log and to the status strip.
// All texts are Windows-1252.
#include <array>
#include <cstdint>
#include <string>

namespace irvad::textes {

extern const std::array<const char*, 6> couleurs;  // "BLEU" .. "JAUNE"

extern const char* const formatMot;       // "%-9s%2.2d %2.2d %2.2d"
extern const char* const formatQualifie;  // "%-8s %3.3d %2.2d %2.2d"
extern const char* const formatTotal;     // "%1.1d mot(s) %2.2d %2.2d %2.2d"
extern const char* const formatJoueur;    // "%s: %s"
extern const char* const formatTour;      // "Tour n°%d"
extern const char* const filet;           // 17 dashes
extern const char* const ligneVide;
extern const char* const enteteMots;      // "Mots     P+ P- L-"
extern const char* const legende;
extern const char* const recherchePlacement;    // "Recherche d'un placement (lettre+case) "
extern const char* const rechercheDeplacement;  // "Recherche d'un déplacement (case+jeton) "

std::string ligneMot(const std::string& mot, int32_t points, int32_t pris, int32_t lettres);
std::string ligneTotal(int32_t mots, int32_t points, int32_t pris, int32_t lettres);
std::string ligneQualifie(const std::string& nom, int32_t score, int32_t jetons, int32_t points);
std::string ligneJoueur(int indice, const std::string& nom);
std::string ligneTour(uint32_t tour);
std::string lignePose(char lettre, int x, int y);
std::string ligneDeplacementSource(char lettre, int x, int y);
std::string ligneDeplacementDestination(int x, int y);
std::string ligneGain(char lettre, int x, int y);
// The search's progress: the phase's text, k bars, then 91 - k middle dots.
std::string progressionPlacement(int k);
std::string progressionDeplacement(int k);

// End of game.
extern const char* const finDeJeu;           // "*** FIN DE JEU ***"
extern const char* const enteteQualifies;    // "Qualifié Pts j. p."
extern const char* const filetQualifies;     // 18 dashes
extern const char* const tousOntPasse;       // "Tous les joueurs ont passé leur tour !"
extern const char* const titreFinDeJeu;      // "FIN DE JEU"
extern const char* const titreFinJeu;        // "Fin de jeu"
extern const char* const questionSauvegarde;
extern const char* const questionDemiFinale;
extern const char* const questionFinale;

// Outcomes of the saved-game file, shown in the status strip.
extern const char* const ecritureImpossible;
extern const char* const erreurEcriture;
extern const char* const enregistrementEffectue;
std::string lectureImpossible(const std::string& chemin);
std::string erreurLecture(const std::string& chemin);
extern const char* const chargementTermine;

// The word list's loading failures.
extern const char* const dicoIntrouvable;
extern const char* const dicoErreurLecture;

}  // namespace irvad::textes
