#pragma once
// Writing of the word list file L23456789, and the making of small complete
// lists for tests.
//
// The file holds, for each word length 2 to 9 in this order, a block of a fixed
// number of words of exactly that length, in strictly ascending byte order,
// written in the capital letters A-Z. The letters of a block, one word after
// the other with no separator, are packed three to a 16-bit little-endian value
// 676 a + 26 b + c (A = 0 .. Z = 25); the letters run on across word
// boundaries. The blocks of 5 and 7 letters end with a value that holds one
// letter, padded with two 'A'. The file is 798,090 bytes.
//
// Typical use in a test that needs a word list holding a few words:
//
//     irvad::ListeMots listes;
//     std::string erreur;
//     ASSERT_TRUE(irvad::remplirListes({"MAISON", "EU", "AIMER"}, listes, erreur)) << erreur;
//     ASSERT_TRUE(irvad::ecrireDico(listes, chemin, erreur)) << erreur;
//     // ... load chemin with the reader and play ...
//
// The same from the command line: irvad-dico --mots mots.txt --sortie L23456789 --remplir
#include <array>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace irvad {

inline constexpr int dicoLongueurMin = 2;
inline constexpr int dicoLongueurMax = 9;
inline constexpr std::size_t dicoNbLongueurs = 8;

// Words per block, for the lengths 2..9 (element L - 2).
inline constexpr std::array<std::size_t, dicoNbLongueurs> motsParLongueur = {
    75, 560, 2319, 7184, 16396, 29611, 44109, 54620};

// Size of the file in bytes.
inline constexpr std::size_t tailleFichierDico = 798090;

// Words of each length 2..9: element L - 2 holds words of L letters A-Z.
using ListeMots = std::array<std::vector<std::string>, dicoNbLongueurs>;

// Tells what is wrong with listes as the content of a file, or nothing when it
// is sound: each element L - 2 must hold exactly motsParLongueur[L - 2] words,
// each of exactly L capital letters A-Z, in strictly ascending order (sorted,
// no duplicate). The text is in French (Windows-1252, like every engine text) and names
// the length at fault; so are the texts that the functions below put in erreur.
std::optional<std::string> defautListes(const ListeMots& listes);

// Packs sound listes (see defautListes) into the 798,090 bytes of the file.
// Returns false and sets erreur, leaving octets empty, when the lists are not
// sound.
bool encoderDico(const ListeMots& listes, std::vector<std::uint8_t>& octets, std::string& erreur);

// Unpacks the bytes of a file into listes. Fails (false, erreur set) when the
// size is not 798,090 bytes or a value is beyond 17575 (ZZZ); it does not
// check the order: run defautListes on the result for that.
bool decoderDico(std::span<const std::uint8_t> octets, ListeMots& listes, std::string& erreur);

// encoderDico, then writes the bytes to the file chemin (replaced if it
// exists). Returns false and sets erreur when the lists are not sound or the
// file cannot be written.
bool ecrireDico(const ListeMots& listes, const std::string& chemin, std::string& erreur);

// Reads the file chemin and decodes it (decoderDico).
bool lireDico(const std::string& chemin, ListeMots& listes, std::string& erreur);

// Makes complete, sound lists out of any small set of words: mots are words of
// 2 to 9 capital letters A-Z, of any lengths, in any order, duplicates allowed.
// Each length's block holds these words plus filler words up to its fixed
// count, all in strictly ascending order.
//
// The filler words are made of consonants only: they never hold A, E, I, O, U
// or Y. So a test whose words all hold a vowel knows that its words are the
// only words of the list that it can form, and that any sequence with a vowel
// that it did not put in is absent. Fillers use the rarest consonants first
// (W K Z X J Q H F V B G P ...), as few letters as each length needs, and are
// never equal to one of mots. The result depends only on the set of mots.
//
// Fails (false, erreur set, listes unchanged) when a word is not 2 to 9
// letters A-Z, or when a length has more words than its block holds.
bool remplirListes(std::span<const std::string> mots, ListeMots& listes, std::string& erreur);
bool remplirListes(std::initializer_list<std::string_view> mots, ListeMots& listes,
                   std::string& erreur);

// Sorts each element of listes, keeps one copy of each word, then adds filler
// words (as remplirListes does) until each block holds its fixed count. Fails
// (false, erreur set, listes unchanged) when a word has the wrong length or
// letters, or when a length has more words than its block holds.
bool completerListes(ListeMots& listes, std::string& erreur);

}  // namespace irvad
