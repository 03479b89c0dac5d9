#include "import/importCommands.h"

#include "core/document/document.h"
#include "core/i18n/texts.h"
#include "core/import/importPlan.h"
#include "core/import/resultsExport.h"
#include "core/import/resultsFile.h"
#include "core/settings/wholeFile.h"
#include "desktop/platform.h"
#include "import/importForm.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QStandardPaths>
#include <memory>

namespace {

QString DocumentsFolder() { return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation); }

QLocale LocaleOf(int language)
{
  return language == LangSpanish  ? QLocale(QLocale::Spanish)
         : language == LangFrench ? QLocale(QLocale::French)
                                  : QLocale(QLocale::English);
}

}  // namespace

QString ResultsFileProblem(const TResultsFile &file, const QString &path, int language)
{
  const QString name = QFileInfo(path).fileName();
  const auto at = [&](TText text) {
    return TextIn(language, text).arg(name, QString::number(file.line), QString::number(file.column));
  };
  switch (file.error) {
    case TResultsError::None: break;
    case TResultsError::CannotOpen: {
      const QString why = file.openFailure == TOpenFailure::Missing  ? TextIn(language, TText::ImportMissingReason)
                          : file.openFailure == TOpenFailure::Folder ? TextIn(language, TText::ImportFolderReason)
                                                                     : file.systemReason;
      return TextIn(language, TText::ImportCannotOpenText).arg(QDir::toNativeSeparators(path), why);
    }
    case TResultsError::TooLarge:
      return TextIn(language, TText::ImportTooLargeText)
          .arg(name, LocaleOf(language).toString(double(file.size) / (1024 * 1024), 'f', 1));
    case TResultsError::Empty: return TextIn(language, TText::ImportEmptyText).arg(name);
    case TResultsError::Binary: return at(TText::ImportBinaryText);
    case TResultsError::BrokenJson: return at(TText::ImportBrokenJsonText);
    case TResultsError::Truncated: return at(TText::ImportTruncatedText);
    case TResultsError::UnknownFormat: return TextIn(language, TText::ImportUnknownFormatText).arg(name);
  }
  return QString();
}

void ImportResults(QWidget *parent, TDocument &document, TDialogs &dialogs)
{
  const int language = document.preferences().language;
  const QString path = dialogs.openFile(parent, {DocumentsFolder(), TextIn(language, TText::ImportFileFilter)});
  if (path.isEmpty())
    return;
  const TResultsFile file = ReadResultsFile(path);
  if (!file.ok()) {
    dialogs.message(parent, TMsgIcon::Warning,
                    ResultsFileProblem(file, path, language) + QStringLiteral("\n\n") +
                        TextIn(language, TText::ImportNothingChanged),
                    QMessageBox::Ok);
    return;
  }
  const QString name = QFileInfo(path).fileName();
  const TImportPlan plan = PlanImport(document.tournament(), file.matches);
  const auto form =
      std::make_unique<TImportForm>(parent, name, file.matches, plan, document.names().teams, language);
  if (dialogs.showModal(form.get()) == QDialog::Accepted && plan.changes())
    document.applyResults(plan.texts, TStepKind::Importing, name);
}

void ExportResults(QWidget *parent, const TTournament &tournament, int language, TDialogs &dialogs)
{
  const QString path = dialogs.saveFile(parent, {DocumentsFolder(), QStringLiteral("results.json"),
                                                 TextIn(language, TText::ExportFileFilter), QStringLiteral("json")});
  if (path.isEmpty())
    return;
  QString error;
  if (!WriteWholeFile(path, ExportedResults(tournament), &error))
    dialogs.message(parent, TMsgIcon::Error, TextIn(language, TText::ExportFailedText).arg(path, error),
                    QMessageBox::Ok);
}
