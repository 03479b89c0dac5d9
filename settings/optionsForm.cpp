#include "settings/optionsForm.h"
#include "desktop/windowPlacement.h"

#include "desktop/platform.h"
#include "core/i18n/names.h"
#include "core/i18n/texts.h"
#include "core/settings/timeZones.h"
#include "core/settings/preferences.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <utility>

namespace {

QComboBox *addList(QWidget *parent, const char *name, int y)
{
  auto *list = new QComboBox(parent);
  list->setObjectName(QLatin1String(name));
  list->setGeometry(16, y, 369, 22);
  list->setEditable(false);
  list->setMaxVisibleItems(16);
  return list;
}

QLabel *addCaption(QWidget *parent, const char *name, const char *caption, int y)
{
  auto *l = new QLabel(QLatin1String(caption), parent);
  l->setObjectName(QLatin1String(name));
  l->setGeometry(16, y, 369, 16);
  return l;
}

// The favourite list in a language: "none" and the 32 team names.
QStringList favouriteList(int language)
{
  QStringList items;
  for (int team = 0; team <= TeamCount; ++team)
    items << TeamNameIn(language, team);
  return items;
}

}  // namespace

TOptionsForm::TOptionsForm(QWidget *parent, TDialogs &dialogs, const TPreferences &current,
                           bool firstRun)
    : QDialog(parent), Dialogs(dialogs), Chosen(current), FirstRun(firstRun)
{
  setObjectName(QStringLiteral("OptionsForm"));
  setWindowTitle(QStringLiteral("Brakka - Options"));
  setWindowFlags(FixedDialogFlags(false));
  setFixedSize(417, 330);

  OptionsPanel = new QGroupBox(QStringLiteral("Options..."), this);
  OptionsPanel->setObjectName(QStringLiteral("OptionsPanel"));
  OptionsPanel->setGeometry(8, 8, 401, 274);
  LangLbl = addCaption(OptionsPanel, "LangLbl", "Your &Language:", 24);
  LangCB = addList(OptionsPanel, "LangCB", 42);
  FavLbl = addCaption(OptionsPanel, "FavLbl", "Your &Favorite Team:", 82);
  FavCB = addList(OptionsPanel, "FavCB", 100);
  TimeZoneLbl = addCaption(OptionsPanel, "TimeZoneLbl", "Your &Time Zone:", 140);
  TimeZoneCB = addList(OptionsPanel, "TimeZoneCB", 158);
  PaperLbl = addCaption(OptionsPanel, "ChartPaperLbl", "Wall chart &paper:", 198);
  PaperCB = addList(OptionsPanel, "PaperCB", 216);
  // Each caption leads to its list (Alt and its underlined letter) and names it.
  LangLbl->setBuddy(LangCB);
  FavLbl->setBuddy(FavCB);
  TimeZoneLbl->setBuddy(TimeZoneCB);
  PaperLbl->setBuddy(PaperCB);
  nameLists();

  for (int language = 0; language < LanguageCount; ++language)
    LangCB->addItem(TextIn(language, TText::LanguageName));
  FavCB->addItems(favouriteList(LangEnglish));
  for (const TTimeZone &zone : TimeZones())
    TimeZoneCB->addItem(QString::fromLatin1(zone.caption));
  for (QComboBox *list : {LangCB, FavCB, TimeZoneCB})
    list->setCurrentIndex(-1);
  namePapers(LangEnglish);
  PaperCB->setCurrentIndex(int(ChartPaper(Chosen)));

  OKButton = new QPushButton(QStringLiteral("&OK"), this);
  OKButton->setObjectName(QStringLiteral("OKButton"));
  OKButton->setGeometry(246, 294, 75, 25);
  OKButton->setDefault(true);
  CancelButton = new QPushButton(QStringLiteral("&Cancel"), this);
  CancelButton->setObjectName(QStringLiteral("CancelButton"));
  CancelButton->setGeometry(334, 294, 75, 25);

  // Only the user's own choices run the handlers, not the dialog's updates.
  connect(LangCB, qOverload<int>(&QComboBox::activated), this, &TOptionsForm::LangCBChange);
  connect(FavCB, qOverload<int>(&QComboBox::activated), this, &TOptionsForm::FavCBChange);
  connect(OKButton, &QPushButton::clicked, this, &TOptionsForm::OKButtonClick);
  connect(CancelButton, &QPushButton::clicked, this, &TOptionsForm::CancelButtonClick);
}

void TOptionsForm::showEvent(QShowEvent *event)
{
  KeepFrameButtonless(this);
  CentreOnScreen(this);
  QDialog::showEvent(event);
  if (!event->spontaneous())
    FormShow();
}

void TOptionsForm::FormShow()
{
  if (FirstRun) {
    for (QComboBox *list : {LangCB, FavCB, TimeZoneCB})
      list->setCurrentIndex(-1);
    CancelButton->setEnabled(false);
    return;
  }
  CancelButton->setEnabled(true);
  const int language = Chosen.language;
  setWindowTitle(TextIn(language, TText::CaptionPrefix) + TextIn(language, TText::OptionsCaption));
  OptionsPanel->setTitle(TextIn(language, TText::OptionsPanel));
  LangLbl->setText(TextIn(language, TText::LangLbl));
  FavLbl->setText(TextIn(language, TText::FavLbl));
  TimeZoneLbl->setText(TextIn(language, TText::TimeZoneLbl));
  PaperLbl->setText(TextIn(language, TText::ChartPaperLbl));
  nameLists();
  OKButton->setText(TextIn(language, TText::OptionsOKButton));
  CancelButton->setText(TextIn(language, TText::OptionsCancelButton));

  const int favourite = Chosen.favorite;
  LangCB->setCurrentIndex(language >= 0 && language < LangCB->count() ? language : -1);
  FavCB->setCurrentIndex(favourite >= 0 && favourite < FavCB->count() ? favourite : -1);
  LangCBChange();
  const int zone = TimeZoneEntryFor(Chosen.timeZoneOffset, Chosen.timeZoneCode);
  TimeZoneCB->setCurrentIndex(zone >= 0 && zone < TimeZoneCB->count() ? zone : -1);
}

void TOptionsForm::nameLists()
{
  const std::pair<QLabel *, QComboBox *> pairs[] = {
    {LangLbl, LangCB}, {FavLbl, FavCB}, {TimeZoneLbl, TimeZoneCB}, {PaperLbl, PaperCB}};
  for (const auto &[caption, list] : pairs) {
    QString name = caption->text();
    name.remove(QLatin1Char('&'));
    if (name.endsWith(QLatin1Char(':')))
      name.chop(1);
    list->setAccessibleName(name);
  }
}

void TOptionsForm::LangCBChange()
{
  const bool hadSelection = FavCB->currentIndex() >= 0;
  FavCB->clear();
  FavCB->addItems(favouriteList(LangCB->currentIndex()));
  FavCB->setCurrentIndex(-1);
  if (hadSelection && Chosen.favorite >= 0 && Chosen.favorite < FavCB->count())
    FavCB->setCurrentIndex(Chosen.favorite);
  namePapers(LangCB->currentIndex());
}

void TOptionsForm::namePapers(int language)
{
  const int paper = PaperCB->currentIndex();
  PaperCB->clear();
  for (TText name : {TText::ChartPaperA4, TText::ChartPaperA3, TText::ChartPaperLetter})
    PaperCB->addItem(TextIn(language, name));
  PaperCB->setCurrentIndex(paper);
}

void TOptionsForm::FavCBChange()
{
  if (FavCB->currentIndex() >= 0)
    Chosen.favorite = FavCB->currentIndex();
}

void TOptionsForm::OKButtonClick()
{
  const int language = FirstRun ? int(LangEnglish) : Chosen.language;
  const QString selectLanguage = TextIn(language, TText::SelectLanguageText);
  const QString selectTimeZone = TextIn(language, TText::SelectTimeZoneText);
  TDialogs &dialogs = Dialogs;
  if (LangCB->currentIndex() < 0) {
    dialogs.message(this, TMsgIcon::Error, selectLanguage, QMessageBox::Ok);
    return;
  }
  if (TimeZoneCB->currentIndex() < 0) {
    dialogs.message(this, TMsgIcon::Error, selectTimeZone, QMessageBox::Ok);
    return;
  }

  const int chosenLanguage = LangCB->currentIndex();
  Chosen.language = chosenLanguage == LangSpanish || chosenLanguage == LangFrench ? chosenLanguage : LangEnglish;
  const int favourite = FavCB->currentIndex();
  Chosen.favorite = favourite >= 1 && favourite <= TeamCount ? favourite : 0;
  const int zone = TimeZoneCB->currentIndex();
  Chosen.timeZoneOffset = TimeZoneOffsetOf(zone);
  Chosen.timeZoneCode = zone >= 13 && zone <= 18 ? TimeZoneCodeOf(zone) : QStringLiteral("x35");
  // The locale's paper is kept in the file only once another was chosen.
  const TPaper paper = PaperCB->currentIndex() >= 0 ? TPaper(PaperCB->currentIndex()) : ChartPaper(Chosen);
  if (Chosen.paper || paper != DefaultPaper())
    Chosen.paper = paper;
  accept();
}

void TOptionsForm::CancelButtonClick() { reject(); }
