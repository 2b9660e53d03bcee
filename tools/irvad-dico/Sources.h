#pragma once
// The word lists that the builder draws from, and the filter that turns their
// written words into candidate words of the game.
#include <string>
#include <string_view>
#include <vector>

namespace irvad::dico {

// The candidate that a written word (UTF-8) gives, or an empty string: a
// leading elided word is dropped (l'arbre -> arbre), what remains must begin
// with a lower-case letter (proper nouns and symbols begin with a capital),
// fold to 2 to 9 letters A-Z (no digit, hyphen, apostrophe, dot...) and hold
// a vowel (A E I O U Y).
std::string candidat(std::string_view motUtf8);

// True when the word begins with a lower-case Latin letter (a-z, à..ÿ, ā..ž, œ).
bool commenceParMinuscule(std::string_view motUtf8);

// What one source gives: its candidates, and the candidates that it marks as
// symbols or abbreviations (atm, kg), which stay out of the list whatever the
// other sources say. Both sorted, without duplicates.
struct SourceLue {
  std::string nom;
  std::vector<std::string> mots;
  std::vector<std::string> symboles;
};

// A plain list: words separated by line ends or spaces (wfrench, the expanded
// aspell list). It marks nothing as a symbol.
bool lireListe(const std::string& chemin, SourceLue& source, std::string& erreur);

// A hunspell dictionary: every entry expanded with its affix file; an entry is
// left out when its fields mark a proper noun, a first name or a family name
// (po:npr, po:prn, po:patr), a roman numeral (po:nbro), a known misspelling
// (po:err), a bare prefix (po:pfx), or a word that only stands in a locution
// (every field po:loc.*). An entry is a symbol when it carries the KEEPCASE
// flag (how the grammalecte dictionaries mark units and symbols: atm, kg, km)
// or the fields po:symb, po:abr, po:sfx, po:sign, po:ponc; a form of a symbol
// entry that the same dictionary also gives as a plain word (min, ha, bar)
// is no symbol.
bool lireHunspell(const std::string& cheminAff, const std::string& cheminDic, SourceLue& source,
                  std::string& erreur);

// The six sources of a full build, by the names the preparation script gives
// their files in the sources folder: NAME.txt for a plain list, NAME.aff and
// NAME.dic for a hunspell dictionary.
struct DescriptionSource {
  std::string_view nom;
  bool hunspell;
};
inline constexpr DescriptionSource sourcesCompletes[] = {
    {"wfrench", false},
    {"aspell-fr", false},
    {"hunspell-fr-classical", true},
    {"hunspell-fr-comprehensive", true},
    {"myspell-fr-gut", true},
    {"myspell-fr", true},
};

// Reads the source described by d in the folder dossier.
bool lireSource(const std::string& dossier, const DescriptionSource& d, SourceLue& source, std::string& erreur);

}  // namespace irvad::dico
