#pragma once
// Folding of written French words to the game's alphabet: the 26 capital
// letters A to Z, without accents. The word list builder folds every word of
// its sources this way, and the command line folds the words a user types
// before looking them up, so that both agree on what a word is.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace irvad {

// Folds one UTF-8 word to capital letters A-Z:
// - a-z become A-Z; letters with an accent, a cedilla, a tilde or a stroke lose
//   it (é è ê ë -> E, à â -> A, ç -> C, ñ -> N, ...), for the Latin letters of
//   U+00C0..U+017F, upper or lower case;
// - the ligatures become two letters: œ -> OE, æ -> AE;
// - a combining accent (U+0300..U+036F) that follows a letter is dropped, so
//   a word written with decomposed accents folds like its composed twin.
// Returns nothing when the word is empty, is not valid UTF-8, or holds any
// other character: digit, hyphen, apostrophe, space, dot, ß, Greek, ...
std::optional<std::string> plierMot(std::string_view motUtf8);

// Drops one leading elided word: l' d' j' m' n' s' t' c' ç' qu' jusqu'
// lorsqu' puisqu' quoiqu', with either apostrophe (' or U+2019 ’), in any
// case ("L'Arbre" -> "Arbre", "qu’il" -> "il"). A word without such a prefix,
// or made of the prefix alone, comes back unchanged. The result is a view
// into the argument.
std::string_view oterElision(std::string_view motUtf8);

// Reads the UTF-8 character that starts at texte[pos] into code and moves pos
// past it. Returns false (pos unchanged) at the end of the text or on a
// malformed sequence (bad lead or continuation byte, overlong form, surrogate,
// beyond U+10FFFF).
bool lireUtf8(std::string_view texte, std::size_t& pos, char32_t& code);

// Appends code to texte in UTF-8.
void ecrireUtf8(std::string& texte, char32_t code);

}  // namespace irvad
