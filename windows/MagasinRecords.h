#pragma once
// The text of the records store: an initialisation file in UTF-8 whose
// section [Records] holds, for each record, the lines Cle\Record, Cle\Nom and
// Cle\Date (Cle being Mot, Score, PointsPris or LettresPrises). It is the
// layout and the quoting that Qt's QSettings gives such a file, so that a
// store written by QSettings reads here and the other way round.
//
// Each record stands alone: a line is read on its own, and a record whose
// value cannot be one (a number that is not one, a word that is not made of
// capital letters, a value Qt would read as a list or a binary blob) is
// damaged without touching the others. A write replaces only the lines of the
// records it is given; every other byte of the file stays as it was.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace irvad::records {

// The keys under [Records], in display order: the longest word, then the
// three numbers.
inline constexpr std::array<const char*, 4> cles = {"Mot", "Score", "PointsPris", "LettresPrises"};

// A record as the window shows it, in UTF-8: the word, or the number in
// decimal; the player's name; the date.
struct Record {
  std::string valeur, nom, date;
  bool operator==(const Record&) const = default;
};
using Quatre = std::array<Record, 4>;

enum class Etat {
  sain,
  absent,     // no "Record" line: never set
  endommage,  // a line that cannot hold this record
};

struct Lecture {
  Quatre records;  // the sound ones as stored; the others hold the empty record
  std::array<Etat, 4> etats{};
  std::array<std::string, 4> defauts;  // for a damaged record: the line at fault, as the file has it
};

// The empty record of position i: no word, or 0.
Record vide(int i);

// Reads the text of a store.
Lecture lire(std::string_view texte);

// The text with the records whose bit (1 << i) is set in `quels` written in
// place of what it held for them.
std::string ecrire(std::string_view texte, const Quatre& records, uint8_t quels);

// A text value as QSettings writes it after "=" (quoted and escaped as
// needed), and back: the text QSettings reads there, or nothing when it reads
// a list of values or one of its typed values (@ByteArray(...) and the like).
std::string echapper(std::string_view valeur);
std::optional<std::string> texteLu(std::string_view brut);

}  // namespace irvad::records
