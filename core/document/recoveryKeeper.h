#pragma once
// Keeps a document's recovery file: within a moment of each change the
// results typed since the last save, written by the recovery file's writer
// off the keystroke path; nothing once they are saved or the document is
// closed.

#include "core/settings/recoveryFile.h"

#include <QObject>
#include <QString>
#include <QTimer>
#include <functional>
#include <memory>

class TDocument;
struct TDocumentChange;

class TRecoveryKeeper : public QObject {
  Q_OBJECT

public:
  // For the settings file the document has read. A write that fails is told
  // in the document's notice; the next change tries again.
  explicit TRecoveryKeeper(TDocument &document);
  ~TRecoveryKeeper() override;

  // The settings file by its full path, which names its recovery file.
  const QString &settingsFile() const { return SettingsFile; }
  // Nothing is left to recover: the file is removed, and every request done.
  void close();

private:
  void changed(const TDocumentChange &change);
  void write();

  TDocument &Document;
  QString SettingsFile;
  QTimer Timer;
  std::unique_ptr<TRecoveryWriter> Writer;
};
