#pragma once
// The user's steps, for undo and redo. The tournament's whole state follows
// from the texts of its score and penalty fields, so a step is kept as those
// texts before and after it; undoing or redoing gives texts back, which the
// tournament is filled from as a file is read. No rule knows of the history.

#include "core/tournament/ids.h"
#include "core/settings/resultTexts.h"

#include <vector>

enum class TStepKind { Typing, Clearing, ClearingAll, Recovering, Importing };

struct TResultsStep {
  TStepKind kind;
  TField field;   // Typing: the field typed in
  int stage;      // Clearing: the clear button's stage
  TResultTexts before;
  TResultTexts after;
  QString source;   // Importing: the name of the file imported
};

class TResultsHistory {
public:
  // The texts as read or as last restored: what the next step starts from.
  void start(const TResultTexts &texts);
  const TResultTexts &current() const { return Current; }

  // A step that took the texts from current() to `now`; a step that changed
  // nothing is none. An edit of the field typed in by the step on top joins
  // that step, unless another step, an undo or a redo came between; joined
  // back to where it began, the step is gone. Returns false when nothing
  // changed.
  bool record(TStepKind kind, TField field, int stage, const TResultTexts &now,
              const QString &source = QString());

  std::size_t done() const { return At; }
  std::size_t count() const { return Steps.size(); }
  void clear() { Steps.clear(); At = 0; TypingOpen = false; }
  bool canUndo() const { return At > 0; }
  bool canRedo() const { return At < Steps.size(); }
  const TResultsStep *undoStep() const { return canUndo() ? &Steps[At - 1] : nullptr; }
  const TResultsStep *redoStep() const { return canRedo() ? &Steps[At] : nullptr; }
  // One step back or forward: the texts to restore, or nullptr when there
  // is no such step.
  const TResultTexts *undo();
  const TResultTexts *redo();

  // The knockout matches whose score a step emptied without aiming at it:
  // not the typed field's, not a clear button's own stage; Clear All and a
  // recovery aim at every field.
  static int EmptiedResults(const TResultsStep &step);

private:
  std::vector<TResultsStep> Steps;
  std::size_t At = 0;         // steps done
  TResultTexts Current;
  bool TypingOpen = false;    // the step on top may be joined by its field's next edit
};
