#include "app/gridView.h"

#include "app/accessibility.h"
#include "app/brakkaCommon.h"
#include "app/teamColours.h"
#include "core/document/document.h"
#include "core/i18n/texts.h"
#include "core/schedule/calendar.h"
#include "core/schedule/regional.h"
#include "groups/outlookForm.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

// What each clear button clears, for a screen reader.
constexpr TText ClearWords[KnockoutCount + 1] = {
  TText::AccessClearGroup,  TText::AccessClearFinal8, TText::AccessClearFinal4,
  TText::AccessClearFinal2, TText::AccessClearThird,  TText::AccessClearFinal,
};

}  // namespace

TGridView::TGridView(TDocument &document, TGridControls &controls, std::shared_ptr<TRegionalFormats> formats,
                     QObject *parent)
    : QObject(parent), Document(document), Controls(controls), Formats(std::move(formats)),
      Colours(std::make_unique<TTeamColours>(controls.grid))
{
  connect(&Document, &TDocument::changed, this, &TGridView::changed);
}

TGridView::~TGridView() = default;

void TGridView::changed(const TDocumentChange &change)
{
  // A change of language is shown by applyLanguage, whose caller knows it.
  if (change.tournament.any() && !change.preferences)
    showTournament(change.tournament);
}

void TGridView::showTournament(const TTournament::TChanges &changes)
{
  ShowTournament(Grid, Document.tournament(), Document.names().teams, changes);
  writeControls();
  // A field the user typed in shows what was typed; the rules may have
  // changed it again since (a shoot-out closed, a slot emptied), so the
  // fields of every match that changed show the document's texts.
  auto showText = [this](TField f) {
    QLineEdit *w = Controls.field(f);
    const QString &text = Document.tournament().text(f);
    if (w->text() != text)
      w->setText(text);
  };
  for (std::size_t i = 0; i < std::size_t(MatchCount); ++i) {
    if (!changes.matches.test(i))
      continue;
    const TMatch match = TMatch(i);
    for (int s = 0; s < 2; ++s) {
      showText(ScoreField(match, s));
      if (!IsGroupMatch(match))
        showText(PenaltyField(match, s));
    }
  }
  // The marks' hints say what the outlook means for the team at each place.
  for (int g = 0; g < GroupCount; ++g)
    if (changes.groups.test(std::size_t(g)))
      writeMarkHints(g);
  highlightFavourite();
}

// Each control that shows something else now: its text when it differs from
// the control's own, which the user may have typed; its flags when they
// changed.
void TGridView::writeControls()
{
  const TGrid::TChanges changes = Grid.takeMarks();
  for (std::size_t i = 0; i < std::size_t(FieldCount); ++i) {
    QLineEdit *w = Controls.fields[i];
    const TFieldState &s = Grid.field(TGridField(i));
    if (changes.fields.test(i) && w->text() != s.text)
      w->setText(s.text);
    if (changes.enabledFields.test(i))
      w->setEnabled(s.enabled);
    if (changes.hiddenFields.test(i))
      w->setVisible(!s.hidden);
  }
  for (std::size_t i = 0; i < std::size_t(TournamentLabelCount); ++i) {
    QLabel *w = Controls.labels[i];
    const TLabelState &s = Grid.label(TLabel(i));
    if (changes.labels.test(i) && w->text() != s.caption)
      w->setText(s.caption);
    if (changes.boldLabels.test(i))
      SetBold(w, s.bold);
    if (changes.enabledLabels.test(i))
      w->setEnabled(s.enabled);
  }
}

void TGridView::applyLanguage()
{
  const int language = Document.preferences().language;
  writeMatchHints();

  // Group and stage titles, and the table headings: each label takes the
  // width of its new text. A label already showing the text has its width.
  auto caption = [this](TLabel id, const QString &text) {
    QLabel *l = Controls.label(id);
    if (l->text() == text)
      return;
    l->setText(text);
    l->adjustSize();
  };
  for (int g = 0; g < GroupCount; ++g) {
    const QString title = GroupTitle(language, g);
    caption(GroupTitleLabel(g), title);
    caption(TableTitleLabel(g), title);
    for (int c = 0; c < TableColumnCount; ++c)
      caption(TableHeadingLabel(g, c), TableHeading(language, c));
  }
  for (int stage = 0; stage < KnockoutCount; ++stage)
    caption(StageTitleLabel(stage), KnockoutTitle(language, stage));
  Controls.label(ChampionTitleLabel())->setText(TextIn(language, TText::ChampionText));

  // The buttons, and what the panels and clear buttons are called.
  Controls.button(SaveButton())->setText(TextIn(language, TText::Save1));
  Controls.button(ExitButton())->setText(TextIn(language, TText::OKButton));
  Controls.button(ClearAllButton())->setText(TextIn(language, TText::ClearAllButton));
  Controls.button(ClearAllButton())->setToolTip(TextIn(language, TText::ClearAllScoresHint));
  for (int stage = 0; stage < StageCount; ++stage) {
    QPushButton *clear = Controls.button(ClearButton(stage));
    clear->setToolTip(TextIn(language, TText::ClearScoresHint));
    const int words = stage < GroupCount ? 0 : stage - GroupCount + 1;
    clear->setAccessibleName(stage < GroupCount
                                 ? TextIn(language, ClearWords[words]).arg(GroupLetter(stage))
                                 : TextIn(language, ClearWords[words]));
  }
  for (int g = 0; g < GroupCount; ++g) {
    const QString title = GroupTitle(language, g);
    Controls.panel(GroupPanel(g))->setAccessibleName(title);
    Controls.panel(TablePanel(g))->setAccessibleName(TextIn(language, TText::AccessTableOf).arg(title));
  }
  for (int stage = 0; stage < KnockoutCount; ++stage)
    Controls.panel(StagePanel(stage))->setAccessibleName(Controls.label(StageTitleLabel(stage))->text());

  // The team names, and the outlook of each place in words.
  showTournament(TTournament::TChanges::all());
}

void TGridView::writeMarkHints(int group)
{
  const int language = Document.preferences().language;
  const TGroupState &state = Document.tournament().group(group);
  for (int r = 0; r < TeamsPerGroup; ++r) {
    QLabel *mark = Controls.label(MarkLabel(group, r));
    const QString words = OutlookWords(language, state.outlook[std::size_t(r)],
                                       ShownTeam(Document.names().teams, state.table[std::size_t(r)].TeamName),
                                       GroupTitle(language, group));
    if (mark->toolTip() != words) {
      mark->setToolTip(words);
      mark->setAccessibleName(words);
    }
  }
}

// The team names of every match carry its venue and kick-off as a hint;
// Shift+F1 shows it for a focused name or one of its match's fields.
void TGridView::writeMatchHints()
{
  // Formatting the 64 kick-offs is most of the work of a change of language
  // and of loading: with the same language and time zone every hint would
  // be written with the text it already shows.
  const TPreferences &prefs = Document.preferences();
  if (HintSource.language == prefs.language && HintSource.timeZoneOffset == prefs.timeZoneOffset)
    return;
  HintSource = {prefs.language, prefs.timeZoneOffset};
  const auto kickoffs = KickoffTexts(FormatsOrSystem(Formats.get()), prefs.timeZoneOffset);
  for (int n = 0; n < MatchCount; ++n) {
    const TCalendarMatch &entry = MatchCalendar()[std::size_t(n)];
    const QString hint = Document.names().venues[std::size_t(entry.venue)] + QLatin1Char('\n') + kickoffs[std::size_t(n)];
    for (int s = 0; s < 2; ++s) {
      QLabel *team = Controls.label(TeamLabel(entry.match, s));
      team->setToolTip(hint);
      team->setWhatsThis(hint);
      Controls.field(ScoreField(entry.match, s))->setWhatsThis(hint);
      if (!IsGroupMatch(entry.match))
        Controls.field(PenaltyField(entry.match, s))->setWhatsThis(hint);
    }
  }
}

void TGridView::highlightFavourite()
{
  Colours->showFavourite(Document.names().favourite);
  AnnounceGridChanges(Controls.grid->window());   // each change of the grid ends here
}

void TGridView::highlightTeam(const QString &name) { Colours->showPressed(name, Document.names().favourite); }
