#pragma once
// Every interface text other than team and venue names, in the three
// languages; whoever shows one names the language.

#include <QString>

enum class TText : int {
  // Messages
  SaveBeforeExitText, ClearAllConfirmText, SelectLanguageText, SelectTimeZoneText,
  // A settings file that is there but cannot be read: %1 the file, %2 why
  SettingsUnreadableText, SettingsTooLargeText, SettingsNoPermissionText, SettingsFolderText,
  SettingsBrokenLinkText, SettingsLinkLoopText, SettingsOtherText,
  // Main window menu items and buttons
  File1, Clear1, Save1, Report1, Exit1, Options1, About1, View1, Schedule1, Stadiums1,
  Internet1, FIFA1, BrakkaKoreaJapan1, OfficialFootballSites1, OfficialSite1, Rules1,
  KoreaOrganizingCommittee1, JapanOrganizingCommittee1, OKButton, ClearAllButton,
  // Hints of the main window
  ClearScoresHint, ClearAllScoresHint,
  // Other windows
  OptionsCaption, OptionsPanel, LangLbl, FavLbl, TimeZoneLbl, OptionsOKButton, OptionsCancelButton,
  ScheduleCaption, ScheduleCloseButton,
  CityWebSiteStaticPanel, StadiumWebSiteStaticPanel, CapacityStaticPanel, StadiumCloseButton,
  StadiumsCaption,
  CongratulationsLbl,
  AboutCaption, QuestionsLbl, ThanksLbl,
  AboutDescription,
  // Captions and headings of the main window
  CaptionPrefix, GroupWord,
  PtsHeading, PHeading, WHeading, THeading, LHeading, GFHeading, GAHeading, PMHeading,
  FinalWord, ThirdPlaceText, ChampionText,
  // Accessible names
  AccessVersus, AccessGoalsOf, AccessPenaltiesOf, AccessTeam, AccessPlace,
  AccessPoints, AccessPlayed, AccessWon, AccessTied, AccessLost, AccessGoalsFor,
  AccessGoalsAgainst, AccessGoalDifference,
  AccessFinal8Match, AccessFinal4Match, AccessFinal2Match, AccessThirdMatch,
  AccessWinnerOf, AccessLoserOf,
  // The match calendar exported for calendar programs: the command, the
  // undecided sides of a knockout match (%1 a group letter or a match
  // number) and the knockout stages
  ExportCalendar1, CalendarGroupWinner, CalendarGroupRunnerUp, CalendarMatchWinner,
  CalendarMatchLoser, CalendarFinal8, CalendarFinal4, CalendarFinal2, CalendarThird,
  // Results imported from a file and exported to one: the commands, the
  // file dialogs' filters, the preview (%1 the file; what happens to a match
  // of the file, %1 and %2 scores; why it is not applied, %1 a team or the
  // file's score), a file that cannot be read (%1 the file, %2 and %3 the
  // line and column, or the size, or why it cannot be opened) and a file
  // that cannot be written (%1 the file, %2 why)
  ImportResults1, ExportResults1, ImportFileFilter, ExportFileFilter,
  ImportCaption, ImportTableLbl, ImportMatchHeading, ImportTeamsHeading, ImportWhatHeading,
  ImportReasonHeading, ImportNewScore, ImportReplaced, ImportUnchanged, ImportNotApplied,
  ImportPenalties, ImportNotPlayedReason, ImportUnknownTeamReason, ImportNoSuchMatchReason,
  ImportNotInSlotReason, ImportScoreNotHeldReason, ImportListedTwiceReason, ImportLineHint,
  ImportSummary, ImportNothing, ApplyButton, ImportCancelButton,
  ImportCannotOpenText, ImportMissingReason, ImportFolderReason, ImportTooLargeText,
  ImportEmptyText, ImportBinaryText, ImportBrokenJsonText, ImportTruncatedText,
  ImportUnknownFormatText, ImportNothingChanged, ExportFailedText,
  // What the remaining matches can change: the marks of the group tables
  // (%1 the team, %2 its group's title) and the outlook window
  OutlookWinnerHint, OutlookThroughHint, OutlookOutHint, OutlookOpenHint,
  Outlook1, OutlookCaption, OutlookGroupLbl, OutlookScenariosLbl, OutlookAllPlayed,
  OutlookTooMany, OutlookWin, OutlookDraw, OutlookThrough, OutlookOut, OutlookGoals,
  OutlookThroughIf, OutlookOutIf,
  // Undo and redo, the notice of emptied knockout results, crash recovery:
  // %1 and %2 the match's teams, %1 a panel's title, a count, the file
  Edit1, Undo1, Redo1, UndoTypingText, RedoTypingText, UndoClearingText, RedoClearingText,
  UndoClearAllText, RedoClearAllText, UndoRecoveringText, RedoRecoveringText,
  UndoImportingText, RedoImportingText,
  ResultEmptiedText, ResultsEmptiedText, RecoveryQuestionText, RecoveryDamagedText,
  RecoveryUnwritableText,
  // Saving over another program's change of Brakka.ini; a state folder that
  // cannot be used (%1 the folder); a running Brakka that does not answer a
  // second start (%1 the settings file)
  SettingsChangedText, StateFolderUnusableText, InstanceNoAnswerText,
  // Keyboard and screen reader: what each clear button clears, a table's name
  AccessClearGroup, AccessClearFinal8, AccessClearFinal4, AccessClearFinal2, AccessClearThird,
  AccessClearFinal, AccessTableOf,
  // The language's own entry in the options dialog's language list
  LanguageName,
  // The prediction pool: the command and window, the scoring values, the
  // table's and the detail's headings, the folder, the CSV file and why an
  // entry is not scored (%1 a key, %2 its section); the captions of the two
  // tables; a folder that cannot be read (%1 the folder, %2 why) and a file
  // in an encoding that is not read (%1 the encoding)
  Pool1, PoolCaption, PoolFolderLbl, PoolFolderButton, PoolNoFolder, PoolNoEntries, PoolValuesLbl,
  PoolExactValue, PoolDifferenceValue, PoolOutcomeValue, PoolRound16Value, PoolQuarterValue,
  PoolSemiValue, PoolFinalValue, PoolChampionValue,
  PoolRankHeading, PoolNameHeading, PoolPointsHeading, PoolExactHeading, PoolDifferenceHeading,
  PoolOutcomeHeading, PoolRoundsHeading, PoolMatchHeading, PoolPredictionHeading, PoolResultHeading,
  PoolCsvButton, PoolCsvFilter, PoolCsvFailed, PoolNoResultsText, PoolBadScoreText,
  PoolTableLbl, PoolDetailLbl, PoolFolderMissing, PoolFolderNotFolder, PoolFolderUnreadable,
  PoolEncodingText,
  // The wall chart: the commands, the options dialog's paper caption and
  // papers, the chart's date line (%1 the date) and a file name whose ending
  // names no format (%1 the file)
  WallChart1, PrintWallChart1, ChartPaperLbl, ChartPaperA4, ChartPaperA3, ChartPaperLetter,
  ChartPrintedText, ChartFormatText,
  // How the entries picked a match (%1 how many, %2 of how many, %3 the
  // team); the chart of the points day by day, saving it, a name that is
  // neither a PNG nor an SVG file (%1 the file), the legend's rest (%1 how
  // many)
  PoolPicksHeading, PoolPickWin, PoolPickDraw,
  PoolChartLbl, PoolChartButton, PoolChartFilter, PoolChartFormat, PoolChartEmpty, PoolChartMore,
  Count
};

// The text of an entry in a language; a language outside 0..2 reads as English.
// Line breaks inside message texts are "\n".
QString TextIn(int language, TText id);

// The grid's headings in a language: a group's title ("Group A"), a table
// column's heading (0 "Pts" .. 7 "+/-") and a knockout stage's title
// ("1/8 Finals" .. "Final"; stages as in core/tournament/ids.h).
QString GroupTitle(int language, int group);
QString TableHeading(int language, int column);
QString KnockoutTitle(int language, int stage);
