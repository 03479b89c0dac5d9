#pragma once
// Team, host-country and venue names in the three interface languages, and
// the process-wide name lists that the main window and the other windows read.

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

// Process-wide values, filled by the language switch.
extern TTeamNameList TeamNames;           // current language
extern TTeamNameList PreviousTeamNames;   // names the team labels were last shown in
extern QString FavoriteName;              // favourite's name, empty for none
extern std::array<QString, 2> HostCountryNames;
extern std::array<QString, VenueCount> VenueNames;

// Fills HostCountryNames and VenueNames from the language's column.
void FillHostAndVenueNames(int language);
// Fills TeamNames from the language's column.
void FillTeamNames(int language);
// FavoriteName := TeamNames[favorite], or empty when favorite is outside 1..32.
void FillFavoriteName(int favorite);

void SnapshotTeamNames();        // PreviousTeamNames := TeamNames
void ResetPreviousTeamNames();   // PreviousTeamNames := the English names
// The name under which a label now showing `shown` is shown in the current language.
QString TranslateTeamName(const QString &shown);
