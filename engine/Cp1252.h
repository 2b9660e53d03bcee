#pragma once
// Conversions between the game's 8-bit texts (Windows-1252, as in the files it
// writes) and UTF-8 (as the toolkit and the terminal want them).
#include <string>
#include <string_view>

namespace irvad::cp1252 {

// Every byte converts: the five bytes that Windows-1252 leaves undefined
// (81, 8D, 8F, 90, 9D) become the C1 control of the same number.
std::string versUtf8(std::string_view texte);

// Characters that Windows-1252 cannot hold become '?'; malformed UTF-8 bytes too.
std::string depuisUtf8(std::string_view texte);

// Appends character c, below U+10000, in UTF-8.
void ajouterUtf8(std::string& sortie, char32_t c);

}  // namespace irvad::cp1252
