// Saved games: the exact layout and a round trip; files cut short refused
// without touching the game in progress (fields out of their tables, numbers
// that would overflow and positions that break a rule are the files of
// fuzz/refus/sauvegarde, which fuzz_sauvegarde must refuse under the
// same checks); every position of a game played loads again; and saves that
// fail keep the previous game.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <limits>

#include "Controles.h"
#include "Cp1252.h"
#include "JeuTest.h"
#include "Processus.h"
#include "Textes.h"

namespace irvad {
namespace {

namespace fs = std::filesystem;
using test::ecrire, test::lire;

int32_t lireI32(const std::string& o, std::size_t pos) {
  uint32_t v = 0;
  for (int i = 0; i < 4; ++i) v |= static_cast<uint32_t>(static_cast<unsigned char>(o.at(pos + i))) << (8 * i);
  return static_cast<int32_t>(v);
}

void ecrireI32(std::string& o, std::size_t pos, int32_t v) {
  for (int i = 0; i < 4; ++i) o.at(pos + i) = static_cast<char>(static_cast<uint32_t>(v) >> (8 * i));
}

// Offsets in a file of n players.
std::size_t joueurEn(uint32_t i) { return 12 + 143 * i; }
std::size_t celluleEn(uint32_t n, int x, int y) { return 12 + 143 * n + static_cast<std::size_t>(x * 11 + y) * 20; }
std::size_t libresEn(uint32_t n) { return 12 + 143 * n + 2420; }
std::size_t passesEn(uint32_t n) { return libresEn(n) + 4; }

class Sauvegarde : public test::JeuTest {
 protected:
  std::string dossier = test::dossierTemporaire();

  void SetUp() override {
    ecran.enregistrerAppels = false;
    mots({"EU", "AI", "RUE", "SEL", "AMI", "RASE", "MARE", "TOILE", "SALON"});
  }

  // A game in its fourth round with tokens, stocks, scores and times that all differ.
  void preparer(uint32_t n) {
    Tablee t{n, {}};
    for (uint32_t i = 0; i < nbJoueursMax; ++i)
      t.sieges.push_back({i == 0 ? "\xC9tienne8" : "Joueur " + std::to_string(i + 1), i % 2 == 1, i % 3 != 0,
                          5 + static_cast<int32_t>(i % 5)});  // Étienne8: 8 characters, one accented
    ASSERT_TRUE(jeu.nouvellePartie(t));
    changer([n](Position& p) {
      for (uint32_t i = 0; i < n; ++i) {
        p.joueurs[i].score = 10 * static_cast<int32_t>(i) + 7;
        p.joueurs[i].temps = 0.1 + 1.0 / 3.0 * (i + 1);
        p.fixerStock(i, static_cast<int32_t>('E' + i), 3);
      }
      p.plateau.cases[0][0] = {0, 0, 'E', 3, 1};
      p.plateau.cases[5][5] = {1, 4, 'Z', 0, static_cast<int32_t>(n)};
      p.plateau.cases[10][10] = {0, -1, 'Q', 2, 2};
      p.plateau.nbPasses = 1;
      p.joueurCourant = n - 1;
      p.tour = 3;
    });
  }

  // A game of n computer players after `coups` turns, saved: its bytes.
  std::string jouer(uint32_t n, int coups, uint32_t graine) {
    jeu.graine(graine);
    Tablee t{n, {}};
    for (uint32_t i = 0; i < nbJoueursMax; ++i)
      t.sieges.push_back({"J" + std::to_string(i), true, true, 5 + static_cast<int32_t>(i % 5)});
    EXPECT_TRUE(jeu.nouvellePartie(t));
    for (int k = 0; k < coups && jeu.position().enCours; ++k) jeu.tourAutomate();
    EXPECT_TRUE(jeu.enregistrerPartie(dossier + "sain.ivd"));
    return lire(dossier + "sain.ivd");
  }

  // Everything a load may change, and whether the game is in play.
  std::string etat() const {
    return controle::etat(jeu.position(), true) + (jeu.position().enCours ? "en cours" : "finie");
  }

  // Saves the game and loads it into another one: true when it loads to the same game.
  bool seRelit() {
    const std::string chemin = dossier + "relue.ivd";
    if (!jeu.enregistrerPartie(chemin)) return false;
    test::EcranEnregistreur autreEcran;
    Jeu autre(autreEcran);
    return autre.chargerPartie(chemin) && controle::partie(autre.position()) == controle::partie(jeu.position());
  }
};

TEST_F(Sauvegarde, UnePartieADeuxJoueursTientEnDeuxMilleSeptCentVingtSixOctetsEtRevientALIdentique) {
  preparer(2);
  const std::string chemin = dossier + "partie.ivd";
  ASSERT_TRUE(jeu.enregistrerPartie(chemin));
  EXPECT_EQ(ecran.statut, "Enregistrement effectué.");
  const std::string o = lire(chemin);
  ASSERT_EQ(o.size(), 2726u);
  // The name: 8 bytes in Windows-1252, then a zero byte; cell (5,5): the
  // path-search mark and three zero bytes, then distance, letter, value, owner.
  EXPECT_EQ(o.substr(12, 9), std::string("\xC9tienne8\0", 9));
  const std::size_t c = celluleEn(2, 5, 5);
  EXPECT_EQ(o.substr(c, 4), std::string("\x01\0\0\0", 4));
  const std::pair<std::size_t, int32_t> champs[] = {
      {0, 2}, {4, 1}, {8, 3},                          // players, current player, round
      {joueurEn(0) + 9, 0}, {joueurEn(0) + 17, 28},    // sommetX and stock total of player 0
      {joueurEn(1) + 13, 10},                          // sommetY of player 1
      {c + 8, 'Z'}, {c + 16, 2}, {libresEn(2), 88}, {passesEn(2), 1}};
  for (const auto& [ou, v] : champs) EXPECT_EQ(lireI32(o, ou), v) << "octet " << ou;
  EXPECT_EQ(o[joueurEn(1) + 125], 1);  // player 1 is a computer
  double t;
  std::memcpy(&t, o.data() + joueurEn(1) + 135, 8);
  EXPECT_EQ(t, jeu.position().joueurs[1].temps);

  test::EcranEnregistreur ecran2;
  Jeu autre{ecran2};
  ASSERT_TRUE(autre.chargerPartie(chemin));
  EXPECT_EQ(ecran2.statut, cp1252::versUtf8(textes::chargementTermine));
  EXPECT_TRUE(ecran2.continuerActif && autre.position().enCours);
  // Every field, the path-search marks and all bits of the times included.
  EXPECT_EQ(controle::etat(autre.position(), true, false), controle::etat(jeu.position(), true, false));
  // Saved again, the loaded game gives the same bytes.
  ASSERT_TRUE(autre.enregistrerPartie(dossier + "copie.ivd"));
  EXPECT_EQ(lire(dossier + "copie.ivd"), o);
}

// The size of a file of 6 players is the cut test's.
TEST_F(Sauvegarde, LesNomsSontCoupesAHuitEtLesSiegesAuDelaDuFichierRestent) {
  preparer(3);
  changer([](Position& p) { p.joueurs[2].nom = "Neufcarac"; });
  ASSERT_TRUE(jeu.enregistrerPartie(dossier + "3.ivd"));
  EXPECT_EQ(lire(dossier + "3.ivd").size(), 2869u);
  // Loaded where six players were defined: the seats beyond the file stay.
  Jeu autre{ecran};
  Position p = autre.position();
  for (int i = 3; i < 6; ++i) p.joueurs[i].nom = "Reste" + std::to_string(i);
  ASSERT_TRUE(autre.installer(p));
  ASSERT_TRUE(autre.chargerPartie(dossier + "3.ivd"));
  EXPECT_EQ(autre.position().nbJoueurs, 3u);
  EXPECT_EQ(autre.position().joueurs[2].nom, "Neufcara");
  for (uint32_t i = 3; i < 6; ++i) EXPECT_EQ(autre.position().joueurs[i].nom, "Reste" + std::to_string(i));
}

// Cut at every byte, or one byte too long: a read error, and the game in
// play (another one, with a sixth seat named) stays as it was.
TEST_F(Sauvegarde, UnePartieCoupeeAChaqueOctetOuTropLongueEstRefuseeSansRienChanger) {
  const std::string faux = dossier + "faux.ivd";
  for (uint32_t n : {2u, 6u}) {
    const std::string entiere = jouer(n, 4 * static_cast<int>(n), n);
    ASSERT_EQ(entiere.size(), 2440 + 143 * n);
    jouer(3, 11, 40);
    changer([](Position& p) { p.joueurs[5].nom = "Avant"; });
    const std::string avant = etat();
    for (std::size_t taille = 0; taille <= entiere.size() + 1; ++taille) {
      if (taille == entiere.size()) continue;
      std::string o = entiere;
      o.resize(taille, '\0');
      ecrire(faux, o);
      ecran.continuerActif = false;
      ASSERT_FALSE(jeu.chargerPartie(faux)) << n << " joueurs, " << taille << " octets";
      ASSERT_EQ(ecran.statut, "Erreur de lecture dans le fichier source " + faux + ".") << taille;
      ASSERT_FALSE(ecran.continuerActif) << taille;
      ASSERT_EQ(etat(), avant) << taille;
    }
  }
}

// Every field out of its table, number that would overflow and position
// that breaks a rule is a file of fuzz/refus/sauvegarde, which must be
// refused there. Large values that real games could still reach load.
TEST_F(Sauvegarde, DeGrandesValeursQuUnePartiePeutAtteindreSeChargent) {
  std::string o = jouer(3, 10, 5);
  ASSERT_NE(en(0, 0).lettre, 0);
  ecrireI32(o, celluleEn(3, 0, 0) + 12, 1'000'000);
  ecrireI32(o, joueurEn(0) + 127, 5'000'000);
  const double an = 86400.0 * 365;
  std::memcpy(o.data() + joueurEn(0) + 135, &an, 8);
  ecrire(dossier + "grand.ivd", o);
  ASSERT_TRUE(jeu.chargerPartie(dossier + "grand.ivd"));
  EXPECT_EQ(jeu.texteTemps(0), "525600:00");
}

TEST_F(Sauvegarde, ChaquePositionDUnePartieJoueeSeRelit) {
  // Six computers through the opening round and a few more turns, and a game
  // that ended because every player passed: every position loads back.
  jouer(6, 0, 3);
  for (int t = 0; t < 14; ++t) {
    ASSERT_TRUE(seRelit()) << "coup " << t << " : " << ecran.statut;
    jeu.tourAutomate();
  }
  jouer(2, 2, 4);
  while (pos().enCours) ASSERT_TRUE(jeu.passer());
  ASSERT_EQ(pos().plateau.nbPasses, 2);
  EXPECT_TRUE(seRelit());
}

TEST_F(Sauvegarde, UnEnregistrementImpossibleGardeLAncienFichierEtLaPartie) {
  const std::string ancien = jouer(3, 9, 1), chemin = dossier + "sain.ivd";
  jouer(3, 12, 2);
  ecrire(chemin, ancien);  // the older game in the file, the newer one in play
  const std::string avant = etat();

  // A read-only game or a folder in its place (a named pipe is neither
  // replaced nor waited on by the safe writer, test_fichiers'); a missing
  // folder is scenario sauvegarde.txt's.
  ::chmod(chemin.c_str(), 0444);
  fs::create_directory(dossier + "dossier.ivd");
  for (const std::string& cible : {chemin, dossier + "dossier.ivd"}) {
    ecran.statut.clear();
    EXPECT_FALSE(jeu.enregistrerPartie(cible)) << cible;
    EXPECT_EQ(ecran.statut, "Impossible d'écrire dans le fichier destination.") << cible;
  }
  ::chmod(chemin.c_str(), 0644);
  // The disk fills up in the middle of the file.
  {
    test::DisquePlein plein(1000);
    ASSERT_TRUE(plein.ok());
    EXPECT_FALSE(jeu.enregistrerPartie(chemin));
  }
  EXPECT_EQ(ecran.statut, "Erreur d'écriture dans le fichier destination.");
  EXPECT_EQ(lire(chemin), ancien);
  EXPECT_EQ(etat(), avant);
  EXPECT_EQ(test::noms(dossier), (std::set<std::string>{"dossier.ivd", "sain.ivd"}));
  // A save that works removes the temporary file earlier versions left when
  // cut short; the file goes through the safe writer, whose behaviour when
  // killed is test_fichiers'.
  ecrire(chemin + ".tmp~", "reste");
  ASSERT_TRUE(jeu.enregistrerPartie(chemin));
  EXPECT_FALSE(fs::exists(chemin + ".tmp~"));

  // An empty name: false, and nothing shown.
  ecran.statut = "inchang\xC3\xA9";
  EXPECT_FALSE(jeu.enregistrerPartie(""));
  EXPECT_FALSE(jeu.chargerPartie(""));
  EXPECT_EQ(ecran.statut, "inchang\xC3\xA9");
}

}  // namespace
}  // namespace irvad
