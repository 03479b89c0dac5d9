#pragma once
// Trace log of the group tie-break, a debugging aid switched at build time
// (CMake option BRAKKA_TRACE, off by default). With the switch off every
// operation returns at once and no file is created.

#include "core/groups/standings.h"
#include <QString>

#ifndef BRAKKA_TRACE_ENABLED
#define BRAKKA_TRACE_ENABLED 0
#endif

constexpr bool TraceEnabled = BRAKKA_TRACE_ENABLED != 0;

// Full path of the log: "aaatrace.log" in the folder fixed at build time.
QString TraceFilePath();

void StartTrace();
void EndTrace();
// The names the log writes teams under: the interface language's, English
// until the language is applied.
void SetTraceTeamNames(const TTeamNameList &names);
void TraceGroupRec(const QString &context, const QString &name, const TGroupRec &records);
void TraceValue(const QString &context, const QString &name, qint64 value);

// While one lives, nothing is traced: orderings worked out for another end
// than the group tables themselves (what the remaining matches can change)
// stay out of the log.
class TTraceMute {
public:
  TTraceMute();
  ~TTraceMute();
  TTraceMute(const TTraceMute &) = delete;
  TTraceMute &operator=(const TTraceMute &) = delete;
};
