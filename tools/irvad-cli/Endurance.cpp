#include "Endurance.h"

#include <unistd.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <random>
#include <system_error>

#include "Controles.h"
#include "Jeu.h"
#include "Script.h"
#include "Textes.h"

namespace irvad {
namespace {

// Rounds after which a game is stopped: once the stocks are empty, tokens can
// move back and forth for ever.
constexpr uint32_t toursMax = 1000;

// Adds up the points of the word lines for the player whose turn it is, and
// checks each play's total line against its word lines.
class EcranComptable : public EcranNul {
 public:
  const Jeu* jeu = nullptr;
  std::array<int64_t, nbJoueursMax> points{};
  std::string defaut;  // the first fault seen
  std::string statut;

  void texteStatut(const std::string& t) override { statut = t; }
  void ajouterMessage(const std::string& texte, bool) override {
    if (texte == textes::enteteMots) {
      coup_ = 0;
      mots_ = 0;
      return;
    }
    int nbMots = 0, total = 0, pris = 0, lettres = 0;
    if (std::sscanf(texte.c_str(), "%d mot(s) %d %d %d", &nbMots, &total, &pris, &lettres) == 4 &&
        texte.find(" mot(s) ") != std::string::npos) {
      if (total != coup_ || nbMots != mots_)
        noter("ligne \"" + texte + "\" pour " + std::to_string(mots_) + " mots de " + std::to_string(coup_) +
              " points");
    }
  }
  void ajouterMessageEtAttendre(const std::string& texte, bool) override {
    // Word lines are the only waits besides the closing line of a game.
    if (texte == textes::filetQualifies || texte.size() < 9 + 8) return;
    int n = 0, pris = 0, lettres = 0;
    if (std::sscanf(texte.c_str() + 9, "%d %d %d", &n, &pris, &lettres) != 3) {
      noter("ligne de mot illisible : " + texte);
      return;
    }
    std::size_t longueur = 0;
    while (longueur < 9 && texte[longueur] >= 'A' && texte[longueur] <= 'Z') ++longueur;
    if (static_cast<int>(longueur) != n) noter("ligne \"" + texte + "\" : les points ne sont pas les lettres du mot");
    points[jeu->position().joueurCourant % nbJoueursMax] += n;
    coup_ += n;
    mots_ += 1;
  }

  void noter(const std::string& quoi) {
    if (defaut.empty()) defaut = quoi;
  }

 private:
  int coup_ = 0, mots_ = 0;
};

struct Bilan {
  uint32_t tours = 0;
  int sauvegardes = 0;
  bool arretee = false;
  std::string defaut;
};

Bilan unePartie(const Dico& dico, uint32_t graine, const std::string& fichier, std::string& reglages) {
  std::mt19937 alea(graine);
  EcranComptable ecran;
  Jeu jeu(ecran);
  ecran.jeu = &jeu;
  jeu.dico = dico;
  jeu.horloge = [] { return int64_t{0}; };
  jeu.graine(graine);
  constexpr std::array<uint32_t, 3> nombres = {2, 3, 6};
  const uint32_t n = nombres[alea() % 3];
  reglages = std::to_string(n) + " joueurs";
  Tablee t{n, {}};
  for (uint32_t i = 0; i < nbJoueursMax; ++i) {
    const auto taille = static_cast<int32_t>(5 + alea() % 5);
    const bool deplacements = alea() % 3 != 0;
    t.sieges.push_back({"Auto" + std::to_string(i + 1), true, deplacements, taille});
    if (i < n) reglages += std::string(" ") + std::to_string(taille) + (deplacements ? "d" : "");
  }
  jeu.nouvellePartie(t);

  Bilan b;
  auto verifier = [&](const char* quand) {
    if (!b.defaut.empty()) return;
    std::string d = controle::incoherence(jeu.position());
    if (d.empty()) d = ecran.defaut;
    for (uint32_t i = 0; i < n && d.empty(); ++i)
      if (jeu.position().joueurs[i].score != ecran.points[i])
        d = "joueur " + std::to_string(i + 1) + " : score " + std::to_string(jeu.position().joueurs[i].score) + " pour " +
            std::to_string(ecran.points[i]) + " points dans le journal";
    if (!d.empty()) b.defaut = std::string(quand) + ", tour " + std::to_string(jeu.position().tour) + " : " + d;
  };

  while (jeu.position().enCours && b.defaut.empty()) {
    if (jeu.position().tour >= toursMax) {
      b.arretee = true;
      break;
    }
    jeu.tourAutomate();
    verifier("apres le coup");
    if (!jeu.position().enCours || alea() % 8 != 0) continue;

    // Saved, read back into another game and into this one: nothing changes.
    const std::string avant = controle::partie(jeu.position());
    if (!jeu.enregistrerPartie(fichier)) {
      b.defaut = "enregistrement : " + ecran.statut;
      break;
    }
    EcranNul autreEcran;
    Jeu relue(autreEcran);
    if (!relue.chargerPartie(fichier) || controle::partie(relue.position()) != avant) {
      b.defaut = "tour " + std::to_string(jeu.position().tour) + " : la partie relue differe";
      break;
    }
    if (!jeu.chargerPartie(fichier) || controle::partie(jeu.position()) != avant) {
      b.defaut = "tour " + std::to_string(jeu.position().tour) + " : la partie rechargee differe";
      break;
    }
    ++b.sauvegardes;
    verifier("apres le chargement");
  }
  b.tours = jeu.position().tour;
  return b;
}

}  // namespace

int endurance(const Dico& dico, const std::vector<std::string>& args, std::ostream& sortie) {
  if (args.empty()) return 2;
  const auto total = entier(args[0]);
  if (!total || *total < 1) return 2;
  uint32_t premiere = 1;
  std::string dossier;
  for (std::size_t i = 1; i < args.size(); i += 2) {
    if (i + 1 >= args.size()) return 2;
    if (args[i] == "--graine") {
      const auto g = entier(args[i + 1]);
      if (!g || *g < 0 || *g > 0xFFFFFFFFLL) return 2;
      premiere = static_cast<uint32_t>(*g);
    } else if (args[i] == "--dossier") {
      dossier = args[i + 1];
    } else {
      return 2;
    }
  }
  namespace fs = std::filesystem;
  std::error_code erreur;
  const bool temporaire = dossier.empty();
  if (temporaire) {
    std::string modele = (fs::temp_directory_path(erreur) / "irvad-endurance-XXXXXX").string();
    if (::mkdtemp(modele.data()) == nullptr) {
      sortie << "erreur: dossier temporaire impossible\n";
      return 1;
    }
    dossier = modele;
  }
  const std::string fichier = (fs::path(dossier) / "partie.ivd").string();

  int fautes = 0, arretees = 0;
  for (long long k = 0; k < *total; ++k) {
    const uint32_t graine = premiere + static_cast<uint32_t>(k);
    std::string reglages;
    const Bilan b = unePartie(dico, graine, fichier, reglages);
    sortie << "partie " << graine << " : " << reglages << ", " << b.tours << " tours, " << b.sauvegardes
           << " sauvegardes" << (b.arretee ? ", arretee" : "") << (b.defaut.empty() ? "" : ", ERREUR " + b.defaut)
           << '\n';
    fautes += !b.defaut.empty();
    arretees += b.arretee;
  }
  if (temporaire) fs::remove_all(dossier, erreur);
  sortie << *total << " parties, " << arretees << " arretees apres " << toursMax << " tours, " << fautes
         << " en erreur\n";
  return fautes == 0 ? 0 : 1;
}

}  // namespace irvad
