#include "fuzzWindow.h"

#include "core/groups/fixtures.h"
#include "settings/optionsForm.h"
#include "support/randomPlay.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QFile>
#include <QLineEdit>
#include <QAction>
#include <QPushButton>

void StartFuzzApplication()
{
  static int argc = 1;
  static char name[] = "brakka-fuzz";
  static char *argv[] = {name, nullptr};
  qputenv("QT_QPA_PLATFORM", "offscreen");
  // The offscreen platform warns at every popup menu; only fatal messages
  // matter here, and those abort as always.
  qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &, const QString &text) {
    if (type == QtFatalMsg || type == QtCriticalMsg)
      std::fprintf(stderr, "%s\n", qPrintable(text));
  });
  // Never destroyed: the windows outlive every input, and the process ends
  // without tearing the application down under them.
  static QApplication *app = new QApplication(argc, argv);
  Q_UNUSED(app);
}

std::vector<QLineEdit *> ScoreFields(const TMainForm &form)
{
  std::vector<QLineEdit *> fields;
  for (QLineEdit *f : form.findChildren<QLineEdit *>()) {
    if (!f->isReadOnly() && form.field(f->objectName()) == f)
      fields.push_back(f);
  }
  std::sort(fields.begin(), fields.end(),
            [](const QLineEdit *a, const QLineEdit *b) { return a->objectName() < b->objectName(); });
  return fields;
}

namespace {

bool AllDigits(const QString &text)
{
  for (QChar c : text) {
    if (c < QLatin1Char('0') || c > QLatin1Char('9'))
      return false;
  }
  return true;
}

int Figure(const TMainForm &form, int group, const char *column, int place)
{
  const QString name = GroupTableName(group, column, place);
  const QLineEdit *f = form.field(name);
  bool ok = false;
  const int value = f ? f->text().toInt(&ok) : 0;
  if (!ok)
    FuzzFailure("group table field is not a number", name + QStringLiteral(" = ") + (f ? f->text() : QString()));
  return value;
}

}  // namespace

void CheckGrid(const TMainForm &form, bool limitGroups, const char *when)
{
  for (const QLineEdit *f : ScoreFields(form)) {
    if (!AllDigits(f->text()))
      FuzzFailure(when, QStringLiteral("score field %1 holds \"%2\"").arg(f->objectName(), f->text()));
  }
  for (int g = 0; g < GroupCount; ++g) {
    if (limitGroups) {
      for (int m = 1; m <= MatchesPerGroup; ++m) {
        for (int s = 1; s <= 2; ++s) {
          const QString name = GroupFieldName(g, m, s);
          if (form.field(name)->text().size() > 2)
            FuzzFailure(when, QStringLiteral("group field %1 holds \"%2\"").arg(name, form.field(name)->text()));
        }
      }
    }
    for (int r = 1; r <= 4; ++r) {
      const int pts = Figure(form, g, "Pts", r), p = Figure(form, g, "P", r);
      const int w = Figure(form, g, "W", r), t = Figure(form, g, "T", r), l = Figure(form, g, "L", r);
      if (pts != 3 * w + t || p != w + t + l)
        FuzzFailure(when, QStringLiteral("group %1 place %2: Pts %3 P %4 W %5 T %6 L %7")
                              .arg(GroupLetter(g)).arg(r).arg(pts).arg(p).arg(w).arg(t).arg(l));
    }
  }
}

void CompareSnapshots(const QStringList &expected, const QStringList &actual, const char *what)
{
  const qsizetype n = qMin(expected.size(), actual.size());
  for (qsizetype i = 0; i < n; ++i) {
    if (expected[i] != actual[i])
      FuzzFailure(what, QStringLiteral("expected %1, got %2").arg(expected[i], actual[i]));
  }
  if (expected.size() != actual.size())
    FuzzFailure(what, QStringLiteral("%1 controls instead of %2").arg(actual.size()).arg(expected.size()));
}

void TFuzzWindow::writeIni(const QByteArray &bytes) const
{
  QFile file(iniPath());
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
    FuzzFailure("cannot write the settings file", iniPath());
}

std::unique_ptr<TMainForm> TFuzzWindow::openAnother() const
{
  return std::make_unique<TMainForm>(dir.path(), fake.platform());
}

const TMainForm &TFuzzWindow::restarted()
{
  if (!second) {
    second = openAnother();
    return *second;
  }
  QFile file(iniPath());
  if (!file.open(QIODevice::ReadOnly))
    FuzzFailure("cannot read the settings file", iniPath());
  readAgain(*second, file.readAll());
  if (qEnvironmentVariableIsSet("BRAKKA_FUZZ_FRESH_WINDOW"))
    CompareSnapshots(controlSnapshot(*second), controlSnapshot(*openAnother()),
                     "reused window differs from a new one after a restart");
  return *second;
}

void TFuzzWindow::clearScores(TMainForm &window)
{
  for (int stage = 0; stage < StageCount; ++stage)
    window.button(ButtonName(ClearButton(stage)))->click();
}

void TFuzzWindow::readAgain(TMainForm &window, const QByteArray &bytes)
{
  clearScores(window);
  backToEnglish(window);
  writeIni(bytes);
  ReadForm(window);
}

void TFuzzWindow::backToEnglish(TMainForm &window)
{
  fake.dialogs->onModal = [](QDialog *d) {
    auto *options = qobject_cast<TOptionsForm *>(d);
    if (!options)
      return int(QDialog::Rejected);
    auto choose = [](QComboBox *list, int entry) {
      list->setCurrentIndex(entry);
      emit list->activated(entry);
    };
    choose(options->LangCB, 0);
    choose(options->FavCB, 0);
    if (options->TimeZoneCB->currentIndex() < 0)
      choose(options->TimeZoneCB, 0);
    options->OKButton->click();
    return d->result();
  };
  window.menuItem(QStringLiteral("Options1"))->trigger();
  fake.dialogs->onModal = nullptr;
}

void TFuzzWindow::forgetDialogs()
{
  fake.dialogs->asked.clear();
  fake.dialogs->modalWindows.clear();
}
