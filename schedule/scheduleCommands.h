#pragma once
// View > Game Schedule.

#include "core/i18n/names.h"

#include <QString>
#include <array>

class QWidget;
class TDialogs;
class TTournament;
class TRegionalFormats;

// The game schedule window, modal over parent: every match with its
// kick-off in formats, moved by timeZoneOffset (days), and its teams as the
// tournament has them; texts in language. Its export button writes the
// calendar (schedule/calendarCommand.h).
void ShowSchedule(QWidget *parent, const TTournament &tournament, int language, const TRegionalFormats &formats,
                  double timeZoneOffset, TDialogs &dialogs);
