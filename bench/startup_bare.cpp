// A bare Qt program for comparing whole start-ups: a plain QMainWindow with
// the main window's census of controls (given as the first argument, as
// startup_brakka prints it), shown maximised; it ends after its first paint.

#include "controlCensus.h"

#include <QApplication>
#include <cstdio>

int main(int argc, char *argv[])
{
  QApplication app(argc, argv);
  TControlCensus census;
  if (argc < 2 || !ParseCensus(QString::fromLocal8Bit(argv[1]), census)) {
    std::fprintf(stderr, "usage: startup_bare \"line-edits labels buttons frames menus menu-items\"\n");
    return 2;
  }
  ExitAfterFirstPaint(false);
  std::unique_ptr<QMainWindow> window = BuildBareWindow(census);
  window->showMaximized();
  return app.exec();
}
