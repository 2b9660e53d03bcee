// The player set-up dialog: the rows and pictures for 2, 3 and 6 players,
// names of at most 8 characters, the values it starts from before and
// during a game, what "&Vu && appliqué" writes and that a cancel writes
// nothing.
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>
#include <tuple>
#include <vector>

#include "Disposition.h"
#include "EcranEnregistreur.h"
#include "Jeu.h"
#include "Parametres.h"
#include "TfrmNomJoueurs.h"

using namespace irvad;

namespace {

// What the dialog may write, for one record.
auto cliche(const joueur& j) {
  return std::make_tuple(j.nom, j.automate, j.deplacements, j.tailleMax, j.sommetX, j.sommetY);
}

bool pixelDeCouleur(const QImage& image, QColor couleur, int yMin, int yMax, int xMin, int xMax) {
  for (int y = yMin; y <= yMax; ++y)
    for (int x = xMin; x <= xMax; ++x) {
      const QColor c = image.pixelColor(x, y);
      if (c.alpha() > 128 && std::abs(c.red() - couleur.red()) < 60 && std::abs(c.green() - couleur.green()) < 60 &&
          std::abs(c.blue() - couleur.blue()) < 60)
        return true;
    }
  return false;
}

}  // namespace

class TestNomJoueurs : public QObject {
  Q_OBJECT

  test::EcranEnregistreur ecran;
  std::unique_ptr<Jeu> partie;
  QTemporaryDir dossier;
  Parametres parametres{dossier.filePath("Irvad.ini").toStdString(), {}};

  template <class T>
  T* element(QWidget& w, const QString& nom) {
    T* e = w.findChild<T*>(nom);
    if (!e) qFatal("missing %s", qPrintable(nom));
    return e;
  }
  QWidget* ligne(QWidget& w, const char* prefixe, int s, const char* suffixe = "") {
    return element<QWidget>(w, QString::fromLatin1(prefixe) + QString::number(s) + QString::fromLatin1(suffixe));
  }
  void reinitialiser() {
    partie = std::make_unique<Jeu>(ecran);
    ecran.oublier();
    parametres.tailleMaxParDefaut = 5;
    parametres.deplacementsParDefaut = true;
  }

 private slots:
  void init() { reinitialiser(); }

  void lesImagesDesSiegesMarquentLeSommetQueChacunRecevra() {
    // Picture -> colour of the ring and corner it stands at (top, upper left,
    // lower left, bottom, lower right, upper right).
    const QColor bleu(0, 0, 255), vert(0, 255, 0), ciel(0, 255, 255), rouge(255, 0, 0), magenta(255, 0, 255),
        jaune(255, 255, 0);
    struct Attendu {
      QColor couleur;
      int yMin, yMax, xMin, xMax;
    };
    const Attendu attendus[9] = {{bleu, 0, 9, 8, 16},    {vert, 6, 14, 0, 8},   {ciel, 16, 24, 0, 8},
                                 {rouge, 21, 29, 8, 16}, {magenta, 16, 24, 16, 23}, {jaune, 6, 14, 16, 23},
                                 {vert, 16, 24, 0, 8},   {ciel, 16, 24, 16, 23},    {vert, 21, 29, 8, 16}};
    for (int n = 0; n < 9; ++n) {
      const QImage image = TfrmNomJoueurs::imageSiege(n).toImage();
      QCOMPARE(image.size(), QSize(24, 30));
      const Attendu& a = attendus[n];
      QVERIFY2(pixelDeCouleur(image, a.couleur, a.yMin, a.yMax, a.xMin, a.xMax), qPrintable(QString::number(n)));
      // and the ring is nowhere else: the opposite half of the picture lacks it
      const bool haut = a.yMax < 15;
      QVERIFY(!pixelDeCouleur(image, a.couleur, haut ? 17 : 0, haut ? 29 : 12, 0, 23));
    }
    // Each shown picture is the one of the vertex the seat gets.
    for (int n : {2, 3, 6})
      for (uint32_t i = 0; i < static_cast<uint32_t>(n); ++i) {
        const auto sommet = Jeu::sommetDe(i, static_cast<uint32_t>(n));
        int indice = 0;
        while (Jeu::sommets[indice] != sommet) ++indice;
        const int image = TfrmNomJoueurs::numeroImage(n, static_cast<int>(i) + 1);
        const int coinAttendu[9] = {0, 1, 2, 3, 4, 5, 2, 4, 3};
        QCOMPARE(coinAttendu[image], indice);
      }
  }

  void lesRangeesSuiventLeNombreDeJoueurs() {
    Jeu& jeu = *partie;
    jeu.nbJoueurs = 2;
    TfrmNomJoueurs dialogue(jeu, parametres);
    dialogue.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialogue));
    QVERIFY(element<QGroupBox>(dialogue, "RadioGroupJoueurs")->isEnabled());
    QVERIFY(element<QRadioButton>(dialogue, "RadioJoueurs2")->isChecked());
    for (int s = 1; s <= 6; ++s) {
      const bool actif = s <= 2;
      QCOMPARE(ligne(dialogue, "Edit", s)->isEnabled(), actif);
      QCOMPARE(ligne(dialogue, "Image", s)->isVisible(), actif);
      QCOMPARE(ligne(dialogue, "RadioButton", s, "7")->isEnabled(), actif);
    }
    QCOMPARE(ligne(dialogue, "Image", 2)->property("numeroImage").toInt(), 8);
    QCOMPARE(QApplication::focusWidget(), ligne(dialogue, "Edit", 1));

    // 6, then 3: rows 4 to 6 go off, seats 2 and 3 get pictures 6 and 7.
    element<QRadioButton>(dialogue, "RadioJoueurs6")->click();
    for (int s = 1; s <= 6; ++s) {
      QVERIFY(ligne(dialogue, "CheckBox", s, "A")->isEnabled());
      QCOMPARE(ligne(dialogue, "Image", s)->property("numeroImage").toInt(), s - 1);
    }
    element<QRadioButton>(dialogue, "RadioJoueurs3")->click();
    for (int s = 1; s <= 6; ++s) {
      const bool actif = s <= 3;
      for (const char* p : {"Label", "Edit", "Panel"}) QCOMPARE(ligne(dialogue, p, s)->isEnabled(), actif);
      QCOMPARE(ligne(dialogue, "CheckBox", s, "A")->isEnabled(), actif);
      QCOMPARE(ligne(dialogue, "CheckBox", s, "D")->isEnabled(), actif);
      for (int l = 5; l <= 9; ++l)
        QCOMPARE(ligne(dialogue, "RadioButton", s, QByteArray::number(l).constData())->isEnabled(), actif);
      QCOMPARE(ligne(dialogue, "Image", s)->isVisible(), actif);
    }
    QCOMPARE(ligne(dialogue, "Image", 2)->property("numeroImage").toInt(), 6);
    QCOMPARE(ligne(dialogue, "Image", 3)->property("numeroImage").toInt(), 7);
    verifierDisposition(dialogue, QSize(549, 344));
    if (!qEnvironmentVariableIsEmpty("IRVAD_CAPTURES"))
      dialogue.grab().save(qEnvironmentVariable("IRVAD_CAPTURES") + "/nomjoueurs.png");
  }

  void vuEtAppliqueEcritLesChoixDesSiegesEnJeuSeulement() {
    Jeu& jeu = *partie;
    jeu.joueurs[3].nom = "Quatre";
    jeu.joueurs[3].placerSommet(7, 7);
    const auto horsJeu = cliche(jeu.joueurs[3]);
    TfrmNomJoueurs dialogue(jeu, parametres);
    dialogue.show();
    element<QRadioButton>(dialogue, "RadioJoueurs3")->click();

    auto* nom1 = static_cast<QLineEdit*>(ligne(dialogue, "Edit", 1));
    nom1->clear();
    QTest::keyClicks(nom1, "Bernadette");  // 10 letters, 8 taken
    QCOMPARE(nom1->text(), QStringLiteral("Bernadet"));
    auto* nom2 = static_cast<QLineEdit*>(ligne(dialogue, "Edit", 2));
    nom2->clear();
    nom2->insert(QStringLiteral("Éloïse"));
    static_cast<QLineEdit*>(ligne(dialogue, "Edit", 3))->clear();  // an empty name is kept
    QTest::mouseClick(ligne(dialogue, "CheckBox", 2, "A"), Qt::LeftButton);
    QTest::mouseClick(ligne(dialogue, "RadioButton", 2, "9"), Qt::LeftButton);
    QTest::mouseClick(ligne(dialogue, "CheckBox", 2, "D"), Qt::LeftButton);
    QTest::mouseClick(ligne(dialogue, "RadioButton", 3, "7"), Qt::LeftButton);
    // Seat 5 lies beyond the 3 players: its row is off and nothing of it counts.
    static_cast<QLineEdit*>(ligne(dialogue, "Edit", 5))->setText(QStringLiteral("Horsjeu"));

    QTest::mouseClick(element<QPushButton>(dialogue, "Button1"), Qt::LeftButton);
    QCOMPARE(dialogue.result(), int(QDialog::Accepted));
    QCOMPARE(jeu.nbJoueurs, 3u);
    QCOMPARE(cliche(jeu.joueurs[0]), std::make_tuple(std::string("Bernadet"), false, true, 5, 0, 0));
    QCOMPARE(cliche(jeu.joueurs[1]), std::make_tuple(std::string("\xC9lo\xEFse"), true, false, 9, 10, 5));
    QCOMPARE(cliche(jeu.joueurs[2]), std::make_tuple(std::string(), false, true, 7, 5, 10));
    QVERIFY(cliche(jeu.joueurs[3]) == horsJeu);
    QCOMPARE(jeu.joueurs[4].nom, std::string("Joueur 5"));
    QCOMPARE(ecran.appelsDe("mettreAJourScores").size(), size_t(1));
  }

  void annulerNeChangeRien() {
    Jeu& jeu = *partie;
    jeu.nbJoueurs = 3;
    for (uint32_t i = 0; i < 3; ++i) {
      const auto [x, y] = Jeu::sommetDe(i, 3);
      jeu.joueurs[i].placerSommet(x, y);
    }
    jeu.joueurs[1].tailleMax = 8;
    std::vector<decltype(cliche(jeu.joueurs[0]))> avant;
    for (const joueur& j : jeu.joueurs) avant.push_back(cliche(j));

    for (int maniere = 0; maniere < 2; ++maniere) {
      TfrmNomJoueurs dialogue(jeu, parametres);
      dialogue.show();
      element<QRadioButton>(dialogue, "RadioJoueurs6")->click();
      for (int s = 1; s <= 6; ++s) {
        static_cast<QLineEdit*>(ligne(dialogue, "Edit", s))->setText(QStringLiteral("Autre"));
        QTest::mouseClick(ligne(dialogue, "CheckBox", s, "A"), Qt::LeftButton);
        QTest::mouseClick(ligne(dialogue, "CheckBox", s, "D"), Qt::LeftButton);
        QTest::mouseClick(ligne(dialogue, "RadioButton", s, "6"), Qt::LeftButton);
      }
      if (maniere == 0)
        QTest::mouseClick(element<QPushButton>(dialogue, "Button2"), Qt::LeftButton);
      else
        QTest::keyClick(&dialogue, Qt::Key_Escape);
      QCOMPARE(dialogue.result(), int(QDialog::Rejected));
      QCOMPARE(jeu.nbJoueurs, 3u);
      for (int i = 0; i < 6; ++i) QVERIFY(cliche(jeu.joueurs[i]) == avant[i]);
      QVERIFY(ecran.appelsDe("mettreAJourScores").empty());
    }
  }

  void avantUneNouvellePartieLesDefautsPendantUnePartieLesValeursDesJoueurs() {
    Jeu& jeu = *partie;
    jeu.nbJoueurs = 2;
    jeu.joueurs[0].tailleMax = 9;
    jeu.joueurs[0].deplacements = false;
    jeu.joueurs[1].automate = true;
    jeu.joueurs[1].tailleMax = 12;  // out of range (a crafted saved game): shown as 9
    parametres.tailleMaxParDefaut = 6;
    parametres.deplacementsParDefaut = true;

    auto verifier = [&](bool avant) {
      QTimer::singleShot(0, [&, avant] {
        auto* d = qobject_cast<TfrmNomJoueurs*>(QApplication::activeModalWidget());
        QVERIFY(d);
        QCOMPARE(element<QGroupBox>(*d, "RadioGroupJoueurs")->isEnabled(), avant);
        QVERIFY(static_cast<QCheckBox*>(ligne(*d, "CheckBox", 2, "A"))->isChecked());
        if (avant) {
          for (int s = 1; s <= 2; ++s) {
            QVERIFY(static_cast<QRadioButton*>(ligne(*d, "RadioButton", s, "6"))->isChecked());
            QVERIFY(static_cast<QCheckBox*>(ligne(*d, "CheckBox", s, "D"))->isChecked());
          }
        } else {
          QVERIFY(static_cast<QRadioButton*>(ligne(*d, "RadioButton", 1, "9"))->isChecked());
          QVERIFY(!static_cast<QCheckBox*>(ligne(*d, "CheckBox", 1, "D"))->isChecked());
          QVERIFY(static_cast<QRadioButton*>(ligne(*d, "RadioButton", 2, "9"))->isChecked());
        }
        QTest::mouseClick(element<QPushButton>(*d, "Button1"), Qt::LeftButton);
      });
      return TfrmNomJoueurs::executer(jeu, parametres, nullptr, avant);
    };
    QVERIFY(verifier(false));
    QCOMPARE(jeu.joueurs[0].tailleMax, 9);
    QCOMPARE(jeu.joueurs[1].tailleMax, 9);
    QVERIFY(!jeu.joueurs[0].deplacements);
    QVERIFY(verifier(true));
    QCOMPARE(jeu.joueurs[0].tailleMax, 6);
    QVERIFY(jeu.joueurs[0].deplacements);

    // The caller learns of a cancel.
    QTimer::singleShot(0, [] { QApplication::activeModalWidget()->close(); });
    QVERIFY(!TfrmNomJoueurs::executer(jeu, parametres, nullptr, true));
  }
};

QTEST_MAIN(TestNomJoueurs)
#include "test_nomjoueurs.moc"
