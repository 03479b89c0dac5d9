// Builds the main window's grid from the fixture, seeding and bracket tables.

#include "app/gridBuild.h"

#include "app/brakkaCommon.h"
#include "core/groups/fixtures.h"
#include "app/gridScroll.h"
#include "app/figureField.h"
#include "app/markLabel.h"
#include "app/tablePanel.h"
#include "desktop/teamLabel.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QScrollArea>

namespace {

constexpr const char *TableHeadings[8] = {"Pts", "P", "W", "T", "L", "GF", "GA", "+/-"};
constexpr int TableHeadingX[8] = {84, 112, 130, 156, 179, 198, 219, 240};
constexpr int TableFieldX[8] = {82, 104, 127, 150, 172, 194, 216, 238};

// The knockout panels laid out alike: 1/8, 1/4 and 1/2 finals and third place.
struct TKnockoutPanel {
  int x, y, w, h;
  int penaltyX;
  const char *caption;
};
constexpr TKnockoutPanel KnockoutPanels[4] = {
  {560, 280, 145, 377, 112, "1/8 finals"},
  {712, 280, 145, 209, 112, "1/4 finals"},
  {864, 280, 137, 121, 110, "1/2 finals"},
  {864, 408, 137, 81, 110, "3rd Place"},
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

QFrame *TGridBuilder::addPanel(QWidget *parent, TPanel id, int x, int y, int w, int h, QFrame *panel)
{
  if (!panel)
    panel = new QFrame(parent);
  panel->setObjectName(PanelName(id));
  panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
  panel->setLineWidth(1);
  panel->setGeometry(x, y, w, h);
  Controls.add({TControlId::Panel, std::uint16_t(Index(id))}, panel);
  return panel;
}

QLabel *TGridBuilder::addLabel(QWidget *parent, TLabel id, const QString &caption, int x, int y, int w, int h)
{
  return placeLabel(new QLabel(parent), id, caption, x, y, w, h);
}

QLabel *TGridBuilder::addTeamLabel(QWidget *parent, TLabel id, const QString &caption, int x, int y, int w, int h)
{
  auto *l = placeLabel(new TTeamLabel(parent), id, caption, x, y, w, h);
  l->installEventFilter(Handlers.input);
  return l;
}

// The label is put into the table before it takes its caption: from its
// first caption on, a screen reader knows it by the name its place on the
// grid gives it.
QLabel *TGridBuilder::placeLabel(QLabel *l, TLabel id, const QString &caption, int x, int y, int w, int h)
{
  l->setObjectName(LabelName(id));
  Controls.add({TControlId::Label, std::uint16_t(Index(id))}, l);
  l->setTextFormat(Qt::PlainText);
  l->setText(caption);
  if (w < 0) {
    l->move(x, y);
    l->adjustSize();
  } else {
    l->setGeometry(x, y, w, h);
  }
  return l;
}

QLineEdit *TGridBuilder::addScoreField(QWidget *parent, TField id, int x, int y, int w, int h)
{
  auto *f = new TFigureField(parent);
  f->setObjectName(FieldName(id));
  Controls.add({TControlId::Field, std::uint16_t(Index(id))}, f);
  f->setGeometry(x, y, w, h);
  f->setAlignment(Qt::AlignCenter);
  f->setAcceptDrops(false);
  f->setAttribute(Qt::WA_InputMethodEnabled, false);
  f->installEventFilter(Handlers.input);
  // Whatever changes the text (a key, a paste, a cut) hands it to the
  // document; the window's own writes of the document's texts change
  // nothing there.
  QObject::connect(f, &QLineEdit::textChanged, Handlers.owner, [edited = Handlers.edited, id] { edited(id); });
  return f;
}

QLineEdit *TGridBuilder::addTableField(QWidget *parent, TGridField id, int x, int y)
{
  auto *f = new TFigureField(parent);
  f->setObjectName(FieldName(id));
  Controls.add({TControlId::Field, std::uint16_t(Index(id))}, f);
  f->setText(QStringLiteral("0"));
  f->setGeometry(x, y, 20, 17);
  f->setReadOnly(true);
  f->setFocusPolicy(Qt::NoFocus);   // the table panel is the keyboard's stop
  f->setAlignment(Qt::AlignCenter);
  return f;
}

QPushButton *TGridBuilder::addButton(QWidget *parent, TButton id, const QString &caption)
{
  auto *b = new QPushButton(caption, parent);
  b->setObjectName(ButtonName(id));
  Controls.add({TControlId::Button, std::uint16_t(Index(id))}, b);
  QObject::connect(b, &QPushButton::clicked, Handlers.owner, [pressed = Handlers.pressed, id] { pressed(id); });
  return b;
}

QPushButton *TGridBuilder::addDelButton(QWidget *parent, int stage, int panelWidth)
{
  QPushButton *b = addButton(parent, ClearButton(stage), QStringLiteral("x"));
  b->setGeometry(panelWidth - 16, 0, 15, 15);
  b->setFocusPolicy(Qt::ClickFocus);
  QFont f = b->font();
  f.setBold(true);
  b->setFont(f);
  return b;
}

void TGridBuilder::buildGroupPanel(int group, QWidget *parent)
{
  const int x = group < 4 ? 16 + 120 * group : 528 + 120 * (group - 4);
  QFrame *panel = addPanel(parent, GroupPanel(group), x, 0, 113, 273);

  placeLabel(BoldLabel(panel), GroupTitleLabel(group), QStringLiteral("Group %1").arg(GroupLetter(group)),
             6, 3, -1, -1);
  addDelButton(panel, group, 113);

  // Rows top to bottom, so that the keyboard order follows them.
  const TGroupFixtures &fixtures = GroupFixtures(group);
  for (int row = 1; row <= MatchesPerGroup; ++row) {
    for (int m = 0; m < MatchesPerGroup; ++m) {
      const TGroupMatch &match = fixtures[m];
      if (match.row != row)
        continue;
      const int top = 20 + 40 * (row - 1);
      const int upper = match.side2Above ? 1 : 0;
      for (int entry = 0; entry < 2; ++entry) {
        const int side = entry == 0 ? upper : 1 - upper;
        addScoreField(panel, GroupScoreField(group, m, side), 80, top + 18 * entry, 20, 18);
        addTeamLabel(panel, GroupMatchLabel(group, m, side), QString(), 8, top + 4 + 16 * entry, 70, 13);
      }
    }
  }
}

void TGridBuilder::buildTablePanel(int group, QWidget *parent)
{
  QFrame *panel = addPanel(parent, TablePanel(group), group < 4 ? 16 : 288, 280 + 104 * (group % 4), 265,
                           97, new TTablePanel(parent));

  placeLabel(BoldLabel(panel), TableTitleLabel(group), QStringLiteral("Group %1").arg(GroupLetter(group)),
             6, 3, -1, -1);
  for (int c = 0; c < TableColumnCount; ++c)
    addLabel(panel, TableHeadingLabel(group, c), QLatin1String(TableHeadings[c]), TableHeadingX[c], 8);
  for (int r = 0; r < TeamsPerGroup; ++r) {
    const int top = 24 + 16 * r;
    addLabel(panel, PlaceLabel(group, r), QStringLiteral("%1.").arg(r + 1), 6, top);
    QLabel *name = addTeamLabel(panel, TableNameLabel(group, r), QString(), 16, top, 62, 13);
    SetBold(name, r < 2);
    for (int c = 0; c < TableColumnCount; ++c)
      addTableField(panel, TableField(group, r, c), TableFieldX[c], top - 1);
    // The six pixels right of the goal difference: the sign is drawn to fit.
    QLabel *mark = placeLabel(new TMarkLabel(panel), MarkLabel(group, r), QString(), TableFieldX[7] + 20,
                              top, 6, 13);
    setPixelFont(mark, 13, true);
  }
}

void TGridBuilder::buildKnockoutPanels(QWidget *parent)
{
  for (int p = 0; p < 4; ++p) {
    const TKnockoutPanel &kp = KnockoutPanels[p];
    QFrame *panel = addPanel(parent, StagePanel(p), kp.x, kp.y, kp.w, kp.h);
    placeLabel(BoldLabel(panel), StageTitleLabel(p), QLatin1String(kp.caption), 6, 3, -1, -1);
    addLabel(panel, PenaltyHeadingLabel(p), QStringLiteral("Pen."), kp.penaltyX - 1, 20);
    addDelButton(panel, GroupCount + p, kp.w);

    for (int k = 0; k < KnockoutStage(p).matches; ++k) {
      const int top = 36 + 40 * k;
      QLineEdit *pens[2];
      QLineEdit *scores[2];
      for (int s = 0; s < 2; ++s) {
        scores[s] = addScoreField(panel, KnockoutScoreField(p, k, s), 85, top + 18 * s, 20, 18);
        pens[s] = addScoreField(panel, PenaltyField(p, k, s), kp.penaltyX, top + 18 * s, 20, 18);
        addTeamLabel(panel, KnockoutTeamLabel(p, k, s), QString(), 8, top + 4 + 16 * s, 72, 13);
      }
      // Both scores first: a level score shows the penalty fields, which
      // the keyboard then reaches in turn.
      QWidget::setTabOrder(scores[0], scores[1]);
      QWidget::setTabOrder(scores[1], pens[0]);
      QWidget::setTabOrder(pens[0], pens[1]);
    }
  }

  // The final.
  QFrame *panel = addPanel(parent, StagePanel(TheFinal), 712, 496, 289, 105);
  placeLabel(BoldLabel(panel), StageTitleLabel(TheFinal), QStringLiteral("Final"), 6, 3, -1, -1);
  addDelButton(panel, GroupCount + TheFinal, 289);
  placeLabel(BoldLabel(panel), PenaltyHeadingLabel(TheFinal), QStringLiteral("Pen."), 112, 56, -1, -1);
  for (int s = 0; s < 2; ++s) {
    QLabel *team = addTeamLabel(panel, KnockoutTeamLabel(TheFinal, 0, s), QString(), s == 0 ? 16 : 144, 24,
                                121, 20);
    team->setAlignment(Qt::AlignCenter);
    setPixelFont(team, 16, true);
  }
  for (int s = 0; s < 2; ++s)
    addScoreField(panel, KnockoutScoreField(TheFinal, 0, s), s == 0 ? 64 : 192, 47, 25, 21);
  for (int s = 0; s < 2; ++s)
    addScoreField(panel, PenaltyField(TheFinal, 0, s), s == 0 ? 112 : 144, 71, 25, 21);
}

// Every control is built as a control shows by default (shown, enabled,
// not bold): the grid's view then gives each the state the tournament asks.
void TGridBuilder::build(QMainWindow &window)
{
  auto *central = new QWidget(&window);
  central->setObjectName(QStringLiteral("MainClient"));
  Controls.grid = central;

  for (int g = 0; g < 4; ++g)
    buildGroupPanel(g, central);
  addPanel(central, StripPanel(), 496, 0, 25, 273);
  for (int g = 4; g < GroupCount; ++g)
    buildGroupPanel(g, central);
  for (int g = 0; g < GroupCount; ++g)
    buildTablePanel(g, central);
  buildKnockoutPanels(central);

  QLabel *championLbl = addLabel(central, ChampionTitleLabel(), QStringLiteral("Champion:"), 712, 607, 289, 29);
  championLbl->setAlignment(Qt::AlignCenter);
  setPixelFont(championLbl, 24, true);
  QLabel *champion = addTeamLabel(central, ChampionLabel(), QString(), 712, 640, 289, 49);
  champion->setAlignment(Qt::AlignCenter);
  setPixelFont(champion, 32, true);
  QPalette red = champion->palette();
  red.setColor(QPalette::WindowText, QColor(255, 0, 0));
  champion->setPalette(red);
  champion->setMouseTracking(true);
  // A keyboard stop of its own: Enter or Space opens the celebration, and a
  // screen reader says who won, or that the final decides it.
  champion->setFocusPolicy(Qt::StrongFocus);

  // Keyboard order: Save, Exit, Clear All.
  const struct {
    TButton id;
    const char *caption;
    int x;
  } commands[3] = {{SaveButton(), "&Save", 608}, {ExitButton(), "&Exit", 657}, {ClearAllButton(), "&Clear All", 559}};
  for (const auto &c : commands)
    addButton(central, c.id, QLatin1String(c.caption))->setGeometry(c.x, 664, 49, 25);

  QLabel *printFont = addLabel(central, PrintFontLabel(), QStringLiteral("For Setting the Printer Font"), 0, 112, 17, 13);
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
  QScrollArea *scroll = Controls.scroll = new TGridScroll(&window);
  scroll->setObjectName(QStringLiteral("GridScroll"));
  scroll->setFrameShape(QFrame::NoFrame);
  scroll->setFocusPolicy(Qt::NoFocus);   // no tab stop of its own
  scroll->setWidget(central);
  window.setCentralWidget(scroll);
  // Whatever takes the focus, by keyboard or by the program, is scrolled
  // wholly into view (a field, not only its text cursor).
  QObject::connect(qApp, &QApplication::focusChanged, &window, [scroll, central](QWidget *, QWidget *now) {
    if (!now || !central->isAncestorOf(now))
      return;
    const QRect at(now->mapTo(central, QPoint()), now->size());
    scroll->ensureVisible(at.center().x(), at.center().y(), at.width() / 2 + 8, at.height() / 2 + 8);
  });
}
