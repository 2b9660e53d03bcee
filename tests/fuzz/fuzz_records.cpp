// Any bytes as the text of the records store. A record read as sound holds a
// word or a number it can be; the others read as the empty record. Writing
// some records makes them read back as written and leaves every other record
// as it was, sound or not; writing the same again changes nothing. Any text
// quoted as QSettings quotes it reads back the same.
#include <cstdint>
#include <string>
#include <string_view>

#include "Commun.h"
#include "MagasinRecords.h"

namespace {

using namespace irvad;

bool recordPossible(std::size_t i, const records::Record& r) {
  if (i == 0) {
    if (r.valeur.size() > 9) return false;
    for (char c : r.valeur)
      if (c < 'A' || c > 'Z') return false;
    return true;
  }
  if (r.valeur.empty() || r.valeur.size() > 10 || (r.valeur.size() > 1 && r.valeur[0] == '0')) return false;
  for (char c : r.valeur)
    if (c < '0' || c > '9') return false;
  return std::stoll(r.valeur) <= INT32_MAX;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* octets, std::size_t taille) {
  if (taille > 16384) return 0;
  const std::string_view texte = fuzz::texte(octets, taille);
  const records::Lecture avant = records::lire(texte);
  for (std::size_t i = 0; i < 4; ++i) {
    if (avant.etats[i] == records::Etat::sain)
      fuzz::verifier(recordPossible(i, avant.records[i]), "record lu impossible : " + avant.records[i].valeur);
    else
      fuzz::verifier(avant.records[i] == records::vide(static_cast<int>(i)), "record non sain mais non vide");
    fuzz::verifier((avant.etats[i] == records::Etat::endommage) == !avant.defauts[i].empty(), "defaut");
  }

  // Names and dates made of the input's own bytes, whatever they are.
  const std::string morceau(texte.substr(0, std::min<std::size_t>(taille, 24)));
  const std::string fin(texte.substr(taille - std::min<std::size_t>(taille, 17)));
  const auto relu = records::texteLu(records::echapper(morceau));
  fuzz::verifier(relu && *relu == morceau, "texte mal cite ou mal relu");

  const auto quels = static_cast<uint8_t>(taille % 16);
  records::Quatre nouveaux;
  for (std::size_t i = 0; i < 4; ++i)
    nouveaux[i] = {i == 0 ? std::string("ORANGES") : std::to_string(taille * (i + 1)), i % 2 ? morceau : fin,
                   i % 2 ? fin : morceau};
  const std::string ecrit = records::ecrire(texte, nouveaux, quels);
  const records::Lecture apres = records::lire(ecrit);
  for (std::size_t i = 0; i < 4; ++i) {
    const std::string quoi = "record " + std::to_string(i) + " : ";
    if (quels & (1u << i)) {
      fuzz::verifier(apres.etats[i] == records::Etat::sain, quoi + "ecrit mais pas sain");
      fuzz::verifier(apres.records[i] == nouveaux[i], quoi + "ne se relit pas comme ecrit");
    } else {
      fuzz::verifier(apres.etats[i] == avant.etats[i] && apres.records[i] == avant.records[i],
                     quoi + "change sans etre ecrit");
    }
  }
  fuzz::verifier(records::ecrire(ecrit, nouveaux, quels) == ecrit, "une seconde ecriture change le texte");
  return 0;
}
