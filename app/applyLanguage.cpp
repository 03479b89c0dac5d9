// Writing the current language into every text of the main window.

#include "app/brakkaMain.h"
#include "app/undoHistory.h"

#include "core/groups/fixtures.h"
#include "core/i18n/names.h"
#include "core/i18n/texts.h"

#include <QAction>
#include <QCoreApplication>
#include <QLabel>
#include <QLibraryInfo>
#include <QPointer>
#include <QPushButton>
#include <QTranslator>

namespace {

// Menu items and buttons that take a text of their own.
struct TMenuText {
  const char *control;
  TText text;
};
constexpr TMenuText MenuTexts[] = {
  {"File1", TText::File1}, {"Edit1", TText::Edit1}, {"Clear1", TText::Clear1}, {"Save1", TText::Save1},
  {"Report1", TText::Report1}, {"Exit1", TText::Exit1}, {"Options1", TText::Options1},
  {"About1", TText::About1}, {"View1", TText::View1}, {"Schedule1", TText::Schedule1},
  {"ExportCalendar1", TText::ExportCalendar1},
  {"Outlook1", TText::Outlook1},
  {"Pool1", TText::Pool1},
  {"Stadiums1", TText::Stadiums1}, {"Internet1", TText::Internet1}, {"FIFA1", TText::FIFA1},
  {"BrakkaKoreaJapan1", TText::BrakkaKoreaJapan1},
  {"OfficialFootballSites1", TText::OfficialFootballSites1},
  {"OfficialSite1", TText::OfficialSite1}, {"Rules1", TText::Rules1},
  {"KoreaOrganizingCommittee1", TText::KoreaOrganizingCommittee1},
  {"JapanOrganizingCommittee1", TText::JapanOrganizingCommittee1},
};

constexpr const char *ClearButtons[] = {
  "GroupADelButton", "GroupBDelButton", "GroupCDelButton", "GroupDDelButton",
  "GroupEDelButton", "GroupFDelButton", "GroupGDelButton", "GroupHDelButton",
  "Final8DelButton", "Final4DelButton", "Final2DelButton", "ThirdDelButton", "FinalDelButton",
};

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
      translator->load(QStringLiteral("qtbase_") + suffix,
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QCoreApplication::installTranslator(translator);
}

}  // namespace

void TMainForm::ApplyLanguage()
{
  // Messages and window texts; any language but Spanish or French is English.
  if (Prefs.language != LangSpanish && Prefs.language != LangFrench)
    Prefs.language = LangEnglish;
  const int language = Prefs.language;
  LoadQtTranslations(language);

  // Captions and names.
  Names = NamesIn(language, Prefs.favorite);
  setWindowTitle(TextIn(language, TText::CaptionPrefix) + Names.hosts[0] + QLatin1Char('/') + Names.hosts[1]);

  // Kick-off texts and the hints of the grid's team labels.
  SetMatchHints();

  // Group and stage titles, and the table headings: each label takes the
  // width of its new text. A label already showing the text has its width.
  auto caption = [this](const QString &name, const QString &text) {
    QLabel *l = label(name);
    if (l->text() == text)
      return;
    l->setText(text);
    l->adjustSize();
  };
  auto joined = [](const char *start, QChar letter, const char *rest, const char *end = "") {
    QString name;
    name.reserve(24);
    name += QLatin1String(start);
    name += letter;
    name += QLatin1String(rest);
    name += QLatin1String(end);
    return name;
  };
  for (int g = 0; g < GroupCount; ++g) {
    const QChar letter = GroupLetter(g);
    const QString title = GroupTitle(language, g);
    caption(joined("Group", letter, "Lbl"), title);
    caption(joined("Group", letter, "StandLbl"), title);
    for (int c = 0; c < TableColumnCount; ++c)
      caption(joined("G", letter, TableColumnName(c), "Lbl"), TableHeading(language, c));
  }
  for (int stage = 0; stage < KnockoutCount; ++stage)
    caption(QLatin1String(KnockoutStage(stage).prefix) + QLatin1String("Lbl"), KnockoutTitle(language, stage));
  label(QStringLiteral("ChampionLbl"))->setText(TextIn(language, TText::ChampionText));

  // Team names: the group-match labels always show their fixed pairings.
  Engine.setTeamNames(Names.teams);
  for (int g = 0; g < GroupCount; ++g)
    WriteOutlookMarks(g);

  // Menus and buttons.
  for (const TMenuText &m : MenuTexts)
    menuItem(QLatin1String(m.control))->setText(TextIn(language, m.text));
  button(QStringLiteral("SaveButton"))->setText(TextIn(language, TText::Save1));
  button(QStringLiteral("OKButton"))->setText(TextIn(language, TText::OKButton));
  button(QStringLiteral("ClearAllButton"))->setText(TextIn(language, TText::ClearAllButton));
  menuItem(QStringLiteral("Korea1"))->setText(Names.teams[SouthKorea]);
  menuItem(QStringLiteral("Japan2"))->setText(Names.teams[Japan]);
  for (int v = 0; v < VenueCount; ++v)
    menuItem(VenueMenuItemName(v))->setText(VenueShortName(Names.venues[v]));
  for (int team = 1; team <= TeamCount; ++team) {
    QString item = TeamNameIn(LangEnglish, team);
    item.remove(QLatin1Char(' '));
    menuItem(item + QLatin1Char('1'))->setText(Names.teams[team]);
  }
  for (const char *name : ClearButtons)
    button(QLatin1String(name))->setToolTip(TextIn(language, TText::ClearScoresHint));
  button(QStringLiteral("ClearAllButton"))->setToolTip(TextIn(language, TText::ClearAllScoresHint));
  History->showUndoTexts();
  NameGridParts();

  showChanges();
}
