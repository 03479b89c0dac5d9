#pragma once
// Team, host-country and venue names in the three interface languages.

#include <QString>
#include <array>

enum TLanguage : int { LangEnglish = 0, LangSpanish = 1, LangFrench = 2 };
constexpr int LanguageCount = 3;

// Team numbers: the English names in alphabetical order; 0 is "no team".
enum TTeam : int {
  NoTeam = 0,
  Argentina = 1, Belgium, Brazil, Cameroon, China, CostaRica, Croatia, Denmark,
  Ecuador, England, France, Germany, Ireland, Italy, Japan, Mexico,
  Nigeria, Paraguay, Poland, Portugal, Russia, SaudiArabia, Senegal, Slovenia,
  SouthAfrica, SouthKorea, Spain, Sweden, Tunisia, Turkey, Uruguay, USA
};
constexpr int TeamCount = 32;
constexpr int VenueCount = 20;

using TTeamNameList = std::array<QString, TeamCount + 1>;  // index 1..32; [0] is empty

// Table look-ups. A language outside 0..2 reads as English. Team 0 gives the
// favourite list's "none" entry ("none", "ninguno", "aucune"); a team outside
// 0..32 gives an empty text.
QString TeamNameIn(int language, int team);
QString HostCountryNameIn(int language, int host);       // host 0 South Korea, 1 Japan
QString VenueNameIn(int language, int venue);            // venue 0..19, e.g. "Seoul (South Korea)"
QString VenueShortName(const QString &venueName);        // "Seoul (South Korea)" -> "Seoul"
// The venue's menu item name ("Seoul1" ... "Oita1"), in the fixed venue order.
QString VenueMenuItemName(int venue);

// The names the windows show in a language, with the favourite's.
struct TNames {
  TTeamNameList teams;                       // [0] empty
  std::array<QString, 2> hosts;              // South Korea, Japan
  std::array<QString, VenueCount> venues;
  QString favourite;                         // empty for none
};
// A language outside 0..2 reads as English; a favourite outside 1..32 is none.
TNames NamesIn(int language, int favorite);
TTeamNameList TeamNamesIn(int language);

// "xxxxxxxxxx": how a knockout slot or the champion shows while its team is
// not decided.
extern const QString Placeholder;
// A team as a slot shows it: its name, or the placeholder for no team.
QString ShownTeam(const TTeamNameList &names, TTeam team);

// The name in `current` of the team that `previous` names `shown`; any other
// text as it is. An empty entry of `previous` never matches.
QString TranslateTeamName(const TTeamNameList &previous, const TTeamNameList &current,
                          const QString &shown);
