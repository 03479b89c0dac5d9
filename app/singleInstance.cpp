#include "app/singleInstance.h"

#include "app/brakkaMain.h"
#include "core/document/document.h"
#include "core/i18n/texts.h"
#include "core/settings/recoveryFile.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEvent>
#include <QFileInfo>
#include <QLabel>
#include <QLocalServer>
#include <QLocalSocket>
#include <QMainWindow>
#include <QStandardPaths>
#include <QStatusBar>
#include <QThread>

Q_LOGGING_CATEGORY(lcInstance, "brakka.instance", QtWarningMsg)

namespace {

// How long a second start tries to reach the first: long enough for a first
// start still building its window, short enough to end within a second.
constexpr int AnswerWait = 800;   // milliseconds

// A local socket's path has room for 107 bytes.
constexpr int LongestSocketPath = 100;

const QByteArray Request = "forward";

// The status bar's line about a state folder that cannot be used; it follows
// the interface language.
class TStateFolderLabel : public QLabel {
public:
  TStateFolderLabel(const QString &folder, QWidget *parent) : QLabel(parent), Folder(folder)
  {
    setObjectName(QStringLiteral("StateFolderLbl"));
    setTextFormat(Qt::PlainText);
    setWordWrap(false);
    showText();
  }

protected:
  void changeEvent(QEvent *event) override
  {
    if (event->type() == QEvent::LanguageChange)
      showText();
    QLabel::changeEvent(event);
  }

private:
  void showText()
  {
    const auto *form = qobject_cast<const TMainForm *>(window());
    const int language = form ? form->document().preferences().language : int(LangEnglish);
    setText(TextIn(language, TText::StateFolderUnusableText).arg(QDir::toNativeSeparators(Folder)));
  }

  const QString Folder;
};

}  // namespace

QString CanonicalSettingsFile(const QString &folder)
{
  const QString canonical = QFileInfo(folder).canonicalFilePath();
  return QDir(canonical.isEmpty() ? QFileInfo(folder).absoluteFilePath() : canonical)
      .filePath(QStringLiteral("Brakka.ini"));
}

QByteArray ActivationTokenOfThisStart() { return qgetenv("XDG_ACTIVATION_TOKEN"); }

TSingleInstance::TSingleInstance(const QString &settingsFile)
{
  const QString name = QStringLiteral("instance-") + StateFileKey(settingsFile);
  LockPath = RecoveryFolder() + QLatin1Char('/') + name + QStringLiteral(".lock");
  SocketPath = RecoveryFolder() + QLatin1Char('/') + name + QStringLiteral(".socket");
  if (QFile::encodeName(SocketPath).size() > LongestSocketPath)
    SocketPath = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation) +
                 QStringLiteral("/brakka-") + name;
}

TSingleInstance::~TSingleInstance()
{
  if (Server)
    Server->close();   // removes the socket before the lock goes
}

TSingleInstance::TClaim TSingleInstance::claim(const QByteArray &token)
{
  if (!QDir().mkpath(RecoveryFolder())) {
    Reason = RecoveryFolder();
    qCInfo(lcInstance, "state folder unusable: %s", qPrintable(Reason));
    return Claimed = TClaim::Unguarded;
  }
  Lock = std::make_unique<QLockFile>(LockPath);
  // A running Brakka's lock is never stale, however long it runs; only one
  // whose process is gone.
  Lock->setStaleLockTime(0);
  const bool stale = QFileInfo::exists(LockPath);
  if (Lock->tryLock(0)) {
    if (stale)
      qCInfo(lcInstance, "took over a stale lock");
    listen();
    return Claimed = TClaim::First;
  }
  if (Lock->error() != QLockFile::LockFailedError) {
    Reason = RecoveryFolder();
    qCInfo(lcInstance, "state folder unusable: %s", qPrintable(Reason));
    Lock.reset();
    return Claimed = TClaim::Unguarded;
  }

  // Held: its holder may still be on its way to listening, or gone since.
  QElapsedTimer waited;
  waited.start();
  do {
    QLocalSocket socket;
    socket.connectToServer(SocketPath);
    if (socket.waitForConnected(AnswerWait / 4)) {
      socket.write(Request + ' ' + token.toBase64() + '\n');
      if (socket.waitForBytesWritten(AnswerWait / 4)) {
        socket.waitForReadyRead(AnswerWait / 2);
        qCInfo(lcInstance, "asked the running start to come forward");
        return Claimed = TClaim::Forwarded;
      }
    }
    if (Lock->tryLock(0)) {
      qCInfo(lcInstance, "took over a stale lock");
      listen();
      return Claimed = TClaim::First;
    }
    QThread::msleep(20);
  } while (waited.elapsed() < AnswerWait);
  return Claimed = TClaim::NoAnswer;
}

void TSingleInstance::listen()
{
  Server = std::make_unique<QLocalServer>();
  Server->setSocketOptions(QLocalServer::UserAccessOption);
  // A socket left by a start that was killed: the lock says it is ours now.
  QLocalServer::removeServer(SocketPath);
  if (!Server->listen(SocketPath)) {
    qCWarning(lcInstance, "cannot listen on %s: %s", qPrintable(SocketPath),
              qPrintable(Server->errorString()));
    return;
  }
  QObject::connect(Server.get(), &QLocalServer::newConnection, Server.get(), [this] { answer(); });
  qCInfo(lcInstance, "serving %s", qPrintable(SocketPath));
}

void TSingleInstance::answer()
{
  while (QLocalSocket *socket = Server->nextPendingConnection()) {
    QObject::connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    QObject::connect(socket, &QLocalSocket::readyRead, socket, [this, socket] {
      if (!socket->canReadLine()) {
        if (socket->bytesAvailable() > 1024)
          socket->abort();
        return;
      }
      const QByteArray line = socket->readLine(1024).trimmed();
      if (line.split(' ').value(0) != Request) {
        socket->abort();
        return;
      }
      // Where the desktop hands out activation tokens (Wayland), the one of
      // the second start lets this window take the focus.
      const QByteArray token = QByteArray::fromBase64(line.mid(Request.size() + 1));
      if (!token.isEmpty())
        qputenv("XDG_ACTIVATION_TOKEN", token);
      qCInfo(lcInstance, "asked to come forward");
      BringForward(Window);
      socket->write("ok\n");
      socket->disconnectFromServer();
    });
  }
}

void TSingleInstance::attach(QMainWindow *window)
{
  if (Claimed == TClaim::First)
    Window = window;
  else if (Claimed == TClaim::Unguarded)
    window->statusBar()->addPermanentWidget(new TStateFolderLabel(Reason, window));
}

void BringForward(QWidget *window)
{
  // The modal window last, so that it stays over the window it belongs to.
  QWidget *modal = QApplication::activeModalWidget();
  for (QWidget *w : {window, modal == window ? nullptr : modal}) {
    if (!w)
      continue;
    if (w->isMinimized())
      w->setWindowState((w->windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    w->raise();
    w->activateWindow();
  }
}
