// The choice of the words: the filter of written words, the reviewed decisions,
// the short words, the lemma-wise cut and the ranking of lemmas.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>

#include "Construction.h"
#include "DicoTest.h"
#include "Selection.h"
#include "Sources.h"

namespace irvad::dico {
namespace {

TEST(Sources, UnMotEcritDevientUnCandidatOuRien) {
  EXPECT_EQ(candidat("élève"), "ELEVE");
  EXPECT_EQ(candidat("cœur"), "COEUR");
  // capitals anywhere, elided words, no vowel, wrong length or characters
  for (const char* refuse : {"Paris", "cDNA", "mAh", "ŒUVRE", "l'arbre", "qu’il", "brr", "a", "anticonstitutionnel",
                             "porte-clé", "2e", ""})
    EXPECT_EQ(candidat(refuse), "") << refuse;
}

TEST(Sources, UnDictionnaireHunspellDonneSesMotsSesLemmesEtSesAutresFormes) {
  const std::string base = test::dossierTemporaire() + "essai";
  std::ofstream(base + ".aff") << "SET UTF-8\nKEEPCASE K\nSFX S Y 1\nSFX S 0 s .\nPFX L Y 1\nPFX L 0 l' .\n";
  std::ofstream(base + ".dic") << "7\ncagette/SL po:nom is:fem\nrecoudre po:v3__t___zz\nweek-end/S po:nom\n"
                                  "mAh po:nom\nkcal/K po:nom\nParis po:npr\nbrr po:interj\n";
  SourceLue s;
  std::string erreur;
  ASSERT_TRUE(lireHunspell(base + ".aff", base + ".dic", true, s, erreur)) << erreur;
  // l'cagette and its kind are no candidates
  EXPECT_EQ(s.mots, (std::vector<std::string>{"CAGETTE", "CAGETTES", "RECOUDRE"}));
  EXPECT_EQ(s.soudes, (std::vector<std::string>{"WEEKEND", "WEEKENDS"}));
  EXPECT_EQ(s.presents, (std::vector<std::string>{"BRR", "KCAL", "MAH", "PARIS"}));
  std::vector<std::tuple<std::string, std::string, Classe, std::vector<std::string>>> lemmes;
  for (const Lemme& l : s.lemmes) lemmes.emplace_back(l.mot, l.categorie, l.classe, l.formes);
  EXPECT_EQ(lemmes, (decltype(lemmes){{"cagette", "nom", Classe::nomOuAdjectif, {"CAGETTE", "CAGETTES"}},
                                      {"recoudre", "v3__t___zz", Classe::verbe, {"RECOUDRE"}}}));
}

TEST(Decisions, LeFichierEstLuLigneParLigneEtSesFautesNommees) {
  Decisions d;
  std::string erreur;
  ASSERT_TRUE(d.lire("# en-tête\nKA oui\r\n\nAE non symbole  # commentaire\nETC non abréviation\n", erreur)) << erreur;
  ASSERT_TRUE(d.trouver("KA") && d.trouver("AE") && d.trouver("ETC"));
  EXPECT_TRUE(d.trouver("KA")->accepte && d.refuse("AE") && !d.trouver("OK"));
  EXPECT_EQ(d.trouver("AE")->raison, "symbole");
  EXPECT_LT(d.trouver("AE")->rang, d.trouver("ETC")->rang);
  for (const char* faux : {"ka oui\n", "KA peut-être\n", "KA non\n", "KA non deux mots\n", "A oui\n", "KA oui\nKA non x\n"}) {
    EXPECT_FALSE(d.lire(faux, erreur)) << faux;
    EXPECT_NE(erreur.find("ligne"), std::string::npos) << erreur;
  }
  // a failed read leaves the decisions as they were
  EXPECT_TRUE(d.refuse("AE"));
}

TEST(Selection, OrdreEtaleEtaleChaqueDebutSurToutLeRang) {
  EXPECT_EQ(ordreEtale(5), (std::vector<std::size_t>{0, 4, 2, 1, 3}));
  for (std::size_t m : {1u, 7u, 100u, 1000u}) {
    auto ordre = ordreEtale(m);
    ASSERT_EQ(ordre.size(), m);
    // the first half of the visit reaches the last quarter of the names
    EXPECT_GE(*std::max_element(ordre.begin(), ordre.begin() + static_cast<std::ptrdiff_t>((m + 1) / 2)),
              m - (m + 3) / 4);
    std::sort(ordre.begin(), ordre.end());
    for (std::size_t k = 0; k < m; ++k) ASSERT_EQ(ordre[k], k);
  }
}

TEST(Selection, LesMotsCourtsSuiventLesDecisionsPuisBouchentAvecLesRefuses) {
  Decisions d;
  std::string erreur;
  ASSERT_TRUE(d.lire("KA oui\nOK oui\nOP non fragment\nAE non symbole\nID non latin\n", erreur));
  const Familles h = familleHunspell, w = familleWfrench, a = familleAspell;
  const std::vector<MotCourt> candidats = {
      {"AE", h},       {"AH", h | a | w}, {"EC", w}, {"ET", h | a | w}, {"ID", a}, {"IF", h | a},
      {"KA", w},       {"OK", 0},         {"OP", h}, {"ZZ", 0}};
  ChoixCourts c;
  // real words first (more families first), then the undecided EC, then the refused in file order
  ASSERT_TRUE(choisirCourts(candidats, d, 5, false, c));
  EXPECT_EQ(c.mots, (std::vector<std::string>{"AH", "ET", "IF", "KA", "OK"}));
  EXPECT_TRUE(c.bouchons.empty());
  ASSERT_TRUE(choisirCourts(candidats, d, 7, false, c));
  EXPECT_EQ(c.mots, (std::vector<std::string>{"AH", "EC", "ET", "IF", "KA", "OK", "OP"}));
  EXPECT_EQ(c.bouchons, (std::vector<std::string>{"OP"}));
  EXPECT_EQ(c.aRevoir, (std::vector<std::string>{"AH", "EC", "ET", "IF"}));
  // a word that only a decision could admit (ZZ) never comes in: 9 at most
  EXPECT_FALSE(choisirCourts(candidats, d, 10, false, c));
  // the measuring list takes every refused word first
  ASSERT_TRUE(choisirCourts(candidats, d, 4, true, c));
  EXPECT_EQ(c.mots, (std::vector<std::string>{"AE", "AH", "ID", "OP"}));
}

TEST(Selection, LesLemmesEntrentEntiersTantQuIlsTiennent) {
  // places: 2 words of 6 letters, 1 of 7, none of 8 or 9
  const std::array<std::size_t, 4> places = {2, 1, 0, 0};
  std::vector<Groupe> groupes = {
      {{"CAGETTE", "CAGETTES"}, {-1, 0, 0, 0}, "cagette"},  // ranked first, but 8 letters do not fit
      {{"COMBOS"}, {-1, 0, 0, 0}, "combo"},
      {{"ABAQUE", "ABAQUES"}, {-1, 0, 1, 0}, "abaque"},
      {{"ZAZOUS"}, {-1, 1, 0, 1}, "ZAZOUS"},
  };
  using Choix = std::tuple<std::vector<std::string>, std::vector<std::string>, std::size_t>;
  ChoixLongs c;
  ASSERT_TRUE(choisirLongs(groupes, places, c));
  EXPECT_EQ(Choix(c.mots[0], c.mots[1], c.groupesCoupes), Choix({"ABAQUE", "COMBOS"}, {"ABAQUES"}, 0));
  // when whole groups cannot fill the blocks, the best groups give some forms
  groupes.erase(groupes.begin() + 2);
  ASSERT_TRUE(choisirLongs(groupes, places, c));
  EXPECT_EQ(Choix(c.mots[0], c.mots[1], c.groupesCoupes), Choix({"COMBOS", "ZAZOUS"}, {"CAGETTE"}, 1));
  groupes.pop_back();
  EXPECT_FALSE(choisirLongs(groupes, places, c));
}

SourceLue source(const char* nom, Familles f, std::vector<std::string> mots, std::vector<std::string> soudes = {}) {
  SourceLue s;
  s.nom = nom;
  s.famille = f;
  s.mots = std::move(mots);
  s.soudes = std::move(soudes);
  return s;
}

TEST(Construction, LesLemmesSontClassesParFamillesNatureEtJumeau) {
  SourceLue classique = source("hunspell-fr-classical", familleHunspell,
                               {"CAGETTE", "CAGETTES", "TRADER", "TRADERS", "RECOUDRA", "RECOUDRAS"});
  classique.lemmes = {Lemme{"cagette", "nom", Classe::nomOuAdjectif, {"CAGETTE", "CAGETTES"}},
                      Lemme{"trader", "nom", Classe::nomOuAdjectif, {"TRADER", "TRADERS"}},
                      Lemme{"recoudre", "v3__t___zz", Classe::verbe, {"RECOUDRA", "RECOUDRAS"}}};
  SourceLue complete = classique;
  complete.nom = "hunspell-fr-comprehensive";
  for (const char* m : {"WEEKEND", "WEEKENDS", "TRADEUR", "TRADEURS", "GOUROUS"}) complete.mots.push_back(m);
  std::sort(complete.mots.begin(), complete.mots.end());
  complete.lemmes.push_back(Lemme{"weekend", "nom", Classe::nomOuAdjectif, {"WEEKEND", "WEEKENDS"}});
  complete.lemmes.push_back(Lemme{"tradeur", "nom", Classe::nomOuAdjectif, {"TRADEUR", "TRADEURS"}});
  complete.lemmes.push_back(Lemme{"gourou", "nom", Classe::nomOuAdjectif, {"GOUROUS"}});
  // two lists of one family count once; a welded week-end speaks for weekend
  const std::vector<SourceLue> sources = {
      classique, complete, source("aspell-fr", familleAspell, {"TRADER", "ZYGOMA"}, {"WEEKEND"}),
      source("myspell-fr-gut", familleAspell, {"TRADER"}),
      source("wfrench", familleWfrench, {"TRADERS", "ZYGOMA"}, {"WEEKEND", "WEEKENDS"})};
  std::size_t lemmes = 0, jumeaux = 0;
  const auto groupes = groupesLongs(sources, lemmes, jumeaux);
  EXPECT_EQ(lemmes, 6u);
  EXPECT_EQ(jumeaux, 2u);
  auto rang = [&](const std::string& forme) {
    const auto it = std::find_if(groupes.begin(), groupes.end(), [&](const Groupe& g) {
      return std::find(g.formes.begin(), g.formes.end(), forme) != g.formes.end();
    });
    return it == groupes.end() ? std::array<int, 4>{} : it->rang;
  };
  EXPECT_EQ(rang("CAGETTES"), (std::array<int, 4>{-1, 0, 0, 0}));
  EXPECT_EQ(rang("TRADER"), (std::array<int, 4>{-2, 0, 0, 0}));
  EXPECT_EQ(rang("WEEKENDS"), (std::array<int, 4>{-2, 0, 0, 0}));  // with week-end
  EXPECT_EQ(rang("TRADEURS"), (std::array<int, 4>{-2, 0, 0, 0}));  // with trader
  EXPECT_EQ(rang("GOUROUS"), (std::array<int, 4>{-1, 0, 0, 1}));   // a variant without twin
  EXPECT_EQ(rang("RECOUDRA"), (std::array<int, 4>{-1, 0, 1, 0}));  // a verb one family knows
  EXPECT_EQ(rang("ZYGOMA"), (std::array<int, 4>{-2, 1, 0, 1}));    // no lemma
  EXPECT_EQ(distance("NENUPHAR", "NENUFAR", 2), 2u);
  EXPECT_EQ(distance("CHARRIOT", "CHAT", 2), 3u);
}

}  // namespace
}  // namespace irvad::dico
