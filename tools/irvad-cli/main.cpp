// irvad-cli: the game without windows.
//   irvad-cli [--dico FICHIER] mot MOT...       looks words up in the list
//   irvad-cli [--dico FICHIER] jouer [options]  a game of computer players, to its end
//   irvad-cli [--dico FICHIER] script FICHIER|- a game driven by a file of commands
//   irvad-cli [--dico FICHIER] endurance N [--graine G] [--dossier D]
//                                               N checked games of computers, saved and reloaded
//   irvad-cli [--dico FICHIER] duel [options]   games of the Expert computer against the Standard one
// Every log line the game writes is printed in UTF-8.
#include <algorithm>
#include <cctype>
#include <cstdio>
#include <csignal>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <iostream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "Cp1252.h"
#include "Fichiers.h"
#include "Jeu.h"
#include "Pliage.h"
#include "Duel.h"
#include "Endurance.h"
#include "Script.h"
#include "Textes.h"

namespace irvad {
namespace {

[[noreturn]] void usage(const std::string& message) {
  if (!message.empty()) std::cerr << "irvad-cli: " << message << '\n';
  std::cerr << "usage: irvad-cli [--dico FICHIER] mot MOT...\n"
               "       irvad-cli [--dico FICHIER] jouer [--joueurs 2|3|6] [--taille 5..9]\n"
               "                 [--deplacements oui|non] [--graine N] [--barrages oui|non] [--sauver FICHIER]\n"
               "                 [--coups N] [--niveaux standard|expert,...]\n"
               "       irvad-cli [--dico FICHIER] script FICHIER|-\n"
               "       irvad-cli [--dico FICHIER] endurance N [--graine G] [--dossier D]\n"
               "       irvad-cli [--dico FICHIER] duel [--parties N] [--graine G] [--taille 5..9]\n"
               "                 [--deplacements oui|non]\n";
  std::exit(2);
}

// A word typed by the user, folded to the capitals A-Z the way the word list
// was built (accents dropped, ligatures split): "élève" is looked up as ELEVE.
std::optional<std::string> motTape(const std::string& utf8) {
  auto mot = plierMot(utf8);
  if (!mot || mot->size() < 2 || mot->size() > 9) return std::nullopt;
  return mot;
}

bool chargerDico(Jeu& jeu, const std::string& chemin) {
  const auto r = jeu.chargerDico(chemin);
  if (r == Dico::Resultat::Ok) return true;
  const std::string nom = chemin.empty() ? repertoireProgramme() + Dico::nomFichier : chemin;
  std::cerr << "irvad-cli: " << (r == Dico::Resultat::Introuvable ? "liste de mots introuvable : "
                                                                  : "erreur de lecture de la liste de mots : ")
            << nom << '\n';
  return false;
}

// ---------------------------------------------------------------- mot

int commandeMot(Jeu& jeu, const std::vector<std::string>& args) {
  if (args.empty()) usage("mot: aucun mot");
  int code = 0;
  for (const auto& a : args) {
    const auto mot = motTape(a);
    if (!mot) {
      std::cout << "erreur: " << a << " n'est pas un mot de 2 à 9 lettres A à Z\n";
      code = 2;
      continue;
    }
    const bool trouve = jeu.dico.contient(mot->data(), static_cast<int>(mot->size()));
    std::cout << *mot << (trouve ? " : oui" : " : non") << '\n';
    if (!trouve && code == 0) code = 1;
  }
  return code;
}

// ---------------------------------------------------------------- jouer

// Rounds after which a game of computers is stopped: tokens can move back and
// forth for ever once the stocks are empty.
constexpr uint32_t toursMax = 1000;

void afficherClassement(Jeu& jeu) {
  jeu.classer();
  const Position& pos = jeu.position();
  std::cout << "\nClassement final\n";
  for (uint32_t k = 0; k < pos.nbJoueurs; ++k) {
    const int32_t p = pos.classement[k];
    if (p < 0) continue;
    const joueur& j = pos.joueurs[p];
    std::cout << k + 1 << ". "
              << cp1252::versUtf8(textes::ligneQualifie(j.nom, j.score, pos.jetons[p], pos.pointsJetons[p]))
              << " " << textes::couleurs[p] << '\n';
  }
}

int commandeJouer(Jeu& jeu, EcranTexte& ecran, const std::vector<std::string>& args) {
  uint32_t n = 2;
  int32_t taille = 5;
  bool deplacements = true;
  std::optional<uint32_t> graine;
  std::string sauver;
  // --coups N stops the game after N turns (all players together) to save a position.
  std::optional<int64_t> coups;
  // --niveaux: the level of each computer seat, in seat order.
  std::vector<Niveau> niveaux;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& o = args[i];
    if (i + 1 >= args.size()) usage(o + ": valeur manquante");
    const std::string& v = args[++i];
    const auto e = entier(v);
    if (o == "--joueurs") {
      if (!e || (*e != 2 && *e != 3 && *e != 6)) usage("--joueurs: 2, 3 ou 6");
      n = static_cast<uint32_t>(*e);
    } else if (o == "--taille") {
      if (!e || *e < 5 || *e > 9) usage("--taille: 5 à 9");
      taille = static_cast<int32_t>(*e);
    } else if (o == "--deplacements") {
      const auto b = ouiNon(v);
      if (!b) usage("--deplacements: oui ou non");
      deplacements = *b;
    } else if (o == "--barrages") {
      const auto b = ouiNon(v);
      if (!b) usage("--barrages: oui ou non");
      ecran.barrages = *b;
    } else if (o == "--graine") {
      if (!e || *e < 0 || *e > 0xFFFFFFFFLL) usage("--graine: un entier de 0 à 4294967295");
      graine = static_cast<uint32_t>(*e);
    } else if (o == "--sauver") {
      sauver = v;
    } else if (o == "--niveaux") {
      niveaux.clear();
      std::istringstream liste(v);
      for (std::string mot; std::getline(liste, mot, ',');) {
        if (mot == "standard")
          niveaux.push_back(Niveau::Standard);
        else if (mot == "expert")
          niveaux.push_back(Niveau::Expert);
        else
          usage("--niveaux: standard ou expert pour chaque joueur, s\xC3\xA9par\xC3\xA9s par des virgules");
      }
    } else if (o == "--coups") {
      if (!e || *e < 0) usage("--coups: un entier positif ou nul");
      coups = *e;
    } else {
      usage("option inconnue : " + o);
    }
  }
  if (!niveaux.empty() && niveaux.size() != n)
    usage("--niveaux: " + std::to_string(niveaux.size()) + " niveau(x) pour " + std::to_string(n) + " joueurs");
  // A seeded game is repeatable to the last byte of its saved file: the clock
  // stands still, so every thinking time stays 0.
  if (graine) jeu.horloge = [] { return int64_t{0}; };
  jeu.graine(graine ? *graine : static_cast<uint32_t>(std::time(nullptr)));
  Tablee t{n, {}};
  for (const joueur& j : jeu.position().joueurs) {
    const auto i = static_cast<std::size_t>(j.numero);
    t.sieges.push_back({j.nom, true, deplacements, taille, i < niveaux.size() ? niveaux[i] : Niveau::Standard});
  }
  jeu.nouvellePartie(t);
  ecran.valider();
  int code = 0;
  for (int64_t joues = 0; ecran.tourDemande && (!coups || joues < *coups); ++joues) {
    if (jeu.position().tour >= toursMax) {
      std::cout << "erreur: partie arrêtée après " << toursMax << " tours\n";
      code = 1;
      break;
    }
    ecran.tourDemande = false;
    jeu.tourAutomate();
    ecran.valider();
    if (!std::cout) break;  // the output takes no more: main says so
  }
  afficherClassement(jeu);
  if (!sauver.empty() && !jeu.enregistrerPartie(sauver)) {
    std::cout << "erreur: " << cp1252::versUtf8(ecran.statut) << '\n';
    code = 1;
  }
  return code;
}

int commandeScript(Jeu& jeu, EcranTexte& ecran, const std::vector<std::string>& args) {
  if (args.size() != 1) usage("script: un fichier ou - attendu");
  if (args[0] == "-") return executerScript(jeu, ecran, std::cin) ? 0 : 1;
  // A folder, a device or a named pipe is refused at once, never waited on.
  std::string texte;
  const fichiers::Lecture lu = fichiers::lire(args[0], texte, std::size_t{64} << 20);
  if (lu != fichiers::Lecture::reussie) {
    std::cerr << "irvad-cli: " << (lu == fichiers::Lecture::pasUnFichier ? args[0] + " n'est pas un fichier"
                                                                          : "impossible de lire " + args[0])
              << '\n';
    return 2;
  }
  std::istringstream f(texte);
  return executerScript(jeu, ecran, f) ? 0 : 1;
}

}  // namespace
}  // namespace irvad

int main(int argc, char** argv) {
  using namespace irvad;
  // An output that can take no more (a file past `ulimit -f`, a pipe whose
  // reader is gone) is an error the program reports, not a signal that
  // kills it.
  std::signal(SIGXFSZ, SIG_IGN);
  std::signal(SIGPIPE, SIG_IGN);
  std::vector<std::string> args(argv + 1, argv + argc);
  std::string dico;
  std::vector<std::string> reste;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--dico") {
      if (i + 1 >= args.size()) usage("--dico: fichier manquant");
      dico = args[++i];
    } else {
      reste.push_back(args[i]);
    }
  }
  if (reste.empty()) usage("");
  const std::string sous = reste[0];
  reste.erase(reste.begin());
  if (sous != "mot" && sous != "jouer" && sous != "script" && sous != "endurance" &&
      sous != "duel")
    usage("sous-commande inconnue : " + sous);

  EcranTexte ecran;
  Jeu jeu(ecran);
  if (!chargerDico(jeu, dico)) return 2;
  int code;
  if (sous == "mot")
    code = commandeMot(jeu, reste);
  else if (sous == "jouer")
    code = commandeJouer(jeu, ecran, reste);
  else if (sous == "endurance") {
    code = endurance(jeu.dico, reste, std::cout);
    if (code == 2) usage("endurance: N [--graine G] [--dossier D] attendu");
  } else if (sous == "duel") {
    code = duel(jeu.dico, reste, std::cout);
    if (code == 2) usage("duel: [--parties N] [--graine G] [--taille 5..9] [--deplacements oui|non] attendu");
  }
  else
    code = commandeScript(jeu, ecran, reste);
  std::cout.flush();
  if (!std::cout) {
    std::cerr << "irvad-cli: erreur d'écriture de la sortie (disque plein, fichier trop grand ou tube fermé)\n";
    return 2;
  }
  return code;
}
