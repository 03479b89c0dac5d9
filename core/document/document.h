#pragma once
// The tournament as the user has it open: the tournament, the history of
// the user's steps, the preferences, and the settings file it came from
// (its path, what it held when read or saved, whether the results differ
// from it). Every user operation is one of its methods; each runs to its
// end, and then the document says once what changed, as a game object
// tells its view. It knows no window.

#include "core/i18n/names.h"
#include "core/settings/poolSettings.h"
#include "core/settings/preferences.h"
#include "core/settings/profileFile.h"
#include "core/settings/resultTexts.h"
#include "core/settings/resultsHistory.h"
#include "core/settings/settingsFile.h"
#include "core/settings/settingsGuard.h"
#include "core/tournament/tournament.h"

#include <QObject>
#include <QString>
#include <functional>
#include <optional>

// What one operation changed.
struct TDocumentChange {
  TTournament::TChanges tournament;   // the matches, groups and champion
  bool steps = false;                 // the steps done or undone: the undo and redo texts
  bool saved = false;                 // whether the results differ from the file's
  bool preferences = false;           // the language, the favourite or the time zone
  bool notice = false;                // the status bar's notice
  bool written = false;               // the settings file was saved
  bool any() const { return tournament.any() || steps || saved || preferences || notice || written; }
};

class TDocument : public QObject {
  Q_OBJECT

public:
  // Outlook marks as in TTournament: a document never shown can go without.
  explicit TDocument(bool outlookMarks = true, QObject *parent = nullptr);
  ~TDocument() override;

  const TTournament &tournament() const { return Tournament; }
  const TPreferences &preferences() const { return Prefs; }
  // The names the preferences give: the language's, with the favourite's.
  const TNames &names() const { return Names; }
  const TResultsHistory &history() const { return History; }
  TResultTexts resultTexts() const { return ResultTextsOf(Tournament); }

  // The settings file: Brakka.ini in the folder read last.
  const QString &settingsFile() const { return SettingsFile; }
  // No preferences saved yet: the options are to be chosen.
  bool firstRun() const { return FirstRun; }
  // The results differ from those the settings file holds.
  bool unsaved() const { return Recording && !SameResults(History.current(), Saved); }
  // What the recovery file must hold: the results while they are unsaved.
  std::optional<TResultTexts> recoveryTexts() const;
  // The prediction pool's values and folder, saved when the file had them
  // or the pool was used.
  const std::optional<TPoolSettings> &poolSettings() const { return Pool; }
  void setPoolSettings(const TPoolSettings &pool) { Pool = pool; }

  // The Edit menu's texts for the step undo and redo would take, in the
  // interface language ("Undo typing in France – Senegal"); the plain
  // "&Undo" and "&Redo" when there is none.
  QString undoText() const;
  QString redoText() const;
  // What the status bar says: the knockout results a step emptied, or what
  // the recovery file's keeper reported.
  const QString &notice() const { return Notice; }
  void setNotice(const QString &notice);

  // Reading the settings file of a folder; every field's rule runs as it is
  // filled when fieldByField (what the quicker way must always equal).
  struct TLoad {
    TProfileFile::TLoadResult loaded;
    bool readable;        // false: the file is there but cannot be read; Brakka runs with the initial values
  };
  TLoad load(const QString &settingsFolder, bool fieldByField = false);
  // The results a file holds, as reading it fills them in: the history
  // starts over from them, and they count as saved.
  void loadResults(const TResultTexts &texts, TFill how = TFill::Loading);
  // Saves preferences, pool and results. mayReplace is asked only when
  // another program changed the file since it was read or saved.
  TSaveResult save(const std::function<bool()> &mayReplace = {});

  // The options chosen: a language outside those there are reads as English.
  void setPreferences(const TPreferences &preferences);
  // A favourite picked in a dialog that was then cancelled: kept, and saved,
  // while the names shown change only with the next preferences.
  void keepFavourite(int favourite) { Prefs.favorite = favourite; }

  // The user's steps.
  void type(TField field, const QString &text);   // typing, pasting or cutting in a field
  void clearStage(int stage);                      // a panel's clear button (stages of ClearList)
  void clearAll();
  void undo();
  void redo();
  // Every result at once, as one step (a recovered session, an import of
  // the file named source).
  void applyResults(const TResultTexts &texts, TStepKind kind, const QString &source = QString());
  // Forgets every step: nothing is left to undo or redo.
  void clearHistory();

  // Equal result lists, sharing or not.
  static bool SameResults(const TResultTexts &a, const TResultTexts &b);

signals:
  void changed(const TDocumentChange &change);

private:
  void open(const TResultTexts &texts, TFill how, bool preferences);
  void endStep(TStepKind kind, TField field, int stage, const QString &source = QString());
  void restore(const TResultTexts *texts);
  void finish(TDocumentChange change);
  void takeNames();

  TTournament Tournament;
  TResultsHistory History;
  TPreferences Prefs;
  TNames Names;
  std::optional<TPoolSettings> Pool;
  QString SettingsFile;
  TSettingsGuard Guard;
  TResultTexts Saved;        // the settings file's results, as read or saved
  bool FirstRun = false;
  bool Recording = false;    // steps are recorded once a file has been read
  bool WasUnsaved = false;
  QString Notice;
};
