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
  // Shown as the real thing would be (its show handlers run), then closed.
  dialog->show();
  const int result = onModal ? onModal(dialog) : int(QDialog::Rejected);
  dialog->hide();
  return result;
}

QString TScriptedDialogs::saveFile(QWidget *, const TSaveFileRequest &request)
{
  saveRequests.append(request);
  return savedFiles.isEmpty() ? QString() : savedFiles.takeFirst();
}

QString TScriptedDialogs::openFile(QWidget *, const TOpenFileRequest &request)
{
  openRequests.append(request);
  return openedFiles.isEmpty() ? QString() : openedFiles.takeFirst();
}

QString TScriptedDialogs::chooseFolder(QWidget *, const QString &start)
{
  folderStarts.append(start);
  return chosenFolders.isEmpty() ? QString() : chosenFolders.takeFirst();
}
