// The champion's celebration: the Champion label as a link, the celebration
// window for the favourite and for any other champion, its sound, and the
// sound files the program ships.

#include "core/groups/fixtures.h"
#include "core/i18n/names.h"
#include "knockout/sound.h"
#include "knockout/winnerForm.h"
#include "core/settings/preferences.h"
#include "support/grid.h"
#include "support/tournament.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMouseEvent>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

class TestCelebration : public QObject {
  Q_OBJECT

private slots:

  void capitals_data();
  void capitals();
  void celebration_data();
  void celebration();
  void clicks_data();
  void clicks();
  void placeholderIsNoLink();
  void keysOpenItAndThePressEnds_data();
  void keysOpenItAndThePressEnds();
  void everyClickCelebratesAgain();
  void noSoundDevice();
  void soundFileThatCannotBeOpened();
  void waveFiles_data();
  void waveFiles();
  void desktopSound();
  void soundFileFolders_data();
  void soundFileFolders();
};

namespace {

QString soundPath(const char *file)
{
  return QCoreApplication::applicationDirPath() + QLatin1Char('/') + QLatin1String(file);
}

// Forgets the windows and questions of the main window's start-up.
void forgetStartUp(TGridDriver &g)
{
  g.dialogs().modalWindows.clear();
  g.dialogs().asked.clear();
  g.sound().calls.clear();
}

void useLanguageAndFavourite(TGridDriver &g, int language, int favourite)
{
  g.choosePreferences(language, favourite);
}

// Finalists Cameroon and France (group stage unplayed), then the final.
void playBracketOnly(TGridDriver &g, const QString &finalResult)
{
  for (const char *match : {"Final81", "Final85", "Final42", "Final84", "Final88", "Final43", "Final21",
                            "Final82", "Final86", "Final41", "Final83", "Final87", "Final44", "Final22"})
    g.score(QLatin1String(match), QStringLiteral("1-0"));
  g.score(QStringLiteral("Final1"), finalResult);
}

// The mouse passes over the Champion label.
void hoverChampion(TGridDriver &g)
{
  QLabel *champion = g.label(QStringLiteral("Champion"));
  const QPointF at(champion->width() / 2.0, champion->height() / 2.0);
  QMouseEvent move(QEvent::MouseMove, at, champion->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                   Qt::NoModifier);
  QCoreApplication::sendEvent(champion, &move);
}

// The mouse cursor the Champion label shows once the mouse is over it.
Qt::CursorShape cursorOverChampion(TGridDriver &g)
{
  hoverChampion(g);
  return g.label(QStringLiteral("Champion"))->cursor().shape();
}

void clickChampion(TGridDriver &g)
{
  hoverChampion(g);
  QTest::mouseClick(g.label(QStringLiteral("Champion")), Qt::LeftButton);
}

QLabel *control(QDialog *form, const char *name)
{
  auto *c = form->findChild<QLabel *>(QLatin1String(name));
  if (!c)
    qFatal("the celebration window has no %s", name);
  return c;
}

// What the celebration window showed while it was open.
struct TSeen {
  QString title, winner, congratulations;
  QSize size;
  QStringList shown;   // the controls not hidden
  QPoint congratulationsAt, winnerAt;
  QSize trophy;        // the shown trophy's picture
  bool frameless = false, onTop = false, white = false, centred = false, allInside = true;
  QStringList soundCalls;
};

const char *const ControlNames[] = {"YeehaLbl", "BooLbl", "FavoriteTrophyImage", "CongratulationsLbl",
                                    "WinnerLbl", "TrophyImage"};

// Clicks the Champion label and records what the celebration window showed.
TSeen celebrate(TGridDriver &g)
{
  TSeen seen;
  g.dialogs().onModal = [&g, &seen](QDialog *form) {
    form->show();
    seen.title = form->windowTitle();
    seen.winner = control(form, "WinnerLbl")->text();
    seen.congratulations = control(form, "CongratulationsLbl")->text();
    seen.size = form->size();
    const QRect inside = form->rect();
    for (const char *name : ControlNames) {
      QLabel *c = control(form, name);
      if (c->isHidden())
        continue;
      seen.shown << QLatin1String(name);
      if (!inside.contains(c->geometry()))
        seen.allInside = false;
    }
    seen.congratulationsAt = control(form, "CongratulationsLbl")->pos();
    seen.winnerAt = control(form, "WinnerLbl")->pos();
    QLabel *trophy = control(form, seen.shown.contains("FavoriteTrophyImage") ? "FavoriteTrophyImage"
                                                                              : "TrophyImage");
    seen.trophy = trophy->pixmap().size();
    seen.frameless = form->windowFlags().testFlag(Qt::FramelessWindowHint);
    seen.onTop = form->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
    seen.white = form->autoFillBackground() && form->palette().color(QPalette::Window) == Qt::white;
    const QPoint offset = form->frameGeometry().center() - form->screen()->geometry().center();
    seen.centred = offset.manhattanLength() <= 2;
    seen.soundCalls = g.sound().calls;
    return int(QDialog::Rejected);
  };
  clickChampion(g);
  g.dialogs().onModal = nullptr;
  return seen;
}

QByteArray le32(quint32 v)
{
  QByteArray b(4, '\0');
  qToLittleEndian(v, b.data());
  return b;
}

QByteArray le16(quint16 v)
{
  QByteArray b(2, '\0');
  qToLittleEndian(v, b.data());
  return b;
}

QByteArray chunk(const char *id, const QByteArray &body)
{
  QByteArray c = QByteArray(id, 4) + le32(quint32(body.size())) + body;
  if (body.size() % 2)
    c += '\0';
  return c;
}

QByteArray format(quint16 tag, quint16 channels = 1, quint32 rate = 8000, quint16 bits = 16)
{
  return chunk("fmt ", le16(tag) + le16(channels) + le32(rate) + le32(rate * channels * bits / 8) +
                           le16(quint16(channels * bits / 8)) + le16(bits));
}

QByteArray riff(const QByteArray &chunks, const char *kind = "WAVE")
{
  return QByteArray("RIFF") + le32(quint32(chunks.size() + 4)) + QByteArray(kind, 4) + chunks;
}

}  // namespace

void TestCelebration::capitals_data()
{
  QTest::addColumn<QString>("name");
  QTest::addColumn<QString>("shout");
  QTest::newRow("blanks and an accent") << "Corée du Sud" << "CORéE DU SUD";
  QTest::newRow("capital accent kept") << "États-Unis" << "ÉTATS-UNIS";
  QTest::newRow("n tilde") << "España" << "ESPAñA";
}

void TestCelebration::capitals()
{
  QFETCH(QString, name);
  QFETCH(QString, shout);
  QCOMPARE(ChampionCapitals(name), shout);
}

void TestCelebration::celebration_data()
{
  QTest::addColumn<int>("language");
  QTest::addColumn<int>("favourite");
  QTest::addColumn<bool>("wholeTournament");   // else only the bracket, Cameroon against France
  QTest::addColumn<QString>("finalResult");
  QTest::addColumn<QString>("title");
  QTest::addColumn<QString>("winner");
  QTest::addColumn<QString>("congratulations");
  QTest::addColumn<bool>("cheers");

  QTest::newRow("favourite Brazil wins")
      << int(LangEnglish) << int(Brazil) << true << "0-2" << "Brazil!!!!" << "BRAZIL!!!"
      << "CONGRATULATIONS" << true;
  QTest::newRow("no favourite, France wins")
      << int(LangEnglish) << int(NoTeam) << false << "0-1" << "France!!!!" << "FRANCE!!!"
      << "CONGRATULATIONS" << false;
  QTest::newRow("French, favourite Brésil wins")
      << int(LangFrench) << int(Brazil) << true << "0-2" << "Brésil!!!!" << "BRéSIL!!!"
      << "FÉLICITATIONS" << true;
  QTest::newRow("Spanish, favourite Brasil, Alemania wins")
      << int(LangSpanish) << int(Brazil) << true << "2-0" << "Alemania!!!!" << "ALEMANIA!!!"
      << "ENHORABUENA" << false;
  QTest::newRow("French, favourite France wins")
      << int(LangFrench) << int(France) << false << "0-1" << "France!!!!" << "FRANCE!!!"
      << "FÉLICITATIONS" << true;
}

void TestCelebration::celebration()
{
  QFETCH(int, language);
  QFETCH(int, favourite);
  QFETCH(bool, wholeTournament);
  QFETCH(QString, finalResult);
  QFETCH(QString, title);
  QFETCH(QString, winner);
  QFETCH(QString, congratulations);
  QFETCH(bool, cheers);

  TGridDriver g;
  forgetStartUp(g);
  useLanguageAndFavourite(g, language, favourite);
  if (wholeTournament) {
    PlayAll(g);
    g.score(QStringLiteral("Final1"), finalResult);
  } else {
    playBracketOnly(g, finalResult);
  }
  const TSeen seen = celebrate(g);

  QCOMPARE(g.dialogs().modalWindows, QStringList{QStringLiteral("WinnerForm")});
  QCOMPARE(seen.title, title);
  QCOMPARE(seen.winner, winner);
  QCOMPARE(seen.congratulations, congratulations);
  QVERIFY(seen.frameless);
  QVERIFY(seen.onTop);
  QVERIFY(seen.white);
  QVERIFY(seen.centred);
  QVERIFY2(seen.allInside, "a control sticks out of the window");

  const char *file = cheers ? "Cheers.wav" : "Boo.wav";
  if (cheers) {
    QCOMPARE(seen.size, QSize(462, 540));
    QCOMPARE(seen.shown, (QStringList{"YeehaLbl", "FavoriteTrophyImage", "CongratulationsLbl", "WinnerLbl"}));
    QCOMPARE(seen.congratulationsAt, QPoint(232, 244));
    QCOMPARE(seen.winnerAt, QPoint(234, 284));
    QCOMPARE(seen.trophy, QSize(209, 500));
  } else {
    QCOMPARE(seen.size, QSize(240, 320));
    QCOMPARE(seen.shown, (QStringList{"BooLbl", "CongratulationsLbl", "WinnerLbl", "TrophyImage"}));
    QCOMPARE(seen.congratulationsAt, QPoint(16, 224));
    QCOMPARE(seen.winnerAt, QPoint(18, 264));
    QCOMPARE(seen.trophy, QSize(60, 143));
  }
  // Playing while the window is open, stopped and closed once it has closed.
  const QString open = QStringLiteral("open ") + soundPath(file);
  QCOMPARE(seen.soundCalls, (QStringList{open, "play"}));
  QCOMPARE(g.sound().calls, (QStringList{open, "play", "stop", "close"}));
}

void TestCelebration::clicks_data()
{
  QTest::addColumn<bool>("favourite");
  QTest::addColumn<QString>("target");   // empty: a bare spot of the window
  QTest::addColumn<bool>("closes");

  QTest::newRow("large: bare window") << true << "" << true;
  QTest::newRow("large: shout") << true << "YeehaLbl" << true;
  QTest::newRow("large: trophy") << true << "FavoriteTrophyImage" << true;
  QTest::newRow("large: congratulations") << true << "CongratulationsLbl" << true;
  QTest::newRow("large: champion") << true << "WinnerLbl" << true;
  QTest::newRow("small: bare window") << false << "" << true;
  QTest::newRow("small: boo") << false << "BooLbl" << true;
  QTest::newRow("small: champion") << false << "WinnerLbl" << true;
  QTest::newRow("small: small trophy") << false << "TrophyImage" << false;
}

void TestCelebration::clicks()
{
  QFETCH(bool, favourite);
  QFETCH(QString, target);
  QFETCH(bool, closes);

  TGridDriver g;
  forgetStartUp(g);
  useLanguageAndFavourite(g, LangEnglish, favourite ? Brazil : NoTeam);
  PlayAll(g);
  bool openAfterClick = true;
  QStringList soundWhileOpen;
  g.dialogs().onModal = [&](QDialog *form) {
    form->show();
    if (target.isEmpty())
      QTest::mouseClick(form, Qt::LeftButton, {}, QPoint(form->width() - 4, form->height() - 4));
    else
      QTest::mouseClick(form->findChild<QLabel *>(target), Qt::LeftButton);
    openAfterClick = form->isVisible();
    soundWhileOpen = g.sound().calls;
    return int(QDialog::Rejected);
  };
  clickChampion(g);
  QCOMPARE(openAfterClick, !closes);
  QCOMPARE(soundWhileOpen.size(), 2);   // opened and playing until the window is gone
  QCOMPARE(g.sound().calls.mid(2), (QStringList{"stop", "close"}));
}

void TestCelebration::placeholderIsNoLink()
{
  TGridDriver g;
  forgetStartUp(g);
  QLabel *champion = g.label(QStringLiteral("Champion"));
  QCOMPARE(champion->text(), Placeholder);
  QCOMPARE(cursorOverChampion(g), Qt::ArrowCursor);
  clickChampion(g);
  QVERIFY(g.dialogs().modalWindows.isEmpty());
  QVERIFY(g.sound().calls.isEmpty());

  // A champion makes it a link; emptying the final takes the link away.
  PlayAll(g);
  QCOMPARE(cursorOverChampion(g), Qt::PointingHandCursor);
  g.clear(QStringLiteral("Final11"));
  QCOMPARE(champion->text(), Placeholder);
  QCOMPARE(cursorOverChampion(g), Qt::ArrowCursor);
  clickChampion(g);
  QVERIFY(g.dialogs().modalWindows.isEmpty());
  QVERIFY(g.sound().calls.isEmpty());
}

void TestCelebration::keysOpenItAndThePressEnds_data()
{
  QTest::addColumn<int>("key");   // 0: a click
  QTest::newRow("click") << 0;
  QTest::newRow("Enter") << int(Qt::Key_Return);
  QTest::newRow("keypad Enter") << int(Qt::Key_Enter);
  QTest::newRow("Space") << int(Qt::Key_Space);
}

void TestCelebration::keysOpenItAndThePressEnds()
{
  QFETCH(int, key);
  TGridDriver g;
  forgetStartUp(g);
  QLabel *champion = g.label(QStringLiteral("Champion"));
  QVERIFY(champion->focusPolicy() & Qt::TabFocus);
  PlayAll(g);
  QLabel *finalist = g.label(g.text("Final11Lbl") == champion->text() ? "Final11Lbl" : "Final12Lbl");
  QColor whileOpen;   // the champion's name in the final: red only while held
  g.dialogs().onModal = [&](QDialog *) {
    whileOpen = finalist->palette().color(QPalette::WindowText);
    return int(QDialog::Rejected);
  };
  key ? QTest::keyClick(champion, Qt::Key(key)) : clickChampion(g);
  QCOMPARE(g.dialogs().modalWindows, QStringList{"WinnerForm"});
  QVERIFY(whileOpen != QColor(255, 0, 0));
}

void TestCelebration::everyClickCelebratesAgain()
{
  TGridDriver g;
  forgetStartUp(g);
  PlayAll(g);
  clickChampion(g);
  clickChampion(g);
  QCOMPARE(g.dialogs().modalWindows, (QStringList{"WinnerForm", "WinnerForm"}));
  const QString open = QStringLiteral("open ") + soundPath("Boo.wav");
  QCOMPARE(g.sound().calls, (QStringList{open, "play", "stop", "close", open, "play", "stop", "close"}));
}

void TestCelebration::noSoundDevice()
{
  TGridDriver g;
  forgetStartUp(g);
  g.sound().devices = 0;
  useLanguageAndFavourite(g, LangEnglish, Brazil);
  PlayAll(g);
  const TSeen seen = celebrate(g);
  QCOMPARE(g.dialogs().modalWindows, QStringList{QStringLiteral("WinnerForm")});
  QCOMPARE(seen.winner, QStringLiteral("BRAZIL!!!"));
  QVERIFY(g.sound().calls.isEmpty());
  QVERIFY(g.dialogs().asked.isEmpty());
}

void TestCelebration::soundFileThatCannotBeOpened()
{
  TGridDriver g;
  forgetStartUp(g);
  const QString error = QStringLiteral("The sound file cannot be opened: No such file or directory.");
  g.sound().openError = error;
  PlayAll(g);
  clickChampion(g);
  QVERIFY(g.dialogs().modalWindows.isEmpty());
  QCOMPARE(g.dialogs().asked.size(), 1);
  QCOMPARE(g.dialogs().asked[0].icon, TMsgIcon::Error);
  QCOMPARE(g.dialogs().asked[0].text, error);
  QCOMPARE(g.dialogs().asked[0].buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
  QCOMPARE(g.sound().calls, QStringList{QStringLiteral("open ") + soundPath("Boo.wav")});
}

void TestCelebration::waveFiles_data()
{
  QTest::addColumn<QString>("file");       // a shipped sound, or empty to write `bytes`
  QTest::addColumn<QByteArray>("bytes");
  QTest::addColumn<QString>("problem");    // part of the error text; empty when playable

  const QByteArray samples = chunk("data", QByteArray(64, '\x10'));
  const QString resources = QStringLiteral(BRAKKA_TEST_DATA "/../../resources/");
  QTest::newRow("shipped cheers") << resources + "Cheers.wav" << QByteArray() << "";
  QTest::newRow("shipped boo") << resources + "Boo.wav" << QByteArray() << "";
  QTest::newRow("pcm") << "" << riff(format(1) + samples) << "";
  QTest::newRow("float, odd chunk before the format")
      << "" << riff(chunk("LIST", "abc") + format(3, 2, 44100, 32) + samples) << "";
  QTest::newRow("missing") << "nowhere/Boo.wav" << QByteArray() << "cannot be opened";
  QTest::newRow("empty") << "" << QByteArray() << "not a wave file";
  QTest::newRow("riff of another kind") << "" << riff(format(1) + samples, "AVI ") << "not a wave file";
  QTest::newRow("compressed") << "" << riff(format(85) + samples) << "not in a playable format";
  QTest::newRow("format cut short") << "" << riff(format(1)).left(30) << "format is damaged";
  QTest::newRow("no format") << "" << riff(samples) << "has no format";
  QTest::newRow("no samples") << "" << riff(format(1)) << "holds no sound";
  QTest::newRow("empty samples") << "" << riff(format(1) + chunk("data", {})) << "holds no sound";
  QTest::newRow("chunk longer than the file")
      << "" << riff(format(1) + QByteArray("junk") + le32(0xFFFFFFF0u)) << "holds no sound";
}

void TestCelebration::waveFiles()
{
  QFETCH(QString, file);
  QFETCH(QByteArray, bytes);
  QFETCH(QString, problem);

  QTemporaryDir dir;
  QString path = file;
  if (file.isEmpty()) {
    path = dir.filePath(QStringLiteral("Cheers.wav"));
    QFile out(path);
    QVERIFY(out.open(QIODevice::WriteOnly));
    out.write(bytes);
  } else if (QFileInfo(file).isRelative()) {
    path = dir.filePath(file);
  }
  const QString error = CheckWaveFile(path);
  if (problem.isEmpty()) {
    QVERIFY2(error.isEmpty(), qPrintable(error));
  } else {
    QVERIFY2(error.contains(problem), qPrintable(error));
    QVERIFY2(error.contains(QDir::toNativeSeparators(path)), "the error names the file");
  }
}

// The desktop's output, with or without a device on this machine: opening
// checks the file at once, and playing, stopping and closing never block.
void TestCelebration::desktopSound()
{
  const std::shared_ptr<TSoundOutput> output =
      DesktopSoundOutput({QStringLiteral(BRAKKA_TEST_SOUND_MODULE_DIR)});
  QVERIFY(output->deviceCount() >= 0);
  QString error;
  QVERIFY(!output->open(QStringLiteral("/nowhere/Cheers.wav"), &error));
  QVERIFY2(error.contains(QStringLiteral("/nowhere/Cheers.wav")), qPrintable(error));

  error.clear();
  QVERIFY2(output->open(QStringLiteral(BRAKKA_TEST_DATA "/../../resources/Cheers.wav"), &error),
           qPrintable(error));
  output->play();
  QTest::qWait(50);
  output->stop();
  output->close();
  output->stop();    // after closing: nothing to stop
  output->play();

  // Without its sound module the program cannot play, and says so.
  const std::shared_ptr<TSoundOutput> moduleless = DesktopSoundOutput({QStringLiteral("/nowhere")});
  QVERIFY(moduleless->deviceCount() != 0);
  error.clear();
  QVERIFY(!moduleless->open(QStringLiteral(BRAKKA_TEST_DATA "/../../resources/Cheers.wav"), &error));
  QVERIFY2(error.contains(QStringLiteral("Cheers.wav")) && error.contains(QStringLiteral("sound module")),
           qPrintable(error));
  moduleless->play();
  moduleless->stop();
  moduleless->close();
}

// A build or an unpacked folder plays the sounds beside the program; an
// installed program finds them in its data folder.
void TestCelebration::soundFileFolders_data()
{
  QTest::addColumn<QStringList>("holding");   // of "beside" and "installed"
  QTest::addColumn<QString>("found");
  QTest::newRow("beside the program") << QStringList{"beside"} << "beside";
  QTest::newRow("installed") << QStringList{"installed"} << "installed";
  QTest::newRow("beside wins") << QStringList{"installed", "beside"} << "beside";
  QTest::newRow("nowhere: named beside") << QStringList{} << "beside";
}

void TestCelebration::soundFileFolders()
{
  QFETCH(QStringList, holding);
  QFETCH(QString, found);
  QTemporaryDir dir;
  const QStringList folders{dir.filePath(QStringLiteral("beside")), dir.filePath(QStringLiteral("missing")),
                            dir.filePath(QStringLiteral("installed"))};
  for (const QString &folder : folders)
    QVERIFY(QDir().mkpath(folder));
  for (const QString &folder : holding) {
    QFile file(dir.filePath(folder + QStringLiteral("/Boo.wav")));
    QVERIFY(file.open(QIODevice::WriteOnly));
  }
  // A folder instead of a file is no sound file.
  QVERIFY(QDir().mkpath(dir.filePath(QStringLiteral("missing/Boo.wav"))));
  QCOMPARE(FindSoundFile(QStringLiteral("Boo.wav"), folders), dir.filePath(found + QStringLiteral("/Boo.wav")));
}

QTEST_MAIN(TestCelebration)
#include "tst_celebration.moc"
