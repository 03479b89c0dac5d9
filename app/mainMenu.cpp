// The main menu MainMenu1, built from one table.

#include "app/brakkaMain.h"

#include "app/aboutForm.h"
#include "core/i18n/names.h"
#include "pool/poolForm.h"
#include "report/printing.h"
#include "report/reportCommand.h"
#include "schedule/calendarCommand.h"
#include "core/schedule/regional.h"
#include "schedule/scheduleCommands.h"
#include "core/settings/preferences.h"
#include "core/settings/settingsFile.h"
#include "venues/menuPictures.h"
#include "venues/venueCommands.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>

namespace {

enum class TCommand { None, ClearAll, Save, Report, Exit, Undo, Redo, Options, Schedule, Venue, WebLink,
                      About, ExportCalendar, Outlook, Pool };

struct TMenuEntry {
  const char *parent;   // nullptr: the menu bar
  const char *name;
  const char *caption;  // "-" for a separator
  int tag;
  bool enabled;
  bool submenu;
  TCommand command;
};

// Menu order. Submenus come before their items.
const TMenuEntry MenuTree[] = {
  {nullptr, "File1", "&File", 0, true, true, TCommand::None},
  {"File1", "Clear1", "&Clear", 0, true, false, TCommand::ClearAll},
  {"File1", "Save1", "&Save", 0, true, false, TCommand::Save},
  {"File1", "N2", "-", 0, true, false, TCommand::None},
  {"File1", "Report1", "&Print Report", 0, true, false, TCommand::Report},
  {"File1", "N1", "-", 0, true, false, TCommand::None},
  {"File1", "Exit1", "&Exit", 0, true, false, TCommand::Exit},
  {nullptr, "Edit1", "&Edit", 0, true, true, TCommand::None},
  {"Edit1", "Undo1", "&Undo", 0, false, false, TCommand::Undo},
  {"Edit1", "Redo1", "&Redo", 0, false, false, TCommand::Redo},
  {nullptr, "Options1", "&Options", 0, true, false, TCommand::Options},
  {nullptr, "View1", "&View", 0, true, true, TCommand::None},
  {"View1", "Schedule1", "&Game Schedule", 0, true, false, TCommand::Schedule},
  {"View1", "ExportCalendar1", "E&xport to calendar…", 0, true, false, TCommand::ExportCalendar},
  {"View1", "Outlook1", "&What does my team need?", 0, true, false, TCommand::Outlook},
  {"View1", "Pool1", "Prediction &pool…", 0, true, false, TCommand::Pool},
  {"View1", "N3", "-", 0, true, false, TCommand::None},
  {"View1", "Stadiums1", "&Venues", 0, true, true, TCommand::None},
  {"Stadiums1", "Korea1", "&Korea", 0, true, true, TCommand::None},
  {"Korea1", "Busan1", "Busan", 100, true, false, TCommand::Venue},
  {"Korea1", "Daegu1", "Daegu", 101, true, false, TCommand::Venue},
  {"Korea1", "Daejeon1", "Daejeon", 102, true, false, TCommand::Venue},
  {"Korea1", "Gwangju1", "Gwangju", 103, true, false, TCommand::Venue},
  {"Korea1", "Incheon1", "Incheon", 104, true, false, TCommand::Venue},
  {"Korea1", "Jeonju1", "Jeonju", 105, true, false, TCommand::Venue},
  {"Korea1", "Seogwipo1", "Seogwipo", 106, true, false, TCommand::Venue},
  {"Korea1", "Seoul1", "Seoul", 107, true, false, TCommand::Venue},
  {"Korea1", "Suwon1", "Suwon", 108, true, false, TCommand::Venue},
  {"Korea1", "Ulsan1", "Ulsan", 109, true, false, TCommand::Venue},
  {"Stadiums1", "Japan2", "&Japan", 0, true, true, TCommand::None},
  {"Japan2", "Ibaraki1", "Ibaraki", 150, true, false, TCommand::Venue},
  {"Japan2", "Kobe1", "Kobe", 151, true, false, TCommand::Venue},
  {"Japan2", "Miyagi1", "Miyagi", 152, true, false, TCommand::Venue},
  {"Japan2", "Niigata1", "Niigata", 153, true, false, TCommand::Venue},
  {"Japan2", "Oita1", "Oita", 154, true, false, TCommand::Venue},
  {"Japan2", "Osaka1", "Osaka", 155, true, false, TCommand::Venue},
  {"Japan2", "Saitama1", "Saitama", 156, true, false, TCommand::Venue},
  {"Japan2", "Sapporo1", "Sapporo", 157, true, false, TCommand::Venue},
  {"Japan2", "Shizuoka1", "Shizuoka", 158, true, false, TCommand::Venue},
  {"Japan2", "Yokohama1", "Yokohama", 159, true, false, TCommand::Venue},
  {"View1", "N6", "-", 0, true, false, TCommand::None},
  {"View1", "Internet1", "&Internet Links", 0, true, true, TCommand::None},
  {"Internet1", "FIFA1", "&FIFA Official Site", 50, true, false, TCommand::WebLink},
  {"Internet1", "BrakkaKoreaJapan1", "2002 FIFA &Brakka Korea/Japan", 0, true, true, TCommand::None},
  {"BrakkaKoreaJapan1", "OfficialSite1", "&Official Site", 51, true, false, TCommand::WebLink},
  {"BrakkaKoreaJapan1", "Rules1", "&Rules", 52, true, false, TCommand::WebLink},
  {"BrakkaKoreaJapan1", "KoreaOrganizingCommittee1", "Korea Organizing Committee", 53, true, false, TCommand::WebLink},
  {"BrakkaKoreaJapan1", "JapanOrganizingCommittee1", "Japan Organizing Committee", 54, true, false, TCommand::WebLink},
  {"Internet1", "OfficialFootballSites1", "&Official Football Federations Sites", 0, true, true, TCommand::None},
  {"OfficialFootballSites1", "Argentina1", "&Argentina", 1, false, false, TCommand::WebLink},
  {"OfficialFootballSites1", "Belgium1", "&Belgium", 2, true, false, TCommand::WebLink},
  {"OfficialFootballSites1", "Brazil1", "Bra&zil", 3, true, false, TCommand::WebLink},
  {"OfficialFootballSites1", "Cameroon1", "Camer&oon", 4, false, false, TCommand::WebLink},
  {"OfficialFootballSites1", "China1", "C&hina", 5, false, false, TCommand::WebLink},
  {"OfficialFootballSites1", "CostaRica1", "&Costa Rica", 6, true, false, TCommand::WebLink},
  {"OfficialFootballSites1", "Croatia1", "Croatia", 7, false, false, TCommand::WebLink},
  {"OfficialFootballSites1", "Denmark1", "&Denmark", 8, true, false, TCommand::WebLink},
  {"OfficialFootballSites1", "Ecuador1", "Ecuador", 9, false, false, TCommand::WebLink},
  {"OfficialFootballSites1", "England1", "England", 10, false, false, TCommand::WebLink},
  {"OfficialFootballSites1", "France1", "&France", 11, true, false, TCommand::WebLink},
  {"OfficialFootballSites1", "Germany1", "Germany", 12, false, false, TCommand::WebLink},
  {"OfficialFootballSites1", "Ireland1", "&Ireland", 13, true, false, TCommand::WebLink},
  {"OfficialFootballSites1", "Italy1", "Italy", 14, false, false, TCommand::WebLink},
  {"OfficialFootballSites1", "Japan1", "Japan", 15, false, false, TCommand::WebLink},
  {"OfficialFootballSites1", "Mexico1", "Mexico", 16, false, false, TCommand::WebLink},
  {"OfficialFootballSites1", "Nigeria1", "Nigeria", 17, false, false, TCommand::WebLink},
  {"OfficialFootballSites1", "Paraguay1", "&Paraguay", 18, true, false, TCommand::WebLink},
  {"OfficialFootballSites1", "Poland1", "Poland", 19, false, false, TCommand::WebLink},
  {"OfficialFootballSites1", "Portugal1", "P&ortugal", 20, true, false, TCommand::WebLink},
  {"OfficialFootballSites1", "Russia1", "&Russia", 21, true, false, TCommand::WebLink},
  {"OfficialFootballSites1", "SaudiArabia1", "Saudi Arabia", 22, false, false, TCommand::WebLink},
  {"OfficialFootballSites1", "Senegal1", "Senegal", 23, false, false, TCommand::WebLink},
  {"OfficialFootballSites1", "Slovenia1", "Slovenia", 24, false, false, TCommand::WebLink},
  {"OfficialFootballSites1", "SouthAfrica1", "&South Africa", 25, true, false, TCommand::WebLink},
  {"OfficialFootballSites1", "SouthKorea1", "South &Korea", 26, true, false, TCommand::WebLink},
  {"OfficialFootballSites1", "Spain1", "&Spain", 27, true, false, TCommand::WebLink},
  {"OfficialFootballSites1", "Sweden1", "S&weden", 28, true, false, TCommand::WebLink},
  {"OfficialFootballSites1", "Tunisia1", "&Tunisia", 29, true, false, TCommand::WebLink},
  {"OfficialFootballSites1", "Turkey1", "Turke&y", 30, true, false, TCommand::WebLink},
  {"OfficialFootballSites1", "Uruguay1", "Uruguay", 31, false, false, TCommand::WebLink},
  {"OfficialFootballSites1", "USA1", "&USA", 32, true, false, TCommand::WebLink},
  {nullptr, "About1", "&About", 0, true, false, TCommand::About},
};

}  // namespace

void TMainForm::buildMenu()
{
  QMenuBar *bar = menuBar();
  bar->setObjectName(QStringLiteral("MainMenu1"));
  QHash<QString, QMenu *> menus;

  for (const TMenuEntry &e : MenuTree) {
    const QString name = QLatin1String(e.name);
    const QString caption = QString::fromUtf8(e.caption);
    QMenu *parentMenu = e.parent ? menus.value(QLatin1String(e.parent)) : nullptr;
    QAction *action = nullptr;
    if (e.submenu) {
      QMenu *menu = parentMenu ? parentMenu->addMenu(caption) : bar->addMenu(caption);
      menu->setObjectName(name);
      SetPicturesOnFirstOpen(menu);
      menus.insert(name, menu);
      action = menu->menuAction();
    } else if (caption == QLatin1String("-")) {
      action = parentMenu->addSeparator();
    } else {
      action = parentMenu ? parentMenu->addAction(caption) : bar->addAction(caption);
    }
    action->setObjectName(name);
    action->setData(e.tag);
    action->setEnabled(e.enabled);
    Controls.menuItems.insert(name, action);

    switch (e.command) {
    case TCommand::None: break;
    case TCommand::ClearAll: connect(action, &QAction::triggered, this, &TMainForm::ClearAllButtonClick); break;
    case TCommand::Save: connect(action, &QAction::triggered, this, &TMainForm::SaveButtonClick); break;
    case TCommand::Report:
      connect(action, &QAction::triggered, this, [this] {
        // The report's font is the one its hidden label shows.
        const QLabel *sample = label(QStringLiteral("PrintFontLbl"));
        PrintReport(this, Engine.grid(), Prefs.language, PrinterFont(sample->font(), sample->logicalDpiY()),
                    *Platform.printing, *Platform.dialogs);
      });
      break;
    case TCommand::Exit: connect(action, &QAction::triggered, this, &TMainForm::OKButtonClick); break;
    case TCommand::Undo: connect(action, &QAction::triggered, this, &TMainForm::Undo1Click); break;
    case TCommand::Redo: connect(action, &QAction::triggered, this, &TMainForm::Redo1Click); break;
    case TCommand::Options: connect(action, &QAction::triggered, this, &TMainForm::Options1Click); break;
    case TCommand::Schedule:
      connect(action, &QAction::triggered, this, [this] {
        ShowSchedule(this, Engine.grid(), Prefs.language, FormatsOrSystem(Platform.regional.get()),
                     Prefs.timeZoneOffset, Names.venues, *Platform.dialogs);
      });
      break;
    case TCommand::About:
      connect(action, &QAction::triggered, this, [this] { ShowAbout(this, Prefs.language, *Platform.dialogs); });
      break;
    case TCommand::ExportCalendar:
      connect(action, &QAction::triggered, this,
              [this] { ExportCalendar(this, Engine.grid(), Prefs.language, Names.venues, *Platform.dialogs); });
      break;
    case TCommand::Outlook: connect(action, &QAction::triggered, this, &TMainForm::Outlook1Click); break;
    case TCommand::Pool:
      connect(action, &QAction::triggered, this, [this] {
        ShowPoolWindow(this, *Platform.dialogs, Engine, PoolSettings, SettingsFilePath(SettingsDir),
                       Prefs.language);
      });
      break;
    case TCommand::Venue:
      connect(action, &QAction::triggered, this, [this, action] {
        ShowVenueViewer(this, action->data().toInt(), Prefs.language, *Platform.dialogs, Platform.browser.get());
      });
      break;
    case TCommand::WebLink:
      connect(action, &QAction::triggered, this, [this, action] {
        OpenWebLink(this, action->data().toInt(), *Platform.dialogs, Platform.browser.get());
      });
      break;
    }
  }
}
