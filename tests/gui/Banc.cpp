#include "Banc.h"

#include <QCursor>
#include <QFile>
#include <QTest>

#include "DicoTest.h"

namespace irvad::test {

QByteArray lire(const QString& chemin) {
  QFile f(chemin);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
void ecrire(const QString& chemin, const QByteArray& octets) {
  QFile f(chemin);
  if (f.open(QIODevice::WriteOnly | QIODevice::Truncate)) f.write(octets);
}

void EcranRelais::ajouterMessageEtAttendre(const std::string& t, bool e) {
  EcranEnregistreur::ajouterMessageEtAttendre(t, e);
  if (pendantAttente) pendantAttente();
  if (journal) journal->ajouterMessageEtAttendre(t, e);
}

Banc::Banc(bool montrerFenetre, const Banc* precedent) {
  const std::vector<std::string> mots = {
      "LA", "LE", "LES", "AS", "ES", "SA", "SE", "ET", "TE", "TA", "TES", "SEL", "SET", "ART", "RAT", "TAS", "EST",
      "OSE", "SOT", "AI", "IL", "NI", "ON", "OR", "DE", "DU", "UN", "NU", "MA", "ME", "MI", "PA", "PI", "RE",
      "CE", "VA", "BU", "FA", "GO", "HA", "JE", "KA", "OS", "OU", "SI", "TU", "XI", "YA", "WU"};
  if (jeu.dico.charger(fichierDico(mots), nullptr) != Dico::Resultat::Ok) qFatal("word list not loaded");
  jeu.horloge = [] { return int64_t{1'000'000}; };
  const Banc& reglages = precedent ? *precedent : *this;
  parametres = std::make_unique<Parametres>(reglages.chemin("Irvad.ini"), reglages.chemin("u/Irvad.ini"));
  fenetre = std::make_unique<TfrmPlateau>(jeu);
  ecran.plateau = fenetre.get();
  fenetre->parametres = parametres.get();
  sieges({"Ana", "Bob"});
  fenetre->ouvrirJoueurs = [this](bool avant) -> std::optional<Tablee> {
    ++dialoguesJoueurs;
    return avant ? tablee : std::nullopt;
  };
  fenetre->executerDialogue = [this](QFileDialog& d) {
    dialoguesFichier.push_back(&d);
    return choix;
  };
  fenetre->chargerMessages = [this](const QString& f) { messagesCharges.push_back(f); };
  fenetre->sauverMessages = [this](const QString& f) { messagesSauves.push_back(f); };
  if (montrerFenetre) montrer();
}

Banc::~Banc() {
  ecran.plateau = nullptr;
  ecran.journal = nullptr;
  ecran.scores = nullptr;
}

void Banc::sieges(const std::vector<std::string>& noms) {
  tablee = Tablee{static_cast<uint32_t>(noms.size()), {}};
  for (const std::string& n : noms) {
    const bool automate = !n.empty() && n[0] == '*';
    tablee->sieges.push_back(Siege{automate ? n.substr(1) : n, automate, false, 5});
  }
}

void Banc::montrer() {
  fenetre->show();
  fenetre->activateWindow();
  if (!QTest::qWaitForWindowActive(fenetre.get())) qWarning("window not active");
}

void Banc::touche(Qt::Key k, Qt::KeyboardModifiers m) { QTest::keyClick(fenetre.get(), k, m); }

void Banc::survoler(QPoint p) {
  // A pointer that does not move makes no event: it comes from one pixel aside.
  if (fenetre->surface->mapFromGlobal(QCursor::pos()) == p) QTest::mouseMove(fenetre->surface, p + QPoint(1, 0));
  pointeur_ = p;
  QTest::mouseMove(fenetre->surface, p);
}

void Banc::cliquer(Qt::MouseButton bouton) {
  QTest::mousePress(fenetre->surface, bouton, {}, pointeur_);
  QTest::mouseRelease(fenetre->surface, bouton, {}, pointeur_);
}

void Banc::prendre(char lettre, Qt::MouseButton bouton) {
  survoler(TfrmPlateau::ancreReserve(lettre - 'A') + QPoint(5, 5));
  cliquer(bouton);
}

void Banc::poser(int r, int c, Qt::MouseButton bouton) {
  survoler(TfrmPlateau::ancreCellule(r, c) + QPoint(5, 5));
  cliquer(bouton);
}

void Banc::ouverture() {
  prendre('E');
  poser(0, 0);
  prendre('A');
  poser(10, 10);
  QCOMPARE(position().tour, 1u);
}

void Banc::installer(const std::function<void(Position&)>& changer, bool commencer) {
  Position p = jeu.position();
  changer(p);
  const Verdict v = jeu.installer(p);
  QVERIFY2(v, v.raison().c_str());
  if (commencer) QVERIFY(jeu.continuer());
}

std::vector<std::string> Banc::lignesJoueurs() const {
  std::vector<std::string> r;
  for (const auto& m : ecran.messages)
    for (const char* c : {"BLEU: ", "VERT: ", "CIEL: ", "ROUGE: ", "MAGENTA: ", "JAUNE: "})
      if (m.rfind(c, 0) == 0) r.push_back(m);
  return r;
}

}  // namespace irvad::test
