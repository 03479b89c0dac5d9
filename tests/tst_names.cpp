// Team, host-country and venue names, the carrying of shown team names into a
// new language, and the interface texts of the three languages.

#include "core/i18n/names.h"
#include "core/i18n/texts.h"

#include <QHash>
#include <QStringList>
#include <QtTest>

Q_DECLARE_METATYPE(TText)

class TestNames : public QObject {
  Q_OBJECT

 private slots:
  void nothingTranslatesWithoutPreviousNames();

  void translateTeamName_data();
  void translateTeamName();
  void sameLanguageMapsEveryNameToItself_data();
  void sameLanguageMapsEveryNameToItself();
  void firstRunTranslatesFromEnglish();

  void favoriteName_data();
  void favoriteName();

  void languageOutsideRangeReadsAsEnglish_data();
  void languageOutsideRangeReadsAsEnglish();

  void everyNameIdentifiesOneTeam();
  void hostCountriesMatchTheirTeamNames();

  void venueShortName_data();
  void venueShortName();
  void venuesFollowTheirMenuItemsAndHosts();

  void saveBeforeExitHasSixLines_data();
  void saveBeforeExitHasSixLines();
  void englishSaveBeforeExitLines();

  void spotTexts_data();
  void spotTexts();
  void accentsAreSingleCharacters();
  void textsFollowTheLanguage();
};

void TestNames::nothingTranslatesWithoutPreviousNames() {
  // With no previous names yet, nothing is translated, not even an empty caption.
  const TTeamNameList none;
  const TTeamNameList french = TeamNamesIn(LangFrench);
  QVERIFY(french[NoTeam].isEmpty());
  QCOMPARE(TranslateTeamName(none, french, QString()), QString());
  QCOMPARE(TranslateTeamName(none, french, QStringLiteral("Germany")), QStringLiteral("Germany"));
}

void TestNames::translateTeamName_data() {
  QTest::addColumn<int>("from");
  QTest::addColumn<int>("to");
  QTest::addColumn<QString>("shown");
  QTest::addColumn<QString>("expected");

  QTest::newRow("en->fr Germany") << int(LangEnglish) << int(LangFrench)
                                  << QStringLiteral("Germany") << QStringLiteral("Allemagne");
  QTest::newRow("en->fr placeholder") << int(LangEnglish) << int(LangFrench)
                                      << QStringLiteral("xxxxxxxxxx") << QStringLiteral("xxxxxxxxxx");
  QTest::newRow("en->fr empty") << int(LangEnglish) << int(LangFrench) << QString() << QString();
  QTest::newRow("en->fr lower case is no name")
      << int(LangEnglish) << int(LangFrench) << QStringLiteral("germany") << QStringLiteral("germany");
  QTest::newRow("en->fr already French")
      << int(LangEnglish) << int(LangFrench) << QStringLiteral("Allemagne") << QStringLiteral("Allemagne");
  QTest::newRow("en->es two words") << int(LangEnglish) << int(LangSpanish)
                                    << QStringLiteral("South Korea") << QStringLiteral("Corea");
  QTest::newRow("es->fr Corea") << int(LangSpanish) << int(LangFrench)
                                << QStringLiteral("Corea") << QStringLiteral("Corée du Sud");
  QTest::newRow("es->fr Paraguay") << int(LangSpanish) << int(LangFrench)
                                   << QStringLiteral("Paraguay") << QStringLiteral("Paraguay");
  QTest::newRow("fr->es USA") << int(LangFrench) << int(LangSpanish)
                              << QStringLiteral("États-Unis") << QStringLiteral("EEUU");
  QTest::newRow("fr->en France") << int(LangFrench) << int(LangEnglish)
                                 << QStringLiteral("France") << QStringLiteral("France");
  QTest::newRow("es->en Francia") << int(LangSpanish) << int(LangEnglish)
                                  << QStringLiteral("Francia") << QStringLiteral("France");
  QTest::newRow("es->en Japón") << int(LangSpanish) << int(LangEnglish)
                                << QStringLiteral("Japón") << QStringLiteral("Japan");
  QTest::newRow("fr->en Eire") << int(LangFrench) << int(LangEnglish)
                               << QStringLiteral("Eire") << QStringLiteral("Ireland");
  QTest::newRow("en->fr no-favourite word is no team")
      << int(LangEnglish) << int(LangFrench) << QStringLiteral("none") << QStringLiteral("none");
}

void TestNames::translateTeamName() {
  QFETCH(int, from);
  QFETCH(int, to);
  QFETCH(QString, shown);
  QFETCH(QString, expected);

  QCOMPARE(TranslateTeamName(TeamNamesIn(from), TeamNamesIn(to), shown), expected);
}

void TestNames::sameLanguageMapsEveryNameToItself_data() {
  QTest::addColumn<int>("language");
  QTest::newRow("English") << int(LangEnglish);
  QTest::newRow("Spanish") << int(LangSpanish);
  QTest::newRow("French") << int(LangFrench);
}

void TestNames::sameLanguageMapsEveryNameToItself() {
  QFETCH(int, language);
  const TTeamNameList names = TeamNamesIn(language);
  for (int team = 1; team <= TeamCount; ++team)
    QCOMPARE(TranslateTeamName(names, names, names[team]), names[team]);
}

void TestNames::firstRunTranslatesFromEnglish() {
  // At start-up the labels show the English names: those are carried over.
  const TTeamNameList english = TeamNamesIn(LangEnglish);
  const TTeamNameList french = TeamNamesIn(LangFrench);
  QCOMPARE(TranslateTeamName(english, french, QStringLiteral("Saudi Arabia")), QStringLiteral("Arabie Saoudite"));
  QCOMPARE(TranslateTeamName(english, french, QStringLiteral("Arabia Saudí")), QStringLiteral("Arabia Saudí"));
  QVERIFY(english[NoTeam].isEmpty());
}

void TestNames::favoriteName_data() {
  QTest::addColumn<int>("language");
  QTest::addColumn<int>("favorite");
  QTest::addColumn<QString>("expected");

  QTest::newRow("26 French") << int(LangFrench) << 26 << QStringLiteral("Corée du Sud");
  QTest::newRow("1 English") << int(LangEnglish) << 1 << QStringLiteral("Argentina");
  QTest::newRow("32 Spanish") << int(LangSpanish) << 32 << QStringLiteral("EEUU");
  QTest::newRow("0 is none") << int(LangFrench) << 0 << QString();
  QTest::newRow("33 is none") << int(LangFrench) << 33 << QString();
  QTest::newRow("-1 is none") << int(LangEnglish) << -1 << QString();
}

void TestNames::favoriteName() {
  QFETCH(int, language);
  QFETCH(int, favorite);
  QFETCH(QString, expected);

  QCOMPARE(NamesIn(language, favorite).favourite, expected);
}

void TestNames::languageOutsideRangeReadsAsEnglish_data() {
  QTest::addColumn<int>("language");
  QTest::newRow("7") << 7;
  QTest::newRow("3") << 3;
  QTest::newRow("-1") << -1;
}

void TestNames::languageOutsideRangeReadsAsEnglish() {
  QFETCH(int, language);

  const TNames names = NamesIn(language, Germany);
  QCOMPARE(names.teams[Germany], QStringLiteral("Germany"));
  QCOMPARE(names.favourite, QStringLiteral("Germany"));
  QCOMPARE(TeamNameIn(language, NoTeam), QStringLiteral("none"));
  QCOMPARE(names.hosts[0], QStringLiteral("South Korea"));
  QCOMPARE(names.venues[3], QStringLiteral("Busan (South Korea)"));

  QCOMPARE(TextIn(language, TText::LanguageName), QStringLiteral("English"));
  QCOMPARE(TextIn(language, TText::Clear1), QStringLiteral("&Clear All"));
  for (int i = 0; i < int(TText::Count); ++i)
    QCOMPARE(TextIn(language, TText(i)), TextIn(LangEnglish, TText(i)));
}

void TestNames::everyNameIdentifiesOneTeam() {
  // A shown name must lead back to one team whatever language it is in.
  QHash<QString, int> owner;
  for (int team = 1; team <= TeamCount; ++team) {
    for (int language = 0; language < LanguageCount; ++language) {
      const QString name = TeamNameIn(language, team);
      QVERIFY2(!name.isEmpty(), qPrintable(QString::number(team)));
      const auto it = owner.constFind(name);
      if (it != owner.constEnd())
        QVERIFY2(it.value() == team,
                 qPrintable(QStringLiteral("%1 names teams %2 and %3").arg(name).arg(it.value()).arg(team)));
      owner.insert(name, team);
    }
  }
  for (int language = 0; language < LanguageCount; ++language)
    QVERIFY(!owner.contains(TeamNameIn(language, NoTeam)));
  QCOMPARE(TeamNameIn(LangEnglish, TeamCount + 1), QString());
  QCOMPARE(TeamNameIn(LangEnglish, -1), QString());
}

void TestNames::hostCountriesMatchTheirTeamNames() {
  for (int language = 0; language < LanguageCount; ++language) {
    QCOMPARE(HostCountryNameIn(language, 0), TeamNameIn(language, SouthKorea));
    QCOMPARE(HostCountryNameIn(language, 1), TeamNameIn(language, Japan));
  }
}

void TestNames::venueShortName_data() {
  QTest::addColumn<int>("language");
  QTest::addColumn<int>("venue");
  QTest::addColumn<QString>("expected");

  QTest::newRow("Busan English") << int(LangEnglish) << 3 << QStringLiteral("Busan");
  QTest::newRow("Busan Spanish") << int(LangSpanish) << 3 << QStringLiteral("Pusan");
  QTest::newRow("Busan French") << int(LangFrench) << 3 << QStringLiteral("Busan");
  QTest::newRow("Daegu Spanish") << int(LangSpanish) << 2 << QStringLiteral("Taegu");
  QTest::newRow("Incheon Spanish") << int(LangSpanish) << 4 << QStringLiteral("Inchon");
  QTest::newRow("Gwangju Spanish") << int(LangSpanish) << 6 << QStringLiteral("Kwangju");
  QTest::newRow("Jeonju Spanish") << int(LangSpanish) << 7 << QStringLiteral("Chonju");
  QTest::newRow("Seogwipo Spanish") << int(LangSpanish) << 8 << QStringLiteral("Sogwipo");
  QTest::newRow("Daejeon Spanish") << int(LangSpanish) << 9 << QStringLiteral("Taejon");
  QTest::newRow("Seoul Spanish") << int(LangSpanish) << 0 << QStringLiteral("Seúl");
  QTest::newRow("Seoul French") << int(LangFrench) << 0 << QStringLiteral("Séoul");
  QTest::newRow("Kobe French") << int(LangFrench) << 16 << QStringLiteral("Kobé");
  QTest::newRow("Oita Spanish") << int(LangSpanish) << 19 << QStringLiteral("Oita");
}

void TestNames::venueShortName() {
  QFETCH(int, language);
  QFETCH(int, venue);
  QFETCH(QString, expected);

  QCOMPARE(VenueShortName(NamesIn(language, NoTeam).venues[venue]), expected);
}

void TestNames::venuesFollowTheirMenuItemsAndHosts() {
  // Ten venues in South Korea, then ten in Japan; each venue's menu item is
  // named after its English city.
  for (int language = 0; language < LanguageCount; ++language) {
    for (int venue = 0; venue < VenueCount; ++venue) {
      const QString name = VenueNameIn(language, venue);
      const QString host = HostCountryNameIn(language, venue < 10 ? 0 : 1);
      QCOMPARE(name, VenueShortName(name) + QStringLiteral(" (") + host + QLatin1Char(')'));
    }
  }
  for (int venue = 0; venue < VenueCount; ++venue)
    QCOMPARE(VenueMenuItemName(venue), VenueShortName(VenueNameIn(LangEnglish, venue)) + QLatin1Char('1'));
  QCOMPARE(VenueMenuItemName(VenueCount), QString());
  QCOMPARE(VenueNameIn(LangEnglish, -1), QString());
  QCOMPARE(VenueShortName(QStringLiteral("Seoul")), QStringLiteral("Seoul"));
}

void TestNames::saveBeforeExitHasSixLines_data() {
  QTest::addColumn<int>("language");
  QTest::newRow("English") << int(LangEnglish);
  QTest::newRow("Spanish") << int(LangSpanish);
  QTest::newRow("French") << int(LangFrench);
}

void TestNames::saveBeforeExitHasSixLines() {
  QFETCH(int, language);
  const QString text = TextIn(language, TText::SaveBeforeExitText);
  QVERIFY(!text.contains(QLatin1Char('\r')));
  const QStringList lines = text.split(QLatin1Char('\n'));
  QCOMPARE(lines.size(), 6);
  QVERIFY(lines[1].isEmpty());
  QVERIFY(lines[3].endsWith(QLatin1String(" ")));
  QVERIFY(!lines[3].endsWith(QLatin1String("  ")));
  QVERIFY(lines[4].startsWith(QLatin1String("  ")));
  QVERIFY(!lines[4].startsWith(QLatin1String("   ")));
}

void TestNames::englishSaveBeforeExitLines() {
  const QStringList expected = {
      QStringLiteral("Do you want to save the data before exiting?"),
      QString(),
      QStringLiteral("* If you answer 'Yes' all the data will be saved."),
      QStringLiteral("* If you answer 'No' all changes made since you last clicked "),
      QStringLiteral("  on 'Save' will be lost."),
      QStringLiteral("* If you answer 'Cancel' you will be returned to the application."),
  };
  QCOMPARE(TextIn(LangEnglish, TText::SaveBeforeExitText).split(QLatin1Char('\n')), expected);
}

void TestNames::spotTexts_data() {
  QTest::addColumn<int>("language");
  QTest::addColumn<TText>("id");
  QTest::addColumn<QString>("expected");

  QTest::newRow("es clear all question")
      << int(LangSpanish) << TText::ClearAllConfirmText
      << QStringLiteral("¿Está seguro de que quieres borrar todos los resultados?");
  QTest::newRow("fr congratulations") << int(LangFrench) << TText::CongratulationsLbl
                                      << QStringLiteral("FÉLICITATIONS");
  QTest::newRow("es language name") << int(LangSpanish) << TText::LanguageName << QStringLiteral("Español");
  QTest::newRow("fr language name") << int(LangFrench) << TText::LanguageName << QStringLiteral("Français");
  QTest::newRow("fr third place") << int(LangFrench) << TText::ThirdPlaceText << QStringLiteral("3ème Place");
  QTest::newRow("es Japanese committee") << int(LangSpanish) << TText::JapanOrganizingCommittee1
                                         << QStringLiteral("Comité Organizador &Japónes");
  QTest::newRow("es FIFA site spelling") << int(LangSpanish) << TText::FIFA1
                                         << QStringLiteral("Sitio Offcial de la &FIFA");
  QTest::newRow("es options caption") << int(LangSpanish) << TText::OptionsCaption << QStringLiteral("Optiones");
  QTest::newRow("fr group word keeps its blank") << int(LangFrench) << TText::GroupWord << QStringLiteral("Groupe ");
  QTest::newRow("caption prefix keeps its blank") << int(LangSpanish) << TText::CaptionPrefix
                                                  << QStringLiteral("BRAKKA - ");
  QTest::newRow("en P is played") << int(LangEnglish) << TText::PHeading << QStringLiteral("P");
  QTest::newRow("es P is lost") << int(LangSpanish) << TText::LHeading << QStringLiteral("P");
  QTest::newRow("fr drawn") << int(LangFrench) << TText::THeading << QStringLiteral("N");
  QTest::newRow("en Clear1") << int(LangEnglish) << TText::Clear1 << QStringLiteral("&Clear All");
  QTest::newRow("fr about") << int(LangFrench) << TText::About1 << QStringLiteral("A &propos");
  QTest::newRow("fr main exit button") << int(LangFrench) << TText::OKButton << QStringLiteral("&Quitter");
  QTest::newRow("fr options OK button") << int(LangFrench) << TText::OptionsOKButton << QStringLiteral("&OK");
}

void TestNames::spotTexts() {
  QFETCH(int, language);
  QFETCH(TText, id);
  QFETCH(QString, expected);
  QCOMPARE(TextIn(language, id), expected);
}

void TestNames::accentsAreSingleCharacters() {
  // Guards against texts decoded in the wrong character set: each accented
  // letter must be one character of its own code.
  const QString congratulations = TextIn(LangFrench, TText::CongratulationsLbl);
  QCOMPARE(congratulations.size(), 13);
  QCOMPARE(congratulations.at(1), QChar(0x00C9));  // É
  const QString question = TextIn(LangSpanish, TText::SaveBeforeExitText);
  QCOMPARE(question.at(0), QChar(0x00BF));  // ¿
  QCOMPARE(TeamNameIn(LangSpanish, Spain).at(4), QChar(0x00F1));  // ñ
  QCOMPARE(TeamNameIn(LangFrench, USA).size(), 10);
}

void TestNames::textsFollowTheLanguage() {
  QCOMPARE(TextIn(LangSpanish, TText::GroupWord), QStringLiteral("Grupo "));
  QCOMPARE(TextIn(LangFrench, TText::GroupWord), QStringLiteral("Groupe "));
  QCOMPARE(TextIn(LangFrench, TText::FinalWord), QStringLiteral("Finale"));
  for (int language = 0; language < LanguageCount; ++language) {
    for (int i = 0; i < int(TText::Count); ++i)
      QVERIFY2(!TextIn(language, TText(i)).isEmpty(), qPrintable(QString::number(i)));
    QCOMPARE(TextIn(language, TText::Count), QString());
  }
}

QTEST_APPLESS_MAIN(TestNames)
#include "tst_names.moc"
