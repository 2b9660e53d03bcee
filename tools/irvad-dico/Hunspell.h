#pragma once
// Reading of a hunspell dictionary (.aff + .dic) and expansion of each of its
// entries into all the word forms that its affix flags give.
//
// What is understood of the .aff file:
// - SET: UTF-8, ISO8859-1 or ISO8859-15 (both files are converted to UTF-8);
// - FLAG: single characters (the default), long (two characters), num
//   (decimal numbers separated by commas) or UTF-8 (one character each);
// - AF and AM: numbered aliases of flag sets and of morphological fields;
// - PFX and SFX classes: cross product (Y/N), strip (0 = nothing), add with
//   its continuation flags (add/flags), condition ([abc], [^abc], '.' and
//   plain characters, matched at the end of the stem for a suffix and at its
//   start for a prefix);
// - NEEDAFFIX (a stem or an affix that is no word by itself), FORBIDDENWORD,
//   ONLYINCOMPOUND (forms dropped, since compounds are not generated), CIRCUMFIX
//   (a prefix and a suffix that only come together), KEEPCASE (reported to the
//   caller, who may read it as the mark of a symbol).
// Everything else (TRY, REP, MAP, ICONV, BREAK, compounding...) only matters to
// a spelling checker and is skipped.
//
// The forms of an entry are: the stem itself; the stem with one suffix, and
// that word with a second suffix from the first one's continuation flags
// (twofold suffixes); the stem with a prefix, and that word with a suffix from
// the prefix's continuation flags; and, when both classes allow the cross
// product, the suffixed words above with a prefix from the stem's flags or the
// suffixes' continuation flags.
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace irvad::hunspell {

using Drapeau = std::uint64_t;
using Drapeaux = std::vector<Drapeau>;  // sorted, no duplicate

// One element of a condition: any character, or a set of characters, possibly
// negated.
struct ElementCondition {
  bool tous = false;
  bool negation = false;
  std::u32string caracteres;
  bool accepte(char32_t c) const;
};

struct Regle {
  std::u32string retrait;  // removed from the stem's end (suffix) or start (prefix)
  std::u32string ajout;    // put in its place
  std::vector<ElementCondition> condition;
  Drapeaux suite;          // continuation flags of the affix
};

struct Classe {
  bool prefixe = false;
  bool croise = false;  // cross product allowed
  std::vector<Regle> regles;
};

// One line of the .dic file.
struct Entree {
  std::u32string mot;
  Drapeaux drapeaux;
  std::string morphologie;  // the fields after the word (UTF-8), aliases resolved
};

class Affixes {
 public:
  // Reads the .aff file from its bytes. Returns false and sets erreur on a
  // malformed file or an unknown encoding or flag mode.
  bool lire(std::string_view octets, std::string& erreur);

  // Reads the .dic file from its bytes, in the encoding given by SET.
  bool lireDic(std::string_view octets, std::vector<Entree>& entrees, std::string& erreur) const;

  // Calls forme for every form of the entry (see the top of this file), in
  // UTF-32; a form that two ways give comes twice. An entry flagged
  // FORBIDDENWORD or ONLYINCOMPOUND gives nothing.
  void developper(const Entree& entree, const std::function<void(const std::u32string&)>& forme) const;

  // The flags of the .aff file; 0 when the file does not declare them.
  Drapeau keepcase() const { return keepcase_; }
  Drapeau needaffix() const { return needaffix_; }

  // Converts bytes of the file's encoding to UTF-8.
  std::string versUtf8(std::string_view octets) const;

  // Decodes a flag field (the text after '/'), or an alias number when AF is used.
  bool lireDrapeaux(std::u32string_view texte, Drapeaux& drapeaux) const;

 private:
  enum class Mode { caractere, longs, numerique, utf8 };
  enum class Encodage { utf8, latin1, latin9 };

  bool decoderDrapeaux(std::u32string_view texte, Drapeaux& drapeaux) const;
  std::u32string versUtf32(std::string_view octets) const;

  struct Application;  // the affixes applied to reach a form
  bool valide(const Entree& entree, const Application& appliquees) const;
  void prefixer(const std::u32string& mot, const Entree& entree, Application& appliquees,
                const Drapeaux& drapeaux, const std::function<void(const std::u32string&)>& forme) const;
  const Classe* classe(Drapeau d, bool prefixe) const;

  Encodage encodage_ = Encodage::latin1;
  Mode mode_ = Mode::caractere;
  std::vector<Drapeaux> aliasDrapeaux_;   // AF, number n at n - 1
  std::vector<std::string> aliasMorpho_;  // AM
  std::unordered_map<Drapeau, Classe> prefixes_;
  std::unordered_map<Drapeau, Classe> suffixes_;
  Drapeau needaffix_ = 0, forbidden_ = 0, onlyincompound_ = 0, circumfix_ = 0, keepcase_ = 0;
};

bool contient(const Drapeaux& drapeaux, Drapeau d);

}  // namespace irvad::hunspell
