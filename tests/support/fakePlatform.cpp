#include "support/fakePlatform.h"

#include <QDialog>

QMessageBox::StandardButton TScriptedDialogs::message(QWidget *, TMsgIcon icon, const QString &text,
                                                      QMessageBox::StandardButtons buttons)
{
  asked.append({icon, text, buttons});
  return answers.isEmpty() ? QMessageBox::Cancel : answers.takeFirst();
}

int TScriptedDialogs::showModal(QDialog *dialog)
{
  modalWindows.append(dialog->objectName());
  if (onModal) {
    const int result = onModal(dialog);
    dialog->hide();
    return result;
  }
  return QDialog::Rejected;
}
