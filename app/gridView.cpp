// The grid as the engine's view: input goes to the engine, and what the
// engine changed is written into the controls, each once.

#include "app/brakkaMain.h"
#include "app/undoHistory.h"

#include "app/accessibility.h"
#include "app/brakkaCommon.h"
#include "app/teamColours.h"
#include "core/i18n/texts.h"
#include "core/knockout/clearing.h"

#include <QLabel>
#include <QLineEdit>

void TMainForm::fieldEdited(TField field)
{
  const QLineEdit *f = Controls.fieldById[Index(field)];
  if (!f || f->text() == Engine.grid().text(field))
    return;   // the window showing the engine's own text
  Engine.setText(field, f->text());
  showChanges();
  History->endStep(TStepKind::Typing, field, -1);
}

void TMainForm::fillResults(const TResultTexts &texts, TFill how)
{
  FillResults(Engine, texts, how);
  showChanges();
}

// Flags are written when the engine's differ from those last shown; texts
// when they differ from the control's own, which the user may have typed.
void TMainForm::showChanges()
{
  const TGrid::TChanges changes = Engine.takeChanges();
  const TGrid &grid = Engine.grid();
  for (std::size_t i = 0; i < std::size_t(FieldCount); ++i) {
    if (!changes.fields.test(i))
      continue;
    QLineEdit *w = Controls.fieldById[i];
    const TFieldState &s = grid.field(TField(i));
    if (w->text() != s.text)
      w->setText(s.text);
    if (Shown.setEnabled(TField(i), s.enabled))
      w->setEnabled(s.enabled);
    if (Shown.setHidden(TField(i), s.hidden))
      w->setVisible(!s.hidden);
  }
  for (std::size_t i = 0; i < std::size_t(LabelCount); ++i) {
    if (!changes.labels.test(i))
      continue;
    QLabel *w = Controls.labelById[i];
    const TLabelState &s = grid.label(TLabel(i));
    if (w->text() != s.caption)
      w->setText(s.caption);
    if (Shown.setBold(TLabel(i), s.bold))
      SetBold(w, s.bold);
    if (Shown.setEnabled(TLabel(i), s.enabled))
      w->setEnabled(s.enabled);
  }
  // The marks' hints say what the outlook means for the team at each place.
  for (int g = 0; g < GroupCount; ++g) {
    const TGroupStage::TShownOutlook &now = Engine.groups().outlooks[std::size_t(g)];
    const TGroupStage::TShownOutlook &shown = ShownOutlooks[std::size_t(g)];
    if (now.outlook != shown.outlook || now.teamAt != shown.teamAt)
      WriteOutlookMarks(g);
  }
  // The colours follow the texts and the favourite: unchanged both, they stand.
  if (changes.any() || !Colours->showing(Names.favourite))
    HighlightFavourite();
  else
    AnnounceGridChanges(this);   // a language's new names are still told
}

void TMainForm::DelButtonClick(int stage)
{
  ClearStage(Engine, stage);
  showChanges();
  History->endStep(TStepKind::Clearing, TField(), stage);
}

void TMainForm::ClearAllButtonClick()
{
  const QMessageBox::StandardButton answer = Platform.dialogs->message(
      this, TMsgIcon::Warning, TextIn(Prefs.language, TText::ClearAllConfirmText),
      QMessageBox::Yes | QMessageBox::No);
  if (answer != QMessageBox::Yes)
    return;
  setCursor(Qt::WaitCursor);
  ClearAll(Engine);
  showChanges();
  History->endStep(TStepKind::ClearingAll, TField(), -1);
  unsetCursor();
}
