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

  void dessinerPlateau() override;
  void dessinerCellule(int r, int c, Couleur texte) override;
  void dessinerReserve(const joueur& j) override;
  void texteStatut(const std::string& texte) override;
  void curseurStandard() override;
  void ajouterMessage(const std::string& texte, bool effacer) override;
  void ajouterMessageEtAttendre(const std::string& texte, bool effacer) override;
  void retirerMessages(int32_t n) override;
  void retirerDerniersMessages(int32_t n) override;
  void coupCompte() override;
  void viderMessages() override;
  void definirLegende(const std::string& texte) override;
  void sauverMessagesSous() override;
  void mettreAJourScores() override;
  void mettreAJourTemps() override;  // too frequent to record
  void mettreAJourRecords(const std::string& nom, const std::string& mot, int32_t score,
                          int32_t pointsPris, int32_t lettresPrises) override;
  void activerPasserSonTour(bool actif) override;
  void activerContinuer(bool actif) override;
  Reponse boiteMessage(const std::string& texte, const std::string& titre, Icone icone,
                       Boutons boutons) override;
  void demarrerTour() override;
  void dicoOuvrir(int32_t maximum) override;
  void dicoProgression(int32_t n) override;
  void dicoStatut(const std::string& texte) override;
  void dicoFermer() override;

  // The calls whose text starts with `prefixe`.
  std::vector<std::string> appelsDe(const std::string& prefixe) const;
  void oublier() { appels.clear(); messages.clear(); }

 private:
  void noter(const std::string& appel);
};

}  // namespace irvad::test
