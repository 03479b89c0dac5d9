#include "core/groups/brakkaDebug.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QtGlobal>

#ifndef BRAKKA_TRACE_DIR
#define BRAKKA_TRACE_DIR "."
#endif

namespace {

int Mutes = 0;

QFile &TraceFile() {
  static QFile file;
  return file;
}

void ReportFileError(const char *what) {
  qWarning("Trace log %s: %s: %s", qUtf8Printable(TraceFilePath()), what,
           qUtf8Printable(TraceFile().errorString()));
}

void Write(const QString &text) {
  QFile &file = TraceFile();
  if (!file.isOpen()) {
    qWarning("Trace log %s: not open", qUtf8Printable(TraceFilePath()));
    return;
  }
  const QByteArray bytes = text.toUtf8();
  if (file.write(bytes) != bytes.size()) ReportFileError("write failed");
}

void WriteLine(const QString &text) {
  Write(text + QLatin1String("\r\n"));
}

void Flush() {
  QFile &file = TraceFile();
  if (file.isOpen() && !file.flush()) ReportFileError("flush failed");
}

// The locale's long time format without its time-zone part: every unquoted
// run of 't' goes, together with the blank that separates it from the rest.
QString LongTimeFormatWithoutZone(const QLocale &locale) {
  const QString format = locale.timeFormat(QLocale::LongFormat);
  QString result;
  bool quoted = false;
  for (int i = 0; i < format.size(); ++i) {
    const QChar c = format[i];
    if (c == QLatin1Char('\'')) quoted = !quoted;
    if (quoted || c != QLatin1Char('t')) {
      result += c;
      continue;
    }
    while (i + 1 < format.size() && format[i + 1] == QLatin1Char('t')) ++i;
    if (result.endsWith(QLatin1Char(' ')))
      result.chop(1);
    else if (i + 1 < format.size() && format[i + 1] == QLatin1Char(' '))
      ++i;
  }
  return result.trimmed();
}

// Short date, a blank, long time, in the user's regional formats.
QString Now() {
  const QLocale locale = QLocale::system();
  const QDateTime now = QDateTime::currentDateTime();
  return locale.toString(now.date(), QLocale::ShortFormat) + QLatin1Char(' ') +
         locale.toString(now.time(), LongTimeFormatWithoutZone(locale));
}

// One field line of a record dump: five blanks, the field name in twelve
// characters, "[", the record's number.
QString FieldLabel(const char *field, int n) {
  return QStringLiteral("     %1[%2").arg(QLatin1String(field), -12).arg(n);
}

}  // namespace

namespace {

TTeamNameList &TraceNames() {
  static TTeamNameList names = TeamNamesIn(LangEnglish);
  return names;
}

// A team's name as the log writes it; no team is an empty name.
QString NameOf(TTeam team) {
  return team >= 1 && team <= TeamCount ? TraceNames()[std::size_t(team)] : QString();
}

}  // namespace

void SetTraceTeamNames(const TTeamNameList &names) {
  if (TraceEnabled) TraceNames() = names;
}

QString TraceFilePath() {
  return QDir(QString::fromUtf8(BRAKKA_TRACE_DIR)).filePath(QStringLiteral("aaatrace.log"));
}

void StartTrace() {
  if (!TraceEnabled) return;
  QFile &file = TraceFile();
  if (file.isOpen()) file.close();
  file.setFileName(TraceFilePath());
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
    ReportFileError("cannot be opened");
    return;
  }
  WriteLine(QStringLiteral("START TRACE - ") + Now());
}

void EndTrace() {
  if (!TraceEnabled) return;
  WriteLine(QStringLiteral("END TRACE - ") + Now());
  Flush();
  TraceFile().close();
}

TTraceMute::TTraceMute() { ++Mutes; }
TTraceMute::~TTraceMute() { --Mutes; }

void TraceGroupRec(const QString &context, const QString &name, const TGroupRec &records) {
  if (!TraceEnabled || Mutes > 0) return;
  Write(context);
  Flush();

  QString text = QStringLiteral(" - ") + name + QStringLiteral(":\r\n");
  const auto line = [&text](const char *field, int n, const QString &value) {
    text += FieldLabel(field, n) + QStringLiteral("]= ") + value + QStringLiteral("\r\n");
  };
  const auto number = [](qint64 value) { return QString::number(value); };
  for (int n = 1; n <= 4; ++n) {
    const TTeamRec &r = records[n - 1];
    line("TeamName", n, NameOf(r.TeamName));
    line("Points", n, number(r.Points));
    line("Played", n, number(r.Played));
    line("Wins", n, number(r.Wins));
    line("Ties", n, number(r.Ties));
    line("Losses", n, number(r.Losses));
    line("GoalsFor", n, number(r.GoalsFor));
    line("GoalsAgainst", n, number(r.GoalsAgainst));
    line("PlusMinus", n, number(r.PlusMinus));
    text += FieldLabel("TieFlag", n) +
            (r.TieFlag ? QStringLiteral("]= TRUE\r\n") : QStringLiteral("]= FALSE\r\n"));
    line("Opp1Name", n, NameOf(r.Opp1Name));
    line("Opp1GoalsF", n, number(r.Opp1GoalsF));
    line("Opp1GoalsA", n, number(r.Opp1GoalsA));
    line("Opp2Name", n, NameOf(r.Opp2Name));
    line("Opp2GoalsF", n, number(r.Opp2GoalsF));
    line("Opp2GoalsA", n, number(r.Opp2GoalsA));
    line("Opp3Name", n, NameOf(r.Opp3Name));
    line("Opp3GoalsF", n, number(r.Opp3GoalsF));
    line("Opp3GoalsA", n, number(r.Opp3GoalsA));
    line("TiePoints", n, number(r.TiePoints));
    line("TieGoalDiff", n, number(r.TieGoalDiff));
    line("TieGoalsFor", n, number(r.TieGoalsFor));
    text += QStringLiteral("     ----\r\n");
  }
  Write(text);
}

void TraceValue(const QString &context, const QString &name, qint64 value) {
  if (!TraceEnabled || Mutes > 0) return;
  Write(context);
  Flush();
  WriteLine(QStringLiteral(" - Value of ") + name + QStringLiteral(": ") + QString::number(value));
}
