#pragma once
// The seams between the program and the desktop: everything modal goes
// through TDialogs, so that tests can script the answers and never block.

#include <QMessageBox>
#include <QString>
#include <memory>

class QDialog;
class QWidget;
class TBrowserLauncher;
class TPrinting;
class TRegionalFormats;
class TSoundOutput;

enum class TMsgIcon { Question, Warning, Error, Information };

// What a save-file dialog offers.
struct TSaveFileRequest {
  QString folder;     // where it opens, until a file has been chosen in it
  QString fileName;   // the name it proposes
  QString filter;     // "iCalendar file (*.ics)"
  QString suffix;     // added to a name typed without one
};

// What an open-file dialog offers.
struct TOpenFileRequest {
  QString folder;   // where it opens, until a file has been chosen in it
  QString filter;   // "Results files (*.json *.txt);;All files (*)"
};

class TDialogs {
public:
  virtual ~TDialogs() = default;
  // A message box; returns the button the user chose.
  virtual QMessageBox::StandardButton message(QWidget *parent, TMsgIcon icon, const QString &text,
                                              QMessageBox::StandardButtons buttons) = 0;
  // Shows a secondary window modally; returns its result code.
  virtual int showModal(QDialog *dialog) = 0;
  // A save-file dialog that asks before replacing a file; returns the chosen
  // file, or an empty text when the user cancels.
  virtual QString saveFile(QWidget *parent, const TSaveFileRequest &request) = 0;
  // An open-file dialog that offers existing files only; returns the chosen
  // file, or an empty text when the user cancels.
  virtual QString openFile(QWidget *parent, const TOpenFileRequest &request) = 0;
  // A folder dialog opening at start; returns the chosen folder, or an empty
  // text when the user cancels.
  virtual QString chooseFolder(QWidget *parent, const QString &start) = 0;
};

// The real desktop.
class TQtDialogs : public TDialogs {
public:
  QMessageBox::StandardButton message(QWidget *parent, TMsgIcon icon, const QString &text,
                                      QMessageBox::StandardButtons buttons) override;
  int showModal(QDialog *dialog) override;
  QString saveFile(QWidget *parent, const TSaveFileRequest &request) override;
  QString openFile(QWidget *parent, const TOpenFileRequest &request) override;
  QString chooseFolder(QWidget *parent, const QString &start) override;

private:
  QString LastSaved;    // the file chosen last in a save dialog while the program runs
  QString LastOpened;   // ... and in an open dialog
};

struct TPlatform {
  std::shared_ptr<TDialogs> dialogs;
  std::shared_ptr<TSoundOutput> sound;
  std::shared_ptr<TBrowserLauncher> browser;
  std::shared_ptr<TRegionalFormats> regional;
  std::shared_ptr<TPrinting> printing;

  static TPlatform desktop();
};
