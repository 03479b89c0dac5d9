#include "app/brakkaMain.h"

#include "app/championLabel.h"
#include "app/accessibility.h"
#include "app/brakkaCommon.h"
#include "app/figureField.h"
#include "app/gridBuild.h"
#include "core/groups/fixtures.h"
#include "app/hints.h"
#include "app/teamColours.h"
#include "app/undoHistory.h"
#include "core/groups/brakkaDebug.h"
#include "core/i18n/names.h"
#include "core/i18n/texts.h"
#include "settings/settingsPlace.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <memory>

TMainForm::TMainForm(QWidget *parent)
    : TMainForm(SettingsFolder(QCoreApplication::applicationDirPath()), TPlatform::desktop(), parent)
{
}

TMainForm::TMainForm(const QString &settingsDir, TPlatform platform, QWidget *parent)
    : QMainWindow(parent), SettingsDir(settingsDir), Platform(std::move(platform))
{
  setObjectName(QStringLiteral("MainForm"));
  QFont font(QStringLiteral("Liberation Sans"));
  font.setPixelSize(11);
  setFont(font);
  setWindowTitle(QStringLiteral("Brakka"));
  resize(805, 604);

  TFigureField::UseUnshapedFont();
  InstallAccessibleNames();
  buildMenu();
  TGridBuilder(*this).build();
  History = std::make_unique<THistory>(*this);
  FormCreate();
}

TMainForm::~TMainForm() = default;

QLineEdit *TMainForm::field(const QString &name) const { return Controls.fields.value(name); }
QLabel *TMainForm::label(const QString &name) const { return Controls.labels.value(name); }
QPushButton *TMainForm::button(const QString &name) const { return Controls.buttons.value(name); }
QAction *TMainForm::menuItem(const QString &name) const { return Controls.menuItems.value(name); }

void TMainForm::FormCreate()
{
  StartTrace();
  SetHintHidePause(10000);
  ReadAll();
  ApplyLanguage();
  History->OfferRecovery();
}

void TMainForm::closeEvent(QCloseEvent *event) { FormClose(event); }

void TMainForm::FormClose(QCloseEvent *event)
{
  const QMessageBox::StandardButton answer = Platform.dialogs->message(
      this, TMsgIcon::Question, TextIn(Prefs.language, TText::SaveBeforeExitText),
      QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
  if (answer == QMessageBox::Yes) {
    if (!SaveAll()) {
      event->ignore();
      return;
    }
  } else if (answer != QMessageBox::No) {
    event->ignore();
    return;
  }
  // Whatever the answer, nothing is left to recover once the window closes.
  History->closeRecovery();
  EndTrace();
  event->accept();
}

void TMainForm::OKButtonClick() { close(); }

void TMainForm::SaveButtonClick() { SaveAll(); }

bool TMainForm::eventFilter(QObject *watched, QEvent *event)
{
  switch (event->type()) {
  case QEvent::ShortcutOverride:
    // The window's Undo and Redo take over from the field's own: the field
    // could never bring back what the cascade emptied.
    if (qobject_cast<QLineEdit *>(watched)) {
      const auto *key = static_cast<QKeyEvent *>(event);
      if (key->matches(QKeySequence::Undo) || key->matches(QKeySequence::Redo))
        return true;
    }
    break;
  case QEvent::KeyPress:
  case QEvent::KeyRelease:
    if (KeyboardWay(watched, static_cast<QKeyEvent *>(event)))
      return true;
    if (auto *f = qobject_cast<QLineEdit *>(watched); f && event->type() == QEvent::KeyPress)
      return myKeyPress(f, static_cast<QKeyEvent *>(event));
    break;
  case QEvent::InputMethod:
    // Text composed by an input method bypasses the key filter: none is taken.
    return qobject_cast<QLineEdit *>(watched) != nullptr;
  case QEvent::ContextMenu:
    // A disabled field has no menu (and so no Paste), as with other input.
    if (auto *f = qobject_cast<QLineEdit *>(watched)) {
      if (f->isEnabled())
        showScoreFieldMenu(f, static_cast<QContextMenuEvent *>(event)->globalPos());
      return true;
    }
    break;
  case QEvent::MouseButtonPress:
  case QEvent::MouseButtonDblClick:
    if (auto *l = qobject_cast<QLabel *>(watched))
      GAName1MouseDown(l);
    break;
  case QEvent::MouseButtonRelease:
    // No pasting of the mouse selection into a score field.
    if (qobject_cast<QLineEdit *>(watched) &&
        static_cast<QMouseEvent *>(event)->button() == Qt::MiddleButton)
      return true;
    if (auto *l = qobject_cast<QLabel *>(watched)) {
      auto *release = static_cast<QMouseEvent *>(event);
      // A click on the champion comes before the release's colouring.
      if (l == label(QStringLiteral("Champion")) && ChampionClickArmed &&
          release->button() == Qt::LeftButton && l->rect().contains(release->position().toPoint()))
        CelebrateChampion(*this);
      GAName1MouseUp(l);
    }
    break;
  case QEvent::MouseMove:
    if (watched == label(QStringLiteral("Champion")))
      ChampionMouseMove();
    break;
  default:
    break;
  }
  return QMainWindow::eventFilter(watched, event);
}

bool TMainForm::myKeyPress(QLineEdit *field, QKeyEvent *event)
{
  const bool pass = KeyPassesFilter(event->key(), event->modifiers(), event->text(),
                                    int(field->text().size()), int(field->selectedText().size()),
                                    Controls.twoCharLimit.value(field, true));
  return !pass;   // a dropped key is consumed here
}

void TMainForm::showScoreFieldMenu(QLineEdit *field, const QPoint &globalPos)
{
  QMenu *menu = field->createStandardContextMenu();
  menu->setAttribute(Qt::WA_DeleteOnClose);
  // The menu's Paste is the action connected to the field's paste(); ours
  // takes only a score, within the typing limit.
  for (QAction *action : menu->actions()) {
    if (disconnect(action, &QAction::triggered, field, &QLineEdit::paste) ||
        disconnect(action, SIGNAL(triggered()), field, SLOT(paste()))) {
      action->setObjectName(QStringLiteral("edit-paste"));
      connect(action, &QAction::triggered, this, [this, field] { pasteWithinLimit(field); });
    }
    // Its Undo and Redo are the window's.
    if (disconnect(action, &QAction::triggered, field, &QLineEdit::undo) ||
        disconnect(action, SIGNAL(triggered()), field, SLOT(undo()))) {
      action->setEnabled(History->Steps.canUndo());
      connect(action, &QAction::triggered, this, &TMainForm::Undo1Click);
    }
    if (disconnect(action, &QAction::triggered, field, &QLineEdit::redo) ||
        disconnect(action, SIGNAL(triggered()), field, SLOT(redo()))) {
      action->setEnabled(History->Steps.canRedo());
      connect(action, &QAction::triggered, this, &TMainForm::Redo1Click);
    }
  }
  menu->popup(globalPos);
}

void TMainForm::pasteWithinLimit(QLineEdit *field)
{
  QString text = PastedScore(QGuiApplication::clipboard()->text());
  if (Controls.twoCharLimit.value(field, true)) {
    const qsizetype room = 2 - (field->text().size() - field->selectedText().size());
    text.truncate(qMax<qsizetype>(0, room));
  }
  if (!text.isEmpty())
    field->insert(text);
}

// Pressing a name shows it in red wherever it appears; the favourite's name,
// and an empty label, which names no team, colour nothing.
void TMainForm::GAName1MouseDown(QLabel *label)
{
  if (!label->text().isEmpty() && label->text() != Names.favourite)
    HighlightTeam(label->text());
}

void TMainForm::GAName1MouseUp(QLabel *label)
{
  if (!label->text().isEmpty() && label->text() != Names.favourite)
    HighlightFavourite();
}

void TMainForm::HighlightFavourite()
{
  Colours->showFavourite(Names.favourite);
  AnnounceGridChanges(this);   // each change of the grid ends here
}

void TMainForm::HighlightTeam(const QString &name) { Colours->showPressed(name, Names.favourite); }
