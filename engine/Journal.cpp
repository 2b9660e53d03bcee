#include "Journal.h"

#include <filesystem>

#include "Cp1252.h"

namespace irvad::journal {

std::vector<std::string> decouper(std::string_view contenu) {
  std::vector<std::string> lignes;
  std::size_t debut = 0;
  std::size_t i = 0;
  while (i < contenu.size()) {
    const char c = contenu[i];
    if (c == '\r' || c == '\n') {
      lignes.emplace_back(contenu.substr(debut, i - debut));
      i += (c == '\r' && i + 1 < contenu.size() && contenu[i + 1] == '\n') ? 2 : 1;
      debut = i;
    } else {
      ++i;
    }
  }
  if (debut < contenu.size()) lignes.emplace_back(contenu.substr(debut));
  return lignes;
}

std::string assembler(const std::vector<std::string>& lignes) {
  std::size_t taille = 0;
  for (const auto& l : lignes) taille += l.size() + 2;
  std::string texte;
  texte.reserve(taille);
  for (const auto& l : lignes) {
    texte += l;
    texte += "\r\n";
  }
  return texte;
}

Lecture lire(const std::string& chemin) {
  Lecture resultat;
  if (chemin.empty()) return resultat;
  std::string contenu;
  switch (fichiers::lire(chemin, contenu, tailleMax)) {
    case fichiers::Lecture::reussie:
      resultat.existe = true;
      resultat.lignes = decouper(contenu);
      break;
    case fichiers::Lecture::absent:
      break;
    case fichiers::Lecture::ouverture:
      resultat.existe = true;
      resultat.erreur = Erreur::ouverture;
      break;
    case fichiers::Lecture::pasUnFichier:
    case fichiers::Lecture::lecture:
      resultat.existe = true;
      resultat.erreur = Erreur::lecture;
      break;
    case fichiers::Lecture::tropGrand:
      resultat.existe = true;
      resultat.erreur = Erreur::tropGrand;
      break;
  }
  return resultat;
}

Erreur ecrire(const std::string& chemin, const std::vector<std::string>& lignes) {
  return ecrire(chemin, lignes, fichiers::ecrireEtSynchroniser);
}

Erreur ecrire(const std::string& chemin, const std::vector<std::string>& lignes,
              const fichiers::Ecrivain& ecrivain) {
  // Earlier versions named the log's temporary files ".journal.XXXXXX" and
  // did not lock them; those that a killed run left are removed here, once
  // they are old enough that no write can still be under way.
  if (!chemin.empty()) {
    const std::filesystem::path vrai(fichiers::cible(chemin));
    fichiers::nettoyerAnciens(vrai.has_parent_path() ? vrai.parent_path().string() : std::string("."), ".journal.",
                              600);
  }
  switch (fichiers::remplacer(chemin, assembler(lignes), ecrivain)) {
    case fichiers::Ecriture::reussie:
      return Erreur::aucune;
    case fichiers::Ecriture::temporaire:
      return Erreur::creation;
    case fichiers::Ecriture::ecriture:
      return Erreur::ecriture;
    case fichiers::Ecriture::lectureSeule:
    case fichiers::Ecriture::pasUnFichier:
    case fichiers::Ecriture::remplacement:
      break;
  }
  return Erreur::remplacement;
}

std::string texteErreur(Erreur erreur, const std::string& chemin) {
  const std::string nom = cp1252::depuisUtf8(chemin);
  switch (erreur) {
    case Erreur::aucune:
      return {};
    case Erreur::ouverture:
      return "Impossible d'ouvrir le fichier " + nom;
    case Erreur::lecture:
      return "Erreur de lecture du fichier " + nom;
    case Erreur::tropGrand:
      return "Fichier trop grand pour un journal : " + nom;
    case Erreur::creation:
      return "Impossible de cr\xE9" "er le fichier " + nom;  // créer
    case Erreur::ecriture:
      return "Erreur d'\xE9" "criture dans le fichier " + nom;  // d'écriture
    case Erreur::remplacement:
      return "Impossible de remplacer le fichier " + nom;
  }
  return {};
}

}  // namespace irvad::journal
