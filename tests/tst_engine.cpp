// The tournament on plain values against the real window: random sessions
// are typed into the window, as a user types them, and applied to the
// engine alone; after every action every control of the grid must show the
// same text or caption and the same bold, enabled and hidden flags. Then the
// engine's own ways in: loading a file and undoing steps.

#include "app/brakkaCommon.h"
#include "core/knockout/clearing.h"
#include "core/knockout/tournament.h"
#include "core/settings/resultTexts.h"
#include "support/grid.h"
#include "support/randomPlay.h"
#include "support/tournament.h"

#include <QPushButton>
#include <QTest>

namespace {

// Every control on which the window and the engine differ, one line each.
QStringList Differences(const TMainForm &form, const TTournament &engine)
{
  QStringList out;
  const TGrid &grid = engine.grid();
  for (int i = 0; i < FieldCount; ++i) {
    const TField id = TField(i);
    const QLineEdit *f = form.field(FieldName(id));
    const TFieldState &s = grid.field(id);
    if (!f)
      out << FieldName(id) + QStringLiteral(": no such field");
    else if (f->text() != s.text || f->isHidden() != s.hidden || OwnEnabled(f) != s.enabled)
      out << QStringLiteral("%1: window \"%2\" hidden=%3 enabled=%4, engine \"%5\" hidden=%6 enabled=%7")
                 .arg(FieldName(id), f->text()).arg(f->isHidden()).arg(OwnEnabled(f))
                 .arg(s.text).arg(s.hidden).arg(s.enabled);
  }
  for (int i = 0; i < LabelCount; ++i) {
    const TLabel id = TLabel(i);
    const QLabel *l = form.label(LabelName(id));
    const TLabelState &s = grid.label(id);
    if (!l)
      out << LabelName(id) + QStringLiteral(": no such label");
    else if (l->text() != s.caption || IsBold(l) != s.bold || OwnEnabled(l) != s.enabled || l->isHidden())
      out << QStringLiteral("%1: window \"%2\" bold=%3 enabled=%4, engine \"%5\" bold=%6 enabled=%7")
                 .arg(LabelName(id), l->text()).arg(IsBold(l)).arg(OwnEnabled(l))
                 .arg(s.caption).arg(s.bold).arg(s.enabled);
  }
  return out;
}

// Hands every edit a user makes in the window (keys, paste) and every clear
// button to the engine, before the window's own cascade runs.
void Mirror(TMainForm &form, TTournament &engine)
{
  for (int i = 0; i < ResultFieldCount; ++i) {
    QLineEdit *f = form.field(FieldName(TField(i)));
    QObject::connect(f, &QLineEdit::textEdited, f,
                     [&engine, i](const QString &text) { engine.setText(TField(i), text); });
  }
  static const char *const clearButtons[StageCount] = {
    "GroupADelButton", "GroupBDelButton", "GroupCDelButton", "GroupDDelButton", "GroupEDelButton",
    "GroupFDelButton", "GroupGDelButton", "GroupHDelButton", "Final8DelButton", "Final4DelButton",
    "Final2DelButton", "ThirdDelButton",  "FinalDelButton"};
  for (int stage = 0; stage < StageCount; ++stage)
    QObject::connect(form.button(QLatin1String(clearButtons[stage])), &QPushButton::clicked,
                     [&engine, stage] { ClearStage(engine, stage); });
  // Clear All asks first: the engine clears when the window did.
  QObject::connect(form.button(QStringLiteral("ClearAllButton")), &QPushButton::clicked, [&form, &engine] {
    const TResultTexts texts = form.resultTexts();
    if (std::all_of(texts.begin(), texts.end(), [](const QString &t) { return t.isEmpty(); }))
      ClearAll(engine);
  });
}

}  // namespace

class TestEngine : public QObject {
  Q_OBJECT

private slots:
  void randomSessions_data()
  {
    QTest::addColumn<quint32>("seed");
    QTest::addColumn<int>("actions");
    QTest::addColumn<bool>("played");   // from a whole tournament typed, champion and all
    for (quint32 seed : {11u, 12u, 13u, 14u, 15u, 16u})
      QTest::addRow("seed %u", seed) << seed << 400 << false;
    for (quint32 seed : {21u, 22u, 23u, 24u, 25u, 26u})
      QTest::addRow("seed %u, played", seed) << seed << 150 << true;
  }

  void randomSessions()
  {
    QFETCH(quint32, seed);
    QFETCH(int, actions);
    QFETCH(bool, played);
    TGridDriver g;
    TTournament engine;
    QCOMPARE(Differences(g.form(), engine).join(QLatin1Char('\n')), QString());
    Mirror(g.form(), engine);
    if (played) {
      PlayAll(g);
      QCOMPARE(engine.grid().caption(ChampionLabel()), QStringLiteral("Brazil"));
    }
    for (int a = 0; a < actions; ++a) {
      g.dialogs().answers.clear();
      playRandomActions(g.form(), seed * 1000 + quint32(a), 1);
      const QStringList diff = Differences(g.form(), engine);
      if (!diff.isEmpty())
        QFAIL(qPrintable(QStringLiteral("after action %1:\n").arg(a) + diff.join(QLatin1Char('\n'))));
    }

    // What the window loads from its saved file, the engine fills in.
    QVERIFY(g.form().SaveAll());
    const TResultTexts saved = g.form().resultTexts();
    g.form().ReadAll();
    TTournament loaded;
    FillResults(loaded, saved, TFill::Loading);
    QCOMPARE(Differences(g.form(), loaded), QStringList());

    // Each undo brings the window's texts back; restored, the engine agrees.
    for (int step = 0; step < 12 && g.form().history().canUndo(); ++step) {
      g.form().Undo1Click();
      FillResults(engine, g.form().resultTexts(), TFill::Restoring);
      QCOMPARE(Differences(g.form(), engine), QStringList());
    }
  }
};

QTEST_MAIN(TestEngine)
#include "tst_engine.moc"
