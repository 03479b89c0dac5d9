#pragma once
// A scripted desktop for tests: message boxes answer from a plan and are
// recorded; modal windows are recorded and closed at once.

#include "app/platform.h"

#include <QList>
#include <QStringList>

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

  QMessageBox::StandardButton message(QWidget *parent, TMsgIcon icon, const QString &text,
                                      QMessageBox::StandardButtons buttons) override;
  int showModal(QDialog *dialog) override;
};

struct TFakePlatform {
  std::shared_ptr<TScriptedDialogs> dialogs = std::make_shared<TScriptedDialogs>();

  TPlatform platform() const
  {
    TPlatform p;
    p.dialogs = dialogs;
    return p;
  }
};
