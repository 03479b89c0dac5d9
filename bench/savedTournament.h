#pragma once
// A settings folder whose Brakka.ini holds the whole tournament, written by
// SaveAll after the 2002 results were typed into a grid.

#include "support/grid.h"
#include "support/tournament.h"

#include <QFile>
#include <QTemporaryDir>

class TSavedTournament {
public:
  TSavedTournament()
  {
    TGridDriver g;
    PlayAll(g);
    SaveForm(g.form());
    QFile::copy(g.form().settingsDir() + QStringLiteral("/Brakka.ini"),
                folder() + QStringLiteral("/Brakka.ini"));
  }
  QString folder() const { return Dir.path(); }

private:
  QTemporaryDir Dir;
};
