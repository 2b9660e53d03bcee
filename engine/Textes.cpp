#include "Textes.h"

#include <cstdarg>
#include <cstdio>

namespace irvad::textes {

const std::array<const char*, 6> couleurs = {"BLEU", "VERT", "CIEL", "ROUGE", "MAGENTA", "JAUNE"};

const char* const formatMot = "%-9s%2.2d %2.2d %2.2d";
const char* const formatQualifie = "%-8s %3.3d %2.2d %2.2d";
const char* const formatTotal = "%1.1d mot(s) %2.2d %2.2d %2.2d";
const char* const formatJoueur = "%s: %s";
const char* const formatTour = "Tour n\xB0%d";  // Tour n°%d
const char* const filet = "-----------------";
const char* const ligneVide = "";
const char* const enteteMots = "Mots     P+ P- L-";
const char* const legende =
    "\"P+\"=Gain de points - \"P-\"=Perte de point(s) adverse - \"L-\"=Perte de lettre(s) adverse";
const char* const recherchePlacement = "Recherche d'un placement (lettre+case) ";
const char* const rechercheDeplacement = "Recherche d'un d\xE9placement (case+jeton) ";  // déplacement

const char* const finDeJeu = "*** FIN DE JEU ***";
const char* const enteteQualifies = "Qualifi\xE9 Pts j. p.";  // Qualifié
const char* const filetQualifies = "------------------";
const char* const tousOntPasse = "Tous les joueurs ont pass\xE9 leur tour !";  // passé
const char* const titreFinDeJeu = "FIN DE JEU";
const char* const titreFinJeu = "Fin de jeu";
// Voulez-vous sauvegarder le déroulement de la fin de partie ?
const char* const questionSauvegarde = "Voulez-vous sauvegarder le d\xE9roulement de la fin de partie ?";
const char* const questionDemiFinale = "Voulez-vous faire la \xBD finale ?";  // ½
const char* const questionFinale = "Voulez-vous faire la finale ?";

// Impossible d'écrire dans le fichier destination. / Erreur d'écriture ... / Enregistrement effectué.
const char* const ecritureImpossible = "Impossible d'\xE9" "crire dans le fichier destination.";
const char* const erreurEcriture = "Erreur d'\xE9" "criture dans le fichier destination.";
const char* const enregistrementEffectue = "Enregistrement effectu\xE9.";
// Chargement de la partie terminée. Choisissez ...
const char* const chargementTermine =
    "Chargement de la partie termin\xE9" "e. Choisissez la rubrique \"Partie\" | \"Continuer\" ou "
    "appuyez sur Alt+C pour poursuivre le jeu.";

const char* const dicoIntrouvable = "Fichier L23456789 introuvable !";
const char* const dicoErreurLecture = "Erreur de lecture";

namespace {

std::string formater(const char* format, ...) {
  char tampon[256];
  va_list args;
  va_start(args, format);
  const int n = std::vsnprintf(tampon, sizeof tampon, format, args);
  va_end(args);
  if (n < 0) return {};
  return std::string(tampon, static_cast<std::size_t>(n) < sizeof tampon ? n : sizeof tampon - 1);
}

std::string coordonnees(int x, int y) {
  return "(" + std::to_string(x) + "," + std::to_string(y) + ")";
}

std::string progression(const char* phase, int k) {
  if (k < 0) k = 0;
  if (k > 91) k = 91;
  std::string texte = phase;
  texte.append(static_cast<std::size_t>(k), '|');
  texte.append(static_cast<std::size_t>(91 - k), '\xB7');  // middle dot
  return texte;
}

}  // namespace

std::string ligneMot(const std::string& mot, int32_t points, int32_t pris, int32_t lettres) {
  return formater(formatMot, mot.c_str(), points, pris, lettres);
}

std::string ligneTotal(int32_t mots, int32_t points, int32_t pris, int32_t lettres) {
  return formater(formatTotal, mots, points, pris, lettres);
}

std::string ligneQualifie(const std::string& nom, int32_t score, int32_t jetons, int32_t points) {
  return formater(formatQualifie, nom.c_str(), score, jetons, points);
}

std::string ligneJoueur(int indice, const std::string& nom) {
  const char* couleur = indice >= 0 && indice < 6 ? couleurs[indice] : "";
  return std::string(couleur) + ": " + nom;
}

std::string ligneTour(uint32_t tour) { return formater(formatTour, static_cast<int>(tour)); }

std::string lignePose(char lettre, int x, int y) {
  return std::string("Pose ") + lettre + " " + coordonnees(x, y);
}

std::string ligneDeplacementSource(char lettre, int x, int y) {
  return std::string("D\xE9pl.") + lettre + " " + coordonnees(x, y);  // Dépl.
}

std::string ligneDeplacementDestination(int x, int y) { return "     ->" + coordonnees(x, y); }

std::string ligneGain(char lettre, int x, int y) {
  return std::string("Gain ") + lettre + " " + coordonnees(x, y);
}

std::string progressionPlacement(int k) { return progression(recherchePlacement, k); }
std::string progressionDeplacement(int k) { return progression(rechercheDeplacement, k); }

std::string lectureImpossible(const std::string& chemin) {
  return "Impossible de lire le fichier source " + chemin + ".";
}

std::string erreurLecture(const std::string& chemin) {
  return "Erreur de lecture dans le fichier source " + chemin + ".";
}

}  // namespace irvad::textes
