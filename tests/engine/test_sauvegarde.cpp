// Saved games: the exact layout, a round trip, and files that must be refused
// without touching the game in progress.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <unistd.h>

#include "DicoTest.h"
#include "EcranEnregistreur.h"
#include "Jeu.h"
#include "Textes.h"

namespace irvad {
namespace {

using Octets = std::vector<unsigned char>;

Octets lireFichier(const std::string& chemin) {
  std::ifstream f(chemin, std::ios::binary);
  return Octets(std::istreambuf_iterator<char>(f), {});
}

void ecrireFichier(const std::string& chemin, const Octets& o) {
  std::ofstream f(chemin, std::ios::binary | std::ios::trunc);
  f.write(reinterpret_cast<const char*>(o.data()), static_cast<std::streamsize>(o.size()));
}

int32_t lireI32(const Octets& o, std::size_t pos) {
  uint32_t v = 0;
  for (int i = 0; i < 4; ++i) v |= static_cast<uint32_t>(o.at(pos + i)) << (8 * i);
  return static_cast<int32_t>(v);
}

void ecrireI32(Octets& o, std::size_t pos, int32_t v) {
  for (int i = 0; i < 4; ++i) o.at(pos + i) = static_cast<unsigned char>(static_cast<uint32_t>(v) >> (8 * i));
}

class Sauvegarde : public ::testing::Test {
 protected:
  test::EcranEnregistreur ecran;
  Jeu jeu{ecran};
  std::string dossier = test::dossierTemporaire();

  // A game in its fourth round with tokens, stocks, scores and times that all differ.
  void preparer(uint32_t n) {
    Tablee t{n, {}};
    for (uint32_t i = 0; i < 6; ++i)
      t.sieges.push_back({i == 0 ? "\xC9tienne8" : "Joueur " + std::to_string(i + 1), i % 2 == 1, i % 3 != 0,
                          5 + static_cast<int32_t>(i % 5)});  // Étienne8: 8 characters, one accented
    ASSERT_TRUE(jeu.nouvellePartie(t));
    Position p = jeu.position();
    for (uint32_t i = 0; i < n; ++i) {
      p.joueurs[i].score = 10 * static_cast<int32_t>(i) + 7;
      p.joueurs[i].temps = 0.1 + 1.0 / 3.0 * (i + 1);
      p.fixerStock(i, static_cast<int32_t>('A' + 4 + i), 3);
    }
    p.plateau.cases[0][0] = {0, 0, 'E', 3, 1};
    p.plateau.cases[5][5] = {1, 4, 'Z', 0, static_cast<int32_t>(n)};
    p.plateau.cases[10][10] = {0, -1, 'Q', 2, 2};
    p.plateau.nbPasses = 1;
    p.joueurCourant = n - 1;
    p.tour = 3;
    ASSERT_TRUE(jeu.installer(p));
  }
  void renommer(uint32_t i, const std::string& nom) {
    Tablee t = jeu.tablee();
    t.sieges[i].nom = nom;
    ASSERT_TRUE(jeu.reglerJoueurs(t));
  }
};

TEST_F(Sauvegarde, UnePartieADeuxJoueursTientEnDeuxMilleSeptCentVingtSixOctetsEtRevientALIdentique) {
  preparer(2);
  const std::string chemin = dossier + "partie.ivd";
  ASSERT_TRUE(jeu.enregistrerPartie(chemin));
  EXPECT_EQ(ecran.statut, "Enregistrement effectué.");
  const Octets o = lireFichier(chemin);
  ASSERT_EQ(o.size(), 2726u);
  EXPECT_EQ(lireI32(o, 0), 2);
  EXPECT_EQ(lireI32(o, 4), 1);
  EXPECT_EQ(lireI32(o, 8), 3);
  // The name: 8 bytes in Windows-1252, then a zero byte.
  EXPECT_EQ(std::memcmp(o.data() + 12, "\xC9tienne8", 8), 0);
  EXPECT_EQ(o[12 + 8], 0);
  EXPECT_EQ(lireI32(o, 12 + 9), 0);        // sommetX of player 0
  EXPECT_EQ(lireI32(o, 12 + 17), 28);      // stock total of player 0
  EXPECT_EQ(lireI32(o, 12 + 143 + 13), 10);  // sommetY of player 1
  EXPECT_EQ(o[12 + 143 + 125], 1);         // player 1 is a computer
  double t;
  std::memcpy(&t, o.data() + 12 + 143 + 135, 8);
  EXPECT_EQ(t, jeu.position().joueurs[1].temps);
  // Cell (5,5): mark, three zero bytes, distance, letter, value, owner.
  const std::size_t cellule = 12 + 2 * 143 + (5 * 11 + 5) * 20;
  EXPECT_EQ(o[cellule], 1);
  EXPECT_EQ(o[cellule + 1] | o[cellule + 2] | o[cellule + 3], 0);
  EXPECT_EQ(lireI32(o, cellule + 8), 'Z');
  EXPECT_EQ(lireI32(o, cellule + 16), 2);
  EXPECT_EQ(lireI32(o, 2432 + 286), 88);
  EXPECT_EQ(lireI32(o, 2436 + 286), 1);

  test::EcranEnregistreur ecran2;
  Jeu autre{ecran2};
  ASSERT_TRUE(autre.chargerPartie(chemin));
  EXPECT_EQ(ecran2.statut,
            "Chargement de la partie terminée. Choisissez la rubrique \"Partie\" | \"Continuer\" ou "
            "appuyez sur Alt+C pour poursuivre le jeu.");
  EXPECT_TRUE(ecran2.continuerActif);
  EXPECT_EQ(autre.position().nbJoueurs, 2u);
  EXPECT_EQ(autre.position().joueurCourant, 1u);
  EXPECT_EQ(autre.position().tour, 3u);
  EXPECT_EQ(autre.position().plateau.casesLibres, 88);
  EXPECT_EQ(autre.position().plateau.nbPasses, 1);
  for (int i = 0; i < 2; ++i) {
    const joueur& a = jeu.position().joueurs[i];
    const joueur& b = autre.position().joueurs[i];
    EXPECT_EQ(b.numero, i);
    EXPECT_EQ(b.nom, a.nom);
    EXPECT_EQ(b.sommetX, a.sommetX);
    EXPECT_EQ(b.sommetY, a.sommetY);
    EXPECT_EQ(b.lettres, a.lettres);
    EXPECT_EQ(b.automate, a.automate);
    EXPECT_EQ(b.deplacements, a.deplacements);
    EXPECT_EQ(b.score, a.score);
    EXPECT_EQ(b.tailleMax, a.tailleMax);
    EXPECT_EQ(b.temps, a.temps);  // every bit of the double
  }
  // Field by field: the padding after `visite` is not part of the game.
  for (int x = 0; x < 11; ++x)
    for (int y = 0; y < 11; ++y) {
      const auto& a = autre.position().plateau.cases[x][y];
      const auto& b = jeu.position().plateau.cases[x][y];
      EXPECT_TRUE(a.visite == b.visite && a.distance == b.distance && a.lettre == b.lettre &&
                  a.valeur == b.valeur && a.proprietaire == b.proprietaire)
          << "cellule (" << x << "," << y << ")";
    }
  // Saved again, the loaded game gives the same bytes.
  ASSERT_TRUE(autre.enregistrerPartie(dossier + "copie.ivd"));
  EXPECT_EQ(lireFichier(dossier + "copie.ivd"), o);
}

TEST_F(Sauvegarde, LaTailleSuitLeNombreDeJoueursEtLesNomsLongsSontCoupesAHuit) {
  for (auto [n, taille] : {std::pair{3u, 2869u}, {6u, 3298u}}) {
    preparer(n);
    // A name of nine characters read from elsewhere is cut to eight.
    Position p = jeu.position();
    p.joueurs[n - 1].nom = "Neufcarac";
    ASSERT_TRUE(jeu.installer(p));
    const std::string chemin = dossier + std::to_string(n) + ".ivd";
    ASSERT_TRUE(jeu.enregistrerPartie(chemin));
    const Octets o = lireFichier(chemin);
    EXPECT_EQ(o.size(), taille);
    EXPECT_EQ(o.at(12 + 143 * (n - 1) + 8), 0);
    Jeu autre{ecran};
    ASSERT_TRUE(autre.chargerPartie(chemin));
    EXPECT_EQ(autre.position().joueurs[n - 1].nom, "Neufcara");
  }
}

TEST_F(Sauvegarde, UnePartieATroisChargeeSurSixJoueursLaisseLesTroisDerniers) {
  preparer(3);
  const std::string chemin = dossier + "trois.ivd";
  ASSERT_TRUE(jeu.enregistrerPartie(chemin));
  Jeu autre{ecran};
  Position p = autre.position();
  for (int i = 3; i < 6; ++i) {
    p.joueurs[i].nom = "Reste" + std::to_string(i);
    p.joueurs[i].score = 100 + i;
  }
  ASSERT_TRUE(autre.installer(p));
  ASSERT_TRUE(autre.chargerPartie(chemin));
  EXPECT_EQ(autre.position().nbJoueurs, 3u);
  for (int i = 3; i < 6; ++i) {
    EXPECT_EQ(autre.position().joueurs[i].nom, "Reste" + std::to_string(i));
    EXPECT_EQ(autre.position().joueurs[i].score, 100 + i);
  }
}

TEST_F(Sauvegarde, UnFichierCoupeEstRefuseSansToucherLaPartie) {
  preparer(3);
  const std::string chemin = dossier + "entier.ivd";
  ASSERT_TRUE(jeu.enregistrerPartie(chemin));
  const Octets entier = lireFichier(chemin);
  preparer(6);  // the running game differs from the file
  renommer(4, "Enjeu");
  const Position avant = jeu.position();
  // Cut in the counters, in a record, inside the board, one byte short; and too long.
  for (std::size_t taille : {std::size_t{0}, std::size_t{7}, std::size_t{12 + 143 + 60},
                             std::size_t{12 + 3 * 143 + 1000}, entier.size() - 1, entier.size() + 1}) {
    Octets o = entier;
    o.resize(taille, 0);
    const std::string coupe = dossier + "coupe" + std::to_string(taille) + ".ivd";
    ecrireFichier(coupe, o);
    ecran.continuerActif = false;
    EXPECT_FALSE(jeu.chargerPartie(coupe)) << taille;
    EXPECT_EQ(ecran.statut, "Erreur de lecture dans le fichier source " + coupe + ".");
    EXPECT_FALSE(ecran.continuerActif);
    EXPECT_TRUE(jeu.position() == avant) << taille;
  }
}

TEST_F(Sauvegarde, UnChampQuiSortiraitDUneTableEstUneErreurDeLecture) {
  preparer(3);
  const std::string chemin = dossier + "sain.ivd";
  ASSERT_TRUE(jeu.enregistrerPartie(chemin));
  const Octets sain = lireFichier(chemin);
  const std::size_t board = 12 + 3 * 143;
  auto cellule = [&](int x, int y) { return board + static_cast<std::size_t>(x * 11 + y) * 20; };
  using Retouche = std::function<void(Octets&)>;
  auto champ = [](std::size_t pos, int32_t v) -> Retouche { return [=](Octets& o) { ecrireI32(o, pos, v); }; };
  const std::vector<std::pair<const char*, Retouche>> cas = {
      {"nbJoueurs 4", champ(0, 4)},
      {"nbJoueurs 7", champ(0, 7)},
      {"nbJoueurs 0", champ(0, 0)},
      {"joueurCourant = nbJoueurs", champ(4, 3)},
      {"joueurCourant negatif", champ(4, -1)},
      {"sommet hors du plateau", champ(12 + 9, 11)},
      {"sommet hors de l'hexagone",
       [&](Octets& o) {
         ecrireI32(o, 12 + 143 + 9, 0);
         ecrireI32(o, 12 + 143 + 13, 10);
       }},
      {"stock negatif", champ(12 + 17 + 4 * 3, -1)},
      {"tailleMax 10", champ(12 + 131, 10)},
      {"lettre minuscule", champ(cellule(0, 0) + 8, 'e')},
      {"lettre sans proprietaire", champ(cellule(0, 0) + 16, 0)},
      {"proprietaire sans lettre", champ(cellule(1, 1) + 16, 1)},
      {"proprietaire au-dela des joueurs", champ(cellule(0, 0) + 16, 4)},
      {"proprietaire negatif", champ(cellule(0, 0) + 16, -1)},
      {"valeur negative", champ(cellule(0, 0) + 12, -5)},
      {"jeton hors de l'hexagone",
       [&](Octets& o) {
         ecrireI32(o, cellule(0, 10) + 8, 'A');
         ecrireI32(o, cellule(0, 10) + 16, 1);
       }},
      {"casesLibres negatif", champ(board + 2420, -1)},
      {"nbPasses au-dela des joueurs", champ(board + 2424, 4)},
  };
  renommer(2, "Avant");
  const Position avant = jeu.position();
  for (const auto& [quoi, retouche] : cas) {
    Octets o = sain;
    retouche(o);
    const std::string faux = dossier + "faux.ivd";
    ecrireFichier(faux, o);
    EXPECT_FALSE(jeu.chargerPartie(faux)) << quoi;
    EXPECT_EQ(ecran.statut, "Erreur de lecture dans le fichier source " + faux + ".") << quoi;
    EXPECT_TRUE(jeu.position() == avant) << quoi;
  }
  // The sound file itself loads.
  EXPECT_TRUE(jeu.chargerPartie(chemin));
}

TEST_F(Sauvegarde, UnEnregistrementQuiEchoueGardeLAncienFichier) {
  preparer(2);
  const std::string chemin = dossier + "ancien.ivd";
  ASSERT_TRUE(jeu.enregistrerPartie(chemin));
  const Octets ancien = lireFichier(chemin);

  // The temporary file cannot be created: a folder stands in its way.
  std::filesystem::create_directory(chemin + ".tmp~");
  EXPECT_FALSE(jeu.enregistrerPartie(chemin));
  EXPECT_EQ(ecran.statut, "Impossible d'écrire dans le fichier destination.");
  EXPECT_EQ(lireFichier(chemin), ancien);
  std::filesystem::remove(chemin + ".tmp~");

  // A folder where nothing may be written (not testable as root, who may write anyway).
  const std::string protege = dossier + "protege/";
  std::filesystem::create_directory(protege);
  ASSERT_TRUE(jeu.enregistrerPartie(protege + "p.ivd"));
  const Octets avant = lireFichier(protege + "p.ivd");
  std::filesystem::permissions(protege, std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
  renommer(0, "Autre");
  const bool ecrit = jeu.enregistrerPartie(protege + "p.ivd");
  std::filesystem::permissions(protege, std::filesystem::perms::owner_all);
  if (::geteuid() != 0) {
    EXPECT_FALSE(ecrit);
    EXPECT_EQ(lireFichier(protege + "p.ivd"), avant);
  }
  // No temporary file is left behind either way.
  EXPECT_FALSE(std::filesystem::exists(protege + "p.ivd.tmp~"));

  // An empty name: false, and nothing shown.
  ecran.statut = "inchang\xC3\xA9";
  EXPECT_FALSE(jeu.enregistrerPartie(""));
  EXPECT_FALSE(jeu.chargerPartie(""));
  EXPECT_EQ(ecran.statut, "inchang\xC3\xA9");
  EXPECT_FALSE(jeu.chargerPartie(dossier + "absent.ivd"));
  EXPECT_EQ(ecran.statut, "Impossible de lire le fichier source " + dossier + "absent.ivd.");
}

}  // namespace
}  // namespace irvad
