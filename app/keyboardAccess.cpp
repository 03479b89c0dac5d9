// The grid without a mouse and with a screen reader: keyboard ways to what a
// press of the mouse does, the names of panels and clear buttons, and the
// announcement of what changed.

#include "app/brakkaMain.h"

#include "app/accessibility.h"
#include "app/championLabel.h"
#include "core/groups/fixtures.h"
#include "core/i18n/texts.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

constexpr TText ClearWords[13] = {
  TText::AccessClearGroup,  TText::AccessClearGroup,  TText::AccessClearGroup,
  TText::AccessClearGroup,  TText::AccessClearGroup,  TText::AccessClearGroup,
  TText::AccessClearGroup,  TText::AccessClearGroup,  TText::AccessClearFinal8,
  TText::AccessClearFinal4, TText::AccessClearFinal2, TText::AccessClearThird,
  TText::AccessClearFinal,
};
constexpr const char *StagePanels[5][3] = {
  {"GPFinal8", "Final8Lbl", "Final8DelButton"}, {"GPFinal4", "Final4Lbl", "Final4DelButton"},
  {"GPFinal2", "Final2Lbl", "Final2DelButton"}, {"GPThird", "ThirdLbl", "ThirdDelButton"},
  {"GPFinal", "FinalLbl", "FinalDelButton"},
};

bool IsPress(const QKeyEvent *e) { return e->type() == QEvent::KeyPress; }

}  // namespace

void TMainForm::NameGridParts()
{
  for (int g = 0; g < GroupCount; ++g) {
    const QChar letter = GroupLetter(g);
    const QString title = GroupTitle(Prefs.language, g);
    Controls.grid->findChild<QWidget *>(QStringLiteral("GroupPanel%1").arg(letter))->setAccessibleName(title);
    Controls.grid->findChild<QWidget *>(QStringLiteral("GPStand%1").arg(letter))
        ->setAccessibleName(TextIn(Prefs.language, TText::AccessTableOf).arg(title));
    button(QStringLiteral("Group%1DelButton").arg(letter))
        ->setAccessibleName(TextIn(Prefs.language, ClearWords[g]).arg(letter));
  }
  for (int s = 0; s < 5; ++s) {
    Controls.grid->findChild<QWidget *>(QLatin1String(StagePanels[s][0]))
        ->setAccessibleName(label(QLatin1String(StagePanels[s][1]))->text());
    button(QLatin1String(StagePanels[s][2]))
        ->setAccessibleName(TextIn(Prefs.language, ClearWords[GroupCount + s]));
  }
}

// A key held on a team's label, or on a score field, shows the team as a
// press of the mouse does; Enter or Space on the champion opens the
// celebration; Left from the start of a score field reaches its team's
// label and Right comes back.
bool TMainForm::KeyboardWay(QObject *watched, QKeyEvent *e)
{
  auto *field = qobject_cast<QLineEdit *>(watched);
  auto *team = qobject_cast<QLabel *>(watched);
  if (!field && !team)
    return false;
  QString stem = watched->objectName();
  if (field && stem.endsWith(QLatin1String("pk")))
    stem.chop(2);
  if (team && stem.endsWith(QLatin1String("Lbl")))
    stem.chop(3);
  if (field)
    team = label(stem + QLatin1String("Lbl"));
  if (!team)
    return false;
  const bool champion = team == label(QStringLiteral("Champion"));

  switch (e->key()) {
  case Qt::Key_Space:
    if (!e->isAutoRepeat() && IsPress(e) && champion && !field)
      CelebrateChampion(*this);
    else if (!e->isAutoRepeat() && IsPress(e))
      GAName1MouseDown(team);
    else if (!e->isAutoRepeat())
      GAName1MouseUp(team);
    return true;
  case Qt::Key_Return:
  case Qt::Key_Enter:
    if (!champion || field)
      return false;
    if (IsPress(e) && !e->isAutoRepeat())
      CelebrateChampion(*this);
    return true;
  case Qt::Key_Left:
    if (!field || field->cursorPosition() != 0 || field->hasSelectedText() || !IsPress(e))
      return false;
    team->setFocus(Qt::OtherFocusReason);
    return true;
  case Qt::Key_Right:
    if (field || !IsPress(e) || !this->field(stem))
      return false;
    this->field(stem)->setFocus(Qt::OtherFocusReason);
    return true;
  default:
    return false;
  }
}
