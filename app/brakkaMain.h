#pragma once
// The main window: the whole tournament on one screen. It shows the
// tournament's engine: the user's input goes to the engine, and once an
// operation has run the window writes each control whose value changed.

#include "app/gridControls.h"
#include "desktop/platform.h"
#include "core/knockout/tournament.h"
#include "core/settings/poolSettings.h"
#include "core/settings/preferences.h"
#include "core/settings/resultTexts.h"
#include "core/settings/resultsHistory.h"
#include "core/settings/settingsGuard.h"

#include <QMainWindow>
#include <array>
#include <optional>

class QCloseEvent;
class TTeamColours;

class TMainForm : public QMainWindow {
  Q_OBJECT

public:
  // Reads the settings from the executable's folder and uses the real desktop.
  explicit TMainForm(QWidget *parent = nullptr);
  // Reads the settings from settingsDir; everything modal goes through platform.
  TMainForm(const QString &settingsDir, TPlatform platform, QWidget *parent = nullptr);
  ~TMainForm() override;

  // Controls by their names; nullptr when there is no such control.
  QLineEdit *field(const QString &name) const;
  QLabel *label(const QString &name) const;
  QPushButton *button(const QString &name) const;
  QAction *menuItem(const QString &name) const;

  const TTournament &tournament() const { return Engine; }
  const TGroupRec &groupTable(int group) const { return Engine.groupTable(group); }
  const QString &settingsDir() const { return SettingsDir; }
  TPlatform &platform() { return Platform; }
  // The preferences in force and the names they give. applyPreferences does
  // what the options dialog's OK does.
  const TPreferences &preferences() const { return Prefs; }
  const TNames &names() const { return Names; }
  void applyPreferences(const TPreferences &chosen);

  // Shared operations of the grid.
  void HighlightFavourite();
  void HighlightTeam(const QString &name);
  void ApplyLanguage();

  // Commands, as the menu and the buttons run them.
  void ClearAllButtonClick();
  void SaveButtonClick();
  void OKButtonClick();
  void Options1Click();
  void Outlook1Click();

  // The champion label: armed as a link while a champion is shown.
  void ChampionMouseMove();
  // The grid's team labels carry their match's venue and kick-off as hint.
  void SetMatchHints();

  // Carries every team label outside the group matches into the language, when requested.
  void SetFirstTimeGroups();
  // Clear buttons: stages as in grid/gridIds.h, the groups A..H first.
  void DelButtonClick(int stage);

  bool SaveAll();
  void ReadAll();
  // ReadAll running each field's rule as it is filled: what the quick way must equal.
  void ReadAllFieldByField();

  // The history of the user's steps, for undo and redo, and the recovery
  // file kept while the grid holds unsaved results (app/undoHistory.cpp).
  TResultsHistory &history();
  void Undo1Click();
  void Redo1Click();
  // The texts of every score and penalty field, in the settings file's order.
  TResultTexts resultTexts();

signals:
  // The steps done changed: a new step, a joined edit, an undo or a redo.
  void stepsChanged(int done);

protected:
  void closeEvent(QCloseEvent *event) override;
  bool eventFilter(QObject *watched, QEvent *event) override;

private:
  void FormCreate();
  void readResults(bool fieldByField);
  void showOptions();
  void takePreferences(const TPreferences &chosen);
  // The engine's operations as the window runs them: the operation, then the
  // changed controls shown, then the step recorded.
  void fieldEdited(TField field);
  void showChanges();
  void fillResults(const TResultTexts &texts, TFill how);

  void FormClose(QCloseEvent *event);
  // The steps' history and the recovery file (app/undoHistory.h).
  struct THistory;
  std::unique_ptr<THistory> History;
  friend class TGridBuilder;
  void buildMenu();

  // The grid's key filter, its keyboard ways to what the mouse does (true
  // when the key is taken), the accessible names of its panels and buttons,
  // the score fields' menu (whose Paste keeps to the typing limit) and a
  // team name's press.
  bool myKeyPress(QLineEdit *field, QKeyEvent *event);
  bool KeyboardWay(QObject *watched, QKeyEvent *event);
  void NameGridParts();
  void showScoreFieldMenu(QLineEdit *field, const QPoint &globalPos);
  void pasteWithinLimit(QLineEdit *field);
  void GAName1MouseDown(QLabel *label);
  void GAName1MouseUp(QLabel *label);

  // The outlook marks' hints, written again when a group's outlook changed.
  std::array<TGroupStage::TShownOutlook, GroupCount> ShownOutlooks{};
  void WriteOutlookMarks(int group);

  QString SettingsDir;
  TPlatform Platform;
  TSettingsGuard SettingsGuard;   // another program's change of Brakka.ini
  // The pool's values and folder: saved when the file had them or the pool was opened.
  std::optional<TPoolSettings> PoolSettings;

  TGridControls Controls;

  TTournament Engine;
  TGrid Shown = Engine.grid();   // the flags the controls were last given

  std::unique_ptr<TTeamColours> Colours;

  TPreferences Prefs;
  TNames Names;
  TTeamNameList PreviousNames;   // the names the team labels were last shown in
  bool FirstRun = false;         // no preferences saved yet
  bool RelabelRequest = false;   // the team labels wait to be carried into the language

  // What the match hints were last written from (the formats held, so that they stay the same object).
  struct { int language = -1; double timeZoneOffset = 0.0;
           std::shared_ptr<TRegionalFormats> formats; } HintSource;

  // A click on the champion opens the celebration: from the start, then as the mouse moves over it.
  bool ChampionClickArmed = true;
};
