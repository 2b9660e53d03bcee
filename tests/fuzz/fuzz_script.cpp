// Any text as a script of irvad-cli. Files named by "enregistrer" and "charger"
// are redirected to one file of the target's own folder, so that a script
// never writes anywhere else. Whatever the commands, nothing crashes, and a
// game that the commands of the rules (not the board-editing ones) took from a
// sound state is still sound.
#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

#include "Commun.h"
#include "Controles.h"
#include "Jeu.h"
#include "Script.h"

namespace {

using namespace irvad;

// The script with the file of every two-word "enregistrer" and "charger" line
// replaced; the words are split as the reader splits them.
std::string rediriger(const std::string& texte, bool& edition) {
  std::istringstream entree(texte);
  std::string sortie, ligne;
  while (std::getline(entree, ligne)) {
    std::string sansCommentaire = ligne;
    if (const auto diese = sansCommentaire.find('#'); diese != std::string::npos) sansCommentaire.erase(diese);
    std::istringstream mots(sansCommentaire);
    std::vector<std::string> m;
    for (std::string w; mots >> w;) m.push_back(w);
    if (!m.empty() && (m[0] == "case" || m[0] == "stock" || m[0] == "courant" || m[0] == "tour" || m[0] == "charger"))
      edition = true;
    if (m.size() == 2 && (m[0] == "enregistrer" || m[0] == "charger"))
      ligne = m[0] + " " + fuzz::dossier() + "script.ivd";
    sortie += ligne + '\n';
  }
  return sortie;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* octets, std::size_t taille) {
  if (taille > 4096) return 0;
  bool edition = false;
  const std::string texte = rediriger(std::string(fuzz::texte(octets, taille)), edition);
  // The computer's search is the slow part: a few turns are enough to reach every command.
  std::size_t automates = 0;
  for (std::size_t p = texte.find("automate"); p != std::string::npos; p = texte.find("automate", p + 1)) ++automates;
  if (automates > 24) return 0;

  std::ostringstream sortie;
  EcranTexte ecran(sortie);
  Jeu jeu(ecran);
  jeu.dico = fuzz::petiteListe();
  std::istringstream entree(texte);
  (void)executerScript(jeu, ecran, entree);
  ecran.valider();
  // A position set up by hand is refused unless every field is within what
  // the rules play on.
  const std::string bornes = jeu.position().horsBornes();
  fuzz::verifier(bornes.empty(), "position hors bornes : " + bornes);
  // A script that set nothing up leaves the engine as it was built, before
  // any game (every vertex still at 0,0): no position to judge.
  EcranNul neuf;
  if (!edition && controle::etat(jeu.position()) != controle::etat(Jeu(neuf).position())) {
    const std::string defaut = controle::incoherence(jeu.position());
    fuzz::verifier(defaut.empty(), "partie incoherente : " + defaut);
  }
  return 0;
}
