#pragma once
// The tournament in its own terms: what was typed into each match's fields,
// exactly as typed, and the state that follows from it: the group tables,
// who stands in each knockout slot, whether a shoot-out is open, who won,
// the champion. Teams are numbers (NoTeam for an undecided slot); names are
// made only where the tournament is shown.
//
// Writing a field's text runs that field's rule when the text differs, and
// rules nest: a group's rebuild empties the 1/8-final scores of a slot whose
// team changed, which decides that match again, and so on to the champion.
// Everything has run when a call returns; the tournament then says which
// matches, groups and the champion changed.

#include "core/groups/outlook.h"
#include "core/groups/standings.h"
#include "core/i18n/names.h"
#include "core/tournament/ids.h"

#include <QString>
#include <array>
#include <bitset>
#include <optional>

// One match. A group match's teams are its fixture's, and both sides are
// always open.
struct TMatchState {
  std::array<QString, 2> goals;       // as typed: digits, or empty
  std::array<QString, 2> penalties;   // as typed (knockout matches)
  std::array<TTeam, 2> teams{};       // NoTeam while the slot is undecided
  std::array<bool, 2> open{};         // a score can be typed for the side: its slot is reached
  bool shootOut = false;              // the match ended level: its penalty fields are shown
  std::int8_t winner = -1;            // the side that went through (the final: the champion's), -1 for none

  bool operator==(const TMatchState &o) const;
  bool operator!=(const TMatchState &o) const { return !(*this == o); }
};

// One group: its table and what its remaining matches can still change.
struct TGroupState {
  TGroupRec table{};                                  // places 1..4 in order
  std::array<TOutlook, TeamsPerGroup> outlook{};      // of the team at each place

  // What the outlook was last worked out for, by team number in the
  // group's initial order: worked out again only when the scores differ.
  std::optional<TGroupScores> outlookScores;
  std::array<TOutlook, TeamsPerGroup> outlookOfTeam{};

  bool operator==(const TGroupState &o) const;   // the table and the outlook by place
};

// How a knockout match stands on its texts: the goals decide it, or it
// ended level, when the penalties may decide it; unplayed while a score is
// missing. side is the side that won (by goals or penalties), -1 for none.
struct TDecision {
  enum TBy : std::uint8_t { Unplayed, Goals, Level } by;
  int side;
};
// The one place a match is decided: goals, then penalties.
TDecision Decide(const QString &goals1, const QString &goals2, const QString &pen1, const QString &pen2);
inline TDecision Decide(const TMatchState &m)
{
  return Decide(m.goals[0], m.goals[1], m.penalties[0], m.penalties[1]);
}

class TTournament {
public:
  // Nothing played: the 1/8 finals seeded from each group's initial order.
  // Without outlook marks the outlook stays open: for a tournament that is
  // read, compared or checked but never shown, the outlook's search is most
  // of a group's rebuild.
  explicit TTournament(bool outlookMarks = true);

  const QString &text(TField field) const
  {
    const TFieldInfo &info = FieldInfo(field);
    const TMatchState &m = Matches[Index(info.of)];
    return info.kind == TFieldInfo::Penalty ? m.penalties[std::size_t(info.side)]
                                            : m.goals[std::size_t(info.side)];
  }
  const TMatchState &match(TMatch m) const { return Matches[Index(m)]; }
  const TMatchState &knockoutMatch(int stage, int m) const { return match(KnockoutMatch(stage, m)); }
  const TGroupState &group(int g) const { return Groups[std::size_t(g)]; }
  const TGroupRec &groupTable(int g) const { return Groups[std::size_t(g)].table; }
  TTeam champion() const { return Champion; }

  // A score or penalty field's new text, with all that follows from it.
  void setText(TField field, const QString &text);
  // A group's twelve score fields in field order, written as a whole: the
  // group is rebuilt once at the end when any of them changed.
  using TGroupTexts = std::array<QString, MatchesPerGroup * 2>;
  void setGroupTexts(int group, const TGroupTexts &texts);

  // What changed since the last call.
  struct TChanges {
    std::bitset<MatchCount> matches;
    std::bitset<GroupCount> groups;
    bool champion = false;
    bool any() const { return matches.any() || groups.any() || champion; }
    TChanges &operator|=(const TChanges &o);
    // Every part: what showing the whole tournament shows.
    static TChanges all();
  };
  TChanges takeChanges();

  // The same tournament: every text and everything that follows from them.
  bool operator==(const TTournament &o) const;
  bool operator!=(const TTournament &o) const { return !(*this == o); }

private:
  TMatchState &at(TMatch m) { return Matches[Index(m)]; }
  QString &textAt(TField field);
  void setTeam(TMatch m, int side, TTeam team);
  void setOpen(TMatch m, int side, bool open);
  void setShootOut(TMatch m, bool on);
  void setWinner(TMatch m, int side);
  void fieldChanged(TField field);
  void rebuildGroup(int group);
  void groupChange(int group);
  void bracketChange(int bracketMatch);
  void advanceWinner(int bracketMatch);
  void decideWinner(int bracketMatch);
  void resetSlot(int bracketMatch);
  void setThirdPlace(int side);
  void thirdChange();
  void finalChange();
  void calculateWinner();
  void showPenaltyFields(int stage, bool on);
  void clearPenaltyFields(int stage);

  std::array<TMatchState, MatchCount> Matches{};
  std::array<TGroupState, GroupCount> Groups{};
  TTeam Champion = NoTeam;
  bool OutlookMarks;
  TChanges Changed;
};
