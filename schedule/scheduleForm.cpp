#include "schedule/scheduleForm.h"
#include "desktop/windowPlacement.h"

#include <QListWidget>
#include <QPushButton>

namespace {

constexpr int ClientWidth = 625;
constexpr int ClientHeight = 408;
constexpr int LineHeight = 15;

}  // namespace

TScheduleForm::TScheduleForm(QWidget *owner)
    : QDialog(owner, FixedDialogFlags(false, true))
{
  setObjectName(QStringLiteral("ScheduleForm"));
  setWindowTitle(QStringLiteral("Brakka Game Schedule"));
  QFont font(QStringLiteral("Liberation Sans"));
  font.setPixelSize(11);
  setFont(font);
  setFixedSize(ClientWidth, ClientHeight);

  ScheduleLB = new QListWidget(this);
  ScheduleLB->setObjectName(QStringLiteral("ScheduleLB"));
  ScheduleLB->setGeometry(16, 16, 593, 337);
  QFont fixed(QStringLiteral("DejaVu Sans Mono"));
  fixed.setStyleHint(QFont::TypeWriter);
  fixed.setPixelSize(12);
  ScheduleLB->setFont(fixed);
  ScheduleLB->setSelectionMode(QAbstractItemView::SingleSelection);
  ScheduleLB->setUniformItemSizes(true);

  CloseButton = new QPushButton(QStringLiteral("&Close"), this);
  CloseButton->setObjectName(QStringLiteral("CloseButton"));
  CloseButton->setGeometry(552, 368, 57, 25);
  CloseButton->setDefault(true);
  connect(CloseButton, &QPushButton::clicked, this, &TScheduleForm::CloseButtonClick);

  ExportButton = new QPushButton(this);
  ExportButton->setObjectName(QStringLiteral("ExportButton"));
  ExportButton->setGeometry(16, 368, 177, 25);
}

void TScheduleForm::setLines(const QStringList &lines)
{
  ScheduleLB->clear();
  for (const QString &line : lines) {
    auto *item = new QListWidgetItem(line, ScheduleLB);
    item->setSizeHint(QSize(0, LineHeight));
  }
}

void TScheduleForm::CloseButtonClick() { close(); }

void TScheduleForm::showEvent(QShowEvent *event)
{
  KeepFrameButtonless(this);
  CentreOnScreen(this);
  QDialog::showEvent(event);
}
