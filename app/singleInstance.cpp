#include "app/singleInstance.h"

#include "app/brakkaMain.h"
#include "core/document/document.h"
#include "core/i18n/texts.h"
#include "core/settings/recoveryFile.h"
#include "core/settings/settingsFile.h"
#include "desktop/platform.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QEvent>
#include <QFileInfo>
#include <QLabel>
#include <QLocalSocket>
#include <QMainWindow>
#include <QSocketNotifier>
#include <QStandardPaths>
#include <QStatusBar>
#include <QThread>
#include <QTimer>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <deque>
#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

Q_LOGGING_CATEGORY(lcInstance, "brakka.instance", QtWarningMsg)

namespace {

// A local socket's path has room for 107 bytes.
constexpr int LongestSocketPath = 100;

const QByteArray Request = "forward";
const QByteArray Answer = "ok";

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

bool OutOfDescriptors(int error)
{
  return error == EMFILE || error == ENFILE || error == ENOBUFS || error == ENOMEM;
}

}  // namespace

// The socket a second start asks on, with the connections it has taken.
class TInstanceListener : public QObject {
public:
  // request answers a request line: true when it was done.
  TInstanceListener(const QString &path, std::function<bool(const QByteArray &)> handle)
      : Path(QFile::encodeName(path)), Handle(std::move(handle))
  {
    Spare = ::open("/dev/null", O_RDONLY | O_CLOEXEC);
    // A socket file removed while Brakka runs is made again (one put in its
    // place by someone else is left alone).
    Watch.setInterval(1000);
    QObject::connect(&Watch, &QTimer::timeout, this, [this] {
      struct stat now {};
      if ((Socket < 0 || (::lstat(Path.constData(), &now) != 0 && errno == ENOENT)) && listen())
        qCInfo(lcInstance, "made the socket again");
    });
    Watch.start();
  }

  ~TInstanceListener() override
  {
    while (!Open.empty())
      drop(Open.front());
    const bool ours = stillThere();
    closeSocket();
    if (ours)
      ::unlink(Path.constData());
    if (Spare >= 0)
      ::close(Spare);
  }

  // Makes the socket file and listens on it; false, with the reason in
  // error, when it cannot.
  bool listen(QString *error = nullptr)
  {
    closeSocket();
    const auto fail = [&](int code) {
      if (error)
        *error = QString::fromLocal8Bit(std::strerror(code));
      if (Socket >= 0)
        ::close(Socket);
      Socket = -1;
      return false;
    };
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (Path.size() >= qsizetype(sizeof(address.sun_path)))
      return fail(ENAMETOOLONG);
    std::memcpy(address.sun_path, Path.constData(), std::size_t(Path.size()));
    Socket = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (Socket < 0)
      return fail(errno);
    // The file a socket makes takes the socket's rights: the user's alone.
    ::fchmod(Socket, 0600);
    // A socket left by a start that was killed: the lock says it is ours now.
    ::unlink(Path.constData());
    struct stat made {};
    if (::bind(Socket, reinterpret_cast<const sockaddr *>(&address), sizeof address) != 0 ||
        ::chmod(Path.constData(), 0600) != 0 || ::listen(Socket, 64) != 0 ||
        ::lstat(Path.constData(), &made) != 0)
      return fail(errno);
    Device = made.st_dev;
    Inode = made.st_ino;
    Notifier = std::make_unique<QSocketNotifier>(qintptr(Socket), QSocketNotifier::Read);
    QObject::connect(Notifier.get(), &QSocketNotifier::activated, this, [this] { accept(); });
    return true;
  }

private:
  bool stillThere() const
  {
    struct stat now {};
    return Socket >= 0 && ::lstat(Path.constData(), &now) == 0 && now.st_dev == Device &&
           now.st_ino == Inode;
  }

  void closeSocket()
  {
    Notifier.reset();
    if (Socket >= 0)
      ::close(Socket);
    Socket = -1;
  }

  // Every connection waiting, a bounded number at a time, so that a flood of
  // them cannot hold the window up.
  void accept()
  {
    for (int taken = 0; taken < 4 * TSingleInstance::MaxConnections; ++taken) {
      const int fd = ::accept4(Socket, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
      if (fd >= 0) {
        take(fd);
        continue;
      }
      const int error = errno;
      if (error == EINTR || error == ECONNABORTED || error == EPROTO)
        continue;
      if (error == EAGAIN || error == EWOULDBLOCK)
        return;
      if (OutOfDescriptors(error)) {
        if (!OutOfDescriptorsSaid)
          qCInfo(lcInstance, "out of file descriptors");
        OutOfDescriptorsSaid = true;
        // The oldest connection gives its descriptor up for the new one;
        // without any, the spare descriptor takes the new one and closes it,
        // so that it does not wake the listener again and again.
        if (!Open.empty()) {
          drop(Open.front());
          continue;
        }
        if (Spare >= 0) {
          ::close(Spare);
          const int refused = ::accept4(Socket, nullptr, nullptr, SOCK_CLOEXEC);
          if (refused >= 0)
            ::close(refused);
          Spare = ::open("/dev/null", O_RDONLY | O_CLOEXEC);
          if (refused >= 0)
            continue;
        }
      }
      qCInfo(lcInstance, "cannot take a connection: %s", std::strerror(error));
      // The connection stays queued; the listener looks again shortly.
      Notifier->setEnabled(false);
      QTimer::singleShot(100, this, [this] {
        if (Notifier)
          Notifier->setEnabled(true);
      });
      return;
    }
  }

  void take(int fd)
  {
    if (int(Open.size()) >= TSingleInstance::MaxConnections)
      drop(Open.front());
    auto *socket = new QLocalSocket(this);
    if (!socket->setSocketDescriptor(fd, QLocalSocket::ConnectedState, QIODevice::ReadWrite)) {
      ::close(fd);
      delete socket;
      return;
    }
    Open.push_back(socket);
    QTimer::singleShot(TSingleInstance::IdleWait, socket, [this, socket] { drop(socket); });
    QObject::connect(socket, &QLocalSocket::disconnected, this, [this, socket] { drop(socket); });
    QObject::connect(socket, &QLocalSocket::readyRead, this, [this, socket] { read(socket); });
    if (socket->bytesAvailable() > 0)
      read(socket);
  }

  void read(QLocalSocket *socket)
  {
    if (!socket->canReadLine()) {
      if (socket->bytesAvailable() > 1024)
        drop(socket);
      return;
    }
    if (Handle(socket->readLine(1024).trimmed())) {
      socket->write(Answer + '\n');
      socket->flush();
    }
    drop(socket);
  }

  // Closes a connection; its descriptor is free at once. An answer written
  // stays for the other side to read.
  void drop(QLocalSocket *socket)
  {
    const auto at = std::find(Open.begin(), Open.end(), socket);
    if (at == Open.end())
      return;
    Open.erase(at);
    socket->disconnect(this);
    socket->abort();
    socket->deleteLater();
  }

  const QByteArray Path;
  const std::function<bool(const QByteArray &)> Handle;
  int Socket = -1;
  dev_t Device = 0;
  ino_t Inode = 0;
  int Spare = -1;   // a descriptor kept for the moment there is no other
  std::unique_ptr<QSocketNotifier> Notifier;
  QTimer Watch;
  std::deque<QLocalSocket *> Open;   // oldest first
  bool OutOfDescriptorsSaid = false;
};

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
  Server.reset();   // removes the socket before the lock goes
}

TSingleInstance::TClaim TSingleInstance::claim(const QByteArray &token)
{
  if (!MakeStateFolder(RecoveryFolder())) {
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
  // Only its answer counts: a request it took but did not answer in time
  // (it is stopped, or hangs) is no success. The request says until when it
  // is wanted, so that a holder that goes on later does not act on it.
  QElapsedTimer waited;
  waited.start();
  const auto left = [&waited] { return int(qMax<qint64>(1, AnswerWait - waited.elapsed())); };
  const qint64 until = QDateTime::currentMSecsSinceEpoch() + AnswerWait;
  const QByteArray request = Request + ' ' + token.toBase64() + ' ' + QByteArray::number(until) + '\n';
  do {
    QLocalSocket socket;
    socket.connectToServer(SocketPath);
    if (socket.waitForConnected(left())) {
      socket.write(request);
      socket.flush();
      while (!socket.canReadLine() && socket.state() == QLocalSocket::ConnectedState &&
             waited.elapsed() < AnswerWait)
        socket.waitForReadyRead(left());
      if (socket.canReadLine() && socket.readLine(16).trimmed() == Answer) {
        qCInfo(lcInstance, "the running start came forward");
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
  qCInfo(lcInstance, "no answer from the running start");
  return Claimed = TClaim::NoAnswer;
}

void TSingleInstance::listen()
{
  ::chmod(QFile::encodeName(LockPath).constData(), 0600);
  Server = std::make_unique<TInstanceListener>(SocketPath,
                                               [this](const QByteArray &line) { return answer(line); });
  QString error;
  if (!Server->listen(&error)) {
    // Tried again while Brakka runs.
    qCWarning(lcInstance, "cannot listen on %s: %s", qPrintable(SocketPath), qPrintable(error));
    return;
  }
  qCInfo(lcInstance, "serving %s", qPrintable(SocketPath));
}

bool TSingleInstance::answer(const QByteArray &line)
{
  const QList<QByteArray> words = line.split(' ');
  if (words.value(0) != Request)
    return false;
  // A request whose start has given up waiting is not acted on.
  bool timed = false;
  const qint64 until = words.value(2).toLongLong(&timed);
  if (timed && QDateTime::currentMSecsSinceEpoch() > until) {
    qCInfo(lcInstance, "a request came too late");
    return false;
  }
  // Where the desktop hands out activation tokens (Wayland), the one of
  // the second start lets this window take the focus.
  const QByteArray token = QByteArray::fromBase64(words.value(1));
  if (!token.isEmpty())
    qputenv("XDG_ACTIVATION_TOKEN", token);
  qCInfo(lcInstance, "asked to come forward");
  BringForward(Window);
  return true;
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

int ReportNoAnswer(const QString &settingsFile, TDialogs &dialogs)
{
  const TSettingsRead settings = ReadSettingsFile(settingsFile);
  const QString text = TextIn(settings.firstRun ? int(LangEnglish) : settings.preferences.language,
                              TText::InstanceNoAnswerText)
                           .arg(QDir::toNativeSeparators(settingsFile));
  std::fprintf(stderr, "%s\n", qUtf8Printable(text));
  std::fflush(stderr);
  dialogs.message(nullptr, TMsgIcon::Error, text, QMessageBox::Ok);
  return 1;
}
