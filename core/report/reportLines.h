#pragma once
// The tournament report's text: a snapshot of the main window in 193 fixed
// column lines. The writer reads every team name, score, table figure and
// heading through a function that returns the text of a field or the caption
// of a label by its name, so it needs no window and computes nothing.

#include <QString>
#include <QStringList>
#include <functional>

class TGrid;

using TCaptionOf = std::function<QString(const QString &controlName)>;

constexpr int ReportLineCount = 193;

// The whole report, one entry per line, without line ends. language: 1
// Spanish, 2 French, anything else English (it only chooses the title).
QStringList ReportLines(const TCaptionOf &captionOf, int language);

// The report of a tournament's grid: its scores, team names and table
// figures, with the headings and the title in language.
QStringList ReportLines(const TGrid &grid, int language);

// The report's title line in a language, e.g. "BRAKKA - Korea/Japan".
QString ReportTitle(int language);

// Upper-cases the letters a..z only; accented letters stay as they are.
QString UpperCaseAZ(const QString &text);

// One match: "      Brazil - Turkey         :  2 - 1 ", followed by
// " pen.(p1-p2)" when both shoot-out texts are given. Texts longer than their
// column are written whole.
QString ReportMatchLine(const QString &team1, const QString &team2, const QString &score1,
                        const QString &score2, const QString &pen1 = QString(),
                        const QString &pen2 = QString());
