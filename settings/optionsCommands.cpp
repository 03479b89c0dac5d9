// The options dialog as the main window uses it, and carrying the team
// labels into a newly chosen language.

#include "app/brakkaMain.h"

#include "groups/fixtures.h"
#include "i18n/names.h"
#include "settings/optionsForm.h"
#include "settings/preferences.h"

#include <QLabel>
#include <memory>

void TMainForm::Options1Click()
{
  // Each opening builds a new dialog, released once it is closed.
  const auto options = std::make_unique<TOptionsForm>(this);
  Platform.dialogs->showModal(options.get());
  SetFirstTimeGroups();
}

void TMainForm::SetFirstTimeGroups()
{
  if (!RelabelRequest)
    return;
  RelabelRequest = false;
  for (int g = 0; g < GroupCount; ++g)
    for (int r = 1; r <= 4; ++r)
      PopulateGroupTeamName(label(GroupTableName(g, "Name", r)));
  const TKnockoutStage stages[5] = {{"Final8", 8}, {"Final4", 4}, {"Final2", 2}, {"Third", 1},
                                    {"Final", 1}};
  for (const TKnockoutStage &stage : stages)
    for (int k = 1; k <= stage.matches; ++k)
      for (int side = 1; side <= 2; ++side)
        PopulateGroupTeamName(label(KnockoutName(stage.prefix, k, side, "Lbl")));
  PopulateGroupTeamName(label(QStringLiteral("Champion")));
  HighlightFavourite();
}

void TMainForm::PopulateGroupTeamName(QLabel *label)
{
  label->setText(TranslateTeamName(label->text()));
}
