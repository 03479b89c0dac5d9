#pragma once
// The main window's commands: each menu item's, each button's, and what
// starting and closing ask. Every command works on the document, with the
// desktop's seams and a parent window for what it shows.

#include "app/menuTable.h"

#include <functional>

class QLabel;
class QMainWindow;
class QWidget;
class TDialogs;
class TDocument;
class TRecoveryKeeper;
struct TPlatform;

struct TCommandContext {
  QMainWindow *window;
  TDocument &document;
  TPlatform &platform;
  const QLabel *printFont;   // the report's font is the one this label shows
};

// A menu item's command; tag is the item's (a venue's or a web link's number).
void RunCommand(TCommand command, int tag, const TCommandContext &context);

// File > Save, and the Save button: false when nothing was saved (declined,
// or the file could not be written, which is said).
bool SaveSettings(QWidget *parent, TDocument &document, TDialogs &dialogs);
// Clear All, after asking.
void ClearAllResults(QWidget *parent, TDocument &document, TDialogs &dialogs);
// The options dialog; its OK gives the document the preferences chosen.
void ChooseOptions(QWidget *parent, TDocument &document, TDialogs &dialogs);

// At start: reads the settings file of a folder into the document, says
// when it cannot be read, asks for the options on the first start.
void ReadSettings(QWidget *parent, TDocument &document, TDialogs &dialogs, const QString &settingsFolder);
// At start: the results typed since the last save, when Brakka ended without
// saving them, offered back.
void OfferRecovery(QWidget *parent, TDocument &document, TRecoveryKeeper &keeper, TDialogs &dialogs);
// A click on the champion: the celebration, for the favourite chosen.
// beforeShowing runs just before its window shows.
void CelebrateChampion(QWidget *parent, const TDocument &document, TPlatform &platform,
                       const std::function<void()> &beforeShowing);
// Closing: whether to save first. False when the window stays open.
bool MayClose(QWidget *parent, TDocument &document, TDialogs &dialogs);
