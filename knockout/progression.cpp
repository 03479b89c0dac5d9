// The knockout stage: deciding each match and carrying its winner on, the
// third-place match and the final.

#include "app/brakkaMain.h"

#include "app/brakkaCommon.h"
#include "groups/fixtures.h"
#include "knockout/bracket.h"

#include <QLabel>
#include <QLineEdit>
#include <cstring>

void TMainForm::GroupStageChange(QLineEdit *sender)
{
  const TColourBatch colours(*this);
  for (std::size_t i = 0; i < BracketMatches.size(); ++i) {
    const TBracketControls &m = BracketMatches[i];
    if (sender != m.score1 && sender != m.score2 && sender != m.pen1 && sender != m.pen2)
      continue;
    const QString nextTeam = m.nextLbl->text();
    AdvanceWinner(m.score1, m.score2, m.pen1, m.pen2, m.next, m.team1, m.team2, m.penLbl, m.nextLbl);
    // A filled slot that takes another team keeps its scores, and the match
    // it stands in is decided again with them at once (and so on to the
    // champion): no winner is shown that the scores no longer give.
    if (m.nextLbl->text() != nextTeam) {
      if (std::strcmp(Bracket()[i].nextPrefix, "Final") == 0)
        FinalChange();
      else
        GroupStageChange(m.next);
    }
    if (const int side = Bracket()[i].thirdSide)
      SetThirdPlace(side);
    break;
  }
  HighlightFavourite();
}

// Puts the loser of semi-final `side` into third-place slot `side`.
void TMainForm::SetThirdPlace(int side)
{
  QLineEdit *g1 = field(KnockoutName("Final2", side, 1));
  QLineEdit *g2 = field(KnockoutName("Final2", side, 2));
  QLineEdit *p1 = field(KnockoutName("Final2", side, 1, "pk"));
  QLineEdit *p2 = field(KnockoutName("Final2", side, 2, "pk"));
  QLabel *team1 = label(KnockoutName("Final2", side, 1, "Lbl"));
  QLabel *team2 = label(KnockoutName("Final2", side, 2, "Lbl"));
  QLineEdit *thirdField = field(KnockoutName("Third", 1, side));
  QLabel *thirdLabel = label(KnockoutName("Third", 1, side, "Lbl"));

  auto loserGoesOn = [&](QLabel *loser) {
    EnableThirdPlace(thirdField, thirdLabel);
    if (thirdLabel->text() == loser->text())
      return;
    thirdLabel->setText(loser->text());
    ThirdChange();   // the third-place match with its new team, as above
  };

  if (!IsScore(g1->text()) || !IsScore(g2->text())) {
    DisableThirdPlace(thirdField, thirdLabel);
    return;
  }
  const int goals = CompareScores(g1->text(), g2->text());
  if (goals != 0) {
    loserGoesOn(goals > 0 ? team2 : team1);
    return;
  }
  if (!IsScore(p1->text()) || !IsScore(p2->text())) {
    DisableThirdPlace(thirdField, thirdLabel);
    return;
  }
  const int penalties = CompareScores(p1->text(), p2->text());
  if (penalties > 0)
    loserGoesOn(team2);
  else if (penalties < 0)
    loserGoesOn(team1);
  else
    DisableThirdPlace(thirdField, thirdLabel);
}

void TMainForm::EnableThirdPlace(QLineEdit *field, QLabel *label)
{
  field->setEnabled(true);
  label->setEnabled(true);
}

void TMainForm::DisableThirdPlace(QLineEdit *field, QLabel *label)
{
  field->setEnabled(false);
  field->setText(QString());
  label->setEnabled(false);
  label->setText(Placeholder);
}

// The third-place match and the final ("Third", "Final"): one match each,
// whose "Pen." heading is enabled exactly while its penalty fields show.
void TMainForm::ShowPenaltyFieldsOf(const char *stage, bool on)
{
  label(QStringLiteral("%1PKLbl").arg(QLatin1String(stage)))->setEnabled(on);
  field(KnockoutName(stage, 1, 1, "pk"))->setVisible(on);
  field(KnockoutName(stage, 1, 2, "pk"))->setVisible(on);
}

void TMainForm::ClearPenaltyFieldsOf(const char *stage)
{
  field(KnockoutName(stage, 1, 1, "pk"))->setText(QString());
  field(KnockoutName(stage, 1, 2, "pk"))->setText(QString());
}

void TMainForm::ShowThirdPenaltyFields(bool on) { ShowPenaltyFieldsOf("Third", on); }
void TMainForm::ClearThirdPenaltyFields() { ClearPenaltyFieldsOf("Third"); }
void TMainForm::ShowFinalPenaltyFields(bool on) { ShowPenaltyFieldsOf("Final", on); }
void TMainForm::ClearFinalPenaltyFields() { ClearPenaltyFieldsOf("Final"); }

void TMainForm::ThirdChange()
{
  const TColourBatch colours(*this);
  QLineEdit *g1 = field(QStringLiteral("Third11"));
  QLineEdit *g2 = field(QStringLiteral("Third12"));
  QLineEdit *p1 = field(QStringLiteral("Third11pk"));
  QLineEdit *p2 = field(QStringLiteral("Third12pk"));
  QLabel *team1 = label(QStringLiteral("Third11Lbl"));
  QLabel *team2 = label(QStringLiteral("Third12Lbl"));
  auto mark = [&](bool bold1, bool bold2) {
    SetBold(team1, bold1);
    SetBold(team2, bold2);
  };

  if (!IsScore(g1->text()) || !IsScore(g2->text())) {
    mark(false, false);
    ClearThirdPenaltyFields();
    ShowThirdPenaltyFields(false);
  } else if (const int goals = CompareScores(g1->text(), g2->text()); goals != 0) {
    mark(goals > 0, goals < 0);
    ClearThirdPenaltyFields();
    ShowThirdPenaltyFields(false);
  } else if (OwnEnabled(label(QStringLiteral("ThirdPKLbl")))) {
    if (IsScore(p1->text()) && IsScore(p2->text())) {
      const int penalties = CompareScores(p1->text(), p2->text());
      mark(penalties > 0, penalties < 0);
    } else {
      mark(false, false);
    }
  } else {
    mark(false, false);
    ShowThirdPenaltyFields(true);
  }
  HighlightFavourite();
}

void TMainForm::FinalChange()
{
  const TColourBatch colours(*this);
  QLineEdit *g1 = field(QStringLiteral("Final11"));
  QLineEdit *g2 = field(QStringLiteral("Final12"));
  if (!IsScore(g1->text()) || !IsScore(g2->text())) {
    ClearFinalPenaltyFields();
    ShowFinalPenaltyFields(false);
    CalculateWinner();
  } else if (CompareScores(g1->text(), g2->text()) != 0) {
    CalculateWinner();
  } else if (OwnEnabled(label(QStringLiteral("FinalPKLbl")))) {
    CalculateWinner();
  } else {
    label(QStringLiteral("Champion"))->setText(Placeholder);
    ShowFinalPenaltyFields(true);
  }
  HighlightFavourite();
}

void TMainForm::CalculateWinner()
{
  QLineEdit *g1 = field(QStringLiteral("Final11"));
  QLineEdit *g2 = field(QStringLiteral("Final12"));
  QLineEdit *p1 = field(QStringLiteral("Final11pk"));
  QLineEdit *p2 = field(QStringLiteral("Final12pk"));
  QLabel *champion = label(QStringLiteral("Champion"));
  const QString side1 = QStringLiteral("Final11Lbl");
  const QString side2 = QStringLiteral("Final12Lbl");

  if (!IsScore(g1->text()) || !IsScore(g2->text())) {
    champion->setText(Placeholder);
    return;
  }
  if (const int goals = CompareScores(g1->text(), g2->text()); goals != 0) {
    ClearFinalPenaltyFields();
    ShowFinalPenaltyFields(false);
    champion->setText(label(goals > 0 ? side1 : side2)->text());
    return;
  }
  if (!IsScore(p1->text()) || !IsScore(p2->text())) {
    champion->setText(Placeholder);
    return;
  }
  const int penalties = CompareScores(p1->text(), p2->text());
  champion->setText(penalties == 0 ? Placeholder : label(penalties > 0 ? side1 : side2)->text());
}
