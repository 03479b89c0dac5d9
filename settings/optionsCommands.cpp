// The options dialog as the main window uses it.

#include "app/brakkaMain.h"

void TMainForm::Options1Click() {}

void TMainForm::SetFirstTimeGroups() {}
