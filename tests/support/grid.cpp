#include "support/grid.h"

#include "app/brakkaCommon.h"

#include <QTest>

bool SaveForm(TMainForm &form) { return SaveSettings(&form, form.document(), *form.platform().dialogs); }

void ReadForm(TMainForm &form) { ReadSettings(&form, form.document(), *form.platform().dialogs, form.settingsDir()); }

void ClearAllOf(TMainForm &form) { ClearAllResults(&form, form.document(), *form.platform().dialogs); }

TGridDriver::TGridDriver()
{
  Form = std::make_unique<TMainForm>(Dir.path(), Fake.platform());
}

TGridDriver::~TGridDriver() = default;

void TGridDriver::choosePreferences(int language, int favourite)
{
  TPreferences chosen = Form->document().preferences();
  chosen.language = language;
  if (favourite >= 0)
    chosen.favorite = favourite;
  Form->document().setPreferences(chosen);
}

QLineEdit *TGridDriver::field(const QString &name) const
{
  QLineEdit *f = Form->field(name);
  if (!f)
    qFatal("no field %s", qPrintable(name));
  return f;
}

QLabel *TGridDriver::label(const QString &name) const
{
  QLabel *l = Form->label(name);
  if (!l)
    qFatal("no label %s", qPrintable(name));
  return l;
}

QString TGridDriver::text(const QString &name) const
{
  if (QLineEdit *f = Form->field(name))
    return f->text();
  return label(name)->text();
}

void TGridDriver::type(const QString &fieldName, const QString &keys)
{
  QLineEdit *f = field(fieldName);
  f->selectAll();
  if (keys.isEmpty()) {
    if (f->hasSelectedText())
      QTest::keyClick(f, Qt::Key_Backspace);
    return;
  }
  QTest::keyClicks(f, keys);
}

void TGridDriver::score(const QString &stem, const QString &result)
{
  const qsizetype dash = result.indexOf(QLatin1Char('-'));
  type(stem + QLatin1Char('1'), result.left(dash));
  type(stem + QLatin1Char('2'), result.mid(dash + 1));
}

bool TGridDriver::bold(const QString &labelName) const { return IsBold(label(labelName)); }

bool TGridDriver::hidden(const QString &name) const
{
  if (QLineEdit *f = Form->field(name))
    return f->isHidden();
  return label(name)->isHidden();
}

bool TGridDriver::enabled(const QString &name) const
{
  if (QLineEdit *f = Form->field(name))
    return OwnEnabled(f);
  return OwnEnabled(label(name));
}
