#include "core/chart/chartLayout.h"

#include "core/i18n/names.h"
#include "core/i18n/texts.h"
#include "core/knockout/bracket.h"
#include "core/schedule/calendar.h"
#include "core/schedule/calendarExport.h"
#include "core/schedule/regional.h"
#include "core/tournament/tournament.h"

#include <QDateTime>
#include <algorithm>
#include <array>
#include <cstring>

namespace {

// Sizes are in row units, which the page's size gives.

// Font sizes by role.
constexpr qreal FontRows[ChartRoleCount] = {1.9, 0.95, 0.8, 0.78, 0.64, 1.5};

// Heights.
constexpr qreal TitleRows = 2.6;
constexpr qreal BandGap = 0.6;
constexpr qreal PanelTitle = 1.4;
constexpr qreal MatchLine = 1.15;
constexpr qreal DetailLine = 0.95;
constexpr qreal TableGap = 0.3;
constexpr qreal TableHead = 1.0;
constexpr qreal TableLine = 1.15;
constexpr qreal PanelRows = PanelTitle + MatchesPerGroup * (MatchLine + DetailLine) + TableGap + TableHead +
                            TeamsPerGroup * TableLine + 0.5;
constexpr qreal StageHead = 1.4;
constexpr qreal BoxPad = 0.1;
constexpr qreal BoxTeam = 1.2;
constexpr qreal BoxDetail = 1.0;
constexpr qreal BoxRows = 2 * BoxPad + 2 * BoxTeam + BoxDetail;
constexpr qreal BoxGap = 0.8;
constexpr qreal BracketRows = StageHead + 4 * BoxRows + 3 * BoxGap;
constexpr qreal PageRows = TitleRows + 2 * PanelRows + BracketRows + 3 * BandGap;
constexpr qreal ChampionRows = 3.4;

// Widths.
constexpr qreal PageColumns = 92;
constexpr qreal PanelGap = 0.9;
constexpr qreal Pad = 0.45;          // inside a box, left and right
constexpr qreal ColumnGap = 1.9;     // between the bracket's columns, for its lines
constexpr qreal CentreWeight = 1.3;  // the middle column's width, in bracket columns
constexpr qreal ScoreBox = 1.4;      // a group match's score box, at least
constexpr qreal ScoreBoxMost = 3.2;  // and at most
constexpr qreal ScoreGap = 0.3;

constexpr qreal MarginOfPage = 0.035;   // of the page's shorter side
constexpr qreal LineRows = 0.06;

constexpr qreal PointsPerMm = 72.0 / 25.4;

// The bracket's two halves, each running from four pairs of 1/8 finals to
// a semi-final; the halves meet in the final.
struct THalf {
  int semi;                  // the semi-final, 0 or 1
  std::array<int, 2> quarters;   // by the semi-final's sides
  std::array<int, 4> eighths;    // top to bottom: the quarters' sides in turn
};

// The matches of a stage whose winners go to a match of the next stage, by
// the side they go to (matches from 0).
std::array<int, 2> Feeders(const char *prefix, const char *nextPrefix, int next)
{
  std::array<int, 2> sides{-1, -1};
  for (const TBracketMatch &b : Bracket())
    if (std::strcmp(b.prefix, prefix) == 0 && std::strcmp(b.nextPrefix, nextPrefix) == 0 &&
        b.nextMatch == next + 1)
      sides[std::size_t(b.nextSide - 1)] = b.match - 1;
  return sides;
}

THalf HalfOf(int semi)
{
  THalf h{semi, Feeders("Final4", "Final2", semi), {}};
  for (int q = 0; q < 2; ++q) {
    const std::array<int, 2> e = Feeders("Final8", "Final4", h.quarters[std::size_t(q)]);
    h.eighths[std::size_t(2 * q)] = e[0];
    h.eighths[std::size_t(2 * q + 1)] = e[1];
  }
  return h;
}

class TBuilder {
public:
  TBuilder(const TTournament &tournament, const TPreferences &preferences, const TRegionalFormats &formats,
           const QDate &printed, const QSizeF &page, const TChartMetrics &metrics, qreal unit, qreal factor)
      : Tournament(tournament), Formats(formats), Metrics(metrics), Language(preferences.language),
        Favourite(preferences.favorite >= 1 && preferences.favorite <= TeamCount ? TTeam(preferences.favorite)
                                                                                 : NoTeam),
        Offset(preferences.timeZoneOffset), Printed(printed), Names(TeamNamesIn(preferences.language)),
        U(unit), Factor(factor)
  {
    Out.page = page;
    Out.lineWidth = LineRows * U;
  }

  TChartLayout build();

private:
  TChartFont font(TChartRole role, bool bold) const { return {role, FontRows[int(role)] * U * Factor, bold}; }
  qreal width(TChartRole role, bool bold, const QString &text) const
  {
    return text.isEmpty() ? 0 : Metrics.width(font(role, bold), text);
  }
  void text(const QRectF &box, const QString &text, TChartRole role, bool bold, TChartAlign align,
            TChartInk ink = TChartInk::Text)
  {
    if (!text.isEmpty())
      Out.texts.push_back({box, text, font(role, bold), align, ink});
  }
  // A score or a shoot-out as typed, which may be any number of digits: its
  // font is made smaller where the text is wider than its box.
  void figure(const QRectF &box, const QString &text, bool bold, TChartAlign align)
  {
    if (text.isEmpty())
      return;
    TChartFont f = font(TChartRole::Team, bold);
    const qreal w = Metrics.width(f, text);
    if (w > box.width())
      f.size *= box.width() / w * 0.98;
    Out.texts.push_back({box, text, f, align, TChartInk::Text});
  }
  void box(const QRectF &box, TChartFill fill) { Out.boxes.push_back({box, fill}); }
  TChartInk inkOf(TTeam team) const { return team != NoTeam && team == Favourite ? TChartInk::Favourite : TChartInk::Text; }
  QString kickoff(TMatch match) const;

  void title(const QRectF &row);
  void groupPanel(int group, const QRectF &panel);
  void knockoutBox(TMatch match, const QRectF &box);
  void bracket(const QRectF &band);
  void connect(const QRectF &from, const QRectF &to, int side);

  const TTournament &Tournament;
  const TRegionalFormats &Formats;
  const TChartMetrics &Metrics;
  const int Language;
  const TTeam Favourite;
  const double Offset;
  const QDate Printed;
  const TTeamNameList Names;
  const qreal U;
  const qreal Factor;
  TChartLayout Out;
};

// "15/06/2002 20:30 · Seogwipo"; a knockout match's number before it, which
// the undecided slots name.
QString TBuilder::kickoff(TMatch match) const
{
  const TCalendarMatch &entry = CalendarOf(match);
  const QDateTime moment = ShownKickoff(entry, Offset);
  const QString dot = QStringLiteral(" \u00B7 ");
  QString text = Formats.shortDate(moment) + QLatin1Char(' ') + Formats.shortTime(moment) + dot +
                 VenueShortName(VenueNameIn(Language, entry.venue));
  if (!IsGroupMatch(match))
    text = QString::number(MatchNumber(match)) + dot + text;
  return text;
}

void TBuilder::title(const QRectF &row)
{
  QString name = TextIn(Language, TText::BrakkaKoreaJapan1);
  name.remove(QLatin1Char('&'));
  const qreal split = row.width() * 0.7;
  text(QRectF(row.left(), row.top(), split, row.height()), name, TChartRole::Title, true, TChartAlign::Left);
  const QString date = Formats.shortDate(QDateTime(Printed, QTime(12, 0)));
  text(QRectF(row.left() + split, row.top(), row.width() - split, row.height()),
       TextIn(Language, TText::ChartPrintedText).arg(date), TChartRole::Detail, false, TChartAlign::Right,
       TChartInk::Muted);
}

void TBuilder::groupPanel(int group, const QRectF &panel)
{
  box(panel, TChartFill::Panel);
  const qreal left = panel.left() + Pad * U;
  const qreal inner = panel.width() - 2 * Pad * U;
  text(QRectF(left, panel.top() + 0.1 * U, inner, (PanelTitle - 0.2) * U), GroupTitle(Language, group),
       TChartRole::Heading, true, TChartAlign::Left);

  // The matches: the teams either side of their scores, the kick-off below.
  const qreal centre = panel.center().x();
  for (int m = 0; m < MatchesPerGroup; ++m) {
    const TMatch match = GroupMatch(group, m);
    const TMatchState &state = Tournament.match(match);
    const qreal top = panel.top() + (PanelTitle + m * (MatchLine + DetailLine)) * U;
    const qreal scoreWidth = std::clamp(std::max(width(TChartRole::Team, false, state.goals[0]),
                                                 width(TChartRole::Team, false, state.goals[1])) +
                                            ScoreGap * U,
                                        ScoreBox * U, ScoreBoxMost * U);
    const qreal half = ScoreGap / 2 * U;
    const QRectF score1(centre - half - scoreWidth, top + 0.08 * U, scoreWidth, (MatchLine - 0.16) * U);
    const QRectF score2(centre + half, score1.top(), scoreWidth, score1.height());
    box(score1, TChartFill::Score);
    box(score2, TChartFill::Score);
    figure(score1, state.goals[0], false, TChartAlign::Centre);
    figure(score2, state.goals[1], false, TChartAlign::Centre);
    const qreal nameRight = score1.left() - ScoreGap * U;
    const qreal nameLeft = score2.right() + ScoreGap * U;
    text(QRectF(left, top, nameRight - left, MatchLine * U), ShownTeam(Names, state.teams[0]),
         TChartRole::Team, false, TChartAlign::Right, inkOf(state.teams[0]));
    text(QRectF(nameLeft, top, left + inner - nameLeft, MatchLine * U), ShownTeam(Names, state.teams[1]),
         TChartRole::Team, false, TChartAlign::Left, inkOf(state.teams[1]));
    text(QRectF(left, top + MatchLine * U, inner, DetailLine * U), kickoff(match), TChartRole::Detail, false,
         TChartAlign::Centre, TChartInk::Muted);
  }

  // The table: place, team, points, goal difference; places 1 and 2 go
  // through, marked.
  const qreal tableTop = panel.top() + (PanelTitle + MatchesPerGroup * (MatchLine + DetailLine) + TableGap) * U;
  const qreal placeWidth = 1.1 * U;
  const qreal figureWidth = 2.2 * U;
  const qreal nameWidth = inner - placeWidth - 2 * figureWidth - 0.3 * U;
  const qreal pointsLeft = left + inner - 2 * figureWidth;
  const qreal diffLeft = left + inner - figureWidth;
  text(QRectF(pointsLeft, tableTop, figureWidth, TableHead * U), TableHeading(Language, 0), TChartRole::Detail,
       false, TChartAlign::Centre, TChartInk::Muted);
  text(QRectF(diffLeft, tableTop, figureWidth, TableHead * U), TableHeading(Language, 7), TChartRole::Detail,
       false, TChartAlign::Centre, TChartInk::Muted);
  const TGroupRec &table = Tournament.groupTable(group);
  for (int p = 0; p < TeamsPerGroup; ++p) {
    const TTeamRec &line = table[std::size_t(p)];
    const qreal top = tableTop + (TableHead + p * TableLine) * U;
    const bool through = p < 2;
    if (through)
      box(QRectF(panel.left() + 0.2 * U, top, panel.width() - 0.4 * U, TableLine * U), TChartFill::Qualified);
    text(QRectF(left, top, placeWidth, TableLine * U), QString::number(p + 1), TChartRole::Table, through,
         TChartAlign::Left);
    text(QRectF(left + placeWidth, top, nameWidth, TableLine * U), ShownTeam(Names, line.TeamName),
         TChartRole::Table, through, TChartAlign::Left, inkOf(line.TeamName));
    text(QRectF(pointsLeft, top, figureWidth, TableLine * U), NumberText(line.Points), TChartRole::Table, through,
         TChartAlign::Centre);
    text(QRectF(diffLeft, top, figureWidth, TableLine * U), AddAPlusToDiff(line.PlusMinus), TChartRole::Table,
         through, TChartAlign::Centre);
  }
}

// A knockout match: each side's team (or its slot's words), goals and
// shoot-out, the winner in bold; the kick-off below.
void TBuilder::knockoutBox(TMatch match, const QRectF &area)
{
  box(area, TChartFill::Match);
  const TMatchState &state = Tournament.match(match);
  const bool penalties = state.shootOut && !state.penalties[0].isEmpty() && !state.penalties[1].isEmpty();
  auto pens = [&](int side) { return QStringLiteral("(%1)").arg(state.penalties[std::size_t(side)]); };
  qreal scoreWidth = 0;
  qreal pensWidth = 0;
  for (int side = 0; side < 2; ++side) {
    scoreWidth = std::max(scoreWidth, width(TChartRole::Team, true, state.goals[std::size_t(side)]));
    if (penalties)
      pensWidth = std::max(pensWidth, width(TChartRole::Team, true, pens(side)) + 0.25 * U);
  }
  // Scores and shoot-outs of many digits take a part of the box at most.
  scoreWidth = std::clamp(scoreWidth + 0.25 * U, 1.0 * U, area.width() * 0.25);
  pensWidth = std::min(pensWidth, area.width() * 0.2);
  const qreal left = area.left() + Pad * U;
  const qreal right = area.right() - Pad * U;
  const qreal nameWidth = right - left - scoreWidth - pensWidth;
  for (int side = 0; side < 2; ++side) {
    const std::size_t s = std::size_t(side);
    const qreal top = area.top() + (BoxPad + side * BoxTeam) * U;
    const bool won = state.winner == side;
    const QRectF name(left, top, nameWidth, BoxTeam * U);
    if (state.teams[s] != NoTeam)
      text(name, Names[std::size_t(state.teams[s])], TChartRole::Team, won, TChartAlign::Left, inkOf(state.teams[s]));
    else
      text(name, PairingSideWords(Language, CalendarOf(match), side), TChartRole::Detail, false, TChartAlign::Left,
           TChartInk::Muted);
    figure(QRectF(name.right(), top, scoreWidth, BoxTeam * U), state.goals[s], won, TChartAlign::Right);
    if (penalties)
      figure(QRectF(right - pensWidth, top, pensWidth, BoxTeam * U), pens(side), won, TChartAlign::Right);
  }
  text(QRectF(left, area.top() + (BoxPad + 2 * BoxTeam) * U, right - left, BoxDetail * U), kickoff(match),
       TChartRole::Detail, false, TChartAlign::Centre, TChartInk::Muted);
}

// A line from a match's box to the row of the side it goes to in the next
// match's box: across, down or up half-way between the two, across again.
void TBuilder::connect(const QRectF &from, const QRectF &to, int side)
{
  const bool rightwards = from.right() < to.left();
  const qreal startX = rightwards ? from.right() : from.left();
  const qreal endX = rightwards ? to.left() : to.right();
  const qreal middleX = (startX + endX) / 2;
  const qreal startY = from.center().y();
  const qreal endY = to.top() + (BoxPad + (side + 0.5) * BoxTeam) * U;
  Out.lines.push_back({QPointF(startX, startY), QPointF(middleX, startY)});
  if (startY != endY)
    Out.lines.push_back({QPointF(middleX, startY), QPointF(middleX, endY)});
  Out.lines.push_back({QPointF(middleX, endY), QPointF(endX, endY)});
}

void TBuilder::bracket(const QRectF &band)
{
  const qreal column = (band.width() - 6 * ColumnGap * U) / (6 + CentreWeight);
  const qreal centreWidth = CentreWeight * column;
  // Columns from the left edge: 1/8, 1/4, 1/2 finals, the middle, then the
  // right half's 1/2, 1/4, 1/8 finals.
  auto columnLeft = [&](int c) {
    return band.left() + c * (column + ColumnGap * U) + (c > 3 ? centreWidth - column : 0);
  };
  const qreal areaTop = band.top() + StageHead * U;
  const qreal areaHeight = band.height() - StageHead * U;
  const qreal boxHeight = BoxRows * U;
  auto boxAt = [&](int c, qreal centreY) {
    return QRectF(columnLeft(c), centreY - boxHeight / 2, c == 3 ? centreWidth : column, boxHeight);
  };

  QRectF semis[2];
  for (int h = 0; h < 2; ++h) {
    const THalf half = HalfOf(h);
    const int edge = h == 0 ? 0 : 6;
    const int step = h == 0 ? 1 : -1;
    for (int stage = Final8; stage <= Final2; ++stage)
      text(QRectF(columnLeft(edge + stage * step), band.top(), column, (StageHead - 0.2) * U),
           KnockoutTitle(Language, stage), TChartRole::Heading, true, TChartAlign::Centre);
    QRectF eighths[4];
    for (int i = 0; i < 4; ++i) {
      eighths[i] = boxAt(edge, areaTop + (i + 0.5) * areaHeight / 4);
      knockoutBox(KnockoutMatch(Final8, half.eighths[std::size_t(i)]), eighths[i]);
    }
    QRectF quarters[2];
    for (int q = 0; q < 2; ++q) {
      quarters[q] = boxAt(edge + step, (eighths[2 * q].center().y() + eighths[2 * q + 1].center().y()) / 2);
      knockoutBox(KnockoutMatch(Final4, half.quarters[std::size_t(q)]), quarters[q]);
      connect(eighths[2 * q], quarters[q], 0);
      connect(eighths[2 * q + 1], quarters[q], 1);
    }
    semis[h] = boxAt(edge + 2 * step, (quarters[0].center().y() + quarters[1].center().y()) / 2);
    knockoutBox(KnockoutMatch(Final2, half.semi), semis[h]);
    connect(quarters[0], semis[h], 0);
    connect(quarters[1], semis[h], 1);
  }

  // The middle: the champion above the final, the third-place match below.
  const QRectF final = boxAt(3, (semis[0].center().y() + semis[1].center().y()) / 2);
  knockoutBox(KnockoutMatch(TheFinal, 0), final);
  connect(semis[0], final, 0);
  connect(semis[1], final, 1);
  const qreal x = final.left();
  text(QRectF(x, final.top() - 1.3 * U, centreWidth, 1.2 * U), KnockoutTitle(Language, TheFinal),
       TChartRole::Heading, true, TChartAlign::Centre);

  const QRectF champion(x, final.top() - (1.6 + ChampionRows) * U, centreWidth, ChampionRows * U);
  box(champion, TChartFill::Champion);
  const qreal inner = centreWidth - 2 * Pad * U;
  text(QRectF(x + Pad * U, champion.top() + 0.15 * U, inner, 1.2 * U), TextIn(Language, TText::ChampionText),
       TChartRole::Heading, true, TChartAlign::Centre);
  const QRectF name(x + Pad * U, champion.top() + 1.35 * U, inner, 1.9 * U);
  const TTeam winner = Tournament.champion();
  if (winner != NoTeam)
    text(name, Names[std::size_t(winner)], TChartRole::Champion, true, TChartAlign::Centre, inkOf(winner));
  else
    text(name, TextIn(Language, TText::CalendarMatchWinner).arg(MatchNumber(KnockoutMatch(TheFinal, 0))),
         TChartRole::Detail, false, TChartAlign::Centre, TChartInk::Muted);

  text(QRectF(x, final.bottom() + 0.5 * U, centreWidth, 1.2 * U), KnockoutTitle(Language, ThirdPlace),
       TChartRole::Heading, true, TChartAlign::Centre);
  knockoutBox(KnockoutMatch(ThirdPlace, 0), QRectF(x, final.bottom() + 1.7 * U, centreWidth, boxHeight));
}

TChartLayout TBuilder::build()
{
  const QSizeF page = Out.page;
  const qreal margin = MarginOfPage * std::min(page.width(), page.height());
  const QRectF content(margin, margin, page.width() - 2 * margin, page.height() - 2 * margin);
  // Height the rows leave over goes between the bands.
  const qreal gap = BandGap * U + std::max(0.0, content.height() - PageRows * U) / 3;

  title(QRectF(content.left(), content.top(), content.width(), TitleRows * U));
  const qreal panelWidth = (content.width() - 3 * PanelGap * U) / 4;
  const qreal top = content.top() + TitleRows * U + gap;
  const qreal bracketTop = top + PanelRows * U + gap;
  const qreal bottom = bracketTop + BracketRows * U + gap;
  for (int g = 0; g < GroupCount; ++g)
    groupPanel(g, QRectF(content.left() + (g % 4) * (panelWidth + PanelGap * U), g < 4 ? top : bottom,
                         panelWidth, PanelRows * U));
  bracket(QRectF(content.left(), bracketTop, content.width(), BracketRows * U));

  // Outer boxes are drawn first, the boxes inside them over them.
  std::stable_partition(Out.boxes.begin(), Out.boxes.end(),
                        [](const TChartBox &b) { return IsOuterBox(b.fill); });
  return Out;
}

// How much too large the largest text is for its box: at most 1 when every
// text fits.
qreal WorstFit(const TChartLayout &layout, const TChartMetrics &metrics)
{
  qreal worst = 0;
  for (const TChartText &t : layout.texts) {
    const qreal w = t.box.width() > 0 ? metrics.width(t.font, t.text) / t.box.width() : 1e3;
    const qreal h = t.box.height() > 0 ? metrics.height(t.font) / t.box.height() : 1e3;
    worst = std::max({worst, w, h});
  }
  return worst;
}

}  // namespace

QSizeF ChartPageSize(TPaper paper)
{
  switch (paper) {
  case TPaper::A3:
    return QSizeF(420 * PointsPerMm, 297 * PointsPerMm);
  case TPaper::Letter:
    return QSizeF(11 * 72, 8.5 * 72);
  case TPaper::A4:
    break;
  }
  return QSizeF(297 * PointsPerMm, 210 * PointsPerMm);
}

TChartLayout LayOutChart(const TTournament &tournament, const TPreferences &preferences,
                         const TRegionalFormats &formats, const QDate &printed, const QSizeF &page,
                         const TChartMetrics &metrics)
{
  const qreal margin = MarginOfPage * std::min(page.width(), page.height());
  const qreal unit =
      std::max(0.0, std::min((page.height() - 2 * margin) / PageRows, (page.width() - 2 * margin) / PageColumns));
  // The fonts shrink until every text fits (widths are near enough
  // proportional to the size); a page too small for any font keeps the
  // smallest tried.
  qreal factor = 1;
  TChartLayout layout;
  for (int attempt = 0; attempt < 8; ++attempt) {
    layout = TBuilder(tournament, preferences, formats, printed, page, metrics, unit, factor).build();
    const qreal worst = WorstFit(layout, metrics);
    if (worst <= 1)
      break;
    factor = std::max(factor / (worst * 1.01), 0.05);
  }
  return layout;
}
