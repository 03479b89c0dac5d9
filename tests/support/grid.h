#pragma once
// Driving the real main window in tests: find controls by name, type into
// fields as a user would, and read what the grid shows.

#include "app/brakkaMain.h"
#include "app/commands.h"
#include "app/gridControls.h"
#include "core/document/document.h"
#include "support/fakePlatform.h"

#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <memory>

// The window's commands as its menu runs them.
bool SaveForm(TMainForm &form);       // File > Save: whether it saved
void ReadForm(TMainForm &form);       // the settings file read again, as at start
void ClearAllOf(TMainForm &form);     // Clear All, asking

class TGridDriver {
public:
  TGridDriver();
  ~TGridDriver();

  TMainForm &form() { return *Form; }
  TDocument &document() { return Form->document(); }
  TScriptedDialogs &dialogs() { return *Fake.dialogs; }
  TFakeSound &sound() { return *Fake.sound; }
  TFakeBrowser &browser() { return *Fake.browser; }
  TFakeRegional &regional() { return *Fake.regional; }
  TFakePrinting &printing() { return *Fake.printing; }

  // Changes the preferences as the options dialog's OK does: the language,
  // and the favourite team unless it is negative.
  void choosePreferences(int language, int favourite = -1);

  QLineEdit *field(const QString &name) const;
  QLabel *label(const QString &name) const;
  QString text(const QString &name) const;   // a field's text or a label's caption

  // Types over the field's whole text (select all, then the keys); with no
  // keys, select all and backspace.
  void type(const QString &fieldName, const QString &keys);
  void clear(const QString &fieldName) { type(fieldName, QString()); }
  // "2-1": types both sides of a match; "GA1" is the match's name stem.
  void score(const QString &stem, const QString &result);

  bool bold(const QString &labelName) const;
  bool hidden(const QString &name) const;
  bool enabled(const QString &name) const;

private:
  QTemporaryDir Dir;
  TFakePlatform Fake;
  std::unique_ptr<TMainForm> Form;
};
