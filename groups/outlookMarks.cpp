// The outlook marks beside the places of the group tables, and the outlook
// window's command.

#include "app/brakkaMain.h"

#include "groups/fixtures.h"
#include "groups/groupTables.h"
#include "groups/outlookForm.h"
#include "i18n/names.h"
#include "i18n/texts.h"
#include "settings/preferences.h"

#include <QLabel>
#include <QLineEdit>

namespace {

const std::array<std::array<int, 2>, 6> &SidesOf(int group)
{
  static const std::array<std::array<std::array<int, 2>, 6>, GroupCount> sides = [] {
    std::array<std::array<std::array<int, 2>, 6>, GroupCount> all{};
    for (int g = 0; g < GroupCount; ++g) {
      const auto &order = GroupSeeding(g).initialOrder;
      for (int m = 0; m < MatchesPerGroup; ++m) {
        const TGroupMatch &match = GroupFixtures(g)[m];
        for (int t = 0; t < 4; ++t) {
          if (order[t] == match.side1)
            all[g][m][0] = t;
          if (order[t] == match.side2)
            all[g][m][1] = t;
        }
      }
    }
    return all;
  }();
  return sides[group];
}

}  // namespace

TGroupScores TMainForm::GroupScoresOf(int group) const
{
  TGroupScores scores;
  scores.sides = SidesOf(group);
  const TGroupControls &c = Group[group];
  for (int m = 0; m < MatchesPerGroup; ++m)
    for (int s = 0; s < 2; ++s)
      scores.scores[m][s] = ReadGroupScore(c.scores[m][s]->text());
  return scores;
}

void TMainForm::ShowOutlook(int group)
{
  TShownOutlook &shown = Outlooks[group];
  const TGroupScores scores = GroupScoresOf(group);
  if (!shown.scores || !(*shown.scores == scores)) {
    shown.outlook = GroupOutlook(scores);
    shown.scores = scores;
  }
  const TGroupSeeding &seeding = GroupSeeding(group);
  const TGroupRec &table = GroupTables[group];
  for (int r = 0; r < 4; ++r)
    for (int t = 0; t < 4; ++t)
      if (table[r].TeamName == TeamNames[seeding.initialOrder[t]])
        shown.teamAt[r] = t;
  WriteOutlookMarks(group);
}

void TMainForm::WriteOutlookMarks(int group)
{
  const TShownOutlook &shown = Outlooks[group];
  const TGroupSeeding &seeding = GroupSeeding(group);
  for (int r = 0; r < 4; ++r) {
    QLabel *mark = Group[group].marks[r];
    const int team = shown.teamAt[r];
    const TOutlook outlook = shown.outlook[team];
    const QString text = outlook == TOutlook::Winner || outlook == TOutlook::Through ? QStringLiteral("✓")
                         : outlook == TOutlook::Out                                ? QStringLiteral("✗")
                                                                                   : QString();
    if (mark->text() != text)
      mark->setText(text);
    const QString words = OutlookWords(outlook, TeamNames[seeding.initialOrder[team]],
                                       Text(TText::GroupWord) + GroupLetter(group));
    if (mark->toolTip() != words) {
      mark->setToolTip(words);
      mark->setAccessibleName(words);
    }
  }
}

void TMainForm::Outlook1Click()
{
  // The grid as it is now: each group's scores, its teams' names in the
  // interface language and its table order.
  std::array<TOutlookGroupView, GroupCount> groups;
  int chosen = 0;
  for (int g = 0; g < GroupCount; ++g) {
    TOutlookGroupView &view = groups[g];
    view.title = Text(TText::GroupWord) + GroupLetter(g);
    view.scores = GroupScoresOf(g);
    const TGroupSeeding &seeding = GroupSeeding(g);
    for (int t = 0; t < 4; ++t) {
      view.names[t] = TeamNames[seeding.initialOrder[t]];
      if (seeding.initialOrder[t] == FavoriteIndex)
        chosen = g;
    }
    view.order = Outlooks[g].teamAt;
  }
  auto *form = new TOutlookForm(this, groups, chosen);
  form->setWindowTitle(Text(TText::CaptionPrefix) + Text(TText::OutlookCaption));
  Platform.dialogs->showModal(form);
  form->deleteLater();
}
