#include "core/document/recoveryKeeper.h"

#include "core/document/document.h"
#include "core/i18n/texts.h"

#include <QDir>
#include <QFileInfo>

namespace {

constexpr int RecoveryDelay = 500;   // milliseconds

// The settings file by the full path of its folder, links resolved.
QString FullPath(const QString &settingsFile)
{
  const QFileInfo file(settingsFile);
  const QString folder = QFileInfo(file.path()).canonicalFilePath();
  return QDir(folder.isEmpty() ? QFileInfo(file.path()).absoluteFilePath() : folder)
      .filePath(file.fileName());
}

}  // namespace

TRecoveryKeeper::TRecoveryKeeper(TDocument &document)
    : Document(document), SettingsFile(FullPath(document.settingsFile()))
{
  Writer = std::make_unique<TRecoveryWriter>(SettingsFile, [this](const QString &why) {
    QMetaObject::invokeMethod(
        this,
        [this, why] {
          Document.setNotice(TextIn(Document.preferences().language, TText::RecoveryUnwritableText).arg(why));
        },
        Qt::QueuedConnection);
  });
  Timer.setSingleShot(true);
  Timer.setInterval(RecoveryDelay);
  connect(&Timer, &QTimer::timeout, this, &TRecoveryKeeper::write);
  connect(&Document, &TDocument::changed, this, &TRecoveryKeeper::changed);
}

TRecoveryKeeper::~TRecoveryKeeper() = default;

void TRecoveryKeeper::changed(const TDocumentChange &change)
{
  if (change.written) {
    Timer.stop();
    Writer->remove();
    Writer->finish();
  } else if (change.steps && !Timer.isActive()) {
    Timer.start();
  }
}

// Runs on the user-interface thread, from the timer: it only takes the
// texts; the writer's thread makes the file's text and writes it.
void TRecoveryKeeper::write()
{
  if (const std::optional<TResultTexts> texts = Document.recoveryTexts())
    Writer->write(*texts);
  else
    Writer->remove();
}

void TRecoveryKeeper::close()
{
  Timer.stop();
  Writer->remove();
  Writer->finish();
}
