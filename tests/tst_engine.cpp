// The document on plain values against the real window: random sessions
// are typed into the window, as a user types them, and applied to a
// document alone; after every action every control of the grid must show the
// same text or caption and the same bold, enabled and hidden flags. Then the
// engine's own ways in: loading a file and undoing steps.

#include "app/brakkaCommon.h"
#include "app/gridState.h"
#include "core/document/document.h"
#include "core/settings/resultTexts.h"
#include "support/grid.h"
#include "support/randomPlay.h"
#include "support/tournament.h"

#include <QPushButton>
#include <QTest>

namespace {

// Every control on which the window and the document differ, one line each:
// the document shown in the window's language.
QStringList Differences(const TMainForm &form, const TDocument &engine)
{
  QStringList out;
  TGrid grid;
  ShowTournament(grid, engine.tournament(), form.document().names().teams, TTournament::TChanges::all());
  for (int i = 0; i < FieldCount; ++i) {
    const TGridField id = TGridField(i);
    const QLineEdit *f = form.controls().field(id);
    const TFieldState &s = grid.field(id);
    if (!f)
      out << FieldName(id) + QStringLiteral(": no such field");
    else if (f->text() != s.text || f->isHidden() != s.hidden || OwnEnabled(f) != s.enabled)
      out << QStringLiteral("%1: window \"%2\" hidden=%3 enabled=%4, engine \"%5\" hidden=%6 enabled=%7")
                 .arg(FieldName(id), f->text()).arg(f->isHidden()).arg(OwnEnabled(f))
                 .arg(s.text).arg(s.hidden).arg(s.enabled);
  }
  for (int i = 0; i < TournamentLabelCount; ++i) {
    const TLabel id = TLabel(i);
    const QLabel *l = form.controls().label(id);
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
// button to the document, before the window's own cascade runs.
void Mirror(TMainForm &form, TDocument &engine)
{
  for (int i = 0; i < ResultFieldCount; ++i) {
    QLineEdit *f = form.controls().field(TField(i));
    QObject::connect(f, &QLineEdit::textEdited, f,
                     [&engine, i](const QString &text) { engine.type(TField(i), text); });
  }
  for (int stage = 0; stage < StageCount; ++stage)
    QObject::connect(form.controls().button(ClearButton(stage)), &QPushButton::clicked,
                     [&engine, stage] { engine.clearStage(stage); });
  // Clear All asks first: the engine clears when the window did.
  QObject::connect(form.controls().button(ClearAllButton()), &QPushButton::clicked, [&form, &engine] {
    const TResultTexts texts = form.document().resultTexts();
    if (std::all_of(texts.begin(), texts.end(), [](const QString &t) { return t.isEmpty(); }))
      engine.clearAll();
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
    TDocument engine;
    engine.load(g.form().settingsDir());
    QCOMPARE(Differences(g.form(), engine).join(QLatin1Char('\n')), QString());
    Mirror(g.form(), engine);
    if (played) {
      PlayAll(g);
      QCOMPARE(int(engine.tournament().champion()), int(Brazil));
    }
    for (int a = 0; a < actions; ++a) {
      g.dialogs().answers.clear();
      playRandomActions(g.form(), seed * 1000 + quint32(a), 1);
      const QStringList diff = Differences(g.form(), engine);
      if (!diff.isEmpty())
        QFAIL(qPrintable(QStringLiteral("after action %1:\n").arg(a) + diff.join(QLatin1Char('\n'))));
    }

    // What the window loads from its saved file, a document reads too.
    QVERIFY(SaveForm(g.form()));
    ReadForm(g.form());
    TDocument loaded;
    loaded.load(g.form().settingsDir());
    QCOMPARE(Differences(g.form(), loaded), QStringList());

    // Each undo brings the window's texts back; undone too, the engine agrees.
    for (int step = 0; step < 12 && g.form().document().history().canUndo(); ++step) {
      g.form().document().undo();
      engine.undo();
      QCOMPARE(Differences(g.form(), engine), QStringList());
    }
  }
};

QTEST_MAIN(TestEngine)
#include "tst_engine.moc"
