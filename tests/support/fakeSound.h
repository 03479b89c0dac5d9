#pragma once
// A recording sound output for tests: a settable number of devices, an open
// that can be made to fail, and every call kept in order.

#include "knockout/sound.h"

#include <QStringList>

class TFakeSound : public TSoundOutput {
public:
  int devices = 1;
  QString openError;   // when set, every open fails with this text
  QStringList calls;   // "open <path>", "play", "stop", "close"

  int deviceCount() const override { return devices; }

  bool open(const QString &path, QString *error) override
  {
    calls << QStringLiteral("open ") + path;
    if (openError.isEmpty())
      return true;
    if (error)
      *error = openError;
    return false;
  }

  void play() override { calls << QStringLiteral("play"); }
  void stop() override { calls << QStringLiteral("stop"); }
  void close() override { calls << QStringLiteral("close"); }
};
