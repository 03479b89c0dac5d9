#include "knockout/winnerForm.h"
#include "desktop/windowPlacement.h"

#include "desktop/teamLabel.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>

namespace {

// The window's controls at their design positions (before the celebration
// moves and shows or hides them).
struct TLabelRow {
  QLabel *TWinnerForm::*member;
  const char *name;
  int x, y, w, h;
  int pixels;        // type size; 0 for a picture
  bool bold;
  bool red;
  bool hidden;
  const char *content;   // caption, or the picture's resource path
};

constexpr TLabelRow Controls[] = {
  {&TWinnerForm::FavoriteTrophyImage, "FavoriteTrophyImage", 0, 8, 209, 500, 0, false, false, false,
   ":/trophy/FavoriteTrophy.jpg"},
  {&TWinnerForm::TrophyImage, "TrophyImage", 88, 64, 60, 143, 0, false, false, false,
   ":/trophy/Trophy.jpg"},
  {&TWinnerForm::YeehaLbl, "YeehaLbl", 232, 64, 208, 33, 24, true, false, true, "YYYEEEAAAHH!!!"},
  {&TWinnerForm::BooLbl, "BooLbl", 16, 16, 208, 33, 24, true, false, true, "BOOOOOOOO!!!"},
  {&TWinnerForm::CongratulationsLbl, "CongratulationsLbl", 232, 224, 208, 25, 21, false, false, false,
   "CONGRATULATIONS"},
  {&TWinnerForm::WinnerLbl, "WinnerLbl", 232, 264, 209, 25, 19, true, true, false, ""},
};

}  // namespace

TWinnerForm::TWinnerForm(QWidget *owner)
    : QDialog(owner, Qt::Dialog | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
  setObjectName(QStringLiteral("WinnerForm"));
  QPalette white = palette();
  white.setColor(QPalette::Window, Qt::white);
  white.setColor(QPalette::WindowText, Qt::black);
  setPalette(white);
  setAutoFillBackground(true);
  resize(454, 513);

  for (const TLabelRow &row : Controls) {
    // Texts too wide for their label are drawn narrower rather than cut off.
    QLabel *control = row.pixels ? new TTeamLabel(this) : new QLabel(this);
    control->setObjectName(QLatin1String(row.name));
    control->setGeometry(row.x, row.y, row.w, row.h);
    if (row.pixels) {
      QFont font(QStringLiteral("Liberation Sans"));
      font.setPixelSize(row.pixels);
      font.setBold(row.bold);
      control->setFont(font);
      control->setAlignment(Qt::AlignCenter);
      control->setText(QString::fromUtf8(row.content));
      if (row.red) {
        QPalette red = control->palette();
        red.setColor(QPalette::WindowText, QColor(255, 0, 0));
        control->setPalette(red);
      }
    } else {
      control->setPixmap(QPixmap(QString::fromLatin1(row.content)));
    }
    control->setHidden(row.hidden);
    this->*row.member = control;
  }
}

void TWinnerForm::FormClick() { reject(); }

void TWinnerForm::showEvent(QShowEvent *event)
{
  QDialog::showEvent(event);
  CentreOnScreen(this);
}

void TWinnerForm::mouseReleaseEvent(QMouseEvent *event)
{
  // Clicks on the labels and the large trophy reach the window too.
  const QPoint at = event->position().toPoint();
  if (event->button() == Qt::LeftButton && rect().contains(at) && childAt(at) != TrophyImage) {
    FormClick();
    return;
  }
  QDialog::mouseReleaseEvent(event);
}

QString ChampionCapitals(const QString &name)
{
  QString shout = name;
  for (QChar &c : shout)
    if (c >= QLatin1Char('a') && c <= QLatin1Char('z'))
      c = QChar(c.unicode() - 'a' + 'A');
  return shout;
}
