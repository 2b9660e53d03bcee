#include "Pliage.h"

#include <array>

namespace irvad {
namespace {

// Base letter of each code point U+00C0..U+017F, upper and lower case alike;
// '2' marks the ligatures (two letters, see ligature()), '-' a character that
// does not fold (× ÷ Þ þ ß ĳ ĸ ŉ Ŋ ŋ).
constexpr std::string_view latin =
    // U+00C0 À Á Â Ã Ä Å Æ Ç È É Ê Ë Ì Í Î Ï
    "AAAAAA2CEEEEIIII"
    // U+00D0 Ð Ñ Ò Ó Ô Õ Ö × Ø Ù Ú Û Ü Ý Þ ß
    "DNOOOOO-OUUUUY--"
    // U+00E0 à á â ã ä å æ ç è é ê ë ì í î ï
    "AAAAAA2CEEEEIIII"
    // U+00F0 ð ñ ò ó ô õ ö ÷ ø ù ú û ü ý þ ÿ
    "DNOOOOO-OUUUUY-Y"
    // U+0100 Ā ā Ă ă Ą ą Ć ć Ĉ ĉ Ċ ċ Č č Ď ď
    "AAAAAACCCCCCCCDD"
    // U+0110 Đ đ Ē ē Ĕ ĕ Ė ė Ę ę Ě ě Ĝ ĝ Ğ ğ
    "DDEEEEEEEEEEGGGG"
    // U+0120 Ġ ġ Ģ ģ Ĥ ĥ Ħ ħ Ĩ ĩ Ī ī Ĭ ĭ Į į
    "GGGGHHHHIIIIIIII"
    // U+0130 İ ı Ĳ ĳ Ĵ ĵ Ķ ķ ĸ Ĺ ĺ Ļ ļ Ľ ľ Ŀ
    "II--JJKK-LLLLLLL"
    // U+0140 ŀ Ł ł Ń ń Ņ ņ Ň ň ŉ Ŋ ŋ Ō ō Ŏ ŏ
    "LLLNNNNNN---OOOO"
    // U+0150 Ő ő Œ œ Ŕ ŕ Ŗ ŗ Ř ř Ś ś Ŝ ŝ Ş ş
    "OO22RRRRRRSSSSSS"
    // U+0160 Š š Ţ ţ Ť ť Ŧ ŧ Ũ ũ Ū ū Ŭ ŭ Ů ů
    "SSTTTTTTUUUUUUUU"
    // U+0170 Ű ű Ų ų Ŵ ŵ Ŷ ŷ Ÿ Ź ź Ż ż Ž ž ſ
    "UUUUWWYYYZZZZZZS";
static_assert(latin.size() == 0x180 - 0xC0);

// The two letters of a ligature of the table above.
std::string_view ligature(char32_t c) {
  return (c == 0xC6 || c == 0xE6) ? "AE" : "OE";
}

bool estCombinant(char32_t c) { return c >= 0x300 && c <= 0x36F; }

// Words that elide their last vowel before the next word, in lower case.
constexpr std::array<std::string_view, 14> elisions = {
    "l", "d", "j", "m", "n", "s", "t", "c", "\xC3\xA7" /* ç */, "qu",
    "jusqu", "lorsqu", "puisqu", "quoiqu"};

// Compares an ASCII or ç word with the start of texte, ignoring case;
// returns the length matched, 0 when it does not match.
std::size_t debutSansCasse(std::string_view texte, std::string_view mot) {
  if (mot == "\xC3\xA7") {
    // ç (C3 A7) or Ç (C3 87)
    if (texte.size() >= 2 && texte[0] == '\xC3' && (texte[1] == '\xA7' || texte[1] == '\x87'))
      return 2;
    return 0;
  }
  if (texte.size() < mot.size()) return 0;
  for (std::size_t i = 0; i < mot.size(); ++i) {
    char c = texte[i];
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    if (c != mot[i]) return 0;
  }
  return mot.size();
}

}  // namespace

bool lireUtf8(std::string_view texte, std::size_t& pos, char32_t& code) {
  if (pos >= texte.size()) return false;
  const auto o = static_cast<unsigned char>(texte[pos]);
  if (o < 0x80) {
    code = o;
    ++pos;
    return true;
  }
  std::size_t suite;
  char32_t c;
  char32_t minimum;
  if ((o & 0xE0) == 0xC0) {
    suite = 1, c = o & 0x1F, minimum = 0x80;
  } else if ((o & 0xF0) == 0xE0) {
    suite = 2, c = o & 0x0F, minimum = 0x800;
  } else if ((o & 0xF8) == 0xF0) {
    suite = 3, c = o & 0x07, minimum = 0x10000;
  } else {
    return false;
  }
  if (texte.size() - pos <= suite) return false;
  for (std::size_t k = 1; k <= suite; ++k) {
    const auto s = static_cast<unsigned char>(texte[pos + k]);
    if ((s & 0xC0) != 0x80) return false;
    c = (c << 6) | (s & 0x3F);
  }
  if (c < minimum || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return false;
  code = c;
  pos += suite + 1;
  return true;
}

void ecrireUtf8(std::string& texte, char32_t c) {
  if (c < 0x80) {
    texte += static_cast<char>(c);
  } else if (c < 0x800) {
    texte += static_cast<char>(0xC0 | (c >> 6));
    texte += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    texte += static_cast<char>(0xE0 | (c >> 12));
    texte += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    texte += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    texte += static_cast<char>(0xF0 | (c >> 18));
    texte += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    texte += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    texte += static_cast<char>(0x80 | (c & 0x3F));
  }
}

std::optional<std::string> plierMot(std::string_view motUtf8) {
  std::string plie;
  plie.reserve(motUtf8.size());
  std::size_t pos = 0;
  char32_t c;
  while (pos < motUtf8.size()) {
    if (!lireUtf8(motUtf8, pos, c)) return std::nullopt;
    if (c >= 'a' && c <= 'z') {
      plie += static_cast<char>(c - 'a' + 'A');
    } else if (c >= 'A' && c <= 'Z') {
      plie += static_cast<char>(c);
    } else if (c >= 0xC0 && c < 0x180 && latin[c - 0xC0] != '-') {
      const char base = latin[c - 0xC0];
      if (base == '2')
        plie += ligature(c);
      else
        plie += base;
    } else if (estCombinant(c) && !plie.empty()) {
      // an accent written apart from its letter: the letter is already folded
    } else {
      return std::nullopt;
    }
  }
  if (plie.empty()) return std::nullopt;
  return plie;
}

std::string_view oterElision(std::string_view motUtf8) {
  for (std::string_view elision : elisions) {
    const std::size_t n = debutSansCasse(motUtf8, elision);
    if (n == 0) continue;
    std::string_view reste = motUtf8.substr(n);
    std::size_t apostrophe = 0;
    if (reste.starts_with('\''))
      apostrophe = 1;
    else if (reste.starts_with("\xE2\x80\x99"))  // ’
      apostrophe = 3;
    if (apostrophe != 0 && reste.size() > apostrophe) return reste.substr(apostrophe);
  }
  return motUtf8;
}

}  // namespace irvad
