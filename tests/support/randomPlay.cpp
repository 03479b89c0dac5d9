#include "support/randomPlay.h"

#include "app/brakkaCommon.h"
#include "app/brakkaMain.h"
#include "support/fakePlatform.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTest>

namespace {

// A match's two entry fields, or a shoot-out's.
struct TPair {
  QLineEdit *side1;
  QLineEdit *side2;
};

bool usable(const QLineEdit *f) { return !f->isHidden() && OwnEnabled(f); }

// Clipboard texts a user might have copied: scores, scores with line ends or
// blanks, several lines, and junk.
const char *const ClipboardTexts[] = {
  "0", "1", "2", "3", "7", "12", "05", "123", "98765432109876543210",
  "2\n", "3\r\n", " 1", "1 ", "\t4\t", "12\n34", "", " ", "x", "1a", "2-", "-1", "+3", "1.5",
  "\xef\xbc\x91\xef\xbc\x92", "\xd9\xa3",   // full-width "12", Arabic-Indic three
};

class TRandomPlayer {
public:
  TRandomPlayer(TMainForm &form, quint32 seed) : Form(form), Random(seed)
  {
    for (QLineEdit *f : form.findChildren<QLineEdit *>()) {
      if (f->isReadOnly())
        continue;
      Fields.append(f);
      const QString name = f->objectName();
      const bool penalty = name.endsWith(QLatin1String("pk"));
      const QString stem = penalty ? name.chopped(2) : name;
      if (!stem.endsWith(QLatin1Char('1')))
        continue;
      QLineEdit *other = form.field(stem.chopped(1) + QLatin1Char('2') +
                                    (penalty ? QStringLiteral("pk") : QString()));
      if (other)
        (penalty ? Shootouts : Matches).append(TPair{f, other});
    }
    for (QPushButton *b : form.findChildren<QPushButton *>()) {
      if (b->objectName().endsWith(QLatin1String("DelButton")))
        ClearButtons.append(b);
    }
    Dialogs = dynamic_cast<TScriptedDialogs *>(form.platform().dialogs.get());
  }

  void act()
  {
    const int roll = int(Random.bounded(100));
    if (roll < 62)
      playMatch();
    else if (roll < 68)
      playShootout();
    else if (roll < 74)
      typeDigits(false);
    else if (roll < 79)
      typeDigits(true);
    else if (roll < 85)
      backspace();
    else if (roll < 95)
      paste();
    else if (roll < 99)
      clearButton();
    else
      clearAll();
  }

private:
  int below(int n) { return int(Random.bounded(quint32(n))); }

  QString digits(int maxLength)
  {
    QString s;
    const int length = 1 + below(maxLength);
    for (int i = 0; i < length; ++i)
      s += QLatin1Char(char('0' + below(i == 0 ? 6 : 10)));
    return s;
  }

  // A field a user can reach: shown and enabled; nullptr when there is none.
  QLineEdit *pickField()
  {
    QList<QLineEdit *> open;
    for (QLineEdit *f : Fields) {
      if (usable(f))
        open.append(f);
    }
    return open.isEmpty() ? nullptr : open[below(int(open.size()))];
  }

  // Types over the field's whole text, as a user who selects it first.
  void typeOver(QLineEdit *f, const QString &keys)
  {
    f->selectAll();
    QTest::keyClicks(f, keys);
  }

  bool longField(const QLineEdit *f) const
  {
    return f->objectName().startsWith(QLatin1String("Final1"));
  }

  // How far into the tournament a match lies: groups 0, 1/8 finals 1,
  // quarter-finals 2, semi-finals 3, third place and final 4.
  static int depth(const QLineEdit *f)
  {
    const QString name = f->objectName();
    if (name.startsWith(QLatin1String("Final8")))
      return 1;
    if (name.startsWith(QLatin1String("Final4")))
      return 2;
    if (name.startsWith(QLatin1String("Final2")))
      return 3;
    return name.startsWith(QLatin1Char('G')) ? 0 : 4;
  }

  // Both sides of a match that is open for scores, decided most of the time.
  // Mostly it is one of the furthest open matches still without a result, so
  // that play often reaches the semi-finals and the final.
  void playMatch()
  {
    QList<TPair> open;
    QList<TPair> furthest;
    for (const TPair &m : Matches) {
      if (!usable(m.side1) || !usable(m.side2))
        continue;
      open.append(m);
      if (IsScore(m.side1->text()) && IsScore(m.side2->text()) &&
          CompareScores(m.side1->text(), m.side2->text()) != 0)
        continue;
      if (!furthest.isEmpty() && depth(furthest.first().side1) < depth(m.side1))
        furthest.clear();
      if (furthest.isEmpty() || depth(furthest.first().side1) == depth(m.side1))
        furthest.append(m);
    }
    if (open.isEmpty())
      return;
    const QList<TPair> &from = !furthest.isEmpty() && below(5) != 0 ? furthest : open;
    const TPair m = from[below(int(from.size()))];
    const int maxLength = longField(m.side1) && below(8) == 0 ? 25 : 1;
    const QString a = digits(maxLength);
    QString b = digits(maxLength);
    if (below(5) == 0)
      b = a;
    else
      while (CompareScores(a, b) == 0)
        b = digits(maxLength);
    typeOver(m.side1, a);
    typeOver(m.side2, b);
  }

  void playShootout()
  {
    QList<TPair> open;
    for (const TPair &p : Shootouts) {
      if (usable(p.side1) && usable(p.side2))
        open.append(p);
    }
    if (open.isEmpty()) {
      playMatch();
      return;
    }
    const TPair &p = open[below(int(open.size()))];
    const QString a = QString::number(below(8));
    QString b = QString::number(below(8));
    if (below(6) != 0)
      while (b == a)
        b = QString::number(below(8));
    typeOver(p.side1, a);
    typeOver(p.side2, b);
  }

  // One to three digits, over the whole text or after it.
  void typeDigits(bool overSelection)
  {
    QLineEdit *f = pickField();
    if (!f)
      return;
    if (overSelection)
      f->selectAll();
    else
      f->end(false);
    QTest::keyClicks(f, digits(longField(f) ? 12 : 3));
  }

  void backspace()
  {
    QLineEdit *f = pickField();
    if (!f)
      return;
    f->end(false);
    const int presses = 1 + below(2);
    for (int i = 0; i < presses; ++i)
      QTest::keyClick(f, Qt::Key_Backspace);
  }

  // The context menu's Paste, over a selection or at the end.
  void paste()
  {
    QLineEdit *f = pickField();
    if (!f)
      return;
    const int texts = int(sizeof ClipboardTexts / sizeof *ClipboardTexts);
    if (below(2) == 0)
      f->selectAll();
    else
      f->end(false);
    pasteThroughMenu(f, QString::fromUtf8(ClipboardTexts[below(texts)]));
  }

  void clearButton()
  {
    QPushButton *b = ClearButtons[below(int(ClearButtons.size()))];
    QTest::mouseClick(b, Qt::LeftButton);
  }

  void clearAll()
  {
    if (!Dialogs)
      return;
    Dialogs->answers.append(below(2) == 0 ? QMessageBox::Yes : QMessageBox::No);
    QTest::mouseClick(Form.button(QStringLiteral("ClearAllButton")), Qt::LeftButton);
  }

  TMainForm &Form;
  QRandomGenerator Random;
  QList<QLineEdit *> Fields;
  QList<TPair> Matches;
  QList<TPair> Shootouts;
  QList<QPushButton *> ClearButtons;
  TScriptedDialogs *Dialogs = nullptr;
};

QString flag(bool on) { return on ? QStringLiteral("1") : QStringLiteral("0"); }

QString colourOf(const QWidget *w, QPalette::ColorRole role)
{
  return w->palette().color(QPalette::Active, role).name();
}

}  // namespace

bool pasteThroughMenu(QLineEdit *field, const QString &clipboard)
{
  QApplication::clipboard()->setText(clipboard);
  const QPoint at(2, 2);
  QContextMenuEvent menuEvent(QContextMenuEvent::Mouse, at, field->mapToGlobal(at));
  QApplication::sendEvent(field, &menuEvent);
  auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
  if (!menu)
    return false;
  QAction *paste = menu->findChild<QAction *>(QStringLiteral("edit-paste"));
  if (paste)
    paste->trigger();
  menu->close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  return paste != nullptr;
}

void playRandomActions(TMainForm &form, quint32 seed, int count)
{
  TRandomPlayer player(form, seed);
  for (int i = 0; i < count; ++i)
    player.act();
}

QStringList controlSnapshot(const TMainForm &form)
{
  QStringList lines;
  const QWidget *grid = form.centralWidget();
  for (const QWidget *w : grid->findChildren<QWidget *>()) {
    if (const auto *f = qobject_cast<const QLineEdit *>(w)) {
      lines << QStringLiteral("%1 text=\"%2\" hidden=%3 enabled=%4 colour=%5")
                   .arg(f->objectName(), f->text(), flag(f->isHidden()), flag(OwnEnabled(f)),
                        colourOf(f, QPalette::Text));
    } else if (const auto *l = qobject_cast<const QLabel *>(w)) {
      lines << QStringLiteral("%1 caption=\"%2\" hidden=%3 enabled=%4 bold=%5 colour=%6")
                   .arg(l->objectName(), l->text(), flag(l->isHidden()), flag(OwnEnabled(l)),
                        flag(IsBold(l)), colourOf(l, QPalette::WindowText));
    }
  }
  return lines;
}
