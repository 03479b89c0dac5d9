#pragma once
// A scripted desktop for tests: message boxes answer from a plan and are
// recorded; modal windows are recorded and closed at once.

#include "desktop/platform.h"
#include "support/fakeBrowser.h"
#include "support/fakePrinting.h"
#include "support/fakeRegional.h"
#include "support/fakeSound.h"

#include <QList>
#include <QStringList>
#include <functional>

class TScriptedDialogs : public TDialogs {
public:
  struct TAsked {
    TMsgIcon icon;
    QString text;
    QMessageBox::StandardButtons buttons;
  };

  QList<QMessageBox::StandardButton> answers;   // consumed in order; Cancel when empty
  QList<TAsked> asked;
  QStringList modalWindows;                      // object names of windows shown modally
  // Runs while a modal window is shown (set its controls, click its buttons)
  // and returns its result; without it the window is closed at once with
  // Rejected. Either way the window is shown first, so its show handlers run.
  std::function<int(QDialog *)> onModal;
  // Save-file dialogs: the files they answer in order (none: cancelled), what they offered.
  QStringList savedFiles;
  QList<TSaveFileRequest> saveRequests;
  // Open-file dialogs: the files they answer in order (none: cancelled), what they offered.
  QStringList openedFiles;
  QList<TOpenFileRequest> openRequests;
  // Folder dialogs: the folders they answer in order (none: cancelled), where they opened.
  QStringList chosenFolders;
  QStringList folderStarts;

  QMessageBox::StandardButton message(QWidget *parent, TMsgIcon icon, const QString &text,
                                      QMessageBox::StandardButtons buttons) override;
  int showModal(QDialog *dialog) override;
  QString saveFile(QWidget *parent, const TSaveFileRequest &request) override;
  QString openFile(QWidget *parent, const TOpenFileRequest &request) override;
  QString chooseFolder(QWidget *parent, const QString &start) override;
};

struct TFakePlatform {
  std::shared_ptr<TScriptedDialogs> dialogs = std::make_shared<TScriptedDialogs>();
  std::shared_ptr<TFakeSound> sound = std::make_shared<TFakeSound>();
  std::shared_ptr<TFakeBrowser> browser = std::make_shared<TFakeBrowser>();
  std::shared_ptr<TFakeRegional> regional = std::make_shared<TFakeRegional>();
  std::shared_ptr<TFakePrinting> printing = std::make_shared<TFakePrinting>();

  TPlatform platform() const
  {
    TPlatform p;
    p.dialogs = dialogs;
    p.sound = sound;
    p.browser = browser;
    p.regional = regional;
    p.printing = printing;
    return p;
  }
};
