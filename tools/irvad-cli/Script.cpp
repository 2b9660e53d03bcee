#include "Script.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <sstream>


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

// Everything a command may change in the game, to put it back after a refusal.
// The random generator is left out: no refused command draws from it.
struct Instantane {
  Instantane(const Jeu& jeu, bool partie)
      : plateau(jeu.plateau),
        joueurs(jeu.joueurs),
        nbJoueurs(jeu.nbJoueurs),
        joueurCourant(jeu.joueurCourant),
        tour(jeu.tour),
        enCours(jeu.enCours),
        rang(jeu.rang),
        classement(jeu.classement),
        jetons(jeu.jetons),
        pointsJetons(jeu.pointsJetons),
        partie(partie) {}
  void remettre(Jeu& jeu, bool& enPartie) const {
    jeu.plateau = plateau;
    jeu.joueurs = joueurs;
    jeu.nbJoueurs = nbJoueurs;
    jeu.joueurCourant = joueurCourant;
    jeu.tour = tour;
    jeu.enCours = enCours;
    jeu.rang = rang;
    jeu.classement = classement;
    jeu.jetons = jetons;
    jeu.pointsJetons = pointsJetons;
    enPartie = partie;
  }
  Plateau plateau;
  std::array<joueur, nbJoueursMax> joueurs;
  uint32_t nbJoueurs, joueurCourant, tour;
  bool enCours;
  std::array<int32_t, 6> rang, classement, jetons, pointsJetons;
  bool partie;
};

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
      // A refused command leaves the game exactly as it found it, whatever
      // it had begun to change (the path-search marks of a move included).
      const Instantane avant(jeu_, partie_);
      const bool fait = commande(m);
      if (fait) {
        ecran_.valider();
      } else {
        avant.remettre(jeu_, partie_);
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
    if (!jeu_.plateau.valide(x, y)) return echec("(" + r + "," + c + ") n'est pas une case du plateau");
    return true;
  }

  bool lettre(const std::string& s, int32_t& l) {
    if (s.size() != 1 || !std::isalpha(static_cast<unsigned char>(s[0])))
      return echec("lettre A à Z attendue : " + s);
    l = std::toupper(static_cast<unsigned char>(s[0]));
    return true;
  }

  static std::string texteCase(int x, int y) { return "(" + std::to_string(x) + "," + std::to_string(y) + ")"; }

  // Why the current player may not take the letter l from its stock.
  std::string raisonLettre(int32_t l) const {
    const std::string lettre(1, static_cast<char>(l));
    const uint32_t p = jeu_.joueurCourant + 1;
    if (jeu_.courant().lettres[l - 64] < 1) return "le joueur " + std::to_string(p) + " n'a pas de " + lettre;
    if (l == 'Q' || l == 'Z') return "au tour 0, ni Q ni Z : " + lettre;
    return "au tour 0, " + lettre + " est déjà sur le sommet d'un joueur précédent";
  }

  // Why the current player may not put a letter on (x, y).
  std::string raisonCase(int x, int y) const {
    const joueur& j = jeu_.courant();
    if (jeu_.plateau.cases[x][y].proprietaire != 0) return "la case " + texteCase(x, y) + " est occupée";
    if (jeu_.tour == 0) return "au tour 0, la lettre se pose sur le sommet " + texteCase(j.sommetX, j.sommetY);
    return "la case " + texteCase(x, y) + " ne touche aucun jeton du joueur " +
           std::to_string(jeu_.joueurCourant + 1);
  }

  bool enJeu() {
    if (!partie_) return echec("aucune partie : commencer par nouvelle");
    if (!jeu_.enCours) return echec("la partie est finie");
    return true;
  }

  void recompter() {
    int32_t libres = 0;
    for (int x = 0; x < tailleGrille; ++x)
      for (int y = jeu_.plateau.ligneMin[x]; y <= jeu_.plateau.ligneMax[x]; ++y)
        libres += jeu_.plateau.cases[x][y].proprietaire == 0;
    jeu_.plateau.casesLibres = libres;
    jeu_.mettreAJourScores();
  }

  bool arite(const std::vector<std::string>& m, std::size_t n) {
    if (m.size() != n) return echec(m[0] + " attend " + std::to_string(n - 1) + " argument(s)");
    return true;
  }

  bool commande(const std::vector<std::string>& m) {
    const std::string& c = m[0];
    long long v;
    int x, y;
    int32_t l;
    if (c == "nouvelle") {
      if (!arite(m, 2)) return false;
      const auto e = entier(m[1]);
      if (!e || (*e != 2 && *e != 3 && *e != 6)) return echec("nombre de joueurs 2, 3 ou 6 attendu : " + m[1]);
      const auto n = static_cast<uint32_t>(*e);
      jeu_.nbJoueurs = n;
      for (uint32_t i = 0; i < nbJoueursMax; ++i) {
        joueur& j = jeu_.joueurs[i];
        const auto [sx, sy] = Jeu::sommetDe(i, n);
        j.placerSommet(sx, sy);
        j.reinitialiser("Joueur " + std::to_string(i + 1), false, true, 5);
      }
      jeu_.nouvellePartie();
      partie_ = true;
      ecran_.ajouterMessage(textes::ligneTour(0), false);
      ecran_.ajouterMessage(textes::ligneVide, false);
      ecran_.ajouterMessage(textes::ligneJoueur(0, jeu_.joueurs[0].nom), false);
      return true;
    }
    if (c == "graine") {
      if (!arite(m, 2) || !nombre(m[1], 0, 0xFFFFFFFFLL, v, "graine")) return false;
      jeu_.graine(static_cast<uint32_t>(v));
      return true;
    }
    if (c == "joueur") {
      if (m.size() < 3) return echec("joueur P automate TAILLE oui|non, joueur P humain ou joueur P nom NOM");
      if (!partie_) return echec("aucune partie : commencer par nouvelle");
      if (!nombre(m[1], 1, jeu_.nbJoueurs, v, "joueur")) return false;
      joueur& j = jeu_.joueurs[v - 1];
      if (m[2] == "humain") {
        if (!arite(m, 3)) return false;
        j.automate = false;
      } else if (m[2] == "automate") {
        long long t;
        if (!arite(m, 5) || !nombre(m[3], 5, 9, t, "taille")) return false;
        const auto d = ouiNon(m[4]);
        if (!d) return echec("déplacements oui ou non attendu : " + m[4]);
        j.automate = true;
        j.tailleMax = static_cast<int32_t>(t);
        j.deplacements = *d;
      } else if (m[2] == "nom") {
        if (!arite(m, 4)) return false;
        const std::string nom = cp1252::depuisUtf8(m[3]);
        if (nom.size() > 8) return echec("un nom a au plus 8 caractères : " + m[3]);
        j.nom = nom;
      } else {
        return echec("humain, automate ou nom attendu : " + m[2]);
      }
      jeu_.mettreAJourScores();
      return true;
    }
    if (c == "case") {
      if (!arite(m, 6) || !partie_) return partie_ ? false : echec("aucune partie : commencer par nouvelle");
      if (!caseValide(m[1], m[2], x, y)) return false;
      long long valeur, p;
      if (!nombre(m[4], 0, 1000000, valeur, "valeur") || !nombre(m[5], 0, jeu_.nbJoueurs, p, "joueur"))
        return false;
      cellule& k = jeu_.caseEn(x, y);
      if (m[3] == ".") {
        k.lettre = k.valeur = k.proprietaire = 0;
      } else {
        if (!lettre(m[3], l)) return false;
        if (p == 0) return echec("un jeton appartient à un joueur de 1 à " + std::to_string(jeu_.nbJoueurs));
        k.lettre = l;
        k.valeur = static_cast<int32_t>(valeur);
        k.proprietaire = static_cast<int32_t>(p);
      }
      recompter();
      return true;
    }
    if (c == "stock") {
      if (!arite(m, 4) || !partie_) return partie_ ? false : echec("aucune partie : commencer par nouvelle");
      long long p, n;
      if (!nombre(m[1], 1, jeu_.nbJoueurs, p, "joueur") || !lettre(m[2], l) || !nombre(m[3], 0, 1000, n, "nombre"))
        return false;
      joueur& j = jeu_.joueurs[p - 1];
      j.lettres[0] += static_cast<int32_t>(n) - j.lettres[l - 64];
      j.lettres[l - 64] = static_cast<int32_t>(n);
      return true;
    }
    if (c == "courant") {
      if (!arite(m, 2) || !partie_) return partie_ ? false : echec("aucune partie : commencer par nouvelle");
      if (!nombre(m[1], 1, jeu_.nbJoueurs, v, "joueur")) return false;
      jeu_.joueurCourant = static_cast<uint32_t>(v - 1);
      return true;
    }
    if (c == "tour") {
      if (!arite(m, 2) || !partie_) return partie_ ? false : echec("aucune partie : commencer par nouvelle");
      if (!nombre(m[1], 0, 1000000, v, "tour")) return false;
      jeu_.tour = static_cast<uint32_t>(v);
      return true;
    }
    if (c == "poser") {
      if (!arite(m, 4) || !enJeu() || !lettre(m[1], l) || !caseValide(m[2], m[3], x, y)) return false;
      if (!jeu_.lettrePrenable(l)) return echec(raisonLettre(l));
      if (!jeu_.destinationPermise(x, y)) return echec(raisonCase(x, y));
      jeu_.prendreLettre(jeu_.courant(), l);
      jeu_.poserLettre(x, y, l);
      if (jeu_.tour != 0 && !jeu_.evaluerCoup(x, y)) {
        jeu_.retirerLettre(x, y);
        jeu_.rendreLettre(jeu_.courant(), l);
        return echec("aucun mot formé");
      }
      jeu_.finDeTour();
      return true;
    }
    if (c == "deplacer") {
      int xd, yd;
      if (!arite(m, 5) || !enJeu() || !caseValide(m[1], m[2], x, y) || !caseValide(m[3], m[4], xd, yd))
        return false;
      const cellule& s = jeu_.caseEn(x, y);
      if (s.proprietaire != static_cast<int32_t>(jeu_.joueurCourant) + 1 || s.valeur < 1)
        return echec("pas de jeton déplaçable du joueur en (" + m[1] + "," + m[2] + ")");
      if (!jeu_.deplacable(x, y)) return echec("le jeton est bloqué");
      if (jeu_.caseEn(xd, yd).proprietaire != 0) return echec("la case d'arrivée est occupée");
      jeu_.initDistances(xd, yd);
      const int32_t d = jeu_.distanceVers(x, y);
      jeu_.plateau.distancesValides = false;
      if (d == 0) return echec("aucun chemin libre");
      if (d > s.valeur) return echec("chemin de " + std::to_string(d) + " cases, plus long que la valeur du jeton");
      if (!jeu_.essaiDeplacement(x, y, xd, yd)) return echec("aucun mot formé");
      jeu_.deplacerLettre(x, y, xd, yd, d);
      jeu_.evaluerCoup(xd, yd);
      jeu_.finDeTour();
      return true;
    }
    if (c == "recolter") {
      if (!arite(m, 3) || !enJeu() || !caseValide(m[1], m[2], x, y)) return false;
      if (!jeu_.recoltable(x, y)) return echec("aucun jeton mûr du joueur en (" + m[1] + "," + m[2] + ")");
      jeu_.recolter(x, y);
      return true;
    }
    if (c == "passer") {
      if (!arite(m, 1) || !enJeu()) return false;
      if (jeu_.tour == 0) return echec("on ne passe pas au tour 0");
      jeu_.plateau.nbPasses += 1;
      jeu_.finDeTour();
      return true;
    }
    if (c == "automate") {
      if (!arite(m, 1) || !enJeu()) return false;
      jeu_.jouerAutomate();
      jeu_.finDeTour();
      return true;
    }
    if (c == "enregistrer") {
      if (!arite(m, 2)) return false;
      if (!partie_) return echec("aucune partie : commencer par nouvelle ou charger");
      if (!jeu_.enregistrerPartie(m[1])) return echec(cp1252::versUtf8(ecran_.statut));
      return true;
    }
    if (c == "charger") {
      if (!arite(m, 2)) return false;
      if (!jeu_.chargerPartie(m[1])) return echec(cp1252::versUtf8(ecran_.statut));
      partie_ = true;
      jeu_.mettreAJourScores();
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
    const Plateau& p = jeu_.plateau;
    // Cell (x, y) sits at column 6y - 3x + 15: the rows lean like the hexagon.
    for (int x = 0; x < tailleGrille; ++x) {
      std::string ligne = (x < 10 ? " " : "") + std::to_string(x) + " ";
      int colonne = 0;
      for (int y = p.ligneMin[x]; y <= p.ligneMax[x]; ++y) {
        const int position = 6 * y - 3 * x + 15;
        ligne.append(static_cast<std::size_t>(position - colonne), ' ');
        const cellule& k = p.cases[x][y];
        std::string texte = k.proprietaire == 0 ? "  .  "
                                                : std::string(1, static_cast<char>(k.lettre)) +
                                                      std::to_string(k.valeur) + ":" + std::to_string(k.proprietaire);
        if (texte.size() < 6) texte.append(6 - texte.size(), ' ');
        ligne += texte;
        colonne = position + static_cast<int>(texte.size());
      }
      while (!ligne.empty() && ligne.back() == ' ') ligne.pop_back();
      ecran_.sortie() << ligne << '\n';
    }
    jeu_.classer();
    for (uint32_t i = 0; i < jeu_.nbJoueurs; ++i) {
      const joueur& j = jeu_.joueurs[i];
      std::string stock;
      for (int k = 1; k <= 26; ++k) stock.append(static_cast<std::size_t>(std::max(0, j.lettres[k])), static_cast<char>(k + 64));
      ecran_.sortie() << "Joueur " << i + 1 << " " << textes::couleurs[i] << " " << cp1252::versUtf8(j.nom)
                << (j.automate ? " (automate)" : "") << " : score " << j.score << ", jetons " << jeu_.jetons[i]
                << ", valeurs " << jeu_.pointsJetons[i] << ", stock " << j.lettres[0] << " " << stock << '\n';
    }
    ecran_.sortie() << cp1252::versUtf8(textes::ligneTour(jeu_.tour)) << ", cases libres " << p.casesLibres << ", passes "
              << p.nbPasses << ", "
              << (jeu_.enCours ? "au joueur " + std::to_string(jeu_.joueurCourant + 1) : std::string("partie finie"))
              << '\n';
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
