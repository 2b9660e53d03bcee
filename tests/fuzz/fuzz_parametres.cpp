// Any bytes as Irvad.ini. The settings read are within their ranges; writing a
// key makes it read back as written and changes no other key; the settings
// written by the dialog read back as they were set.
#include <strings.h>

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>

#include "Commun.h"
#include "Parametres.h"

namespace {

using namespace irvad;

using Cle = std::pair<const char*, const char*>;
constexpr std::array<Cle, 7> cles = {{{"Automate", "Pause"},
                                      {"Automate", "TailleMax"},
                                      {"Automate", "Interruption"},
                                      {"Automate", "Deplacements"},
                                      {"Partie", "EnregistrerMessages"},
                                      {"automate", "pause"},
                                      {"Autre", "Cle"}}};

std::array<std::optional<std::string>, cles.size()> toutLire(const FichierIni& f) {
  std::array<std::optional<std::string>, cles.size()> v;
  for (std::size_t i = 0; i < cles.size(); ++i) v[i] = f.lire(cles[i].first, cles[i].second);
  return v;
}

bool memeCle(const Cle& a, const Cle& b) {
  return ::strcasecmp(a.first, b.first) == 0 && ::strcasecmp(a.second, b.second) == 0;
}

void verifierPlages(const Parametres& p) {
  fuzz::verifier(p.pause >= Parametres::pauseMin && p.pause <= Parametres::pauseMax, "pause hors plage");
  fuzz::verifier(p.tailleMaxParDefaut >= Parametres::tailleMin && p.tailleMaxParDefaut <= Parametres::tailleMax,
                 "taille hors plage");
  fuzz::verifier(p.intervalleMs() >= 1 && p.intervalleMs() <= 5000, "intervalle");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* octets, std::size_t taille) {
  if (taille > 16384) return 0;
  const std::string chemin = fuzz::fichier("Irvad.ini", fuzz::texte(octets, taille));
  (void)entierIni(std::string(fuzz::texte(octets, taille)));

  Parametres p(chemin, "");
  verifierPlages(p);
  (void)p.enregistrerMessages();

  // One key written, the others untouched.
  FichierIni f(chemin);
  const auto avant = toutLire(f);
  const std::size_t choix = taille % cles.size();
  const std::string valeur = "v" + std::to_string(taille);
  fuzz::verifier(f.ecrire(cles[choix].first, cles[choix].second, valeur), "ecriture refusee");
  const auto apres = toutLire(f);
  for (std::size_t i = 0; i < cles.size(); ++i) {
    const std::string quoi = std::string(cles[i].first) + "/" + cles[i].second;
    if (memeCle(cles[i], cles[choix]))
      fuzz::verifier(apres[i] == valeur, quoi + " ne se relit pas comme ecrite");
    else
      fuzz::verifier(apres[i] == avant[i], quoi + " a change sans etre ecrite");
  }

  // The dialog's four settings, then the board window's option, read back.
  Parametres q(chemin, "");
  q.pause = static_cast<int32_t>(taille % 6);
  q.tailleMaxParDefaut = 5 + static_cast<int32_t>(taille % 5);
  q.interruption = taille % 2 == 0;
  q.deplacementsParDefaut = taille % 3 == 0;
  fuzz::verifier(q.enregistrer().empty() && q.fichierAJour(), "enregistrement des parametres");
  fuzz::verifier(q.ecrireEnregistrerMessages(taille % 4 == 0).empty(), "enregistrement de l'option");
  Parametres r(chemin, "");
  fuzz::verifier(r.pause == q.pause && r.tailleMaxParDefaut == q.tailleMaxParDefaut &&
                     r.interruption == q.interruption && r.deplacementsParDefaut == q.deplacementsParDefaut,
                 "parametres relus differents");
  fuzz::verifier(r.enregistrerMessages() == (taille % 4 == 0), "option relue differente");
  return 0;
}
