// The game schedule window and the kick-off hints of the grid.

#include "app/brakkaMain.h"

void TMainForm::Schedule1Click() {}

void TMainForm::SetMatchHints() {}
