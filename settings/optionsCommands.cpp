// The options dialog as the main window uses it, and carrying the team
// labels into a newly chosen language.

#include "app/brakkaMain.h"

#include "i18n/names.h"
#include "settings/optionsForm.h"
#include "settings/preferences.h"

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
  Engine.relabel(PreviousTeamNames);
  showChanges();
}
