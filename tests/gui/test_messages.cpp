// The messages window: lines added, taken back and cleared; the wait that
// holds the game until Continue, Enter, Escape, a close or the timer ends
// it; the log file written byte for byte and read back, and the failures
// that must leave the old file and the log alone.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTimer>

#include <string>
#include <unistd.h>
#include <vector>

#include "Cp1252.h"
#include "Parametres.h"
#include "TfrmMessages.h"

using namespace irvad;
using Lignes = std::vector<std::string>;
using Fin = TfrmMessages::FinAttente;

namespace {

QByteArray lireOctets(const QString& chemin) {
  QFile f(chemin);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<illisible>");
}

void ecrireOctets(const QString& chemin, const QByteArray& octets) {
  QFile f(chemin);
  QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
  f.write(octets);
}

// The text box's lines, as UTF-8, to compare with what the log holds.
Lignes lignesAffichees(const TfrmMessages& w) {
  Lignes affichees;
  for (QTextBlock b = w.Memo->document()->begin(); b.isValid(); b = b.next())
    affichees.push_back(cp1252::depuisUtf8(b.text().toStdString()));
  if (affichees == Lignes{""}) affichees.clear();  // an empty document still has one block
  return affichees;
}

// What the window looked like in the middle of a wait.
struct PendantAttente {
  bool vu = false, visible = false, modale = false, boutonActif = false, minuterieActive = false;
  QWidget* modaleActive = nullptr;
};

// The same lines a refused placement leaves: the placement, the word table's
// header and its separator.
const Lignes poseRefusee = {"Pose E (3,4)", "Mots     P+ P- L-", "-----------------"};

}  // namespace

class TestMessages : public QObject {
  Q_OBJECT

  QTemporaryDir dossier;

  // Ends the wait from the event loop it runs, once `action` has looked at
  // the window; a safety click after 10 s keeps a broken wait from hanging
  // the test (the test then fails on the way the wait ended).
  static Fin attendreEt(TfrmMessages& w, const std::string& texte, const std::function<void()>& action,
                        PendantAttente* etat = nullptr) {
    QTimer::singleShot(0, &w, [&w, action, etat] {
      if (etat) {
        etat->vu = true;
        etat->visible = w.isVisible();
        etat->modale = w.windowModality() == Qt::ApplicationModal;
        etat->boutonActif = w.Button->isEnabled();
        etat->minuterieActive = w.Timer.isActive();
        etat->modaleActive = QApplication::activeModalWidget();
      }
      action();
    });
    QTimer secours;
    secours.setSingleShot(true);
    QObject::connect(&secours, &QTimer::timeout, &w, [&w] { w.ButtonClick(); });
    secours.start(10000);
    return w.ajouterMessageEtAttendre(texte, false);
  }

 private slots:
  void lesLignesSAjoutentSeRetirentEtSEffacent() {
    TfrmMessages w;
    QVERIFY(!w.isVisible());
    QVERIFY(!w.Button->isEnabled());
    QVERIFY(!w.Timer.isActive());
    QCOMPARE(w.Timer.interval(), 3000);

    // A refused placement takes back the header and the placement line.
    for (const auto& l : poseRefusee) w.ajouterMessage(l, false);
    w.retirerMessages(2);
    QCOMPARE(w.lignes(), Lignes{"-----------------"});

    // A, B, C, D less two gives A, D; nothing changes for n = 0.
    w.ajouterMessage("A", true);
    for (const char* l : {"B", "C", "D"}) w.ajouterMessage(l, false);
    w.retirerMessages(2);
    QCOMPARE(w.lignes(), (Lignes{"A", "D"}));
    w.retirerMessages(0);
    w.retirerMessages(-3);
    QCOMPARE(w.lignes(), (Lignes{"A", "D"}));
    QCOMPARE(lignesAffichees(w), (Lignes{"A", "D"}));
    // More removals than lines before the last: the last line always stays.
    w.retirerMessages(5);
    QCOMPARE(w.lignes(), Lignes{"D"});
    w.retirerMessages(1);
    QCOMPARE(w.lignes(), Lignes{"D"});

    // Accents reach the text box as the characters they are; a text holding
    // line ends gives several lines, an empty text one empty line.
    w.ajouterMessage("D\xE9pl.E (3,4)", true);  // Dépl.E (3,4)
    w.ajouterMessage("", false);
    w.ajouterMessage("Qualifi\xE9\r\nBLEU: Jean", false);  // Qualifié
    const Lignes attendues = {"D\xE9pl.E (3,4)", "", "Qualifi\xE9", "BLEU: Jean"};
    QCOMPARE(w.lignes(), attendues);
    QCOMPARE(lignesAffichees(w), attendues);
    QCOMPARE(w.Memo->toPlainText(), QStringLiteral("Dépl.E (3,4)\n\nQualifié\nBLEU: Jean"));

    w.viderMessages();
    QVERIFY(w.lignes().empty());
    QVERIFY(lignesAffichees(w).empty());

    w.definirLegende("\"P+\"=Gain de points - \"P-\"=Perte de point(s) adverse");
    QCOMPARE(w.Memo->toolTip(), QStringLiteral("\"P+\"=Gain de points - \"P-\"=Perte de point(s) adverse"));
  }

  void lAttenteFinitParLeJoueur_data() {
    QTest::addColumn<int>("maniere");
    QTest::newRow("bouton") << 0;
    QTest::newRow("Entrée") << 1;
    QTest::newRow("Échap") << 2;
    QTest::newRow("fermeture") << 3;
  }

  void lAttenteFinitParLeJoueur() {
    QFETCH(int, maniere);
    TfrmMessages w;
    w.definirIntervalle(600000);  // the timer must not end this wait
    w.ajouterMessage("Pose E (3,4)", false);
    PendantAttente etat;
    const Fin fin = attendreEt(
        w, "ETE      03 00 00",
        [&w, maniere] {
          switch (maniere) {
            case 0: w.Button->click(); break;
            case 1: QTest::keyClick(&w, Qt::Key_Return); break;
            case 2: QTest::keyClick(&w, Qt::Key_Escape); break;
            default: w.close(); break;
          }
        },
        &etat);
    QCOMPARE(fin, Fin::Continuer);
    // During the wait: shown although it was hidden, modal, button and timer on.
    QVERIFY(etat.vu);
    QVERIFY(etat.visible);
    QVERIFY(etat.modale);
    QCOMPARE(etat.modaleActive, static_cast<QWidget*>(&w));
    QVERIFY(etat.boutonActif);
    QVERIFY(etat.minuterieActive);
    // After it: still shown, no longer modal, button and timer off.
    QVERIFY(w.isVisible());
    QCOMPARE(w.windowModality(), Qt::NonModal);
    QVERIFY(!w.Button->isEnabled());
    QVERIFY(!w.Timer.isActive());
    QVERIFY(!w.enAttente());
    QCOMPARE(w.lignes(), (Lignes{"Pose E (3,4)", "ETE      03 00 00"}));

    // Escape outside a wait is not kept for later: the next wait still
    // needs its own click.
    QTest::keyClick(&w, Qt::Key_Escape);
    QCOMPARE(attendreEt(w, "suite", [&w] { w.Button->click(); }), Fin::Continuer);
  }

  void lAttenteFinitParLaMinuterie() {
    // A pause of 0 seconds: the wait ends on the first tick.
    Parametres reglages{dossier.filePath("Irvad.ini").toStdString(), {}};
    reglages.pause = 0;
    TfrmMessages w;
    w.definirIntervalle(reglages.intervalleMs());
    QCOMPARE(w.intervalle(), 1);
    w.definirIntervalle(0);
    QCOMPARE(w.intervalle(), 1);
    PendantAttente etat;
    QCOMPARE(attendreEt(w, "A", [] {}, &etat), Fin::Minuterie);
    QVERIFY(etat.minuterieActive);
    QVERIFY(!w.Timer.isActive());
    QVERIFY(!w.Button->isEnabled());
    QVERIFY(w.isVisible());

    // A wait asked for during a wait adds its line and leaves the holding to
    // the one already running.
    w.definirIntervalle(600000);
    Fin interieure = Fin::Continuer;
    const Fin exterieure = attendreEt(w, "B", [&w, &interieure] {
      interieure = w.ajouterMessageEtAttendre("C", false);
      QVERIFY(w.enAttente());
      w.Button->click();
    });
    QCOMPARE(interieure, Fin::Interrompue);
    QCOMPARE(exterieure, Fin::Continuer);
    QCOMPARE(w.lignes(), (Lignes{"A", "B", "C"}));
  }

  void leJournalSEnregistreEtSeRelitOctetPourOctet() {
    const Lignes journal = {"Tour n\xB0" "1", "BLEU: Jean", "Pose \xC9 (0,0)", "", "Qualifi\xE9 Pts j. p.",
                            "\x80\xB7\xFF"};
    TfrmMessages w;
    QStringList statuts;
    w.statut = [&statuts](const QString& t) { statuts << t; };
    for (const auto& l : journal) w.ajouterMessage(l, false);
    const QString fichier = dossier.filePath("partie été.ivd.txt");
    QVERIFY(w.sauverMessages(fichier));
    QByteArray attendu;
    for (const auto& l : journal) attendu += QByteArray::fromStdString(l) + "\r\n";
    QCOMPARE(lireOctets(fichier), attendu);

    // Read back into a log that held something else: the file's lines only.
    TfrmMessages autre;
    autre.ajouterMessage("ancienne ligne", false);
    QVERIFY(autre.chargerMessages(fichier));
    QCOMPARE(autre.lignes(), journal);
    QCOMPARE(lignesAffichees(autre), journal);
    QVERIFY(autre.Memo->toPlainText().startsWith(QStringLiteral("Tour n°1\nBLEU: Jean\nPose É (0,0)\n")));

    // A file written elsewhere with lone CR or LF and no final line end.
    ecrireOctets(dossier.filePath("mixte.txt"), "A\rB\nC\r\nD");
    QVERIFY(autre.chargerMessages(dossier.filePath("mixte.txt")));
    QCOMPARE(autre.lignes(), (Lignes{"A", "B", "C", "D"}));

    // A missing companion file is no failure: the log is just empty.
    QVERIFY(autre.chargerMessages(dossier.filePath("absent.ivd.txt")));
    QVERIFY(autre.lignes().empty());
    QVERIFY(statuts.isEmpty());

    // Through the save dialog's replacement; a cancel writes nothing.
    QString choisi = dossier.filePath("fin de partie.txt");
    w.demanderFichier = [&choisi] { return choisi; };
    QVERIFY(w.sauverMessagesSous());
    QCOMPARE(lireOctets(choisi), attendu);
    choisi.clear();
    QVERIFY(!w.sauverMessagesSous());
    QCOMPARE(QDir(dossier.path()).entryList(QDir::Files | QDir::Hidden).size(), 3);
  }

  void lesEchecsSontSignalesEtNeDetruisentRien() {
    TfrmMessages w;
    QStringList statuts;
    w.statut = [&statuts](const QString& t) { statuts << t; };
    w.ajouterMessage("A", false);
    w.ajouterMessage("B", false);

    // A folder in the file's place: refused, told, the folder untouched.
    const QString repertoire = dossier.filePath("dossier.txt");
    QVERIFY(QDir().mkpath(repertoire));
    ecrireOctets(repertoire + "/dedans", "x");
    QVERIFY(!w.sauverMessages(repertoire));
    QCOMPARE(statuts, QStringList{QStringLiteral("Impossible de remplacer le fichier ") + repertoire});
    QCOMPARE(lireOctets(repertoire + "/dedans"), QByteArray("x"));
    QCOMPARE(w.lignes(), (Lignes{"A", "B"}));

    // No folder to write in.
    QVERIFY(!w.sauverMessages(dossier.filePath("absent/x.txt")));
    QCOMPARE(statuts.size(), 2);
    QVERIFY(statuts.last().startsWith(QStringLiteral("Impossible de créer le fichier ")));

    // A folder read as a log: told, and the log is left empty.
    QVERIFY(!w.chargerMessages(repertoire));
    QCOMPARE(statuts.size(), 3);
    QCOMPARE(statuts.last(), QStringLiteral("Erreur de lecture du fichier ") + repertoire);
    QVERIFY(w.lignes().empty());

    // A folder that takes no new file keeps the old log (the superuser
    // writes everywhere, so this part needs an ordinary user).
    if (::geteuid() != 0) {
      const QString protege = dossier.filePath("protege");
      QVERIFY(QDir().mkpath(protege));
      ecrireOctets(protege + "/partie.ivd.txt", "ancien\r\n");
      QFile::setPermissions(protege, QFile::ReadOwner | QFile::ExeOwner);
      w.ajouterMessage("nouveau", false);
      QVERIFY(!w.sauverMessages(protege + "/partie.ivd.txt"));
      QFile::setPermissions(protege, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
      QCOMPARE(lireOctets(protege + "/partie.ivd.txt"), QByteArray("ancien\r\n"));
    }
  }
};

QTEST_MAIN(TestMessages)
#include "test_messages.moc"
