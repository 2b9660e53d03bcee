#include "EcranEnregistreur.h"

#include <cstdio>

#include "Cp1252.h"
#include "Etat.h"

namespace irvad::test {

namespace {
std::string u(const std::string& texte) { return cp1252::versUtf8(texte); }
std::string n(int64_t v) { return std::to_string(v); }
}  // namespace

void EcranEnregistreur::dessinerCellule(int r, int c, Couleur texte) {
  char couleur[16];
  std::snprintf(couleur, sizeof couleur, "%06X", texte);
  noter("dessinerCellule(" + n(r) + "," + n(c) + "," + couleur + ")");
}
void EcranEnregistreur::dessinerReserve(const joueur& j) { noter("dessinerReserve(" + n(j.numero) + ")"); }
void EcranEnregistreur::texteStatut(const std::string& texte) {
  statut = u(texte);
  noter("texteStatut(" + statut + ")");
}
void EcranEnregistreur::message(const char* nom, const std::string& texte, bool effacer) {
  if (effacer) messages.clear();
  messages.push_back(u(texte));
  noter(nom + ("(" + u(texte) + (effacer ? ",effacer)" : ")")));
}
void EcranEnregistreur::retirerMessages(int32_t k) {
  for (int32_t i = 0; i < k && messages.size() >= 2; ++i) messages.erase(messages.end() - 2);
  noter("retirerMessages(" + n(k) + ")");
}
void EcranEnregistreur::retirerDerniersMessages(int32_t k) {
  for (int32_t i = 0; i < k && !messages.empty(); ++i) messages.pop_back();
  noter("retirerDerniersMessages(" + n(k) + ")");
}
void EcranEnregistreur::mettreAJourRecords(const std::string& nom, const std::string& mot, int32_t score,
                                           int32_t pointsPris, int32_t lettresPrises) {
  noter("mettreAJourRecords(" + u(nom) + "," + mot + "," + n(score) + "," + n(pointsPris) + "," +
        n(lettresPrises) + ")");
}
Reponse EcranEnregistreur::boiteMessage(const std::string& texte, const std::string& titre, Icone, Boutons boutons) {
  noter("boiteMessage(" + u(texte) + "," + u(titre) + ")");
  if (boutons == Boutons::Ok) return Reponse::Ok;
  if (reponses.empty()) return Reponse::Non;
  const Reponse r = reponses.front();
  reponses.erase(reponses.begin());
  return r;
}
void EcranEnregistreur::dicoStatut(const std::string& texte) { noter("dicoStatut(" + u(texte) + ")"); }

std::vector<std::string> EcranEnregistreur::appelsDe(const std::string& prefixe) const {
  std::vector<std::string> r;
  for (const auto& a : appels)
    if (a.rfind(prefixe, 0) == 0) r.push_back(a);
  return r;
}

}  // namespace irvad::test
