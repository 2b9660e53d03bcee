// The actions of the front ends: the set-up of the seats and of new games,
// and each step a player takes on its turn. Every action checks first, so a
// refused one leaves the game exactly as it found it.
#include <algorithm>

#include "Jeu.h"
#include "Textes.h"

namespace irvad {

namespace {
bool estLettre(int32_t lettre) { return lettre >= 'A' && lettre <= 'Z'; }
constexpr std::size_t longueurNom = 8;
}  // namespace

Verdict Jeu::enJeu() const {
  if (enCours) return {};
  return partieVue_ ? refus::partieFinie() : refus::pasDePartie();
}

// ---------------------------------------------------------------- setting up

Verdict Jeu::reglerJoueurs(const Tablee& tablee) {
  const uint32_t nombre = tablee.nombre;
  const std::vector<Siege>& sieges = tablee.sieges;
  if (nombre != 2 && nombre != 3 && nombre != 6) return refus::nombreDeJoueurs(nombre);
  if (enCours && nombre != nbJoueurs) return refus::nombreFixe(nbJoueurs);
  const std::size_t n = std::min<std::size_t>(sieges.size(), nbJoueursMax);
  for (std::size_t i = 0; i < n; ++i) {
    if (sieges[i].nom.size() > longueurNom) return refus::nomTropLong(sieges[i].nom);
    // The searches read words of up to tailleMax letters into 9-letter buffers.
    if (sieges[i].tailleMax < 2 || sieges[i].tailleMax > 9)
      return refus::positionInvalide("taille " + std::to_string(sieges[i].tailleMax));
  }
  nbJoueurs = nombre;
  for (std::size_t i = 0; i < n; ++i) {
    joueur& j = joueurs[i];
    j.nom = sieges[i].nom;
    j.automate = sieges[i].automate;
    j.deplacements = sieges[i].deplacements;
    j.tailleMax = sieges[i].tailleMax;
    j.niveau = sieges[i].niveau;
  }
  placerSommets();
  // The scores window shows the new names at once; before any game it has
  // nothing to show yet.
  if (partieVue_)
    mettreAJourScores();
  else
    classer();
  return {};
}

Tablee Jeu::tablee() const {
  Tablee t{nbJoueurs, {}};
  for (const joueur& j : joueurs) t.sieges.push_back({j.nom, j.automate, j.deplacements, j.tailleMax, j.niveau});
  return t;
}

Verdict Jeu::nouvellePartie(const Tablee& tablee) {
  // The game in progress, if any, ends here: its number of players may change.
  const bool avant = enCours;
  enCours = false;
  const Verdict v = reglerJoueurs(tablee);
  enCours = avant;
  if (!v) return v;
  return nouvellePartie();
}

// Each seat in play at its vertex, whatever seats the set-up named: a seat
// left at another's vertex would open on an occupied cell.
void Jeu::placerSommets() {
  for (uint32_t i = 0; i < nbJoueurs && i < nbJoueursMax; ++i) {
    const auto [x, y] = sommetDe(i, nbJoueurs);
    joueurs[i].placerSommet(x, y);
  }
}

Verdict Jeu::nouvellePartie() {
  plateau.viderPlateau();
  placerSommets();
  for (auto& j : joueurs) j.reinitialiser(j.nom, j.automate, j.deplacements, j.tailleMax);
  joueurCourant = 0;
  tour = 0;
  enCours = true;
  lettreEnMain = 0;
  partieVue_ = true;
  ecran.dessinerPlateau();
  ecran.dessinerReserve(courant());
  mettreAJourScores();
  debuterPartie();
  return {};
}

void Jeu::debuterPartie() {
  ecran.activerPasserSonTour(!courant().automate);
  journal(textes::ligneTour(0));
  journal(textes::ligneVide);
  journal(textes::ligneJoueur(0, joueurs[0].nom));
  nouvelHistorique();
  demarrerChrono();
  ecran.demarrerTour();
}

Verdict Jeu::installer(const Position& p) {
  if (const std::string quoi = p.horsBornes(); !quoi.empty()) return refus::positionInvalide(quoi);
  static_cast<Position&>(*this) = p;
  int32_t libres = 0;
  for (int x = 0; x < tailleGrille; ++x)
    for (int y = plateau.ligneMin[x]; y <= plateau.ligneMax[x]; ++y) libres += plateau.cases[x][y].proprietaire == 0;
  plateau.casesLibres = libres;
  partieVue_ = true;
  ecran.dessinerPlateau();
  ecran.dessinerReserve(courant());
  mettreAJourScores();
  nouvelHistorique();
  return {};
}

void Jeu::apresChargement() {
  lettreEnMain = 0;
  partieVue_ = true;
  // The loaded game waits for "Continuer"; the time of the game before is
  // not counted in this one.
  plateau.chronoActif = false;
  plateau.chronoDebut = 0;
  ecran.texteStatut(textes::chargementTermine);
  ecran.activerContinuer(true);
  ecran.activerPasserSonTour(!courant().automate);
  ecran.dessinerPlateau();
  ecran.dessinerReserve(courant());
  mettreAJourScores();
  nouvelHistorique();
}

// ---------------------------------------------------------------- what the rules allow

Verdict Jeu::peutPrendre(int32_t lettre) const {
  if (Verdict v = enJeu(); !v) return v;
  if (!estLettre(lettre) || courant().lettres[lettre - 64] < 1) return refus::lettreAbsente(joueurCourant, lettre);
  if (tour == 0 && (lettre == 'Q' || lettre == 'Z')) return refus::ouvertureQZ(lettre);
  if (tour == 0 && lettreSurSommetPrecedent(lettre)) return refus::sommetPris(lettre);
  return {};
}

Verdict Jeu::peutPoser(int x, int y) const {
  if (Verdict v = enJeu(); !v) return v;
  if (!plateau.valide(x, y)) return refus::horsPlateau(x, y);
  if (plateau.cases[x][y].proprietaire != 0) return refus::caseOccupee(x, y);
  const joueur& j = courant();
  if (tour == 0) {
    if (x != j.sommetX || y != j.sommetY) return refus::sommetObligatoire(j.sommetX, j.sommetY);
    return {};
  }
  const int32_t moi = static_cast<int32_t>(joueurCourant) + 1;
  for (int d = 0; d < 6; ++d) {
    const int nx = x + plateau.dx[d], ny = y + plateau.dy[d];
    if (plateau.valide(nx, ny) && plateau.cases[nx][ny].proprietaire == moi) return {};
  }
  return refus::caseIsolee(x, y, joueurCourant);
}

Verdict Jeu::peutPasser() const {
  if (Verdict v = enJeu(); !v) return v;
  if (tour == 0) return refus::passeAuTour0();
  return {};
}

bool Jeu::lettrePrenable(int32_t lettre) const {
  return estLettre(lettre) && joueurCourant < nbJoueursMax && static_cast<bool>(peutPrendre(lettre));
}

bool Jeu::destinationPermise(int x, int y) const {
  return joueurCourant < nbJoueursMax && static_cast<bool>(peutPoser(x, y));
}

int32_t Jeu::longueurChemin(int xs, int ys, int xd, int yd) {
  initDistances(xd, yd);
  const int32_t d = distanceVers(xs, ys);
  plateau.distancesValides = false;
  return d;
}

Verdict Jeu::cheminLibre(int xs, int ys, int xd, int yd) {
  if (plateau.distancesValides) return refus::occupe();
  if (!plateau.valide(xs, ys)) return refus::horsPlateau(xs, ys);
  if (!plateau.valide(xd, yd)) return refus::horsPlateau(xd, yd);
  const int32_t d = longueurChemin(xs, ys, xd, yd);
  if (d == 0) return refus::aucunChemin();
  if (plateau.cases[xs][ys].valeur < d) return refus::cheminTropLong(d);
  return {};
}

// ---------------------------------------------------------------- the player's actions

Verdict Jeu::prendre(int32_t lettre) {
  if (Verdict v = enJeu(); !v) return v;
  if (lettreEnMain != 0) return refus::lettreEnMain();
  if (Verdict v = peutPrendre(lettre); !v) return v;
  prendreLettre(courant(), lettre);
  lettreEnMain = lettre;
  return {};
}

Verdict Jeu::rendre() {
  if (lettreEnMain == 0) return refus::rienEnMain();
  const int32_t l = lettreEnMain;
  lettreEnMain = 0;
  rendreLettre(courant(), l);
  return {};
}

Verdict Jeu::poser(int x, int y) {
  if (Verdict v = enJeu(); !v) return v;
  if (lettreEnMain == 0) return refus::rienEnMain();
  if (Verdict v = peutPoser(x, y); !v) return v;
  const int32_t l = lettreEnMain;
  poserLettre(x, y, l);
  // A placement that forms no word is taken back; the letter stays in hand.
  if (tour != 0 && !evaluerCoup(x, y)) {
    retirerLettre(x, y);
    return refus::aucunMot();
  }
  lettreEnMain = 0;
  ecran.coupCompte();
  finDeTour();
  return {};
}

Verdict Jeu::deplacer(int xs, int ys, int xd, int yd) {
  if (Verdict v = enJeu(); !v) return v;
  if (lettreEnMain != 0) return refus::lettreEnMain();
  if (!plateau.valide(xs, ys)) return refus::horsPlateau(xs, ys);
  if (!plateau.valide(xd, yd)) return refus::horsPlateau(xd, yd);
  const cellule& source = plateau.cases[xs][ys];
  if (source.proprietaire != static_cast<int32_t>(joueurCourant) + 1 || source.valeur < 1)
    return refus::pasDeJeton(xs, ys);
  if (!deplacable(xs, ys)) return refus::jetonBloque();
  if (plateau.cases[xd][yd].proprietaire != 0) return refus::arriveeOccupee();
  if (plateau.distancesValides) return refus::occupe();
  // A refused move leaves no trace, the path search's marks included.
  const Plateau avant = plateau;
  const int32_t d = longueurChemin(xs, ys, xd, yd);
  Verdict essai;
  if (d == 0)
    essai = refus::aucunChemin();
  else if (d > source.valeur)
    essai = refus::cheminTropLong(d);
  else if (!essaiDeplacement(xs, ys, xd, yd))
    essai = refus::aucunMot();
  if (!essai) {
    plateau = avant;
    return essai;
  }
  deplacerLettre(xs, ys, xd, yd, d);
  evaluerCoup(xd, yd);
  ecran.coupCompte();
  finDeTour();
  return {};
}

Verdict Jeu::recolter(int x, int y) {
  if (Verdict v = enJeu(); !v) return v;
  if (!recoltable(x, y)) return refus::pasDeJetonMur(x, y);
  recolterJeton(x, y);
  jalon(false);
  return {};
}

Verdict Jeu::passer() {
  if (Verdict v = peutPasser(); !v) return v;
  if (lettreEnMain != 0) rendre();
  plateau.nbPasses += 1;
  finDeTour();
  return {};
}

Verdict Jeu::tourAutomate() {
  if (Verdict v = enJeu(); !v) return v;
  if (lettreEnMain != 0) rendre();
  jouerAutomate();
  finDeTour();
  return {};
}

Verdict Jeu::continuer() {
  if (Verdict v = enJeu(); !v) return v;
  if (lettreEnMain != 0) rendre();
  demarrerChrono();
  ecran.demarrerTour();
  return {};
}

}  // namespace irvad
