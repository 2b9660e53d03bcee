#pragma once
// The word lists that the builder draws from, and the filter that turns their
// written words into candidate words of the game.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace irvad::dico {

// The candidate that a written word (UTF-8) gives, or an empty string: the
// word must be written in lower case only (no capital anywhere: proper nouns,
// symbols and units such as mAh or cDNA carry one), stand on its own (no
// apostrophe: l'arbre is no candidate, arbre is), fold to 2 to 9 letters A-Z
// (no digit, hyphen, dot...) and hold a vowel (A E I O U Y).
std::string candidat(std::string_view motUtf8);

// True when the word holds a capital letter (A-Z, À..Þ, the capitals of
// Latin Extended-A, Œ among them).
bool aUneMajuscule(std::string_view motUtf8);

// The dictionary families: sources made from one another count as one.
using Familles = std::uint8_t;  // a set of the bits below
inline constexpr Familles familleHunspell = 1;  // hunspell-fr, classical and comprehensive
inline constexpr Familles familleAspell = 2;    // aspell-fr and myspell-fr-gut, one list
inline constexpr Familles familleWfrench = 4;
inline constexpr Familles familleMyspell = 8;
int nombreDeFamilles(Familles f);

// What grammar says of a hunspell entry, as far as the choice of words cares.
enum class Classe : std::uint8_t { nomOuAdjectif, verbe, autre };

// One entry of a hunspell dictionary that gives plain words: its word as
// written (UTF-8), its po: fields, and the candidates among its forms.
struct Lemme {
  std::string mot;
  std::string categorie;
  Classe classe = Classe::autre;
  std::vector<std::string> formes;  // sorted, no duplicate
};

// What one source gives. Every vector is sorted, without duplicates.
struct SourceLue {
  std::string nom;
  Familles famille = 0;
  // its candidates: the plain words it lists
  std::vector<std::string> mots;
  // its hyphenated words welded (week-end -> WEEKEND), written as candidates
  std::vector<std::string> soudes;
  // the other forms it writes, folded to 2 to 9 letters A-Z whatever their
  // case, kind or vowels (OK, KO, BRRR, KCAL): what a reviewed decision may
  // admit
  std::vector<std::string> presents;
  // the entries of a hunspell dictionary, with their forms (hunspell-fr only)
  std::vector<Lemme> lemmes;
};

// A plain list: words separated by line ends or spaces (wfrench, the expanded
// aspell list).
bool lireListe(const std::string& chemin, SourceLue& source, std::string& erreur);

// A hunspell dictionary: every entry expanded with its affix file. Its forms
// are plain words unless the entry's fields mark a proper noun, a first name
// or a family name (po:npr, po:prn, po:patr), a roman numeral (po:nbro), a
// known misspelling (po:err), a bare prefix (po:pfx), a word that only stands
// in a locution (every field po:loc.*), or a symbol: the KEEPCASE flag (how the
// grammalecte dictionaries mark units and symbols: atm, kg, km) or the fields
// po:symb, po:abr, po:sfx, po:sign, po:ponc. With avecLemmes, the entries that
// give plain words are kept as lemmas.
bool lireHunspell(const std::string& cheminAff, const std::string& cheminDic, bool avecLemmes, SourceLue& source,
                  std::string& erreur);

// The six sources of a full build, by the names the preparation script gives
// their files in the sources folder: NAME.txt for a plain list, NAME.aff and
// NAME.dic for a hunspell dictionary. The two builds of hunspell-fr give the
// lemmas; the classical one holds the classical spellings, the comprehensive
// one adds the reformed spellings of 1990 and other variants.
struct DescriptionSource {
  std::string_view nom;
  bool hunspell;
  Familles famille;
  bool lemmes;
};
inline constexpr std::string_view sourceClassique = "hunspell-fr-classical";
inline constexpr DescriptionSource sourcesCompletes[] = {
    {"wfrench", false, familleWfrench, false},
    {"aspell-fr", false, familleAspell, false},
    {sourceClassique, true, familleHunspell, true},
    {"hunspell-fr-comprehensive", true, familleHunspell, true},
    {"myspell-fr-gut", true, familleAspell, false},
    {"myspell-fr", true, familleMyspell, false},
};

// Reads the source described by d in the folder dossier.
bool lireSource(const std::string& dossier, const DescriptionSource& d, SourceLue& source, std::string& erreur);

}  // namespace irvad::dico
