// The panels' "x" buttons and Clear All, as the window runs them.

#include "app/brakkaMain.h"

#include "knockout/clearing.h"
#include "i18n/texts.h"

void TMainForm::DelButtonClick(int stage)
{
  ClearStage(Engine, stage);
  showChanges();
  endStep(TStepKind::Clearing, TField(), stage);
}

void TMainForm::ClearAllButtonClick()
{
  const QMessageBox::StandardButton answer = Platform.dialogs->message(
      this, TMsgIcon::Warning, Text(TText::ClearAllConfirmText), QMessageBox::Yes | QMessageBox::No);
  if (answer != QMessageBox::Yes)
    return;
  setCursor(Qt::WaitCursor);
  ClearAll(Engine);
  showChanges();
  endStep(TStepKind::ClearingAll, TField(), -1);
  unsetCursor();
}
