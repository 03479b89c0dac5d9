#pragma once
// The main menu as one table: every item with its object name, where its
// text comes from, its tag and the command it runs. Submenus come before
// their items.

#include "core/i18n/texts.h"

#include <cstddef>

enum class TCommand {
  None, ClearAll, Save, Report, Exit, Undo, Redo, Options, Schedule, Venue, WebLink,
  About, ExportCalendar, Outlook, Pool, WallChart, PrintWallChart, ImportResults, ExportResults,
};

// Where an item's text comes from: its entry of the text tables, or a name.
enum class TMenuSource { Text, Separator, HostKorea, HostJapan, Venue, Team };

struct TMenuEntry {
  const char *parent;    // the submenu's object name; nullptr: the menu bar
  const char *name;      // the object name
  TMenuSource source;
  TText text;            // with TMenuSource::Text
  int tag;               // a venue's and a web link's number (the viewer and the links take it)
  int item;              // with TMenuSource::Venue the venue, with TMenuSource::Team the team
  bool enabled;
  bool submenu;
  TCommand command;
};

// The table, and its length.
const TMenuEntry *MenuEntries();
std::size_t MenuEntryCount();
