// The options dialog: choosing the language, the favourite and the time
// zone, the first start's insistence, and team names carried into a newly
// chosen language.

#include "core/groups/fixtures.h"
#include "core/i18n/names.h"
#include "settings/optionsForm.h"
#include "support/grid.h"
#include "support/tournament.h"

#include <QComboBox>
#include <QGroupBox>
#include <QMessageBox>
#include <QPushButton>
#include <QAccessible>
#include <QLabel>
#include <QTest>

class TestOptions : public QObject {
  Q_OBJECT

private slots:
  void firstStartInsistsOnLanguageAndTimeZone();
  void firstStartOkTranslatesDesignNames();
  void reopeningShowsTheChoices_data();
  void reopeningShowsTheChoices();
  void languageListRelabelsFavourites();
  void cancelKeepsFavouriteIndexOnly();
  void switchingLanguageCarriesNames();
  void sameLanguageChangesNothing();
  void windowsKeepPreferencesOfTheirOwn();
  void captionsLeadToTheirLists_data();
  void captionsLeadToTheirLists();
  void qtDialogsSpeakTheLanguage_data();
  void qtDialogsSpeakTheLanguage();
};

namespace {

// Picks an entry as the user would.
void choose(QComboBox *list, int entry)
{
  list->setCurrentIndex(entry);
  emit list->activated(entry);
}

TOptionsForm *asOptions(QDialog *d) { return qobject_cast<TOptionsForm *>(d); }

// Preferences as the options dialog would choose them.
TPreferences Chosen(int language, int favourite = NoTeam, double offset = 0.0,
                    const QString &code = QStringLiteral("x35"))
{
  return {language, favourite, offset, code};
}

// Opens the options dialog from the menu and runs `use` on it while it is shown.
void openOptions(TGridDriver &g, std::function<void(TOptionsForm *)> use)
{
  g.dialogs().onModal = [use](QDialog *d) {
    use(asOptions(d));
    return d->result();
  };
  g.form().menuItem("Options1")->trigger();
  g.dialogs().onModal = nullptr;
}

}  // namespace

void TestOptions::firstStartInsistsOnLanguageAndTimeZone()
{
  // Whatever is in force, the first start speaks English.
  TScriptedDialogs dialogs;
  TOptionsForm o(nullptr, dialogs, Chosen(LangFrench), true);
  o.show();
  QVERIFY(!o.CancelButton->isEnabled());
  QCOMPARE(o.LangCB->currentIndex(), -1);
  QCOMPARE(o.TimeZoneCB->currentIndex(), -1);
  QCOMPARE(o.windowTitle(), QStringLiteral("Brakka - Options"));
  QTest::mouseClick(o.OKButton, Qt::LeftButton);
  QVERIFY(o.isVisible());
  choose(o.LangCB, LangSpanish);
  QTest::mouseClick(o.OKButton, Qt::LeftButton);
  QVERIFY(o.isVisible());
  QCOMPARE(dialogs.asked.size(), 2);
  QCOMPARE(dialogs.asked[0].text, QStringLiteral("Please select a default Language first"));
  QCOMPARE(dialogs.asked[1].text, QStringLiteral("Please select a default Time Zone first"));
  QCOMPARE(dialogs.asked[1].icon, TMsgIcon::Error);
  QVERIFY(o.result() != QDialog::Accepted);
  QCOMPARE(o.preferences().language, int(LangFrench));
}

void TestOptions::firstStartOkTranslatesDesignNames()
{
  TGridDriver g;   // no settings file: a first start
  openOptions(g, [](TOptionsForm *o) {
    choose(o->LangCB, LangFrench);
    choose(o->FavCB, Germany);
    choose(o->TimeZoneCB, 15);
    QTest::mouseClick(o->OKButton, Qt::LeftButton);
    QVERIFY(!o->isVisible());
  });
  const TPreferences &chosen = g.form().document().preferences();
  QCOMPARE(chosen.language, int(LangFrench));
  QCOMPARE(chosen.favorite, int(Germany));
  QCOMPARE(chosen.timeZoneCode, QStringLiteral("GMTP1C"));
  QCOMPARE(chosen.timeZoneOffset, -8.0 / 24);
  QCOMPARE(g.text("Final842Lbl"), QStringLiteral("Allemagne"));
  QCOMPARE(g.text("GEName2"), QStringLiteral("Allemagne"));
  QCOMPARE(g.text("GE21Lbl"), QStringLiteral("Allemagne"));
  QCOMPARE(g.text("Final411Lbl"), Placeholder);
  QCOMPARE(g.form().document().names().favourite, QStringLiteral("Allemagne"));
  QCOMPARE(g.label("Final842Lbl")->palette().color(QPalette::Active, QPalette::WindowText),
           QColor(0, 0, 255));
  // No longer the first start: the dialog may be cancelled.
  openOptions(g, [](TOptionsForm *o) { QVERIFY(o->CancelButton->isEnabled()); });
}

void TestOptions::reopeningShowsTheChoices_data()
{
  QTest::addColumn<double>("offset");
  QTest::addColumn<QString>("code");
  QTest::addColumn<int>("entry");
  QTest::newRow("hosts' time") << 0.0 << "x35" << 25;
  QTest::newRow("GMT-12") << -21.0 / 24 << "x35" << 0;
  QTest::newRow("GMT+13") << 4.0 / 24 << "x35" << 29;
  QTest::newRow("London") << -9.0 / 24 << "x35" << 12;
  QTest::newRow("Paris") << -8.0 / 24 << "GMTP1C" << 15;
  QTest::newRow("Athens") << -7.0 / 24 << "GMTP2B" << 18;
  QTest::newRow("GMT+3") << -6.0 / 24 << "x35" << 19;
  QTest::newRow("read from a file") << -0.333333333333333 << "GMTP1A" << 13;
}

void TestOptions::reopeningShowsTheChoices()
{
  QFETCH(double, offset);
  QFETCH(QString, code);
  QFETCH(int, entry);
  TGridDriver g;
  g.form().document().setPreferences(Chosen(LangSpanish, Paraguay, offset, code));
  openOptions(g, [&](TOptionsForm *o) {
    QVERIFY(o->CancelButton->isEnabled());
    QCOMPARE(o->windowTitle(), QStringLiteral("BRAKKA - Optiones"));
    QCOMPARE(o->CancelButton->text(), QStringLiteral("&Cancelar"));
    QCOMPARE(o->LangCB->currentIndex(), int(LangSpanish));
    QCOMPARE(o->FavCB->currentIndex(), int(Paraguay));
    QCOMPARE(o->FavCB->itemText(0), QStringLiteral("ninguno"));
    QCOMPARE(o->TimeZoneCB->currentIndex(), entry);
  });
}

void TestOptions::languageListRelabelsFavourites()
{
  TGridDriver g;
  g.form().document().setPreferences(Chosen(LangEnglish, Belgium));
  openOptions(g, [](TOptionsForm *o) {
    QCOMPARE(o->FavCB->itemText(2), QStringLiteral("Belgium"));
    const QString title = o->findChild<QGroupBox *>("OptionsPanel")->title();
    choose(o->LangCB, LangSpanish);
    QCOMPARE(o->FavCB->count(), 33);
    QCOMPARE(o->FavCB->itemText(0), QStringLiteral("ninguno"));
    QCOMPARE(o->FavCB->itemText(1), QStringLiteral("Argentina"));
    QCOMPARE(o->FavCB->itemText(2), QStringLiteral("Bélgica"));
    QCOMPARE(o->FavCB->currentIndex(), int(Belgium));
    QCOMPARE(o->findChild<QGroupBox *>("OptionsPanel")->title(), title);
    QCOMPARE(o->TimeZoneCB->itemText(4), QStringLiteral("(GMT-8)  USA & Canada (Pacific Time)"));
  });
  QCOMPARE(g.form().document().preferences().language, int(LangEnglish));   // nothing applied without OK
}

void TestOptions::cancelKeepsFavouriteIndexOnly()
{
  TGridDriver g;
  g.form().document().setPreferences(Chosen(LangEnglish));
  openOptions(g, [](TOptionsForm *o) {
    choose(o->FavCB, Senegal);
    choose(o->LangCB, LangFrench);
    QTest::mouseClick(o->CancelButton, Qt::LeftButton);
  });
  QCOMPARE(g.form().document().preferences().favorite, int(Senegal));
  QCOMPARE(g.form().document().preferences().language, int(LangEnglish));
  QVERIFY(g.form().document().names().favourite.isEmpty());
  QCOMPARE(g.label("GA12Lbl")->palette().color(QPalette::Active, QPalette::WindowText),
           QApplication::palette().color(QPalette::Active, QPalette::WindowText));
}

void TestOptions::switchingLanguageCarriesNames()
{
  TGridDriver g;
  g.form().document().setPreferences(Chosen(LangEnglish));
  PlayAll(g);
  openOptions(g, [](TOptionsForm *o) {
    choose(o->LangCB, LangFrench);
    choose(o->TimeZoneCB, 25);
    QTest::mouseClick(o->OKButton, Qt::LeftButton);
  });
  QCOMPARE(g.text("Champion"), QStringLiteral("Brésil"));
  QCOMPARE(g.text("Final11Lbl"), QStringLiteral("Allemagne"));
  QCOMPARE(g.text("Third11Lbl"), QStringLiteral("Corée du Sud"));
  QCOMPARE(g.text("GDName2"), QStringLiteral("États-Unis"));
  QCOMPARE(g.text("GA11Lbl"), QStringLiteral("France"));
  QCOMPARE(g.text("GA12Lbl"), QStringLiteral("Sénégal"));
  // Scores and the bracket are untouched by the renaming.
  QCOMPARE(g.text("Final841pk"), QStringLiteral("3"));
  QCOMPARE(g.text("Final11"), QStringLiteral("0"));

  // And on to Spanish: names carried from French.
  openOptions(g, [](TOptionsForm *o) {
    choose(o->LangCB, LangSpanish);
    QTest::mouseClick(o->OKButton, Qt::LeftButton);
  });
  QCOMPARE(g.text("Champion"), QStringLiteral("Brasil"));
  QCOMPARE(g.text("Third11Lbl"), QStringLiteral("Corea"));
  QCOMPARE(g.text("Final441Lbl"), QStringLiteral("Senegal"));
}

void TestOptions::sameLanguageChangesNothing()
{
  TGridDriver g;
  g.form().document().setPreferences(Chosen(LangEnglish));
  PlayAll(g);
  QStringList before;
  for (const QString &name : {"Champion", "Final211Lbl", "GAName1", "Final842Lbl"})
    before << g.text(name);
  openOptions(g, [](TOptionsForm *o) { QTest::mouseClick(o->OKButton, Qt::LeftButton); });
  QStringList after;
  for (const QString &name : {"Champion", "Final211Lbl", "GAName1", "Final842Lbl"})
    after << g.text(name);
  QCOMPARE(after, before);
}

void TestOptions::windowsKeepPreferencesOfTheirOwn()
{
  TGridDriver french;
  TGridDriver english;
  french.choosePreferences(LangFrench, Germany);
  QCOMPARE(french.text("GE21Lbl"), QStringLiteral("Allemagne"));
  QCOMPARE(english.text("GE21Lbl"), QStringLiteral("Germany"));
  QCOMPARE(english.form().menuItem("Clear1")->text(), QStringLiteral("&Clear All"));
  QVERIFY(english.form().document().names().favourite.isEmpty());
  QCOMPARE(english.form().document().preferences().language, int(LangEnglish));
}

void TestOptions::qtDialogsSpeakTheLanguage_data()
{
  // Languages chosen one after the other, and the standard buttons after the last.
  QTest::addColumn<QList<int>>("chosen");
  QTest::addColumn<QStringList>("buttons");   // Yes, No, Cancel
  QTest::newRow("French") << QList<int>{LangFrench} << QStringList{"&Oui", "&Non", "Annuler"};
  QTest::newRow("Spanish") << QList<int>{LangSpanish} << QStringList{"&Sí", "&No", "Cancelar"};
  QTest::newRow("French, then Spanish") << QList<int>{LangFrench, LangSpanish}
                                        << QStringList{"&Sí", "&No", "Cancelar"};
  QTest::newRow("French, then English again") << QList<int>{LangFrench, LangEnglish}
                                              << QStringList{"&Yes", "&No", "Cancel"};
}

void TestOptions::qtDialogsSpeakTheLanguage()
{
  QFETCH(QList<int>, chosen);
  QFETCH(QStringList, buttons);
  TGridDriver g;
  g.form().document().setPreferences(Chosen(LangEnglish));
  for (int language : chosen) {
    openOptions(g, [language](TOptionsForm *o) {
      choose(o->LangCB, language);
      QTest::mouseClick(o->OKButton, Qt::LeftButton);
    });
  }
  QCOMPARE(QCoreApplication::translate("QPlatformTheme", "&Yes"), buttons[0]);
  // A message box as the close question builds it takes its buttons' texts
  // from the translation in force.
  QMessageBox box(QMessageBox::Question, QString(), QString(),
                  QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
  const QStringList shown = {box.button(QMessageBox::Yes)->text(), box.button(QMessageBox::No)->text(),
                             box.button(QMessageBox::Cancel)->text()};
  QCOMPARE(shown, buttons);
}

void TestOptions::captionsLeadToTheirLists_data()
{
  QTest::addColumn<int>("language");   // -1: the first start, nothing chosen yet
  QTest::addColumn<QStringList>("names");
  QTest::newRow("first start") << -1 << QStringList{"Your Language", "Your Favorite Team", "Your Time Zone"};
  QTest::newRow("Spanish") << int(LangSpanish) << QStringList{"Su idioma", "Su equipo favorito", "Su zona horaria"};
  QTest::newRow("French") << int(LangFrench) << QStringList{"Votre Langue", "Votre Equipe Favorite", "Votre fuseau horaire"};
}

void TestOptions::captionsLeadToTheirLists()
{
  QFETCH(int, language);
  QFETCH(QStringList, names);
  TGridDriver g;   // a first start until preferences are applied
  if (language >= 0)
    g.form().document().setPreferences(Chosen(language));
  openOptions(g, [&](TOptionsForm *o) {
    o->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(o));
    int i = 0;
    for (QComboBox *list : {o->LangCB, o->FavCB, o->TimeZoneCB}) {
      // Labelled by its caption, and named by it while nothing is chosen.
      QAccessibleInterface *node = QAccessible::queryAccessibleInterface(list);
      const auto labels = node->relations(QAccessible::Label);
      QVERIFY(!labels.isEmpty());
      auto *caption = qobject_cast<QLabel *>(labels[0].first->object());
      QCOMPARE(caption->text().remove('&').chopped(1), names[i]);
      QCOMPARE(node->text(QAccessible::Name), list->currentIndex() < 0 ? names[i] : list->currentText());
      QTest::keySequence(o, QKeySequence::mnemonic(caption->text()));   // Alt and its letter
      QCOMPARE(QApplication::focusWidget(), list);
      ++i;
    }
  });
}

QTEST_MAIN(TestOptions)
#include "tst_options.moc"
