#include "core/document/document.h"

#include "core/groups/brakkaDebug.h"
#include "core/i18n/texts.h"
#include "core/tournament/clearing.h"
#include "core/tournament/scoreText.h"

#include <algorithm>

namespace {

// The title of clear button `stage`'s panel: its group's, or its stage's.
QString StageTitle(int language, int stage)
{
  return stage < GroupCount ? GroupTitle(language, stage) : KnockoutTitle(language, stage - GroupCount);
}

// What the Edit menu says of a step, in a language; a typing step names its
// match's teams as they stand now, a clearing names the panel by its title,
// an import its file.
QString Describe(int language, const TTeamNameList &names, const TTournament &tournament,
                 const TResultsStep &step, bool undo)
{
  switch (step.kind) {
  case TStepKind::Typing: {
    const TMatchState &m = tournament.match(FieldInfo(step.field).of);
    return TextIn(language, undo ? TText::UndoTypingText : TText::RedoTypingText)
        .arg(ShownTeam(names, m.teams[0]), ShownTeam(names, m.teams[1]));
  }
  case TStepKind::Clearing:
    return TextIn(language, undo ? TText::UndoClearingText : TText::RedoClearingText)
        .arg(StageTitle(language, step.stage).trimmed());
  case TStepKind::ClearingAll:
    return TextIn(language, undo ? TText::UndoClearAllText : TText::RedoClearAllText);
  case TStepKind::Importing:
    return TextIn(language, undo ? TText::UndoImportingText : TText::RedoImportingText).arg(step.source);
  case TStepKind::Recovering:
    break;
  }
  return TextIn(language, undo ? TText::UndoRecoveringText : TText::RedoRecoveringText);
}

}  // namespace

TDocument::TDocument(bool outlookMarks, QObject *parent)
    : QObject(parent), Tournament(outlookMarks), Names(NamesIn(Prefs.language, Prefs.favorite))
{
}

TDocument::~TDocument() = default;

bool TDocument::SameResults(const TResultTexts &a, const TResultTexts &b)
{
  if (a.constData() == b.constData() && a.size() == b.size())
    return true;
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), SameText);
}

std::optional<TResultTexts> TDocument::recoveryTexts() const
{
  if (!Recording || !unsaved())
    return std::nullopt;
  return History.current();
}

QString TDocument::undoText() const
{
  const TResultsHistory &h = History;
  return h.canUndo() ? Describe(Prefs.language, Names.teams, Tournament, *h.undoStep(), true)
                     : TextIn(Prefs.language, TText::Undo1);
}

QString TDocument::redoText() const
{
  const TResultsHistory &h = History;
  return h.canRedo() ? Describe(Prefs.language, Names.teams, Tournament, *h.redoStep(), false)
                     : TextIn(Prefs.language, TText::Redo1);
}

void TDocument::setNotice(const QString &notice)
{
  if (Notice == notice)
    return;
  Notice = notice;
  TDocumentChange change;
  change.notice = true;
  finish(change);
}

TDocument::TLoad TDocument::load(const QString &settingsFolder, bool fieldByField)
{
  SettingsFile = SettingsFilePath(settingsFolder);
  Guard.noteRead(SettingsFile);
  const TSettingsRead read = ReadSettingsFile(SettingsFile);
  FirstRun = read.firstRun;
  Pool = read.pool;
  const bool readable = TProfileFile::readable(read.loaded);
  // A file that cannot be read keeps the initial values: what it holds may
  // still be the user's, and a save will not replace it. A first start
  // reads no results: there are none before the options are chosen.
  const bool results = readable && !FirstRun;
  if (results) {
    Prefs = read.preferences;
    takeNames();
  }
  open(results ? read.results : resultTexts(), fieldByField ? TFill::FieldByField : TFill::Loading, results);
  return {read.loaded, readable};
}

void TDocument::loadResults(const TResultTexts &texts, TFill how) { open(texts, how, false); }

void TDocument::open(const TResultTexts &texts, TFill how, bool preferences)
{
  FillResults(Tournament, texts, how);
  Saved = resultTexts();
  History.start(Saved);
  Recording = true;
  TDocumentChange change;
  change.preferences = preferences;
  change.steps = true;
  finish(change);
}

TSaveResult TDocument::save(const std::function<bool()> &mayReplace)
{
  // Another program's changes are replaced only when the user says so.
  auto mayReplaceChanged = [this, &mayReplace] {
    return !Guard.changedOnDisk(SettingsFile) || !mayReplace || mayReplace();
  };
  QByteArray written;
  const TResultTexts texts = resultTexts();
  const TSaveResult result =
      SaveSettingsFile(SettingsFile, Prefs, Pool, texts, mayReplaceChanged, &written);
  if (result == TSaveResult::Saved) {
    Guard.noteWritten(written);
    Saved = texts;
    TDocumentChange change;
    change.written = true;
    finish(change);
  }
  return result;
}

void TDocument::setPreferences(const TPreferences &preferences)
{
  FirstRun = false;
  Prefs = preferences;
  takeNames();
  TDocumentChange change;
  change.preferences = true;
  finish(change);
}

// Any language but those there are is English, and is saved so.
void TDocument::takeNames()
{
  if (Prefs.language < 0 || Prefs.language >= LanguageCount)
    Prefs.language = LangEnglish;
  Names = NamesIn(Prefs.language, Prefs.favorite);
  SetTraceTeamNames(Names.teams);
}

void TDocument::type(TField field, const QString &text)
{
  if (SameText(Tournament.text(field), text))
    return;
  Tournament.setText(field, text);
  endStep(TStepKind::Typing, field, -1);
}

void TDocument::clearStage(int stage)
{
  ClearStage(Tournament, stage);
  endStep(TStepKind::Clearing, TField(), stage);
}

void TDocument::clearAll()
{
  ClearAll(Tournament);
  endStep(TStepKind::ClearingAll, TField(), -1);
}

void TDocument::applyResults(const TResultTexts &texts, TStepKind kind, const QString &source)
{
  FillResults(Tournament, texts, TFill::Restoring);
  endStep(kind, TField(), -1, source);
}

void TDocument::undo() { restore(History.undo()); }

void TDocument::redo() { restore(History.redo()); }

void TDocument::clearHistory()
{
  History.clear();
  TDocumentChange change;
  change.steps = true;
  finish(change);
}

// A user's step has run: it is recorded, and the notice speaks of the step
// now on top (a new one, or the one this edit joined).
void TDocument::endStep(TStepKind kind, TField field, int stage, const QString &source)
{
  TDocumentChange change;
  if (Recording && History.record(kind, field, stage, resultTexts(), source)) {
    const TResultsStep *top = History.undoStep();
    const int emptied = top ? TResultsHistory::EmptiedResults(*top) : 0;
    const QString notice = emptied == 1  ? TextIn(Prefs.language, TText::ResultEmptiedText)
                           : emptied > 1 ? TextIn(Prefs.language, TText::ResultsEmptiedText).arg(emptied)
                                         : QString();
    change.notice = notice != Notice;
    Notice = notice;
    change.steps = true;
  }
  finish(change);
}

// The texts of a step undone or redone are filled in as a file is read.
void TDocument::restore(const TResultTexts *texts)
{
  if (!texts)
    return;
  FillResults(Tournament, *texts, TFill::Restoring);
  TDocumentChange change;
  change.steps = true;
  change.notice = !Notice.isEmpty();
  Notice.clear();
  finish(change);
}

void TDocument::finish(TDocumentChange change)
{
  change.tournament |= Tournament.takeChanges();
  const bool unsavedNow = unsaved();
  change.saved = unsavedNow != WasUnsaved;
  WasUnsaved = unsavedNow;
  if (change.any())
    emit changed(change);
}
