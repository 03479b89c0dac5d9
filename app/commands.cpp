#include "app/commands.h"

#include "app/aboutForm.h"
#include "chart/wallChart.h"
#include "core/document/document.h"
#include "core/document/recoveryKeeper.h"
#include "core/i18n/texts.h"
#include "desktop/platform.h"
#include "groups/outlookForm.h"
#include "import/importCommands.h"
#include "knockout/celebration.h"
#include "pool/poolForm.h"
#include "report/printing.h"
#include "report/reportCommand.h"
#include "schedule/calendarCommand.h"
#include "core/schedule/regional.h"
#include "schedule/scheduleCommands.h"
#include "settings/optionsForm.h"
#include "venues/venueCommands.h"

#include <QLabel>
#include <QMainWindow>
#include <memory>

void RunCommand(TCommand command, int tag, const TCommandContext &c)
{
  TDocument &doc = c.document;
  TDialogs &dialogs = *c.platform.dialogs;
  const int language = doc.preferences().language;
  switch (command) {
  case TCommand::None:
    break;
  case TCommand::ClearAll:
    ClearAllResults(c.window, doc, dialogs);
    break;
  case TCommand::Save:
    SaveSettings(c.window, doc, dialogs);
    break;
  case TCommand::Report:
    PrintReport(c.window, doc.tournament(), language,
                PrinterFont(c.printFont->font(), c.printFont->logicalDpiY()), *c.platform.printing, dialogs);
    break;
  case TCommand::WallChart:
    SaveWallChart(c.window, doc.tournament(), doc.preferences(), FormatsOrSystem(c.platform.regional.get()),
                  dialogs);
    break;
  case TCommand::PrintWallChart:
    PrintWallChart(c.window, doc.tournament(), doc.preferences(), FormatsOrSystem(c.platform.regional.get()),
                   *c.platform.printing, dialogs);
    break;
  case TCommand::Exit:
    c.window->close();
    break;
  case TCommand::Undo:
    doc.undo();
    break;
  case TCommand::Redo:
    doc.redo();
    break;
  case TCommand::Options:
    ChooseOptions(c.window, doc, dialogs);
    break;
  case TCommand::Schedule:
    ShowSchedule(c.window, doc.tournament(), language, FormatsOrSystem(c.platform.regional.get()),
                 doc.preferences().timeZoneOffset, dialogs);
    break;
  case TCommand::ExportCalendar:
    ExportCalendar(c.window, doc.tournament(), language, dialogs);
    break;
  case TCommand::Outlook:
    ShowOutlookWindow(c.window, dialogs, doc.tournament(), language, doc.preferences().favorite);
    break;
  case TCommand::Pool: {
    std::optional<TPoolSettings> pool = doc.poolSettings();
    ShowPoolWindow(c.window, dialogs, doc.tournament(), pool, doc.settingsFile(), language);
    if (pool)
      doc.setPoolSettings(*pool);
    break;
  }
  case TCommand::ImportResults:
    ImportResults(c.window, doc, dialogs);
    break;
  case TCommand::ExportResults:
    ExportResults(c.window, doc.tournament(), language, dialogs);
    break;
  case TCommand::Venue:
    ShowVenueViewer(c.window, tag, language, dialogs, c.platform.browser.get());
    break;
  case TCommand::WebLink:
    OpenWebLink(c.window, tag, dialogs, c.platform.browser.get());
    break;
  case TCommand::About:
    ShowAbout(c.window, language, dialogs);
    break;
  }
}

bool SaveSettings(QWidget *parent, TDocument &document, TDialogs &dialogs)
{
  // Another program's changes are replaced only when the user says so.
  const TSaveResult result = document.save([&] {
    return dialogs.message(parent, TMsgIcon::Question,
                           TextIn(document.preferences().language, TText::SettingsChangedText),
                           QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
  });
  if (result == TSaveResult::Failed)
    dialogs.message(parent, TMsgIcon::Error, QStringLiteral("Unable to write to ") + document.settingsFile(),
                    QMessageBox::Ok);
  return result == TSaveResult::Saved;
}

void ClearAllResults(QWidget *parent, TDocument &document, TDialogs &dialogs)
{
  const QMessageBox::StandardButton answer =
      dialogs.message(parent, TMsgIcon::Warning, TextIn(document.preferences().language, TText::ClearAllConfirmText),
                      QMessageBox::Yes | QMessageBox::No);
  if (answer != QMessageBox::Yes)
    return;
  parent->setCursor(Qt::WaitCursor);
  document.clearAll();
  parent->unsetCursor();
}

// Each opening builds a new dialog, released once it is closed. A favourite
// picked in its list stays picked even when the dialog is cancelled.
void ChooseOptions(QWidget *parent, TDocument &document, TDialogs &dialogs)
{
  const auto options =
      std::make_unique<TOptionsForm>(parent, dialogs, document.preferences(), document.firstRun());
  dialogs.showModal(options.get());
  if (options->result() == QDialog::Accepted)
    document.setPreferences(options->preferences());
  else
    document.keepFavourite(options->preferences().favorite);
}

void ReadSettings(QWidget *parent, TDocument &document, TDialogs &dialogs, const QString &settingsFolder)
{
  const TDocument::TLoad read = document.load(settingsFolder);
  if (!read.readable) {
    // The user's scores and preferences may still be in it: a save will not
    // replace it, and the user hears why once, now. No first-start dialog
    // either: what it asks could not be saved, and this is no first start.
    const int language = document.preferences().language;
    const QString text = TextIn(language, TText::SettingsUnreadableText)
                             .arg(document.settingsFile(), TextIn(language, UnreadableReason(read.loaded)));
    dialogs.message(parent, TMsgIcon::Warning, text, QMessageBox::Ok);
    return;
  }
  if (document.firstRun())
    ChooseOptions(parent, document, dialogs);
}

void OfferRecovery(QWidget *parent, TDocument &document, TRecoveryKeeper &keeper, TDialogs &dialogs)
{
  const int language = document.preferences().language;
  const TRecovery found = ReadRecoveryFile(keeper.settingsFile());
  if (found.state == TRecovery::TState::Damaged) {
    document.setNotice(TextIn(language, TText::RecoveryDamagedText).arg(RecoveryFilePath(keeper.settingsFile())));
    return;
  }
  if (found.state != TRecovery::TState::Found)
    return;
  if (!TDocument::SameResults(found.texts, document.history().current()) &&
      dialogs.message(parent, TMsgIcon::Question, TextIn(language, TText::RecoveryQuestionText),
                      QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes) {
    // Restored, the results are still unsaved: one step back from what was read.
    document.applyResults(found.texts, TStepKind::Recovering);
    return;
  }
  keeper.close();
}

bool MayClose(QWidget *parent, TDocument &document, TDialogs &dialogs)
{
  const QMessageBox::StandardButton answer =
      dialogs.message(parent, TMsgIcon::Question, TextIn(document.preferences().language, TText::SaveBeforeExitText),
                      QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
  if (answer == QMessageBox::Yes)
    return SaveSettings(parent, document, dialogs);
  return answer == QMessageBox::No;
}

void CelebrateChampion(QWidget *parent, const TDocument &document, TPlatform &platform,
                       const std::function<void()> &beforeShowing)
{
  // The press that opened the window ends before it shows: its release goes
  // to the window.
  Celebrate(parent, ShownTeam(document.names().teams, document.tournament().champion()),
            document.names().favourite, document.preferences().language, platform.sound.get(),
            *platform.dialogs, beforeShowing);
}
