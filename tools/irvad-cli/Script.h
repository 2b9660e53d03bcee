#pragma once
// The command line's screen and its script reader: a game driven by lines of
// commands, each refused or carried out as a whole, its log printed in UTF-8.
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "Cp1252.h"
#include "Jeu.h"
#include "Textes.h"

namespace irvad {

// A whole decimal number of at most 12 characters with an optional minus sign.
std::optional<long long> entier(const std::string& s);
// "oui" or "non".
std::optional<bool> ouiNon(const std::string& s);

// Prints the log. Lines written during one script command are held back until
// the command is known to stand, so that a refused command prints nothing.
class EcranTexte : public EcranNul {
 public:
  explicit EcranTexte(std::ostream& sortie = std::cout) : sortie_(sortie) {}
  std::ostream& sortie() { return sortie_; }

  bool barrages = false;    // answer to "faire la ½ finale / la finale ?"
  bool tourDemande = false;  // set by demarrerTour: the next turn may start
  std::string statut;       // last status text (Windows-1252)

  void ajouterMessage(const std::string& texte, bool effacer) override { ajouter(texte, effacer); }
  void ajouterMessageEtAttendre(const std::string& texte, bool effacer) override { ajouter(texte, effacer); }
  void retirerMessages(int32_t n) override {
    for (int32_t i = 0; i < n && enAttente_.size() >= 2; ++i) enAttente_.erase(enAttente_.end() - 2);
  }
  // Lines already printed stay printed: undo takes back only those held.
  void retirerDerniersMessages(int32_t n) override {
    for (int32_t i = 0; i < n && !enAttente_.empty(); ++i) enAttente_.pop_back();
  }
  void texteStatut(const std::string& texte) override { statut = texte; }
  Reponse boiteMessage(const std::string& texte, const std::string&, Icone, Boutons b) override {
    if (b == Boutons::Ok) return Reponse::Ok;
    if (texte == textes::questionDemiFinale || texte == textes::questionFinale)
      return barrages ? Reponse::Oui : Reponse::Non;
    return Reponse::Non;
  }
  void demarrerTour() override { tourDemande = true; }

  void valider() {
    for (const auto& l : enAttente_) sortie_ << cp1252::versUtf8(l) << '\n';
    enAttente_.clear();
  }
  void annuler() { enAttente_.clear(); }

 private:
  void ajouter(const std::string& texte, bool effacer) {
    if (effacer) valider();
    enAttente_.push_back(texte);
  }
  std::ostream& sortie_;
  std::vector<std::string> enAttente_;
};

// Runs the commands of `entree`, one a line ('#' starts a comment), on `jeu`,
// whose screen is `ecran`; the log and the errors go to the screen's stream.
// The clock stands still and the seed is 0 until a "graine" command, so that a
// script gives the same game every time. True when every command stood.
bool executerScript(Jeu& jeu, EcranTexte& ecran, std::istream& entree);

}  // namespace irvad
