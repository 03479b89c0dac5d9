#include "core/settings/resultsHistory.h"

#include "core/tournament/clearing.h"
#include "core/tournament/scoreText.h"

#include <algorithm>
#include <utility>

void TResultsHistory::start(const TResultTexts &texts)
{
  Current = texts;
  TypingOpen = false;
}

namespace {

bool SameTexts(const TResultTexts &a, const TResultTexts &b)
{
  if (a.constData() == b.constData() && a.size() == b.size())
    return true;
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), SameText);
}

}  // namespace

bool TResultsHistory::record(TStepKind kind, TField field, int stage, const TResultTexts &now,
                             const QString &source)
{
  if (SameTexts(now, Current))
    return false;
  const bool joins = kind == TStepKind::Typing && TypingOpen && At > 0 &&
                     Steps[At - 1].kind == TStepKind::Typing && Steps[At - 1].field == field;
  Steps.resize(At);   // a new step ends every redo
  if (joins) {
    TResultsStep &top = Steps[At - 1];
    top.after = now;
    if (SameTexts(top.after, top.before)) {
      Steps.pop_back();
      --At;
    }
  } else {
    Steps.push_back({kind, field, stage, std::move(Current), now, source});
    ++At;
  }
  Current = now;
  TypingOpen = kind == TStepKind::Typing;
  return true;
}

const TResultTexts *TResultsHistory::undo()
{
  if (!canUndo())
    return nullptr;
  --At;
  Current = Steps[At].before;
  TypingOpen = false;
  return &Current;
}

const TResultTexts *TResultsHistory::redo()
{
  if (!canRedo())
    return nullptr;
  Current = Steps[At].after;
  ++At;
  TypingOpen = false;
  return &Current;
}

int TResultsHistory::EmptiedResults(const TResultsStep &step)
{
  if (step.kind == TStepKind::ClearingAll || step.kind == TStepKind::Recovering)
    return 0;
  static const std::vector<TField> none;
  const std::vector<TField> &aimedAt = step.kind == TStepKind::Clearing ? ClearList(step.stage) : none;
  auto emptied = [&](TField f) {
    const std::size_t i = Index(f);
    return !step.before[i].isEmpty() && step.after[i].isEmpty() &&
           !(step.kind == TStepKind::Typing && f == step.field) &&
           std::find(aimedAt.begin(), aimedAt.end(), f) == aimedAt.end();
  };
  int count = 0;
  for (int k = 0; k < KnockoutCount; ++k)
    for (int m = 0; m < KnockoutStage(k).matches; ++m)
      count += emptied(KnockoutScoreField(k, m, 0)) || emptied(KnockoutScoreField(k, m, 1)) ? 1 : 0;
  return count;
}
