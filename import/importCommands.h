#pragma once
// File > Import results… and File > Export results….

class QString;
class QWidget;
class TDialogs;
class TDocument;
class TTournament;
struct TResultsFile;

// Asks for a results file, reads it and shows what importing it does; Apply
// gives the document its results as one step. A file that cannot be read
// is said so, and changes nothing.
void ImportResults(QWidget *parent, TDocument &document, TDialogs &dialogs);
// Writes the typed results as openfootball's JSON to a file the user chooses.
void ExportResults(QWidget *parent, const TTournament &tournament, int language, TDialogs &dialogs);

// Why a file gives no results, in the language: the file at path (named by
// its name), and what is wrong with it.
QString ResultsFileProblem(const TResultsFile &file, const QString &path, int language);
