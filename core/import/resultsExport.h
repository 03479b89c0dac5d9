#pragma once
// The typed results as openfootball's JSON, for other fan tools, and for
// Brakka to import again.

#include <QByteArray>

class TTournament;

// Every match whose two scores are typed and whose two teams are known, in
// kick-off order: its round, date and kick-off, teams (English names),
// group, venue and score. The score is the final one, as typed: a level
// knockout match with both penalties writes it as "ft" and "et" with the
// shoot-out as "p"; any other match writes it as "ft", even after extra
// time. UTF-8, one match a line.
QByteArray ExportedResults(const TTournament &tournament);
