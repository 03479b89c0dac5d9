// Team colours that stay readable on a dark palette.

#include "app/brakkaCommon.h"
#include "app/fixtures.h"
#include "i18n/names.h"
#include "settings/preferences.h"
#include "support/grid.h"

#include <QApplication>
#include <QTest>

class TestAccess : public QObject {
  Q_OBJECT

private slots:
  void initTestCase() { Light = QApplication::palette(); }
  void init()
  { ResetPreferences(); }
  void cleanup() { QApplication::setPalette(Light); }

  void contrastOfKnownPairs_data();
  void contrastOfKnownPairs();
  void teamColoursReadOnEveryPalette_data();
  void teamColoursReadOnEveryPalette();

private:
  QPalette Light;
};

namespace {

QPalette paletteOn(const QColor &background)
{
  QPalette p = QApplication::palette();
  const QColor text = background.lightnessF() < 0.5 ? QColor(230, 230, 230) : QColor(Qt::black);
  for (QPalette::ColorRole role : {QPalette::Window, QPalette::Button, QPalette::Base})
    p.setColor(role, background);
  for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text})
    p.setColor(role, text);
  return p;
}

QColor shownColour(QWidget *w)
{
  return w->palette().color(QPalette::Active, w->foregroundRole());
}
QColor backgroundOf(QWidget *w)
{
  return w->palette().color(QPalette::Active, w->backgroundRole());
}

}  // namespace

void TestAccess::contrastOfKnownPairs_data()
{
  QTest::addColumn<QColor>("a");
  QTest::addColumn<QColor>("b");
  QTest::addColumn<double>("ratio");
  QTest::newRow("black on white") << QColor(Qt::black) << QColor(Qt::white) << 21.0;
  QTest::newRow("alike") << QColor(0x2b2b2b) << QColor(0x2b2b2b) << 1.0;
  QTest::newRow("blue on white") << QColor(0, 0, 255) << QColor(Qt::white) << 8.59;
  QTest::newRow("red on white") << QColor(255, 0, 0) << QColor(Qt::white) << 4.0;
  QTest::newRow("grey 777 on white") << QColor(0x777777) << QColor(Qt::white) << 4.48;
  QTest::newRow("order does not matter") << QColor(Qt::white) << QColor(0x777777) << 4.48;
}

void TestAccess::contrastOfKnownPairs()
{
  QFETCH(QColor, a);
  QFETCH(QColor, b);
  QFETCH(double, ratio);
  QVERIFY2(qAbs(ContrastRatio(a, b) - ratio) < 0.01, qPrintable(QString::number(ContrastRatio(a, b))));
}

void TestAccess::teamColoursReadOnEveryPalette_data()
{
  QTest::addColumn<QColor>("background");   // invalid: the default palette
  QTest::addColumn<bool>("onWindow");       // set on the main window, else application-wide
  QTest::newRow("light default") << QColor() << false;
  QTest::newRow("light grey") << QColor(0xd4d0c8) << false;
  QTest::newRow("dark 202020") << QColor(0x202020) << false;
  QTest::newRow("dark 2b2b2b") << QColor(0x2b2b2b) << false;
  QTest::newRow("dark 2b2b2b on the window") << QColor(0x2b2b2b) << true;
  QTest::newRow("mid-dark 505050") << QColor(0x505050) << false;
  QTest::newRow("dark blue-grey") << QColor(0x1e2433) << true;
}

void TestAccess::teamColoursReadOnEveryPalette()
{
  QFETCH(QColor, background);
  QFETCH(bool, onWindow);

  FavoriteIndex = France;
  TGridDriver g;
  // The palette changes while the favourite is already shown.
  if (background.isValid()) {
    if (onWindow)
      g.form().setPalette(paletteOn(background));
    else
      QApplication::setPalette(paletteOn(background));
    QCoreApplication::sendPostedEvents();
  }
  const bool dark = background.isValid() && background.lightnessF() < 0.5;

  QLabel *senegal = g.label("GA12Lbl");
  QTest::mousePress(senegal, Qt::LeftButton);
  struct TCheck { QWidget *control; QColor pure; };
  const TCheck checks[] = {
    {g.label("GA11Lbl"), QColor(0, 0, 255)}, {g.label("Final821Lbl"), QColor(0, 0, 255)},
    {g.label("GAName1"), QColor(0, 0, 255)}, {senegal, QColor(255, 0, 0)},
    {g.label("GAName3"), QColor(255, 0, 0)},
  };
  for (const TCheck &c : checks) {
    const QColor shown = shownColour(c.control);
    const QByteArray where = c.control->objectName().toLatin1() + " shows " + shown.name().toLatin1();
    if (!dark) {
      QVERIFY2(shown == c.pure, where.constData());
      continue;
    }
    if (background.isValid())
      QCOMPARE(backgroundOf(c.control), background);
    QVERIFY2(ContrastRatio(shown, backgroundOf(c.control)) >= 4.5, where.constData());
    QVERIFY2(shown.hslHue() == c.pure.hslHue() && shown != QColor(Qt::white), where.constData());
  }
  QTest::mouseRelease(senegal, Qt::LeftButton);
  QCOMPARE(shownColour(senegal), g.form().palette().color(QPalette::Active, QPalette::WindowText));

  // Back to the light palette: the exact colours return.
  QApplication::setPalette(Light);
  QCoreApplication::sendPostedEvents();
  g.form().setPalette(QPalette());
  QCOMPARE(shownColour(g.label("GA11Lbl")), QColor(0, 0, 255));
}

QTEST_MAIN(TestAccess)
#include "tst_access.moc"
