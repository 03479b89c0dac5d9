#include "app/brakkaCommon.h"

#include "app/fixtures.h"

#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>

bool IsScore(const QString &text)
{
  if (text.isEmpty())
    return false;
  for (QChar c : text) {
    if (c < QLatin1Char('0') || c > QLatin1Char('9'))
      return false;
  }
  return true;
}

int CompareScores(const QString &a, const QString &b)
{
  auto significant = [](const QString &s) {
    qsizetype i = 0;
    while (i + 1 < s.size() && s[i] == QLatin1Char('0'))
      ++i;
    return QStringView(s).mid(i);
  };
  const QStringView x = significant(a);
  const QStringView y = significant(b);
  if (x.size() != y.size())
    return x.size() < y.size() ? -1 : 1;
  const int c = x.compare(y);
  return c < 0 ? -1 : (c > 0 ? 1 : 0);
}

QString PastedScore(const QString &pasted)
{
  const qsizetype lineEnd = pasted.indexOf(QRegularExpression(QStringLiteral("[\\r\\n]")));
  const QString line = pasted.left(lineEnd).trimmed();
  return IsScore(line) ? line : QString();
}

bool KeyPassesFilter(int key, Qt::KeyboardModifiers modifiers, const QString &text,
                     int textLength, int selectedLength, bool twoCharLimit)
{
  const Qt::KeyboardModifiers mods = modifiers & ~(Qt::KeypadModifier | Qt::GroupSwitchModifier);
  const bool command = mods & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);

  if (key == Qt::Key_Backspace)
    return !command;
  if (text.size() == 1 && text[0] >= QLatin1Char('0') && text[0] <= QLatin1Char('9')) {
    if (command)
      return false;
    return !twoCharLimit || textLength - selectedLength + 1 <= 2;
  }
  switch (key) {
  case Qt::Key_Left: case Qt::Key_Right: case Qt::Key_Up: case Qt::Key_Down:
  case Qt::Key_Home: case Qt::Key_End: case Qt::Key_PageUp: case Qt::Key_PageDown:
    return !(mods & (Qt::AltModifier | Qt::MetaModifier));
  case Qt::Key_Delete:
    return mods == Qt::NoModifier;   // Shift+Delete would cut
  case Qt::Key_Tab: case Qt::Key_Backtab: case Qt::Key_Escape:
  case Qt::Key_Shift: case Qt::Key_Control: case Qt::Key_Alt: case Qt::Key_Meta:
    return true;
  default:
    break;
  }
  return key >= Qt::Key_F1 && key <= Qt::Key_F35;
}

bool OwnEnabled(const QWidget *w) { return !w->testAttribute(Qt::WA_Disabled); }

void SetBold(QLabel *label, bool bold)
{
  QFont f = label->font();
  if (f.bold() == bold)
    return;
  f.setBold(bold);
  label->setFont(f);
}

bool IsBold(const QLabel *label) { return label->font().bold(); }

namespace {

struct TKnockoutMatch {
  QLineEdit *score1, *score2, *pen1, *pen2, *next;
  QLabel *team1, *team2, *nextLbl;

  void enableSlot() const
  {
    next->setEnabled(true);
    nextLbl->setEnabled(true);
  }
  void resetSlot() const
  {
    next->setEnabled(false);
    next->setText(QString());
    nextLbl->setText(Placeholder);
    nextLbl->setEnabled(false);
  }
  void showPenaltyFields(bool visible) const
  {
    pen1->setVisible(visible);
    pen2->setVisible(visible);
  }
  void clearPenaltyFields() const
  {
    pen1->setText(QString());
    pen2->setText(QString());
  }
  void plain() const
  {
    SetBold(team1, false);
    SetBold(team2, false);
  }
  void sendOn(QLabel *winner, QLabel *loser) const
  {
    enableSlot();
    nextLbl->setText(winner->text());
    SetBold(winner, true);
    SetBold(loser, false);
  }

  void decideWinner() const
  {
    if (!IsScore(score1->text()) || !IsScore(score2->text())) {
      resetSlot();
      plain();
      return;
    }
    const int goals = CompareScores(score1->text(), score2->text());
    if (goals != 0) {
      clearPenaltyFields();
      showPenaltyFields(false);
      if (goals > 0)
        sendOn(team1, team2);
      else
        sendOn(team2, team1);
      return;
    }
    if (!IsScore(pen1->text()) || !IsScore(pen2->text())) {
      resetSlot();
      plain();
      return;
    }
    const int penalties = CompareScores(pen1->text(), pen2->text());
    if (penalties > 0) {
      sendOn(team1, team2);
    } else if (penalties < 0) {
      sendOn(team2, team1);
    } else {
      resetSlot();
      plain();
    }
  }
};

}  // namespace

void AdvanceWinner(QLineEdit *Score1, QLineEdit *Score2, QLineEdit *Pen1, QLineEdit *Pen2,
                   QLineEdit *NextField, QLabel *Team1Lbl, QLabel *Team2Lbl, QLabel * /*PenLbl*/,
                   QLabel *NextLbl)
{
  const TKnockoutMatch m{Score1, Score2, Pen1, Pen2, NextField, Team1Lbl, Team2Lbl, NextLbl};
  if (!IsScore(Score1->text()) || !IsScore(Score2->text())) {
    m.clearPenaltyFields();
    m.showPenaltyFields(false);
    m.decideWinner();
    return;
  }
  if (CompareScores(Score1->text(), Score2->text()) != 0 || !Pen1->isHidden()) {
    m.decideWinner();
    return;
  }
  m.resetSlot();
  m.plain();
  m.showPenaltyFields(true);
}
