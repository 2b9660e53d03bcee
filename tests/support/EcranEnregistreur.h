#pragma once
// A screen that records every call as one line of text, for the engine tests.
#include <string>
#include <vector>

#include "Ecran.h"

namespace irvad::test {

class EcranEnregistreur : public Ecran {
 public:
  // Every call, in order, as "name(arguments)"; texts converted to UTF-8.
  std::vector<std::string> appels;
  // The log as the messages window would hold it (UTF-8 lines).
  std::vector<std::string> messages;
  std::string statut;  // last status text (UTF-8)
  // The answers of the message boxes, taken in order; No once they run out.
  std::vector<Reponse> reponses;
  bool passerActif = true;
  bool continuerActif = false;
  bool enregistrerAppels = true;

  void dessinerPlateau() override { noter("dessinerPlateau()"); }
  void dessinerCellule(int r, int c, Couleur texte) override;
  void dessinerReserve(const joueur& j) override;
  void texteStatut(const std::string& texte) override;
  void curseurStandard() override { noter("curseurStandard()"); }
  void ajouterMessage(const std::string& texte, bool effacer) override { message("ajouterMessage", texte, effacer); }
  void ajouterMessageEtAttendre(const std::string& texte, bool effacer) override {
    message("ajouterMessageEtAttendre", texte, effacer);
  }
  void retirerMessages(int32_t n) override;
  void retirerDerniersMessages(int32_t n) override;
  void coupCompte() override { noter("coupCompte()"); }
  void viderMessages() override {
    messages.clear();
    noter("viderMessages()");
  }
  void definirLegende(const std::string&) override {}
  void sauverMessagesSous() override { noter("sauverMessagesSous()"); }
  void mettreAJourScores() override { noter("mettreAJourScores()"); }
  void mettreAJourTemps() override {}  // too frequent to record
  void mettreAJourRecords(const std::string& nom, const std::string& mot, int32_t score,
                          int32_t pointsPris, int32_t lettresPrises) override;
  void activerPasserSonTour(bool actif) override { noter("activerPasserSonTour(" + bit(passerActif = actif) + ")"); }
  void activerContinuer(bool actif) override { noter("activerContinuer(" + bit(continuerActif = actif) + ")"); }
  Reponse boiteMessage(const std::string& texte, const std::string& titre, Icone icone,
                       Boutons boutons) override;
  void demarrerTour() override { noter("demarrerTour()"); }
  void dicoOuvrir(int32_t maximum) override { noter("dicoOuvrir(" + std::to_string(maximum) + ")"); }
  void dicoProgression(int32_t n) override { noter("dicoProgression(" + std::to_string(n) + ")"); }
  void dicoStatut(const std::string& texte) override;
  void dicoFermer() override { noter("dicoFermer()"); }

  // The calls whose text starts with `prefixe`.
  std::vector<std::string> appelsDe(const std::string& prefixe) const;
  void oublier() { appels.clear(); messages.clear(); }

 private:
  static std::string bit(bool b) { return b ? "1" : "0"; }
  void noter(const std::string& appel) {
    if (enregistrerAppels) appels.push_back(appel);
  }
  void message(const char* nom, const std::string& texte, bool effacer);
};

}  // namespace irvad::test
