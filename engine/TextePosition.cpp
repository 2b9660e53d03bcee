#include "TextePosition.h"

#include <algorithm>

#include "Textes.h"

namespace irvad {

std::string textePosition(const Position& pos) {
  const Plateau& p = pos.plateau;
  std::string texte;
  // Cell (x, y) sits at column 6y - 3x + 15: the rows lean like the hexagon.
  // A value of four digits or more pushes the rest of its row to the right.
  for (int x = 0; x < tailleGrille; ++x) {
    std::string ligne = (x < 10 ? " " : "") + std::to_string(x) + " ";
    int colonne = 0;
    for (int y = p.ligneMin[x]; y <= p.ligneMax[x]; ++y) {
      const int position = 6 * y - 3 * x + 15;
      ligne.append(static_cast<std::size_t>(position >= colonne ? position - colonne : 1), ' ');
      const cellule& k = p.cases[x][y];
      std::string c = k.proprietaire == 0 ? "  .  "
                                          : std::string(1, static_cast<char>(k.lettre)) + std::to_string(k.valeur) +
                                                ":" + std::to_string(k.proprietaire);
      if (c.size() < 6) c.append(6 - c.size(), ' ');
      ligne += c;
      colonne = static_cast<int>(ligne.size()) - 3;
    }
    while (!ligne.empty() && ligne.back() == ' ') ligne.pop_back();
    texte += ligne + '\n';
  }
  for (uint32_t i = 0; i < pos.nbJoueurs && i < nbJoueursMax; ++i) {
    const joueur& j = pos.joueurs[i];
    std::string stock;
    for (int k = 1; k <= 26; ++k) stock.append(static_cast<std::size_t>(std::max(0, j.lettres[k])), static_cast<char>(k + 64));
    const char* siege = !j.automate ? "" : j.niveau == Niveau::Expert ? " (automate expert)" : " (automate)";
    texte += "Joueur " + std::to_string(i + 1) + " " + textes::couleurs[i] + " " + j.nom + siege + " : score " +
             std::to_string(j.score) + ", jetons " +
             std::to_string(pos.jetons[i]) + ", valeurs " + std::to_string(pos.pointsJetons[i]) + ", stock " +
             std::to_string(j.lettres[0]) + " " + stock + '\n';
  }
  texte += textes::ligneTour(pos.tour) + ", cases libres " + std::to_string(p.casesLibres) + ", passes " +
           std::to_string(p.nbPasses) + ", " +
           (pos.enCours ? "au joueur " + std::to_string(pos.joueurCourant + 1) : std::string("partie finie")) + '\n';
  return texte;
}

}  // namespace irvad
