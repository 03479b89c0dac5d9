// Builds the main window's grid from the fixture, seeding and bracket tables.

#include "app/gridBuild.h"

#include "app/brakkaMain.h"

#include "app/brakkaCommon.h"
#include "core/groups/fixtures.h"
#include "app/gridScroll.h"
#include "app/figureField.h"
#include "app/markLabel.h"
#include "app/tablePanel.h"
#include "app/teamColours.h"
#include "desktop/teamLabel.h"
#include "core/groups/groupTables.h"
#include "core/knockout/bracket.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>

namespace {

constexpr const char *TableColumns[8] = {"Pts", "P", "W", "T", "L", "GF", "GA", "PM"};
constexpr const char *TableHeadings[8] = {"Pts", "P", "W", "T", "L", "GF", "GA", "+/-"};
constexpr int TableHeadingX[8] = {84, 112, 130, 156, 179, 198, 219, 240};
constexpr int TableFieldX[8] = {82, 104, 127, 150, 172, 194, 216, 238};

// The knockout panels laid out alike: 1/8, 1/4 and 1/2 finals and third place.
struct TKnockoutPanel {
  const char *panel;
  int x, y, w, h;
  const char *prefix;
  int matches;
  int penaltyX;
  const char *caption;
};
constexpr TKnockoutPanel KnockoutPanels[4] = {
  {"GPFinal8", 560, 280, 145, 377, "Final8", 8, 112, "1/8 finals"},
  {"GPFinal4", 712, 280, 145, 209, "Final4", 4, 112, "1/4 finals"},
  {"GPFinal2", 864, 280, 137, 121, "Final2", 2, 110, "1/2 finals"},
  {"GPThird", 864, 408, 137, 81, "Third", 1, 110, "3rd Place"},
};

// A label in bold from the start, so that it is sized once, for its bold text.
QLabel *BoldLabel(QWidget *parent)
{
  auto *l = new QLabel(parent);
  SetBold(l, true);
  return l;
}

void setPixelFont(QWidget *w, int pixels, bool bold)
{
  QFont f = w->font();
  f.setPixelSize(pixels);
  f.setBold(bold);
  w->setFont(f);
}

}  // namespace

QFrame *TGridBuilder::addPanel(QWidget *parent, const char *name, int x, int y, int w, int h,
                            QFrame *panel)
{
  if (!panel)
    panel = new QFrame(parent);
  panel->setObjectName(QLatin1String(name));
  panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
  panel->setLineWidth(1);
  panel->setGeometry(x, y, w, h);
  return panel;
}

QLabel *TGridBuilder::addLabel(QWidget *parent, const QString &name, const QString &caption, int x,
                            int y, int w, int h)
{
  return placeLabel(new QLabel(parent), name, caption, x, y, w, h);
}

QLabel *TGridBuilder::addTeamLabel(QWidget *parent, const QString &name, const QString &caption,
                                int x, int y, int w, int h)
{
  auto *l = placeLabel(new TTeamLabel(parent), name, caption, x, y, w, h);
  l->installEventFilter(&Form);
  return l;
}

// The label is named before it takes its caption: from its first caption on,
// a screen reader knows it by the name its place on the grid gives it.
QLabel *TGridBuilder::placeLabel(QLabel *l, const QString &name, const QString &caption, int x, int y,
                              int w, int h)
{
  l->setObjectName(name);
  l->setTextFormat(Qt::PlainText);
  l->setText(caption);
  if (w < 0) {
    l->move(x, y);
    l->adjustSize();
  } else {
    l->setGeometry(x, y, w, h);
  }
  Form.Controls.labels.insert(name, l);
  return l;
}

QLineEdit *TGridBuilder::addScoreField(QWidget *parent, const QString &name, int x, int y, int w,
                                    int h, bool twoCharLimit)
{
  auto *f = new TFigureField(parent);
  f->setObjectName(name);
  f->setGeometry(x, y, w, h);
  f->setAlignment(Qt::AlignCenter);
  f->setAcceptDrops(false);
  f->setAttribute(Qt::WA_InputMethodEnabled, false);
  f->installEventFilter(&Form);
  // Whatever changes the text (a key, a paste, a cut) hands it to the engine;
  // the window's own writes of the engine's texts change nothing there.
  TField id;
  if (FieldByName(name, id))
    QObject::connect(f, &QLineEdit::textChanged, &Form, [form = &Form, id] { form->fieldEdited(id); });
  Form.Controls.fields.insert(name, f);
  Form.Controls.twoCharLimit.insert(f, twoCharLimit);
  return f;
}

QLineEdit *TGridBuilder::addTableField(QWidget *parent, const QString &name, int x, int y)
{
  auto *f = new TFigureField(parent);
  f->setObjectName(name);
  f->setText(QStringLiteral("0"));
  f->setGeometry(x, y, 20, 17);
  f->setReadOnly(true);
  f->setFocusPolicy(Qt::NoFocus);   // the table panel is the keyboard's stop
  f->setAlignment(Qt::AlignCenter);
  Form.Controls.fields.insert(name, f);
  return f;
}

QPushButton *TGridBuilder::addDelButton(QWidget *parent, const char *name, int stage, int panelWidth)
{
  auto *b = new QPushButton(QStringLiteral("x"), parent);
  b->setObjectName(QLatin1String(name));
  b->setGeometry(panelWidth - 16, 0, 15, 15);
  b->setFocusPolicy(Qt::ClickFocus);
  QFont f = b->font();
  f.setBold(true);
  b->setFont(f);
  QObject::connect(b, &QPushButton::clicked, &Form, [form = &Form, stage] { form->DelButtonClick(stage); });
  Form.Controls.buttons.insert(QLatin1String(name), b);
  return b;
}

void TGridBuilder::buildGroupPanel(int group, QWidget *parent)
{
  const QChar letter = GroupLetter(group);
  const QByteArray panelName = QStringLiteral("GroupPanel%1").arg(letter).toLatin1();
  const int x = group < 4 ? 16 + 120 * group : 528 + 120 * (group - 4);
  QFrame *panel = addPanel(parent, panelName.constData(), x, 0, 113, 273);

  placeLabel(BoldLabel(panel), QStringLiteral("Group%1Lbl").arg(letter),
             QStringLiteral("Group %1").arg(letter), 6, 3, -1, -1);
  const QByteArray delName = QStringLiteral("Group%1DelButton").arg(letter).toLatin1();
  addDelButton(panel, delName.constData(), group, 113);

  // Rows top to bottom, so that the keyboard order follows them.
  const TGroupFixtures &fixtures = GroupFixtures(group);
  for (int row = 1; row <= MatchesPerGroup; ++row) {
    for (int m = 0; m < MatchesPerGroup; ++m) {
      const TGroupMatch &match = fixtures[m];
      if (match.row != row)
        continue;
      const int top = 20 + 40 * (row - 1);
      const int upper = match.side2Above ? 2 : 1;
      for (int entry = 0; entry < 2; ++entry) {
        const int side = entry == 0 ? upper : 3 - upper;
        const TTeam team = side == 1 ? match.side1 : match.side2;
        addScoreField(panel, GroupFieldName(group, m + 1, side), 80, top + 18 * entry, 20, 18, true);
        addTeamLabel(panel, GroupMatchLabelName(group, m + 1, side), TeamNameIn(LangEnglish, team), 8,
                     top + 4 + 16 * entry, 70, 13);
      }
    }
  }
}

void TGridBuilder::buildTablePanel(int group, QWidget *parent)
{
  const QChar letter = GroupLetter(group);
  const QByteArray panelName = QStringLiteral("GPStand%1").arg(letter).toLatin1();
  QFrame *panel = addPanel(parent, panelName.constData(), group < 4 ? 16 : 288,
                           280 + 104 * (group % 4), 265, 97, new TTablePanel(parent));

  placeLabel(BoldLabel(panel), QStringLiteral("Group%1StandLbl").arg(letter),
             QStringLiteral("Group %1").arg(letter), 6, 3, -1, -1);
  for (int c = 0; c < 8; ++c) {
    addLabel(panel, QStringLiteral("G%1%2Lbl").arg(letter).arg(QLatin1String(TableColumns[c])),
             QLatin1String(TableHeadings[c]), TableHeadingX[c], 8);
  }
  const TGroupSeeding &seeding = GroupSeeding(group);
  for (int r = 1; r <= 4; ++r) {
    const int top = 24 + 16 * (r - 1);
    addLabel(panel, QStringLiteral("G%1Place%2Lbl").arg(letter).arg(r), QStringLiteral("%1.").arg(r),
             6, top);
    QLabel *name = addTeamLabel(panel, GroupTableName(group, "Name", r),
                                TeamNameIn(LangEnglish, seeding.initialOrder[r - 1]), 16, top, 62, 13);
    SetBold(name, r <= 2);
    for (int c = 0; c < 8; ++c)
      addTableField(panel, GroupTableName(group, TableColumns[c], r), TableFieldX[c], top - 1);
    // The six pixels right of the goal difference: the sign is drawn to fit.
    QLabel *mark = placeLabel(new TMarkLabel(panel), GroupTableName(group, "Qual", r), QString(),
                              TableFieldX[7] + 20, top, 6, 13);
    setPixelFont(mark, 13, true);
  }
}

void TGridBuilder::buildKnockoutPanels(QWidget *parent)
{
  // The initial 1/8-final names: places 1 and 2 of each group's initial order.
  QHash<QString, QString> seeded;
  for (int g = 0; g < GroupCount; ++g) {
    const TGroupSeeding &s = GroupSeeding(g);
    seeded.insert(KnockoutName("Final8", s.winner.match, s.winner.side, "Lbl"),
                  TeamNameIn(LangEnglish, s.initialOrder[0]));
    seeded.insert(KnockoutName("Final8", s.runnerUp.match, s.runnerUp.side, "Lbl"),
                  TeamNameIn(LangEnglish, s.initialOrder[1]));
  }

  const char *delButtons[4] = {"Final8DelButton", "Final4DelButton", "Final2DelButton",
                               "ThirdDelButton"};
  for (int p = 0; p < 4; ++p) {
    const TKnockoutPanel &kp = KnockoutPanels[p];
    QFrame *panel = addPanel(parent, kp.panel, kp.x, kp.y, kp.w, kp.h);
    placeLabel(BoldLabel(panel), QStringLiteral("%1Lbl").arg(QLatin1String(kp.prefix)),
               QLatin1String(kp.caption), 6, 3, -1, -1);
    QLabel *pen = addLabel(panel, QStringLiteral("%1PKLbl").arg(QLatin1String(kp.prefix)),
                           QStringLiteral("Pen."), kp.penaltyX - 1, 20);
    const bool isThird = p == 3;
    pen->setEnabled(!isThird);
    addDelButton(panel, delButtons[p], GroupCount + p, kp.w);

    const bool firstStage = p == 0;
    for (int k = 1; k <= kp.matches; ++k) {
      const int top = 36 + 40 * (k - 1);
      QLineEdit *pens[2];
      QLineEdit *scores[2];
      for (int s = 1; s <= 2; ++s) {
        QLineEdit *score = scores[s - 1] = addScoreField(panel, KnockoutName(kp.prefix, k, s), 85,
                                         top + 18 * (s - 1), 20, 18, true);
        score->setEnabled(firstStage);
        pens[s - 1] = addScoreField(panel, KnockoutName(kp.prefix, k, s, "pk"), kp.penaltyX,
                                    top + 18 * (s - 1), 20, 18, true);
        pens[s - 1]->hide();
        const QString labelName = KnockoutName(kp.prefix, k, s, "Lbl");
        QLabel *team = addTeamLabel(panel, labelName, firstStage ? seeded.value(labelName) : Placeholder,
                                    8, top + 4 + 16 * (s - 1), 72, 13);
        team->setEnabled(firstStage);
      }
      // Both scores first: a level score shows the penalty fields, which
      // the keyboard then reaches in turn.
      QWidget::setTabOrder(scores[0], scores[1]);
      QWidget::setTabOrder(scores[1], pens[0]);
      QWidget::setTabOrder(pens[0], pens[1]);
    }
  }

  // The final.
  QFrame *panel = addPanel(parent, "GPFinal", 712, 496, 289, 105);
  placeLabel(BoldLabel(panel), QStringLiteral("FinalLbl"), QStringLiteral("Final"), 6, 3, -1, -1);
  addDelButton(panel, "FinalDelButton", GroupCount + 4, 289);
  QLabel *pen =
      placeLabel(BoldLabel(panel), QStringLiteral("FinalPKLbl"), QStringLiteral("Pen."), 112, 56, -1, -1);
  pen->setEnabled(false);
  for (int s = 1; s <= 2; ++s) {
    QLabel *team = addTeamLabel(panel, KnockoutName("Final", 1, s, "Lbl"), Placeholder,
                                s == 1 ? 16 : 144, 24, 121, 20);
    team->setAlignment(Qt::AlignCenter);
    setPixelFont(team, 16, true);
    team->setEnabled(false);
  }
  for (int s = 1; s <= 2; ++s) {
    QLineEdit *score = addScoreField(panel, KnockoutName("Final", 1, s), s == 1 ? 64 : 192, 47,
                                     25, 21, false);
    score->setEnabled(false);
  }
  for (int s = 1; s <= 2; ++s) {
    QLineEdit *pk = addScoreField(panel, KnockoutName("Final", 1, s, "pk"), s == 1 ? 112 : 144, 71,
                                  25, 21, false);
    pk->hide();
  }
}

void TGridBuilder::build()
{
  auto *central = new QWidget(&Form);
  central->setObjectName(QStringLiteral("MainClient"));
  Form.Controls.grid = central;

  for (int g = 0; g < 4; ++g)
    buildGroupPanel(g, central);
  addPanel(central, "Panel21", 496, 0, 25, 273);
  for (int g = 4; g < GroupCount; ++g)
    buildGroupPanel(g, central);
  for (int g = 0; g < GroupCount; ++g)
    buildTablePanel(g, central);
  buildKnockoutPanels(central);

  QLabel *championLbl = addLabel(central, QStringLiteral("ChampionLbl"), QStringLiteral("Champion:"),
                                 712, 607, 289, 29);
  championLbl->setAlignment(Qt::AlignCenter);
  setPixelFont(championLbl, 24, true);
  QLabel *champion = addTeamLabel(central, QStringLiteral("Champion"), Placeholder, 712, 640, 289, 49);
  champion->setAlignment(Qt::AlignCenter);
  setPixelFont(champion, 32, true);
  QPalette red = champion->palette();
  red.setColor(QPalette::WindowText, QColor(255, 0, 0));
  champion->setPalette(red);
  champion->setMouseTracking(true);
  // A keyboard stop of its own: Enter or Space opens the celebration, and a
  // screen reader says who won, or that the final decides it.
  champion->setFocusPolicy(Qt::StrongFocus);

  struct TCommand {
    const char *name;
    const char *caption;
    int x;
    void (TMainForm::*handler)();
  };
  // Keyboard order: Save, Exit, Clear All.
  const TCommand commands[3] = {
    {"SaveButton", "&Save", 608, &TMainForm::SaveButtonClick},
    {"OKButton", "&Exit", 657, &TMainForm::OKButtonClick},
    {"ClearAllButton", "&Clear All", 559, &TMainForm::ClearAllButtonClick},
  };
  for (const TCommand &c : commands) {
    auto *b = new QPushButton(QLatin1String(c.caption), central);
    b->setObjectName(QLatin1String(c.name));
    b->setGeometry(c.x, 664, 49, 25);
    QObject::connect(b, &QPushButton::clicked, &Form, c.handler);
    Form.Controls.buttons.insert(QLatin1String(c.name), b);
  }

  QLabel *printFont = addLabel(central, QStringLiteral("PrintFontLbl"), QStringLiteral("For Setting the Printer Font"),
                               0, 112, 17, 13);
  QFont fixed(QStringLiteral("DejaVu Sans Mono"));
  fixed.setStyleHint(QFont::TypeWriter);
  fixed.setPixelSize(12);
  printFont->setFont(fixed);
  printFont->hide();

  // The grid keeps the size its panels and buttons span; a window smaller
  // than that scrolls, with no border taking pixels from a full screen.
  QRect span;
  for (QWidget *w : central->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
    if (!w->isHidden())
      span |= w->geometry();
  }
  central->setFixedSize(span.right() + 1, span.bottom() + 1);
  Form.Controls.scroll = new TGridScroll(&Form);
  Form.Controls.scroll->setObjectName(QStringLiteral("GridScroll"));
  Form.Controls.scroll->setFrameShape(QFrame::NoFrame);
  Form.Controls.scroll->setFocusPolicy(Qt::NoFocus);   // no tab stop of its own
  Form.Controls.scroll->setWidget(central);
  Form.setCentralWidget(Form.Controls.scroll);
  // Whatever takes the focus, by keyboard or by the program, is scrolled
  // wholly into view (a field, not only its text cursor).
  QObject::connect(qApp, &QApplication::focusChanged, &Form, [form = &Form](QWidget *, QWidget *now) {
    if (!now || !form->Controls.grid->isAncestorOf(now))
      return;
    const QRect at(now->mapTo(form->Controls.grid, QPoint()), now->size());
    form->Controls.scroll->ensureVisible(at.center().x(), at.center().y(), at.width() / 2 + 8,
                                         at.height() / 2 + 8);
  });
  resolveControls();
}

void TGridBuilder::resolveControls()
{
  for (int i = 0; i < FieldCount; ++i)
    Form.Controls.fieldById[std::size_t(i)] = Form.field(FieldName(TField(i)));
  for (int i = 0; i < LabelCount; ++i)
    Form.Controls.labelById[std::size_t(i)] = Form.label(LabelName(TLabel(i)));

  Form.Colours = std::make_unique<TTeamColours>(Form.Controls.grid);
}
