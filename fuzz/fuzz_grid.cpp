// Arbitrary bytes as a user's actions on the main window: keys typed into
// score fields, pastes from the clipboard, the clear buttons. Every state
// keeps the grid's invariants, and a save and a restart show it unchanged.

#include "fuzzWindow.h"
#include "fuzzInput.h"

#include "core/groups/fixtures.h"
#include "support/randomPlay.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <cstdint>

namespace {

struct TKey {
  Qt::Key key;
  Qt::KeyboardModifiers modifiers;
  char text;   // the character typed, 0 for none
};
const TKey Keys[] = {
  {Qt::Key_0, {}, '0'}, {Qt::Key_1, {}, '1'}, {Qt::Key_2, {}, '2'}, {Qt::Key_3, {}, '3'},
  {Qt::Key_4, {}, '4'}, {Qt::Key_5, {}, '5'}, {Qt::Key_6, {}, '6'}, {Qt::Key_7, {}, '7'},
  {Qt::Key_8, {}, '8'}, {Qt::Key_9, {}, '9'},
  {Qt::Key_Backspace, {}, 0}, {Qt::Key_Delete, {}, 0}, {Qt::Key_A, {}, 'a'},
  {Qt::Key_Minus, {}, '-'}, {Qt::Key_Space, {}, ' '},
  {Qt::Key_V, Qt::ControlModifier, 0}, {Qt::Key_X, Qt::ControlModifier, 0},
  {Qt::Key_Insert, Qt::ShiftModifier, 0}, {Qt::Key_Z, Qt::ControlModifier, 0},
  {Qt::Key_Home, {}, 0}, {Qt::Key_End, Qt::ShiftModifier, 0}, {Qt::Key_Left, {}, 0},
  {Qt::Key_A, Qt::ControlModifier, 0},
};

void PressKey(QLineEdit *f, const TKey &k)
{
  if (k.text)
    QTest::keyClick(f, k.text, k.modifiers);
  else
    QTest::keyClick(f, k.key, k.modifiers);
}

// Types a whole score over the field's text, as a user selecting it first.
void TypeScore(QLineEdit *f, const QString &digits)
{
  f->selectAll();
  if (digits.isEmpty())
    QTest::keyClick(f, Qt::Key_Backspace);
  else
    QTest::keyClicks(f, digits);
}

// Paste through the field's context menu, the one way a clipboard text
// reaches a score field.
void Paste(QLineEdit *f, const QString &clipboard, bool overSelection)
{
  if (overSelection)
    f->selectAll();
  else
    f->end(false);
  QApplication::clipboard()->setText(clipboard);
  QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(2, 2), f->mapToGlobal(QPoint(2, 2)));
  QApplication::sendEvent(f, &event);
  auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
  if (!menu) {
    if (f->isEnabled())
      FuzzFailure("no context menu", f->objectName());
    return;   // a disabled field offers no menu
  }
  if (auto *paste = menu->findChild<QAction *>(QStringLiteral("edit-paste")))
    paste->trigger();
  menu->close();
}

// The clear buttons: groups A..H, then the knockout stages.
std::vector<QPushButton *> ClearButtons(const TMainForm &form)
{
  std::vector<QPushButton *> buttons;
  for (int g = 0; g < GroupCount; ++g)
    buttons.push_back(form.button(QStringLiteral("Group%1DelButton").arg(GroupLetter(g))));
  for (const char *name : {"Final8DelButton", "Final4DelButton", "Final2DelButton", "ThirdDelButton",
                           "FinalDelButton"})
    buttons.push_back(form.button(QLatin1String(name)));
  buttons.push_back(form.button(QStringLiteral("ClearAllButton")));
  return buttons;
}

TFuzzWindow *Window = nullptr;
QStringList Pristine;   // the window as it opens on an empty folder

void CheckSaveAndRestart(const char *when)
{
  if (!SaveForm(*Window->form))
    FuzzFailure("save failed", Window->iniPath());
  CompareSnapshots(controlSnapshot(*Window->form), controlSnapshot(Window->restarted()), when);
}

void Play(TFuzzInput &in)
{
  TMainForm &form = *Window->form;
  const std::vector<QLineEdit *> fields = ScoreFields(form);
  const std::vector<QPushButton *> buttons = ClearButtons(form);
  auto anyField = [&] { return fields[in.next() % fields.size()]; };
  int restarts = 0;

  while (in.more()) {
    switch (in.next() % 8) {
    case 0:
    case 1:
    case 2:
      PressKey(anyField(), Keys[in.next() % std::size(Keys)]);
      break;
    case 3: {
      QLineEdit *f = anyField();
      const unsigned v = in.next() % 12;
      TypeScore(f, v < 10 ? QString::number(v) : v == 10 ? QString() : QString::number(in.next() % 100));
      break;
    }
    case 4: {
      QLineEdit *f = anyField();
      const unsigned how = in.next();
      QString clipboard;
      for (unsigned n = (how & 7) % 5; n > 0; --n)
        clipboard += QChar::fromLatin1(char(in.next()));
      Paste(f, clipboard, how & 8);
      break;
    }
    case 5: {
      QPushButton *b = buttons[in.next() % buttons.size()];
      Window->fake.dialogs->answers = {in.next() % 2 ? QMessageBox::Yes : QMessageBox::No};
      b->click();
      break;
    }
    case 6: {
      // A whole group played at once, so that inputs reach the knockout stage.
      const int g = int(in.next() % GroupCount);
      for (int m = 1; m <= MatchesPerGroup; ++m)
        for (int s = 1; s <= 2; ++s)
          TypeScore(form.field(GroupFieldName(g, m, s)), QString::number(in.next() % 5));
      break;
    }
    case 7:
      if (restarts++ < 2)
        CheckSaveAndRestart("save and restart changed the grid");
      break;
    }
    CheckGrid(form, true, "after an action");
  }
  CheckSaveAndRestart("save and restart changed the grid");
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
  StartFuzzApplication();
  Window = new TFuzzWindow;
  Window->form = std::make_unique<TMainForm>(Window->dir.path(), Window->fake.platform());
  Window->form->show();
  Pristine = controlSnapshot(*Window->form);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
  // The window is reused; cleared, it must be the window as it opened.
  TFuzzWindow::clearScores(*Window->form);
  Window->forgetDialogs();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  CompareSnapshots(Pristine, controlSnapshot(*Window->form), "clearing every stage leaves a trace");

  TFuzzInput in(data, size);
  Play(in);
  return 0;
}
