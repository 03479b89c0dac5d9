#include "app/brakkaMain.h"

#include "app/accessibility.h"
#include "app/commands.h"
#include "app/figureField.h"
#include "app/gridBuild.h"
#include "app/gridInput.h"
#include "app/gridView.h"
#include "app/hints.h"
#include "app/mainMenu.h"
#include "core/document/document.h"
#include "core/document/recoveryKeeper.h"
#include "core/groups/brakkaDebug.h"
#include "core/i18n/texts.h"
#include "settings/settingsPlace.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QStatusBar>
#include <QTranslator>

namespace {

// Qt's own texts (standard buttons of message boxes, the print, file and
// message dialogs) in the interface language: one translator for the whole
// program, reloaded when the language changes and removed for English.
void LoadQtTranslations(int language)
{
  static QPointer<QTranslator> translator;
  static int loaded = LangEnglish;
  QCoreApplication *app = QCoreApplication::instance();
  if (!app || (translator && loaded == language))
    return;
  if (!translator)
    translator = new QTranslator(app);
  QCoreApplication::removeTranslator(translator);
  loaded = language;
  const QString suffix = language == LangSpanish ? QStringLiteral("es")
                         : language == LangFrench ? QStringLiteral("fr")
                                                  : QString();
  if (!suffix.isEmpty() &&
      translator->load(QStringLiteral("qtbase_") + suffix, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QCoreApplication::installTranslator(translator);
}

}  // namespace

TMainForm::TMainForm(QWidget *parent)
    : TMainForm(SettingsFolder(QCoreApplication::applicationDirPath()), TPlatform::desktop(), parent)
{
}

TMainForm::TMainForm(const QString &settingsDir, TPlatform platform, QWidget *parent)
    : QMainWindow(parent), SettingsDir(settingsDir), Platform(std::move(platform)),
      Document(std::make_unique<TDocument>()), Controls(std::make_unique<TGridControls>())
{
  setObjectName(QStringLiteral("MainForm"));
  QFont font(QStringLiteral("Liberation Sans"));
  font.setPixelSize(11);
  setFont(font);
  setWindowTitle(QStringLiteral("Brakka"));
  resize(805, 604);

  TFigureField::UseUnshapedFont();
  InstallAccessibleNames();
  RegisterAccessibleGrid(this, Controls.get(), [doc = Document.get()] { return doc->preferences().language; });
  BuildMainMenu(menuBar(), *Controls, [this](TCommand command, int tag) {
    RunCommand(command, tag, {this, *Document, Platform, Controls->label(PrintFontLabel())});
  });
  Input = new TGridInput(
      *Document, *Controls,
      [this] { CelebrateChampion(this, *Document, Platform, [this] { View->highlightFavourite(); }); }, this);
  TGridHandlers handlers;
  handlers.owner = this;
  handlers.input = Input;
  handlers.edited = [this](TField field) { Document->type(field, Controls->field(field)->text()); };
  handlers.pressed = [this](TButton button) {
    if (button == SaveButton())
      SaveSettings(this, *Document, *Platform.dialogs);
    else if (button == ExitButton())
      close();
    else if (button == ClearAllButton())
      ClearAllResults(this, *Document, *Platform.dialogs);
    else
      Document->clearStage(int(Index(button)));
  };
  TGridBuilder(*Controls, handlers).build(*this);

  auto *notice = new QLabel(this);
  notice->setObjectName(LabelName(NoticeLabel()));
  notice->setTextFormat(Qt::PlainText);
  Controls->add({TControlId::Label, std::uint16_t(Index(NoticeLabel()))}, notice);
  statusBar()->setObjectName(QStringLiteral("StatusBar"));
  statusBar()->addWidget(notice, 1);
  FormCreate();
}

TMainForm::~TMainForm() { RegisterAccessibleGrid(this, nullptr, {}); }

void TMainForm::FormCreate()
{
  StartTrace();
  SetHintHidePause(10000);
  ReadSettings(this, *Document, *Platform.dialogs, SettingsDir);
  View = new TGridView(*Document, *Controls, Platform.regional, this);
  Input->setView(View);
  connect(Document.get(), &TDocument::changed, this, &TMainForm::documentChanged);
  ApplyLanguage();
  Recovery = std::make_unique<TRecoveryKeeper>(*Document);
  OfferRecovery(this, *Document, *Recovery, *Platform.dialogs);
}

void TMainForm::ApplyLanguage()
{
  const int language = Document->preferences().language;
  LoadQtTranslations(language);
  const TNames &names = Document->names();
  setWindowTitle(TextIn(language, TText::CaptionPrefix) + names.hosts[0] + QLatin1Char('/') + names.hosts[1]);
  ApplyMenuTexts(*Controls, *Document);
  View->applyLanguage();
}

void TMainForm::documentChanged(const TDocumentChange &change)
{
  if (change.preferences)
    ApplyLanguage();
  else if (change.steps)
    ShowUndoTexts(*Controls, *Document);
  if (change.notice)
    Controls->label(NoticeLabel())->setText(Document->notice());
}

void TMainForm::closeEvent(QCloseEvent *event)
{
  if (!MayClose(this, *Document, *Platform.dialogs)) {
    event->ignore();
    return;
  }
  // Whatever the answer, nothing is left to recover once the window closes.
  if (Recovery)
    Recovery->close();
  EndTrace();
  event->accept();
}

QObject *TMainForm::byName(const QString &name) const
{
  const std::optional<TControlId> id = ControlIdOf(name);
  return id ? Controls->control(*id) : nullptr;
}

QLineEdit *TMainForm::field(const QString &name) const { return qobject_cast<QLineEdit *>(byName(name)); }
QLabel *TMainForm::label(const QString &name) const { return qobject_cast<QLabel *>(byName(name)); }
QPushButton *TMainForm::button(const QString &name) const { return qobject_cast<QPushButton *>(byName(name)); }
QAction *TMainForm::menuItem(const QString &name) const { return qobject_cast<QAction *>(byName(name)); }
