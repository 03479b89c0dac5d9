#include "app/hints.h"

#include <QApplication>
#include <QHelpEvent>
#include <QToolTip>
#include <QWidget>

namespace {

int hidePause = -1;

// Shows every widget's hint for the application's hide pause.
class THintFilter : public QObject {
public:
  using QObject::QObject;

protected:
  bool eventFilter(QObject *watched, QEvent *event) override
  {
    if (event->type() != QEvent::ToolTip || hidePause < 0 || !watched->isWidgetType())
      return false;
    auto *w = static_cast<QWidget *>(watched);
    if (w->toolTip().isEmpty())
      return false;
    auto *help = static_cast<QHelpEvent *>(event);
    QToolTip::showText(help->globalPos(), w->toolTip(), w, QRect(), hidePause);
    return true;
  }
};

}  // namespace

void SetHintHidePause(int milliseconds)
{
  static THintFilter *filter = nullptr;
  if (!filter && qApp) {
    filter = new THintFilter(qApp);
    qApp->installEventFilter(filter);
  }
  hidePause = milliseconds;
}

int HintHidePause() { return hidePause; }
