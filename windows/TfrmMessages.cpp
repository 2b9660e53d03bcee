#include "TfrmMessages.h"

#include <QApplication>
#include <QCloseEvent>
#include <QEventLoop>
#include <QFile>
#include <QFileDialog>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QStatusBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QVBoxLayout>
#include <algorithm>

#include "Apparence.h"
#include "Cp1252.h"
#include "Journal.h"

namespace irvad {

namespace {

QString versQt(const std::string& texte) { return QString::fromStdString(cp1252::versUtf8(texte)); }

// File names reach the system in its own encoding.
std::string nomSysteme(const QString& fichier) { return QFile::encodeName(fichier).toStdString(); }

}  // namespace

const QString TfrmMessages::filtreFichiers = QStringLiteral("Fichiers texte (*.txt);;Tous fichiers (*.*)");

TfrmMessages::TfrmMessages(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("frmMessages"));
  setWindowTitle(QStringLiteral("Messages"));
  // A tool window with a caption and no buttons in it, above the board. Its
  // size is fixed, so that no window manager offers to maximise it, and wide
  // enough for its caption.
  setWindowFlags(Qt::Tool | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
  // Shown between waits it must not take the keyboard from the board.
  setAttribute(Qt::WA_ShowWithoutActivating);
  setSizeGripEnabled(false);
  move(646, 152);
  // Its size for its caption and its fonts are set when it is first shown
  // (mettreALEchelle): they load faces that the start need not wait for.
  setFixedSize(largeurClient, hauteurClient);

  auto* disposition = new QVBoxLayout(this);
  disposition->setContentsMargins(0, 0, 0, 0);
  disposition->setSpacing(0);

  Memo = new QPlainTextEdit(this);
  Memo->setObjectName(QStringLiteral("Memo"));
  Memo->setReadOnly(true);
  Memo->setFocusPolicy(Qt::NoFocus);
  Memo->setUndoRedoEnabled(false);
  Memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  disposition->addWidget(Memo, 1);

  panel_ = new QWidget(this);
  auto* panel = panel_;
  panel->setObjectName(QStringLiteral("Panel"));
  panel->setFixedHeight(26);
  Button = new QPushButton(QStringLiteral("&Continuer"), panel);
  Button->setObjectName(QStringLiteral("Button"));
  Button->setGeometry(1, 1, largeurClient - 2, 25);
  Button->setDefault(true);
  Button->setEnabled(false);
  connect(Button, &QPushButton::clicked, this, &TfrmMessages::ButtonClick);
  disposition->addWidget(panel);

  StatusBar = new BarreEtat(this);
  disposition->addWidget(StatusBar);

  Timer.setInterval(intervalleCreation);
  connect(&Timer, &QTimer::timeout, this, &TfrmMessages::TimerTimer);
}

TfrmMessages::~TfrmMessages() {
  // A wait still running belongs to a caller further down the stack: let it
  // return rather than leave it in a loop nobody can end.
  if (boucle_) boucle_->exit(0);
}

void TfrmMessages::ajouterLignes(const std::string& texte) {
  std::vector<std::string> nouvelles = journal::decouper(texte);
  if (nouvelles.empty()) nouvelles.emplace_back();
  QTextCursor curseur(Memo->document());
  curseur.movePosition(QTextCursor::End);
  for (auto& ligne : nouvelles) {
    // The first line goes into the document's one empty block, every other
    // one into a block of its own, so that empty lines show as they are.
    if (!lignes_.empty()) curseur.insertBlock();
    curseur.insertText(versQt(ligne));
    lignes_.push_back(std::move(ligne));
  }
  Memo->verticalScrollBar()->setValue(Memo->verticalScrollBar()->maximum());
}

void TfrmMessages::afficherTout() {
  QString texte;
  for (std::size_t i = 0; i < lignes_.size(); ++i) {
    if (i > 0) texte += QLatin1Char('\n');
    texte += versQt(lignes_[i]);
  }
  Memo->setPlainText(texte);
  Memo->verticalScrollBar()->setValue(Memo->verticalScrollBar()->maximum());
}

void TfrmMessages::ajouterMessage(const std::string& texte, bool effacer) {
  if (effacer) viderMessages();
  ajouterLignes(texte);
}

TfrmMessages::FinAttente TfrmMessages::ajouterMessageEtAttendre(const std::string& texte, bool effacer) {
  if (boucle_) {
    // Something that ran during a wait asked for another one: the line is
    // logged and the wait already running holds the game for both.
    ajouterMessage(texte, effacer);
    return FinAttente::Interrompue;
  }
  const QPointer<QWidget> actif = QApplication::activeWindow();
  // The window's modality can only change while it is hidden.
  if (isVisible()) hide();
  ajouterMessage(texte, effacer);
  Button->setEnabled(true);
  Timer.start();
  setWindowModality(Qt::ApplicationModal);
  show();
  raise();
  activateWindow();
  Button->setFocus();

  QEventLoop boucle;
  boucle_ = &boucle;
  fin_ = FinAttente::Interrompue;
  const QPointer<TfrmMessages> garde(this);
  boucle.exec(QEventLoop::DialogExec);
  if (!garde) return FinAttente::Interrompue;
  boucle_ = nullptr;
  // Already done when the player or the timer ended the wait, not when the
  // program quitting did.
  Timer.stop();
  // A game that waits for "Continuer" keeps the button for it.
  Button->setEnabled(static_cast<bool>(continuer_));

  hide();
  setWindowModality(Qt::NonModal);
  show();
  raise();
  if (actif && actif != this) actif->activateWindow();
  return fin_;
}

void TfrmMessages::terminerAttente(FinAttente fin) {
  Timer.stop();
  Button->setEnabled(false);
  if (!boucle_) return;
  fin_ = fin;
  setResult(QDialog::Accepted);
  boucle_->exit(QDialog::Accepted);
}

void TfrmMessages::ButtonClick() {
  if (boucle_) {
    terminerAttente(FinAttente::Continuer);
    return;
  }
  // Outside a wait of its own, the button goes on with a game that waits.
  if (continuer_) {
    const auto continuer = continuer_;
    finAttenteContinuer();
    continuer();
  }
}

void TfrmMessages::attendreContinuer(const QString& invite, std::function<void()> continuer) {
  continuer_ = std::move(continuer);
  StatusBar->showMessage(invite);
  Button->setToolTip(invite);
  if (!boucle_) {
    Button->setEnabled(true);
    show();
    raise();
  }
}

void TfrmMessages::finAttenteContinuer() {
  continuer_ = nullptr;
  StatusBar->clearMessage();
  Button->setToolTip(QString());
  if (!boucle_) Button->setEnabled(false);
}

void TfrmMessages::definirZoom(int pourcent) {
  if (pourcent == zoom_) return;
  zoom_ = pourcent;
  if (isVisible())
    mettreALEchelle();
  else
    aLEchelle_ = false;
}

// Sized before the window exists, so that its place stays that of its frame.
void TfrmMessages::setVisible(bool visible) {
  if (visible && !aLEchelle_) mettreALEchelle();
  QDialog::setVisible(visible);
}

void TfrmMessages::mettreALEchelle() {
  aLEchelle_ = true;
  const int largeur = std::max(largeurClient, largeurPourTitre(windowTitle())) * zoom_ / 100;
  setFixedSize(largeur, (hauteurClient - BarreEtat::hauteur) * zoom_ / 100 + BarreEtat::hauteur);
  Memo->setFont(policeFixe(8 * zoom_ / 100));
  QFont f = font();
  f.setPointSizeF(font().pointSizeF() * zoom_ / 100);
  Button->setFont(f);
  panel_->setFixedHeight(26 * zoom_ / 100);
  Button->setGeometry(1, 1, largeur - 2, 25 * zoom_ / 100);
}

void TfrmMessages::TimerTimer() { terminerAttente(FinAttente::Minuterie); }

void TfrmMessages::reject() {
  if (boucle_) ButtonClick();
}

void TfrmMessages::closeEvent(QCloseEvent* evenement) {
  if (boucle_) {
    evenement->ignore();
    ButtonClick();
    return;
  }
  evenement->accept();
  hide();
}

void TfrmMessages::retirerMessages(int32_t n) {
  bool change = false;
  for (int32_t k = 0; k < n && lignes_.size() >= 2; ++k) {
    lignes_.erase(lignes_.end() - 2);
    change = true;
  }
  if (change) afficherTout();
}

void TfrmMessages::retirerDerniersMessages(int32_t n) {
  const auto k = static_cast<std::size_t>(std::clamp<int64_t>(n, 0, static_cast<int64_t>(lignes_.size())));
  if (k == 0) return;
  lignes_.resize(lignes_.size() - k);
  afficherTout();
}

void TfrmMessages::viderMessages() {
  lignes_.clear();
  Memo->clear();
}

void TfrmMessages::definirLegende(const std::string& texte) { Memo->setToolTip(versQt(texte)); }

void TfrmMessages::definirIntervalle(int ms) { Timer.setInterval(std::max(1, ms)); }

bool TfrmMessages::chargerMessages(const QString& fichier) {
  viderMessages();
  const std::string nom = nomSysteme(fichier);
  journal::Lecture lecture = journal::lire(nom);
  if (!lecture.reussie()) {
    if (statut) statut(versQt(journal::texteErreur(lecture.erreur, nom)));
    return false;
  }
  lignes_ = std::move(lecture.lignes);
  afficherTout();
  return true;
}

bool TfrmMessages::sauverMessages(const QString& fichier) {
  const std::string nom = nomSysteme(fichier);
  const journal::Erreur erreur = journal::ecrire(nom, lignes_);
  if (erreur != journal::Erreur::aucune) {
    if (statut) statut(versQt(journal::texteErreur(erreur, nom)));
    return false;
  }
  return true;
}

QString TfrmMessages::demanderFichierParDialogue() {
  QFileDialog SaveDialog(this);
  SaveDialog.setAcceptMode(QFileDialog::AcceptSave);
  SaveDialog.setFileMode(QFileDialog::AnyFile);
  SaveDialog.setNameFilter(filtreFichiers);
  SaveDialog.setDefaultSuffix(QStringLiteral("txt"));
  if (SaveDialog.exec() != QDialog::Accepted || SaveDialog.selectedFiles().isEmpty()) return {};
  return SaveDialog.selectedFiles().constFirst();
}

bool TfrmMessages::sauverMessagesSous() {
  const QString fichier = demanderFichier ? demanderFichier() : demanderFichierParDialogue();
  if (fichier.isEmpty()) return false;
  return sauverMessages(fichier);
}

}  // namespace irvad
