#pragma once
// What the window tests share: the screen that records the engine's calls
// and hands them to the windows, and a board window over one game driven by
// real key and mouse events.
#include <QFileDialog>
#include <QTemporaryDir>
#include <functional>
#include <memory>

#include "EcranEnregistreur.h"
#include "Jeu.h"
#include "Parametres.h"
#include "TfrmMessages.h"
#include "TfrmPlateau.h"
#include "TfrmScores.h"

namespace irvad::test {

// A file's bytes (empty when it cannot be read); a file written whole.
QByteArray lire(const QString& chemin);
void ecrire(const QString& chemin, const QByteArray& octets);

// Colours as the board's image holds them; a light colour of the board's
// palette; a point inside a hexagon, off its letter.
inline QRgb rgb(const QColor& c) { return c.rgb() & 0xFFFFFF; }
inline QRgb px(const QImage& i, QPoint p) { return i.pixel(p) & 0xFFFFFF; }
inline QColor claire(int k) { return TfrmPlateau::couleursClaires[static_cast<std::size_t>(k)]; }
inline const QPoint bord(-8, 16);

// Each call recorded, then shown where the program's own screen shows it.
#define IRVAD_RELAIS(fenetre, appel, ...) \
  EcranEnregistreur::appel(__VA_ARGS__);   \
  if (fenetre) fenetre->appel(__VA_ARGS__)

// Records every call as the engine tests' screen does, and hands it to the
// windows that are set.
class EcranRelais : public EcranEnregistreur {
 public:
  TfrmPlateau* plateau = nullptr;
  TfrmMessages* journal = nullptr;
  TfrmScores* scores = nullptr;
  // Run at each wait of the log (a word found), before the messages window
  // holds the game: what a player could do during that wait.
  std::function<void()> pendantAttente;

  void dessinerPlateau() override { IRVAD_RELAIS(plateau, dessinerPlateau); }
  void dessinerCellule(int r, int c, Couleur t) override { IRVAD_RELAIS(plateau, dessinerCellule, r, c, t); }
  void dessinerReserve(const joueur& j) override { IRVAD_RELAIS(plateau, dessinerReserve, j); }
  void texteStatut(const std::string& t) override { IRVAD_RELAIS(plateau, texteStatut, t); }
  void curseurStandard() override { IRVAD_RELAIS(plateau, curseurStandard); }
  void activerPasserSonTour(bool a) override { IRVAD_RELAIS(plateau, activerPasserSonTour, a); }
  void activerContinuer(bool a) override { IRVAD_RELAIS(plateau, activerContinuer, a); }
  void demarrerTour() override { IRVAD_RELAIS(plateau, demarrerTour); }
  void ajouterMessage(const std::string& t, bool e) override { IRVAD_RELAIS(journal, ajouterMessage, t, e); }
  void retirerMessages(int32_t n) override { IRVAD_RELAIS(journal, retirerMessages, n); }
  void viderMessages() override { IRVAD_RELAIS(journal, viderMessages); }
  void retirerDerniersMessages(int32_t n) override { IRVAD_RELAIS(journal, retirerDerniersMessages, n); }
  void mettreAJourScores() override { IRVAD_RELAIS(scores, mettreAJourScores); }
  void coupCompte() override { IRVAD_RELAIS(plateau, coupCompte); }
  void ajouterMessageEtAttendre(const std::string& t, bool e) override;
};
#undef IRVAD_RELAIS

// One board window over one game of two players (Ana and Bob, both human
// unless changed), with its settings in a folder of its own, a fixed clock,
// a small word list, and the other windows replaced by records of what was
// asked of them.
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

  // With `precedent`, the next start of the program: its settings files are read.
  explicit Banc(bool montrer = true, const Banc* precedent = nullptr);
  ~Banc();

  // The seats of the next new game: a name each, '*' in front for the computer.
  void sieges(const std::vector<std::string>& noms);
  void montrer();  // shown and active, as it must be for its shortcuts
  std::string chemin(const char* nom) const { return dossier.filePath(nom).toStdString(); }
  QString statut() const { return fenetre->statut(); }
  const Position& position() const { return jeu.position(); }
  int32_t stock(uint32_t p, char l) const { return position().joueurs[p].lettres[static_cast<std::size_t>(l - 64)]; }
  void touche(Qt::Key k, Qt::KeyboardModifiers m = Qt::NoModifier);

  // The pointer moved over a point of the board surface; a click there; a stock letter or cell hovered and clicked.
  void survoler(QPoint p);
  void cliquer(Qt::MouseButton bouton = Qt::LeftButton);
  void prendre(char lettre, Qt::MouseButton bouton = Qt::LeftButton);
  void poser(int r, int c, Qt::MouseButton bouton = Qt::LeftButton);
  // The opening round of two human players: E on (0, 0), A on (10, 10).
  void ouverture();

  // The position changed by hand (a copy edited, then installed), its turn started unless told otherwise.
  void installer(const std::function<void(Position&)>& changer, bool commencer = true);
  // The log lines that name the player on turn ("BLEU: Ana"...), in order.
  std::vector<std::string> lignesJoueurs() const;

 private:
  QPoint pointeur_;
};

}  // namespace irvad::test
