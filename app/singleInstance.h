#pragma once
// One Brakka per settings file. The start that takes the lock of a settings
// file (in the state folder, named like its recovery file) runs and listens
// on a local socket beside the lock; a later start on the same file asks it
// to bring its window forward and ends without showing anything once it has
// said so. A start that gets no such answer in its time says that the first
// does not answer and ends with a failure, never as if it had been answered.
// A lock left by a process that is gone is stale and taken over. When the
// state folder cannot be used, Brakka runs without the lock and says so in
// its status bar.
//
// Whatever connects to the socket cannot stop the answers: a connection has
// a short time to ask, only a few are held at once (the oldest goes for a
// new one), running out of file descriptors costs a connection, never the
// socket, and a socket file that disappears is made again.

#include <QLockFile>
#include <QLoggingCategory>
#include <QPointer>
#include <QString>
#include <functional>
#include <memory>

class QMainWindow;
class QWidget;
class TDialogs;
class TInstanceListener;

Q_DECLARE_LOGGING_CATEGORY(lcInstance)

// The canonical path of Brakka.ini in folder: the key of its lock and of its
// recovery file.
QString CanonicalSettingsFile(const QString &folder);

// What a start asks of the running one: its desktop's activation token, if
// any, goes with the request. Read before the application object exists,
// which takes the start-up notification's variables out of the environment.
QByteArray ActivationTokenOfThisStart();

class TSingleInstance {
public:
  enum class TClaim {
    First,       // this start holds the lock and listens
    Forwarded,   // another start holds it and said it came forward
    NoAnswer,    // another start holds it but did not say so in time
    Unguarded,   // the state folder cannot be used: no lock
  };

  // How long a second start waits for the answer, and how long a
  // connection may stay without asking.
  static constexpr int AnswerWait = 3000;   // milliseconds
  static constexpr int IdleWait = 2000;
  // The connections held at once.
  static constexpr int MaxConnections = 16;

  explicit TSingleInstance(const QString &settingsFile);
  ~TSingleInstance();
  TSingleInstance(const TSingleInstance &) = delete;
  TSingleInstance &operator=(const TSingleInstance &) = delete;

  // Takes the lock, or hands the request (with token) to its holder.
  TClaim claim(const QByteArray &token = QByteArray());
  // After First: the window a request brings forward, with the modal window
  // shown over it, if any. Before it is given, a request brings forward
  // whatever modal window the start shows (the first-run options, the
  // recovery question). After Unguarded: shows why in window's status bar.
  void attach(QMainWindow *window);

  QString lockPath() const { return LockPath; }
  QString socketPath() const { return SocketPath; }
  // Why the state folder cannot be used, after Unguarded.
  QString unusableReason() const { return Reason; }

private:
  void listen();
  bool answer(const QByteArray &request);

  QString LockPath;
  QString SocketPath;
  QString Reason;
  TClaim Claimed = TClaim::Unguarded;
  std::unique_ptr<QLockFile> Lock;
  std::unique_ptr<TInstanceListener> Server;
  QPointer<QMainWindow> Window;
};

// Un-minimises, raises and activates window, then the modal window over it.
void BringForward(QWidget *window);

// A second start that got no answer: says so on the standard error and in a
// message box (in the settings file's language) and gives the exit code.
int ReportNoAnswer(const QString &settingsFile, TDialogs &dialogs);
