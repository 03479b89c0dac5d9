#pragma once
// Sound output for the celebration window: how many output devices there
// are, and one WAV file at a time that is opened, played without waiting,
// stopped and closed.

#include <QString>
#include <QStringList>
#include <memory>

class TSoundOutput {
public:
  virtual ~TSoundOutput() = default;

  // Number of sound output devices; 0 when the machine has none.
  virtual int deviceCount() const = 0;
  // Opens a WAV file for playing. On failure returns false and puts the
  // sound system's error text into *error; nothing is open then.
  virtual bool open(const QString &path, QString *error) = 0;
  // Starts the open file and returns at once.
  virtual void play() = 0;
  virtual void stop() = 0;
  // Lets the file go; a later open starts afresh.
  virtual void close() = 0;
};

// Checks that a file can be read and holds PCM wave audio. Returns an empty
// text when it does, otherwise the error text to show.
QString CheckWaveFile(const QString &path);

// The folders the sound files are looked for in, in this order: beside the
// program (a build or an unpacked folder), then the installed data folder
// and brakka/ in the desktop's data folders.
QStringList SoundFolders();
// The path of a sound file in the first of folders that holds it; when none
// does, its path in the first folder (for the error to name).
QString FindSoundFile(const QString &name, const QStringList &folders = SoundFolders());

// The folders the sound module is looked for in: beside the program, then in
// the library folder of the tree it is installed in.
QStringList SoundModuleFolders();
// The desktop's sound output: Qt Multimedia, in a module loaded from the
// first of moduleFolders that holds it when a sound is first wanted.
std::shared_ptr<TSoundOutput> DesktopSoundOutput(const QStringList &moduleFolders = SoundModuleFolders());
