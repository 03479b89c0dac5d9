// What the remaining matches of a group can still change, compared with
// every completion of the group worked out one by one through the table's
// ordering, for small top scores.

#include "core/groups/fixtures.h"
#include "core/groups/groupTables.h"
#include "core/groups/outlook.h"
#include "groups/outlookForm.h"
#include "core/groups/standings.h"
#include "core/i18n/names.h"
#include "core/settings/preferences.h"
#include "support/grid.h"
#include "support/tournament.h"

#include <QComboBox>
#include <QRandomGenerator>
#include <QTableWidget>
#include <QtTest>
#include <map>

namespace {

using TSides = std::array<std::array<int, 2>, 6>;
using TScores = std::array<std::array<qint64, 2>, 6>;

TSides SidesOf(int group)
{
  TSides sides{};
  const auto &order = GroupSeeding(group).initialOrder;
  for (int m = 0; m < 6; ++m) {
    const TGroupMatch &match = GroupFixtures(group)[m];
    for (int t = 0; t < 4; ++t) {
      if (order[t] == match.side1)
        sides[m][0] = t;
      if (order[t] == match.side2)
        sides[m][1] = t;
    }
  }
  return sides;
}

// The places of one completion, as the group rebuild counts it.
std::array<int, 4> TablePlaces(const TSides &sides, const TScores &scores)
{
  const std::array<TTeam, 4> names = {TTeam(1), TTeam(2), TTeam(3), TTeam(4)};
  TGroupRec table;
  InitializeGroupStandings(table, names);
  for (int m = 0; m < 6; ++m) {
    SetGroupScores(scores[m][0], scores[m][1], names[sides[m][0]], names[sides[m][1]], table);
    SetGroupStandings(table);
  }
  SetGroupStandingsFinal(table, 'A');
  std::array<int, 4> places{};
  for (int p = 0; p < 4; ++p)
    places[table[p].TeamName - 1] = p + 1;
  return places;
}

// Place masks (bit p-1 for place p) per team over every completion, per
// pattern of results, and per pattern, match and winning margin.
struct TBrute {
  std::array<int, 4> all{};
  std::map<int, std::array<int, 4>> byPattern;
  std::map<std::tuple<int, int, qint64>, std::array<int, 4>> byMargin;
};

TBrute Brute(const TGroupScores &g, qint64 top)
{
  std::vector<int> open;
  for (int m = 0; m < 6; ++m)
    if (!g.scores[m][0] || !g.scores[m][1])
      open.push_back(m);
  TBrute b;
  const qint64 per = (top + 1) * (top + 1);
  qint64 total = 1;
  for (size_t i = 0; i < open.size(); ++i)
    total *= per;
  for (qint64 n = 0; n < total; ++n) {
    TScores s{};
    for (int m = 0; m < 6; ++m)
      if (g.scores[m][0] && g.scores[m][1])
        s[m] = {*g.scores[m][0], *g.scores[m][1]};
    int pattern = 0;
    qint64 rest = n;
    for (int m : open) {
      s[m] = {rest % (top + 1), (rest / (top + 1)) % (top + 1)};
      rest /= per;
      pattern = pattern * 3 + (s[m][0] > s[m][1] ? 0 : s[m][0] == s[m][1] ? 1 : 2);
    }
    const std::array<int, 4> places = TablePlaces(g.sides, s);
    for (int t = 0; t < 4; ++t) {
      const int bit = 1 << (places[t] - 1);
      b.all[t] |= bit;
      b.byPattern[pattern][t] |= bit;
      for (int m : open)
        if (s[m][0] != s[m][1])
          b.byMargin[{pattern, m, qAbs(s[m][0] - s[m][1])}][t] |= bit;
    }
  }
  return b;
}

TVerdict VerdictOf(int mask)
{
  if (!mask)
    return TVerdict::None;
  if (!(mask & 0b1100))
    return TVerdict::Through;
  return mask & 0b0011 ? TVerdict::Goals : TVerdict::Out;
}

// A random partial group: small scores so that teams are often level, now
// and then a large one, and matches with one score only.
TGroupScores RandomGroup(QRandomGenerator &rng, int maxOpen)
{
  TGroupScores g;
  g.sides = SidesOf(rng.bounded(8));
  const int open = rng.bounded(maxOpen + 1);
  std::array<int, 6> order = {0, 1, 2, 3, 4, 5};
  std::shuffle(order.begin(), order.end(), std::mt19937(rng.generate()));
  for (int i = 0; i < 6; ++i) {
    const int m = order[i];
    auto score = [&rng] { return qint64(rng.bounded(20) == 0 ? 6 + rng.bounded(5) : rng.bounded(3)); };
    if (i >= open) {
      g.scores[m] = {score(), score()};
      if (rng.bounded(3) == 0)
        g.scores[m][1] = g.scores[m][0];
    } else if (rng.bounded(4) == 0) {
      g.scores[m][rng.bounded(2)] = score();
    }
  }
  return g;
}

}  // namespace

class TstOutlook : public QObject {
  Q_OBJECT

private slots:
  void matchesEveryCompletion_data();
  void matchesEveryCompletion();
  void marksOfTheRealGroups_data();
  void marksOfTheRealGroups();
  void outlookWindow();
};

void TstOutlook::matchesEveryCompletion_data()
{
  QTest::addColumn<int>("top");
  QTest::addColumn<int>("maxOpen");
  QTest::addColumn<int>("groups");
  QTest::newRow("top score 0") << 0 << 6 << 1000;
  QTest::newRow("top score 1") << 1 << 5 << 1500;
  QTest::newRow("top score 2") << 2 << 4 << 1000;
  QTest::newRow("top score 3") << 3 << 3 << 1000;
}

void TstOutlook::matchesEveryCompletion()
{
  QFETCH(int, top);
  QFETCH(int, maxOpen);
  QFETCH(int, groups);
  QRandomGenerator rng(20020531 + top);
  for (int n = 0; n < groups; ++n) {
    const TGroupScores g = RandomGroup(rng, maxOpen);
    const TBrute b = Brute(g, top);
    const std::array<TOutlook, 4> outlook = GroupOutlook(g, top);
    for (int t = 0; t < 4; ++t) {
      const int mask = b.all[t];
      const TOutlook expected = mask == 1                 ? TOutlook::Winner
                                : !(mask & 0b1100)        ? TOutlook::Through
                                : !(mask & 0b0011)        ? TOutlook::Out
                                                          : TOutlook::Open;
      QVERIFY2(outlook[t] == expected, qPrintable(QStringLiteral("group %1 team %2").arg(n).arg(t)));
    }

    const TScenarioTable table = GroupScenarios(g, top);
    const int open = int(6 - std::count_if(g.scores.begin(), g.scores.end(),
                                            [](const auto &s) { return s[0] && s[1]; }));
    if (open < 1 || open > 3) {
      QVERIFY(table.rows.empty());
      continue;
    }
    QCOMPARE(int(table.matches.size()), open);
    QCOMPARE(int(table.rows.size()), open == 1 ? 3 : open == 2 ? 9 : 27);
    for (int p = 0; p < int(table.rows.size()); ++p) {
      const TScenarioRow &row = table.rows[p];
      for (int t = 0; t < 4; ++t) {
        const QString where = QStringLiteral("group %1 row %2 team %3").arg(n).arg(p).arg(t);
        const TScenarioCell &cell = row.cells[t];
        const TVerdict verdict = VerdictOf(b.byPattern.count(p) ? b.byPattern.at(p)[t] : 0);
        QVERIFY2(cell.verdict == verdict, qPrintable(where));
        // The first match whose margin alone settles it, with one change.
        TScenarioCell expected;
        for (int i = 0; i < open && verdict == TVerdict::Goals && expected.match < 0; ++i) {
          if (row.results[i] == TMatchResult::Draw)
            continue;
          const int m = table.matches[i];
          TVerdict first = TVerdict::None, last = TVerdict::None;
          int changes = 0;
          qint64 at = 0;
          for (qint64 d = 1; d <= top; ++d) {
            const TVerdict v = VerdictOf(b.byMargin.at({p, m, d})[t]);
            if (v == TVerdict::Goals)
              changes = 2;
            if (d == 1)
              first = v;
            else if (v != last) {
              ++changes;
              at = d;
            }
            last = v;
          }
          if (changes == 1 && first != last)
            expected = {TVerdict::Goals, m, at, last};
        }
        QVERIFY2(cell.match == expected.match, qPrintable(where));
        if (expected.match >= 0) {
          QVERIFY2(cell.margin == expected.margin, qPrintable(where));
          QVERIFY2(cell.settled == expected.settled, qPrintable(where));
        }
      }
    }
  }
}


void TstOutlook::marksOfTheRealGroups_data()
{
  QTest::addColumn<bool>("complete");
  QTest::addColumn<int>("language");
  QTest::addColumn<QString>("group");
  QTest::addColumn<QString>("marks");   // places 1 to 4, "-" for no mark
  QTest::addColumn<int>("place");
  QTest::addColumn<QString>("words");
  // After two matchdays. A: all four can still reach 4 points.
  QTest::newRow("A") << false << 0 << "A" << "----" << 3
                     << "Uruguay can still reach the 1/8 finals, but are not yet certain of it";
  // B: Spain 6, South Africa 4, Paraguay 1, Slovenia 0: Spain stay above
  // Paraguay, Slovenia reach 3 at most.
  QTest::newRow("B") << false << 0 << "B" << "✓--✗" << 1 << "Spain are certain of a place in the 1/8 finals";
  QTest::newRow("C") << false << 0 << "C" << "✓--✗" << 4 << "China can no longer reach the 1/8 finals";
  QTest::newRow("C in Spanish") << false << 1 << "C" << "✓--✗" << 1
                                << "Brasil tiene asegurado un puesto en octavos de final";
  QTest::newRow("D") << false << 0 << "D" << "---✗" << 4 << "Poland can no longer reach the 1/8 finals";
  QTest::newRow("E") << false << 0 << "E" << "---✗" << 1
                     << "Germany can still reach the 1/8 finals, but are not yet certain of it";
  QTest::newRow("F") << false << 0 << "F" << "---✗" << 4 << "Nigeria can no longer reach the 1/8 finals";
  // G: Mexico 6 can still end level with Italy and Croatia on 6.
  QTest::newRow("G") << false << 0 << "G" << "----" << 1
                     << "Mexico can still reach the 1/8 finals, but are not yet certain of it";
  QTest::newRow("H") << false << 0 << "H" << "----" << 4
                     << "Tunisia can still reach the 1/8 finals, but are not yet certain of it";
  QTest::newRow("A complete") << true << 0 << "A" << "✓✓✗✗" << 1 << "Denmark are certain to win Group A";
  QTest::newRow("A complete in French") << true << 2 << "A" << "✓✓✗✗" << 2
                                        << "Place en huitièmes de finale assurée pour Sénégal";
}

void TstOutlook::marksOfTheRealGroups()
{
  QFETCH(bool, complete);
  QFETCH(int, language);
  QFETCH(QString, group);
  QFETCH(QString, marks);
  QFETCH(int, place);
  QFETCH(QString, words);
  TGridDriver g;
  if (complete)
    PlayGroups(g);
  else
    PlayTwoMatchdays(g);
  g.choosePreferences(language);
  for (int r = 1; r <= 4; ++r) {
    const QString expected = marks.mid(r - 1, 1) == QLatin1String("-") ? QString() : marks.mid(r - 1, 1);
    QCOMPARE(g.text(QStringLiteral("G%1Qual%2").arg(group).arg(r)), expected);
  }
  QLabel *mark = g.label(QStringLiteral("G%1Qual%2").arg(group).arg(place));
  QCOMPARE(mark->toolTip(), words);
  QCOMPARE(mark->accessibleName(), words);
}

void TstOutlook::outlookWindow()
{
  TGridDriver g;
  PlayTwoMatchdays(g);
  // Emptying one side of a played match makes it remaining again.
  g.clear(QStringLiteral("GH41"));
  QStringList lines;
  QString margin;
  int rows = -1, chosen = -1;
  g.dialogs().onModal = [&](QDialog *dialog) {
    auto *form = qobject_cast<TOutlookForm *>(dialog);
    if (!form)
      return int(QDialog::Rejected);
    chosen = form->GroupCB->currentIndex();
    form->GroupCB->setCurrentIndex(7);
    lines = form->OutlookLbl->text().split(QLatin1Char('\n'));
    rows = form->ScenarioGrid->rowCount();
    // Tunisia beat Japan, Belgium beat Russia, Tunisia - Belgium a draw:
    // Japan and Tunisia level on 4 points for second place.
    for (int r = 0; r < rows; ++r)
      if (form->ScenarioGrid->item(r, 0)->text() == QLatin1String("draw") &&
          form->ScenarioGrid->item(r, 1)->text() == QLatin1String("Tunisia win") &&
          form->ScenarioGrid->item(r, 2)->text() == QLatin1String("Belgium win"))
        margin = form->ScenarioGrid->item(r, 3)->text();
    return int(QDialog::Accepted);
  };
  g.choosePreferences(LangEnglish, Brazil);
  g.form().menuItem(QStringLiteral("Outlook1"))->trigger();
  QCOMPARE(g.dialogs().modalWindows.last(), QStringLiteral("OutlookForm"));
  QCOMPARE(chosen, 2);
  QCOMPARE(rows, 27);
  QCOMPARE(lines.size(), 4);
  QCOMPARE(lines[0], QStringLiteral("Japan can still reach the 1/8 finals, but are not yet certain of it"));
  QCOMPARE(margin, QStringLiteral("out if Tunisia win by 2 or more"));
  g.choosePreferences(LangEnglish, NoTeam);
  g.form().menuItem(QStringLiteral("Outlook1"))->trigger();
  QCOMPARE(chosen, 0);
}

QTEST_MAIN(TstOutlook)
#include "tst_outlook.moc"
