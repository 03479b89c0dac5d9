// The tournament report's lines. Every column of the report is described by
// the tables below; the writer walks them and pads what the window shows.

#include "core/report/reportLines.h"

#include "core/grid/gridState.h"
#include "core/groups/fixtures.h"
#include "core/i18n/names.h"
#include "core/i18n/texts.h"

#include <QHash>

namespace {

const QString Blank;

// Padding never cuts: a text longer than its column is written whole.
QString Right(const QString &text, int width) { return text.rightJustified(width, QLatin1Char(' ')); }
QString Left(const QString &text, int width) { return text.leftJustified(width, QLatin1Char(' ')); }

// One column of a group table: the control name stem ("Pts" gives the heading
// GAPtsLbl and the figures GAPts1 .. GAPts4), the width of the heading, its
// underline, and the width of the figures below it.
struct TTableColumn {
  const char *stem;
  int headingWidth;
  const char *underline;
  int figureWidth;
};
// Headings end in columns 22, 24, 26, 28, 30, 33, 36 and 40; the figures after
// the "1. " and the 15-column name end in 21, 24, 26, 28, 30, 33, 36 and 40.
constexpr TTableColumn TableColumns[] = {
  {"Pts", 22, "---", 3}, {"P", 2, "-", 3},  {"W", 2, "-", 2},  {"T", 2, "-", 2},
  {"L", 2, "-", 2},      {"GF", 3, "--", 3}, {"GA", 3, "--", 3}, {"PM", 4, "---", 4},
};
constexpr int TablePlaces = 4;

// The knockout stages in report order: title label, name prefix of the
// matches' controls, and the number of matches.
struct TReportStage {
  const char *title;
  const char *prefix;
  int matches;
};
constexpr TReportStage KnockoutStages[] = {
  {"Final8Lbl", "Final8", 8}, {"Final4Lbl", "Final4", 4}, {"Final2Lbl", "Final2", 2},
  {"ThirdLbl", "Third", 1},   {"FinalLbl", "Final", 1},
};

QString StageTitle(const QString &caption) { return UpperCaseAZ(caption) + QLatin1Char(':'); }

void AddBlanks(QStringList &lines, int count)
{
  for (int i = 0; i < count; ++i)
    lines.append(Blank);
}

void AddGroup(QStringList &lines, const TCaptionOf &captionOf, int group)
{
  const QString letter = GroupLetter(group);
  lines.append(StageTitle(captionOf(QStringLiteral("Group%1Lbl").arg(letter))));
  AddBlanks(lines, 1);
  for (int m = 1; m <= MatchesPerGroup; ++m)
    lines.append(ReportMatchLine(captionOf(GroupMatchLabelName(group, m, 1)),
                                 captionOf(GroupMatchLabelName(group, m, 2)),
                                 captionOf(GroupFieldName(group, m, 1)),
                                 captionOf(GroupFieldName(group, m, 2))));
  AddBlanks(lines, 2);

  QString heading, underline;
  for (const TTableColumn &c : TableColumns) {
    heading += Right(captionOf(QStringLiteral("G%1%2Lbl").arg(letter, QLatin1String(c.stem))),
                     c.headingWidth);
    underline += Right(QLatin1String(c.underline), c.headingWidth);
  }
  lines.append(heading);
  lines.append(underline);

  for (int place = 1; place <= TablePlaces; ++place) {
    QString row = QStringLiteral("%1. ").arg(place) + Left(captionOf(GroupTableName(group, "Name", place)), 15);
    for (const TTableColumn &c : TableColumns)
      row += Right(captionOf(GroupTableName(group, c.stem, place)), c.figureWidth);
    lines.append(row);
  }
  AddBlanks(lines, 3);
}

void AddStage(QStringList &lines, const TCaptionOf &captionOf, const TReportStage &stage)
{
  lines.append(StageTitle(captionOf(QLatin1String(stage.title))));
  AddBlanks(lines, 1);
  for (int m = 1; m <= stage.matches; ++m) {
    const auto part = [&](int side, const char *suffix) {
      return captionOf(KnockoutName(stage.prefix, m, side, suffix));
    };
    lines.append(ReportMatchLine(part(1, "Lbl"), part(2, "Lbl"), part(1, ""), part(2, ""),
                                 part(1, "pk"), part(2, "pk")));
  }
  AddBlanks(lines, 2);
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

QStringList ReportLines(const TCaptionOf &captionOf, int language)
{
  QStringList lines;
  lines.reserve(ReportLineCount);
  const QString title = ReportTitle(language);
  lines.append(title);
  lines.append(QString(title.size(), QLatin1Char('-')));
  AddBlanks(lines, 1);
  for (int group = 0; group < GroupCount; ++group)
    AddGroup(lines, captionOf, group);
  for (const TReportStage &stage : KnockoutStages)
    AddStage(lines, captionOf, stage);
  lines.append(captionOf(QStringLiteral("ChampionLbl")) + QStringLiteral(": ") +
               UpperCaseAZ(captionOf(QStringLiteral("Champion"))));
  AddBlanks(lines, 1);
  return lines;
}

QStringList ReportLines(const TGrid &grid, int language)
{
  // The headings the window gives its labels in that language.
  QHash<QString, QString> headings;
  for (int g = 0; g < GroupCount; ++g) {
    const QString letter = GroupLetter(g);
    headings.insert(QStringLiteral("Group") + letter + QStringLiteral("Lbl"), GroupTitle(language, g));
    for (int c = 0; c < TableColumnCount; ++c)
      headings.insert(QLatin1Char('G') + letter + QLatin1String(TableColumnName(c)) + QStringLiteral("Lbl"),
                      TableHeading(language, c));
  }
  for (int stage = 0; stage < KnockoutCount; ++stage)
    headings.insert(QLatin1String(KnockoutStage(stage).prefix) + QStringLiteral("Lbl"), KnockoutTitle(language, stage));
  headings.insert(QStringLiteral("ChampionLbl"), TextIn(language, TText::ChampionText));

  return ReportLines(
      [&](const QString &name) {
        TField field;
        TLabel label;
        if (FieldByName(name, field))
          return grid.text(field);
        if (LabelByName(name, label))
          return grid.caption(label);
        return headings.value(name);
      },
      language);
}
