#pragma once
// The tournament as the settings file stores it: the texts of every score
// and penalty field, in the file's order (groups A to H, then the 1/8
// finals, quarter-finals, semi-finals, third place and final; in each
// section the matches' two scores, then their penalties).

#include <QList>
#include <QString>
#include <vector>

class TProfileFile;
class TTournament;

// Shared when copied: the history's steps and the grid's current texts
// hold one list until one of them changes.
using TResultTexts = QList<QString>;

// The result sections of a settings file's text; a missing key reads as no
// score, a text that is not a score as no score.
TResultTexts ReadResultTexts(const TProfileFile &ini);
// Whether every result section is there.
bool HasResultSections(const TProfileFile &ini);
// Writes the result sections, each after the file's other lines.
void WriteResultTexts(TProfileFile &ini, const TResultTexts &texts);

// The texts the tournament's score and penalty fields hold.
TResultTexts ResultTextsOf(const TTournament &tournament);

// Fills every score and penalty field from texts, each knockout stage after
// the groups, scores before penalties; the rules recompute the rest.
// Loading fills a grid just built or read; FieldByField runs every field's
// rule as it is filled, what the quicker ways must always equal; Restoring
// brings back a step of the history over any grid. Texts of another length
// than the fields' count change nothing.
enum class TFill { Loading, FieldByField, Restoring };
void FillResults(TTournament &tournament, const TResultTexts &texts, TFill how);
