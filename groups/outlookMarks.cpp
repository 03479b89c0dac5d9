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

void TMainForm::WriteOutlookMarks(int group)
{
  const TGroupStage::TShownOutlook &shown = Engine.groups().outlooks[std::size_t(group)];
  ShownOutlooks[std::size_t(group)] = shown;
  const TGroupSeeding &seeding = GroupSeeding(group);
  for (int r = 0; r < 4; ++r) {
    QLabel *mark = LabelWidgets[Index(MarkLabel(group, r))];
    const int team = shown.teamAt[r];
    const TOutlook outlook = shown.outlook[team];
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
    view.scores = GroupScoresOf(Engine.grid(), g);
    const TGroupSeeding &seeding = GroupSeeding(g);
    for (int t = 0; t < 4; ++t) {
      view.names[t] = TeamNames[seeding.initialOrder[t]];
      if (seeding.initialOrder[t] == FavoriteIndex)
        chosen = g;
    }
    view.order = Engine.groups().outlooks[std::size_t(g)].teamAt;
  }
  auto *form = new TOutlookForm(this, groups, chosen);
  form->setWindowTitle(Text(TText::CaptionPrefix) + Text(TText::OutlookCaption));
  Platform.dialogs->showModal(form);
  form->deleteLater();
}
