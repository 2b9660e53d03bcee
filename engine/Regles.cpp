// The rule book: where a letter may go, how the words a play forms are found
// along the three axes of the board and scored, and harvesting.
#include <algorithm>
#include <array>
#include <string>

#include "Jeu.h"
#include "Textes.h"

namespace irvad {

namespace {

constexpr int longueurMaxMot = 9;

bool estLettre(int32_t lettre) { return lettre >= 'A' && lettre <= 'Z'; }

// The letter on (x, y), or 0 when the cell is off the board, empty, or holds
// anything that is not a capital letter (a damaged saved game): such a cell
// ends a run like an empty one, so no word is ever read through it.
int32_t lettreEn(const Plateau& p, int x, int y) {
  if (!p.valide(x, y)) return 0;
  const int32_t l = p.cases[x][y].lettre;
  return estLettre(l) ? l : 0;
}

}  // namespace

bool Jeu::lettreSurSommetPrecedent(int32_t lettre) const {
  const uint32_t n = std::min<uint32_t>(joueurCourant, nbJoueursMax);
  for (uint32_t i = 0; i < n; ++i) {
    const joueur& j = joueurs[i];
    if (plateau.valide(j.sommetX, j.sommetY) && plateau.cases[j.sommetX][j.sommetY].lettre == lettre)
      return true;
  }
  return false;
}

void Jeu::poserLettre(int x, int y, int32_t lettre) {
  // Never over another token: the count of free cells and that token would be lost.
  if (!plateau.valide(x, y) || plateau.cases[x][y].proprietaire != 0) return;
  cellule& c = plateau.cases[x][y];
  c.lettre = lettre;
  c.valeur = 0;
  c.proprietaire = static_cast<int32_t>(joueurCourant) + 1;
  plateau.casesLibres -= 1;
  ecran.dessinerCellule(x, y, 0);
  journal(textes::lignePose(static_cast<char>(lettre), x, y));
}

void Jeu::retirerLettre(int x, int y) {
  if (!plateau.valide(x, y)) return;
  cellule& c = plateau.cases[x][y];
  const bool occupee = c.proprietaire != 0;
  c.lettre = 0;
  c.valeur = 0;
  c.proprietaire = 0;
  if (occupee) plateau.casesLibres += 1;
  ecran.dessinerCellule(x, y, 0);
  // Takes away the header, then the placement line; the separator stays last.
  retirerDuJournal(2);
}

void Jeu::prendreLettre(joueur& j, int32_t lettre) {
  if (!estLettre(lettre)) return;
  j.lettres[lettre - 64] -= 1;
  j.lettres[0] -= 1;
  ecran.dessinerReserve(j);
}

void Jeu::rendreLettre(joueur& j, int32_t lettre) {
  if (!estLettre(lettre)) return;
  j.lettres[lettre - 64] += 1;
  j.lettres[0] += 1;
  ecran.dessinerReserve(j);
}

bool Jeu::recoltable(int x, int y) const {
  if (!plateau.valide(x, y)) return false;
  const cellule& c = plateau.cases[x][y];
  return c.proprietaire == static_cast<int32_t>(joueurCourant) + 1 && estLettre(c.lettre) &&
         c.valeur >= plateau.poidsDe(c.lettre);
}

void Jeu::recolterJeton(int x, int y) {
  if (!recoltable(x, y) || joueurCourant >= nbJoueursMax) return;
  cellule& c = plateau.cases[x][y];
  const int32_t l = c.lettre - 64;
  joueur& j = joueurs[joueurCourant];
  j.lettres[l] += 1;
  j.lettres[0] += 1;
  c.valeur -= plateau.poids[l];
  ecran.curseurStandard();
  ecran.texteStatut("");
  ecran.dessinerCellule(x, y, 0);
  ecran.dessinerReserve(j);
  journal(textes::ligneGain(static_cast<char>(c.lettre), x, y));
  mettreAJourScores();
}

void Jeu::ajouterPoints(joueur& j, int32_t n) {
  j.score += n;
  if (n != 0) mettreAJourScores();
}

bool Jeu::evaluerCoup(int x, int y) {
  const bool essai = plateau.essai;
  ecran.definirLegende(textes::legende);
  if (essai) {
    plateau.essaiPplus = 0;
    plateau.essaiPmoins = 0;
    plateau.essaiLmoins = 0;
    plateau.essaiBonus = 0;
  } else {
    journal(textes::enteteMots);
    journal(textes::filet);
  }
  // The played cell must hold a real token of a real player; anything else
  // (a damaged board) forms no word.
  if (lettreEn(plateau, x, y) == 0) return false;
  const int32_t J = plateau.cases[x][y].proprietaire;
  if (J < 1 || J > nbJoueursMax) return false;

  // The longest word looked for: the player's search length in a trial, never
  // more than the word buffers and the list hold.
  int L = longueurMaxMot;
  if (essai) L = std::min<int>(joueurs[joueurCourant % nbJoueursMax].tailleMax, longueurMaxMot);

  int32_t totalPplus = 0, totalPmoins = 0, totalLmoins = 0, nbMots = 0;
  bool trouve = false;
  std::string plusLong;

  for (int a = 0; a < 3; ++a) {
    const int ax = plateau.dx[a], ay = plateau.dy[a];
    std::array<int, longueurMaxMot> longueurs{};
    int kdeb = 0;
    while (kdeb - 1 >= 1 - L && lettreEn(plateau, x + (kdeb - 1) * ax, y + (kdeb - 1) * ay) != 0) --kdeb;
    int kfin = 0;
    while (kfin + 1 <= L - 1 && lettreEn(plateau, x + (kfin + 1) * ax, y + (kfin + 1) * ay) != 0) ++kfin;

    for (int s = kdeb; s <= std::min(kfin - 1, 0); ++s) {
      ecran.mettreAJourTemps();
      int lmin = std::max(2, 1 - s);
      for (int sp = kdeb; sp < s; ++sp) {
        const int l = longueurs[sp - kdeb];
        if (l != 0) lmin = std::max(lmin, sp + l - s + 1);
      }
      for (int n = std::min(L, kfin - s + 1); n >= lmin; --n) {
        char mot[longueurMaxMot + 1] = {};
        char envers[longueurMaxMot + 1] = {};
        for (int i = 0; i < n; ++i) {
          mot[i] = static_cast<char>(lettreEn(plateau, x + (s + i) * ax, y + (s + i) * ay));
          envers[n - 1 - i] = mot[i];
        }
        const char* lu = nullptr;
        if (dico.contient(mot, n))
          lu = mot;
        else if (dico.contient(envers, n))
          lu = envers;
        if (lu == nullptr) continue;

        longueurs[s - kdeb] = n;
        trouve = true;
        ++nbMots;
        int32_t wPplus = 0, wPmoins = 0, wLmoins = 0;
        for (int i = 0; i < n; ++i) {
          const int cx = x + (s + i) * ax, cy = y + (s + i) * ay;
          cellule& c = plateau.cases[cx][cy];
          if (!essai) ecran.dessinerCellule(cx, cy, s + i == 0 ? couleurArgent : couleurBlanc);
          if (c.valeur != 0) {
            const bool aMoi = c.proprietaire == J;
            if (!essai) {
              c.valeur += aMoi ? 1 : -1;
              ajouterPoints(joueurs[J - 1], 1);
            } else if (tour > 1) {
              plateau.essaiBonus += plateau.poidsDe(c.lettre);
            }
            if (aMoi)
              ++wPplus;
            else
              ++wPmoins;
          } else {
            ++wPplus;
            if (!essai) {
              if (c.proprietaire != J) ++wLmoins;
              c.proprietaire = J;
              c.valeur = 1;
              ajouterPoints(joueurs[J - 1], 1);
            } else if (tour > 1) {
              plateau.essaiBonus += plateau.poidsDe(c.lettre);
            }
          }
        }
        totalPplus += wPplus;
        totalPmoins += wPmoins;
        totalLmoins += wLmoins;
        if (!essai) {
          const std::string texte(lu, static_cast<std::size_t>(n));
          journalEtAttendre(textes::ligneMot(texte, wPplus + wPmoins, wPmoins, wLmoins));
          if (texte.size() > plusLong.size()) plusLong = texte;
          for (int i = 0; i < n; ++i) ecran.dessinerCellule(x + (s + i) * ax, y + (s + i) * ay, 0);
        }
        break;
      }
    }
  }

  if (essai) {
    plateau.essaiPplus = totalPplus;
    plateau.essaiPmoins = totalPmoins;
    plateau.essaiLmoins = totalLmoins;
  } else if (trouve) {
    journal(textes::ligneTotal(nbMots, totalPplus + totalPmoins, totalPmoins, totalLmoins));
    journal(textes::filet);
    ecran.mettreAJourRecords(joueurs[joueurCourant % nbJoueursMax].nom, plusLong, totalPplus + totalPmoins,
                             totalPmoins, totalLmoins);
  }
  return trouve;
}

}  // namespace irvad
