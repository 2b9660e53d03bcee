// The board window: pixels of the drawing at their anchors, the hit-tests at
// their boundary pixels, the cursors, and the mouse play of a human turn.
#include <QLayout>
#include <QTest>

#include <string>

#include "DicoTest.h"
#include "EcranEnregistreur.h"
#include "Jeu.h"
#include "TfrmPlateau.h"

using namespace irvad;

namespace {

const QString textePlacer = QString::fromUtf8("Cliquez gauche sur la lettre à placer sur le plateau de jeu.");
const QString texteSommet =
    QString::fromUtf8("Vous devez placer une lettre au sommet du plateau correspondant à votre couleur.");
const QString texteDeplacer = QString::fromUtf8("Cliquez gauche sur la lettre à déplacer sur le plateau de jeu.");
const QString texteJeton = QString::fromUtf8(
    "Cliquez gauche sur la lettre à déplacer ou cliquez droit sur la lettre pour incrémenter son compte dans "
    "votre jeu (curseur +1).");
const QString texteDestination = QString::fromUtf8(
    "Cliquez gauche sur la case où vous souhaitez placer la lettre ou cliquez droit pour annuler (choisir une "
    "autre lettre).");

// The engine's screen, handing the board's own calls to the window.
class EcranTest : public test::EcranEnregistreur {
 public:
  TfrmPlateau* fenetre = nullptr;
  QImage pendantAttente;  // the board as shown during the last word's wait
  void dessinerPlateau() override { if (fenetre) fenetre->dessinerPlateau(); }
  void dessinerCellule(int r, int c, Couleur t) override {
    EcranEnregistreur::dessinerCellule(r, c, t);
    if (fenetre) fenetre->dessinerCellule(r, c, t);
  }
  void dessinerReserve(const joueur& j) override { if (fenetre) fenetre->dessinerReserve(j); }
  void texteStatut(const std::string& t) override { if (fenetre) fenetre->texteStatut(t); }
  void curseurStandard() override { if (fenetre) fenetre->curseurStandard(); }
  void demarrerTour() override { if (fenetre) fenetre->demarrerTour(); }
  void ajouterMessageEtAttendre(const std::string& t, bool e) override {
    EcranEnregistreur::ajouterMessageEtAttendre(t, e);
    if (fenetre && pendantAttente.isNull()) pendantAttente = fenetre->image().copy();
  }
};

// Two human players, a new game started.
struct Banc {
  EcranTest ecran;
  Jeu jeu{ecran};
  TfrmPlateau fenetre{jeu};
  Banc() {
    test::chargerMots(jeu.dico, {"ES", "SE", "AS", "SA"});
    ecran.fenetre = &fenetre;
    jeu.nbJoueurs = 2;
    for (uint32_t i = 0; i < 2; ++i) {
      const auto [x, y] = Jeu::sommetDe(i, 2);
      jeu.joueurs[i].placerSommet(x, y);
      jeu.joueurs[i].reinitialiser(i == 0 ? "Ana" : "Bob", false, true, 5);
    }
    jeu.nouvellePartie();
    jeu.demarrerChrono();
    fenetre.demarrerTour();
  }
  QRgb px(int x, int y) const { return fenetre.image().pixel(x, y) & 0xFFFFFF; }
  // Whether colour c shows anywhere in the box.
  bool montre(QRect boite, QColor c) const {
    for (int y = boite.top(); y <= boite.bottom(); ++y)
      for (int x = boite.left(); x <= boite.right(); ++x)
        if (px(x, y) == (c.rgb() & 0xFFFFFF)) return true;
    return false;
  }
  // The letter and number area of the hexagon at an anchor.
  static QRect texte(QPoint a) { return QRect(a.x() - 6, a.y() + 2, 30, 30); }
  void survol(QPoint a) { fenetre.FormMouseMove(a.x() + 5, a.y() + 5); }
  void prendre(char l, Qt::MouseButton b = Qt::LeftButton) {
    survol(TfrmPlateau::ancreReserve(l - 'A'));
    fenetre.FormMouseUp(b);
  }
  void poser(int r, int c) {
    survol(TfrmPlateau::ancreCellule(r, c));
    fenetre.FormMouseUp(Qt::LeftButton);
  }
  int32_t stock(int p, char l) const { return jeu.joueurs[p].lettres[l - 64]; }
};

QColor claire(int k) { return TfrmPlateau::couleursClaires[static_cast<std::size_t>(k)]; }
QColor foncee(int k) { return TfrmPlateau::couleursFoncees[static_cast<std::size_t>(k)]; }

}  // namespace

class TestPlateau : public QObject {
  Q_OBJECT

 private slots:
  void laFenetreALaSurfaceFixeEtLeFondGris() {
    Banc b;
    QCOMPARE(b.fenetre.surface->size(), QSize(640, 500));
    QCOMPARE(b.fenetre.centralWidget(), b.fenetre.surface);
    QCOMPARE(b.fenetre.layout()->sizeConstraint(), QLayout::SetFixedSize);
    QCOMPARE(b.fenetre.image().size(), QSize(640, 500));
    QCOMPARE(b.px(100, 300), QColor(128, 128, 128).rgb() & 0xFFFFFF);
    if (qEnvironmentVariableIsSet("IRVAD_IMAGE_PLATEAU")) {
      b.jeu.caseEn(5, 5) = cellule{0, 0, 'E', 3, 1};
      b.jeu.caseEn(5, 6) = cellule{0, 0, 'A', 5, 2};
      b.fenetre.dessinerPlateau();
      b.fenetre.image().save(qEnvironmentVariable("IRVAD_IMAGE_PLATEAU"));
    }
  }

  void lesCasesSontAuxAncresDansLaCouleurDuProprietaire() {
    Banc b;
    // Cell (0, 0): corners (316,54) (334,54) (344,70) (334,86) (316,86) (306,70).
    const QRgb argent = claire(0).rgb() & 0xFFFFFF, gris = 0x808080;
    QCOMPARE(b.px(316, 54), argent);
    QCOMPARE(b.px(334, 54), argent);
    QCOMPARE(b.px(344, 70), argent);
    QCOMPARE(b.px(306, 70), argent);
    QCOMPARE(b.px(316, 86), argent);
    QCOMPARE(b.px(305, 70), gris);
    QCOMPARE(b.px(316, 53), gris);
    QCOMPARE(b.px(316, 87), gris);
    // Every owner in its light colour, at the anchors the board gives.
    const std::pair<int, int> cases[] = {{5, 5}, {10, 10}, {5, 0}, {0, 5}, {10, 5}, {5, 10}};
    for (int k = 1; k <= 6; ++k) {
      const auto [r, c] = cases[k - 1];
      b.jeu.caseEn(r, c) = cellule{0, 0, 'B', 1, k};
      b.fenetre.dessinerCellule(r, c, 0);
      const QPoint a = TfrmPlateau::ancreCellule(r, c);
      QCOMPARE(b.px(a.x() - 9, a.y() + 16), claire(k).rgb() & 0xFFFFFF);
      QCOMPARE(b.px(a.x() + 27, a.y() + 16), claire(k).rgb() & 0xFFFFFF);
    }
    QCOMPARE(TfrmPlateau::ancreCellule(5, 5), QPoint(316, 224));
    QCOMPARE(TfrmPlateau::ancreCellule(10, 10), QPoint(316, 394));
    QCOMPARE(TfrmPlateau::ancreCellule(5, 0), QPoint(166, 139));

    // Ripe (value >= weight) shows the dark colour, else black; value 0 black.
    const QPoint a = TfrmPlateau::ancreCellule(3, 3);
    b.jeu.caseEn(3, 3) = cellule{0, 0, 'A', 5, 2};
    b.fenetre.dessinerCellule(3, 3, 0);
    QVERIFY(b.montre(Banc::texte(a), foncee(2)));
    QVERIFY(!b.montre(Banc::texte(a), Qt::black));
    b.jeu.caseEn(3, 3).valeur = 4;
    b.fenetre.dessinerCellule(3, 3, 0);
    QVERIFY(!b.montre(Banc::texte(a), foncee(2)));
    QVERIFY(b.montre(Banc::texte(a), Qt::black));
    // A text colour given wins; a cell whose letter is not a letter is a plain hexagon.
    b.fenetre.dessinerCellule(3, 3, couleurBlanc);
    QVERIFY(b.montre(Banc::texte(a), Qt::white));
    QVERIFY(!b.montre(Banc::texte(a), Qt::black));
    b.jeu.caseEn(3, 3) = cellule{0, 0, '?', 4, 2};
    b.fenetre.dessinerCellule(3, 3, 0);
    QVERIFY(!b.montre(Banc::texte(a), Qt::black));
    QVERIFY(!b.montre(Banc::texte(a), Qt::white));
  }

  void lesPanneauxEtLesNumerosSontAleurPlace() {
    Banc b;
    // Stock of player 0 (blue), Z at (580, 437) ending at y 469.
    QCOMPARE(TfrmPlateau::ancreReserve(25), QPoint(580, 437));
    QCOMPARE(b.px(581, 469), claire(1).rgb() & 0xFFFFFF);
    QCOMPARE(b.px(581, 470), 0x808080u);
    b.jeu.joueurs[0].lettres['K' - 64] = 0;
    b.fenetre.dessinerReserve(b.jeu.joueurs[0]);
    const QPoint k = TfrmPlateau::ancreReserve('K' - 'A');
    QCOMPARE(b.px(k.x() - 9, k.y() + 16), claire(0).rgb() & 0xFFFFFF);
    // The weight legend: silver, on the left.
    QCOMPARE(b.px(11 - 9, 12 + 16), claire(0).rgb() & 0xFFFFFF);
    QCOMPARE(b.px(41 - 9, 29 + 16), claire(0).rgb() & 0xFFFFFF);
    QVERIFY(b.montre(Banc::texte(QPoint(11, 12)), Qt::black));
    // Row numbers in blue, column numbers in maroon, at their positions.
    struct Numero {
      int x, y;
      QColor c;
    };
    for (const Numero& n : {Numero{301, 53, QColor(0, 0, 255)}, Numero{345, 53, QColor(128, 0, 0)},
                            Numero{147, 308, QColor(0, 0, 255)}, Numero{491, 308, QColor(128, 0, 0)}}) {
      QVERIFY(b.montre(QRect(n.x, n.y, 10, 11), n.c));
      QVERIFY(!b.montre(QRect(n.x - 6, n.y - 4, 6, 16), n.c));
      QVERIFY(!b.montre(QRect(n.x, n.y - 4, 10, 4), n.c));
    }
  }

  void lesTestsDeToucheSuiventLesBandes() {
    using R = std::optional<int>;
    QCOMPARE(TfrmPlateau::toucheReserve(634, 12), R(0));
    QCOMPARE(TfrmPlateau::toucheReserve(635, 12), R());
    QCOMPARE(TfrmPlateau::toucheReserve(605, 11), R());
    QCOMPARE(TfrmPlateau::toucheReserve(604, 29), R(1));
    QCOMPARE(TfrmPlateau::toucheReserve(575, 28), R());
    QCOMPARE(TfrmPlateau::toucheReserve(574, 29), R());
    QCOMPARE(TfrmPlateau::toucheReserve(634, 45), R(0));
    QCOMPARE(TfrmPlateau::toucheReserve(634, 46), R(2));
    QCOMPARE(TfrmPlateau::toucheReserve(634, 453), R(24));
    QCOMPARE(TfrmPlateau::toucheReserve(634, 454), R());
    QCOMPARE(TfrmPlateau::toucheReserve(575, 470), R(25));
    QCOMPARE(TfrmPlateau::toucheReserve(575, 471), R());
    using C = std::optional<std::pair<int, int>>;
    QCOMPARE(TfrmPlateau::toucheCellule(161, 139), C({5, 0}));
    QCOMPARE(TfrmPlateau::toucheCellule(160, 139), C());
    QCOMPARE(TfrmPlateau::toucheCellule(161, 138), C());
    QCOMPARE(TfrmPlateau::toucheCellule(478, 139), C({0, 5}));
    QCOMPARE(TfrmPlateau::toucheCellule(479, 139), C());
    QCOMPARE(TfrmPlateau::toucheCellule(316, 53), C());
    QCOMPARE(TfrmPlateau::toucheCellule(316, 425), C({10, 10}));
    QCOMPARE(TfrmPlateau::toucheCellule(316, 426), C());
    // Each cell owns 30 pixels across and two half-rows down from its anchor.
    Plateau p;
    for (int r = 0; r <= 10; ++r)
      for (int c = p.ligneMin[r]; c <= p.ligneMax[r]; ++c) {
        const QPoint a = TfrmPlateau::ancreCellule(r, c);
        QCOMPARE(TfrmPlateau::toucheCellule(a.x() - 5, a.y()), C({r, c}));
        if (a.y() + 33 < 426 && a.x() + 24 < 479) QCOMPARE(TfrmPlateau::toucheCellule(a.x() + 24, a.y() + 33), C({r, c}));
        QVERIFY(TfrmPlateau::toucheCellule(a.x() + 25, a.y()) != C({r, c}));
        QVERIFY(TfrmPlateau::toucheCellule(a.x(), a.y() + 34) != C({r, c}));
      }
  }

  void lesCurseursSontDesImages32DistinctesCentrees() {
    Banc b;
    std::vector<QImage> images;
    for (int n = 1; n <= 29; ++n) {
      const QCursor c = TfrmPlateau::curseurNumero(n);
      QCOMPARE(c.hotSpot(), QPoint(16, 16));
      const QImage i = c.pixmap().toImage().convertToFormat(QImage::Format_ARGB32);
      QCOMPARE(i.size(), QSize(32, 32));
      bool noir = false, blanc = false;
      for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
          const QRgb v = i.pixel(x, y);
          if (qAlpha(v) == 0) continue;
          QCOMPARE(qAlpha(v), 255);
          noir |= (v & 0xFFFFFF) == 0;
          blanc |= (v & 0xFFFFFF) == 0xFFFFFF;
          QVERIFY((v & 0xFFFFFF) == 0 || (v & 0xFFFFFF) == 0xFFFFFF);
        }
      QVERIFY(noir && blanc);
      for (const QImage& autre : images) QVERIFY(autre != i);
      images.push_back(i);
    }
    QCOMPARE(TfrmPlateau::curseurNumero(0).shape(), Qt::ArrowCursor);
  }

  void lePremierTourSeJoueAuSommetSansQniZ() {
    Banc b;
    TfrmPlateau& f = b.fenetre;
    QCOMPARE(f.etape, uint8_t{1});
    QCOMPARE(f.statut(), textePlacer);
    // Q and Z are not offered in the opening round.
    for (char l : {'Q', 'Z'}) {
      b.prendre(l);
      QCOMPARE(f.lettreChoisie, '\0');
      QCOMPARE(f.etape, uint8_t{1});
      QCOMPARE(b.stock(0, l), 1);
    }
    // A stock letter under the pointer is highlighted in silver, off the stock it goes.
    const QPoint e = TfrmPlateau::ancreReserve('E' - 'A');
    b.survol(e);
    QCOMPARE(f.lettreChoisie, 'E');
    QVERIFY(b.montre(Banc::texte(e), claire(0)));
    f.FormMouseMove(100, 300);
    QCOMPARE(f.statut(), texteSommet);
    QCOMPARE(f.lettreChoisie, '\0');
    QVERIFY(!b.montre(Banc::texte(e), claire(0)));
    // Any button takes it.
    b.prendre('E', Qt::MiddleButton);
    QCOMPARE(f.etape, uint8_t{2});
    QCOMPARE(f.action, uint8_t{1});
    QCOMPARE(b.stock(0, 'E'), 0);
    QCOMPARE(f.curseurActuel(), 'E' - 64);
    QCOMPARE(f.statut(), texteDestination);
    // Only the vertex is a destination.
    b.poser(1, 1);
    QCOMPARE(f.etape, uint8_t{2});
    QCOMPARE(f.destX, -1);
    QCOMPARE(f.curseurActuel(), 0);
    QCOMPARE(f.statut(), texteDestination);
    b.survol(TfrmPlateau::ancreCellule(0, 0));
    QCOMPARE(b.px(316 + 9, 54 + 16), claire(1).rgb() & 0xFFFFFF);
    QCOMPARE(f.curseurActuel(), 'E' - 64);
    f.FormMouseUp(Qt::LeftButton);
    QCOMPARE(b.jeu.caseEn(0, 0).lettre, int32_t{'E'});
    QCOMPARE(b.jeu.joueurs[0].score, 0);
    QCOMPARE(b.jeu.joueurCourant, 1u);
    QCOMPARE(f.etape, uint8_t{1});
    QVERIFY(b.ecran.appelsDe("ajouterMessageEtAttendre").empty());
    // The letter of an earlier vertex is not offered to the next player.
    b.prendre('E');
    QCOMPARE(f.etape, uint8_t{1});
    QCOMPARE(b.stock(1, 'E'), 1);
  }

  void uneRepriseUnRefusEtUnCoupQuiCompte() {
    Banc b;
    TfrmPlateau& f = b.fenetre;
    b.prendre('E');
    b.poser(0, 0);
    b.prendre('A');
    b.poser(10, 10);
    QCOMPARE(b.jeu.tour, 1u);
    QCOMPARE(f.statut(), textePlacer);
    // Given back with the right button: the highlight goes, the count comes back.
    b.prendre('A');
    b.survol(TfrmPlateau::ancreCellule(0, 1));
    QCOMPARE(f.destX, 0);
    f.FormMouseUp(Qt::RightButton);
    QCOMPARE(f.etape, uint8_t{1});
    QCOMPARE(b.stock(0, 'A'), 1);
    QCOMPARE(b.px(346 + 9, 71 + 16), claire(0).rgb() & 0xFFFFFF);
    QCOMPARE(f.curseurActuel(), 0);
    // No word: the letter comes off and stays in hand.
    b.prendre('X');
    b.poser(0, 1);
    QCOMPARE(b.jeu.caseEn(0, 1).proprietaire, 0);
    QCOMPARE(f.etape, uint8_t{2});
    QCOMPARE(b.stock(0, 'X'), 0);
    QCOMPARE(f.curseurActuel(), 'X' - 64);
    QCOMPARE(f.destX, -1);
    f.FormMouseUp(Qt::RightButton);
    QCOMPARE(b.stock(0, 'X'), 1);
    // A word: scored with its cells highlighted, and the turn ends.
    b.prendre('S');
    b.poser(0, 1);
    QVERIFY(b.jeu.joueurs[0].score > 0);
    QCOMPARE(b.jeu.joueurCourant, 1u);
    QVERIFY(!b.ecran.pendantAttente.isNull());
    const QImage& w = b.ecran.pendantAttente;
    auto montreDans = [&](QPoint a, QColor c) {
      for (int y = a.y() + 2; y < a.y() + 32; ++y)
        for (int x = a.x() - 6; x < a.x() + 24; ++x)
          if ((w.pixel(x, y) & 0xFFFFFF) == (c.rgb() & 0xFFFFFF)) return true;
      return false;
    };
    QVERIFY(montreDans(TfrmPlateau::ancreCellule(0, 0), Qt::white));
    QVERIFY(montreDans(TfrmPlateau::ancreCellule(0, 1), claire(0)));
    QVERIFY(!b.montre(Banc::texte(TfrmPlateau::ancreCellule(0, 0)), Qt::white));
  }

  void recolteEtDeplacementAvecLeurCurseur() {
    Banc b;
    TfrmPlateau& f = b.fenetre;
    b.prendre('E');
    b.poser(0, 0);
    b.prendre('A');
    b.poser(10, 10);
    // Player 0: S of value 3 at (5,1); an opponent's E at (5,5).
    b.jeu.caseEn(5, 1) = cellule{0, 0, 'S', 3, 1};
    b.jeu.caseEn(5, 5) = cellule{0, 0, 'E', 1, 2};
    b.jeu.caseEn(2, 2) = cellule{0, 0, 'A', 0, 1};
    // A spent token is not offered.
    b.survol(TfrmPlateau::ancreCellule(2, 2));
    QCOMPARE(f.curseurActuel(), 0);
    QCOMPARE(f.survolX, -1);
    // A movable token: its text on entry, the general text on the next move inside.
    b.survol(TfrmPlateau::ancreCellule(5, 1));
    QCOMPARE(f.curseurActuel(), TfrmPlateau::curseurDepl);
    QCOMPARE(f.statut(), texteJeton);
    b.survol(TfrmPlateau::ancreCellule(5, 1) + QPoint(3, 3));
    QCOMPARE(f.statut(), texteDeplacer);
    f.FormMouseUp(Qt::LeftButton);
    QCOMPARE(f.etape, uint8_t{2});
    QCOMPARE(f.action, uint8_t{2});
    QCOMPARE(f.curseurActuel(), 'S' - 64);
    // The token itself is no destination; 4 steps away is too far for value 3.
    b.poser(5, 1);
    QCOMPARE(f.etape, uint8_t{2});
    b.poser(6, 5);
    QCOMPARE(f.destX, -1);
    QCOMPARE(f.etape, uint8_t{2});
    QCOMPARE(b.jeu.caseEn(6, 5).proprietaire, 0);
    // Harvesting the token in hand (now ripe) abandons the move.
    b.jeu.caseEn(5, 1).valeur = 7;
    b.survol(TfrmPlateau::ancreCellule(5, 1));
    QCOMPARE(f.curseurActuel(), TfrmPlateau::curseurP1);
    QCOMPARE(f.statut(), texteJeton);
    f.FormMouseUp(Qt::RightButton);
    QCOMPARE(b.stock(0, 'S'), 2);
    QCOMPARE(b.jeu.caseEn(5, 1).valeur, 3);
    QCOMPARE(f.etape, uint8_t{1});
    QCOMPARE(f.action, uint8_t{0});
    // Harvest in step 1 with the right button.
    b.jeu.caseEn(5, 1).valeur = 7;
    b.survol(TfrmPlateau::ancreCellule(5, 1));
    QCOMPARE(f.curseurActuel(), TfrmPlateau::curseurDP1);
    f.FormMouseUp(Qt::RightButton);
    QCOMPARE(b.stock(0, 'S'), 3);
    QCOMPARE(b.jeu.caseEn(5, 1).valeur, 3);
    QCOMPARE(f.survolX, -1);
    QCOMPARE(f.etape, uint8_t{1});
    // The move 3 steps away forms "SE" and ends the turn.
    b.survol(TfrmPlateau::ancreCellule(5, 1));
    f.FormMouseUp(Qt::LeftButton);
    b.survol(TfrmPlateau::ancreCellule(5, 4));
    QCOMPARE(f.destX, 5);
    QCOMPARE(f.destY, 4);
    f.FormMouseUp(Qt::LeftButton);
    QCOMPARE(b.jeu.caseEn(5, 1).proprietaire, 0);
    QCOMPARE(b.jeu.caseEn(5, 4).lettre, int32_t{'S'});
    QCOMPARE(b.jeu.joueurCourant, 1u);
    QVERIFY(!b.jeu.plateau.distancesValides);
  }

  void laSourisNeFaitRienPourUnAutomateNiApresLaPartie() {
    Banc b;
    TfrmPlateau& f = b.fenetre;
    b.jeu.joueurs[0].automate = true;
    b.survol(TfrmPlateau::ancreReserve(4));
    QCOMPARE(f.lettreChoisie, '\0');
    f.lettreChoisie = 'E';
    f.FormMouseUp(Qt::LeftButton);
    QCOMPARE(b.stock(0, 'E'), 1);
    QCOMPARE(f.etape, uint8_t{1});
    // A game over leaves step 1 but no more play.
    b.jeu.joueurs[0].automate = false;
    b.jeu.enCours = false;
    f.lettreChoisie = 0;
    b.prendre('E');
    QCOMPARE(b.stock(0, 'E'), 1);
    QCOMPARE(f.etape, uint8_t{1});
  }
};

QTEST_MAIN(TestPlateau)
#include "test_plateau.moc"
