// The hints of the outlook marks beside the places of the group tables, and
// the outlook window's command.

#include "app/brakkaMain.h"

#include "core/groups/fixtures.h"
#include "core/groups/groupTables.h"
#include "groups/outlookForm.h"
#include "core/i18n/names.h"
#include "core/i18n/texts.h"

#include <QLabel>

void TMainForm::WriteOutlookMarks(int group)
{
  const TGroupStage::TShownOutlook &shown = Engine.groups().outlooks[std::size_t(group)];
  ShownOutlooks[std::size_t(group)] = shown;
  const TGroupSeeding &seeding = GroupSeeding(group);
  for (int r = 0; r < 4; ++r) {
    QLabel *mark = Controls.labelById[Index(MarkLabel(group, r))];
    const int team = shown.teamAt[r];
    const TOutlook outlook = shown.outlook[team];
    const QString words = OutlookWords(Prefs.language, outlook, Names.teams[seeding.initialOrder[team]],
                                       GroupTitle(Prefs.language, group));
    if (mark->toolTip() != words) {
      mark->setToolTip(words);
      mark->setAccessibleName(words);
    }
  }
}

void TMainForm::Outlook1Click()
{
  ShowOutlookWindow(this, *Platform.dialogs, Engine.grid(), Engine.groups(), Prefs.language,
                    Names.teams, Prefs.favorite);
}
