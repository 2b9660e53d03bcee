// Files that cannot be written, writes cut short, files cut at every offset:
// what was on disk and what is in play must survive every failure.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <array>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <limits>

#include "../../tools/irvad-cli/Controles.h"
#include "DicoEcriture.h"
#include "DicoTest.h"
#include "EcranEnregistreur.h"
#include "Jeu.h"
#include "Parametres.h"
#include "Textes.h"

namespace irvad {
namespace {

namespace fs = std::filesystem;

std::string lire(const std::string& chemin) {
  std::ifstream f(chemin, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(f), {});
}

void ecrire(const std::string& chemin, const std::string& octets) {
  std::ofstream(chemin, std::ios::binary | std::ios::trunc) << octets;
}

// While it lives, no file of the process may grow beyond `octets`: a write
// past that fails as on a full disk, for root too.
class DisquePlein {
 public:
  explicit DisquePlein(rlim_t octets) {
    ancienSignal_ = std::signal(SIGXFSZ, SIG_IGN);
    ::getrlimit(RLIMIT_FSIZE, &ancienne_);
    rlimit r = ancienne_;
    r.rlim_cur = octets;
    ok_ = ::setrlimit(RLIMIT_FSIZE, &r) == 0;
  }
  ~DisquePlein() {
    ::setrlimit(RLIMIT_FSIZE, &ancienne_);
    std::signal(SIGXFSZ, ancienSignal_);
  }
  bool ok() const { return ok_; }

 private:
  rlimit ancienne_{};
  void (*ancienSignal_)(int) = SIG_DFL;
  bool ok_ = false;
};

class Robustesse : public ::testing::Test {
 protected:
  test::EcranEnregistreur ecran;
  Jeu jeu{ecran};
  std::string dossier = test::dossierTemporaire();

  void SetUp() override {
    ecran.enregistrerAppels = false;
    test::chargerMots(jeu.dico, {"EU", "AI", "RUE", "SEL", "AMI", "RASE", "MARE", "TOILE", "SALON"});
    jeu.horloge = [] { return int64_t{500}; };
  }

  // A game of n computer players after a few rounds, tokens on the board.
  void jouer(uint32_t n, int coups, uint32_t graine) {
    jeu.graine(graine);
    Tablee t{n, {}};
    for (uint32_t i = 0; i < nbJoueursMax; ++i)
      t.sieges.push_back({"J" + std::to_string(i), true, true, 5 + static_cast<int32_t>(i % 5)});
    jeu.nouvellePartie(t);
    for (int k = 0; k < coups && jeu.position().enCours; ++k) jeu.tourAutomate();
  }

  // Everything a load may change, and whether the game is in play.
  std::string etat() const {
    return controle::etat(jeu.position(), true) + (jeu.position().enCours ? "en cours" : "finie");
  }
};

TEST_F(Robustesse, UnEnregistrementImpossibleGardeLAncienFichierEtLaPartie) {
  jouer(3, 9, 1);
  const std::string chemin = dossier + "partie.ivd";
  ASSERT_TRUE(jeu.enregistrerPartie(chemin));
  const std::string ancien = lire(chemin);
  jouer(3, 12, 2);
  const std::string avant = etat();

  // A folder that is a regular file: nothing can be created in it.
  ecrire(dossier + "fichier", "x");
  EXPECT_FALSE(jeu.enregistrerPartie(dossier + "fichier/partie.ivd"));
  EXPECT_EQ(ecran.statut, "Impossible d'écrire dans le fichier destination.");
  EXPECT_EQ(lire(dossier + "fichier"), "x");
  EXPECT_EQ(etat(), avant);

  // The disk fills up in the middle of the file: the old file stays whole and
  // no temporary file is left.
  {
    DisquePlein plein(1000);
    ASSERT_TRUE(plein.ok());
    EXPECT_FALSE(jeu.enregistrerPartie(chemin));
  }
  EXPECT_EQ(ecran.statut, "Erreur d'écriture dans le fichier destination.");
  EXPECT_EQ(lire(chemin), ancien);
  EXPECT_EQ(fs::directory_iterator(dossier) != fs::directory_iterator(), true);
  for (const auto& e : fs::directory_iterator(dossier))
    EXPECT_EQ(e.path().filename().string().find(".tmp"), std::string::npos) << e.path();
  EXPECT_EQ(etat(), avant);
  EXPECT_TRUE(jeu.position().enCours);

  // A folder the user may not write to (root writes anyway).
  if (::geteuid() != 0) {
    const std::string protege = dossier + "protege/";
    fs::create_directory(protege);
    ASSERT_TRUE(jeu.enregistrerPartie(protege + "p.ivd"));
    const std::string contenu = lire(protege + "p.ivd");
    fs::permissions(protege, fs::perms::owner_read | fs::perms::owner_exec);
    jeu.tourAutomate();
    EXPECT_FALSE(jeu.enregistrerPartie(protege + "p.ivd"));
    fs::permissions(protege, fs::perms::owner_all);
    EXPECT_EQ(lire(protege + "p.ivd"), contenu);
  }

  // Once the disk has room again, the same game saves and loads back.
  ASSERT_TRUE(jeu.enregistrerPartie(chemin));
  test::EcranEnregistreur autreEcran;
  Jeu autre(autreEcran);
  ASSERT_TRUE(autre.chargerPartie(chemin));
  EXPECT_EQ(controle::partie(autre.position()), controle::partie(jeu.position()));
}

TEST_F(Robustesse, UnEnregistrementInterrompuAvantLeRenommageLaisseLAncienFichier) {
  jouer(2, 6, 3);
  const std::string chemin = dossier + "partie.ivd";
  ASSERT_TRUE(jeu.enregistrerPartie(chemin));
  const std::string ancien = controle::partie(jeu.position());
  const std::string octetsAnciens = lire(chemin);

  // A save cut off before its rename leaves its temporary file, half written,
  // beside the old one, which still loads as the old game.
  ecrire(chemin + ".tmp~", octetsAnciens.substr(0, 1234));
  test::EcranEnregistreur autreEcran;
  Jeu autre(autreEcran);
  ASSERT_TRUE(autre.chargerPartie(chemin));
  EXPECT_EQ(controle::partie(autre.position()), ancien);

  // The next save writes over the stale file and replaces the game.
  jouer(2, 10, 4);
  ASSERT_TRUE(jeu.enregistrerPartie(chemin));
  EXPECT_FALSE(fs::exists(chemin + ".tmp~"));
  ASSERT_TRUE(autre.chargerPartie(chemin));
  EXPECT_EQ(controle::partie(autre.position()), controle::partie(jeu.position()));

  // A stale name that is a link to another file: the save replaces the game
  // and leaves the other file alone.
  ecrire(dossier + "autre.txt", "ne pas toucher");
  fs::create_symlink(dossier + "autre.txt", chemin + ".tmp~");
  ASSERT_TRUE(jeu.enregistrerPartie(chemin));
  EXPECT_EQ(lire(dossier + "autre.txt"), "ne pas toucher");
  EXPECT_FALSE(fs::is_symlink(chemin));
  ASSERT_TRUE(autre.chargerPartie(chemin));
  EXPECT_EQ(controle::partie(autre.position()), controle::partie(jeu.position()));
}

TEST_F(Robustesse, UnePartieCoupeeAChaqueOctetEstRefuseeSansRienChanger) {
  for (uint32_t n : {2u, 6u}) {
    jouer(n, 4 * static_cast<int>(n), n);
    const std::string chemin = dossier + "entiere.ivd";
    ASSERT_TRUE(jeu.enregistrerPartie(chemin));
    const std::string entiere = lire(chemin);
    ASSERT_EQ(entiere.size(), 2440 + 143 * n);
    // The game in play differs from the file in every part.
    jouer(3, 11, 40 + n);
    const std::string avant = etat();
    const std::string coupe = dossier + "coupe.ivd";
    for (std::size_t taille = 0; taille < entiere.size(); ++taille) {
      ecrire(coupe, entiere.substr(0, taille));
      ecran.continuerActif = false;
      ASSERT_FALSE(jeu.chargerPartie(coupe)) << n << " joueurs, " << taille << " octets";
      ASSERT_EQ(ecran.statut, "Erreur de lecture dans le fichier source " + coupe + ".") << taille;
      ASSERT_FALSE(ecran.continuerActif) << taille;
      ASSERT_EQ(etat(), avant) << n << " joueurs, " << taille << " octets";
    }
    // Whole, it loads.
    ecrire(coupe, entiere);
    EXPECT_TRUE(jeu.chargerPartie(coupe));
    EXPECT_TRUE(controle::incoherence(jeu.position()).empty()) << controle::incoherence(jeu.position());
  }
}

TEST_F(Robustesse, DesNombresQuiDeborderaientEnJouantSontRefuses) {
  jouer(2, 6, 5);
  const std::string chemin = dossier + "sain.ivd";
  ASSERT_TRUE(jeu.enregistrerPartie(chemin));
  const std::string sain = lire(chemin);
  auto entier = [](std::string& o, std::size_t pos, int32_t v) {
    for (int i = 0; i < 4; ++i) o[pos + i] = static_cast<char>(static_cast<uint32_t>(v) >> (8 * i));
  };
  auto reel = [](std::string& o, std::size_t pos, double v) { std::memcpy(o.data() + pos, &v, sizeof v); };
  const std::size_t plateau = 12 + 2 * 143;
  // The vertex of player 1 holds a token: its value is at offset 12 of its cell.
  const std::size_t valeur00 = plateau + 12;
  ASSERT_NE(jeu.position().caseEn(0, 0).lettre, 0);
  const int32_t grand = std::numeric_limits<int32_t>::max();
  struct Cas {
    const char* quoi;
    std::function<void(std::string&)> retouche;
  };
  const std::vector<Cas> cas = {
      {"valeur au maximum", [&](std::string& o) { entier(o, valeur00, grand); }},
      {"score au maximum", [&](std::string& o) { entier(o, 12 + 127, grand); }},
      {"stock au maximum", [&](std::string& o) { entier(o, 12 + 17 + 4, grand); }},
      {"total du stock au maximum", [&](std::string& o) { entier(o, 12 + 17, grand); }},
      {"score negatif", [&](std::string& o) { entier(o, 12 + 127, -1); }},
      {"temps NaN", [&](std::string& o) { reel(o, 12 + 135, std::numeric_limits<double>::quiet_NaN()); }},
      {"temps infini", [&](std::string& o) { reel(o, 12 + 143 + 135, std::numeric_limits<double>::infinity()); }},
      {"temps immense", [&](std::string& o) { reel(o, 12 + 135, 1e300); }},
  };
  const std::string avant = etat();
  for (const Cas& c : cas) {
    std::string o = sain;
    c.retouche(o);
    ecrire(dossier + "faux.ivd", o);
    EXPECT_FALSE(jeu.chargerPartie(dossier + "faux.ivd")) << c.quoi;
    EXPECT_EQ(etat(), avant) << c.quoi;
  }
  // Large values that real games could still reach load and play on.
  std::string o = sain;
  entier(o, valeur00, 1'000'000);
  entier(o, 12 + 127, 5'000'000);
  reel(o, 12 + 135, 86400.0 * 365);
  ecrire(dossier + "grand.ivd", o);
  ASSERT_TRUE(jeu.chargerPartie(dossier + "grand.ivd"));
  EXPECT_EQ(jeu.texteTemps(0), "525600:00");
}

TEST(RobustesseParametres, UnFichierQuiNePeutEtreEcritGardeLesReglagesEnUsage) {
  const std::string dossier = test::dossierTemporaire();
  const std::string chemin = dossier + "Irvad.ini";
  const std::string ancien = "; r\xE9glages\r\n[Automate]\r\nPause=2\r\nTailleMax=7\r\nInterruption=N\r\n"
                             "Deplacements=O\r\n[Partie]\r\nEnregistrerMessages=N\r\n";
  ecrire(chemin, ancien);
  Parametres p(chemin, "");
  ASSERT_EQ(p.pause, 2);
  ASSERT_EQ(p.tailleMaxParDefaut, 7);
  p.pause = 0;
  p.tailleMaxParDefaut = 9;
  p.interruption = true;
  {
    // The disk is full: not even the first key can be written.
    DisquePlein plein(16);
    ASSERT_TRUE(plein.ok());
    EXPECT_EQ(p.enregistrer(), "Impossible d'\xE9" "crire dans " + chemin);
    EXPECT_EQ(p.ecrireEnregistrerMessages(true), "Impossible d'\xE9" "crire dans " + chemin);
  }
  EXPECT_FALSE(p.fichierAJour());
  // The file is whole, with the old values, and nothing else was left beside it.
  EXPECT_EQ(lire(chemin), ancien);
  EXPECT_EQ(std::distance(fs::directory_iterator(dossier), fs::directory_iterator()), 1);
  // The settings in use are the new ones.
  EXPECT_EQ(p.pause, 0);
  EXPECT_EQ(p.intervalleMs(), 1);
  EXPECT_EQ(p.tailleMaxParDefaut, 9);
  EXPECT_TRUE(p.interruption);
  EXPECT_FALSE(p.enregistrerMessages());
  // With room again they reach the file.
  EXPECT_EQ(p.enregistrer(), "");
  Parametres relus(chemin, "");
  EXPECT_EQ(relus.pause, 0);
  EXPECT_EQ(relus.tailleMaxParDefaut, 9);
  EXPECT_TRUE(relus.interruption);
}

TEST(RobustesseParametres, UneReecritureSurPlaceQuiEchoueRemetLAncienContenu) {
  // A folder the user may not write to, holding a file the user may: the file
  // is rewritten in place. Root writes in any folder, so this needs a user.
  if (::geteuid() == 0) GTEST_SKIP() << "root ecrit dans tout dossier";
  const std::string dossier = test::dossierTemporaire() + "programme/";
  fs::create_directory(dossier);
  const std::string chemin = dossier + "Irvad.ini";
  const std::string ancien = "[Automate]\r\nPause=2\r\n";
  ecrire(chemin, ancien);
  fs::permissions(dossier, fs::perms::owner_read | fs::perms::owner_exec);
  Parametres p(chemin, "");
  p.tailleMaxParDefaut = 8;
  std::string erreur;
  {
    // Room for the old content, not for the new one.
    DisquePlein plein(ancien.size() + 4);
    ASSERT_TRUE(plein.ok());
    erreur = p.enregistrer();
  }
  const std::string apres = lire(chemin);
  // With room, the rewrite in place succeeds.
  const std::string encore = p.enregistrer();
  fs::permissions(dossier, fs::perms::owner_all);
  EXPECT_EQ(erreur, "Impossible d'\xE9" "crire dans " + chemin);
  EXPECT_EQ(apres, ancien);
  EXPECT_EQ(encore, "");
  EXPECT_EQ(Parametres(chemin, "").tailleMaxParDefaut, 8);
}

TEST(RobustesseDico, UneListeCoupeeAChaqueLimiteDeBlocEstRefuseeAvecSonMessage) {
  ListeMots listes;
  std::string erreur;
  ASSERT_TRUE(remplirListes({"EU", "RUE", "RASE", "TOILE", "SALONS", "ETOILES", "TARTINES", "ORANGERAI"}, listes,
                            erreur))
      << erreur;
  const std::string dossier = test::dossierTemporaire();
  ASSERT_TRUE(ecrireDico(listes, dossier + "complete", erreur)) << erreur;
  const std::string complete = lire(dossier + "complete");
  const std::array<std::size_t, 8> limites = {0, 100, 1220, 7404, 31352, 96936, 235122, 470370};
  for (std::size_t b = 0; b < limites.size(); ++b)
    // At the limit, one byte (half a value) past it, and one value short of the next.
    for (std::size_t taille : {limites[b], limites[b] + 1,
                               (b + 1 < limites.size() ? limites[b + 1] : complete.size()) - 2}) {
      const std::string chemin = dossier + "coupe";
      ecrire(chemin, complete.substr(0, taille));
      test::EcranEnregistreur ecran;
      Dico dico;
      ASSERT_EQ(dico.charger(chemin, &ecran), Dico::Resultat::ErreurLecture) << taille;
      EXPECT_EQ(ecran.appelsDe("dicoStatut"), std::vector<std::string>{"dicoStatut(Erreur de lecture)"}) << taille;
      EXPECT_TRUE(ecran.appelsDe("dicoFermer").empty()) << taille;
      EXPECT_EQ(ecran.appelsDe("dicoProgression").size(), b) << taille;
      // The blocks read in full answer; the first word of the next one does not.
      for (std::size_t L = 2; L < b + 2; ++L) {
        EXPECT_TRUE(dico.contient(listes[L - 2].front().c_str(), static_cast<int>(L))) << taille;
        EXPECT_TRUE(dico.contient(listes[L - 2].back().c_str(), static_cast<int>(L))) << taille;
      }
      EXPECT_FALSE(dico.contient(listes[b].back().c_str(), static_cast<int>(b + 2))) << taille;
    }
  test::EcranEnregistreur ecran;
  Dico dico;
  EXPECT_EQ(dico.charger(dossier + "absente", &ecran), Dico::Resultat::Introuvable);
  EXPECT_EQ(ecran.appelsDe("dicoStatut"), std::vector<std::string>{"dicoStatut(Fichier L23456789 introuvable !)"});
}

}  // namespace
}  // namespace irvad
