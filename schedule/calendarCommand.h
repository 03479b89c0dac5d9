#pragma once
// View > Export to calendar and the schedule window's button.

#include "core/i18n/names.h"

#include <QString>
#include <array>

class QWidget;
class TDialogs;
class TGrid;

// Writes the match calendar as grid holds it now (teams and results) to an
// iCalendar file the user chooses, each match at its venue's name, its words
// in the language; the dialogs belong to parent.
void ExportCalendar(QWidget *parent, const TGrid &grid, int language,
                    const std::array<QString, VenueCount> &venueNames,
                    TDialogs &dialogs);
