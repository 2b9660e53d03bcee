#pragma once
// The reviewed decisions on short words (mots-courts.txt beside this file):
// which candidates are French words, which are not and why, and the order in
// which refused words fill a block that lacks real words.
//
// One decision a line, '#' starting a comment:
//     MOT oui
//     MOT non RAISON
// MOT is 2 to 9 capital letters A-Z; RAISON is one word.
#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>

namespace irvad::dico {

struct Decision {
  bool accepte = false;
  std::string raison;    // why a refused word is refused
  std::size_t rang = 0;  // its line among the decisions, from 0
};

class Decisions {
 public:
  // Reads decisions from the text of a file. Returns false, naming the line
  // at fault in erreur, on a malformed line or a word decided twice.
  bool lire(std::string_view texte, std::string& erreur);
  bool lireFichier(const std::string& chemin, std::string& erreur);

  // The decision on a word, or null.
  const Decision* trouver(const std::string& mot) const;
  bool refuse(const std::string& mot) const {
    const Decision* d = trouver(mot);
    return d != nullptr && !d->accepte;
  }
  const std::unordered_map<std::string, Decision>& tous() const { return mots_; }

 private:
  std::unordered_map<std::string, Decision> mots_;
};

}  // namespace irvad::dico
