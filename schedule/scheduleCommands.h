#pragma once
// View > Game Schedule.

#include "core/i18n/names.h"

#include <QString>
#include <array>

class QWidget;
class TDialogs;
class TGrid;
class TRegionalFormats;

// The game schedule window, modal over parent: every match with its
// kick-off in formats, moved by timeZoneOffset (days), and its teams as grid
// holds them; texts in language. Its export button writes the calendar
// (schedule/calendarCommand.h) with the venues' names.
void ShowSchedule(QWidget *parent, const TGrid &grid, int language, const TRegionalFormats &formats,
                  double timeZoneOffset, const std::array<QString, VenueCount> &venueNames,
                  TDialogs &dialogs);
