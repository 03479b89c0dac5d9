#include "app/gridState.h"

namespace {

// Writes a value; marks the control changed when it was another.
template <typename T, std::size_t N>
bool Change(T &now, const T &value, std::bitset<N> &changed, std::size_t index)
{
  if (now == value)
    return false;
  now = value;
  changed.set(index);
  return true;
}

}  // namespace

bool TGrid::writeText(TGridField f, const QString &text)
{
  QString &now = Fields[Index(f)].text;
  if (SameText(now, text))
    return false;
  now = text;
  Changed.fields.set(Index(f));
  return true;
}

bool TGrid::setEnabled(TGridField f, bool on)
{
  return Change(Fields[Index(f)].enabled, on, Changed.enabledFields, Index(f));
}

bool TGrid::setHidden(TGridField f, bool on)
{
  return Change(Fields[Index(f)].hidden, on, Changed.hiddenFields, Index(f));
}

bool TGrid::setCaption(TLabel l, const QString &caption)
{
  QString &now = Labels[Index(l)].caption;
  if (SameText(now, caption))
    return false;
  now = caption;
  Changed.labels.set(Index(l));
  return true;
}

bool TGrid::setBold(TLabel l, bool on)
{
  return Change(Labels[Index(l)].bold, on, Changed.boldLabels, Index(l));
}

bool TGrid::setEnabled(TLabel l, bool on)
{
  return Change(Labels[Index(l)].enabled, on, Changed.enabledLabels, Index(l));
}

TGrid::TChanges TGrid::takeChanges()
{
  TChanges taken = Changed;
  Changed = TChanges();
  return taken;
}

void ShowTournament(TGrid &grid, const TTournament &tournament, const TTeamNameList &names,
                    const TTournament::TChanges &changed)
{
  static const QString PenaltyHeading = QStringLiteral("Pen.");
  for (int i = 0; i < MatchCount; ++i) {
    if (!changed.matches.test(std::size_t(i)))
      continue;
    const TMatch id = TMatch(i);
    const TMatchState &m = tournament.match(id);
    const TMatchPlace &place = MatchPlace(id);
    for (int s = 0; s < 2; ++s) {
      const TGridField score = GridField(ScoreField(id, s));
      const TLabel team = TeamLabel(id, s);
      grid.writeText(score, m.goals[std::size_t(s)]);
      grid.setCaption(team, ShownTeam(names, m.teams[std::size_t(s)]));
      if (place.group >= 0)
        continue;
      // A knockout slot: open once its team is known, in bold for the
      // winner (the final's teams always).
      grid.setEnabled(score, m.open[std::size_t(s)]);
      grid.setEnabled(team, m.open[std::size_t(s)]);
      grid.setBold(team, place.stage == TheFinal || m.winner == s);
      const TGridField pen = GridField(PenaltyField(id, s));
      grid.writeText(pen, m.penalties[std::size_t(s)]);
      grid.setHidden(pen, !m.shootOut);
    }
    if (place.stage >= 0) {
      const TLabel heading = PenaltyHeadingLabel(place.stage);
      grid.setCaption(heading, PenaltyHeading);
      grid.setBold(heading, place.stage == TheFinal);
      // The third place's and the final's heading shows with the shoot-out.
      const bool single = place.stage == ThirdPlace || place.stage == TheFinal;
      grid.setEnabled(heading, !single || m.shootOut);
    }
  }
  for (int g = 0; g < GroupCount; ++g) {
    if (!changed.groups.test(std::size_t(g)))
      continue;
    const TGroupState &group = tournament.group(g);
    for (int r = 0; r < TeamsPerGroup; ++r) {
      const TTeamRec &line = group.table[std::size_t(r)];
      grid.setCaption(TableNameLabel(g, r), ShownTeam(names, line.TeamName));
      grid.setBold(TableNameLabel(g, r), r < 2);
      grid.setCaption(MarkLabel(g, r), OutlookMark(group.outlook[std::size_t(r)]));
      grid.setBold(MarkLabel(g, r), true);
      for (int c = 0; c < TableColumnCount; ++c)
        grid.writeText(TableField(g, r, c), TableFigureText(line, c));
    }
  }
  if (changed.champion) {
    grid.setCaption(ChampionLabel(), ShownTeam(names, tournament.champion()));
    grid.setBold(ChampionLabel(), true);
  }
}
