#pragma once
// The Champion label: a link to the celebration while it shows a team.

class TMainForm;

// Opens the celebration of the champion the tournament holds, for the
// favourite chosen in the options.
void CelebrateChampion(TMainForm &form);
