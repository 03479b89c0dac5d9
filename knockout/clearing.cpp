// Clearing results: the panels' "x" buttons and Clear All. Only score fields
// are emptied here; everything else follows from their change handlers.

#include "app/brakkaMain.h"

#include "groups/fixtures.h"
#include "i18n/texts.h"

#include <QLineEdit>

void TMainForm::DelButtonClick(int stage)
{
  const TStepScope step(*this, TStepKind::Clearing, stage);
  const TColourBatch colours(*this);
  for (QLineEdit *f : ClearLists.at(stage))
    f->setText(QString());
}

void TMainForm::ClearAllButtonClick()
{
  const QMessageBox::StandardButton answer = Platform.dialogs->message(
      this, TMsgIcon::Warning, Text(TText::ClearAllConfirmText), QMessageBox::Yes | QMessageBox::No);
  if (answer != QMessageBox::Yes)
    return;
  setCursor(Qt::WaitCursor);
  const TStepScope step(*this, TStepKind::ClearingAll);
  const TColourBatch colours(*this);
  // The end is what counts: every score empty and everything that follows
  // from that, which the window shows only once the clearing is over. The
  // knockout stages are emptied from the final back to the 1/8 finals, so
  // that no match is reset while the matches after it still hold scores
  // (the resets would run on to the end of the bracket again and again).
  // Emptied one field after the other, a group's table would be rebuilt
  // after each of its twelve fields: the group is emptied as a whole and
  // rebuilt once. This leaves every control as emptying the stages field by
  // field in their order does. The trace log records every rebuild, so with
  // the trace on the stages are emptied as the clear buttons do.
  if (BRAKKA_TRACE_ENABLED) {
    for (int stage = 0; stage < int(ClearLists.size()); ++stage)
      DelButtonClick(stage);
    unsetCursor();
    return;
  }
  for (int stage = int(ClearLists.size()) - 1; stage >= GroupCount; --stage)
    DelButtonClick(stage);
  for (int group = 0; group < GroupCount; ++group) {
    bool changed = false;
    HeldGroup = group;
    for (QLineEdit *f : ClearLists[group]) {
      changed = changed || !f->text().isEmpty();
      f->setText(QString());
    }
    HeldGroup = -1;
    if (changed)
      GroupChange(group);
  }
  unsetCursor();
}
