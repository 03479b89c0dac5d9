#include "app/brakkaMain.h"

#include <QApplication>
#include <QScreen>

int main(int argc, char *argv[])
{
  QApplication app(argc, argv);
  // The application's title; message boxes carry it.
  QApplication::setApplicationName(QStringLiteral("Brakka - Korea/Japan"));
  // The desktop entry, so that the desktop shows the window with its icon.
  QGuiApplication::setDesktopFileName(QStringLiteral("org.brakka.Brakka"));
  // Every window in the program's small sans font.
  QFont font(QStringLiteral("Liberation Sans"));
  font.setPixelSize(12);
  QApplication::setFont(font);

  auto *form = new TMainForm;
  form->setAttribute(Qt::WA_DeleteOnClose);
  // Restored, the window sits in the middle of the screen; it starts maximised.
  if (const QScreen *screen = QGuiApplication::primaryScreen()) {
    QRect normal = form->geometry();
    normal.moveCenter(screen->availableGeometry().center());
    form->setGeometry(normal);
  }
  form->showMaximized();
  return app.exec();
}
