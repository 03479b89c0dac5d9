// Brakka's sound module: plays WAV files through Qt Multimedia's sound
// effect, which needs no media back-end and, without an output device, stays
// silent instead of failing. The program loads the module when it first
// needs a sound, so that Qt Multimedia and the audio libraries it brings are
// not loaded at every start-up.

#include "knockout/sound.h"

#include <QAudioDevice>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

namespace {

class TQtSoundOutput : public TSoundOutput {
public:
  int deviceCount() const override { return int(QMediaDevices::audioOutputs().size()); }

  // The program has checked the file.
  bool open(const QString &path, QString *) override
  {
    close();
    Effect = std::make_unique<QSoundEffect>();
    Effect->setSource(QUrl::fromLocalFile(path));
    return true;
  }

  void play() override
  {
    if (Effect)
      Effect->play();
  }

  void stop() override
  {
    if (Effect)
      Effect->stop();
  }

  void close() override { Effect.reset(); }

private:
  std::unique_ptr<QSoundEffect> Effect;
};

}  // namespace

extern "C" Q_DECL_EXPORT TSoundOutput *BrakkaMakeSoundOutput() { return new TQtSoundOutput; }
