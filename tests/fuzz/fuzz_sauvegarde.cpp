// Any bytes as a saved game. A refused file leaves the running game exactly as
// it was and says why; an accepted one keeps every rule of a position, saves
// back to a file that loads to the same game, and plays on by the rules: the
// scores window's texts, the ranking and a few computer turns.
#include <cstdint>
#include <string>

#include "Commun.h"
#include "Controles.h"
#include "Jeu.h"
#include "Textes.h"

namespace {

using namespace irvad;

class EcranEssai : public EcranNul {
 public:
  std::string statut;
  bool continuer = false;
  void texteStatut(const std::string& t) override { statut = t; }
  void activerContinuer(bool a) override { continuer = a; }
};

EcranEssai& ecranCommun() {
  static EcranEssai ecran;
  return ecran;
}

// The game in play before the load: 6 players in the middle of a game, so that
// a file of 2 or 3 players leaves records behind it. Made once, copied for
// each input.
const Jeu& modele() {
  static const Jeu jeu = [] {
    Jeu j(ecranCommun());
    j.dico = fuzz::petiteListe();
    j.horloge = [] { return int64_t{1000}; };
    j.graine(7);
    Tablee t{6, {}};
    for (uint32_t i = 0; i < nbJoueursMax; ++i)
      t.sieges.push_back({"Avant" + std::to_string(i), true, i % 2 == 0, 5 + static_cast<int32_t>(i % 5)});
    j.nouvellePartie(t);
    for (int k = 0; k < 8; ++k) j.tourAutomate();
    return j;
  }();
  return jeu;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* octets, std::size_t taille) {
  if (taille > 8192) return 0;
  EcranEssai& ecran = ecranCommun();
  ecran = EcranEssai();
  Jeu jeu(modele());
  jeu.graine(11);
  auto etat = [&] { return controle::etat(jeu.position(), true) + (jeu.position().enCours ? "en cours" : "finie"); };
  const std::string avant = etat();
  const std::string chemin = fuzz::fichier("partie.ivd", fuzz::texte(octets, taille));

  if (!jeu.chargerPartie(chemin)) {
    fuzz::verifier(etat() == avant, "un chargement refuse a change la partie");
    fuzz::verifier(ecran.statut == textes::erreurLecture(chemin), "message du refus : " + ecran.statut);
    fuzz::verifier(!ecran.continuer, "Continuer active apres un refus");
    return 0;
  }
  fuzz::verifier(!fuzz::refusAttendu, "partie a refuser acceptee");
  fuzz::verifier(ecran.statut == textes::chargementTermine && ecran.continuer, "message du chargement");
  const Position& p = jeu.position();
  fuzz::verifier(p.enCours, "partie chargee mais pas en cours");
  const std::string defaut = controle::incoherence(p);
  fuzz::verifier(defaut.empty(), "partie chargee incoherente : " + defaut);
  fuzz::verifier(taille == 2440 + 143 * p.nbJoueurs, "taille acceptee " + std::to_string(taille));

  // Written back and read again, the game is the same.
  const std::string copie = fuzz::dossier() + "copie.ivd";
  fuzz::verifier(jeu.enregistrerPartie(copie), "enregistrement d'une partie chargee : " + ecran.statut);
  fuzz::verifier(fuzz::lireFichier(copie).size() == taille, "taille du fichier reecrit");
  Jeu relue(modele());
  fuzz::verifier(relue.chargerPartie(copie), "relecture de la copie");
  // A name of 9 characters without its zero comes back cut to the 8 that are saved.
  Position attendue = p;
  for (joueur& j : attendue.joueurs)
    if (j.nom.size() > 8) j.nom.resize(8);
  fuzz::verifier(controle::etat(relue.position()) == controle::etat(attendue), "la copie relue differe");

  // The scores window and a few turns of the computer (whoever's seat it is)
  // on whatever was let in.
  for (uint32_t i = 0; i < nbJoueursMax; ++i) {
    // "mm:ss": minutes of a time the reader let in fit in a dozen digits.
    const std::string t = jeu.texteTemps(i);
    fuzz::verifier(t.size() <= 16 && t.find(':') != std::string::npos, "temps affiche " + t);
  }
  const auto avantTours = p.joueurs;
  for (int k = 0; k < 3 && p.enCours; ++k) jeu.tourAutomate();
  // Points are only ever won, and the sums of the ranking stay positive.
  jeu.classer();
  for (uint32_t i = 0; i < nbJoueursMax; ++i) {
    fuzz::verifier(p.joueurs[i].score >= avantTours[i].score, "un score a baisse");
    fuzz::verifier(p.pointsJetons[i] >= 0 && p.jetons[i] >= 0, "somme des jetons negative");
    for (int32_t l : p.joueurs[i].lettres) fuzz::verifier(l >= 0, "stock negatif apres quelques tours");
  }
  const std::string apres = controle::incoherence(p);
  fuzz::verifier(apres.empty(), "apres quelques tours : " + apres);
  return 0;
}
