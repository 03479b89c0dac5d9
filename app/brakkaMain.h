#pragma once
// The main window: the whole tournament on one screen. Its controls are the
// tournament's state; every handler reads their texts and writes results back.

#include "app/platform.h"
#include "groups/outlook.h"
#include "groups/standings.h"
#include "settings/resultTexts.h"
#include "settings/settingsGuard.h"

#include <QHash>
#include <QMainWindow>
#include <array>
#include <vector>

class QAction;
class QCloseEvent;
class QFrame;
class QLabel;
class QLineEdit;
class QMenuBar;
class QPushButton;
class QScrollArea;
class QUndoStack;

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

  const TGroupRec &groupTable(int group) const { return GroupTables[group]; }
  const QString &settingsDir() const { return SettingsDir; }
  TPlatform &platform() { return Platform; }

  // Shared operations of the grid. While a colour batch is open (see
  // TColourBatch), HighlightFavourite only notes that the colours are stale.
  void HighlightFavourite();
  void HighlightTeam(const QString &name);
  void ApplyLanguage();

  // Commands, as the menu and the buttons run them.
  void ClearAllButtonClick();
  void SaveButtonClick();
  void OKButtonClick();
  void About1Click();
  void Report1Click();
  void Options1Click();
  void Schedule1Click();
  // Writes the match calendar to an iCalendar file the user chooses; its
  // dialogs belong to parent (the main window when none is given).
  void ExportCalendar1Click(QWidget *parent = nullptr);
  void Outlook1Click();
  void VenueFormSetup(QAction *sender);
  void CountryWebLink(QAction *sender);
  // Starts the default browser on an address.
  void OpenWebPage(const QString &address);

  // The champion label: armed as a link while a champion is shown.
  void ChampionMouseMove();
  void ChampionClick();

  // The grid's team labels carry their match's venue and kick-off as hint.
  void SetMatchHints();

  // Re-labels every team label outside the group matches into the current
  // language, when a re-labelling was requested.
  void SetFirstTimeGroups();
  void PopulateGroupTeamName(QLabel *label);

  // Clear buttons: stage 0..7 the groups A..H, 8 the 1/8 finals, 9 the
  // quarter-finals, 10 the semi-finals, 11 third place, 12 the final.
  void DelButtonClick(int stage);

  bool SaveAll();
  void ReadAll();
  // ReadAll with every field's change handlers run as the field is filled,
  // in file order: what the quicker ReadAll must always equal.
  void ReadAllFieldByField();
  void CalculateAll();

  // The history of the user's steps, for undo and redo, and the recovery
  // file kept while the grid holds unsaved results (app/undoHistory.cpp).
  QUndoStack *undoStack() const;
  void Undo1Click();
  void Redo1Click();
  // The texts of every score and penalty field, in the settings file's order.
  TResultTexts resultTexts();

protected:
  void closeEvent(QCloseEvent *event) override;
  bool eventFilter(QObject *watched, QEvent *event) override;

private:
  void FormCreate();
  void readResults(bool fieldByField);
  // Fills every score and penalty field from texts, each knockout stage after
  // the groups, scores before penalties; the cascade recomputes the rest.
  enum class TFill { Loading, FieldByField, Restoring };
  void fillResults(const TResultTexts &texts, TFill how);
  const std::vector<QLineEdit *> &resultFields();
  std::vector<QLineEdit *> ResultFields;

  // History. A user step is what one field edit, clear button or Clear All
  // changes, with the cascade it runs; field changes inside a step or while
  // fields are filled form no step of their own.
  struct THistory;
  std::unique_ptr<THistory> History;
  friend class TResultsStep;
  enum class TStepKind { Typing, Clearing, ClearingAll, Recovering };
  class TStepScope {
  public:
    TStepScope(TMainForm &form, TStepKind kind, int stage = -1);
    ~TStepScope();
    TStepScope(const TStepScope &) = delete;
    TStepScope &operator=(const TStepScope &) = delete;

  private:
    TMainForm &Form;
    TStepKind Kind;
    int Stage;
  };
  class TQuietChanges {
  public:
    explicit TQuietChanges(TMainForm &form);
    ~TQuietChanges();
    TQuietChanges(const TQuietChanges &) = delete;
    TQuietChanges &operator=(const TQuietChanges &) = delete;

  private:
    TMainForm &Form;
  };
  void startHistory();
  void fieldChanging(QLineEdit *field);
  void fieldChanged();
  void endStep(TStepKind kind, QLineEdit *field, int stage);
  void restoreResults(const TResultTexts &texts);
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

  // Group stage. While HeldGroup names a group, its fields' changes leave
  // its table alone: the group is being filled or emptied as a whole and is
  // rebuilt once at the end.
  int HeldGroup = -1;
  void GroupChange(int group);
  void CalculateGroup(int group, bool final);

  // What the remaining matches can change, marked beside each place of the
  // tables (groups/outlookMarks.cpp): worked out again only when the group's
  // scores differ from those it was last worked out for.
  struct TShownOutlook {
    std::optional<TGroupScores> scores;
    std::array<TOutlook, 4> outlook{};
    std::array<int, 4> teamAt = {0, 1, 2, 3};   // team number at each place
  };
  std::array<TShownOutlook, 8> Outlooks;
  TGroupScores GroupScoresOf(int group) const;
  void ShowOutlook(int group);
  void WriteOutlookMarks(int group);

  // Knockout stage.
  void GroupStageChange(QLineEdit *sender);
  void SetThirdPlace(int side);
  void ThirdChange();
  void FinalChange();
  void CalculateWinner();
  void EnableThirdPlace(QLineEdit *field, QLabel *label);
  void DisableThirdPlace(QLineEdit *field, QLabel *label);
  void ShowThirdPenaltyFields(bool on);
  void ClearThirdPenaltyFields();
  void ShowFinalPenaltyFields(bool on);
  void ClearFinalPenaltyFields();
  void ShowPenaltyFieldsOf(const char *stage, bool on);
  void ClearPenaltyFieldsOf(const char *stage);

  QString SettingsDir;
  TPlatform Platform;
  // Whether another program changed Brakka.ini since it was read or saved.
  TSettingsGuard SettingsGuard;

  // The grid holds every panel and command button at its designed place; it
  // keeps its design size and scrolls when the window is smaller.
  QScrollArea *GridScroll = nullptr;
  QWidget *Grid = nullptr;

  QHash<QString, QLineEdit *> Fields;
  QHash<QString, QLabel *> Labels;
  QHash<QString, QPushButton *> Buttons;
  QHash<QString, QAction *> MenuItems;
  QHash<QLineEdit *, bool> TwoCharLimit;

  std::array<TGroupRec, 8> GroupTables;

  // Controls of each group, resolved once.
  struct TGroupControls {
    std::array<std::array<QLineEdit *, 2>, 6> scores;
    std::array<std::array<QLabel *, 2>, 6> teams;
    std::array<QLabel *, 4> names;
    std::array<std::array<QLineEdit *, 8>, 4> figures;   // Pts P W T L GF GA PM by place
    std::array<QLabel *, 4> marks;                      // outlook marks by place
    QLabel *winnerSlot;
    QLabel *runnerUpSlot;
    std::array<QLineEdit *, 2> winnerMatch;
    std::array<QLineEdit *, 2> runnerUpMatch;
  };
  std::array<TGroupControls, 8> Group{};

  // Controls of the bracket's matches, in the order of Bracket().
  struct TBracketControls {
    QLineEdit *score1, *score2, *pen1, *pen2, *next;
    QLabel *team1, *team2, *penLbl, *nextLbl;
  };
  std::vector<TBracketControls> BracketMatches;

  // Fields emptied by each clear button, in order.
  std::array<std::vector<QLineEdit *>, 13> ClearLists;

  // Controls whose colour the favourite walk sets, in walk order, and the
  // colour each one shows now.
  enum class TTeamColour : unsigned char { Default, Favourite, Pressed };
  struct TColoured {
    QWidget *control;
    QLabel *asLabel;
    QLineEdit *asField;
    TTeamColour colour;
  };
  std::vector<TColoured> ColourWalk;

  // Team colours follow the texts once per user operation. Change handlers
  // nest (a setText runs further handlers before it returns) and each one
  // ends by recolouring; while an outer handler is still running, a
  // recolouring only marks the colours stale and the outermost handler
  // recolours once as it returns. Nothing paints or reads a colour in
  // between, so every colour the user can see is the same.
  class TColourBatch {
  public:
    explicit TColourBatch(TMainForm &form) : Form(form) { ++Form.ColourBatchDepth; }
    ~TColourBatch();
    TColourBatch(const TColourBatch &) = delete;
    TColourBatch &operator=(const TColourBatch &) = delete;

  private:
    TMainForm &Form;
  };
  int ColourBatchDepth = 0;
  bool ColoursStale = false;
  // Whether text is the favourite's name: an empty text never is.
  static bool IsFavouriteText(const QString &text);

  // What the match hints were last written from: the language, the time
  // zone and the regional formats (held, so that they stay the same object).
  // The hints are written again only when one of these has changed.
  struct THintSource {
    int language = -1;
    double timeZoneOffset = 0.0;
    std::shared_ptr<TRegionalFormats> formats;
  };
  THintSource HintSource;

  // Whether a click on the champion label opens the celebration: from the
  // start, then as the mouse moves over it.
  bool ChampionClickArmed = true;
  void setTeamColour(TColoured &c, TTeamColour colour);
};
