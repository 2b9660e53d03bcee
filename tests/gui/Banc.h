#pragma once
// What the window tests share: the screen that records the engine's calls
// and hands them to the windows, and a board window over one game driven by
// real key and mouse events.
#include <QFileDialog>
#include <QString>
#include <QTemporaryDir>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "EcranEnregistreur.h"
#include "Jeu.h"
#include "Parametres.h"
#include "TfrmPlateau.h"

namespace irvad {
class TfrmMessages;
class TfrmScores;
}  // namespace irvad

namespace irvad::test {

// Records every call, as the engine tests' screen does, and hands it to the
// windows that are set, as the program's own screen does.
class EcranRelais : public EcranEnregistreur {
 public:
  TfrmPlateau* plateau = nullptr;
  TfrmMessages* journal = nullptr;
  TfrmScores* scores = nullptr;
  // Run at each wait of the log (a word found), before the messages window
  // holds the game: what a player could do during that wait.
  std::function<void()> pendantAttente;

  void dessinerPlateau() override;
  void dessinerCellule(int r, int c, Couleur texte) override;
  void dessinerReserve(const joueur& j) override;
  void texteStatut(const std::string& texte) override;
  void curseurStandard() override;
  void ajouterMessage(const std::string& texte, bool effacer) override;
  void ajouterMessageEtAttendre(const std::string& texte, bool effacer) override;
  void retirerMessages(int32_t n) override;
  void retirerDerniersMessages(int32_t n) override;
  void viderMessages() override;
  void mettreAJourScores() override;
  void activerPasserSonTour(bool actif) override;
  void activerContinuer(bool actif) override;
  void demarrerTour() override;
  void coupCompte() override;
};

// The words the benches' games are played with.
extern const std::vector<std::string> motsDuBanc;

// One board window over one game of two players (Ana and Bob, both human
// unless changed), with its settings in a folder of its own, a fixed clock,
// and the other windows replaced by records of what was asked of them.
struct Banc {
  QTemporaryDir dossier;
  EcranRelais ecran;
  Jeu jeu{ecran};
  std::unique_ptr<Parametres> parametres;
  std::unique_ptr<TfrmPlateau> fenetre;
  // What the set-up dialog answers before a new game; empty: cancelled.
  std::optional<Tablee> tablee;
  int dialoguesJoueurs = 0;
  std::vector<QFileDialog*> dialoguesFichier;
  QString choix;  // what the file dialogs answer
  std::vector<QString> messagesCharges, messagesSauves;

  explicit Banc(bool montrer = true);
  ~Banc();

  // The seats of the next new game: a name each, '*' in front for the computer.
  void sieges(const std::vector<std::string>& noms);
  void montrer();
  std::string chemin(const char* nom) const;
  QString statut() const { return fenetre->statut(); }
  const Position& position() const { return jeu.position(); }
  int32_t stock(uint32_t p, char l) const { return position().joueurs[p].lettres[static_cast<std::size_t>(l - 64)]; }

  void touche(Qt::Key k, Qt::KeyboardModifiers m = Qt::NoModifier);
  // The pointer moved to a point of the board surface, and a button pressed
  // and released there.
  void survoler(QPoint p);
  void cliquer(Qt::MouseButton bouton = Qt::LeftButton);
  // A stock letter or a cell hovered, then clicked.
  void prendre(char lettre, Qt::MouseButton bouton = Qt::LeftButton);
  void poser(int r, int c, Qt::MouseButton bouton = Qt::LeftButton);
  // The opening round of two human players: E on (0, 0), A on (10, 10).
  void ouverture();

  // The game's position changed by hand (a copy edited, then installed);
  // its turn starts unless told otherwise.
  void installer(const std::function<void(Position&)>& changer, bool commencer = true);

  // The log lines that name the player on turn ("BLEU: Ana"...), in order.
  std::vector<std::string> lignesJoueurs() const;

 private:
  QPoint pointeur_;
};

}  // namespace irvad::test
