// The readers of results files on arbitrary bytes, without a window: the
// whole file's checks and the format told from the content, then each of
// the three readers on the bytes whatever their format. None may crash or
// hang, and every match they give is well formed: a line of the file, a
// stage and group that exist, teams recognised from their names (or none),
// scores of decimal digits or marked invalid.
//
// Whatever a file gives is then imported into an empty tournament: applied,
// the plan's texts are what the tournament holds, each match applied holds
// what its row says, and a fresh load of those texts is the same
// tournament. Exported and imported again, it is the same tournament once
// more.

#include "core/import/importPlan.h"
#include "core/import/jsonTree.h"
#include "core/import/readers.h"
#include "core/import/resultsFile.h"
#include "core/import/resultsExport.h"
#include "core/import/teamNames.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

[[noreturn]] void Broken(const char *what, const QString &detail = QString())
{
  std::fprintf(stderr, "\n*** %s %s\n", what, qPrintable(detail));
  std::fflush(stderr);
  std::abort();
}

void CheckScore(const TImportScore &score, const char *what)
{
  switch (score.state) {
    case TImportScore::Absent:
      if (!score.goals1.isEmpty() || !score.goals2.isEmpty())
        Broken(what, QStringLiteral("absent, yet with goals"));
      break;
    case TImportScore::Valid:
      if (!IsDigits(score.goals1) || !IsDigits(score.goals2))
        Broken(what, score.goals1 + QLatin1Char('-') + score.goals2);
      break;
    case TImportScore::Invalid: break;
    default: Broken(what, QStringLiteral("no such state"));
  }
}

void CheckTeam(const QString &name, TTeam team)
{
  if (team < NoTeam || team > TeamCount)
    Broken("team out of range", name);
  // A name that names a team decides; another name of the team's (a code)
  // counts only where the name names none.
  const TTeam named = RecogniseTeam(name);
  if (named != NoTeam && named != team)
    Broken("team is not the one its name names", name);
}

void CheckMatches(const std::vector<TImportMatch> &matches, qsizetype lines)
{
  for (const TImportMatch &m : matches) {
    if (m.line < 1 || m.line > lines)
      Broken("match on no line of the file", QString::number(m.line));
    if (int(m.stage) > int(TImportStage::Final))
      Broken("no such stage");
    if (m.group < -1 || m.group > 7 || (m.group >= 0 && m.stage != TImportStage::GroupStage))
      Broken("no such group", QString::number(m.group));
    CheckTeam(m.name1, m.team1);
    CheckTeam(m.name2, m.team2);
    CheckScore(m.score, "score");
    CheckScore(m.penalties, "penalties");
  }
}

// The tournament an import of `matches` into an empty one leaves.
TTournament Imported(const std::vector<TImportMatch> &matches, TImportPlan *plan = nullptr)
{
  TTournament t(false);
  TImportPlan made = PlanImport(t, matches);
  FillResults(t, made.texts, TFill::Restoring);
  if (plan)
    *plan = std::move(made);
  return t;
}

void CheckImport(const std::vector<TImportMatch> &matches)
{
  TImportPlan plan;
  const TTournament t = Imported(matches, &plan);
  if (plan.rows.size() != matches.size())
    Broken("a row for each match", QString::number(plan.rows.size()));
  if (ResultTextsOf(t) != plan.texts)
    Broken("applied, the plan's texts are not what the tournament holds");
  int applied = 0;
  for (const TImportRow &row : plan.rows) {
    if (!Applies(row.outcome))
      continue;
    applied += row.outcome != TImportOutcome::Unchanged;
    const TMatchState &m = t.match(row.match);
    if (!row.found || TMatchTexts{m.goals, m.penalties} != row.after)
      Broken("a match applied does not hold what its row says", QString::number(int(row.match)));
  }
  if (applied != plan.applied)
    Broken("rows applied miscounted", QString::number(plan.applied));
  TTournament fresh(false);
  FillResults(fresh, ResultTextsOf(t), TFill::Loading);
  if (!(fresh == t))
    Broken("a fresh load of the imported texts is another tournament");
  const TResultsFile exported = ReadResults(ExportedResults(t));
  if (!exported.ok() || exported.format != TResultsFormat::OpenFootballJson)
    Broken("the export does not read back");
  if (!(Imported(exported.matches) == t))
    Broken("the export imports as another tournament");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
  const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
  const qsizetype lines = bytes.count('\n') + 1;

  const TResultsFile file = ReadResults(bytes);
  if (file.ok()) {
    if (file.format == TResultsFormat::None)
      Broken("read without a format");
    CheckMatches(file.matches, lines);
    CheckImport(file.matches);
  } else {
    if (!file.matches.empty())
      Broken("matches from a file that failed");
    const bool located = file.error == TResultsError::Binary || file.error == TResultsError::BrokenJson ||
                         file.error == TResultsError::Truncated;
    if (located ? (file.line < 1 || file.line > lines || file.column < 1) : (file.line != 0 || file.column != 0))
      Broken("error placed wrong", QString::number(file.line) + QLatin1Char(':') + QString::number(file.column));
  }

  // Each reader on the bytes, whichever format they are.
  std::vector<TImportMatch> matches;
  ReadFootballTxt(QString::fromUtf8(bytes), matches);
  CheckMatches(matches, lines);
  TJsonTree json;
  if (json.parse(bytes)) {
    matches.clear();
    ReadOpenFootballJson(json, matches);
    ReadFootballDataJson(json, matches);
    CheckMatches(matches, lines);
  } else if (json.errorOffset() < 0 || json.errorOffset() > bytes.size()) {
    Broken("JSON error outside the bytes", QString::number(json.errorOffset()));
  }
  return 0;
}
