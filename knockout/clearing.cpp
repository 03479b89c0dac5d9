// Clearing results: the panels' "x" buttons and Clear All. Only score fields
// are emptied here; everything else follows from their change handlers.

#include "app/brakkaMain.h"

#include "i18n/texts.h"

#include <QLineEdit>

void TMainForm::DelButtonClick(int stage)
{
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
  for (int stage = 0; stage < int(ClearLists.size()); ++stage)
    DelButtonClick(stage);
  unsetCursor();
}
