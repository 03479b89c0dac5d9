#pragma once
// View > Export to calendar and the schedule window's button.

#include "core/i18n/names.h"

#include <QString>
#include <array>

class QWidget;
class TDialogs;
class TTournament;

// Writes the match calendar as the tournament stands now (teams and
// results) to an iCalendar file the user chooses, its words in the
// language; the dialogs belong to parent.
void ExportCalendar(QWidget *parent, const TTournament &tournament, int language, TDialogs &dialogs);
