// The history of the user's steps on result texts alone: which edits join
// one step, what undo and redo give back, and how many results a step
// emptied that the user did not aim at.

#include "app/gridIds.h"
#include "core/settings/resultsHistory.h"

#include <QTest>

namespace {

TField Field(const char *name)
{
  const std::optional<TControlId> id = ControlIdOf(QLatin1String(name));
  if (!id || id->kind != TControlId::Field || !IsResultField(TGridField(id->index)))
    qFatal("no field %s", name);
  return ResultField(TGridField(id->index));
}

// Result texts with the named fields set, the others empty.
TResultTexts Texts(std::initializer_list<std::pair<const char *, const char *>> set)
{
  TResultTexts texts(ResultFieldCount);
  for (const auto &[name, text] : set)
    texts[Index(Field(name))] = QLatin1String(text);
  return texts;
}

}  // namespace

class TestHistory : public QObject {
  Q_OBJECT

private slots:
  // A session as a script: "GA11=1" types into a field (the texts keep every
  // earlier edit), "clear" empties them all with group A's clear button,
  // "undo" and "redo". Then the steps left to undo and to redo, and the
  // value of GA11 after undoing all.
  void steps_data()
  {
    QTest::addColumn<QString>("script");
    QTest::addColumn<int>("undos");
    QTest::addColumn<int>("redos");
    QTest::newRow("keys in one field join") << "GA11=1 GA11=12 GA11=2" << 1 << 0;
    QTest::newRow("typed back to the start, no step") << "GA11=1 GA11=12 GA11=" << 0 << 0;
    QTest::newRow("another field, another step") << "GA11=1 GA12=2 GA11=3" << 3 << 0;
    QTest::newRow("undo and redo end the join") << "GA11=1 undo redo GA11=12" << 2 << 0;
    QTest::newRow("a clear ends the join") << "GA11=1 clear GA11=2 GA11=" << 2 << 0;
    QTest::newRow("a new step drops the redo steps") << "GA11=1 GA12=2 undo undo GA21=3" << 1 << 0;
    QTest::newRow("redo steps stay without a new one") << "GA11=1 GA12=2 undo undo GA12=" << 0 << 2;
    QTest::newRow("an edit to the same texts is none") << "GA11=1 undo GA11=" << 0 << 1;
  }

  void steps()
  {
    QFETCH(QString, script);
    QFETCH(int, undos);
    QFETCH(int, redos);
    TResultsHistory h;
    TResultTexts texts(ResultFieldCount);
    h.start(texts);
    for (const QString &op : script.split(QLatin1Char(' '))) {
      if (op == QLatin1String("undo") || op == QLatin1String("redo")) {
        const TResultTexts *back = op == QLatin1String("undo") ? h.undo() : h.redo();
        QVERIFY(back);
        QCOMPARE(*back, h.current());
        texts = *back;
      } else if (op == QLatin1String("clear")) {
        texts = TResultTexts(ResultFieldCount);
        h.record(TStepKind::Clearing, TField(0), 0, texts);
      } else {
        const TField f = Field(qPrintable(op.section(QLatin1Char('='), 0, 0)));
        texts[Index(f)] = op.section(QLatin1Char('='), 1);
        h.record(TStepKind::Typing, f, -1, texts);
      }
      QCOMPARE(h.current(), texts);
    }
    int undone = 0;
    while (h.undo())
      ++undone;
    QCOMPARE(undone, undos);
    QCOMPARE(h.current(), TResultTexts(ResultFieldCount));
    int redone = 0;
    while (h.redo())
      ++redone;
    QCOMPARE(redone, undos + redos);
  }

  // Undo gives each step's texts before it, redo those after it.
  void undoRedoTexts()
  {
    TResultsHistory h;
    h.start(Texts({}));
    h.record(TStepKind::Typing, Field("GA11"), -1, Texts({{"GA11", "1"}}));
    h.record(TStepKind::Typing, Field("GA11"), -1, Texts({{"GA11", "10"}}));
    h.record(TStepKind::Typing, Field("GA12"), -1, Texts({{"GA11", "10"}, {"GA12", "2"}}));
    QCOMPARE(*h.undo(), Texts({{"GA11", "10"}}));
    QCOMPARE(*h.undo(), Texts({}));
    QVERIFY(!h.undo());
    QCOMPARE(*h.redo(), Texts({{"GA11", "10"}}));
    QCOMPARE(h.undoStep()->kind, TStepKind::Typing);
    QCOMPARE(h.redoStep()->after, Texts({{"GA11", "10"}, {"GA12", "2"}}));
  }

  void emptiedResults_data()
  {
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("field");
    QTest::addColumn<int>("stage");
    QTest::addColumn<TResultTexts>("before");
    QTest::addColumn<TResultTexts>("after");
    QTest::addColumn<int>("emptied");
    const TResultTexts none = Texts({});
    const TResultTexts played = Texts({{"Final811", "1"}, {"Final812", "0"}, {"Final411", "2"},
                                       {"Final412", "2"}, {"Final411pk", "4"}, {"Final412pk", "3"}});
    const int typing = int(TStepKind::Typing), clearing = int(TStepKind::Clearing);
    QTest::newRow("a group edit empties two matches")
        << typing << "GA11" << -1 << played << none << 2;
    QTest::newRow("one side emptied counts the match")
        << typing << "GA11" << -1 << played << Texts({{"Final811", "1"}}) << 2;
    QTest::newRow("the field typed in is aimed at")
        << typing << "Final811" << -1 << Texts({{"Final811", "1"}}) << none << 0;
    QTest::newRow("its match's other side is not")
        << typing << "Final811" << -1 << Texts({{"Final811", "1"}, {"Final812", "0"}}) << none << 1;
    QTest::newRow("penalties are no result")
        << typing << "Final411" << -1 << Texts({{"Final411pk", "4"}}) << none << 0;
    QTest::newRow("the clear button's stage is aimed at")
        << clearing << "" << GroupCount + Final8 << played << none << 1;
    QTest::newRow("Clear All aims at everything")
        << int(TStepKind::ClearingAll) << "" << -1 << played << none << 0;
    QTest::newRow("a recovery aims at everything")
        << int(TStepKind::Recovering) << "" << -1 << played << none << 0;
  }

  void emptiedResults()
  {
    QFETCH(int, kind);
    QFETCH(QString, field);
    QFETCH(int, stage);
    QFETCH(TResultTexts, before);
    QFETCH(TResultTexts, after);
    const TResultsStep step{TStepKind(kind), field.isEmpty() ? TField(0) : Field(qPrintable(field)),
                            stage, before, after};
    QTEST(TResultsHistory::EmptiedResults(step), "emptied");
  }
};

QTEST_MAIN(TestHistory)
#include "tst_history.moc"
