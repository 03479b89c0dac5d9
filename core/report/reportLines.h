#pragma once
// The tournament report's text: 193 fixed-column lines with every score,
// team and table figure, under headings in the interface language. The
// lines are laid out from the texts of the report's parts, which are made
// from the tournament and the language.

#include "core/tournament/ids.h"

#include <QString>
#include <QStringList>
#include <array>

class TTournament;

constexpr int ReportLineCount = 193;

// One match: the teams, the scores and the shoot-out as shown.
struct TReportMatch {
  QString team1, team2, score1, score2, pen1, pen2;
};
// A group's table: its eight headings and four places (name and figures).
struct TReportTable {
  std::array<QString, 8> headings;
  struct TRow {
    QString name;
    std::array<QString, 8> figures;
  };
  std::array<TRow, TeamsPerGroup> rows;
};
struct TReportTexts {
  int language = 0;   // 1 Spanish, 2 French, anything else English: it only chooses the title
  std::array<QString, GroupCount> groupTitles;
  std::array<std::array<TReportMatch, MatchesPerGroup>, GroupCount> groupMatches;
  std::array<TReportTable, GroupCount> tables;
  std::array<QString, KnockoutCount> stageTitles;
  std::array<TReportMatch, KnockoutMatchCount> knockoutMatches;   // stage by stage
  QString championTitle;
  QString champion;
};

// The texts of a tournament's report in a language: the team names of that
// language, the placeholder for an undecided slot, the scores as typed.
TReportTexts ReportTexts(const TTournament &tournament, int language);

// The whole report, one entry per line, without line ends.
QStringList ReportLines(const TReportTexts &texts);

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
