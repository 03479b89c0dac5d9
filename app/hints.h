#pragma once
// How long a hint (tool tip) stays visible, for the whole application.

void SetHintHidePause(int milliseconds);
int HintHidePause();
