// The venue viewer opened from the venue menu, its arrows and links; the
// Internet Links menu; the desktop's default browser.

#include "app/brakkaMain.h"
#include "core/i18n/names.h"
#include "core/i18n/texts.h"
#include "core/settings/preferences.h"
#include "support/grid.h"
#include "venues/brakkaStadium.h"
#include "venues/browser.h"
#include "venues/menuPictures.h"
#include "venues/stadiums.h"
#include "venues/venueCommands.h"
#include "venues/webLinks.h"

#include <QAction>
#include <QFile>
#include <QImageReader>
#include <QMenu>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>

namespace {

// The real main window on a scripted desktop whose browser only records, in
// the given language, with the start-up's windows and questions forgotten.
struct TVenueDesk : TGridDriver {
  explicit TVenueDesk(int language = LangEnglish)
  {
    choosePreferences(language);
    dialogs().modalWindows.clear();
    dialogs().asked.clear();
  }

  // Chooses a menu item; `inside` runs while the viewer it opens is shown.
  void openVenue(const QString &item, const std::function<void(TStadiumForm *)> &inside)
  {
    dialogs().onModal = [&](QDialog *dialog) {
      auto *viewer = qobject_cast<TStadiumForm *>(dialog);
      if (!viewer)
        qFatal("a modal window other than the venue viewer: %s", qPrintable(dialog->objectName()));
      inside(viewer);
      return int(QDialog::Rejected);
    };
    QAction *action = form().menuItem(item);
    if (!action)
      qFatal("no menu item %s", qPrintable(item));
    action->trigger();
    dialogs().onModal = nullptr;
  }
};

QLabel *Panel(const QWidget *viewer, const char *name)
{
  auto *panel = viewer->findChild<QLabel *>(QLatin1String(name));
  if (!panel)
    qFatal("no panel %s", name);
  return panel;
}

QString Caption(const QWidget *viewer, const char *name) { return Panel(viewer, name)->text(); }

// The names of the pictures shown (not hidden) in the viewer.
QStringList ShownPictures(const QWidget *viewer)
{
  QStringList shown;
  const auto *panel = viewer->findChild<QFrame *>(QStringLiteral("Panel1"));
  for (const QLabel *image : panel->findChildren<QLabel *>())
    if (!image->isHidden())
      shown.append(image->objectName());
  return shown;
}

void Click(const QWidget *viewer, const char *name)
{
  auto *button = viewer->findChild<QAbstractButton *>(QLatin1String(name));
  if (!button)
    qFatal("no button %s", name);
  QTest::mouseClick(button, Qt::LeftButton);
}

void ClickPanel(const QWidget *viewer, const char *name)
{
  QTest::mouseClick(Panel(viewer, name), Qt::LeftButton);
}

// The venue's menu items in their cyclic order.
QStringList VenueItems()
{
  QStringList items;
  for (int i = 0; i < StadiumCount; ++i)
    items.append(QLatin1String(StadiumAt(i).menuItem));
  return items;
}

// Every menu item under Internet Links that opens a page, by name.
QList<QAction *> WebLinkItems(TMainForm &form)
{
  QList<QAction *> items;
  auto *internet = form.findChild<QMenu *>(QStringLiteral("Internet1"));
  QList<QMenu *> menus = internet->findChildren<QMenu *>();
  menus.prepend(internet);
  for (QMenu *menu : menus)
    for (QAction *action : menu->actions())
      if (!action->menu() && !action->isSeparator())
        items.append(action);
  return items;
}

}  // namespace

class TestVenues : public QObject {
  Q_OBJECT

public:
  // Run before anything else: as the child of the association tests.
  static void initMain();

private slots:
  // The viewer.
  void everyVenueItemOpensItsVenue_data();
  void everyVenueItemOpensItsVenue();
  void viewerSpeaksTheCurrentLanguage_data();
  void viewerSpeaksTheCurrentLanguage();
  void everyPictureDecodes();
  void arrowsStepCyclically_data();
  void arrowsStepCyclically();
  void linkClickStartsTheBrowser_data();
  void linkClickStartsTheBrowser();
  void failedBrowserKeepsViewerOpen();
  void codeOutsideTheTableBlanksTheViewer();
  void closeButtonClosesAndViewerIsReleased();
  void textsFitTheirPanels();
  void menuPicturesOfVenuesAndAssociations();

  // The Internet Links menu.
  void everyWebLinkItemMatchesItsAddress();
  void webLinkShowsHourglassWhileStarting_data();
  void webLinkShowsHourglassWhileStarting();
  void missingAssociationIsSilent();
  void tagsWithoutAddressOpenNothing_data();
  void tagsWithoutAddressOpenNothing();

  // The desktop's association.
  void desktopAssociation_data();
  void desktopAssociation();
  void desktopLauncherStartsWithoutShell();
  void desktopLauncherReportsFailedStart();
};

// ---------------------------------------------------------------------------
// The viewer

void TestVenues::everyVenueItemOpensItsVenue_data()
{
  QTest::addColumn<QString>("item");
  QTest::addColumn<QString>("name");
  QTest::addColumn<QString>("capacity");
  QTest::addColumn<QString>("image");
  QTest::addColumn<bool>("cityLink");
  QTest::addColumn<bool>("stadiumLink");

  struct Row { const char *item, *name, *capacity, *image; bool city, stadium; };
  const Row rows[] = {
    {"Busan1", "Busan Stadium, South Korea", "55982", "BusanImage", true, true},
    {"Daegu1", "Daegu Brakka Stadium, South Korea", "68014", "DaeguImage", true, true},
    {"Daejeon1", "Daejeon Brakka Stadium, South Korea", "40407", "DaejeonImage", true, false},
    {"Gwangju1", "Gwangju Brakka Stadium, South Korea", "42880", "GwangjuImage", true, true},
    {"Incheon1", "Incheon Munhak Stadium, South Korea", "52179", "IncheonImage", true, true},
    {"Jeonju1", "Jeonju Brakka Stadium, South Korea", "42391", "JeonjuImage", true, true},
    {"Seogwipo1", "Jeju Brakka Stadium, South Korea", "42256", "SeogwipoImage", true, true},
    {"Seoul1", "Seoul Brakka Stadium, South Korea", "63961", "SeoulImage", true, true},
    {"Suwon1", "Suwon Brakka Stadium, South Korea", "43188", "SuwonImage", false, true},
    {"Ulsan1", "Ulsan Munsu Football Stadium, South Korea", "43550", "UlsanImage", true, true},
    {"Ibaraki1", "Ibaraki Prefectural Kashima Soccer Stadium, Japan", "42000", "IbarakiImage", true, true},
    {"Kobe1", "Kobe Wing Stadium, Japan", "42000", "KobeImage", true, true},
    {"Miyagi1", "Miyagi Stadium, Japan", "49000", "MiyagiImage", true, true},
    {"Niigata1", "Niigata Stadium Big Swan, Japan", "42300", "NiigataImage", true, true},
    {"Oita1", "Oita Stadium Big Eye, Japan", "43000", "OitaImage", true, true},
    {"Osaka1", "Nagai Stadium, Japan", "50000", "OsakaImage", true, false},
    {"Saitama1", "Saitama Stadium 2002, Japan", "63000", "SaitamaImage", true, true},
    {"Sapporo1", "Sapporo Dome, Japan", "42000", "SapporoImage", true, true},
    {"Shizuoka1", "Shizuoka Stadium Ecopa, Japan", "50600", "ShizuokaImage", true, true},
    {"Yokohama1", "International Stadium Yokohama, Japan", "70000", "YokohamaImage", true, true},
  };
  for (const Row &r : rows)
    QTest::newRow(r.item) << QString::fromLatin1(r.item) << QString::fromLatin1(r.name)
                          << QString::fromLatin1(r.capacity) << QString::fromLatin1(r.image) << r.city
                          << r.stadium;
}

void TestVenues::everyVenueItemOpensItsVenue()
{
  QFETCH(QString, item);
  QFETCH(QString, name);
  QFETCH(QString, capacity);
  QFETCH(QString, image);
  QFETCH(bool, cityLink);
  QFETCH(bool, stadiumLink);

  TVenueDesk desk;
  const int tag = desk.form().menuItem(item)->data().toInt();
  bool seen = false;
  desk.openVenue(item, [&](TStadiumForm *viewer) {
    seen = true;
    QCOMPARE(viewer->StadiumTag, tag);
    QCOMPARE(Caption(viewer, "StadiumNamePanel"), name);
    QCOMPARE(Caption(viewer, "CapacityPanel"), capacity);
    QCOMPARE(ShownPictures(viewer), QStringList{image});
    // The JPEG really decoded: the picture shown has its pixels.
    const QPixmap picture = viewer->findChild<QLabel *>(image)->pixmap();
    QVERIFY(!picture.isNull());
    QVERIFY(picture.width() >= 240 && picture.width() <= 521);
    QVERIFY(picture.height() >= 135 && picture.height() <= 348);

    for (const char *link : {"CityWebSitePanel", "StadiumWebSitePanel"}) {
      const QLabel *panel = Panel(viewer, link);
      const bool expected = QByteArray(link) == "CityWebSitePanel" ? cityLink : stadiumLink;
      QCOMPARE(!panel->text().isEmpty(), expected);
      if (expected)
        QVERIFY2(panel->text().startsWith(QLatin1String("http://")), qPrintable(panel->text()));
      QCOMPARE(panel->toolTip(), panel->text());   // the whole address as tooltip
    }
  });
  QVERIFY(seen);
  QCOMPARE(desk.dialogs().modalWindows, QStringList{QStringLiteral("StadiumForm")});
}

void TestVenues::viewerSpeaksTheCurrentLanguage_data()
{
  QTest::addColumn<int>("language");
  QTest::addColumn<QString>("item");
  QTest::addColumn<QString>("name");
  QTest::addColumn<QStringList>("captions");   // city, stadium, capacity, close, title

  const QStringList english{"City Web Site", "Stadium Web Site", "Capacity", "&Close", "BRAKKA - Stadiums"};
  const QStringList spanish{"Pagina Web de la Ciudad", "Pagina Web del Estadio", "Capacidad", "&Cerrar",
                            "BRAKKA - Estadios"};
  const QStringList french{"Site Web de la Ville", "Site Web du Stade", QString::fromUtf8("Capacité"), "&Fermer",
                           "BRAKKA - Stades"};
  QTest::newRow("English Busan") << int(LangEnglish) << "Busan1" << "Busan Stadium, South Korea" << english;
  QTest::newRow("Spanish Busan") << int(LangSpanish) << "Busan1" << "Busan Stadium, Corea" << spanish;
  QTest::newRow("Spanish Osaka") << int(LangSpanish) << "Osaka1" << QString::fromUtf8("Nagai Stadium, Japón")
                                 << spanish;
  QTest::newRow("French Seoul") << int(LangFrench) << "Seoul1"
                                << QString::fromUtf8("Seoul Brakka Stadium, Corée du Sud") << french;
  QTest::newRow("French Kobe") << int(LangFrench) << "Kobe1" << "Kobe Wing Stadium, Japon" << french;
}

void TestVenues::viewerSpeaksTheCurrentLanguage()
{
  QFETCH(int, language);
  QFETCH(QString, item);
  QFETCH(QString, name);
  QFETCH(QStringList, captions);

  TVenueDesk desk(language);
  desk.openVenue(item, [&](TStadiumForm *viewer) {
    QCOMPARE(Caption(viewer, "StadiumNamePanel"), name);
    QCOMPARE(Caption(viewer, "CityWebSiteStaticPanel"), captions[0]);
    QCOMPARE(Caption(viewer, "StadiumWebSiteStaticPanel"), captions[1]);
    QCOMPARE(Caption(viewer, "CapacityStaticPanel"), captions[2]);
    QCOMPARE(viewer->findChild<QPushButton *>(QStringLiteral("CloseButton"))->text(), captions[3]);
    QCOMPARE(viewer->windowTitle(), captions[4]);
    // Stepping keeps the headings and follows the language in the name line.
    Click(viewer, "RightButton");
    QCOMPARE(Caption(viewer, "CityWebSiteStaticPanel"), captions[0]);
    QVERIFY(Caption(viewer, "StadiumNamePanel").endsWith(desk.form().document().names().hosts[0]) ||
            Caption(viewer, "StadiumNamePanel").endsWith(desk.form().document().names().hosts[1]));
  });
}

void TestVenues::everyPictureDecodes()
{
  int progressive = 0;
  for (int i = 0; i < StadiumCount; ++i) {
    const TStadium &stadium = StadiumAt(i);
    QFile file(StadiumPicturePath(stadium));
    QVERIFY2(file.open(QIODevice::ReadOnly), stadium.picture);
    const QByteArray bytes = file.readAll();
    QVERIFY2(bytes.startsWith("\xFF\xD8"), stadium.picture);   // JPEG
    if (bytes.contains("\xFF\xC2"))   // start of a progressive frame
      ++progressive;
    QImageReader reader(StadiumPicturePath(stadium));
    const QImage image = reader.read();
    QVERIFY2(!image.isNull(), qPrintable(QString::fromLatin1(stadium.picture) + ": " + reader.errorString()));
  }
  QCOMPARE(progressive, 2);
}

void TestVenues::arrowsStepCyclically_data()
{
  QTest::addColumn<QString>("item");
  QTest::addColumn<QString>("arrow");
  QTest::addColumn<int>("presses");
  QTest::addColumn<QString>("expectedImage");

  QTest::newRow("right from Yokohama") << "Yokohama1" << "RightButton" << 1 << "BusanImage";
  QTest::newRow("left from Busan") << "Busan1" << "LeftButton" << 1 << "YokohamaImage";
  QTest::newRow("right from Ulsan") << "Ulsan1" << "RightButton" << 1 << "IbarakiImage";
  QTest::newRow("left from Ibaraki") << "Ibaraki1" << "LeftButton" << 1 << "UlsanImage";
  QTest::newRow("right from Busan") << "Busan1" << "RightButton" << 1 << "DaeguImage";
  QTest::newRow("twenty right") << "Kobe1" << "RightButton" << 20 << "KobeImage";
  QTest::newRow("twenty left") << "Seoul1" << "LeftButton" << 20 << "SeoulImage";
  QTest::newRow("nineteen right") << "Busan1" << "RightButton" << 19 << "YokohamaImage";
}

void TestVenues::arrowsStepCyclically()
{
  QFETCH(QString, item);
  QFETCH(QString, arrow);
  QFETCH(int, presses);
  QFETCH(QString, expectedImage);

  TVenueDesk desk;
  desk.openVenue(item, [&](TStadiumForm *viewer) {
    for (int i = 0; i < presses; ++i) {
      Click(viewer, qPrintable(arrow));
      QCOMPARE(ShownPictures(viewer).size(), 1);
    }
    QCOMPARE(ShownPictures(viewer), QStringList{expectedImage});
    // Everything else follows the venue shown.
    const TStadium *shown = StadiumByCode(viewer->StadiumTag);
    QVERIFY(shown);
    QCOMPARE(QLatin1String(shown->image), expectedImage);
    QVERIFY(Caption(viewer, "StadiumNamePanel").startsWith(QLatin1String(shown->stadiumName)));
    QCOMPARE(Caption(viewer, "CapacityPanel"), QLatin1String(shown->capacity));
    QCOMPARE(Panel(viewer, "CityWebSitePanel")->toolTip(), QLatin1String(shown->cityLink));
    QCOMPARE(Panel(viewer, "StadiumWebSitePanel")->toolTip(), QLatin1String(shown->stadiumLink));
  });
}

void TestVenues::linkClickStartsTheBrowser_data()
{
  QTest::addColumn<QString>("item");
  QTest::addColumn<QString>("panel");
  QTest::addColumn<bool>("opens");

  QTest::newRow("Busan city") << "Busan1" << "CityWebSitePanel" << true;
  QTest::newRow("Busan stadium") << "Busan1" << "StadiumWebSitePanel" << true;
  QTest::newRow("Sapporo stadium") << "Sapporo1" << "StadiumWebSitePanel" << true;
  QTest::newRow("Daejeon no stadium link") << "Daejeon1" << "StadiumWebSitePanel" << false;
  QTest::newRow("Osaka no stadium link") << "Osaka1" << "StadiumWebSitePanel" << false;
  QTest::newRow("Suwon no city link") << "Suwon1" << "CityWebSitePanel" << false;
  QTest::newRow("Suwon stadium") << "Suwon1" << "StadiumWebSitePanel" << true;
}

void TestVenues::linkClickStartsTheBrowser()
{
  QFETCH(QString, item);
  QFETCH(QString, panel);
  QFETCH(bool, opens);

  TVenueDesk desk;
  desk.openVenue(item, [&](TStadiumForm *viewer) {
    const QString address = Caption(viewer, qPrintable(panel));
    QCOMPARE(address.isEmpty(), !opens);
    QCOMPARE(Panel(viewer, qPrintable(panel))->toolTip(), address);
    ClickPanel(viewer, qPrintable(panel));
    QCOMPARE(desk.browser().opened, opens ? QStringList{address} : QStringList{});
  });
  QVERIFY(desk.dialogs().asked.isEmpty());
}

void TestVenues::failedBrowserKeepsViewerOpen()
{
  TVenueDesk desk;
  desk.browser().failStart = true;
  desk.openVenue(QStringLiteral("Kobe1"), [&](TStadiumForm *viewer) {
    viewer->show();
    ClickPanel(viewer, "CityWebSitePanel");
    QCOMPARE(desk.browser().opened.size(), 1);
    QCOMPARE(desk.dialogs().asked.size(), 1);
    QCOMPARE(desk.dialogs().asked[0].text, QStringLiteral("Sorry, but I can't start your default browser!"));
    QCOMPARE(desk.dialogs().asked[0].icon, TMsgIcon::Error);
    QVERIFY(viewer->isVisible());
    QCOMPARE(viewer->StadiumTag, 151);
  });
}

void TestVenues::codeOutsideTheTableBlanksTheViewer()
{
  TVenueDesk desk;
  // As a menu item with an unknown code would open it.
  const auto blank = [&](TStadiumForm *viewer) {
    QCOMPARE(viewer->StadiumTag, 0);
    for (const char *panel : {"StadiumNamePanel", "CityWebSitePanel", "StadiumWebSitePanel", "CapacityPanel"})
      QVERIFY2(Caption(viewer, panel).isEmpty(), panel);
    QVERIFY(ShownPictures(viewer).isEmpty());
    // Nothing to open, and the arrows lead into the table again.
    ClickPanel(viewer, "CityWebSitePanel");
    QVERIFY(desk.browser().opened.isEmpty());
    Click(viewer, "RightButton");
    QCOMPARE(viewer->StadiumTag, 100);
  };
  desk.dialogs().onModal = [&](QDialog *dialog) {
    blank(qobject_cast<TStadiumForm *>(dialog));
    return int(QDialog::Rejected);
  };
  ShowVenueViewer(&desk.form(), 7, LangEnglish, desk.dialogs(), &desk.browser());
  QCOMPARE(desk.dialogs().modalWindows.size(), 1);

  // A venue shown, then an unknown code: blank, but the code stays.
  TStadiumForm viewer(nullptr, nullptr);
  viewer.ShowVenue(159);
  viewer.ShowVenue(-3);
  QCOMPARE(viewer.StadiumTag, 159);
  QVERIFY(Caption(&viewer, "StadiumNamePanel").isEmpty());
  QVERIFY(ShownPictures(&viewer).isEmpty());
  viewer.LeftButtonClick();
  QCOMPARE(viewer.StadiumTag, 158);
  // A null link opener changes nothing; code 0 opens the viewer blank.
  viewer.CityWebSitePanelClick();
  desk.dialogs().onModal = nullptr;
  ShowVenueViewer(&desk.form(), 0, LangEnglish, desk.dialogs(), &desk.browser());
  QCOMPARE(desk.dialogs().modalWindows.size(), 2);
}

void TestVenues::closeButtonClosesAndViewerIsReleased()
{
  TVenueDesk desk;
  QPointer<TStadiumForm> opened;
  desk.openVenue(QStringLiteral("Miyagi1"), [&](TStadiumForm *viewer) {
    opened = viewer;
    QCOMPARE(viewer->parent(), &desk.form());   // owned by the main window
    viewer->show();
    QVERIFY(viewer->isVisible());
    Click(viewer, "CloseButton");
    QVERIFY(!viewer->isVisible());
  });
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  QVERIFY(opened.isNull());
  QVERIFY(desk.form().findChildren<TStadiumForm *>().isEmpty());

  // Each command builds a fresh viewer, starting from the venue chosen.
  desk.openVenue(QStringLiteral("Oita1"), [&](TStadiumForm *viewer) { QCOMPARE(viewer->StadiumTag, 154); });
}

void TestVenues::textsFitTheirPanels()
{
  // Every name line, address and heading is readable in full in every
  // language. Pictures of the viewer are written when BRAKKA_SCREENSHOTS
  // names a folder.
  const QString shots = qEnvironmentVariable("BRAKKA_SCREENSHOTS");
  for (int language : {int(LangEnglish), int(LangSpanish), int(LangFrench)}) {
    TVenueDesk desk(language);
    for (const QString &item : VenueItems()) {
      desk.openVenue(item, [&](TStadiumForm *viewer) {
        for (const char *name : {"StadiumNamePanel", "CityWebSitePanel", "StadiumWebSitePanel", "CapacityPanel",
                                 "CityWebSiteStaticPanel", "StadiumWebSiteStaticPanel", "CapacityStaticPanel"}) {
          const QLabel *panel = Panel(viewer, name);
          const int room = panel->contentsRect().width() - 2 * panel->indent();
          const int needed = panel->fontMetrics().horizontalAdvance(panel->text());
          QVERIFY2(needed <= room, qPrintable(QStringLiteral("%1 of %2 in language %3: %4 > %5")
                                                  .arg(QLatin1String(name), item).arg(language).arg(needed).arg(room)));
        }
        if (!shots.isEmpty() && (item == QLatin1String("Ibaraki1") || item == QLatin1String("Yokohama1") ||
                                 item == QLatin1String("Seogwipo1") || item == QLatin1String("Busan1"))) {
          viewer->show();
          QVERIFY(viewer->grab().save(QStringLiteral("%1/viewer-%2-%3.png").arg(shots, item).arg(language)));
        }
      });
    }
  }
}

void TestVenues::menuPicturesOfVenuesAndAssociations()
{
  // The host submenus, their venue items and the associations' items carry
  // a picture; no other item does.
  TVenueDesk desk;
  QSet<QString> pictured{QStringLiteral("Korea1"), QStringLiteral("Japan2")};
  for (const char *menu : {"Korea1", "Japan2", "OfficialFootballSites1"})
    for (const QAction *item : desk.form().findChild<QMenu *>(QLatin1String(menu))->actions())
      pictured.insert(item->objectName());
  QCOMPARE(pictured.size(), 2 + StadiumCount + TeamCount);

  QStringList names;
  for (const QAction *item : desk.form().findChildren<QAction *>())
    if (!item->objectName().isEmpty())
      names.append(item->objectName());
  QVERIFY(names.size() > pictured.size());
  for (const QString &name : names) {
    const QIcon icon = MenuPicture(name);
    QCOMPARE(!icon.isNull(), pictured.contains(name));
    if (!icon.isNull())
      QCOMPARE(icon.availableSizes().value(0), QSize(MenuPictureSize, MenuPictureSize));
  }
  // A venue's thumbnail comes from its decoded picture: not one flat colour.
  const QImage thumb = MenuPicture(QStringLiteral("Saitama1")).pixmap(MenuPictureSize).toImage();
  QVERIFY(thumb.pixelColor(8, 2) != thumb.pixelColor(8, 13));
}

// ---------------------------------------------------------------------------
// The Internet Links menu

void TestVenues::everyWebLinkItemMatchesItsAddress()
{
  TVenueDesk desk;
  const QList<QAction *> items = WebLinkItems(desk.form());
  QCOMPARE(items.size(), 37);
  int opening = 0;
  for (QAction *item : items) {
    const int tag = item->data().toInt();
    const QString address = WebLinkAddress(tag);
    // An item is enabled exactly when it has a page.
    QCOMPARE(item->isEnabled(), !address.isEmpty());
    desk.browser().opened.clear();
    item->trigger();
    if (address.isEmpty()) {
      QVERIFY2(desk.browser().opened.isEmpty(), qPrintable(item->objectName()));
      continue;
    }
    ++opening;
    QVERIFY2(address.startsWith(QLatin1String("http://")) && !address.contains(QLatin1Char(' ')),
             qPrintable(address));
    QCOMPARE(desk.browser().opened, QStringList{address});
  }
  QCOMPARE(opening, 21);
  QVERIFY(desk.dialogs().asked.isEmpty());
}

void TestVenues::webLinkShowsHourglassWhileStarting_data()
{
  QTest::addColumn<bool>("fails");
  QTest::newRow("started") << false;
  QTest::newRow("failed") << true;
}

void TestVenues::webLinkShowsHourglassWhileStarting()
{
  QFETCH(bool, fails);
  TVenueDesk desk;
  desk.browser().failStart = fails;
  const Qt::CursorShape normal = desk.form().cursor().shape();
  QVERIFY(normal != Qt::WaitCursor);
  Qt::CursorShape during = normal;
  desk.browser().onOpen = [&](const QString &) { during = desk.form().cursor().shape(); };
  desk.form().menuItem(QStringLiteral("Brazil1"))->trigger();
  QCOMPARE(during, Qt::WaitCursor);
  QCOMPARE(desk.form().cursor().shape(), normal);   // its normal cursor again
  QCOMPARE(desk.dialogs().asked.size(), fails ? 1 : 0);
  if (fails)
    QCOMPARE(desk.dialogs().asked[0].text, BrowserStartErrorText());
}

void TestVenues::missingAssociationIsSilent()
{
  TVenueDesk desk;
  desk.browser().hasBrowser = false;
  desk.form().menuItem(QStringLiteral("FIFA1"))->trigger();
  desk.openVenue(QStringLiteral("Seoul1"), [](TStadiumForm *viewer) { ClickPanel(viewer, "CityWebSitePanel"); });
  OpenWebPage(&desk.form(), QStringLiteral("http://www.fifa.com/"), desk.dialogs(), &desk.browser());
  QVERIFY(desk.browser().opened.isEmpty());
  QVERIFY(desk.dialogs().asked.isEmpty());
  QVERIFY(desk.form().cursor().shape() != Qt::WaitCursor);
}

void TestVenues::tagsWithoutAddressOpenNothing_data()
{
  QTest::addColumn<int>("tag");
  for (int tag : {1, 4, 5, 7, 9, 10, 12, 14, 15, 16, 17, 19, 22, 23, 24, 31})
    QTest::newRow(qPrintable(QStringLiteral("disabled %1").arg(tag))) << tag;
  for (int tag : {0, 33, 49, 55, 100, 159, -1})
    QTest::newRow(qPrintable(QStringLiteral("other %1").arg(tag))) << tag;
}

void TestVenues::tagsWithoutAddressOpenNothing()
{
  QFETCH(int, tag);
  TVenueDesk desk;
  OpenWebLink(&desk.form(), tag, desk.dialogs(), &desk.browser());
  QVERIFY(WebLinkAddress(tag).isEmpty());
  QVERIFY(desk.browser().opened.isEmpty());
  QVERIFY(desk.dialogs().asked.isEmpty());
}

// ---------------------------------------------------------------------------
// The desktop's association, read from folders of our own
//
// GIO reads the XDG folders once per process, so each case asks a child:
// this program started with the case's folders and BrowserChildVar set,
// which does what the variable says and prints the answer (see initMain).

namespace {

const char BrowserChildVar[] = "BRAKKA_TEST_BROWSER_CHILD";

void WriteFile(const QString &path, const QByteArray &text)
{
  QDir().mkpath(QFileInfo(path).absolutePath());
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(text) != text.size())
    qFatal("cannot write %s", qPrintable(path));
}

void WriteScript(const QString &path, const QByteArray &text)
{
  WriteFile(path, "#!/bin/sh\n" + text);
  QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

// The XDG folders inside `root`, nothing but root/bin on the path, and no
// session to talk to.
QProcessEnvironment XdgFolders(const QString &root, const QByteArray &desktop = QByteArray())
{
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert(QStringLiteral("XDG_CONFIG_HOME"), root + "/config");
  env.insert(QStringLiteral("XDG_CONFIG_DIRS"), root + "/etc");
  env.insert(QStringLiteral("XDG_DATA_HOME"), root + "/data");
  env.insert(QStringLiteral("XDG_DATA_DIRS"), root + "/share");
  env.insert(QStringLiteral("XDG_CURRENT_DESKTOP"), QString::fromLatin1(desktop));
  env.insert(QStringLiteral("HOME"), root + "/home");
  env.insert(QStringLiteral("PATH"), root + "/bin");
  for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "DBUS_SESSION_BUS_ADDRESS"})
    env.remove(QLatin1String(name));
  return env;
}

// What the child answers to `request` in the folders of env.
QString AskChild(QProcessEnvironment env, const QString &request)
{
  env.insert(QLatin1String(BrowserChildVar), request);
  QProcess child;
  child.setProcessEnvironment(env);
  child.start(QCoreApplication::applicationFilePath(), {});
  if (!child.waitForFinished(60000) || child.exitCode() != 0)
    qFatal("the browser child failed: %s", child.readAllStandardError().constData());
  return QString::fromUtf8(child.readAllStandardOutput()).trimmed();
}

QString DefaultBrowserIn(const QProcessEnvironment &env) { return AskChild(env, QStringLiteral("default")); }

TBrowserStart OpenIn(const QProcessEnvironment &env, const QString &address)
{
  return TBrowserStart(AskChild(env, QStringLiteral("open ") + address).toInt());
}

QByteArray DesktopEntry(const QByteArray &exec, const QByteArray &extra = QByteArray())
{
  return "[Desktop Entry]\nType=Application\nName=Test Browser\n" + extra + "Exec=" + exec + "\n"
         "[Desktop Action new]\nExec=wrong %u\n";
}

// The user's choice for web pages: web.desktop, an entry that runs `exec`.
const char HtmlIsWeb[] = "[Default Applications]\ntext/html=web.desktop\n";

void AssociateWebPages(const QString &root, const QByteArray &exec, const QByteArray &extra = QByteArray())
{
  WriteFile(root + QStringLiteral("/config/mimeapps.list"), HtmlIsWeb);
  WriteFile(root + QStringLiteral("/data/applications/web.desktop"), DesktopEntry(exec, extra));
}

}  // namespace

void TestVenues::initMain()
{
  const QString request = qEnvironmentVariable(BrowserChildVar);
  if (request.isEmpty())
    return;
  if (request == QLatin1String("default"))
    std::printf("%s\n", DefaultBrowserId().toUtf8().constData());
  else if (request.startsWith(QLatin1String("open ")))
    std::printf("%d\n", int(DesktopBrowserLauncher()->open(request.mid(5))));
  std::fflush(stdout);
  std::_Exit(0);
}

void TestVenues::desktopAssociation_data()
{
  QTest::addColumn<QByteArray>("currentDesktop");
  QTest::addColumn<QStringList>("files");      // path below the root, then its text, repeated
  QTest::addColumn<QString>("browser");        // the default browser's id

  const QByteArray entry = DesktopEntry("browse --new-window %u");
  const QByteArray other = DesktopEntry("browse --other %u");
  const char htmlIsOther[] = "[Default Applications]\ntext/html=other.desktop\n";
  const QString web = QStringLiteral("web.desktop");
  QTest::newRow("no association") << QByteArray() << QStringList{"data/applications/web.desktop", entry}
                                  << QString();
  QTest::newRow("text/html in the user's list")
      << QByteArray()
      << QStringList{"config/mimeapps.list", "[Default Applications]\ntext/html = web.desktop;\n",
                     "data/applications/web.desktop", entry}
      << web;
  QTest::newRow("uninstalled entries are skipped")
      << QByteArray()
      << QStringList{"config/mimeapps.list", "[Added Associations]\ntext/html=other.desktop\n"
                                             "[Default Applications]\ntext/html=gone.desktop;../x.desktop;web.desktop;\n",
                     "share/applications/web.desktop", entry}
      << web;
  QTest::newRow("http scheme when no text/html")
      << QByteArray()
      << QStringList{"etc/mimeapps.list", "[Default Applications]\nx-scheme-handler/http=web.desktop\n",
                     "share/applications/web.desktop", entry}
      << web;
  QTest::newRow("text/html before the http scheme")
      << QByteArray()
      << QStringList{"config/mimeapps.list",
                     "[Default Applications]\nx-scheme-handler/http=other.desktop\ntext/html=web.desktop\n",
                     "data/applications/web.desktop", entry, "data/applications/other.desktop", other}
      << web;
  QTest::newRow("user's list before the system's")
      << QByteArray()
      << QStringList{"config/mimeapps.list", HtmlIsWeb, "share/applications/mimeapps.list", htmlIsOther,
                     "data/applications/web.desktop", entry, "share/applications/other.desktop", other}
      << web;
  QTest::newRow("the desktop's own list first")
      << QByteArray("Test:GNOME")
      << QStringList{"config/mimeapps.list", htmlIsOther, "config/gnome-mimeapps.list", HtmlIsWeb,
                     "data/applications/web.desktop", entry, "data/applications/other.desktop", other}
      << web;
  QTest::newRow("older defaults.list")
      << QByteArray()
      << QStringList{"share/applications/defaults.list", HtmlIsWeb, "share/applications/web.desktop", entry}
      << web;
  QTest::newRow("only an added association")
      << QByteArray()
      << QStringList{"config/mimeapps.list", "[Added Associations]\ntext/html=web.desktop;\n",
                     "data/applications/web.desktop", entry}
      << web;
  QTest::newRow("only the system's mimeinfo.cache")
      << QByteArray()
      << QStringList{"share/applications/mimeinfo.cache", "[MIME Cache]\ntext/html=web.desktop;\n",
                     "share/applications/web.desktop", entry}
      << web;
  QTest::newRow("the user's choice before the system's cache")
      << QByteArray()
      << QStringList{"config/mimeapps.list", HtmlIsWeb,
                     "share/applications/mimeinfo.cache", "[MIME Cache]\ntext/html=other.desktop;\n",
                     "data/applications/web.desktop", entry, "share/applications/other.desktop", other}
      << web;
  QTest::newRow("entry in a vendor folder")
      << QByteArray()
      << QStringList{"config/mimeapps.list", "[Default Applications]\ntext/html=vendor-web.desktop\n",
                     "share/applications/vendor/web.desktop", entry}
      << "vendor-web.desktop";
  QTest::newRow("program not installed is none")
      << QByteArray()
      << QStringList{"config/mimeapps.list", HtmlIsWeb,
                     "data/applications/web.desktop", DesktopEntry("/opt/web/browse %u")}
      << QString();
  QTest::newRow("hidden entry is none")
      << QByteArray()
      << QStringList{"config/mimeapps.list", HtmlIsWeb,
                     "data/applications/web.desktop", DesktopEntry("browse %u", "Hidden=true\n")}
      << QString();
  QTest::newRow("entry without Exec is none")
      << QByteArray()
      << QStringList{"config/mimeapps.list", HtmlIsWeb,
                     "data/applications/web.desktop", "[Desktop Entry]\nType=Application\nName=Broken\n"}
      << QString();
  QTest::newRow("unreadable rubbish is none")
      << QByteArray()
      << QStringList{"config/mimeapps.list", QString::fromLatin1("\xff\xfe[[[\n=\n\0\n", 10),
                     "data/applications/web.desktop", "Exec"}
      << QString();
}

void TestVenues::desktopAssociation()
{
  QFETCH(QByteArray, currentDesktop);
  QFETCH(QStringList, files);
  QFETCH(QString, browser);

  QTemporaryDir root;
  for (int i = 0; i + 1 < files.size(); i += 2)
    WriteFile(root.path() + QLatin1Char('/') + files[i], files[i + 1].toUtf8());
  WriteScript(root.path() + QStringLiteral("/bin/browse"), "exit 0\n");
  const QProcessEnvironment env = XdgFolders(root.path(), currentDesktop);

  QCOMPARE(DefaultBrowserIn(env), browser);
  if (browser.isEmpty())
    QCOMPARE(OpenIn(env, QStringLiteral("http://a.org/")), TBrowserStart::NoBrowser);
}

void TestVenues::desktopLauncherStartsWithoutShell()
{
  // A "browser" in a folder with a blank in its name, writing the words it
  // was given to a file.
  QTemporaryDir root;
  const QString script = root.path() + QStringLiteral("/my browser/browse.sh");
  const QByteArray words = (root.path() + QStringLiteral("/words.txt")).toLocal8Bit();
  WriteScript(script, "for w in \"$@\"; do printf '%s\\n' \"$w\"; done > '" + words + ".part'\n"
                      "/bin/mv '" + words + ".part' '" + words + "'\n");
  AssociateWebPages(root.path(), "\"" + script.toLocal8Bit() + "\" --new-window %u --private");

  const QString trap = root.path() + QStringLiteral("/trap");
  const QString address = QStringLiteral("http://a.org/x y;touch %1 $(touch %1) `touch %1`|tee %1").arg(trap);
  QCOMPARE(OpenIn(XdgFolders(root.path()), address), TBrowserStart::Started);

  QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(QString::fromLocal8Bit(words)), 10000);
  QFile file(QString::fromLocal8Bit(words));
  QVERIFY(file.open(QIODevice::ReadOnly));
  const QStringList got = QString::fromLocal8Bit(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
  QCOMPARE(got, (QStringList{"--new-window", address, "--private"}));
  QVERIFY(!QFile::exists(trap));
}

void TestVenues::desktopLauncherReportsFailedStart()
{
  // An installed browser that cannot start: its working folder is gone.
  QTemporaryDir root;
  WriteScript(root.path() + QStringLiteral("/bin/browse"), "exit 0\n");
  AssociateWebPages(root.path(), "browse %u", "Path=" + root.path().toLocal8Bit() + "/gone\n");
  const QProcessEnvironment env = XdgFolders(root.path());
  QCOMPARE(DefaultBrowserIn(env), QStringLiteral("web.desktop"));
  QCOMPARE(OpenIn(env, QStringLiteral("http://a.org/")), TBrowserStart::Failed);
}

QTEST_MAIN(TestVenues)
#include "tst_venues.moc"
