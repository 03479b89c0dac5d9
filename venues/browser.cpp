#include "venues/browser.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTextStream>

namespace {

const QString Placeholder = QStringLiteral("%1");
const QString QuotedPlaceholder = QStringLiteral("\"%1\"");

// The MIME types whose association names the web browser, in the order asked.
const char *const WebPageTypes[] = {"text/html", "x-scheme-handler/http"};

// How long `xdg-mime query default` may take before it counts as no answer.
constexpr int XdgMimeTimeoutMs = 5000;

QString EnvOr(const char *name, const QString &fallback)
{
  const QString value = qEnvironmentVariable(name);
  return value.isEmpty() ? fallback : value;
}

QStringList EnvList(const char *name, const QString &fallback)
{
  QStringList dirs;
  for (const QString &dir : EnvOr(name, fallback).split(QLatin1Char(':'), Qt::SkipEmptyParts))
    dirs.append(dir);
  return dirs;
}

QString ConfigHome() { return EnvOr("XDG_CONFIG_HOME", QDir::homePath() + QStringLiteral("/.config")); }
QString DataHome() { return EnvOr("XDG_DATA_HOME", QDir::homePath() + QStringLiteral("/.local/share")); }
QStringList ConfigDirs() { return EnvList("XDG_CONFIG_DIRS", QStringLiteral("/etc/xdg")); }
QStringList DataDirs() { return EnvList("XDG_DATA_DIRS", QStringLiteral("/usr/local/share:/usr/share")); }

QStringList ApplicationDirs()
{
  QStringList dirs{DataHome() + QStringLiteral("/applications")};
  for (const QString &dir : DataDirs())
    dirs.append(dir + QStringLiteral("/applications"));
  return dirs;
}

// The desktop names of $XDG_CURRENT_DESKTOP, lower case, for the
// desktop-specific "<desktop>-mimeapps.list" files.
QStringList CurrentDesktops()
{
  QStringList names;
  for (const QString &name : qEnvironmentVariable("XDG_CURRENT_DESKTOP").split(QLatin1Char(':'), Qt::SkipEmptyParts))
    names.append(name.toLower());
  return names;
}

// The association files in the order the XDG rules give them precedence.
QStringList AssociationFiles()
{
  QStringList dirs{ConfigHome()};
  dirs += ConfigDirs();
  dirs.append(DataHome() + QStringLiteral("/applications"));
  for (const QString &dir : DataDirs())
    dirs.append(dir + QStringLiteral("/applications"));

  QStringList files;
  for (const QString &dir : dirs) {
    for (const QString &desktop : CurrentDesktops())
      files.append(dir + QLatin1Char('/') + desktop + QStringLiteral("-mimeapps.list"));
    files.append(dir + QStringLiteral("/mimeapps.list"));
  }
  for (const QString &dir : ApplicationDirs())
    files.append(dir + QStringLiteral("/defaults.list"));
  return files;
}

// The value of `key` in group `group` of a key file, with the blanks around
// it dropped; a null string when absent. The first occurrence counts.
QString KeyFileValue(const QString &path, const QString &group, const QString &key)
{
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
    return QString();
  QTextStream in(&file);
  bool inGroup = false;
  while (!in.atEnd()) {
    const QString line = in.readLine().trimmed();
    if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
      continue;
    if (line.startsWith(QLatin1Char('['))) {
      inGroup = line == QLatin1Char('[') + group + QLatin1Char(']');
      continue;
    }
    if (!inGroup)
      continue;
    const qsizetype eq = line.indexOf(QLatin1Char('='));
    if (eq > 0 && line.left(eq).trimmed() == key)
      return line.mid(eq + 1).trimmed();
  }
  return QString();
}

// A desktop file id names a file in an applications folder, nothing else.
bool IsDesktopId(const QString &id)
{
  return id.endsWith(QLatin1String(".desktop")) && !id.contains(QLatin1Char('/')) &&
         !id.startsWith(QLatin1Char('.'));
}

QString AskXdgMime(const QString &mimeType)
{
  const QString xdgMime = QStandardPaths::findExecutable(QStringLiteral("xdg-mime"));
  if (xdgMime.isEmpty())
    return QString();
  QProcess process;
  process.setProgram(xdgMime);
  process.setArguments({QStringLiteral("query"), QStringLiteral("default"), mimeType});
  process.setStandardInputFile(QProcess::nullDevice());
  process.start();
  if (!process.waitForFinished(XdgMimeTimeoutMs)) {
    process.kill();
    process.waitForFinished(1000);
    return QString();
  }
  if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
    return QString();
  const QString answer = QString::fromLocal8Bit(process.readAllStandardOutput()).section(QLatin1Char('\n'), 0, 0).trimmed();
  return IsDesktopId(answer) ? answer : QString();
}

QString AskAssociationFiles(const QString &mimeType)
{
  for (const QString &path : AssociationFiles()) {
    const QString value = KeyFileValue(path, QStringLiteral("Default Applications"), mimeType);
    for (const QString &entry : value.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
      const QString id = entry.trimmed();
      if (IsDesktopId(id) && !FindDesktopFile(id).isEmpty())
        return id;
    }
  }
  return QString();
}

// Undoes the key-file escapes of a string value: \s \n \t \r \\. Any other
// backslash stays as it is, for the Exec quoting rules to read.
QString UnescapeKeyFileString(const QString &value)
{
  QString out;
  out.reserve(value.size());
  for (qsizetype i = 0; i < value.size(); ++i) {
    const QChar ch = value.at(i);
    if (ch != QLatin1Char('\\') || i + 1 >= value.size()) {
      out += ch;
      continue;
    }
    const QChar next = value.at(i + 1);
    switch (next.unicode()) {
    case 's': out += QLatin1Char(' '); ++i; break;
    case 'n': out += QLatin1Char('\n'); ++i; break;
    case 't': out += QLatin1Char('\t'); ++i; break;
    case 'r': out += QLatin1Char('\r'); ++i; break;
    case '\\': out += QLatin1Char('\\'); ++i; break;
    default: out += ch; break;
    }
  }
  return out;
}

class TDesktopBrowserLauncher : public TBrowserLauncher {
public:
  QString openCommand() override
  {
    for (const char *type : WebPageTypes) {
      const QString id = DefaultDesktopEntry(QLatin1String(type));
      if (id.isEmpty())
        continue;
      const QString exec = DesktopEntryExec(FindDesktopFile(id));
      if (!exec.trimmed().isEmpty())
        return OpenCommandFromExec(exec);
    }
    return QString();
  }

  bool start(const QString &commandLine) override
  {
    QStringList words = SplitCommandLine(commandLine);
    if (words.isEmpty() || words.first().isEmpty())
      return false;
    const QString program = words.takeFirst();
    return QProcess::startDetached(program, words);
  }
};

}  // namespace

std::shared_ptr<TBrowserLauncher> DesktopBrowserLauncher()
{
  return std::make_shared<TDesktopBrowserLauncher>();
}

QString BrowserStartErrorText()
{
  return QStringLiteral("Sorry, but I can't start your default browser!");
}

TBrowserStart StartBrowser(TBrowserLauncher *browser, const QString &address)
{
  if (!browser)
    return TBrowserStart::NoBrowser;
  const QString command = browser->openCommand();
  // An association whose command names no program before the page is as
  // good as none.
  if (SplitCommandLine(CutAtPlaceholder(command)).isEmpty())
    return TBrowserStart::NoBrowser;
  return browser->start(BrowserCommandLine(command, address)) ? TBrowserStart::Started
                                                                : TBrowserStart::Failed;
}

QString CutAtPlaceholder(const QString &openCommand)
{
  qsizetype at = openCommand.indexOf(QuotedPlaceholder);
  if (at < 0)
    at = openCommand.indexOf(Placeholder);
  return at < 0 ? openCommand : openCommand.left(at);
}

QString BrowserCommandLine(const QString &openCommand, const QString &address)
{
  return CutAtPlaceholder(openCommand) + QLatin1Char(' ') + address;
}

QString OpenCommandFromExec(const QString &exec)
{
  QString out;
  out.reserve(exec.size());
  bool placed = false;
  for (qsizetype i = 0; i < exec.size(); ++i) {
    const QChar ch = exec.at(i);
    if (ch != QLatin1Char('%')) {
      out += ch;
      continue;
    }
    if (i + 1 >= exec.size())
      break;   // a lone % at the end is no field code
    const QChar code = exec.at(++i);
    switch (code.unicode()) {
    case '%': out += QLatin1Char('%'); break;
    case 'u': case 'U': case 'f': case 'F':
      if (!placed)
        out += Placeholder;
      placed = true;
      break;
    default: break;   // %i %c %k, the deprecated codes and unknown ones
    }
  }
  return out;
}

QStringList SplitCommandLine(const QString &commandLine)
{
  QStringList words;
  QString word;
  bool inWord = false;
  bool quoted = false;
  for (qsizetype i = 0; i < commandLine.size(); ++i) {
    const QChar ch = commandLine.at(i);
    if (quoted) {
      if (ch == QLatin1Char('\\') && i + 1 < commandLine.size() &&
          QStringLiteral("\"`$\\").contains(commandLine.at(i + 1))) {
        word += commandLine.at(++i);
      } else if (ch == QLatin1Char('"')) {
        quoted = false;
      } else {
        word += ch;
      }
    } else if (ch == QLatin1Char(' ') || ch == QLatin1Char('\t') || ch == QLatin1Char('\n') ||
               ch == QLatin1Char('\r')) {
      if (inWord)
        words.append(word);
      word.clear();
      inWord = false;
    } else {
      if (ch == QLatin1Char('"'))
        quoted = true;
      else
        word += ch;
      inWord = true;
    }
  }
  if (inWord)
    words.append(word);
  return words;
}

QString DefaultDesktopEntry(const QString &mimeType)
{
  const QString answer = AskXdgMime(mimeType);
  return answer.isEmpty() ? AskAssociationFiles(mimeType) : answer;
}

QString FindDesktopFile(const QString &desktopId)
{
  if (!IsDesktopId(desktopId))
    return QString();
  // "a-b-c.desktop" may also lie in a/b-c.desktop or a/b/c.desktop.
  QStringList candidates{desktopId};
  QString variant = desktopId;
  for (qsizetype dash = variant.indexOf(QLatin1Char('-')); dash > 0;
       dash = variant.indexOf(QLatin1Char('-'), dash + 1)) {
    variant[dash] = QLatin1Char('/');
    candidates.append(variant);
  }
  for (const QString &dir : ApplicationDirs())
    for (const QString &candidate : candidates) {
      const QFileInfo info(dir + QLatin1Char('/') + candidate);
      if (info.isFile())
        return info.filePath();
    }
  return QString();
}

QString DesktopEntryExec(const QString &path)
{
  if (path.isEmpty())
    return QString();
  const QString group = QStringLiteral("Desktop Entry");
  if (KeyFileValue(path, group, QStringLiteral("Hidden")) == QLatin1String("true"))
    return QString();
  return UnescapeKeyFileString(KeyFileValue(path, group, QStringLiteral("Exec")));
}
