// The champion's celebration.

#include "app/brakkaMain.h"

void TMainForm::ChampionMouseMove() {}

void TMainForm::ChampionClick() {}
