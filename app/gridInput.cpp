#include "app/gridInput.h"

#include "app/brakkaCommon.h"
#include "app/gridControls.h"
#include "app/gridView.h"
#include "core/document/document.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>

namespace {

bool IsPress(const QKeyEvent *e) { return e->type() == QEvent::KeyPress; }

}  // namespace

TGridInput::TGridInput(TDocument &document, const TGridControls &controls, std::function<void()> celebrate,
                       QObject *parent)
    : QObject(parent), Document(document), Controls(controls), Celebrate(std::move(celebrate))
{
}

bool TGridInput::eventFilter(QObject *watched, QEvent *event)
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
    if (keyboardWay(watched, static_cast<QKeyEvent *>(event)))
      return true;
    if (auto *f = qobject_cast<QLineEdit *>(watched); f && event->type() == QEvent::KeyPress)
      return !keyPasses(f, static_cast<QKeyEvent *>(event));   // a dropped key is consumed here
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
      namePressed(l);
    break;
  case QEvent::MouseButtonRelease:
    // No pasting of the mouse selection into a score field.
    if (qobject_cast<QLineEdit *>(watched) && static_cast<QMouseEvent *>(event)->button() == Qt::MiddleButton)
      return true;
    if (auto *l = qobject_cast<QLabel *>(watched)) {
      auto *release = static_cast<QMouseEvent *>(event);
      // A click on the champion comes before the release's colouring.
      if (l == Controls.label(ChampionLabel()) && ChampionClickArmed && release->button() == Qt::LeftButton &&
          l->rect().contains(release->position().toPoint()))
        Celebrate();
      nameReleased(l);
    }
    break;
  case QEvent::MouseMove:
    if (watched == Controls.label(ChampionLabel()))
      championHovered();
    break;
  default:
    break;
  }
  return QObject::eventFilter(watched, event);
}

bool TGridInput::keyPasses(QLineEdit *field, QKeyEvent *event) const
{
  const std::optional<TControlId> id = Controls.idOf(field);
  const bool limit = !id || !IsResultField(TGridField(id->index)) || HasTwoCharLimit(ResultField(TGridField(id->index)));
  return KeyPassesFilter(event->key(), event->modifiers(), event->text(), int(field->text().size()),
                         int(field->selectedText().size()), limit);
}

// A key held on a team's label, or on a score field, shows the team as a
// press of the mouse does; Enter or Space on the champion opens the
// celebration; Left from the start of a score field reaches its team's
// label and Right comes back.
bool TGridInput::keyboardWay(QObject *watched, QKeyEvent *e)
{
  const std::optional<TControlId> id = Controls.idOf(watched);
  if (!id)
    return false;
  QLineEdit *field = nullptr;
  QLabel *team = nullptr;
  QLineEdit *score = nullptr;   // a label's own score field
  if (id->kind == TControlId::Field && IsResultField(TGridField(id->index))) {
    field = static_cast<QLineEdit *>(watched);
    const TFieldInfo &info = FieldInfo(ResultField(TGridField(id->index)));
    team = Controls.label(TeamLabel(info.of, info.side));
  } else if (id->kind == TControlId::Label) {
    team = static_cast<QLabel *>(watched);
    if (const std::optional<TMatchSide> at = MatchSideOf(TLabel(id->index)))
      score = Controls.field(ScoreField(at->match, at->side));
  }
  if (!team)
    return false;
  const bool champion = team == Controls.label(ChampionLabel());

  switch (e->key()) {
  case Qt::Key_Space:
    if (!e->isAutoRepeat() && IsPress(e) && champion && !field)
      Celebrate();
    else if (!e->isAutoRepeat() && IsPress(e))
      namePressed(team);
    else if (!e->isAutoRepeat())
      nameReleased(team);
    return true;
  case Qt::Key_Return:
  case Qt::Key_Enter:
    if (!champion || field)
      return false;
    if (IsPress(e) && !e->isAutoRepeat())
      Celebrate();
    return true;
  case Qt::Key_Left:
    if (!field || field->cursorPosition() != 0 || field->hasSelectedText() || !IsPress(e))
      return false;
    team->setFocus(Qt::OtherFocusReason);
    return true;
  case Qt::Key_Right:
    if (field || !IsPress(e) || !score)
      return false;
    score->setFocus(Qt::OtherFocusReason);
    return true;
  default:
    return false;
  }
}

void TGridInput::showScoreFieldMenu(QLineEdit *field, const QPoint &globalPos)
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
    // Its Undo and Redo are the document's.
    if (disconnect(action, &QAction::triggered, field, &QLineEdit::undo) ||
        disconnect(action, SIGNAL(triggered()), field, SLOT(undo()))) {
      action->setEnabled(Document.history().canUndo());
      connect(action, &QAction::triggered, &Document, &TDocument::undo);
    }
    if (disconnect(action, &QAction::triggered, field, &QLineEdit::redo) ||
        disconnect(action, SIGNAL(triggered()), field, SLOT(redo()))) {
      action->setEnabled(Document.history().canRedo());
      connect(action, &QAction::triggered, &Document, &TDocument::redo);
    }
  }
  menu->popup(globalPos);
}

void TGridInput::pasteWithinLimit(QLineEdit *field)
{
  QString text = PastedScore(QGuiApplication::clipboard()->text());
  const std::optional<TControlId> id = Controls.idOf(field);
  if (!id || HasTwoCharLimit(ResultField(TGridField(id->index)))) {
    const qsizetype room = 2 - (field->text().size() - field->selectedText().size());
    text.truncate(qMax<qsizetype>(0, room));
  }
  if (!text.isEmpty())
    field->insert(text);
}

// Pressing a name shows it in red wherever it appears; the favourite's name,
// and an empty label, which names no team, colour nothing.
void TGridInput::namePressed(QLabel *label)
{
  if (View && !label->text().isEmpty() && label->text() != Document.names().favourite)
    View->highlightTeam(label->text());
}

void TGridInput::nameReleased(QLabel *label)
{
  if (View && !label->text().isEmpty() && label->text() != Document.names().favourite)
    View->highlightFavourite();
}

// The Champion label is a link while it shows a team: the pointing hand as
// the mouse moves over it, and a click opens the celebration.
void TGridInput::championHovered()
{
  QLabel *champion = Controls.label(ChampionLabel());
  ChampionClickArmed = Document.tournament().champion() != NoTeam;
  if (ChampionClickArmed)
    champion->setCursor(Qt::PointingHandCursor);
  else
    champion->unsetCursor();
}
