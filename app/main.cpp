#include "app/brakkaMain.h"

#include <QApplication>

int main(int argc, char *argv[])
{
  QApplication app(argc, argv);
  QApplication::setApplicationDisplayName(QStringLiteral("Brakka - Korea/Japan"));
  QApplication::setApplicationName(QStringLiteral("Brakka"));

  auto *form = new TMainForm;
  form->setAttribute(Qt::WA_DeleteOnClose);
  form->showMaximized();
  return app.exec();
}
