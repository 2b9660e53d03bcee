#include "Hunspell.h"

#include <algorithm>
#include <array>

#include "Pliage.h"

namespace irvad::hunspell {
namespace {

// The bytes A0..BF of ISO8859-15 that differ from ISO8859-1.
char32_t latin9(unsigned char o) {
  switch (o) {
    case 0xA4: return 0x20AC;  // €
    case 0xA6: return 0x0160;  // Š
    case 0xA8: return 0x0161;  // š
    case 0xB4: return 0x017D;  // Ž
    case 0xB8: return 0x017E;  // ž
    case 0xBC: return 0x0152;  // Œ
    case 0xBD: return 0x0153;  // œ
    case 0xBE: return 0x0178;  // Ÿ
    default: return o;
  }
}

bool espace(char32_t c) { return c == ' ' || c == '\t'; }

// Splits a line at spaces and tabs.
std::vector<std::u32string_view> morceaux(std::u32string_view ligne) {
  std::vector<std::u32string_view> mots;
  std::size_t i = 0;
  while (i < ligne.size()) {
    while (i < ligne.size() && espace(ligne[i])) ++i;
    const std::size_t debut = i;
    while (i < ligne.size() && !espace(ligne[i])) ++i;
    if (i > debut) mots.push_back(ligne.substr(debut, i - debut));
  }
  return mots;
}

// Lines of a text, without their end (LF or CR LF).
std::vector<std::u32string_view> lignes(std::u32string_view texte) {
  std::vector<std::u32string_view> resultat;
  std::size_t debut = 0;
  while (debut < texte.size()) {
    std::size_t fin = texte.find(U'\n', debut);
    if (fin == std::u32string_view::npos) fin = texte.size();
    std::u32string_view ligne = texte.substr(debut, fin - debut);
    if (!ligne.empty() && ligne.back() == U'\r') ligne.remove_suffix(1);
    resultat.push_back(ligne);
    debut = fin + 1;
  }
  return resultat;
}

std::string utf8(std::u32string_view texte) {
  std::string s;
  for (char32_t c : texte) ecrireUtf8(s, c);
  return s;
}

bool nombre(std::u32string_view texte, std::size_t& valeur) {
  if (texte.empty() || texte.size() > 9) return false;
  valeur = 0;
  for (char32_t c : texte) {
    if (c < '0' || c > '9') return false;
    valeur = valeur * 10 + (c - '0');
  }
  return true;
}

std::u32string zeroVide(std::u32string_view texte) {
  return texte == U"0" ? std::u32string() : std::u32string(texte);
}

bool lireCondition(std::u32string_view texte, std::vector<ElementCondition>& condition) {
  condition.clear();
  for (std::size_t i = 0; i < texte.size(); ++i) {
    ElementCondition element;
    if (texte[i] == '.') {
      element.tous = true;
    } else if (texte[i] == '[') {
      const std::size_t fin = texte.find(U']', i);
      if (fin == std::u32string_view::npos) return false;
      std::u32string_view ensemble = texte.substr(i + 1, fin - i - 1);
      if (!ensemble.empty() && ensemble[0] == '^') {
        element.negation = true;
        ensemble.remove_prefix(1);
      }
      element.caracteres = ensemble;
      i = fin;
    } else {
      element.caracteres = texte[i];
    }
    condition.push_back(std::move(element));
  }
  return true;
}

bool commencePar(const std::u32string& mot, const std::u32string& debut) {
  return mot.size() >= debut.size() && std::equal(debut.begin(), debut.end(), mot.begin());
}

bool finitPar(const std::u32string& mot, const std::u32string& fin) {
  return mot.size() >= fin.size() && std::equal(fin.rbegin(), fin.rend(), mot.rbegin());
}

// The word that rule r gives out of mot, or false when its strip or its
// condition does not fit mot.
bool appliquer(const Regle& r, bool prefixe, const std::u32string& mot, std::u32string& resultat) {
  const std::size_t n = r.condition.size();
  if (mot.size() < n || mot.size() < r.retrait.size()) return false;
  if (prefixe) {
    if (!commencePar(mot, r.retrait)) return false;
    for (std::size_t k = 0; k < n; ++k)
      if (!r.condition[k].accepte(mot[k])) return false;
    resultat = r.ajout;
    resultat.append(mot, r.retrait.size());
  } else {
    if (!finitPar(mot, r.retrait)) return false;
    const std::size_t debut = mot.size() - n;
    for (std::size_t k = 0; k < n; ++k)
      if (!r.condition[k].accepte(mot[debut + k])) return false;
    resultat.assign(mot, 0, mot.size() - r.retrait.size());
    resultat += r.ajout;
  }
  return !resultat.empty();
}

void trier(Drapeaux& drapeaux) {
  std::sort(drapeaux.begin(), drapeaux.end());
  drapeaux.erase(std::unique(drapeaux.begin(), drapeaux.end()), drapeaux.end());
}

Drapeaux reunion(const Drapeaux& a, const Drapeaux& b) {
  Drapeaux r;
  r.reserve(a.size() + b.size());
  std::set_union(a.begin(), a.end(), b.begin(), b.end(), std::back_inserter(r));
  return r;
}

}  // namespace

bool ElementCondition::accepte(char32_t c) const {
  if (tous) return true;
  const bool dedans = caracteres.find(c) != std::u32string::npos;
  return dedans != negation;
}

bool contient(const Drapeaux& drapeaux, Drapeau d) {
  return d != 0 && std::binary_search(drapeaux.begin(), drapeaux.end(), d);
}

// The affixes applied to the stem on the way to a form: at most a prefix and
// two suffixes.
struct Affixes::Application {
  std::array<const Regle*, 3> regles{};
  std::array<bool, 3> prefixe{};
  std::size_t nombre = 0;
  void ajouter(const Regle* r, bool estPrefixe) {
    regles[nombre] = r;
    prefixe[nombre] = estPrefixe;
    ++nombre;
  }
  void retirer() { --nombre; }
};

std::u32string Affixes::versUtf32(std::string_view octets) const {
  std::u32string texte;
  texte.reserve(octets.size());
  std::size_t pos = 0;
  while (pos < octets.size()) {
    const auto o = static_cast<unsigned char>(octets[pos]);
    if (encodage_ != Encodage::utf8) {
      texte += encodage_ == Encodage::latin9 ? latin9(o) : char32_t(o);
      ++pos;
      continue;
    }
    char32_t c;
    if (lireUtf8(octets, pos, c)) {
      texte += c;
    } else if (o == 0xE3 && pos + 1 < octets.size() &&
               (static_cast<unsigned char>(octets[pos + 1]) & 0xC0) == 0x80) {
      // A two-byte letter of U+00C0..U+00FF whose lead byte C3 was lowercased
      // as if it were the Latin-1 letter Ã (as in the prefix lines of
      // myspell-fr's fr.aff): read it as the letter that was meant.
      texte += char32_t(0xC0 + (static_cast<unsigned char>(octets[pos + 1]) & 0x3F));
      pos += 2;
    } else {
      // any other stray byte: read as Latin-1
      texte += char32_t(o);
      ++pos;
    }
  }
  return texte;
}

std::string Affixes::versUtf8(std::string_view octets) const { return utf8(versUtf32(octets)); }

bool Affixes::decoderDrapeaux(std::u32string_view texte, Drapeaux& drapeaux) const {
  drapeaux.clear();
  switch (mode_) {
    case Mode::caractere:
    case Mode::utf8:
      for (char32_t c : texte) drapeaux.push_back(c);
      break;
    case Mode::longs:
      if (texte.size() % 2 != 0) return false;
      for (std::size_t i = 0; i < texte.size(); i += 2)
        drapeaux.push_back((Drapeau(texte[i]) << 21) | texte[i + 1]);
      break;
    case Mode::numerique: {
      std::size_t debut = 0;
      while (debut <= texte.size()) {
        std::size_t fin = texte.find(U',', debut);
        if (fin == std::u32string_view::npos) fin = texte.size();
        std::size_t valeur;
        if (!nombre(texte.substr(debut, fin - debut), valeur) || valeur == 0) return false;
        drapeaux.push_back(valeur);
        debut = fin + 1;
      }
      break;
    }
  }
  trier(drapeaux);
  return true;
}

bool Affixes::lireDrapeaux(std::u32string_view texte, Drapeaux& drapeaux) const {
  std::size_t alias;
  if (!aliasDrapeaux_.empty() && nombre(texte, alias)) {
    if (alias == 0 || alias > aliasDrapeaux_.size()) return false;
    drapeaux = aliasDrapeaux_[alias - 1];
    return true;
  }
  return decoderDrapeaux(texte, drapeaux);
}

bool Affixes::lire(std::string_view octets, std::string& erreur) {
  // SET comes first in practice, but look for it anywhere: every other line
  // is read in its encoding.
  encodage_ = Encodage::latin1;
  std::size_t debut = 0;
  while (debut < octets.size()) {
    std::size_t fin = octets.find('\n', debut);
    if (fin == std::string_view::npos) fin = octets.size();
    std::string_view ligne = octets.substr(debut, fin - debut);
    if (ligne.starts_with("SET ") || ligne.starts_with("SET\t")) {
      ligne.remove_prefix(4);
      while (!ligne.empty() && (ligne.back() == '\r' || ligne.back() == ' ' || ligne.back() == '\t'))
        ligne.remove_suffix(1);
      while (!ligne.empty() && (ligne.front() == ' ' || ligne.front() == '\t')) ligne.remove_prefix(1);
      if (ligne == "UTF-8" || ligne == "utf-8" || ligne == "UTF8") {
        encodage_ = Encodage::utf8;
      } else if (ligne == "ISO8859-1" || ligne == "ISO-8859-1") {
        encodage_ = Encodage::latin1;
      } else if (ligne == "ISO8859-15" || ligne == "ISO-8859-15") {
        encodage_ = Encodage::latin9;
      } else {
        erreur = "encodage " + std::string(ligne) + " non pris en charge";
        return false;
      }
      break;
    }
    debut = fin + 1;
  }

  const std::u32string texte = versUtf32(octets);
  const auto toutes = lignes(texte);
  std::size_t aliasAf = 0, aliasAm = 0;  // AF and AM lines still to read
  Classe* enCours = nullptr;              // class whose rules are being read
  std::size_t reglesAttendues = 0;
  std::u32string drapeauEnCours;
  for (std::size_t n = 0; n < toutes.size(); ++n) {
    const auto m = morceaux(toutes[n]);
    if (m.empty() || m[0][0] == '#') continue;
    const std::string motCle = utf8(m[0]);
    auto echec = [&](const std::string& quoi) {
      erreur = "ligne " + std::to_string(n + 1) + " : " + quoi;
      return false;
    };
    auto drapeauUnique = [&](Drapeau& d) {
      Drapeaux lus;
      if (m.size() < 2 || !decoderDrapeaux(m[1], lus) || lus.size() != 1) return false;
      d = lus[0];
      return true;
    };
    if (motCle == "FLAG") {
      if (m.size() < 2) return echec("FLAG sans valeur");
      const std::string valeur = utf8(m[1]);
      if (valeur == "long")
        mode_ = Mode::longs;
      else if (valeur == "num")
        mode_ = Mode::numerique;
      else if (valeur == "UTF-8")
        mode_ = Mode::utf8;
      else
        return echec("FLAG " + valeur + " inconnu");
    } else if (motCle == "AF") {
      if (aliasAf > 0) {
        if (m.size() < 2) return echec("AF sans drapeaux");
        Drapeaux d;
        if (!decoderDrapeaux(m[1], d)) return echec("drapeaux AF illisibles");
        aliasDrapeaux_.push_back(std::move(d));
        --aliasAf;
      } else if (m.size() < 2 || !nombre(m[1], aliasAf)) {
        return echec("en-t\xC3\xAAte AF illisible");
      }
    } else if (motCle == "AM") {
      if (aliasAm > 0) {
        std::u32string champs;
        for (std::size_t k = 1; k < m.size(); ++k) {
          if (k > 1) champs += U' ';
          champs += m[k];
        }
        aliasMorpho_.push_back(utf8(champs));
        --aliasAm;
      } else if (m.size() < 2 || !nombre(m[1], aliasAm)) {
        return echec("en-t\xC3\xAAte AM illisible");
      }
    } else if (motCle == "PFX" || motCle == "SFX") {
      const bool estPrefixe = motCle == "PFX";
      if (m.size() < 4) return echec(motCle + " incomplet");
      if (reglesAttendues == 0) {
        // header: flag, cross product, number of rules
        Drapeau d;
        std::size_t compte;
        if (!drapeauUnique(d)) return echec("drapeau " + motCle + " illisible");
        if (!nombre(m[3], compte)) return echec("nombre de r\xC3\xA8gles illisible");
        Classe& c = (estPrefixe ? prefixes_ : suffixes_)[d];
        c.prefixe = estPrefixe;
        c.croise = m[2] == U"Y";
        enCours = &c;
        reglesAttendues = compte;
        drapeauEnCours = m[1];
        continue;
      }
      if (m[1] != drapeauEnCours || enCours->prefixe != estPrefixe)
        return echec("r\xC3\xA8gle d'une autre classe que " + utf8(drapeauEnCours));
      Regle r;
      r.retrait = zeroVide(m[2]);
      std::u32string_view ajout = m[3];
      const std::size_t barre = ajout.find(U'/');
      if (barre != std::u32string_view::npos) {
        if (!lireDrapeaux(ajout.substr(barre + 1), r.suite)) return echec("drapeaux de suite illisibles");
        ajout = ajout.substr(0, barre);
      }
      r.ajout = zeroVide(ajout);
      if (!lireCondition(m.size() > 4 ? m[4] : U".", r.condition)) return echec("condition illisible");
      enCours->regles.push_back(std::move(r));
      --reglesAttendues;
    } else if (motCle == "NEEDAFFIX" || motCle == "PSEUDOROOT") {
      if (!drapeauUnique(needaffix_)) return echec(motCle + " illisible");
    } else if (motCle == "FORBIDDENWORD") {
      if (!drapeauUnique(forbidden_)) return echec(motCle + " illisible");
    } else if (motCle == "ONLYINCOMPOUND") {
      if (!drapeauUnique(onlyincompound_)) return echec(motCle + " illisible");
    } else if (motCle == "CIRCUMFIX") {
      if (!drapeauUnique(circumfix_)) return echec(motCle + " illisible");
    } else if (motCle == "KEEPCASE") {
      if (!drapeauUnique(keepcase_)) return echec(motCle + " illisible");
    } else if (motCle == "COMPLEXPREFIXES") {
      return echec("COMPLEXPREFIXES non pris en charge");
    }
  }
  if (reglesAttendues > 0) {
    erreur = "classe " + utf8(drapeauEnCours) + " incompl\xC3\xA8te";
    return false;
  }
  return true;
}

bool Affixes::lireDic(std::string_view octets, std::vector<Entree>& entrees, std::string& erreur) const {
  const std::u32string texte = versUtf32(octets);
  const auto toutes = lignes(texte);
  entrees.clear();
  entrees.reserve(toutes.size());
  // the first line gives the number of entries
  for (std::size_t n = 1; n < toutes.size(); ++n) {
    std::u32string_view ligne = toutes[n];
    std::size_t fin = 0;
    while (fin < ligne.size() && !espace(ligne[fin])) ++fin;
    if (fin == 0) continue;
    std::u32string_view motEtDrapeaux = ligne.substr(0, fin);
    Entree e;
    // the word ends at the first '/' that no backslash escapes
    std::size_t barre = std::u32string_view::npos;
    for (std::size_t i = 0; i < motEtDrapeaux.size(); ++i) {
      if (motEtDrapeaux[i] == '\\' && i + 1 < motEtDrapeaux.size() && motEtDrapeaux[i + 1] == '/') {
        e.mot += U'/';
        ++i;
      } else if (motEtDrapeaux[i] == '/' && i > 0) {
        barre = i;
        break;
      } else {
        e.mot += motEtDrapeaux[i];
      }
    }
    if (barre != std::u32string_view::npos && !lireDrapeaux(motEtDrapeaux.substr(barre + 1), e.drapeaux)) {
      erreur = "ligne " + std::to_string(n + 1) + " : drapeaux illisibles";
      return false;
    }
    const auto champs = morceaux(ligne.substr(fin));
    std::size_t alias;
    for (std::size_t k = 0; k < champs.size(); ++k) {
      if (k > 0) e.morphologie += ' ';
      if (!aliasMorpho_.empty() && nombre(champs[k], alias) && alias >= 1 && alias <= aliasMorpho_.size())
        e.morphologie += aliasMorpho_[alias - 1];
      else
        e.morphologie += utf8(champs[k]);
    }
    entrees.push_back(std::move(e));
  }
  return true;
}

const Classe* Affixes::classe(Drapeau d, bool prefixe) const {
  const auto& table = prefixe ? prefixes_ : suffixes_;
  const auto it = table.find(d);
  return it == table.end() ? nullptr : &it->second;
}

bool Affixes::valide(const Entree& entree, const Application& a) const {
  if (a.nombre == 0) return !contient(entree.drapeaux, needaffix_);
  bool autonome = false;  // one of the affixes stands without another
  int circonfixes[2] = {0, 0};
  for (std::size_t k = 0; k < a.nombre; ++k) {
    const Drapeaux& suite = a.regles[k]->suite;
    if (contient(suite, forbidden_) || contient(suite, onlyincompound_)) return false;
    if (!contient(suite, needaffix_)) autonome = true;
    if (contient(suite, circumfix_)) ++circonfixes[a.prefixe[k] ? 0 : 1];
  }
  if ((circonfixes[0] > 0) != (circonfixes[1] > 0)) return false;
  return autonome;
}

// Puts before mot (a suffixed form) every prefix of the flags that allows the
// cross product, when every suffix applied allows it too.
void Affixes::prefixer(const std::u32string& mot, const Entree& entree, Application& a,
                       const Drapeaux& drapeaux, const std::function<void(const std::u32string&)>& forme) const {
  std::u32string resultat;
  for (Drapeau d : drapeaux) {
    const Classe* p = classe(d, true);
    if (p == nullptr || !p->croise) continue;
    for (const Regle& r : p->regles) {
      if (!appliquer(r, true, mot, resultat)) continue;
      a.ajouter(&r, true);
      if (valide(entree, a)) forme(resultat);
      a.retirer();
    }
  }
}

void Affixes::developper(const Entree& entree, const std::function<void(const std::u32string&)>& forme) const {
  if (contient(entree.drapeaux, forbidden_) || contient(entree.drapeaux, onlyincompound_)) return;
  Application a;
  if (valide(entree, a)) forme(entree.mot);
  std::u32string mot1, mot2;

  // suffixes, twofold suffixes, and prefixes in cross product with them
  for (Drapeau d : entree.drapeaux) {
    const Classe* s = classe(d, false);
    if (s == nullptr) continue;
    for (const Regle& r1 : s->regles) {
      if (!appliquer(r1, false, entree.mot, mot1)) continue;
      a.ajouter(&r1, false);
      if (valide(entree, a)) forme(mot1);
      const Drapeaux apres1 = reunion(entree.drapeaux, r1.suite);
      for (Drapeau d2 : r1.suite) {
        const Classe* s2 = classe(d2, false);
        if (s2 == nullptr) continue;
        for (const Regle& r2 : s2->regles) {
          if (!appliquer(r2, false, mot1, mot2)) continue;
          a.ajouter(&r2, false);
          if (valide(entree, a)) forme(mot2);
          if (s->croise && s2->croise) prefixer(mot2, entree, a, reunion(apres1, r2.suite), forme);
          a.retirer();
        }
      }
      if (s->croise) prefixer(mot1, entree, a, apres1, forme);
      a.retirer();
    }
  }

  // prefixes alone, and with a suffix of their continuation flags
  for (Drapeau d : entree.drapeaux) {
    const Classe* p = classe(d, true);
    if (p == nullptr) continue;
    for (const Regle& rp : p->regles) {
      if (!appliquer(rp, true, entree.mot, mot1)) continue;
      a.ajouter(&rp, true);
      if (valide(entree, a)) forme(mot1);
      for (Drapeau d2 : rp.suite) {
        const Classe* s2 = classe(d2, false);
        if (s2 == nullptr) continue;
        for (const Regle& r2 : s2->regles) {
          if (!appliquer(r2, false, mot1, mot2)) continue;
          a.ajouter(&r2, false);
          if (valide(entree, a)) forme(mot2);
          a.retirer();
        }
      }
      a.retirer();
    }
  }
}

}  // namespace irvad::hunspell
