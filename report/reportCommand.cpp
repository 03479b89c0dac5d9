// The tournament report.

#include "app/brakkaMain.h"

void TMainForm::Report1Click() {}
