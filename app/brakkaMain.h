#pragma once
// The main window: the whole tournament on one screen. It shows the
// tournament's engine: the user's input goes to the engine, and once an
// operation has run the window writes each control whose value changed.

#include "desktop/platform.h"
#include "knockout/tournament.h"
#include "settings/poolSettings.h"
#include "settings/preferences.h"
#include "settings/resultTexts.h"
#include "settings/resultsHistory.h"
#include "settings/settingsGuard.h"

#include <QHash>
#include <QMainWindow>
#include <array>
#include <optional>

class QAction;
class QCloseEvent;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollArea;
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

  // Clear buttons: stage 0..7 the groups A..H, 8 the 1/8 finals, 9 the
  // quarter-finals, 10 the semi-finals, 11 third place, 12 the final.
  void DelButtonClick(int stage);

  bool SaveAll();
  void ReadAll();
  // ReadAll with every field's rule run as the field is filled, in file
  // order: what the quicker ReadAll must always equal.
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

  // History.
  struct THistory;
  std::unique_ptr<THistory> History;
  void startHistory();
  void endStep(TStepKind kind, TField field, int stage);
  void restoreResults(const TResultTexts *texts);
  void stepDone();
  void showUndoTexts();
  void resultsRead();
  void resultsSaved();
  void scheduleRecovery();
  void writeRecovery();
  void OfferRecovery();
  void closeRecovery();
  void FormClose(QCloseEvent *event);

  // Building the window.
  void buildGrid();
  void buildGroupPanel(int group, QWidget *parent);
  void buildTablePanel(int group, QWidget *parent);
  void buildKnockoutPanels(QWidget *parent);
  void buildMenu();
  QFrame *addPanel(QWidget *parent, const char *name, int x, int y, int w, int h,
                   QFrame *panel = nullptr);
  QLabel *addLabel(QWidget *parent, const QString &name, const QString &caption, int x, int y,
                   int w = -1, int h = -1);
  QLineEdit *addScoreField(QWidget *parent, const QString &name, int x, int y, int w, int h,
                           bool twoCharLimit);
  QLineEdit *addTableField(QWidget *parent, const QString &name, int x, int y);
  QPushButton *addDelButton(QWidget *parent, const char *name, int stage, int panelWidth);
  // A team-name label: reacts to a press and fits long names.
  QLabel *addTeamLabel(QWidget *parent, const QString &name, const QString &caption, int x, int y,
                       int w, int h);
  QLabel *placeLabel(QLabel *label, const QString &name, const QString &caption, int x, int y,
                     int w, int h);
  void resolveControls();

  // Key filter and team-name press of the grid.
  bool myKeyPress(QLineEdit *field, QKeyEvent *event);
  // Keyboard ways to what the mouse does on the grid; true when the key is taken.
  bool KeyboardWay(QObject *watched, QKeyEvent *event);
  // Accessible names of the panels and clear buttons, in the current language.
  void NameGridParts();

  // The score fields' context menu, whose Paste keeps to the typing limit.
  void showScoreFieldMenu(QLineEdit *field, const QPoint &globalPos);
  void pasteWithinLimit(QLineEdit *field);
  void GAName1MouseDown(QLabel *label);
  void GAName1MouseUp(QLabel *label);

  // The outlook marks' hints, written again when a group's outlook changed.
  std::array<TGroupStage::TShownOutlook, GroupCount> ShownOutlooks{};
  void WriteOutlookMarks(int group);

  QString SettingsDir;
  TPlatform Platform;
  // Whether another program changed Brakka.ini since it was read or saved.
  TSettingsGuard SettingsGuard;
  // The prediction pool's values and folder: saved when the file had them
  // or the pool window was opened.
  std::optional<TPoolSettings> PoolSettings;

  // The grid holds every panel and command button at its designed place; it
  // keeps its design size and scrolls when the window is smaller.
  QScrollArea *GridScroll = nullptr;
  QWidget *Grid = nullptr;

  QHash<QString, QLineEdit *> Fields;
  QHash<QString, QLabel *> Labels;
  QHash<QString, QPushButton *> Buttons;
  QHash<QString, QAction *> MenuItems;
  QHash<QLineEdit *, bool> TwoCharLimit;

  TTournament Engine;
  TGrid Shown = Engine.grid();   // the flags the controls were last given
  // The grid's controls by their ids.
  std::array<QLineEdit *, FieldCount> FieldWidgets{};
  std::array<QLabel *, LabelCount> LabelWidgets{};

  std::unique_ptr<TTeamColours> Colours;

  TPreferences Prefs;
  TNames Names;
  TTeamNameList PreviousNames;   // the names the team labels were last shown in
  bool FirstRun = false;         // no preferences saved yet
  bool RelabelRequest = false;   // the team labels wait to be carried into the language

  // What the match hints were last written from (the formats held, so that they stay the same object).
  struct { int language = -1; double timeZoneOffset = 0.0;
           std::shared_ptr<TRegionalFormats> formats; } HintSource;

  // Whether a click on the champion label opens the celebration: from the
  // start, then as the mouse moves over it.
  bool ChampionClickArmed = true;
};
