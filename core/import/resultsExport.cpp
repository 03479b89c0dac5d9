// openfootball's JSON written from the tournament: the current layout, as
// its files for a whole cup have it.

#include "core/import/resultsExport.h"

#include "core/i18n/texts.h"
#include "core/schedule/calendar.h"
#include "core/tournament/scoreText.h"
#include "core/tournament/tournament.h"

namespace {

// The rounds as openfootball names them, by knockout stage.
const char *const KnockoutRounds[KnockoutCount] = {"Round of 16", "Quarter-finals", "Semi-finals",
                                                   "Match for third place", "Final"};

QByteArray Quoted(const QString &text)
{
  QByteArray out = "\"";
  for (const QChar c : text) {
    if (c == u'"' || c == u'\\')
      out += '\\' + QByteArray(1, char(c.unicode()));
    else if (c.unicode() < 0x20)
      out += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0')).toLatin1();
    else
      out += QString(c).toUtf8();
  }
  return out + '"';
}

// Scores are digits of any length: written as JSON numbers digit for digit.
QByteArray Pair(const QString &side1, const QString &side2)
{
  return '[' + side1.toLatin1() + ", " + side2.toLatin1() + ']';
}

QByteArray Field(const char *key, const QByteArray &value)
{
  return '"' + QByteArray(key) + "\": " + value;
}

QByteArray MatchLine(const TTournament &tournament, const TCalendarMatch &c)
{
  const TMatchState &m = tournament.match(c.match);
  const TMatchPlace place = MatchPlace(c.match);
  QList<QByteArray> fields;
  const QString round = place.group >= 0 ? QStringLiteral("Matchday %1").arg(place.match / 2 + 1)
                                         : QLatin1String(KnockoutRounds[place.stage]);
  fields << Field("round", Quoted(round));
  fields << Field("date", Quoted(QDate(2002, c.month, c.day).toString(Qt::ISODate)));
  fields << Field("time", Quoted(QStringLiteral("%1:%2 UTC+9").arg(c.hour, 2, 10, QLatin1Char('0'))
                                     .arg(c.minute, 2, 10, QLatin1Char('0'))));
  fields << Field("team1", Quoted(TeamNameIn(LangEnglish, m.teams[0])));
  fields << Field("team2", Quoted(TeamNameIn(LangEnglish, m.teams[1])));
  const QByteArray score = Pair(m.goals[0], m.goals[1]);
  const bool shootOut = place.stage >= 0 && CompareScores(m.goals[0], m.goals[1]) == 0 &&
                        IsScore(m.penalties[0]) && IsScore(m.penalties[1]);
  fields << Field("score", shootOut ? "{" + Field("ft", score) + ", " + Field("et", score) + ", " +
                                          Field("p", Pair(m.penalties[0], m.penalties[1])) + '}'
                                    : "{" + Field("ft", score) + '}');
  if (place.group >= 0)
    fields << Field("group", Quoted(TextIn(LangEnglish, TText::GroupWord) + GroupLetter(place.group)));
  fields << Field("ground", Quoted(VenueNameIn(LangEnglish, c.venue)));
  return "    {" + fields.join(", ") + '}';
}

}  // namespace

QByteArray ExportedResults(const TTournament &tournament)
{
  QList<QByteArray> lines;
  for (const TCalendarMatch &c : MatchCalendar()) {
    const TMatchState &m = tournament.match(c.match);
    if (IsScore(m.goals[0]) && IsScore(m.goals[1]) && m.teams[0] != NoTeam && m.teams[1] != NoTeam)
      lines << MatchLine(tournament, c);
  }
  const QString name = TextIn(LangEnglish, TText::BrakkaKoreaJapan1).remove(QLatin1Char('&'));
  return "{\n  \"name\": " + Quoted(name) + ",\n  \"matches\": [\n" + lines.join(",\n") +
         (lines.isEmpty() ? "" : "\n") + "  ]\n}\n";
}
