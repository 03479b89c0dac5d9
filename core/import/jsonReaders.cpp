// openfootball's JSON and football-data.org's v4 JSON: each match object
// of the file as a match of the import.

#include "core/import/readers.h"

#include "core/import/teamNames.h"

namespace {

using TKind = TJsonTree::TKind;

// A team as a JSON file gives it: a name, or an object with a name and a
// code. The name is kept as written; a name that names no team is tried
// under the team's other names in the object.
void ReadTeam(const TJsonTree &json, int node, std::initializer_list<const char *> others,
              QString &name, TTeam &team)
{
  if (json.is(node, TJsonTree::String)) {
    name = json.text(node);
    team = RecogniseTeam(name);
    return;
  }
  if (!json.is(node, TJsonTree::Object))
    return;
  name = json.stringOf(json.member(node, "name"));
  team = RecogniseTeam(name);
  for (const char *other : others) {
    if (team != NoTeam)
      break;
    const QString alias = json.stringOf(json.member(node, other));
    team = RecogniseTeam(alias);
    if (name.isEmpty())
      name = alias;
  }
}

QDate IsoDate(const QString &text)
{
  // "2002-06-16", or the date of "2002-06-16T11:30:00Z".
  return QDate::fromString(text.left(10), Qt::ISODate);
}

// [goals1, goals2]; null is no score.
TImportScore PairScore(const TJsonTree &json, int node)
{
  if (node < 0 || json.is(node, TJsonTree::Null))
    return {};
  if (!json.is(node, TJsonTree::Array)) {
    TImportScore invalid;
    invalid.state = TImportScore::Invalid;
    invalid.goals1 = json.stringOf(node);
    return invalid;
  }
  const int first = json.first(node);
  const int second = first >= 0 ? json.next(first) : -1;
  TImportScore score = JsonScore(json, first, second);
  if (first < 0 || second < 0 || json.next(second) >= 0)
    score.state = TImportScore::Invalid;   // not a pair
  return score;
}

void SetStage(TImportMatch &match, const QString &group, const QString &round)
{
  int letter = -1;
  if (!group.isEmpty()) {
    match.stage = StageOfRound(group, &letter);
    match.group = letter;
    if (match.stage != TImportStage::Unknown)
      return;
  }
  match.stage = StageOfRound(round, &letter);
  match.group = letter;
}

// One match of openfootball's JSON, in either of its layouts: the current
// one ("team1": "Spain", "score": {"ft": [1, 1], "et": [1, 1], "p": [3, 2]},
// "ground") and the earlier one ("team1": {"name": "Spain", "code": "ESP"},
// "score1", "score1et", "score1p", "stadium": {"name"}, "city").
void ReadOpenFootballMatch(const TJsonTree &json, int m, const QString &roundName,
                           std::vector<TImportMatch> &matches)
{
  const int team1 = json.member(m, "team1");
  const int team2 = json.member(m, "team2");
  if (team1 < 0 && team2 < 0)
    return;   // not a match
  TImportMatch match;
  match.line = json.line(m);
  ReadTeam(json, team1, {"code", "key"}, match.name1, match.team1);
  ReadTeam(json, team2, {"code", "key"}, match.name2, match.team2);
  const int round = json.member(m, "round");
  match.round = round >= 0 ? json.stringOf(round) : roundName;
  SetStage(match, json.stringOf(json.member(m, "group")), match.round);
  match.date = IsoDate(json.stringOf(json.member(m, "date")));

  const int ground = json.member(m, "ground");
  const int stadium = json.is(ground, TJsonTree::Object) ? ground : json.member(m, "stadium");
  match.venue = json.is(stadium, TJsonTree::Object) ? json.stringOf(json.member(stadium, "name"))
                                                     : json.stringOf(ground);
  const QString city = json.stringOf(json.member(m, "city"));
  if (!city.isEmpty())
    match.venue = match.venue.isEmpty() ? city : match.venue + QStringLiteral(", ") + city;

  TImportScore fullTime, afterExtraTime;
  const int score = json.member(m, "score");
  if (json.is(score, TJsonTree::Object)) {
    // "et" is the score after 120 minutes, not the goals of extra time.
    fullTime = PairScore(json, json.member(score, "ft"));
    afterExtraTime = PairScore(json, json.member(score, "et"));
    match.penalties = PairScore(json, json.member(score, "p"));
  } else {
    fullTime = JsonScore(json, json.member(m, "score1"), json.member(m, "score2"));
    afterExtraTime = JsonScore(json, json.member(m, "score1et"), json.member(m, "score2et"));
    match.penalties = JsonScore(json, json.member(m, "score1p"), json.member(m, "score2p"));
  }
  match.extraTime = afterExtraTime.state != TImportScore::Absent;
  match.score = match.extraTime ? afterExtraTime : fullTime;
  matches.push_back(std::move(match));
}

// {"home": 1, "away": 1}; the earlier API's {"homeTeam": 1, "awayTeam": 1}.
TImportScore SidesScore(const TJsonTree &json, int node)
{
  if (!json.is(node, TJsonTree::Object))
    return PairScore(json, node);
  int home = json.member(node, "home");
  int away = json.member(node, "away");
  if (home < 0 && away < 0) {
    home = json.member(node, "homeTeam");
    away = json.member(node, "awayTeam");
  }
  return JsonScore(json, home, away);
}

TImportScore Invalid(const TImportScore &shown)
{
  TImportScore score = shown;
  score.state = TImportScore::Invalid;
  return score;
}

// The score a fan types from football-data.org's score object. Its fullTime
// holds the goals of extra time and, after a shoot-out, the shoot-out's
// goals as well: a 1-1 won 4-2 on penalties reads 5-3.
void ReadFootballDataScore(const TJsonTree &json, int score, TImportMatch &match)
{
  const QString duration = json.stringOf(json.member(score, "duration"));
  const TImportScore fullTime = SidesScore(json, json.member(score, "fullTime"));
  const TImportScore regularTime = SidesScore(json, json.member(score, "regularTime"));
  const TImportScore extraTime = SidesScore(json, json.member(score, "extraTime"));
  const TImportScore penalties = SidesScore(json, json.member(score, "penalties"));
  const bool shootOut = duration == QLatin1StringView("PENALTY_SHOOTOUT") ||
                        duration == QLatin1StringView("PENALTIES") ||
                        penalties.state != TImportScore::Absent;
  match.extraTime = shootOut || duration == QLatin1StringView("EXTRA_TIME") ||
                    extraTime.state != TImportScore::Absent;
  if (shootOut)
    match.penalties = penalties;

  if (regularTime.valid() && extraTime.valid()) {
    match.score.state = TImportScore::Valid;
    match.score.goals1 = AddDigits(regularTime.goals1, extraTime.goals1);
    match.score.goals2 = AddDigits(regularTime.goals2, extraTime.goals2);
  } else if (!shootOut) {
    match.score = fullTime;
  } else if (fullTime.valid() && penalties.valid()) {
    const std::optional<QString> goals1 = SubtractDigits(fullTime.goals1, penalties.goals1);
    const std::optional<QString> goals2 = SubtractDigits(fullTime.goals2, penalties.goals2);
    if (goals1 && goals2) {
      match.score.state = TImportScore::Valid;
      match.score.goals1 = *goals1;
      match.score.goals2 = *goals2;
    } else {
      match.score = Invalid(fullTime);
    }
  } else {
    // fullTime alone says nothing of how many of its goals were the
    // shoot-out's.
    match.score = fullTime.state == TImportScore::Absent ? TImportScore{} : Invalid(fullTime);
  }
}

void ReadFootballDataMatch(const TJsonTree &json, int m, std::vector<TImportMatch> &matches)
{
  const int home = json.member(m, "homeTeam");
  const int away = json.member(m, "awayTeam");
  if (home < 0 && away < 0)
    return;   // not a match
  TImportMatch match;
  match.line = json.line(m);
  ReadTeam(json, home, {"shortName", "tla"}, match.name1, match.team1);
  ReadTeam(json, away, {"shortName", "tla"}, match.name2, match.team2);
  match.round = json.stringOf(json.member(m, "stage"));
  SetStage(match, json.stringOf(json.member(m, "group")), match.round);
  match.date = IsoDate(json.stringOf(json.member(m, "utcDate")));
  match.venue = json.stringOf(json.member(m, "venue"));
  // A match under way already has a running score: only a finished (or
  // awarded) match has its result.
  const int status = json.member(m, "status");
  const QString state = json.stringOf(status);
  const int score = json.member(m, "score");
  if ((status < 0 || state == QLatin1StringView("FINISHED") || state == QLatin1StringView("AWARDED")) &&
      json.is(score, TJsonTree::Object))
    ReadFootballDataScore(json, score, match);
  matches.push_back(std::move(match));
}

}  // namespace

void ReadOpenFootballJson(const TJsonTree &json, std::vector<TImportMatch> &matches)
{
  const int root = json.root();
  const int list = json.member(root, "matches");
  if (json.is(list, TJsonTree::Array)) {
    for (int m = json.first(list); m >= 0; m = json.next(m))
      if (json.is(m, TJsonTree::Object))
        ReadOpenFootballMatch(json, m, QString(), matches);
  }
  // The earlier layout: the matches inside their rounds.
  const int rounds = json.member(root, "rounds");
  if (json.is(rounds, TJsonTree::Array)) {
    for (int r = json.first(rounds); r >= 0; r = json.next(r)) {
      const int roundMatches = json.member(r, "matches");
      if (!json.is(roundMatches, TJsonTree::Array))
        continue;
      const QString name = json.stringOf(json.member(r, "name"));
      for (int m = json.first(roundMatches); m >= 0; m = json.next(m))
        if (json.is(m, TJsonTree::Object))
          ReadOpenFootballMatch(json, m, name, matches);
    }
  }
}

void ReadFootballDataJson(const TJsonTree &json, std::vector<TImportMatch> &matches)
{
  const int list = json.member(json.root(), "matches");
  if (!json.is(list, TJsonTree::Array))
    return;
  for (int m = json.first(list); m >= 0; m = json.next(m))
    if (json.is(m, TJsonTree::Object))
      ReadFootballDataMatch(json, m, matches);
}
