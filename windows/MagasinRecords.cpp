#include "MagasinRecords.h"

#include <charconv>
#include <optional>
#include <vector>

#include "Cp1252.h"

namespace irvad::records {

namespace {

constexpr std::string_view section = "Records";
constexpr std::array<const char*, 3> champs = {"Date", "Nom", "Record"};

// A line of the file with the end-of-line bytes it came with.
struct Ligne {
  std::string texte, fin;
};

// Lines end with LF, CR LF or a lone CR, as QSettings reads them.
std::vector<Ligne> decouper(std::string_view texte) {
  std::vector<Ligne> lignes;
  std::size_t debut = 0;
  while (debut < texte.size()) {
    std::size_t i = debut;
    while (i < texte.size() && texte[i] != '\n' && texte[i] != '\r') ++i;
    std::size_t fin = i;
    if (i < texte.size()) fin += (texte[i] == '\r' && i + 1 < texte.size() && texte[i + 1] == '\n') ? 2 : 1;
    lignes.push_back({std::string(texte.substr(debut, i - debut)), std::string(texte.substr(i, fin - i))});
    debut = fin;
  }
  return lignes;
}

bool blanc(char c) { return c == ' ' || c == '\t'; }

std::string_view rogner(std::string_view t) {
  while (!t.empty() && blanc(t.front())) t.remove_prefix(1);
  while (!t.empty() && blanc(t.back())) t.remove_suffix(1);
  return t;
}

int chiffreHexa(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// A UTF-16 unit as QSettings makes it from an escape, in UTF-8; a lone
// surrogate becomes the replacement character.
void ajouterCaractere(std::string& s, unsigned v) {
  v &= 0xFFFF;
  cp1252::ajouterUtf8(s, v >= 0xD800 && v <= 0xDFFF ? char32_t{0xFFFD} : char32_t{v});
}

// The position of the first c outside quotes (a backslash escapes the
// character after it).
std::optional<std::size_t> horsGuillemets(std::string_view t, char c) {
  bool guillemets = false;
  for (std::size_t i = 0; i < t.size(); ++i) {
    if (t[i] == '\\') {
      ++i;
    } else if (t[i] == '"') {
      guillemets = !guillemets;
    } else if (t[i] == c && !guillemets) {
      return i;
    }
  }
  return std::nullopt;
}

// The line without its comment: from the first ';' outside quotes on.
std::string_view sansCommentaire(std::string_view t) { return t.substr(0, horsGuillemets(t, ';').value_or(t.size())); }

// The position of the first '=' outside quotes.
std::optional<std::size_t> egal(std::string_view t) { return horsGuillemets(t, '='); }

// A key as QSettings reads it: '\' and '/' separate groups, %XX and %UXXXX
// stand for one character.
std::string cleLue(std::string_view t) {
  std::string cle;
  for (std::size_t i = 0; i < t.size(); ++i) {
    const char c = t[i];
    if (c == '\\' || c == '/') {
      cle += '/';
      continue;
    }
    const std::size_t chiffres = (i + 1 < t.size() && t[i + 1] == 'U') ? 4 : 2;
    const std::size_t premier = i + 1 + (chiffres == 4 ? 1 : 0);
    unsigned v = 0;
    bool code = c == '%' && premier + chiffres <= t.size();
    for (std::size_t k = 0; code && k < chiffres; ++k) {
      const int h = chiffreHexa(t[premier + k]);
      code = h >= 0;
      v = v * 16 + static_cast<unsigned>(h);
    }
    if (!code) {
      cle += c;
      continue;
    }
    ajouterCaractere(cle, v);
    i = premier + chiffres - 1;
  }
  return cle;
}

// The section a line "[name]" opens; nothing for any other line. As for
// QSettings, a header without its closing bracket, or with more after it,
// names the section with the whole rest of the line.
std::optional<std::string> nomSection(std::string_view ligne) {
  const std::string_view t = rogner(ligne);
  if (t.empty() || t.front() != '[') return std::nullopt;
  const std::size_t fin = t.find(']');
  const std::string_view nom = fin == std::string_view::npos || fin + 1 < t.size() ? t.substr(1) : t.substr(1, fin - 1);
  return cleLue(rogner(nom));
}

// Which field of which record a key names: 3 * record + field, or nothing.
std::optional<std::size_t> champDe(const std::string& cle) {
  for (std::size_t i = 0; i < cles.size(); ++i)
    for (std::size_t k = 0; k < champs.size(); ++k)
      if (cle == std::string(cles[i]) + "/" + champs[k]) return 3 * i + k;
  return std::nullopt;
}

// Where each key line of the file is: for each field of each record, the
// last line that holds it in a [Records] section (the one that counts, as
// for QSettings); and where a new line of the section may go.
struct Plan {
  std::array<std::optional<std::size_t>, 12> lignes;
  std::optional<std::size_t> finSection;  // after the last line of the last [Records] section
};

Plan planifier(const std::vector<Ligne>& lignes) {
  Plan plan;
  bool dedans = false;
  for (std::size_t n = 0; n < lignes.size(); ++n) {
    const std::string_view t = sansCommentaire(lignes[n].texte);
    if (const auto nom = nomSection(t)) {
      dedans = *nom == section;
      if (dedans) plan.finSection = n + 1;
      continue;
    }
    if (!dedans) continue;
    if (!rogner(t).empty()) plan.finSection = n + 1;
    const auto e = egal(t);
    if (!e) continue;
    if (const auto champ = champDe(cleLue(rogner(t.substr(0, *e))))) plan.lignes[*champ] = n;
  }
  return plan;
}

bool motValide(const std::string& s) {
  if (s.size() > 9) return false;
  for (char c : s)
    if (c < 'A' || c > 'Z') return false;
  return true;
}

// A number record: a whole number from 0 to 2^31 - 1, spaces around allowed;
// kept in its plain decimal form.
std::optional<std::string> nombreValide(const std::string& s) {
  std::string_view t = rogner(s);
  if (!t.empty() && t.front() == '+') t.remove_prefix(1);
  int32_t n = 0;
  const auto [fin, erreur] = std::from_chars(t.data(), t.data() + t.size(), n);
  if (t.empty() || t.front() == '-' || erreur != std::errc() || fin != t.data() + t.size()) return std::nullopt;
  return std::to_string(n);
}

// The value as QSettings unescapes it; `liste` tells that it reads as a list.
std::string desechapper(std::string_view t, bool& liste) {
  liste = false;
  std::string s;
  bool entreGuillemets = false, guillemete = false;
  std::size_t i = 0;
  auto sauterBlancs = [&] {
    while (i < t.size() && blanc(t[i])) ++i;
  };
  auto rognerFin = [&] {
    if (guillemete) return;
    while (!s.empty() && blanc(s.back())) s.pop_back();
  };
  sauterBlancs();
  while (i < t.size()) {
    const char c = t[i];
    if (c == '\\') {
      if (++i >= t.size()) break;
      const char e = t[i++];
      static constexpr std::string_view codes = "abfnrtv\"?'\\";
      static constexpr std::string_view valeurs = "\a\b\f\n\r\t\v\"?'\\";
      if (const auto k = codes.find(e); k != std::string_view::npos) {
        s += valeurs[k];
      } else if (e == 'x' && i < t.size() && chiffreHexa(t[i]) >= 0) {
        unsigned v = 0;
        for (; i < t.size() && chiffreHexa(t[i]) >= 0; ++i) v = (v << 4) + static_cast<unsigned>(chiffreHexa(t[i]));
        ajouterCaractere(s, v);
      } else if (e >= '0' && e <= '7') {
        unsigned v = static_cast<unsigned>(e - '0');
        for (; i < t.size() && t[i] >= '0' && t[i] <= '7'; ++i) v = (v << 3) + static_cast<unsigned>(t[i] - '0');
        ajouterCaractere(s, v);
      }
      // Any other escaped character is dropped, as QSettings does.
    } else if (c == '"') {
      ++i;
      guillemete = true;
      entreGuillemets = !entreGuillemets;
      if (!entreGuillemets) sauterBlancs();
    } else if (c == ',' && !entreGuillemets) {
      rognerFin();
      liste = true;
      s.clear();
      guillemete = false;
      ++i;
      sauterBlancs();
    } else {
      s += c;
      ++i;
    }
  }
  rognerFin();
  return s;
}

}  // namespace

Record vide(int i) { return Record{i == 0 ? std::string() : std::string("0"), {}, {}}; }

std::optional<std::string> texteLu(std::string_view brut) {
  bool liste = false;
  std::string s = desechapper(brut, liste);
  if (liste) return std::nullopt;
  if (!s.empty() && s.front() == '@') {
    if (s.size() >= 2 && s[1] == '@') return s.substr(1);
    if (s.back() == ')') return std::nullopt;
  }
  return s;
}

std::string echapper(std::string_view valeur) {
  std::string r;
  bool guillemets = false, chiffreApres = false;
  std::string v(valeur);
  // A text that starts with '@' is told apart from QSettings' typed values.
  if (!v.empty() && v.front() == '@') v.insert(v.begin(), '@');
  auto hexa = [](unsigned n) {
    char tampon[8];
    const auto fin = std::to_chars(tampon, tampon + sizeof tampon, n, 16).ptr;
    return std::string(tampon, fin);
  };
  for (char c : v) {
    const auto u = static_cast<unsigned char>(c);
    if (c == ';' || c == ',' || c == '=') guillemets = true;
    // A digit right after a numeric escape would be read as part of it.
    if (chiffreApres && chiffreHexa(c) >= 0) {
      r += "\\x" + hexa(u);
      continue;
    }
    chiffreApres = false;
    switch (c) {
      case '\0': r += "\\0"; chiffreApres = true; break;
      case '\a': r += "\\a"; break;
      case '\b': r += "\\b"; break;
      case '\f': r += "\\f"; break;
      case '\n': r += "\\n"; break;
      case '\r': r += "\\r"; break;
      case '\t': r += "\\t"; break;
      case '\v': r += "\\v"; break;
      case '"':
      case '\\':
        r += '\\';
        r += c;
        break;
      default:
        if (u <= 0x1F) {
          r += "\\x" + hexa(u);
          chiffreApres = true;
        } else {
          r += c;
        }
    }
  }
  if (guillemets || (!r.empty() && (r.front() == ' ' || r.back() == ' '))) r = '"' + r + '"';
  return r;
}

Lecture lire(std::string_view texte) {
  Lecture l;
  const std::vector<Ligne> lignes = decouper(texte);
  const Plan plan = planifier(lignes);
  for (std::size_t i = 0; i < cles.size(); ++i) {
    l.records[i] = vide(static_cast<int>(i));
    const auto ligneRecord = plan.lignes[3 * i + 2];
    if (!ligneRecord) {
      l.etats[i] = Etat::absent;
      continue;
    }
    std::array<std::optional<std::string>, 3> valeurs;
    std::optional<std::size_t> fautive;
    for (std::size_t k = 0; k < champs.size(); ++k) {
      const auto n = plan.lignes[3 * i + k];
      if (!n) {
        valeurs[k] = std::string();
        continue;
      }
      const std::string_view t = sansCommentaire(lignes[*n].texte);
      valeurs[k] = texteLu(t.substr(*egal(t) + 1));
      if (!valeurs[k] && !fautive) fautive = n;
    }
    if (valeurs[2]) {
      valeurs[2] = i == 0 ? (motValide(*valeurs[2]) ? valeurs[2] : std::nullopt) : nombreValide(*valeurs[2]);
      if (!valeurs[2] && !fautive) fautive = ligneRecord;
    }
    if (fautive) {
      l.etats[i] = Etat::endommage;
      l.defauts[i] = std::string(rogner(lignes[*fautive].texte));
      continue;
    }
    l.etats[i] = Etat::sain;
    l.records[i] = Record{*valeurs[2], *valeurs[1], *valeurs[0]};
  }
  return l;
}

std::string ecrire(std::string_view texte, const Quatre& records, uint8_t quels) {
  std::vector<Ligne> lignes = decouper(texte);
  const Plan plan = planifier(lignes);
  // Replaced lines keep their place; the others go, in order, at the end of
  // the last [Records] section, or in a new one at the end of the file.
  std::vector<Ligne> nouvelles;
  for (std::size_t i = 0; i < cles.size(); ++i) {
    if (!(quels & (1u << i))) continue;
    const Record& r = records[i];
    const std::array<const std::string*, 3> valeurs = {&r.date, &r.nom, &r.valeur};
    for (std::size_t k = 0; k < champs.size(); ++k) {
      Ligne ligne{std::string(cles[i]) + "\\" + champs[k] + "=" + echapper(*valeurs[k]), "\n"};
      if (const auto n = plan.lignes[3 * i + k]) {
        if (!lignes[*n].fin.empty()) ligne.fin = lignes[*n].fin;
        lignes[*n] = std::move(ligne);
      } else {
        nouvelles.push_back(std::move(ligne));
      }
    }
  }
  if (!nouvelles.empty()) {
    std::size_t position = lignes.size();
    if (plan.finSection) {
      position = *plan.finSection;
    } else {
      if (!lignes.empty()) nouvelles.insert(nouvelles.begin(), Ligne{"", "\n"});
      nouvelles.insert(nouvelles.begin() + (lignes.empty() ? 0 : 1), Ligne{"[Records]", "\n"});
    }
    // The line before the new ones must end.
    if (position > 0 && lignes[position - 1].fin.empty()) lignes[position - 1].fin = "\n";
    lignes.insert(lignes.begin() + static_cast<std::ptrdiff_t>(position), nouvelles.begin(), nouvelles.end());
  }
  std::string sortie;
  for (const Ligne& l : lignes) sortie += l.texte + l.fin;
  return sortie;
}

}  // namespace irvad::records
