#include "Cp1252.h"

#include <array>
#include <cstdint>

namespace irvad::cp1252 {
namespace {

// Code points of the bytes 80..9F; the other bytes are their own code point.
constexpr std::array<char32_t, 32> haut = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char versOctet(char32_t c) {
  if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<char>(c);
  for (std::size_t i = 0; i < haut.size(); ++i)
    if (haut[i] == c) return static_cast<char>(0x80 + i);
  return '?';
}

}  // namespace

void ajouterUtf8(std::string& sortie, char32_t c) {
  if (c < 0x80) {
    sortie += static_cast<char>(c);
  } else if (c < 0x800) {
    sortie += static_cast<char>(0xC0 | (c >> 6));
    sortie += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    sortie += static_cast<char>(0xE0 | (c >> 12));
    sortie += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    sortie += static_cast<char>(0x80 | (c & 0x3F));
  }
}

std::string versUtf8(std::string_view texte) {
  std::string sortie;
  sortie.reserve(texte.size() + texte.size() / 4);
  for (unsigned char o : texte)
    ajouterUtf8(sortie, o >= 0x80 && o < 0xA0 ? haut[o - 0x80] : char32_t(o));
  return sortie;
}

std::string depuisUtf8(std::string_view texte) {
  std::string sortie;
  sortie.reserve(texte.size());
  std::size_t i = 0;
  while (i < texte.size()) {
    const auto o = static_cast<unsigned char>(texte[i]);
    if (o < 0x80) {
      sortie += static_cast<char>(o);
      ++i;
      continue;
    }
    const std::size_t suite = (o >> 5) == 6 ? 1 : (o >> 4) == 14 ? 2 : (o >> 3) == 30 ? 3 : 0;
    char32_t c = o & (0x3F >> suite);
    bool bon = suite > 0 && i + suite < texte.size();
    for (std::size_t k = 1; bon && k <= suite; ++k) {
      const auto s = static_cast<unsigned char>(texte[i + k]);
      bon = (s & 0xC0) == 0x80;
      c = (c << 6) | (s & 0x3F);
    }
    if (!bon) {
      sortie += '?';
      ++i;
      continue;
    }
    sortie += versOctet(c);
    i += suite + 1;
  }
  return sortie;
}

}  // namespace irvad::cp1252
