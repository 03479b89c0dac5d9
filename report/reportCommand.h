#pragma once
// File > Print Report: the tournament report to the printer, or to a file.

class QFont;
class QWidget;
class TDialogs;
class TTournament;
class TPrinting;

// Prints the report of the tournament, with its headings in language, in printerFont;
// or writes it to the file the print dialog names (a PDF for a .pdf name,
// else the text), or to a text file chosen in the save dialog. The dialogs
// and the messages of a failure belong to parent.
void PrintReport(QWidget *parent, const TTournament &tournament, int language, const QFont &printerFont,
                 TPrinting &printing, TDialogs &dialogs);
