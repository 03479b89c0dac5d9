#include "app/brakkaMain.h"
#include "app/singleInstance.h"
#include "core/settings/recoveryFile.h"
#include "desktop/platform.h"
#include "settings/settingsPlace.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QScreen>

int main(int argc, char *argv[])
{
  const QByteArray activationToken = ActivationTokenOfThisStart();
  QApplication app(argc, argv);
  // The application's title; message boxes carry it.
  QApplication::setApplicationName(QStringLiteral("Brakka - Korea/Japan"));
  // The desktop entry, so that the desktop shows the window with its icon.
  QGuiApplication::setDesktopFileName(QStringLiteral("org.brakka.Brakka"));
  // Every window in the program's small sans font.
  QFont font(QStringLiteral("Liberation Sans"));
  font.setPixelSize(12);
  QApplication::setFont(font);

  // One Brakka per settings file: a second start brings the first forward
  // and ends, before it shows anything.
  const QString settingsFolder = SettingsFolder(QCoreApplication::applicationDirPath());
  TSingleInstance instance(CanonicalSettingsFile(settingsFolder));
  switch (instance.claim(activationToken)) {
  case TSingleInstance::TClaim::Forwarded:
    return 0;
  case TSingleInstance::TClaim::NoAnswer: {
    TQtDialogs dialogs;
    return ReportNoAnswer(CanonicalSettingsFile(settingsFolder), dialogs);
  }
  case TSingleInstance::TClaim::First:
  case TSingleInstance::TClaim::Unguarded:
    break;
  }
  RemoveForsakenRecoveryFiles(QDateTime::currentDateTime());

  auto *form = new TMainForm(settingsFolder, TPlatform::desktop());
  instance.attach(form);
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
