#include "desktop/platform.h"

#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QLoggingCategory>

// The questions asked, for whoever watches a running Brakka (its tests):
// QT_LOGGING_RULES="brakka.dialogs.info=true".
Q_LOGGING_CATEGORY(lcDialogs, "brakka.dialogs", QtWarningMsg)

QMessageBox::StandardButton TQtDialogs::message(QWidget *parent, TMsgIcon icon, const QString &text,
                                                QMessageBox::StandardButtons buttons)
{
  QMessageBox::Icon qtIcon = QMessageBox::Information;
  switch (icon) {
  case TMsgIcon::Question: qtIcon = QMessageBox::Question; break;
  case TMsgIcon::Warning: qtIcon = QMessageBox::Warning; break;
  case TMsgIcon::Error: qtIcon = QMessageBox::Critical; break;
  case TMsgIcon::Information: qtIcon = QMessageBox::Information; break;
  }
  qCInfo(lcDialogs).noquote() << "asks:" << text;
  QMessageBox box(qtIcon, QCoreApplication::applicationName(), text, buttons, parent);
  box.setTextFormat(Qt::PlainText);
  return static_cast<QMessageBox::StandardButton>(box.exec());
}

int TQtDialogs::showModal(QDialog *dialog)
{
  return dialog->exec();
}

QString TQtDialogs::saveFile(QWidget *parent, const TSaveFileRequest &request)
{
  QFileDialog dialog(parent);
  dialog.setAcceptMode(QFileDialog::AcceptSave);   // asks before replacing a file
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setNameFilter(request.filter);
  dialog.setDefaultSuffix(request.suffix);
  dialog.setSizeGripEnabled(true);
  const QFileInfo last(LastSaved);
  dialog.setDirectory(LastSaved.isEmpty() ? request.folder : last.absolutePath());
  dialog.selectFile(LastSaved.isEmpty() ? request.fileName : last.fileName());
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
    return QString();
  LastSaved = dialog.selectedFiles().constFirst();
  return LastSaved;
}

QString TQtDialogs::openFile(QWidget *parent, const TOpenFileRequest &request)
{
  QFileDialog dialog(parent);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setFileMode(QFileDialog::ExistingFile);
  dialog.setNameFilter(request.filter);
  dialog.setSizeGripEnabled(true);
  dialog.setDirectory(LastOpened.isEmpty() ? request.folder : QFileInfo(LastOpened).absolutePath());
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
    return QString();
  LastOpened = dialog.selectedFiles().constFirst();
  return LastOpened;
}

QString TQtDialogs::chooseFolder(QWidget *parent, const QString &start)
{
  return QFileDialog::getExistingDirectory(parent, QString(), start);
}
