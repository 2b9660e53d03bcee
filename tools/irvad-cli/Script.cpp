#include "Script.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <sstream>

#include "Coherence.h"
#include "TextePosition.h"

namespace irvad {

std::optional<long long> entier(const std::string& s) {
  if (s.empty()) return std::nullopt;
  std::size_t i = s[0] == '-' ? 1 : 0;
  if (i == s.size() || s.size() > 12) return std::nullopt;
  for (std::size_t k = i; k < s.size(); ++k)
    if (!std::isdigit(static_cast<unsigned char>(s[k]))) return std::nullopt;
  return std::stoll(s);
}

std::optional<bool> ouiNon(const std::string& s) {
  if (s == "oui") return true;
  if (s == "non") return false;
  return std::nullopt;
}

namespace {

class Script {
 public:
  Script(Jeu& jeu, EcranTexte& ecran) : jeu_(jeu), ecran_(ecran) {}

  // Runs every line; true when every command stood.
  bool executer(std::istream& entree) {
    std::string ligne;
    bool ok = true;
    for (int numero = 1; std::getline(entree, ligne); ++numero) {
      if (const auto diese = ligne.find('#'); diese != std::string::npos) ligne.erase(diese);
      if (!ligne.empty() && ligne.back() == '\r') ligne.pop_back();
      std::istringstream mots(ligne);
      std::vector<std::string> m;
      for (std::string w; mots >> w;) m.push_back(w);
      if (m.empty()) continue;
      erreur_.clear();
      // Every action of the engine checks before it changes anything, so a
      // refused command leaves the game as it found it.
      const bool fait = commande(m);
      if (fait) {
        ecran_.valider();
      } else {
        ecran_.annuler();
        ecran_.sortie() << "erreur: ligne " << numero << ": " << (erreur_.empty() ? "commande refusée" : erreur_)
                  << '\n';
        ok = false;
      }
    }
    return ok;
  }

 private:
  bool echec(const std::string& raison) {
    erreur_ = raison;
    return false;
  }

  bool nombre(const std::string& s, long long min, long long max, long long& v, const char* quoi) {
    const auto e = entier(s);
    if (!e || *e < min || *e > max) {
      erreur_ = std::string(quoi) + " : " + s + " n'est pas un entier de " + std::to_string(min) + " à " +
                std::to_string(max);
      return false;
    }
    v = *e;
    return true;
  }

  bool caseValide(const std::string& r, const std::string& c, int& x, int& y) {
    long long a, b;
    if (!nombre(r, 0, 10, a, "rangée") || !nombre(c, 0, 10, b, "colonne")) return false;
    x = static_cast<int>(a);
    y = static_cast<int>(b);
    if (!jeu_.position().plateau.valide(x, y)) return echec("(" + r + "," + c + ") n'est pas une case du plateau");
    return true;
  }

  bool lettre(const std::string& s, int32_t& l) {
    if (s.size() != 1 || !std::isalpha(static_cast<unsigned char>(s[0])))
      return echec("lettre A à Z attendue : " + s);
    l = std::toupper(static_cast<unsigned char>(s[0]));
    return true;
  }

  // The engine's answer: true when it accepted, else its reason becomes the error.
  bool fait(const Verdict& v) { return v ? true : echec(cp1252::versUtf8(v.raison())); }

  bool enJeu() {
    if (!partie_) return echec("aucune partie : commencer par nouvelle");
    return fait(jeu_.position().enCours ? Verdict() : refus::partieFinie());
  }

  bool enPartie() { return partie_ || echec("aucune partie : commencer par nouvelle"); }

  bool arite(const std::vector<std::string>& m, std::size_t n) {
    if (m.size() != n) return echec(m[0] + " attend " + std::to_string(n - 1) + " argument(s)");
    return true;
  }

  bool commande(const std::vector<std::string>& m) {
    const std::string& c = m[0];
    const Position& position = jeu_.position();
    long long v;
    int x, y;
    int32_t l;
    if (c == "nouvelle") {
      if (!arite(m, 2)) return false;
      const auto e = entier(m[1]);
      if (!e || (*e != 2 && *e != 3 && *e != 6)) return echec("nombre de joueurs 2, 3 ou 6 attendu : " + m[1]);
      Tablee t{static_cast<uint32_t>(*e), {}};
      for (int i = 0; i < nbJoueursMax; ++i) t.sieges.push_back({"Joueur " + std::to_string(i + 1), false, true, 5});
      if (!fait(jeu_.nouvellePartie(t))) return false;
      partie_ = true;
      return true;
    }
    if (c == "graine") {
      if (!arite(m, 2) || !nombre(m[1], 0, 0xFFFFFFFFLL, v, "graine")) return false;
      jeu_.graine(static_cast<uint32_t>(v));
      return true;
    }
    if (c == "joueur") {
      if (m.size() < 3)
        return echec("joueur P automate TAILLE oui|non [standard|expert], joueur P humain ou joueur P nom NOM");
      if (!enPartie() || !nombre(m[1], 1, position.nbJoueurs, v, "joueur")) return false;
      Tablee t = jeu_.tablee();
      Siege& siege = t.sieges[static_cast<std::size_t>(v - 1)];
      if (m[2] == "humain") {
        if (!arite(m, 3)) return false;
        siege.automate = false;
      } else if (m[2] == "automate") {
        long long t;
        if (m.size() != 6 && !arite(m, 5)) return false;
        if (!nombre(m[3], 5, 9, t, "taille")) return false;
        const auto d = ouiNon(m[4]);
        if (!d) return echec("déplacements oui ou non attendu : " + m[4]);
        siege.niveau = Niveau::Standard;
        if (m.size() == 6) {
          if (m[5] == "expert")
            siege.niveau = Niveau::Expert;
          else if (m[5] != "standard")
            return echec("niveau standard ou expert attendu : " + m[5]);
        }
        siege.automate = true;
        siege.tailleMax = static_cast<int32_t>(t);
        siege.deplacements = *d;
      } else if (m[2] == "nom") {
        if (!arite(m, 4)) return false;
        siege.nom = cp1252::depuisUtf8(m[3]);
      } else {
        return echec("humain, automate ou nom attendu : " + m[2]);
      }
      return fait(jeu_.reglerJoueurs(t));
    }
    if (c == "case") {
      if (!arite(m, 6) || !enPartie() || !caseValide(m[1], m[2], x, y)) return false;
      long long valeur, p;
      if (!nombre(m[4], 0, bornes::valeur, valeur, "valeur") || !nombre(m[5], 0, position.nbJoueurs, p, "joueur"))
        return false;
      Position nouvelle = position;
      if (m[3] == ".") {
        nouvelle.viderCase(x, y);
      } else {
        if (!lettre(m[3], l)) return false;
        if (p == 0) return echec("un jeton appartient à un joueur de 1 à " + std::to_string(position.nbJoueurs));
        nouvelle.poserJeton(x, y, l, static_cast<int32_t>(valeur), static_cast<int32_t>(p));
      }
      return fait(jeu_.installer(nouvelle));
    }
    if (c == "stock") {
      if (!arite(m, 4) || !enPartie()) return false;
      long long p, n;
      if (!nombre(m[1], 1, position.nbJoueurs, p, "joueur") || !lettre(m[2], l) ||
          !nombre(m[3], 0, bornes::lettres, n, "nombre"))
        return false;
      Position nouvelle = position;
      nouvelle.fixerStock(static_cast<uint32_t>(p - 1), l, static_cast<int32_t>(n));
      return fait(jeu_.installer(nouvelle));
    }
    if (c == "courant") {
      if (!arite(m, 2) || !enPartie() || !nombre(m[1], 1, position.nbJoueurs, v, "joueur")) return false;
      Position nouvelle = position;
      nouvelle.joueurCourant = static_cast<uint32_t>(v - 1);
      return fait(jeu_.installer(nouvelle));
    }
    if (c == "tour") {
      if (!arite(m, 2) || !enPartie() || !nombre(m[1], 0, bornes::tour, v, "tour")) return false;
      Position nouvelle = position;
      nouvelle.tour = static_cast<uint32_t>(v);
      return fait(jeu_.installer(nouvelle));
    }
    if (c == "poser") {
      if (!arite(m, 4) || !enJeu() || !lettre(m[1], l) || !caseValide(m[2], m[3], x, y)) return false;
      if (!fait(jeu_.prendre(l))) return false;
      if (fait(jeu_.poser(x, y))) return true;
      jeu_.rendre();
      return false;
    }
    if (c == "deplacer") {
      int xd, yd;
      if (!arite(m, 5) || !enJeu() || !caseValide(m[1], m[2], x, y) || !caseValide(m[3], m[4], xd, yd))
        return false;
      return fait(jeu_.deplacer(x, y, xd, yd));
    }
    if (c == "recolter") {
      if (!arite(m, 3) || !enJeu() || !caseValide(m[1], m[2], x, y)) return false;
      return fait(jeu_.recolter(x, y));
    }
    if (c == "passer") return arite(m, 1) && enJeu() && fait(jeu_.passer());
    if (c == "automate") return arite(m, 1) && enJeu() && fait(jeu_.tourAutomate());
    if (c == "annuler") return arite(m, 1) && enPartie() && fait(jeu_.annuler(Retour::Action));
    if (c == "retablir") return arite(m, 1) && enPartie() && fait(jeu_.retablir(Retour::Action));
    if (c == "enregistrer") {
      if (!arite(m, 2)) return false;
      if (!partie_) return echec("aucune partie : commencer par nouvelle ou charger");
      // A position set up by hand that breaks a rule of play would make a
      // file that no load accepts.
      if (const std::string faute = incoherence(jeu_.position()); !faute.empty())
        return echec("position incohérente, non enregistrée : " + faute);
      if (!jeu_.enregistrerPartie(m[1])) return echec(cp1252::versUtf8(ecran_.statut));
      return true;
    }
    if (c == "charger") {
      if (!arite(m, 2)) return false;
      if (!jeu_.chargerPartie(m[1])) return echec(cp1252::versUtf8(ecran_.statut));
      partie_ = true;
      return true;
    }
    if (c == "conseil") {
      if (m.size() > 2) return echec("conseil attend au plus 1 argument");
      long long n = 5;
      if (m.size() == 2 && !nombre(m[1], 1, 50, n, "nombre de coups")) return false;
      if (!enJeu()) return false;
      ecran_.valider();
      const std::vector<Conseil> coups = jeu_.conseils(static_cast<std::size_t>(n));
      for (const Conseil& k : coups) {
        if (k.deplacement)
          ecran_.sortie() << "deplace " << k.xs << ' ' << k.ys << ' ' << k.x << ' ' << k.y;
        else
          ecran_.sortie() << "pose " << static_cast<char>(k.lettre) << ' ' << k.x << ' ' << k.y;
        ecran_.sortie() << " : " << k.points << '\n';
      }
      if (coups.empty()) ecran_.sortie() << "aucun coup\n";
      return true;
    }
    if (c == "plateau") {
      if (!arite(m, 1)) return false;
      ecran_.valider();
      afficherPlateau();
      return true;
    }
    return echec("commande inconnue : " + c);
  }

  void afficherPlateau() {
    jeu_.classer();
    ecran_.sortie() << cp1252::versUtf8(textePosition(jeu_.position()));
  }

  Jeu& jeu_;
  EcranTexte& ecran_;
  bool partie_ = false;
  std::string erreur_;
};

}  // namespace

bool executerScript(Jeu& jeu, EcranTexte& ecran, std::istream& entree) {
  jeu.horloge = [] { return int64_t{0}; };
  jeu.graine(0);
  Script script(jeu, ecran);
  return script.executer(entree);
}

}  // namespace irvad
