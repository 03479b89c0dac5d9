#pragma once
// File > Wall chart… and File > Print wall chart…: the whole tournament on
// one page of the paper chosen in the options, written as a PDF, SVG or PNG
// file or printed.

class QDate;
class QWidget;
class TDialogs;
class TPrinting;
class TRegionalFormats;
class TTournament;
struct TPreferences;

// Asks for a file in the save dialog and writes the chart there, in the
// format its name's ending chooses (.pdf, .svg, .png); another ending is
// said and nothing is written. The dialogs belong to parent.
void SaveWallChart(QWidget *parent, const TTournament &tournament, const TPreferences &preferences,
                   const TRegionalFormats &formats, TDialogs &dialogs);
// Shows the print dialog and prints the chart on the printer chosen there,
// or writes it to the file the dialog names (or the save dialog asks for).
void PrintWallChart(QWidget *parent, const TTournament &tournament, const TPreferences &preferences,
                    const TRegionalFormats &formats, TPrinting &printing, TDialogs &dialogs);
