// The tournament report's lines. Every column of the report is described by
// the tables below; the writer walks them and pads what the window shows.

#include "core/report/reportLines.h"

#include "core/groups/groupStage.h"
#include "core/tournament/tournament.h"
#include "core/i18n/names.h"
#include "core/i18n/texts.h"


namespace {

const QString Blank;

// Padding never cuts: a text longer than its column is written whole.
QString Right(const QString &text, int width) { return text.rightJustified(width, QLatin1Char(' ')); }
QString Left(const QString &text, int width) { return text.leftJustified(width, QLatin1Char(' ')); }

// The columns of a group table: the width of the heading, its underline, and
// the width of the figures below it. Headings end in columns 22, 24, 26, 28,
// 30, 33, 36 and 40; the figures after the "1. " and the 15-column name end
// in 21, 24, 26, 28, 30, 33, 36 and 40.
struct TTableColumn {
  int headingWidth;
  const char *underline;
  int figureWidth;
};
constexpr TTableColumn TableColumns[] = {
  {22, "---", 3}, {2, "-", 3}, {2, "-", 2}, {2, "-", 2},
  {2, "-", 2},    {3, "--", 3}, {3, "--", 3}, {4, "---", 4},
};

QString StageTitle(const QString &caption) { return UpperCaseAZ(caption) + QLatin1Char(':'); }

void AddBlanks(QStringList &lines, int count)
{
  for (int i = 0; i < count; ++i)
    lines.append(Blank);
}

QString MatchLine(const TReportMatch &m)
{
  return ReportMatchLine(m.team1, m.team2, m.score1, m.score2, m.pen1, m.pen2);
}

void AddGroup(QStringList &lines, const TReportTexts &texts, int group)
{
  lines.append(StageTitle(texts.groupTitles[std::size_t(group)]));
  AddBlanks(lines, 1);
  for (const TReportMatch &m : texts.groupMatches[std::size_t(group)])
    lines.append(MatchLine(m));
  AddBlanks(lines, 2);

  const TReportTable &table = texts.tables[std::size_t(group)];
  QString heading, underline;
  for (std::size_t c = 0; c < std::size(TableColumns); ++c) {
    heading += Right(table.headings[c], TableColumns[c].headingWidth);
    underline += Right(QLatin1String(TableColumns[c].underline), TableColumns[c].headingWidth);
  }
  lines.append(heading);
  lines.append(underline);

  for (int place = 1; place <= TeamsPerGroup; ++place) {
    const TReportTable::TRow &r = table.rows[std::size_t(place - 1)];
    QString row = QStringLiteral("%1. ").arg(place) + Left(r.name, 15);
    for (std::size_t c = 0; c < std::size(TableColumns); ++c)
      row += Right(r.figures[c], TableColumns[c].figureWidth);
    lines.append(row);
  }
  AddBlanks(lines, 3);
}

}  // namespace

QString UpperCaseAZ(const QString &text)
{
  QString upper = text;
  for (QChar &c : upper)
    if (c >= QLatin1Char('a') && c <= QLatin1Char('z'))
      c = QChar(c.unicode() - 'a' + 'A');
  return upper;
}

QString ReportTitle(int language)
{
  switch (language) {
  case LangSpanish: return QStringLiteral(u"BRAKKA - Corea/Japón");
  case LangFrench: return QStringLiteral(u"BRAKKA - Corée du Sud/Japon");
  default: return QStringLiteral("BRAKKA - Korea/Japan");
  }
}

QString ReportMatchLine(const QString &team1, const QString &team2, const QString &score1,
                        const QString &score2, const QString &pen1, const QString &pen2)
{
  QString line = Right(team1, 15) + QStringLiteral(" - ") + Left(team2, 15) + QStringLiteral(": ") +
                 Right(score1, 2) + QStringLiteral(" - ") + Left(score2, 2);
  if (!pen1.isEmpty() && !pen2.isEmpty())
    line += QStringLiteral(" pen.(") + pen1 + QLatin1Char('-') + pen2 + QLatin1Char(')');
  return line;
}

QStringList ReportLines(const TReportTexts &texts)
{
  QStringList lines;
  lines.reserve(ReportLineCount);
  const QString title = ReportTitle(texts.language);
  lines.append(title);
  lines.append(QString(title.size(), QLatin1Char('-')));
  AddBlanks(lines, 1);
  for (int group = 0; group < GroupCount; ++group)
    AddGroup(lines, texts, group);
  for (int stage = 0; stage < KnockoutCount; ++stage) {
    lines.append(StageTitle(texts.stageTitles[std::size_t(stage)]));
    AddBlanks(lines, 1);
    const TKnockoutStage &k = KnockoutStage(stage);
    for (int m = 0; m < k.matches; ++m)
      lines.append(MatchLine(texts.knockoutMatches[std::size_t(k.first + m)]));
    AddBlanks(lines, 2);
  }
  lines.append(texts.championTitle + QStringLiteral(": ") + UpperCaseAZ(texts.champion));
  AddBlanks(lines, 1);
  return lines;
}

TReportTexts ReportTexts(const TTournament &tournament, int language)
{
  const TTeamNameList names = TeamNamesIn(language);
  TReportTexts texts;
  texts.language = language;
  auto matchTexts = [&](const TMatchState &m) {
    return TReportMatch{ShownTeam(names, m.teams[0]), ShownTeam(names, m.teams[1]), m.goals[0],
                        m.goals[1], m.penalties[0], m.penalties[1]};
  };
  for (int g = 0; g < GroupCount; ++g) {
    texts.groupTitles[std::size_t(g)] = GroupTitle(language, g);
    for (int m = 0; m < MatchesPerGroup; ++m)
      texts.groupMatches[std::size_t(g)][std::size_t(m)] = matchTexts(tournament.match(GroupMatch(g, m)));
    TReportTable &table = texts.tables[std::size_t(g)];
    for (int c = 0; c < TableColumnCount; ++c)
      table.headings[std::size_t(c)] = TableHeading(language, c);
    for (int r = 0; r < TeamsPerGroup; ++r) {
      const TTeamRec &line = tournament.groupTable(g)[std::size_t(r)];
      table.rows[std::size_t(r)].name = ShownTeam(names, line.TeamName);
      for (int c = 0; c < TableColumnCount; ++c)
        table.rows[std::size_t(r)].figures[std::size_t(c)] = TableFigureText(line, c);
    }
  }
  for (int k = 0; k < KnockoutCount; ++k) {
    texts.stageTitles[std::size_t(k)] = KnockoutTitle(language, k);
    for (int m = 0; m < KnockoutStage(k).matches; ++m)
      texts.knockoutMatches[std::size_t(KnockoutStage(k).first + m)] =
          matchTexts(tournament.knockoutMatch(k, m));
  }
  texts.championTitle = TextIn(language, TText::ChampionText);
  texts.champion = ShownTeam(names, tournament.champion());
  return texts;
}
