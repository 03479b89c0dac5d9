// The settings file Brakka.ini: every score and the preferences.

#include "app/brakkaMain.h"

#include "i18n/names.h"

bool TMainForm::SaveAll() { return true; }

void TMainForm::ReadAll()
{
  ResetPreviousTeamNames();
  ApplyLanguage();
}

void TMainForm::CalculateAll() {}
