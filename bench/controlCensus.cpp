#include "controlCensus.h"

#include <QAction>
#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>
#include <cstdio>
#include <vector>

namespace {

void CountMenu(const QWidget *menu, TControlCensus &census)
{
  ++census.menus;
  for (const QAction *a : menu->actions()) {
    if (a->isSeparator())
      continue;
    ++census.menuItems;
    if (a->menu())
      CountMenu(a->menu(), census);
  }
}

// Counts the paints of one widget.
class TPaintCounter : public QObject {
public:
  int paints = 0;
  bool eventFilter(QObject *, QEvent *event) override
  {
    if (event->type() == QEvent::Paint)
      ++paints;
    return false;
  }
};

class TFirstPaintExit : public QObject {
public:
  explicit TFirstPaintExit(bool printCensus) : PrintCensus(printCensus) {}
  bool eventFilter(QObject *watched, QEvent *event) override
  {
    if (event->type() != QEvent::Paint || Done)
      return false;
    auto *window = qobject_cast<QMainWindow *>(watched);
    if (!window)
      return false;
    Done = true;
    if (PrintCensus) {
      std::printf("%s\n", qPrintable(CensusText(CountControls(*window))));
      std::fflush(stdout);
    }
    // After the children's paints and the flush to the screen that follow.
    QTimer::singleShot(0, [] { QCoreApplication::exit(0); });
    return false;
  }

private:
  bool PrintCensus;
  bool Done = false;
};

}  // namespace

TControlCensus CountControls(const QMainWindow &window)
{
  TControlCensus census;
  census.lineEdits = int(window.findChildren<QLineEdit *>().size());
  census.labels = int(window.findChildren<QLabel *>().size());
  census.buttons = int(window.findChildren<QPushButton *>().size());
  for (const QFrame *f : window.findChildren<QFrame *>())
    census.frames += qobject_cast<const QLabel *>(f) ? 0 : 1;
  if (const QMenuBar *bar = window.menuBar())
    CountMenu(bar, census);
  return census;
}

QString CensusText(const TControlCensus &c)
{
  return QStringLiteral("%1 %2 %3 %4 %5 %6")
      .arg(c.lineEdits).arg(c.labels).arg(c.buttons).arg(c.frames).arg(c.menus).arg(c.menuItems);
}

bool ParseCensus(const QString &text, TControlCensus &c)
{
  const QStringList parts = text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
  if (parts.size() != 6)
    return false;
  int *fields[6] = {&c.lineEdits, &c.labels, &c.buttons, &c.frames, &c.menus, &c.menuItems};
  for (int i = 0; i < 6; ++i) {
    bool ok = false;
    *fields[i] = parts[i].toInt(&ok);
    if (!ok)
      return false;
  }
  return true;
}

std::unique_ptr<QMainWindow> BuildBareWindow(const TControlCensus &c)
{
  auto window = std::make_unique<QMainWindow>();
  window->resize(805, 604);

  // Menus: the menu bar, one drop-down menu on it, the others nested in it;
  // the items dealt out over them in turn.
  QMenuBar *bar = window->menuBar();
  std::vector<QMenu *> menus;
  for (int m = 1; m < c.menus; ++m) {
    const QString caption = QStringLiteral("Menu %1").arg(m);
    menus.push_back(menus.empty() ? bar->addMenu(caption) : menus.front()->addMenu(caption));
  }
  // The drop-down menus' own items are counted among the items.
  for (int i = 0; i < c.menuItems - int(menus.size()); ++i) {
    const QString caption = QStringLiteral("Item %1").arg(i);
    if (menus.empty())
      bar->addAction(caption);
    else
      menus[std::size_t(i) % menus.size()]->addAction(caption);
  }

  auto *central = new QWidget(window.get());
  window->setCentralWidget(central);
  std::vector<QFrame *> frames;
  for (int f = 0; f < qMax(1, c.frames); ++f) {
    auto *frame = new QFrame(central);
    frame->setFrameStyle(QFrame::Panel | QFrame::Raised);
    frame->setGeometry(8 + 125 * (f % 8), 8 + 230 * (f / 8), 120, 225);
    frames.push_back(frame);
  }
  // Controls fill each frame in rows of two columns.
  std::vector<int> used(frames.size(), 0);
  auto place = [&](int i, QWidget *w, int width) {
    const std::size_t f = std::size_t(i) % frames.size();
    const int slot = used[f]++;
    w->setParent(frames[f]);
    w->setGeometry(4 + 58 * (slot % 2), 4 + 16 * ((slot / 2) % 13), width, 15);
  };
  for (int i = 0; i < c.labels; ++i)
    place(i, new QLabel(QStringLiteral("Label")), 36);
  for (int i = 0; i < c.lineEdits; ++i)
    place(i, new QLineEdit, 20);
  for (int i = 0; i < c.buttons; ++i)
    place(i, new QPushButton(QStringLiteral("x")), 20);
  return window;
}

bool ShowAndPaint(QWidget &window)
{
  TPaintCounter counter;
  window.installEventFilter(&counter);
  window.show();
  for (int round = 0; round < 100 && counter.paints == 0; ++round)
    QCoreApplication::processEvents();
  window.removeEventFilter(&counter);
  return counter.paints > 0;
}

void ExitAfterFirstPaint(bool printCensus)
{
  qApp->installEventFilter(new TFirstPaintExit(printCensus));
}
